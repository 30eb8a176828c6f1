// The function options forms: their controls from the form resources, the controls filled
// from a function (period style, rounded period, alignment, nulls, custom start/step/points),
// the style change, storing the controls back, the period-range dialog, and a failing store
// that leaves neither the series nor the function inside an update.
#include "TeeFuncEditorTestSupport.h"

#include "chart/editor/AxisIncrement.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/series/BasicFunctions.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"

using namespace functest;

namespace {

// An options form embedded alone (no function editor owns it) with a function of target.
struct OptionsForm : FuncEditorFixture {
    template <class T> T* Embed(TTeeFunction* Function) {
        auto* options = static_cast<T*>(T::StaticClass()->CreateComponent(form));
        AddFormTo(options, host, Function);
        return options;
    }
    bool Store(TBaseFunctionEditor* Options) {
        bool canClose = false;
        Options->OnCloseQuery(Options, canClose);
        return canClose;
    }
};

} // namespace

TEST_F(OptionsForm, TheResourcesBuildTheControls) {
    std::unique_ptr<TBaseFunctionEditor, editortest::Free> base(
        static_cast<TBaseFunctionEditor*>(TBaseFunctionEditor::StaticClass()->CreateComponent(nullptr)));
    EXPECT_EQ(base->ClientWidth(), 312);
    EXPECT_EQ(base->ClientHeight(), 213);
    EXPECT_EQ(base->Position(), poScreenCenter);

    auto* period = Embed<TTeeFunctionEditor>(nullptr);
    EXPECT_EQ(period->LStyle->Caption(), "&Calculate using:");
    EXPECT_EQ(ItemsOf(period->CBStyle->Items()),
              QStringList({"All points", "Every number of points", "Every range"}));
    EXPECT_EQ(period->LNum->Caption(), "&Number of points:");
    EXPECT_FALSE(period->ENum->Enabled());
    EXPECT_EQ(period->BChange->Caption(), "&Change...");
    EXPECT_FALSE(period->BChange->Enabled());
    EXPECT_EQ(period->LAlign->Caption(), "&Alignment:");
    EXPECT_EQ(ItemsOf(period->CBAlign->Items()), QStringList({"First", "Center", "Last"}));

    auto* average = Embed<TAverageFuncEditor>(nullptr);
    EXPECT_EQ(average->CBNulls->Caption(), "&Include Null values");
    EXPECT_EQ(average->CBStyle->Items()->Count(), 3) << "inherits the period controls";

    auto* custom = Embed<TCustomFunctionEditor>(nullptr);
    EXPECT_EQ(custom->LStart->Caption(), "&Start X:");
    EXPECT_EQ(custom->LStep->Caption(), "S&tep:");
    EXPECT_EQ(custom->LNum->Caption(), "&Num. points:");
    EXPECT_EQ(custom->EStart->Text(), "0");
    EXPECT_EQ(custom->EStep->Text(), "1");
    EXPECT_EQ(custom->ENum->Text(), "100");
}

