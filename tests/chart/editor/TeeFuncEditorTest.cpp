// The function editor driven through its controls: the function list, the source series
// (several through the selection form, one with its value list), "&Apply", the question on
// leaving with changes, the chart's series events, and the data-source base's candidate list.
#include "TeeFuncEditorTestSupport.h"

#include "chart/editor/TeeGalleryPanel.h"
#include "chart/editor/TeeGally.h"
#include "chart/editor/TeeSelectList.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/series/BasicFunctions.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/Timer.h"

using namespace functest;

namespace {

using FuncEditor = FuncEditorFixture;
} // namespace

TEST_F(FuncEditor, TheResourceBuildsTheControlsAndTheSortedFunctionList) {
    Open(target);
    EXPECT_EQ(editor->Align(), alClient);
    EXPECT_EQ(editor->LLabel->Caption(), "&Functions:");
    EXPECT_EQ(editor->BApply->Caption(), "&Apply");
    EXPECT_EQ(editor->BEditFunction->Caption(), "...");
    EXPECT_EQ(editor->TabSource->Caption(), "Source Series");
    EXPECT_EQ(editor->TabOptions->Caption(), "Options");
    EXPECT_EQ(editor->LSingle->Caption(), "&Series:");
    EXPECT_EQ(editor->LValues->Caption(), "&Values:");
    EXPECT_EQ(editor->BNone->Caption(), "&None");
    EXPECT_EQ(editor->TimerOptions->Interval(), 1u);
    EXPECT_EQ(editor->TimerSource->Interval(), 1u);

    const QStringList names = ItemsOf(editor->CBSources->Items());
    QStringList sorted = names;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(names, sorted);
    for (const char* name : {"Copy", "Add", "Average", "High", "y = f(x)"})
        EXPECT_TRUE(names.contains(QString::fromUtf8(name))) << name;
    // A description's line separators become blanks; each class is listed once.
    EXPECT_EQ(names.count(QStringLiteral("Test single")), 1);
    const int copy = names.indexOf(QStringLiteral("Copy"));
    EXPECT_EQ(editor->CBSources->Items()->Objects(copy), nullptr);
}

TEST_F(FuncEditor, ANewSeriesOpensWithCopyChosenAndApplyEnabled) {
    Open(target);
    EXPECT_TRUE(editor->BApply->Enabled());
    EXPECT_EQ(editor->CBSources->Text(), "Copy");
    EXPECT_EQ(editor->FunctionClass(), nullptr);
    EXPECT_FALSE(editor->TabOptions->TabVisible());
    EXPECT_TRUE(editor->TabSource->TabVisible());
    EXPECT_FALSE(editor->PanSingle->Visible());
    ASSERT_NE(editor->ISources, nullptr);
    EXPECT_TRUE(editor->ISources->Visible());
    EXPECT_EQ(editor->ISources->Parent(), editor->TabSource);
    // Every other series of the form is a candidate; the edited one is not.
    EXPECT_EQ(ItemsOf(editor->ISources->FromList->Items()), QStringList({"Source1", "Source2"}));
    EXPECT_EQ(editor->ISources->ToList->Items()->Count(), 0);
    EditorScreenshot(form, "func-editor-copy");
}

TEST_F(FuncEditor, CopyAppliesTheSelectedSourcesInOrder) {
    Open(target);
    TSelectListForm* sources = editor->ISources;
    sources->FromList->SetItemIndex(1);
    sources->FromList->SetSelected(1, true);
    editortest::Click(sources->BRightOne);
    EXPECT_TRUE(editor->BApply->Enabled());
    editortest::Click(sources->BRightAll);
    EXPECT_EQ(ItemsOf(sources->ToList->Items()), QStringList({"Source2", "Source1"}));

    editortest::Click(editor->BApply);
    EXPECT_FALSE(editor->BApply->Enabled());
    ASSERT_EQ(target->DataSources()->Count(), 2);
    EXPECT_EQ(target->DataSources()->Get(0), source2);
    EXPECT_EQ(target->DataSources()->Get(1), source1);
    EXPECT_EQ(target->FunctionType(), nullptr);
    EXPECT_FALSE(target->IsUpdating());

    // Opening again lists the sources as chosen; emptying the choice clears them.
    Open(target);
    EXPECT_FALSE(editor->BApply->Enabled()) << "a series with sources opens unchanged";
    EXPECT_EQ(ItemsOf(editor->ISources->ToList->Items()), QStringList({"Source2", "Source1"}));
    EXPECT_EQ(editor->ISources->FromList->Items()->Count(), 0);
    editortest::Click(editor->ISources->BLeftAll);
    editortest::Click(editor->BApply);
    EXPECT_EQ(target->DataSources()->Count(), 0);
}

