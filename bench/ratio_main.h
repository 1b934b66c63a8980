#pragma once
// A benchmark main that runs every benchmark and then prints, for each pair named
// "<case>/ours" and "<case>/peer", the ratio of our time to the peer's (below 1: we are faster).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <map>
#include <string>

namespace lwbench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            // "<case>/ours" or "<case>/peer", possibly followed by "/<argument>".
            std::string name = run.benchmark_name();
            std::string side;
            for (const char* s : {"/ours", "/peer"}) {
                const auto at = name.find(s);
                if (at != std::string::npos) {
                    side = s + 1;
                    name.erase(at, 5);
                }
            }
            // Fixed iteration counts and the kind of time measured show up in the name; they do
            // not tell the cases apart.
            const auto iterations = name.find("/iterations:");
            if (iterations != std::string::npos)
                name.erase(iterations, name.find('/', iterations + 1) - iterations);
            for (const std::string timing : {"/process_time", "/real_time"}) {
                const auto at = name.find(timing);
                if (at != std::string::npos)
                    name.erase(at, timing.size());
            }
            const std::string& key = name;
            const double t = run.GetAdjustedRealTime();
            if (side == "ours")
                ours_[key] = t;
            else if (side == "peer")
                peer_[key] = t;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nratio ours/peer (time; below 1 means ours is faster)\n");
        for (const auto& [key, t] : ours_) {
            const auto it = peer_.find(key);
            if (it != peer_.end() && it->second > 0)
                std::printf("  %-50s %.3f\n", key.c_str(), t / it->second);
        }
    }

private:
    std::map<std::string, double> ours_, peer_;
};

} // namespace lwbench

#define LW_BENCHMARK_MAIN()                                                                                  \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                  \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                         \
        QGuiApplication app(argc, argv);                                                                     \
        benchmark::Initialize(&argc, argv);                                                                  \
        lwbench::RatioReporter reporter;                                                                     \
        benchmark::RunSpecifiedBenchmarks(&reporter);                                                        \
        benchmark::Shutdown();                                                                               \
        return 0;                                                                                            \
    }
