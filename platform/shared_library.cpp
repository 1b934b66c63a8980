#include "platform/shared_library.h"

#include <dlfcn.h>
#include <utility>

namespace lw {

SharedLibrary SharedLibrary::open(const std::string& path)
{
    SharedLibrary library;
    // Local binding: two extensions may export the same entry-point names.
    library.handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    return library;
}

std::string SharedLibrary::lastError()
{
    const char* error = dlerror();
    return error ? error : "";
}

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept : handle_(std::exchange(other.handle_, nullptr))
{
}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept
{
    if (this != &other) {
        release();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

SharedLibrary::~SharedLibrary()
{
    release();
}

void* SharedLibrary::symbol(const char* name) const
{
    return handle_ ? dlsym(handle_, name) : nullptr;
}

void SharedLibrary::release()
{
    if (handle_)
        dlclose(std::exchange(handle_, nullptr));
}

} // namespace lw