TEST_F(FuncEditor, TheSelectionFormIsMadeOnceAndKeepsItsSizeOverShows) {
    Open(target);
    TSelectListForm* first = editor->ISources;
    const int fromHeight = first->FromList->Height();
    const int toHeight = first->ToList->Height();
    for (int i = 0; i < 3; ++i)
        Open(target);
    EXPECT_EQ(editor->ISources, first);
    EXPECT_EQ(first->FromList->Height(), fromHeight);
    EXPECT_EQ(first->ToList->Height(), toHeight);
    int selectionForms = 0;
    for (int i = 0; i < editor->ComponentCount(); ++i)
        if (dynamic_cast<TSelectListForm*>(editor->Components(i))) ++selectionForms;
    EXPECT_EQ(selectionForms, 1);
}

TEST_F(FuncEditor, ChoosingAFunctionShowsItsOptionsAndAppliesOnlyWithApply) {
    Open(target);
    Choose(editor->CBSources, TeeMsg_FunctionAverage);
    EXPECT_EQ(editor->FunctionClass(), TAverageTeeFunction::StaticClass());
    EXPECT_TRUE(editor->TabOptions->TabVisible());
    auto* options = dynamic_cast<TAverageFuncEditor*>(Options());
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->Parent(), editor->TabOptions);
    EXPECT_EQ(options->IFunction, nullptr) << "the series has no average yet";
    EXPECT_EQ(target->FunctionType(), nullptr) << "nothing changes before Apply";

    editor->ISources->FromList->SetItemIndex(0);
    editor->ISources->FromList->SetSelected(0, true);
    editortest::Click(editor->ISources->BRightOne);
    Choose(options->CBStyle, QStringLiteral("Every number of points"));
    editortest::TypeText(options->ENum, QStringLiteral("2"));
    options->CBNulls->SetChecked(false);
    editortest::Click(editor->BApply);

    auto* average = dynamic_cast<TAverageTeeFunction*>(target->FunctionType());
    ASSERT_NE(average, nullptr);
    EXPECT_EQ(average->Period(), 2);
    EXPECT_EQ(average->PeriodStyle(), psNumPoints);
    EXPECT_FALSE(average->IncludeNulls());
    EXPECT_EQ(target->DataSource(), source1);
    EXPECT_EQ(target->Count(), 5) << "ten points averaged in pairs";
    EXPECT_FALSE(editor->BApply->Enabled());
    EXPECT_EQ(options->IFunction, average);
    EditorScreenshot(form, "func-editor-average-source");
    // The page the last choice re-selects comes first; then the user opens "Options".
    editor->TimerSourceTimer(editor->TimerSource);
    editor->PageControl1->SetActivePage(editor->TabOptions);
    EditorScreenshot(form, "func-editor-average-options");
}

TEST_F(FuncEditor, CopyHidesTheOptionsAndShowsTheTwoLists) {
    TTeeFunction* high = CreateNewTeeFunction(target, THighTeeFunction::StaticClass());
    target->SetDataSource(source1);
    Open(target);
    EXPECT_EQ(editor->CBSources->Text(), TeeMsg_FunctionHigh);
    EXPECT_TRUE(editor->TabOptions->TabVisible());
    EXPECT_FALSE(editor->BApply->Enabled());
    // Applying without visiting the options keeps the series' own function.
    editor->BApplyClick(editor->BApply);
    EXPECT_EQ(target->FunctionType(), high);
    EXPECT_EQ(Options()->IFunction, high);

    Choose(editor->CBSources, TeeMsg_FunctionNone);
    EXPECT_FALSE(editor->TabOptions->TabVisible());
    EXPECT_TRUE(editor->TabSource->TabVisible());
    EXPECT_TRUE(editor->ISources->Visible());
    EXPECT_FALSE(editor->PanSingle->Visible());
    EXPECT_TRUE(editor->BApply->Enabled());
    EXPECT_EQ(target->FunctionType(), high);
    editortest::Click(editor->BApply);
    EXPECT_EQ(target->FunctionType(), nullptr);
    EXPECT_EQ(target->DataSource(), source1);
    EXPECT_EQ(target->Count(), source1->Count()) << "copied";
}

