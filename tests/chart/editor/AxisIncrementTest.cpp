// The axis range and increment dialogs: texts of increments, days and times typed as
// increments, refused texts that keep the dialog open, and what OK stores in the axis.
#include "EditorPagesTestSupport.h"

#include "chart/editor/AxisIncrement.h"
#include "chart/editor/AxisMaxMin.h"
#include "chart/series/LineSeries.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/RadioGroup.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FloatText.h"

class AxisDialogs : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        series = new TLineSeries(form);
        series->SetParentChart(chart);
        series->AddXY(0, 1);
        series->AddXY(10, 3);
    }
    void MakeDateTime() { series->XValues()->SetDateTime(true); }

    TLineSeries* series = nullptr;
};

TEST(AxisIncrementText, DaysTimesStepsAndFormats) {
    EXPECT_EQ(GetIncrementText(nullptr, 1, true, false, String()), QStringLiteral("1"));
    EXPECT_EQ(GetIncrementText(nullptr, 1.5, true, false, String()), QStringLiteral("1 ") + TimeToStr(0.5));
    EXPECT_EQ(GetIncrementText(nullptr, 0, true, false, String()), TimeToStr(DateTimeStep[dtOneSecond]));
    EXPECT_EQ(GetIncrementText(nullptr, 0.25, true, false, String()), TimeToStr(0.25));
    // Exact and a standard step: the step's name; not exact: the time.
    EXPECT_EQ(GetIncrementText(nullptr, 1.0 / 24, true, true, String()), QStringLiteral("One Hour"));
    EXPECT_EQ(GetIncrementText(nullptr, 1.0 / 24, true, false, String()), TimeToStr(1.0 / 24));
    // A format that hides the step gives way to the plain number.
    EXPECT_EQ(GetIncrementText(nullptr, 0.25, false, false, QStringLiteral("0")), FloatToStr(0.25));
    EXPECT_EQ(GetIncrementText(nullptr, 2, false, false, QStringLiteral("0.00")),
              FormatFloat(QStringLiteral("0.00"), 2));
}

TEST_F(AxisDialogs, CustomDateTimeIncrementsTypedAsDaysAndTimes) {
    MakeDateTime();
    TChartAxis* axis = chart->BottomAxis();
    const std::pair<const char*, double> cases[] = {
        {"2 06:00:00", 2.25},
        {"3", 3},
        {"00:30:00", 1.0 / 48},
    };
    for (const auto& c : cases) {
        const char* typed = c.first;
        const double days = c.second;
        TDialogsAnswered dialogs;
        String shown;
        dialogs.OnModal = [&](TCustomForm* f) {
            auto* d = static_cast<TAxisIncrement*>(f);
            f->Show();
            shown = d->ECustom->Text();
            EXPECT_EQ(d->RadioGroup1->ItemIndex(), 1) << "custom without exact steps";
            EXPECT_TRUE(d->CBExact->Visible());
            d->ECustom->SetText(QString::fromLatin1(typed));
            d->BOk->Click();
            return int(f->ModalResult());
        };
        axis->SetDesiredIncrement(1.5);
        ASSERT_TRUE(TAxisIncrement::ChangeIncrement(form, axis)) << typed;
        EXPECT_NEAR(axis->DesiredIncrement(), days, 1e-9) << typed;
        EXPECT_EQ(shown, QStringLiteral("1 ") + TimeToStr(0.5)) << "1.5 days as the dialog shows them";
        EXPECT_TRUE(dialogs.Messages.empty());
    }
}

TEST_F(AxisDialogs, StandardStepsAndExactFlag) {
    MakeDateTime();
    TChartAxis* axis = chart->BottomAxis();
    axis->SetDesiredIncrement(DateTimeStep[dtSixHours]);
    axis->SetExactDateTime(true);
    TDialogsAnswered dialogs;
    dialogs.OnModal = [&](TCustomForm* f) {
        auto* d = static_cast<TAxisIncrement*>(f);
        f->Show();
        EXPECT_EQ(d->RadioGroup1->ItemIndex(), 0);
        EXPECT_EQ(d->CBSteps->ItemIndex(), int(dtSixHours));
        EXPECT_FALSE(d->ECustom->Enabled());
        EditorScreenshot(d, "axis-increment-dialog");
        d->CBSteps->SetItemIndex(int(dtOneWeek));
        d->CBStepsChange(d->CBSteps);
        d->BOk->Click();
        return int(f->ModalResult());
    };
    ASSERT_TRUE(TAxisIncrement::ChangeIncrement(form, axis));
    EXPECT_DOUBLE_EQ(axis->DesiredIncrement(), 7);
    EXPECT_TRUE(axis->ExactDateTime());

    // Unchecking "Exact" goes to a custom increment and clears the flag.
    dialogs.OnModal = [&](TCustomForm* f) {
        auto* d = static_cast<TAxisIncrement*>(f);
        f->Show();
        d->CBExact->SetChecked(false);
        EXPECT_EQ(d->RadioGroup1->ItemIndex(), 1);
        EXPECT_TRUE(d->ECustom->Enabled());
        EXPECT_EQ(d->ECustom->Text(), QStringLiteral("7"));
        d->BOk->Click();
        return int(f->ModalResult());
    };
    ASSERT_TRUE(TAxisIncrement::ChangeIncrement(form, axis));
    EXPECT_FALSE(axis->ExactDateTime());
}

