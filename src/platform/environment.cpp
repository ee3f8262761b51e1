#include "platform/environment.h"

#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

QString ProgramFolder::override_;
QString SettingsStore::folder_;

QString ProgramFolder::Path()
{
    if (!override_.isEmpty())
        return override_;
    return QCoreApplication::applicationDirPath();
}

void ProgramFolder::Override(const QString& path) { override_ = path; }

static std::unique_ptr<QSettings> OpenStore(const QString& folder, const QString& appName)
{
    const QString base = folder.isEmpty()
                             ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                             : folder;
    return std::make_unique<QSettings>(QDir(base).filePath(QStringLiteral("Glimmerdeck/%1.ini").arg(appName)),
                         QSettings::IniFormat);
}

QString SettingsStore::GetSetting(const QString& appName, const QString& section, const QString& key,
                                  const QString& defaultValue)
{
    if (appName.isEmpty())
        return defaultValue;
    auto s = OpenStore(folder_, appName);
    return s->value(section + QLatin1Char('/') + key, defaultValue).toString();
}

void SettingsStore::SaveSetting(const QString& appName, const QString& section, const QString& key,
                                const QString& value)
{
    auto s = OpenStore(folder_, appName);
    s->setValue(section + QLatin1Char('/') + key, value);
    s->sync();
}

void SettingsStore::Relocate(const QString& folder) { folder_ = folder; }
