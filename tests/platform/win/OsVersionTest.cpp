#include "platform/win/OsVersion.h"
#include "platform/win/LastError.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(OsVersion, ConstantNtTenAnswers) {
    OSVERSIONINFOA a;
    std::memset(&a, 0xAB, sizeof a);
    a.dwOSVersionInfoSize = sizeof a;
    ASSERT_TRUE(GetVersionExA(&a));
    EXPECT_EQ(a.dwPlatformId, VER_PLATFORM_WIN32_NT);
    EXPECT_EQ(a.dwMajorVersion, 10u);
    EXPECT_EQ(a.dwMinorVersion, 0u);
    EXPECT_STREQ(a.szCSDVersion, "");

    OSVERSIONINFOEXA ex;
    std::memset(&ex, 0xAB, sizeof ex);
    ex.dwOSVersionInfoSize = sizeof ex;
    ASSERT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&ex)));
    EXPECT_EQ(ex.dwMajorVersion, 10u);
    EXPECT_EQ(ex.wServicePackMajor, 0);
    EXPECT_EQ(ex.wProductType, VER_NT_WORKSTATION);

    OSVERSIONINFOW w{};
    w.dwOSVersionInfoSize = sizeof w;
    ASSERT_TRUE(GetVersionExW(&w));
    EXPECT_EQ(w.dwPlatformId, VER_PLATFORM_WIN32_NT);
    EXPECT_EQ(w.szCSDVersion[0], u'\0');
}

TEST(OsVersion, RecordOfTheWrongSizeIsRefused) {
    OSVERSIONINFOA a{};
    a.dwOSVersionInfoSize = sizeof a - 4;
    EXPECT_FALSE(GetVersionExA(&a));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(a.dwMajorVersion, 0u);
    OSVERSIONINFOW w{};
    w.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    EXPECT_FALSE(GetVersionExW(&w));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_FALSE(GetVersionExA(nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

} // namespace
