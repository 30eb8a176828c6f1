#include "i18n/Domain.h"
#include "i18n/Gettext.h"
#include "i18n/ResourceTextTranslation.h"
#include "platform/rtl/ResStrings.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

// The default translator reads the German test catalogue while a test runs.
class ResourceTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(DefaultTranslator, nullptr);
        dirBefore =
            DefaultTranslator->DomainByName(QStringLiteral("default"), String(), String())->Directory();
        langBefore = DefaultTranslator->GetCurrentLanguage();
        DefaultTranslator->bindtextdomain(QStringLiteral("default"), QStringLiteral(ORVO_TEST_LOCALE));
        UseLanguage(QStringLiteral("de"));
    }
    void TearDown() override {
        DefaultTranslator->bindtextdomain(QStringLiteral("default"), dirBefore);
        UseLanguage(langBefore);
    }
    String dirBefore, langBefore;
};

TEST_F(ResourceTextTest, TranslatedOnTheUserInterfaceThreadOnly) {
    EXPECT_EQ(LoadResString(&SAssertionFailed), QStringLiteral("Zusicherung fehlgeschlagen"));
    EXPECT_EQ(LoadStr(SAssertionFailed.Identifier), QStringLiteral("Zusicherung fehlgeschlagen"));
    EXPECT_EQ(DefaultTranslator->LoadResString(&SAssertionFailed),
              QStringLiteral("Zusicherung fehlgeschlagen"));
    EXPECT_EQ(DefaultTranslator->LoadResString(nullptr), String());
    EXPECT_EQ(TranslateResourceText(String()), String());
    String onWorker, direct;
    std::thread worker([&] {
        onWorker = LoadStr(SAssertionFailed.Identifier);
        direct = TranslateResourceText(QStringLiteral("Assertion failed"));
    });
    worker.join();
    EXPECT_EQ(onWorker, QStringLiteral("Assertion failed"));
    EXPECT_EQ(direct, QStringLiteral("Assertion failed"));
}

TEST_F(ResourceTextTest, FormatIsTranslatedBeforeItIsFilledIn) {
    EXPECT_EQ(FmtLoadStr(SListIndexError.Identifier, {5}),
              QStringLiteral("Listenindex au\u00dferhalb des Bereichs (5)"));
}

TEST_F(ResourceTextTest, ShutdownRestoresPlainResourceStrings) {
    StopGettextEngine();
    EXPECT_EQ(DefaultTranslator, nullptr);
    EXPECT_EQ(LoadResString(&SAssertionFailed), QStringLiteral("Assertion failed"));
    EXPECT_EQ(TranslateResourceText(QStringLiteral("Assertion failed")), QStringLiteral("Assertion failed"));
    EXPECT_EQ(gettext(QStringLiteral("Hello")), QStringLiteral("Hello"));
    StartGettextEngine();
    ASSERT_NE(DefaultTranslator, nullptr);
    DefaultTranslator->bindtextdomain(QStringLiteral("default"), QStringLiteral(ORVO_TEST_LOCALE));
    UseLanguage(QStringLiteral("de"));
    EXPECT_EQ(LoadResString(&SAssertionFailed), QStringLiteral("Zusicherung fehlgeschlagen"));
}

} // namespace
