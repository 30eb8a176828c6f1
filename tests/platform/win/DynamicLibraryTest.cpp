#include "platform/win/DynamicLibrary.h"
#include "platform/win/LastError.h"
#include "platform/win/Shell.h"

#include <gtest/gtest.h>

namespace {

int g_calls = 0;
void Probe() {
    ++g_calls;
}

TEST(DynamicLibrary, ProvidedLibrariesLoadUnderTheirWindowsNames) {
    struct Case {
        const char* name;
        bool loads;
    } cases[] = {
        {"msimg32.dll", true},
        {"MSIMG32.DLL", true},
        {"gdi32", true},
        {"C:\\Windows\\System32\\gdi32.dll", true},
        {"shell32.dll", true},
        {"comctl32.dll", false},
        {"msimg32.dll.bak", false},
        {"", false},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        HMODULE module = LoadLibraryA(c.name);
        EXPECT_EQ(module != nullptr, c.loads) << c.name;
        EXPECT_EQ(GetLastError(), c.loads ? ERROR_SUCCESS : ERROR_MOD_NOT_FOUND) << c.name;
        if (module) {
            EXPECT_TRUE(FreeLibrary(module)) << c.name;
        }
    }
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
    EXPECT_EQ(LoadLibraryW("gdi32.dll"), LoadLibraryA("GDI32"));
}

TEST(DynamicLibrary, MailLibraryFollowsTheMailSender) {
    TFakeMailSender fake;
    IMailSender* previous = SetMailSender(&fake);
    EXPECT_NE(LoadLibraryA("Mapi32.dll"), nullptr);
    fake.IsAvailable = false;
    EXPECT_EQ(LoadLibraryA("Mapi32.dll"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
    SetMailSender(previous);
}

TEST(DynamicLibrary, ProcedureLookupsAnswerOnlyRegisteredFunctions) {
    HMODULE gdi = LoadLibraryA("gdi32.dll");
    HMODULE msimg = LoadLibraryA("msimg32.dll");
    ASSERT_NE(gdi, nullptr);
    ASSERT_NE(msimg, nullptr);
    // Nothing registered: a probe finds nothing, so callers take their fallback.
    EXPECT_EQ(GetProcAddress(gdi, "TestProbe"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
    EXPECT_EQ(GetProcAddress(gdi, "DllGetVersion"), nullptr);

    ASSERT_TRUE(RegisterLibraryProc("GDI32.DLL", "TestProbe", &Probe));
    FARPROC found = GetProcAddress(gdi, "TestProbe");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    g_calls = 0;
    found();
    EXPECT_EQ(g_calls, 1);
    // Names are exact and belong to their library.
    EXPECT_EQ(GetProcAddress(gdi, "testprobe"), nullptr);
    EXPECT_EQ(GetProcAddress(msimg, "TestProbe"), nullptr);
    EXPECT_EQ(GetProcAddress(gdi, nullptr), nullptr);

    ASSERT_TRUE(RegisterLibraryProc("gdi32", "TestProbe", nullptr));
    EXPECT_EQ(GetProcAddress(gdi, "TestProbe"), nullptr);
    EXPECT_FALSE(RegisterLibraryProc("user32.dll", "TestProbe", &Probe));

    for (HMODULE bad : {HMODULE(nullptr), HMODULE(&g_calls)}) {
        EXPECT_EQ(GetProcAddress(bad, "TestProbe"), nullptr);
        EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
        EXPECT_FALSE(FreeLibrary(bad));
    }
}

TEST(DynamicLibrary, ErrorModeIsKept) {
    UINT before = SetErrorMode(SEM_NOOPENFILEERRORBOX);
    EXPECT_EQ(SetErrorMode(before), SEM_NOOPENFILEERRORBOX);
}

} // namespace
