#include "platform/rtl/FileUtils.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

using namespace Qt::Literals::StringLiterals;

TEST(FileUtilsNames, SplittingAndExtensions) {
    struct Case {
        const char16_t* name;
        const char16_t* path;
        const char16_t* dir;
        const char16_t* file;
        const char16_t* ext;
    } cases[] = {
        {u"/etc/orvo/settings.ini", u"/etc/orvo/", u"/etc/orvo", u"settings.ini", u".ini"},
        {u"settings.ini", u"", u"", u"settings.ini", u".ini"},
        {u"/settings", u"/", u"/", u"settings", u""},
        {u"a/b/", u"a/b/", u"a/b", u"", u""},
        {u"name.", u"", u"", u"name.", u"."},
        {u"dir.d/file", u"dir.d/", u"dir.d", u"file", u""},
        {u"archive.tar.gz", u"", u"", u"archive.tar.gz", u".gz"},
        {u"locale\\de\\default.mo", u"locale\\de\\", u"locale\\de", u"default.mo", u".mo"},
        {u"", u"", u"", u"", u""},
    };
    for (const Case& c : cases) {
        const String name = QString::fromUtf16(c.name);
        EXPECT_EQ(ExtractFilePath(name), QString::fromUtf16(c.path)) << qPrintable(name);
        EXPECT_EQ(ExtractFileDir(name), QString::fromUtf16(c.dir)) << qPrintable(name);
        EXPECT_EQ(ExtractFileName(name), QString::fromUtf16(c.file)) << qPrintable(name);
        EXPECT_EQ(ExtractFileExt(name), QString::fromUtf16(c.ext)) << qPrintable(name);
    }
}

