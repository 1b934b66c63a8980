#pragma once
// The engine tests' shared pieces: one host loaded from the test extensions, and access to the
// probe extension's call log.
#include "engine/extension_host.h"
#include "probe_log.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lwtest {

inline std::string testExtensionsDir()
{
    return LW_ENGINE_TEST_EXTENSIONS_DIR;
}

// Every test extension, loaded once for the whole program.
inline const lw::ExtensionHost& testHost()
{
    static lw::ExtensionHost host;
    static const bool loaded = (host.load(testExtensionsDir()), true);
    (void)loaded;
    return host;
}

inline const lw::ExtensionModule* moduleNamed(const lw::ExtensionHost& host, const std::string& fileName)
{
    for (const lw::ExtensionModule* m = host.modules(); m; m = m->next.get())
        if (m->fileName == fileName)
            return m;
    return nullptr;
}

// The probe's record of what it was called with.
class ProbeLog {
public:
    explicit ProbeLog(const lw::ExtensionHost& host = testHost())
    {
        const lw::ExtensionModule* probe = moduleNamed(host, "a_probe.lwx");
        if (probe) {
            reset_ = probe->library.function<ProbeResetProc>("ProbeReset");
            count_ = probe->library.function<ProbeCallCountProc>("ProbeCallCount");
            call_ = probe->library.function<ProbeCallProc>("ProbeCall");
        }
        EXPECT_TRUE(reset_ && count_ && call_) << "probe extension not loaded";
    }
    void reset() const
    {
        if (reset_)
            reset_();
    }
    std::vector<ProbeRecord> calls() const
    {
        std::vector<ProbeRecord> out;
        if (!count_ || !call_)
            return out;
        for (std::int32_t i = 0, n = count_(); i < n; ++i) {
            ProbeRecord r{};
            call_(i, &r);
            out.push_back(r);
        }
        return out;
    }

private:
    ProbeResetProc reset_ = nullptr;
    ProbeCallCountProc count_ = nullptr;
    ProbeCallProc call_ = nullptr;
};

} // namespace lwtest