// Leaving with a changed choice asks "Apply Changes ?": No keeps the series' function as it
// was (the choice never reached it), Yes applies it, Cancel keeps the editor and its choice.
TEST_F(FuncEditor, LeavingAsksToApplyAndEachAnswerDoesWhatItSays) {
    struct Case {
        int answer;
        bool closes;
        bool becomesLow;
    };
    for (const Case& c : {Case{mrNo, true, false}, Case{mrYes, true, true}, Case{mrCancel, false, false}}) {
        SCOPED_TRACE(c.answer);
        target->SetFunction(nullptr);
        TTeeFunction* high = CreateNewTeeFunction(target, THighTeeFunction::StaticClass());
        high->SetPeriod(3);
        target->SetDataSource(source1);
        Open(target);
        Choose(editor->CBSources, TeeMsg_FunctionLow);
        EXPECT_EQ(target->FunctionType(), high) << "choosing frees nothing";
        EXPECT_EQ(Options()->IFunction, nullptr);
        dialogs.Messages.clear();
        dialogs.Answer = c.answer;
        EXPECT_EQ(editor->CloseQuery(), c.closes);
        ASSERT_EQ(dialogs.Messages.size(), 1u);
        EXPECT_EQ(dialogs.Messages[0], "Apply Changes ?");
        if (c.becomesLow) {
            EXPECT_TRUE(dynamic_cast<TLowTeeFunction*>(target->FunctionType()));
            EXPECT_FALSE(editor->BApply->Enabled());
        } else {
            EXPECT_EQ(target->FunctionType(), high);
            EXPECT_EQ(high->Period(), 3);
        }
        if (!c.closes) {
            EXPECT_TRUE(editor->BApply->Enabled());
            EXPECT_EQ(editor->CBSources->Text(), TeeMsg_FunctionLow);
        }
        if (c.answer == mrNo) {
            EXPECT_FALSE(editor->BApply->Enabled());
        }
        // Nothing to apply: no question.
        dialogs.Messages.clear();
        if (!editor->BApply->Enabled()) {
            EXPECT_TRUE(editor->CloseQuery());
            EXPECT_TRUE(dialogs.Messages.empty());
        }
    }
}

TEST_F(FuncEditor, ASingleSourceFunctionReadsTheChosenSeriesAndValueList) {
    Open(target);
    Choose(editor->CBSources, QStringLiteral("Test single"));
    EXPECT_TRUE(editor->PanSingle->Visible());
    EXPECT_FALSE(editor->ISources->Visible());
    EXPECT_TRUE(editor->CBValues->Visible());
    EXPECT_EQ(ItemsOf(editor->CBSingle->Items()), QStringList({"Source1", "Source2"}));
    EXPECT_FALSE(editor->CBValues->Enabled());
    EXPECT_FALSE(editor->BNone->Enabled());

    Choose(editor->CBSingle, QStringLiteral("Source2"));
    EXPECT_TRUE(editor->CBValues->Enabled());
    EXPECT_TRUE(editor->BNone->Enabled());
    EXPECT_EQ(ItemsOf(editor->CBValues->Items()), QStringList({"Y"})) << "the lists after X";
    EXPECT_EQ(editor->CBValues->Text(), "Y");
    EditorScreenshot(form, "func-editor-single-source");
    editortest::Click(editor->BApply);
    EXPECT_EQ(target->DataSource(), source2);
    EXPECT_EQ(target->MandatoryValueList()->ValueSource(), "Y");
    EXPECT_TRUE(dynamic_cast<TTestSingleFunction*>(target->FunctionType()));

    // Shown again, the stored source and value list are selected without enabling Apply.
    Open(target);
    EXPECT_EQ(editor->CBSingle->Text(), "Source2");
    EXPECT_EQ(editor->CBValues->Text(), "Y");
    EXPECT_FALSE(editor->BApply->Enabled());

    // "&None" and Apply leave the series without a source.
    editortest::Click(editor->BNone);
    EXPECT_EQ(editor->CBSingle->ItemIndex(), -1);
    EXPECT_FALSE(editor->CBValues->Enabled());
    EXPECT_TRUE(editor->BApply->Enabled());
    editortest::Click(editor->BApply);
    EXPECT_EQ(target->DataSource(), nullptr);
    EXPECT_EQ(target->DataSources()->Count(), 0);
    EXPECT_TRUE(target->MandatoryValueList()->ValueSource().isEmpty());
}