TEST(FileUtilsNames, ChangeFileExtAndTrailingDelimiters) {
    struct Case {
        const char16_t* name;
        const char16_t* ext;
        const char16_t* expected;
    } cases[] = {
        {u"map.bin", u".ini", u"map.ini"}, {u"map", u".ini", u"map.ini"},
        {u"map.", u".ini", u"map.ini"},    {u"dir.d/map", u".ini", u"dir.d/map.ini"},
        {u"a.b.c", u"", u"a.b"},           {u"/x/y.txt", u".mo", u"/x/y.mo"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChangeFileExt(QString::fromUtf16(c.name), QString::fromUtf16(c.ext)),
                  QString::fromUtf16(c.expected));

    EXPECT_EQ(IncludeTrailingPathDelimiter(u"/tmp"_s), u"/tmp/"_s);
    EXPECT_EQ(IncludeTrailingPathDelimiter(u"/tmp/"_s), u"/tmp/"_s);
    EXPECT_EQ(IncludeTrailingPathDelimiter(u"C:\\x\\"_s), u"C:\\x\\"_s);
    EXPECT_EQ(IncludeTrailingPathDelimiter(String()), u"/"_s);
    EXPECT_EQ(ExcludeTrailingPathDelimiter(u"/tmp/"_s), u"/tmp"_s);
    EXPECT_EQ(ExcludeTrailingPathDelimiter(u"/tmp"_s), u"/tmp"_s);
    EXPECT_EQ(ExcludeTrailingPathDelimiter(u"/"_s), String());
}

class FileUtilsDisk : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(temp_.isValid()); }
    String Path(const String& relative) const { return temp_.path() + u'/' + relative; }
    void Touch(const String& relative, const QByteArray& content = "x") {
        QFile f(Path(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    std::vector<std::pair<String, int>> List(const String& mask, int attr) {
        std::vector<std::pair<String, int>> found;
        TSearchRec rec;
        for (int r = FindFirst(Path(mask), attr, rec); r == 0; r = FindNext(rec))
            found.emplace_back(rec.Name, rec.Attr);
        FindClose(rec);
        return found;
    }

    QTemporaryDir temp_;
};

TEST_F(FileUtilsDisk, ExistenceAndCurrentDir) {
    Touch(u"a.ini"_s);
    EXPECT_TRUE(FileExists(Path(u"a.ini"_s)));
    EXPECT_FALSE(FileExists(Path(u"A.INI"_s))); // names are case-sensitive
    EXPECT_FALSE(FileExists(temp_.path()));     // a folder is not a file
    EXPECT_TRUE(DirectoryExists(temp_.path()));
    EXPECT_FALSE(DirectoryExists(Path(u"a.ini"_s)));
    EXPECT_FALSE(FileExists(String()));
    EXPECT_FALSE(DirectoryExists(String()));
    EXPECT_EQ(GetCurrentDir(), QDir::currentPath());
}

TEST_F(FileUtilsDisk, ForceDirectoriesCreatesEveryMissingLevel) {
    const String deep = Path(u"one/two/three/"_s);
    EXPECT_TRUE(ForceDirectories(deep));
    EXPECT_TRUE(DirectoryExists(Path(u"one/two/three"_s)));
    EXPECT_TRUE(ForceDirectories(deep)); // already there
    // Backslashes from code written for the other platform become delimiters.
    EXPECT_TRUE(ForceDirectories(Path(u"one\\four\\five"_s)));
    EXPECT_TRUE(DirectoryExists(Path(u"one/four/five"_s)));
    // A file in the way, and the empty name.
    Touch(u"blocker"_s);
    EXPECT_FALSE(ForceDirectories(Path(u"blocker/sub"_s)));
    EXPECT_FALSE(ForceDirectories(String()));
    EXPECT_TRUE(ForceDirectories(u"/"_s));
}

TEST_F(FileUtilsDisk, CreateDeleteAndRename) {
    EXPECT_TRUE(CreateDir(Path(u"d"_s)));
    EXPECT_FALSE(CreateDir(Path(u"d"_s)));
    EXPECT_FALSE(CreateDir(Path(u"missing/d"_s)));
    EXPECT_FALSE(DeleteFile(Path(u"d"_s))); // not a file
    Touch(u"f1"_s, "one");
    Touch(u"f2"_s, "two");
    EXPECT_FALSE(RenameFile(Path(u"f1"_s), Path(u"f2"_s))); // never replaces
    QFile f2(Path(u"f2"_s));
    ASSERT_TRUE(f2.open(QIODevice::ReadOnly));
    EXPECT_EQ(f2.readAll(), "two");
    EXPECT_TRUE(RenameFile(Path(u"f1"_s), Path(u"d\\f3"_s)));
    EXPECT_TRUE(FileExists(Path(u"d/f3"_s)));
    EXPECT_FALSE(FileExists(Path(u"f1"_s)));
    EXPECT_TRUE(DeleteFile(Path(u"d/f3"_s)));
    EXPECT_FALSE(DeleteFile(Path(u"d/f3"_s)));
}

TEST_F(FileUtilsDisk, ReadOnlyComesFromTheOwnerWriteBit) {
    Touch(u"ro.ini"_s);
    Touch(u"rw.ini"_s);
    ASSERT_EQ(::chmod(qPrintable(Path(u"ro.ini"_s)), 0444), 0);
    // The tests may run as root, for whom the file is still writable: the bit decides.
    EXPECT_EQ(FileGetAttr(Path(u"ro.ini"_s)) & faReadOnly, faReadOnly);
    EXPECT_EQ(FileGetAttr(Path(u"rw.ini"_s)) & faReadOnly, 0);
    EXPECT_EQ(FileGetAttr(Path(u"rw.ini"_s)) & faDirectory, 0);
    EXPECT_EQ(FileGetAttr(temp_.path()) & faDirectory, faDirectory);
    EXPECT_EQ(FileGetAttr(Path(u"none"_s)), -1);
    Touch(u".hidden"_s);
    EXPECT_EQ(FileGetAttr(Path(u".hidden"_s)) & faHidden, faHidden);
}

TEST_F(FileUtilsDisk, FindFirstListsFoldersAndFiltersByAttributes) {
    for (const String& lang : {u"de"_s, u"pt_BR"_s, u"fr"_s})
        ASSERT_TRUE(ForceDirectories(Path(lang)));
    Touch(u"readme.txt"_s);
    Touch(u"default.mo"_s, "12345");
    Touch(u".cache"_s);

    using Found = std::vector<std::pair<String, int>>;
    const Found everything = List(u"*"_s, faAnyFile);
    const Found expected = {{u"."_s, faDirectory},     {u".."_s, faDirectory}, {u".cache"_s, faHidden},
                            {u"de"_s, faDirectory},    {u"default.mo"_s, 0},   {u"fr"_s, faDirectory},
                            {u"pt_BR"_s, faDirectory}, {u"readme.txt"_s, 0}};
    EXPECT_EQ(everything, expected);
    EXPECT_EQ(List(u"*.*"_s, faAnyFile), expected);

    // Without faDirectory only the files; without faHidden no hidden entry.
    EXPECT_EQ(List(u"*"_s, 0), (Found{{u"default.mo"_s, 0}, {u"readme.txt"_s, 0}}));
    EXPECT_EQ(List(u"*.mo"_s, faAnyFile), (Found{{u"default.mo"_s, 0}}));
    EXPECT_EQ(List(u"?r"_s, faDirectory), (Found{{u"fr"_s, faDirectory}}));
    EXPECT_EQ(List(u"*_*"_s, faDirectory), (Found{{u"pt_BR"_s, faDirectory}}));
    EXPECT_EQ(List(u"default.mo"_s, 0), (Found{{u"default.mo"_s, 0}}));

    TSearchRec rec;
    ASSERT_EQ(FindFirst(Path(u"default.mo"_s), faAnyFile, rec), 0);
    EXPECT_EQ(rec.Size, 5);
    EXPECT_EQ(FindNext(rec), 18);
    FindClose(rec);
    EXPECT_EQ(FindNext(rec), 18);
    EXPECT_EQ(FindFirst(Path(u"*.xyz"_s), faAnyFile, rec), 2);
    EXPECT_EQ(FindFirst(Path(u"nowhere/*"_s), faAnyFile, rec), 3);
    // Backslashes in the search path.
    ASSERT_EQ(FindFirst(temp_.path() + u"\\*.txt"_s, faAnyFile, rec), 0);
    EXPECT_EQ(rec.Name, u"readme.txt"_s);
    FindClose(rec);
}

} // namespace
