#include "platform/classes/Registry.h"

#include "platform/classes/MemIniFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        SetRegistryFileName(file());
    }
    void TearDown() override { SetRegistryFileName(QString()); }
    QString file() const { return dir.filePath(QStringLiteral("config/orvo-tuning/registry.ini")); }
    QTemporaryDir dir;
};
} // namespace

TEST_F(RegistryTest, ValuesPersistUnderTheCurrentUsersKey) {
    {
        TRegistry reg;
        EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
        EXPECT_FALSE(reg.OpenKey("Software\\Ririvi Software\\RorOraza Doz\\Editor", false)); // not there yet
        ASSERT_TRUE(reg.OpenKey("Software\\Ririvi Software\\RorOraza Doz\\Editor", true));
        reg.WriteInteger("Left", -20);
        reg.WriteBool("TreeMode", true);
        reg.WriteString("SeriesGroups", " a\\b\r\nsecond line ");
        reg.WriteString("Empty", "");
        reg.CloseKey();
    }
    ASSERT_TRUE(QFile::exists(file())); // folders made on the way
    // The file is an INI file with one section per key.
    TMemIniFile ini(file());
    EXPECT_EQ(
        ini.ReadString("HKEY_CURRENT_USER\\Software\\Ririvi Software\\RorOraza Doz\\Editor", "Left", ""),
        "-20");

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\Ririvi Software\\RorOraza Doz\\Editor\\"));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Ririvi Software\\RorOraza Doz\\Editor");
    EXPECT_TRUE(reg.ValueExists("left"));
    EXPECT_FALSE(reg.ValueExists("Top"));
    EXPECT_EQ(reg.ReadInteger("Left"), -20);
    EXPECT_TRUE(reg.ReadBool("TreeMode"));
    EXPECT_EQ(reg.ReadString("SeriesGroups"), " a\\b\r\nsecond line "); // one line in the file
    EXPECT_TRUE(reg.ValueExists("Empty"));
    EXPECT_EQ(reg.ReadString("Empty"), "");
    EXPECT_EQ(reg.ReadString("Missing"), "");
    EXPECT_THROW(reg.ReadInteger("Missing"), ERegistryException);
    EXPECT_THROW(reg.ReadInteger("SeriesGroups"), ERegistryException);
    EXPECT_THROW(reg.WriteInteger("Left", 1), ERegistryException); // opened read-only
}

TEST_F(RegistryTest, KeysOpenRelativeToTheOpenKeyAndParentsExist) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\A\\B", true));
    reg.WriteString("v", "1");
    EXPECT_TRUE(reg.OpenKey("\\Software", false)); // a key with only sub-keys exists
    EXPECT_TRUE(reg.OpenKey("A", false));          // relative to Software
    EXPECT_EQ(reg.CurrentPath(), "Software\\A");
    EXPECT_TRUE(reg.OpenKey("b", false));
    EXPECT_EQ(reg.ReadString("V"), "1");
    EXPECT_FALSE(reg.OpenKey("\\Software\\AB", false));
    // A key made without values still exists for the next reader.
    ASSERT_TRUE(reg.OpenKey("\\Software\\Empty", true));
    reg.CloseKey();
    EXPECT_THROW(reg.WriteString("v", "x"), ERegistryException); // no key open
    TRegistry other;
    EXPECT_TRUE(other.OpenKey("Software\\Empty", false));
}

TEST_F(RegistryTest, TheLocalMachineIsEmptyAndReadOnly) {
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.OpenKeyReadOnly("SOFTWARE\\Ririvi Software\\RorOraza Doz\\Help"));
    EXPECT_FALSE(reg.OpenKey("Software\\X", true));
    EXPECT_FALSE(reg.ValueExists("Path"));
    EXPECT_EQ(reg.ReadString("Path"), "");
    EXPECT_THROW(reg.WriteString("Path", "x"), ERegistryException);
}