TEST_F(FuncEditor, AFunctionWithoutSourcesShowsOnlyItsOptions) {
    Open(target);
    Choose(editor->CBSources, TeeMsg_FunctionCustom);
    EXPECT_FALSE(editor->TabSource->TabVisible());
    EXPECT_TRUE(editor->TabOptions->TabVisible());
    EXPECT_EQ(editor->PageControl1->ActivePage(), editor->TabOptions);
    EXPECT_TRUE(editor->TimerOptions->Enabled());
    editor->TimerOptionsTimer(editor->TimerOptions);
    EXPECT_FALSE(editor->TimerOptions->Enabled());
    EXPECT_EQ(editor->PageControl1->ActivePage(), editor->TabOptions);
    ASSERT_TRUE(dynamic_cast<TCustomFunctionEditor*>(Options()));
    EditorScreenshot(form, "func-editor-custom");
    editortest::Click(editor->BApply);
    auto* custom = dynamic_cast<TCustomTeeFunction*>(target->FunctionType());
    ASSERT_NE(custom, nullptr);
    EXPECT_EQ(custom->StartX(), 0);
    EXPECT_EQ(custom->Period(), 1);
    EXPECT_EQ(custom->NumPoints(), 100);
    custom->OnCalculate = TCalculateEvent([](TCustomTeeFunction*, double x, double& y) { y = 2 * x; });
    custom->ReCalculate();
    EXPECT_EQ(target->Count(), 100);
}

// A circular source fails with the engine's message; the series keeps its sources and no
// update is left open.
TEST_F(FuncEditor, ACircularSourceFailsAndKeepsThePreviousSources) {
    source1->SetDataSource(target);
    target->SetDataSource(source2);
    Open(target);
    editortest::Click(editor->ISources->BLeftAll);
    editor->ISources->FromList->SetItemIndex(editor->ISources->FromList->Items()->IndexOf("Source1"));
    editor->ISources->FromList->SetSelected(editor->ISources->FromList->ItemIndex(), true);
    editortest::Click(editor->ISources->BRightOne);
    ASSERT_EQ(ItemsOf(editor->ISources->ToList->Items()), QStringList({"Source1"}));
    EXPECT_ANY_THROW(editor->BApplyClick(editor->BApply));
    EXPECT_EQ(target->DataSource(), source2);
    EXPECT_EQ(target->DataSources()->Count(), 1);
    EXPECT_FALSE(target->IsUpdating());
    EXPECT_TRUE(editor->BApply->Enabled());
}

TEST_F(FuncEditor, SeriesEventsRefillTheSourcesOrDisableApply) {
    Open(target);
    ASSERT_TRUE(editor->BApply->Enabled());
    TLineSeries* extra = AddSeries(QStringLiteral("Source3"), 3);
    EXPECT_EQ(ItemsOf(editor->ISources->FromList->Items()), QStringList({"Source1", "Source2", "Source3"}));
    FreeObject(extra);
    EXPECT_EQ(ItemsOf(editor->ISources->FromList->Items()), QStringList({"Source1", "Source2"}));
    // The edited series goes: "&Apply" is disabled and the editor forgets the series.
    FreeObject(target);
    target = nullptr;
    EXPECT_FALSE(editor->BApply->Enabled());
    EXPECT_EQ(editor->TheSeries, nullptr);
    editor->BApplyClick(editor->BApply);
}

