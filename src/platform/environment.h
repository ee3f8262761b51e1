#pragma once
// Where the program finds its files and keeps its per-user settings.
#include <QString>
#include <QVariant>

// The program's own folder (the Filters folder and the tip file live there).
// Tests point it elsewhere.
class ProgramFolder {
public:
    static QString Path();
    static void Override(const QString& path);

private:
    static QString override_;
};

// Per-user settings addressed by application name, section and key, over
// QSettings. Tests move the store into a temporary folder.
class SettingsStore {
public:
    static QString GetSetting(const QString& appName, const QString& section, const QString& key,
                              const QString& defaultValue = {});
    static void SaveSetting(const QString& appName, const QString& section, const QString& key,
                            const QString& value);
    // Keeps the store in this folder from now on (an empty path: the user's
    // normal configuration folder).
    static void Relocate(const QString& folder);

private:
    static QString folder_;
};
