// peak_memory OUT PROGRAM [ARGS...]: runs PROGRAM and writes its peak resident memory in bytes to
// the file OUT; exits with the program's status. A benchmark cannot measure a child of its own:
// a child's peak counts the memory it had before it started the program, which for a fork of a
// benchmark is the benchmark's whole heap. A child of this small program starts small.
#include <cstdio>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fputs("usage: peak_memory OUT PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        std::perror(argv[2]);
        return 127;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return 127;
    if (std::FILE* out = std::fopen(argv[1], "w")) {
        std::fprintf(out, "%lld\n", static_cast<long long>(usage.ru_maxrss) * 1024);
        std::fclose(out);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}
