#pragma once
// The three failure kinds that core operations raise and the command that started the work
// catches and reports through UiPort.
#include <stdexcept>
#include <string>

namespace lw {

class MemoryError : public std::runtime_error {
public:
    explicit MemoryError(const std::string& what = "Out of memory") : std::runtime_error(what) {}
};

class FileError : public std::runtime_error {
public:
    FileError(std::string path, const std::string& reason)
        : std::runtime_error(path + ": " + reason), path_(std::move(path)) {}
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

class ArchiveError : public std::runtime_error {
public:
    enum class Kind { BadFormat, EndOfFile };
    explicit ArchiveError(Kind kind, const std::string& what = {})
        : std::runtime_error(what.empty() ? defaultText(kind) : what), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    static std::string defaultText(Kind kind)
    {
        return kind == Kind::EndOfFile ? "Unexpected end of file" : "Unexpected file format";
    }
    Kind kind_;
};

} // namespace lw