TEST_F(AxisDialogs, NumberIncrementRefusedTextKeepsTheDialogOpen) {
    TChartAxis* axis = chart->LeftAxis();
    axis->SetDesiredIncrement(0.5);
    TDialogsAnswered dialogs;
    dialogs.OnModal = [&](TCustomForm* f) {
        auto* d = static_cast<TAxisIncrement*>(f);
        f->Show();
        EXPECT_FALSE(d->RadioGroup1->Visible());
        EXPECT_FALSE(d->CBSteps->Visible());
        EXPECT_FALSE(d->CBExact->Visible());
        EXPECT_EQ(d->ECustom->Top(), 40);
        EXPECT_EQ(d->ECustom->Text(), FloatToStr(0.5));
        EditorScreenshot(d, "axis-increment-dialog-number");
        d->ECustom->SetText(QStringLiteral("abc"));
        d->BOk->Click();
        EXPECT_EQ(f->ModalResult(), mrNone) << "the dialog stays open";
        d->ECustom->SetText(QStringLiteral("3"));
        d->BOk->Click();
        return int(f->ModalResult());
    };
    ASSERT_TRUE(TAxisIncrement::ChangeIncrement(form, axis));
    EXPECT_DOUBLE_EQ(axis->DesiredIncrement(), 3);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_TRUE(dialogs.Messages[0].startsWith(QStringLiteral("Incorrect value. Reason: ")))
        << dialogs.Messages[0].toStdString();
    EXPECT_GT(dialogs.Messages[0].size(), 26) << "the conversion's own reason follows";

    // Cancel stores nothing.
    dialogs.OnModal = [](TCustomForm*) { return int(mrCancel); };
    EXPECT_FALSE(TAxisIncrement::ChangeIncrement(form, axis));
    EXPECT_DOUBLE_EQ(axis->DesiredIncrement(), 3);
}

TEST_F(AxisDialogs, RangeDialogShowsAndReadsNumbersAndDates) {
    TDialogsAnswered dialogs;
    std::unique_ptr<TAxisMaxMin> d(new TAxisMaxMin(form));
    d->AfterConstruction();
    d->MaxMin = 2.5;
    d->Show();
    EXPECT_EQ(d->EMaximum->Text(), FloatToStr(2.5));
    EXPECT_EQ(d->Label1->Caption(), QStringLiteral("Value:"));
    EXPECT_FALSE(d->EMinimum->Visible());
    EXPECT_TRUE(d->EMaximum->Hint().isEmpty());
    EditorScreenshot(d.get(), "axis-range-dialog");
    d->EMaximum->SetText(QStringLiteral("x"));
    d->BOk->Click();
    EXPECT_EQ(d->ModalResult(), mrNone);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    d->EMaximum->SetText(QStringLiteral("12.25"));
    d->BOk->Click();
    EXPECT_EQ(d->ModalResult(), mrOk);
    EXPECT_DOUBLE_EQ(d->MaxMin, 12.25);
    d->Hide();

    std::unique_ptr<TAxisMaxMin> t(new TAxisMaxMin(form));
    t->AfterConstruction();
    t->IsDateTime = true;
    t->MaxMin = EncodeDate(2024, 3, 5) + 0.75;
    t->Show();
    EXPECT_EQ(t->EMaximum->Text(), DateToStr(EncodeDate(2024, 3, 5)));
    EXPECT_EQ(t->EMinimum->Text(), TimeToStr(0.75));
    t->EMaximum->SetText(String());
    t->EMinimum->SetText(TimeToStr(0.25));
    t->BOk->Click();
    EXPECT_NEAR(t->MaxMin, 0.25, 1e-6) << "no date: the time alone";
}
