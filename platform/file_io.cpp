#include "platform/file_io.h"

#include "platform/errors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {

std::vector<std::uint8_t> readFile(const std::string& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw FileError(path, "is a folder");
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw FileError(path, std::strerror(errno));
    std::vector<std::uint8_t> data;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxInputFileSize) {
        std::fclose(f);
        throw FileError(path, "file is too large");
    }
    if (!ec)
        data.reserve(static_cast<std::size_t>(size));
    std::uint8_t buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        data.insert(data.end(), buffer, buffer + n);
        if (data.size() > kMaxInputFileSize) {
            std::fclose(f);
            throw FileError(path, "file is too large");
        }
    }
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        throw FileError(path, "read error");
    return data;
}

void writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes)
{
    const std::filesystem::path target(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw FileError(path, std::strerror(errno));
    const std::string temp = pattern;
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        throw FileError(path, std::strerror(err));
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        fail(errno);
    // mkstemp creates 0600; give the file the usual permissions of a user's document.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        throw FileError(path, std::strerror(err));
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        throw FileError(path, std::strerror(err));
    }
}

std::string fileExtension(const std::string& path)
{
    const auto dot = path.rfind('.');
    if (dot == std::string::npos)
        return {};
    const auto slash = path.find_last_of("/\\");
    if (slash != std::string::npos && slash > dot)
        return {};
    std::string ext = path.substr(dot + 1);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

} // namespace lw