TEST_F(OptionsForm, ThePeriodControlsShowTheFunction) {
    struct Case {
        const char* name;
        TClass functionClass;
        TFunctionPeriodStyle style;
        double period;
        TFunctionPeriodAlign align;
        const char* shownStyle;
        const char* shownPeriod;
        bool boxEnabled;
        bool changeEnabled;
    };
    const Case cases[] = {
        {"rounded period", THighTeeFunction::StaticClass(), psNumPoints, 4.6, paFirst,
         "Every number of points", "5", true, false},
        {"no period", THighTeeFunction::StaticClass(), psNumPoints, 0, paCenter, "All points", "", false,
         false},
        {"period below one half", THighTeeFunction::StaticClass(), psNumPoints, 0.4, paLast, "All points", "",
         false, false},
        {"range", THighTeeFunction::StaticClass(), psRange, 7.5, paLast, "Every range", "7.5", true, true},
        {"range of a moving function", TTeeMovingFunction::StaticClass(), psRange, 3, paCenter,
         "Every number of points", "3", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* function = CreateNewTeeFunction(target, c.functionClass);
        function->SetPeriodStyle(c.style);
        function->SetPeriod(c.period);
        function->SetPeriodAlign(c.align);
        auto* options = Embed<TTeeFunctionEditor>(function);
        EXPECT_EQ(options->IFunction, function);
        EXPECT_EQ(options->CBStyle->Text(), QString::fromUtf8(c.shownStyle));
        EXPECT_EQ(options->ENum->Text(), QString::fromUtf8(c.shownPeriod));
        EXPECT_EQ(options->ENum->Enabled(), c.boxEnabled);
        EXPECT_EQ(options->BChange->Enabled(), c.changeEnabled);
        EXPECT_EQ(options->CBAlign->ItemIndex(), int(c.align));
        FreeObject(options);
    }
}

TEST_F(OptionsForm, TheStyleChangeAndStoringTheControls) {
    auto* function = CreateNewTeeFunction(target, THighTeeFunction::StaticClass());
    function->SetPeriod(2);
    auto* options = Embed<TTeeFunctionEditor>(function);
    EditorScreenshot(options, "function-options-period");

    Choose(options->CBStyle, QStringLiteral("All points"));
    EXPECT_FALSE(options->ENum->Enabled());
    EXPECT_TRUE(options->ENum->Text().isEmpty());
    EXPECT_TRUE(Store(options));
    EXPECT_EQ(function->Period(), 0) << "an empty box stores no period";

    Choose(options->CBStyle, QStringLiteral("Every range"));
    EXPECT_TRUE(options->ENum->Enabled());
    EXPECT_TRUE(options->BChange->Enabled());
    editortest::TypeText(options->ENum, QStringLiteral("1.5"));
    Choose(options->CBAlign, QStringLiteral("First"));
    EXPECT_TRUE(Store(options));
    EXPECT_EQ(function->PeriodStyle(), psRange);
    EXPECT_EQ(function->Period(), 1.5);
    EXPECT_EQ(function->PeriodAlign(), paFirst);

    // Text that is not a number stores no period.
    Choose(options->CBStyle, QStringLiteral("Every number of points"));
    editortest::TypeText(options->ENum, QStringLiteral("x"));
    EXPECT_TRUE(Store(options));
    EXPECT_EQ(function->PeriodStyle(), psNumPoints);
    EXPECT_EQ(function->Period(), 0);
}

TEST_F(OptionsForm, TheAverageReadsAndStoresNulls) {
    auto* function =
        static_cast<TAverageTeeFunction*>(CreateNewTeeFunction(target, TAverageTeeFunction::StaticClass()));
    function->SetIncludeNulls(false);
    auto* options = Embed<TAverageFuncEditor>(function);
    EXPECT_FALSE(options->CBNulls->Checked());
    editortest::Click(options->CBNulls);
    EXPECT_TRUE(options->CBNulls->Checked());
    EXPECT_TRUE(Store(options));
    EXPECT_TRUE(function->IncludeNulls());
}

TEST_F(OptionsForm, TheCustomFunctionShowsAndStoresItsNumbers) {
    auto* function =
        static_cast<TCustomTeeFunction*>(CreateNewTeeFunction(target, TCustomTeeFunction::StaticClass()));
    function->SetStartX(2.5);
    function->SetPeriod(0.5);
    function->SetNumPoints(7);
    auto* options = Embed<TCustomFunctionEditor>(function);
    EXPECT_EQ(options->EStart->Text(), "2.5");
    EXPECT_EQ(options->EStep->Text(), "0.5");
    EXPECT_EQ(options->ENum->Text(), "7");
    editortest::TypeText(options->EStart, QStringLiteral("-1"));
    editortest::TypeText(options->EStep, QStringLiteral("2"));
    editortest::TypeText(options->ENum, QStringLiteral("12"));
    EXPECT_TRUE(Store(options));
    EXPECT_EQ(function->StartX(), -1);
    EXPECT_EQ(function->Period(), 2);
    EXPECT_EQ(function->NumPoints(), 12);
}

TEST_F(OptionsForm, ThePeriodRangeDialogStartsFromTheBoxAndReturnsTheIncrement) {
    source1->XValues()->SetDateTime(true);
    target->SetDataSource(source1);
    auto* function = CreateNewTeeFunction(target, THighTeeFunction::StaticClass());
    function->SetPeriodStyle(psRange);
    function->SetPeriod(1);
    auto* options = Embed<TTeeFunctionEditor>(function);
    struct Seen {
        String caption;
        bool dateTime = false;
        bool exact = false;
        double increment = -1;
    } seen;
    for (const int answer : {int(mrCancel), int(mrOk)}) {
        dialogs.OnModal = [&](TCustomForm* f) {
            auto* dialog = dynamic_cast<TAxisIncrement*>(f);
            EXPECT_NE(dialog, nullptr);
            if (!dialog) return int(mrCancel);
            seen = {dialog->Caption(), dialog->IsDateTime, dialog->IsExact, dialog->Increment};
            dialog->Increment = 7;
            return answer;
        };
        editortest::Click(options->BChange);
        EXPECT_EQ(seen.caption, "Period range");
        EXPECT_TRUE(seen.dateTime);
        EXPECT_TRUE(seen.exact);
        EXPECT_EQ(seen.increment, 1);
        EXPECT_EQ(options->ENum->Text(), answer == mrOk ? "7" : "1");
    }
}

// A custom function's box that is not a number fails "&Apply" with the conversion error;
// the series and the function leave their updates, and nothing is half stored.
TEST_F(FuncEditorFixture, AFailingApplyEndsEveryUpdate) {
    Open(target);
    Choose(editor->CBSources, TeeMsg_FunctionCustom);
    auto* options = dynamic_cast<TCustomFunctionEditor*>(Options());
    ASSERT_NE(options, nullptr);
    editortest::TypeText(options->EStart, QStringLiteral("abc"));
    EXPECT_ANY_THROW(editor->BApplyClick(editor->BApply));
    EXPECT_EQ(target->FunctionType(), nullptr) << "no function made from bad options";
    EXPECT_FALSE(target->IsUpdating());
    EXPECT_TRUE(editor->BApply->Enabled());

    editortest::TypeText(options->EStart, QStringLiteral("1"));
    editortest::Click(editor->BApply);
    auto* custom = dynamic_cast<TCustomTeeFunction*>(target->FunctionType());
    ASSERT_NE(custom, nullptr);
    custom->OnCalculate = TCalculateEvent([](TCustomTeeFunction*, double x, double& y) { y = x; });

    // Now a bad step after a good start: neither is stored and the function recalculates
    // again afterwards.
    editortest::TypeText(options->EStart, QStringLiteral("5"));
    editortest::TypeText(options->EStep, QStringLiteral("step"));
    EXPECT_ANY_THROW(editor->BApplyClick(editor->BApply));
    EXPECT_EQ(custom->StartX(), 1);
    EXPECT_FALSE(target->IsUpdating());
    custom->SetNumPoints(5);
    EXPECT_EQ(target->Count(), 5) << "the function is not left inside its update";
}
