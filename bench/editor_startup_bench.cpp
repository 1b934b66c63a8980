// Editor start-up: `lw FILE` until the document's first frame is painted, against `lwtool info`
// of the same file (both load the extensions and read the document), as whole processes.
#include "bench/ratio_main.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

QString buildDir()
{
    return QCoreApplication::applicationDirPath() + "/..";
}
QString example()
{
    return buildDir() + "/examples/fashion.lwd";
}

void run(benchmark::State& state, const QString& program, const QStringList& args)
{
    // A fresh settings store, so that no recent list or folder of an earlier run plays a part.
    QTemporaryDir settings;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", settings.path());
    if (!env.contains("DISPLAY"))
        env.insert("QT_QPA_PLATFORM", "offscreen");
    for (auto _ : state) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(program, args);
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            state.SkipWithError((program + " failed: " + p.readAllStandardError()).toStdString().c_str());
            return;
        }
    }
}

void ours(benchmark::State& state)
{
    run(state, buildDir() + "/lw", {"--exit-after-first-paint", example()});
}
void peer(benchmark::State& state)
{
    run(state, buildDir() + "/lwtool", {"info", example()});
}

} // namespace

BENCHMARK(ours)->Name("first_frame/ours")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(peer)->Name("first_frame/peer")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

LW_BENCHMARK_MAIN();
