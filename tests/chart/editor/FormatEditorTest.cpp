#include "chart/editor/FormatEditor.h"

#include "PropertyDialogsFixture.h"

#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/UpDown.h"

#include <gtest/gtest.h>

using namespace dialogs_test;

namespace {

TFormatSettings Locale(QChar Thousand, QChar Decimal, const char* Currency) {
    TFormatSettings s = TFormatSettings::Invariant();
    s.ThousandSeparator = Thousand;
    s.DecimalSeparator = Decimal;
    s.CurrencyString = QString::fromUtf8(Currency);
    s.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    s.ShortTimeFormat = QStringLiteral("hh:nn");
    return s;
}

// Opens the dialog on Format, lets Look see it, answers with Answer; gives the result.
String Edit(const String& Format, bool AllowDates, const std::function<void(TFormatEditor*)>& Look,
            TModalResult Answer = mrOk) {
    ModalDriver driver([&](TCustomForm* f) {
        auto* e = static_cast<TFormatEditor*>(f);
        Look(e);
        (Answer == mrOk ? e->BOK : e->BCancel)->Click();
    });
    String result;
    TFormatEditor::Change(nullptr, Format, result, AllowDates);
    EXPECT_EQ(driver.Shown, 1);
    return result;
}

TEST(FormatEditor, ReadsAThousandsFormatIntoItsControlsAndGivesItBackUnchanged) {
    LocaleScope locale(Locale(u',', u'.', "$"));
    const String result = Edit(QStringLiteral("#,##0.00"), true, [](TFormatEditor* e) {
        EXPECT_TRUE(e->RBInteger->Checked());
        EXPECT_TRUE(e->CBThousands->Checked());
        EXPECT_TRUE(e->CBFixedDecimals->Checked());
        EXPECT_FALSE(e->CBCurrency->Checked());
        EXPECT_EQ(e->UpDown1->Position(), 2);
        EXPECT_EQ(e->UpDown2->Position(), 1);
        Screenshot(e, "format-editor");
    });
    EXPECT_EQ(result, QStringLiteral("#,##0.00"));
}

TEST(FormatEditor, APercentFormatDisablesThousandsAndCurrency) {
    LocaleScope locale(Locale(u',', u'.', "$"));
    Edit(QStringLiteral("0.0%"), true, [](TFormatEditor* e) {
        EXPECT_TRUE(e->RBInteger->Checked());
        EXPECT_TRUE(e->CBPercent->Checked());
        EXPECT_TRUE(e->CBFixedDecimals->Checked());
        EXPECT_EQ(e->UpDown1->Position(), 1);
        EXPECT_FALSE(e->CBThousands->Enabled());
        EXPECT_FALSE(e->CBCurrency->Enabled());
        EXPECT_EQ(e->TheFormat(), QStringLiteral("0.0%"));
    });
}

TEST(FormatEditor, AnUnknownFormatIsCustomAndJoinsTheCustomList) {
    LocaleScope locale(Locale(u',', u'.', "$"));
    const String result = Edit(QStringLiteral("dd/mm"), true, [](TFormatEditor* e) {
        EXPECT_TRUE(e->RBCustom->Checked());
        EXPECT_FALSE(e->RBInteger->Checked());
        EXPECT_TRUE(e->CBCustom->Enabled());
        EXPECT_EQ(e->CBCustom->Text(), QStringLiteral("dd/mm"));
        EXPECT_GE(e->CBCustom->Items()->IndexOf(QStringLiteral("dd/mm")), 0);
    });
    EXPECT_EQ(result, QStringLiteral("dd/mm"));
}

TEST(FormatEditor, ADateFormatIsReadAsDateEvenWhereDatesAreNotOffered) {
    LocaleScope locale(Locale(u',', u'.', "$"));
    const String result = Edit(QStringLiteral("mmm"), false, [](TFormatEditor* e) {
        EXPECT_TRUE(e->RBDate->Checked());
        EXPECT_FALSE(e->RBDate->Visible());
        EXPECT_FALSE(e->CBDate->Visible());
        EXPECT_EQ(e->CBDate->Text(), QStringLiteral("mmm"));
        // The locale's date and time formats are offered once each.
        EXPECT_GE(e->CBDate->Items()->IndexOf(QStringLiteral("dd/mm/yyyy")), 0);
        EXPECT_GE(e->CBDate->Items()->IndexOf(QStringLiteral("hh:nn")), 0);
    });
    EXPECT_EQ(result, QStringLiteral("mmm"));
}

TEST(FormatEditor, FiveFixedDigitsWithThousandsAndCancelGivingTheFormatBack) {
    LocaleScope locale(Locale(u'.', u',', "EUR"));
    String built;
    const String result = Edit(
        QStringLiteral("0"), true,
        [&](TFormatEditor* e) {
            e->UpDown2->SetPosition(5);
            e->CBThousands->SetChecked(true);
            built = e->TheFormat();
        },
        mrCancel);
    EXPECT_EQ(built, QStringLiteral("00.000"));
    EXPECT_EQ(result, QStringLiteral("0"));
}

TEST(FormatEditor, BuildingWhatWasReadGivesTheSameFormat) {
    struct Case {
        QChar thousand, decimal;
        const char* currency;
        const char* format;
    };
    const Case cases[] = {
        {u',', u'.', "$", "#,##0.00"},   {u',', u'.', "$", "0.0%"},     {u',', u'.', "$", "0"},
        {u',', u'.', "$", "0.###"},      {u',', u'.', "$", "#,###"},    {u',', u'.', "$", "$#,##0.00"},
        {u',', u'.', "$", "00,000"},     {u',', u'.', "$", "#"},        {u',', u'.', "$", "000.00"},
        {u'.', u',', "EUR", "#.##0,00"}, {u'.', u',', "EUR", "EUR0,0"}, {u' ', u',', "", "# ##0,###"},
    };
    for (const Case& c : cases) {
        LocaleScope locale(Locale(c.thousand, c.decimal, c.currency));
        EXPECT_EQ(Edit(QString::fromUtf8(c.format), true, [](TFormatEditor*) {}),
                  QString::fromUtf8(c.format));
    }
}

TEST(FormatEditor, AnEmptyCurrencyStringIsNotFoundInEveryFormat) {
    LocaleScope locale(Locale(u',', u'.', ""));
    Edit(QStringLiteral("0.00"), true, [](TFormatEditor* e) {
        EXPECT_FALSE(e->CBCurrency->Checked());
        EXPECT_TRUE(e->RBInteger->Checked());
    });
}

TEST(FormatEditor, ChoosingNumberAgainLeavesTheOtherChoices) {
    LocaleScope locale(Locale(u',', u'.', "$"));
    Edit(QStringLiteral("dd/mm"), true, [](TFormatEditor* e) {
        e->RBInteger->SetChecked(true);
        EXPECT_FALSE(e->RBCustom->Checked());
        EXPECT_FALSE(e->CBCustom->Enabled());
        EXPECT_TRUE(e->CBPercent->Enabled());
        e->RBGeo->SetChecked(true);
        EXPECT_FALSE(e->RBInteger->Checked());
        EXPECT_TRUE(e->CBGeo->Enabled());
        EXPECT_EQ(e->TheFormat(), e->CBGeo->Items()->Strings(0));
        EXPECT_EQ(e->CBGeo->Items()->Count(), 9);
    });
}

} // namespace
