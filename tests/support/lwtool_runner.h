#pragma once
// Runs the built lwtool and collects what it printed and its exit status.
#include "support/test_paths.h"

#include <QProcess>
#include <QStringList>
#include <string>
#include <vector>

namespace lwtest {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline ToolRun runLwtool(const std::vector<std::string>& args)
{
    QProcess process;
    QStringList list;
    for (const auto& a : args)
        list << QString::fromStdString(a);
    process.start(QString::fromStdString(buildDir() + "/lwtool"), list);
    ToolRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

inline std::string engineTestExtensions()
{
    return buildDir() + "/test_extensions/engine";
}

} // namespace lwtest
