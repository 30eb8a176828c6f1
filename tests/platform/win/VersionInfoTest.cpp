#include "platform/win/VersionInfo.h"
#include "platform/win/LastError.h"
#include "platform/win/Process.h"

#include <QFileInfo>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<Byte> ReadOwnBlock(const String& name) {
    DWORD handle = 1;
    DWORD size = GetFileVersionInfoSizeW(name, &handle);
    EXPECT_EQ(handle, 0u);
    std::vector<Byte> data(size);
    if (size) {
        EXPECT_TRUE(GetFileVersionInfoW(name, handle, size, data.data()));
    }
    return data;
}

TEST(VersionInfo, ProgramFileAnswersItsVersionBlock) {
    for (const String& name : {ProgramFileName(), QFileInfo(ProgramFileName()).fileName()}) {
        std::vector<Byte> block = ReadOwnBlock(name);
        ASSERT_FALSE(block.empty()) << name.toStdString();

        void* value = nullptr;
        UINT len = 0;
        ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &len));
        ASSERT_EQ(len, 4u);
        Word pair[2];
        std::memcpy(pair, value, 4);
        EXPECT_EQ(pair[0], 0x0415);
        EXPECT_EQ(pair[1], 0x04E2);

        ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\041504E2\\FileVersion", &value, &len));
        EXPECT_STREQ(static_cast<const char*>(value), "1.2.0.16");
        EXPECT_EQ(len, 9u);
        ASSERT_TRUE(VerQueryValueW(block.data(), "\\StringFileInfo\\041504e2\\FileVersion", &value, &len));
        EXPECT_EQ(String::fromUtf16(static_cast<const char16_t*>(value)), "1.2.0.16");

        ASSERT_TRUE(VerQueryValueA(block.data(), "\\", &value, &len));
        ASSERT_EQ(len, sizeof(VS_FIXEDFILEINFO));
        VS_FIXEDFILEINFO fixed;
        std::memcpy(&fixed, value, sizeof fixed);
        EXPECT_EQ(fixed.dwSignature, VS_FFI_SIGNATURE);
        EXPECT_EQ(fixed.dwFileVersionMS, 0x00010002u);
        EXPECT_EQ(fixed.dwFileVersionLS, 0x00000010u);
    }
}

TEST(VersionInfo, MissingKeysAndOtherFiles) {
    std::vector<Byte> block = ReadOwnBlock(ProgramFileName());
    void* value = nullptr;
    UINT len = 0;
    EXPECT_FALSE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904B0\\FileVersion", &value, &len));
    EXPECT_FALSE(VerQueryValueA(block.data(), "\\StringFileInfo\\041504E2\\CompanyName", &value, &len));
    EXPECT_FALSE(VerQueryValueA(block.data(), "\\StringFileInfo", &value, &len)); // a node without a value

    DWORD handle = 0;
    EXPECT_EQ(GetFileVersionInfoSizeA("/bin/sh", &handle), 0u);
    EXPECT_EQ(GetFileVersionInfoSizeA("/no/such/file", &handle), 0u);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetFileVersionInfoSizeA("sh", &handle), 0u);
    Byte buf[16];
    EXPECT_FALSE(GetFileVersionInfoA("/bin/sh", 0, sizeof buf, buf));
}

} // namespace
