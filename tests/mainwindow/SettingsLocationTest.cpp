#include "SettingsStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace orbivane {
namespace {

TEST(SettingsLocation, TheUsersStoreIsOrbivaneIniInTheConfigDir)
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(configHome.isEmpty()) << "the test runs with XDG_CONFIG_HOME set";
    const QString expected = QDir(configHome).filePath(QStringLiteral("Orbivane/Orbivane.ini"));
    QFile::remove(expected);
    SettingsStore store;
    EXPECT_EQ(store.fileName(), expected);
    store.setText(Setting::Style, QStringLiteral("N"));
    EXPECT_TRUE(QFile::exists(expected)) << "every write reaches the file at once";
    store.DeleteAllSettings();
}

} // namespace
} // namespace orbivane
