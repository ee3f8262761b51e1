// Test main: an offscreen QApplication, with the per-user configuration and
// the settings store moved into a temporary folder before anything can
// touch the user's own.
#include <cstdlib>

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/environment.h"
#include "platform/key_conventions.h"
#include "platform/message_filter.h"
#include "platform/style.h"

int main(int argc, char** argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    SettingsStore::Relocate(config.path());
    InstallOffscreenMessageFilter();
    QApplication app(argc, argv);
    InstallKeyConventions();
    style::Install();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
