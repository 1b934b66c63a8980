// Stand-in for libFuzzer when the compiler has none: replays every file of the given corpus
// folders, then feeds a fixed number of deterministic random mutations of them to the target.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::uint8_t> readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void mutate(std::vector<std::uint8_t>& data, std::mt19937& rng)
{
    const int edits = 1 + static_cast<int>(rng() % 8);
    for (int i = 0; i < edits; ++i) {
        switch (rng() % 5) {
        case 0: // flip a byte
            if (!data.empty())
                data[rng() % data.size()] = static_cast<std::uint8_t>(rng());
            break;
        case 1: // truncate
            if (!data.empty())
                data.resize(rng() % data.size());
            break;
        case 2: // insert bytes
            data.insert(data.begin() + static_cast<long>(data.empty() ? 0 : rng() % data.size()),
                        1 + rng() % 16, static_cast<std::uint8_t>(rng()));
            break;
        case 3: // interesting values
            if (data.size() >= 4) {
                static const std::uint32_t values[] = {0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFF, 255, 256};
                const std::uint32_t v = values[rng() % std::size(values)];
                std::memcpy(data.data() + rng() % (data.size() - 3), &v, 4);
            }
            break;
        default: // append noise
            for (int n = static_cast<int>(rng() % 64); n > 0; --n)
                data.push_back(static_cast<std::uint8_t>(rng()));
            break;
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    long iterations = 1000;
    std::vector<std::vector<std::uint8_t>> corpus;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--iterations=", 0) == 0) {
            iterations = std::strtol(arg.c_str() + 13, nullptr, 10);
            continue;
        }
        const std::filesystem::path path(arg);
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec)) {
            for (const auto& entry : std::filesystem::directory_iterator(path))
                if (entry.is_regular_file())
                    corpus.push_back(readAll(entry.path()));
        } else if (std::filesystem::is_regular_file(path, ec)) {
            corpus.push_back(readAll(path));
        }
    }
    if (corpus.empty())
        corpus.emplace_back();
    for (const auto& input : corpus)
        LLVMFuzzerTestOneInput(input.data(), input.size());
    std::mt19937 rng(12345);
    for (long i = 0; i < iterations; ++i) {
        auto input = corpus[static_cast<std::size_t>(i) % corpus.size()];
        mutate(input, rng);
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("replayed %zu corpus files and %ld mutations\n", corpus.size(), iterations);
    return 0;
}
