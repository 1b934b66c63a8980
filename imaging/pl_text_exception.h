#pragma once
// The image-library layer's own failure type: an integer code and a text. Its objects derive
// from PLObject. PLTextException is also a std::exception so that a command's generic handler
// can report it.
#include <exception>
#include <string>

namespace lw {

class PLObject {
public:
    virtual ~PLObject() = default;
};

class PLTextException : public PLObject, public std::exception {
public:
    PLTextException(int code, std::string text) : code_(code), text_(std::move(text)) {}
    int code() const { return code_; }
    const std::string& text() const { return text_; }
    const char* what() const noexcept override { return text_.c_str(); }

private:
    int code_;
    std::string text_;
};

// Code and texts the library raises.
inline constexpr int kPLErrNoMemory = 10;
inline constexpr int kPLErrFormatUnsupported = 2;
inline constexpr const char* kPLTextDibNoMemory = "Недостаточно ресурсов памяти .";
inline constexpr const char* kPLTextResultNoMemory = "Ресурсы памяти с-мы заблокированы..";
inline constexpr const char* kPLTextQuantizerNoMemory = "Out of memory.";
inline constexpr const char* kPLTextNotADib = "Unsupported bitmap format.";

} // namespace lw
