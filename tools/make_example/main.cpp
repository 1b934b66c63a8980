// make_example OUT.lwd: writes the example banner document.
#include "tools/make_example/fashion_banner.h"

#include "model/lwd/lwd_writer.h"
#include "platform/file_io.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_example OUT.lwd\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    try {
        lw::CLWDoc doc;
        lw::buildFashionBanner(doc);
        doc.animation.PrepareCloneReferences(); // as every save does
        lw::writeFileAtomically(argv[1], lw::WriteLwdDocument(doc));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_example: %s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
