#pragma once
// A loaded shared library: opened by path, entry points looked up by name, released when the
// owner goes away.
#include <string>

namespace lw {

class SharedLibrary {
public:
    SharedLibrary() = default;
    // Opens the library; on failure the result holds no handle (isLoaded() is false) and
    // lastError() says why.
    static SharedLibrary open(const std::string& path);
    // The loader's account of the last failure in this thread (empty when there is none).
    static std::string lastError();

    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;
    SharedLibrary(SharedLibrary&& other) noexcept;
    SharedLibrary& operator=(SharedLibrary&& other) noexcept;
    ~SharedLibrary();

    bool isLoaded() const { return handle_ != nullptr; }
    void* handle() const { return handle_; }
    // The exported symbol, or null when the library does not export it.
    void* symbol(const char* name) const;
    // Looks up a function and casts it to the given pointer type.
    template <typename Proc> Proc function(const char* name) const
    {
        return reinterpret_cast<Proc>(symbol(name));
    }
    void release();

private:
    void* handle_ = nullptr;
};

} // namespace lw
