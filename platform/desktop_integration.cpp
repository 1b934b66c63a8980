#include "platform/desktop_integration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace lw {

std::string mimePackageXml()
{
    return std::string(R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type=")") +
           kDocumentMimeType + R"(">
    <comment>Loopwright GIF Animation</comment>
    <comment xml:lang="ru">Анимация Loopwright GIF</comment>
    <generic-icon name="image-x-generic"/>
    <magic priority="60">
      <match type="byte" offset="0" value="7">
        <match type="string" offset="1" value="LWDF1."/>
      </match>
    </magic>
    <glob pattern="*.lwd"/>
  </mime-type>
  <mime-type type=")" +
           kExtensionMimeType + R"(">
    <comment>Loopwright Extension</comment>
    <comment xml:lang="ru">Расширение Loopwright</comment>
    <sub-class-of type="application/x-sharedlib"/>
    <glob pattern="*.lwx"/>
  </mime-type>
</mime-info>
)";
}

std::string desktopEntry(const std::string& execCommand)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Loopwright GIF Animator\n"
           "GenericName=GIF Animation Editor\n"
           "GenericName[ru]=Редактор GIF-анимации\n"
           "Comment=Create animated GIF banners, buttons and small animations\n"
           "Comment[ru]=Анимированные GIF-баннеры, кнопки и небольшие анимации\n"
           "Exec=" +
           execCommand +
           " %F\n"
           "Icon=" +
           kProgramIconName +
           "\n"
           "Terminal=false\n"
           "Categories=Graphics;2DGraphics;RasterGraphics;\n"
           "Keywords=GIF;animation;banner;\n"
           "MimeType=" +
           kDocumentMimeType + ";\n";
}

std::string quotedExecArgument(const std::string& path)
{
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    // The Exec value is itself a string value of the entry, so backslashes are escaped once more,
    // a literal % is written %%, and line breaks and tabs become escapes: a folder name with a
    // line break must not start a new key of the entry.
    std::string value;
    for (char c : quoted) {
        if (c == '\\')
            value += "\\\\";
        else if (c == '%')
            value += "%%";
        else if (c == '\n')
            value += "\\n";
        else if (c == '\r')
            value += "\\r";
        else if (c == '\t')
            value += "\\t";
        else
            value += c;
    }
    return value;
}

namespace {

// Writes bytes to path unless it already holds exactly them. Returns false on a failure.
bool writeIfDifferent(const QString& path, const QByteArray& bytes, bool& changed)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    changed = true;
    return true;
}

void startIfPresent(const QString& program, const QString& folder)
{
    const QString found = QStandardPaths::findExecutable(program);
    if (!found.isEmpty())
        QProcess::startDetached(found, {folder});
}

} // namespace

DesktopRegistrationResult registerWithDesktop(const DesktopRegistration& registration, bool refreshCaches)
{
    const QString home = QString::fromStdString(registration.dataHome);
    const QString icons = QString::fromStdString(registration.iconFolder);
    const QString mimeFolder = home + "/mime";
    const QString applications = home + "/applications";
    const QString hicolor = home + "/icons/hicolor/scalable";

    struct Copy {
        QString source;
        QString target;
    };
    const Copy iconCopies[] = {
        {icons + "/loopwright.svg", hicolor + "/apps/" + kProgramIconName + ".svg"},
        {icons + "/document-lwd.svg",
         hicolor + "/mimetypes/" + QString(kDocumentMimeType).replace('/', '-') + ".svg"},
        {icons + "/document-lwx.svg",
         hicolor + "/mimetypes/" + QString(kExtensionMimeType).replace('/', '-') + ".svg"},
    };

    DesktopRegistrationResult result;
    bool ok = true;
    bool mimeChanged = false;
    bool entryChanged = false;
    ok &= writeIfDifferent(mimeFolder + "/packages/" + kMimePackageFileName,
                           QByteArray::fromStdString(mimePackageXml()), mimeChanged);
    ok &= writeIfDifferent(
        applications + "/" + kDesktopFileName,
        QByteArray::fromStdString(desktopEntry(quotedExecArgument(registration.programPath))), entryChanged);
    for (const Copy& copy : iconCopies) {
        QFile source(copy.source);
        if (!source.open(QIODevice::ReadOnly)) {
            ok = false;
            continue;
        }
        ok &= writeIfDifferent(copy.target, source.readAll(), result.changed);
    }
    result.changed |= mimeChanged || entryChanged;
    result.complete = ok;
    if (refreshCaches) {
        if (mimeChanged)
            startIfPresent("update-mime-database", mimeFolder);
        if (entryChanged)
            startIfPresent("update-desktop-database", applications);
    }
    return result;
}

DesktopRegistrationResult registerRunningProgramWithDesktop()
{
    DesktopRegistration registration;
    registration.programPath = QCoreApplication::applicationFilePath().toStdString();
    registration.dataHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    registration.iconFolder = ":/icons";
    if (registration.programPath.empty() || registration.dataHome.empty())
        return {};
    return registerWithDesktop(registration);
}

} // namespace lw