TEST_F(FuncEditor, TheFunctionGalleryChoosesFromTheList) {
    Open(target);
    dialogs.OnModal = [](TCustomForm*) { return int(mrCancel); };
    editortest::Click(editor->BEditFunction);
    EXPECT_EQ(editor->FunctionClass(), nullptr) << "a cancelled gallery changes nothing";

    // A function picked in the gallery is chosen in the list and handled as a choice.
    dialogs.OnModal = [](TCustomForm* f) {
        auto* gallery = dynamic_cast<TTeeGallery*>(f);
        EXPECT_NE(gallery, nullptr);
        if (!gallery) return int(mrCancel);
        f->Show();
        TChartGalleryPanel* panel = gallery->ChartGalleryPanel1;
        for (int i = 0; i < panel->Charts()->Count(); ++i) {
            TTeeFunction* function = panel->GetChart(i)->Series(0)->FunctionType();
            if (function && function->ClassType() == TLowTeeFunction::StaticClass()) {
                editortest::DoubleClick(panel->GetChart(i), 10, 10);
                return int(f->ModalResult());
            }
        }
        ADD_FAILURE() << "no Low function in the gallery";
        return int(mrCancel);
    };
    editortest::Click(editor->BEditFunction);
    EXPECT_EQ(editor->FunctionClass(), TLowTeeFunction::StaticClass());
    EXPECT_EQ(editor->CBSources->Text(), TeeMsg_FunctionLow);
    EXPECT_TRUE(editor->TabOptions->TabVisible());
    EXPECT_TRUE(dynamic_cast<TTeeFunctionEditor*>(Options()));
    EXPECT_EQ(target->FunctionType(), nullptr);
}

TEST_F(FuncEditor, CandidateSourcesAreNamedAndValidated) {
    struct TAllSources : TTeeFuncEditor {
        using TTeeFuncEditor::TTeeFuncEditor;
        bool IsValid(TComponent*) override { return true; }
    };
    Open(target);
    auto items = std::make_unique<TStringList>();
    // The base accepts nothing.
    editor->AddComponentDataSource(source1, items.get(), true);
    EXPECT_EQ(items->Count(), 0);

    editortest::Owned<TAllSources> owned(new TAllSources(form));
    TAllSources& probe = *owned;
    probe.TheSeries = target;
    target->SetDataSource(source2);
    probe.AddComponentDataSource(source1, items.get(), false);
    probe.AddComponentDataSource(source1, items.get(), false);
    probe.AddComponentDataSource(source2, items.get(), false);
    probe.AddComponentDataSource(target, items.get(), true);
    EXPECT_EQ(ItemsOf(items.get()), QStringList({"Source1"})) << "once, not a current source, not itself";
    probe.AddComponentDataSource(source2, items.get(), true);
    EXPECT_EQ(ItemsOf(items.get()), QStringList({"Source1", "Source2"}));

    // A series of another named owner is prefixed with the owner's name.
    TComponent other(nullptr);
    other.SetName(QStringLiteral("Other"));
    auto* foreign = new TLineSeries(&other);
    foreign->SetName(QStringLiteral("Foreign"));
    foreign->SetParentChart(chart);
    probe.AddComponentDataSource(foreign, items.get(), true);
    EXPECT_EQ(items->Strings(2), "Other.Foreign");
    // Without validation the chart is not asked.
    probe.SkipValidation = true;
    probe.TheSeries = nullptr;
    probe.AddComponentDataSource(target, items.get(), true);
    EXPECT_EQ(items->Count(), 4);
    FreeObject(foreign);
}

TEST_F(FuncEditor, ReplacingTheSourceOfAChartWithoutSeriesAddsOne) {
    Open(chart);
    EXPECT_EQ(editor->TheSeries, nullptr);
    EXPECT_EQ(editor->Chart, chart);
    const int before = chart->SeriesCount();
    editor->CheckReplaceSource(source1);
    ASSERT_NE(editor->TheSeries, nullptr);
    EXPECT_EQ(chart->SeriesCount(), before + 1);
    EXPECT_EQ(editor->TheSeries->DataSource(), source1);
    editor->CheckReplaceSource(source2);
    EXPECT_EQ(editor->TheSeries->DataSource(), source2);
    EXPECT_EQ(editor->TheSeries->DataSources()->Count(), 1);
}
