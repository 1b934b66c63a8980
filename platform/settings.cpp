#include "platform/settings.h"

#include "platform/application_names.h"

#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

namespace lw {
namespace {

std::optional<QString>& privateFile()
{
    static std::optional<QString> file;
    return file;
}

std::unique_ptr<QSettings> open()
{
    if (privateFile())
        return std::make_unique<QSettings>(*privateFile(), QSettings::IniFormat);
    return std::make_unique<QSettings>(Settings::kOrganization, kApplicationTitle);
}

QString key(const std::string& section, const std::string& name)
{
    return QString::fromStdString(section) + '/' + QString::fromStdString(name);
}

} // namespace

void Settings::usePrivateLocation(const std::string& folder)
{
    privateFile() = QString::fromStdString(folder) + "/settings.ini";
}

std::int32_t Settings::readInt(const std::string& section, const std::string& name,
                               std::int32_t fallback) const
{
    bool ok = false;
    const auto value = open()->value(key(section, name));
    const std::int64_t v = value.toLongLong(&ok);
    // Colours are stored as DWORDs; accept the full unsigned range and wrap it.
    return ok ? static_cast<std::int32_t>(static_cast<std::uint32_t>(v)) : fallback;
}

void Settings::writeInt(const std::string& section, const std::string& name, std::int32_t value)
{
    open()->setValue(key(section, name), value);
}

std::string Settings::readString(const std::string& section, const std::string& name,
                                 const std::string& fallback) const
{
    const auto value = open()->value(key(section, name));
    return value.isValid() ? value.toString().toStdString() : fallback;
}

void Settings::writeString(const std::string& section, const std::string& name, const std::string& value)
{
    open()->setValue(key(section, name), QString::fromStdString(value));
}

bool Settings::contains(const std::string& section, const std::string& name) const
{
    return open()->contains(key(section, name));
}

void Settings::remove(const std::string& section, const std::string& name)
{
    open()->remove(key(section, name));
}

void Settings::sync()
{
    open()->sync();
}

} // namespace lw
