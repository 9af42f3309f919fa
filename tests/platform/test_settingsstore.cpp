#include "platform/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Qt reads XDG_CONFIG_HOME once per process, when the store is first used: set it before
// any test runs.
class TemporaryConfigHome : public ::testing::Environment {
public:
    void SetUp() override
    {
        dir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir->isValid());
        qputenv("XDG_CONFIG_HOME", dir->path().toUtf8());
    }
    void TearDown() override { dir.reset(); }

    static inline std::unique_ptr<QTemporaryDir> dir;
};

[[maybe_unused]] auto* const kConfigHome = ::testing::AddGlobalTestEnvironment(new TemporaryConfigHome);

const QString kApp = QStringLiteral("ZRW7310N_II");

TEST(SettingsStore, RoundTripIntoTheUsersConfigFolder)
{
    SettingsStore::SaveSetting(kApp, "Settings", "MainLeft", "1500");
    SettingsStore::SaveSetting(kApp, "Settings", "MainWidth", "14500");
    EXPECT_EQ(SettingsStore::GetSetting(kApp, "Settings", "MainLeft", "100"), "1500");
    EXPECT_EQ(SettingsStore::GetSetting(kApp, "Settings", "MainWidth"), "14500");

    QFile file(TemporaryConfigHome::dir->filePath(kApp + "/" + kApp + ".conf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("[Settings]"));
    EXPECT_TRUE(content.contains("MainLeft=1500"));
}

TEST(SettingsStore, MissingValueGivesTheDefault)
{
    EXPECT_EQ(SettingsStore::GetSetting(kApp, "Settings", "MainHeight", "10500"), "10500");
    EXPECT_EQ(SettingsStore::GetSetting(kApp, "Settings", "MainHeight"), "");
}

TEST(SettingsStore, SectionsAndApplicationsAreSeparate)
{
    SettingsStore::SaveSetting(kApp, "Settings", "MainTop", "200");
    SettingsStore::SaveSetting(kApp, "Other", "MainTop", "7");
    EXPECT_EQ(SettingsStore::GetSetting(kApp, "Settings", "MainTop"), "200");
    EXPECT_EQ(SettingsStore::GetSetting(kApp, "Other", "MainTop"), "7");
    EXPECT_EQ(SettingsStore::GetSetting("AnotherProgram", "Settings", "MainTop", "none"), "none");
}

}  // namespace
