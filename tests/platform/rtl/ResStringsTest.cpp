#include "platform/rtl/ResStrings.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/SysError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <thread>

namespace {

using namespace Qt::Literals::StringLiterals;

// A German catalogue of two texts; everything else comes back unchanged.
String TranslateToGerman(const String& text) {
    if (text == u"Cancel"_s) return u"Abbrechen"_s;
    if (text == u"List index out of bounds (%d)"_s)
        return u"Listenindex au\u00DFerhalb des g\u00FCltigen Bereichs (%d)"_s;
    if (text == u"Operation aborted"_s) return u"Vorgang abgebrochen"_s;
    return text;
}

class ResStringsHook : public ::testing::Test {
protected:
    void SetUp() override { InstallResourceTextHook(&TranslateToGerman); }
    void TearDown() override { RemoveResourceTextHook(); }
};

TEST_F(ResStringsHook, TranslatesOnlyOnTheInstallingThread) {
    EXPECT_EQ(LoadResString(&SMsgDlgCancel), u"Abbrechen"_s);
    EXPECT_EQ(LoadStr(SMsgDlgCancel.Identifier), u"Abbrechen"_s);
    EXPECT_EQ(LoadResString(&SMsgDlgOK), u"OK"_s); // no translation in the catalogue

    String fromWorker, strFromWorker, fmtFromWorker;
    std::thread worker([&] {
        fromWorker = LoadResString(&SMsgDlgCancel);
        strFromWorker = LoadStr(SMsgDlgCancel.Identifier);
        fmtFromWorker = FmtLoadStr(SListIndexError.Identifier, {7});
    });
    worker.join();
    EXPECT_EQ(fromWorker, u"Cancel"_s);
    EXPECT_EQ(strFromWorker, u"Cancel"_s);
    EXPECT_EQ(fmtFromWorker, u"List index out of bounds (7)"_s);
}

TEST_F(ResStringsHook, FmtLoadStrTranslatesTheFormatBeforeFilling) {
    EXPECT_EQ(FmtLoadStr(SListIndexError.Identifier, {7}),
              u"Listenindex au\u00DFerhalb des g\u00FCltigen Bereichs (7)"_s);
}

TEST_F(ResStringsHook, RemovedHookGivesTheEnglishText) {
    RemoveResourceTextHook();
    EXPECT_EQ(LoadResString(&SMsgDlgCancel), u"Cancel"_s);
    EXPECT_EQ(FmtLoadStr(SListIndexError.Identifier, {3}), u"List index out of bounds (3)"_s);
}

// The named constructors keep the class they are called on, and the resource forms take the
// translated text (the format is translated before it is filled).
TEST_F(ResStringsHook, ExceptionsAreBuiltFromFormatsAndResourceStrings) {
    const auto expectRaised = [](auto raise, const char* className, const String& message) {
        try {
            raise();
            ADD_FAILURE() << "no exception for " << className;
        } catch (const Exception& e) {
            EXPECT_STREQ(e.ClassName(), className);
            EXPECT_EQ(e.Message, message);
        }
    };
    const String port = u"/dev/ttyS0"_s;
    expectRaised(
        [&] {
            throw EConvertError::CreateFmt(u"%s: %d%%"_s, {port, 5});
        },
        "EConvertError", u"/dev/ttyS0: 5%"_s);
    expectRaised([] { throw EListError::CreateRes(&SMsgDlgCancel); }, "EListError", u"Abbrechen"_s);
    expectRaised([] { throw EStringListError::CreateRes(SMsgDlgCancel.Identifier); }, "EStringListError",
                 u"Abbrechen"_s);
    expectRaised([] { throw EListError::CreateResFmt(&SListIndexError, {4}); }, "EListError",
                 u"Listenindex au\u00DFerhalb des g\u00FCltigen Bereichs (4)"_s);
    expectRaised([] { throw EOSError::CreateResFmt(SListIndexError.Identifier, {-1}); }, "EOSError",
                 u"Listenindex au\u00DFerhalb des g\u00FCltigen Bereichs (-1)"_s);
    expectRaised([] { throw Exception::CreateRes(&SMsgDlgOK); }, "Exception", u"OK"_s);
    expectRaised([] { Abort(); }, "EAbort", u"Vorgang abgebrochen"_s);
    // A format that does not fit its arguments is the conversion error, not the intended one.
    expectRaised([] { throw EListError::CreateFmt(u"%d"_s, {u"x"}); }, "EConvertError",
                 u"Format '%d' invalid or incompatible with argument"_s);
}

TEST(ResStrings, LookupAndRegistration) {
    EXPECT_EQ(LoadResString(nullptr), String());
    EXPECT_EQ(LoadStr(-1), String());
    EXPECT_EQ(LoadStr(SApplicationError.Identifier), u"Application Error"_s);
    EXPECT_EQ(LoadResString(&SMsgDlgNoToAll), u"N&o to All"_s);

    static constexpr TResStringRec SGaugeText{91001, "Pressure \xC2\xB0"};
    static constexpr TResStringRec SClash{91001, "Another text"};
    static constexpr TResStringRec SLayerClash{SMsgDlgOK.Identifier, "Not OK"};
    EXPECT_TRUE(RegisterResStrings({&SGaugeText}));
    EXPECT_TRUE(RegisterResStrings({&SGaugeText})); // the same string again is harmless
    EXPECT_EQ(LoadStr(91001), u"Pressure \u00B0"_s);
    EXPECT_FALSE(RegisterResStrings({&SClash}));
    EXPECT_FALSE(RegisterResStrings({&SLayerClash}));
    EXPECT_EQ(LoadStr(91001), u"Pressure \u00B0"_s);
    EXPECT_EQ(LoadStr(SMsgDlgOK.Identifier), u"OK"_s);
    UnregisterResStrings({&SClash}); // not the registered one: no effect
    EXPECT_EQ(LoadStr(91001), u"Pressure \u00B0"_s);
    UnregisterResStrings({&SGaugeText});
    EXPECT_EQ(LoadStr(91001), String());
}

TEST(SysError, MessagesAndRaising) {
    EXPECT_EQ(SysErrorMessage(2), u"The system cannot find the file specified"_s);
    EXPECT_EQ(SysErrorMessage(0x80070057u), u"The parameter is incorrect"_s);
    EXPECT_EQ(SysErrorMessage(99999), String());

    try {
        RaiseLastOSError(5);
        FAIL() << "no exception";
    } catch (const EOSError& e) {
        EXPECT_EQ(e.ErrorCode, 5u);
        EXPECT_EQ(e.Message, u"System Error.  Code: 5.\nAccess is denied"_s);
    }
    try {
        RaiseLastOSError(0);
        FAIL() << "no exception";
    } catch (const EOSError& e) {
        EXPECT_EQ(e.ErrorCode, 0u);
        EXPECT_EQ(e.Message, u"A call to an OS function failed"_s);
    }
    errno = ENOENT;
    try {
        RaiseLastOSError();
        FAIL() << "no exception";
    } catch (const EOSError& e) {
        EXPECT_EQ(e.ErrorCode, 2u);
    }
}

TEST(SysError, AssertNamesTheCaller) {
    EXPECT_NO_THROW(Assert(true, u"unused"_s));
    const int line = __LINE__ + 2;
    try {
        Assert(false, u"Patch position was nil"_s);
        FAIL() << "no exception";
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message, u"Patch position was nil ("_s + QString::fromUtf8(__FILE__) + u", line "_s +
                                 QString::number(line) + u")"_s);
    }
    try {
        Assert(false);
        FAIL() << "no exception";
    } catch (const EAssertionFailed& e) {
        EXPECT_TRUE(e.Message.startsWith(u"Assertion failed ("_s)) << qPrintable(e.Message);
    }
}

} // namespace
