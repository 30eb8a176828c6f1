// The series page driven through its controls: the tabs shown for a series, the general,
// marks and data-source settings, the axis lists following the axis page, and the series
// going while the page shows it.
#include "EditorPagesTestSupport.h"

#include "chart/editor/CustomSeriesEditor.h"
#include "chart/editor/CustomShapeEditor.h"
#include "chart/editor/FormTeeAxis.h"
#include "chart/editor/FormTeeSeries.h"
#include "chart/editor/MarginsEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/LocalFormat.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/grid/ChartGrid.h"
#include "chart/series/BasicFunctions.h"
#include "chart/series/LineSeries.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/UpDown.h"

#include <QLocale>

namespace {
// A series naming an editor form that no start-up registered.
class TNoEditorSeries : public TLineSeries {
public:
    using TLineSeries::TLineSeries;
    String GetEditorClass() override { return QStringLiteral("TNoSuchSeriesEditor"); }
};

// Stands in for the function editor when none is registered: a plain form made without a
// form resource, found by the function editor's class name.
class TFuncEditorStandIn : public TForm {
    ORVO_CLASS(TFuncEditorStandIn, TForm)
public:
    explicit TFuncEditorStandIn(TComponent* AOwner) : TForm(AOwner, 0) {}
};
} // namespace

ORVO_IMPLEMENT_CLASS(TFuncEditorStandIn, TForm)
ORVO_PUBLISHED(TFuncEditorStandIn) {}

class SeriesPage : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        line = AddSeries(new TLineSeries(form), "Series1");
        other = AddSeries(new TLineSeries(form), "Series2");
        host = new TPanel(form);
        host->SetParent(form);
        host->SetBounds(300, 0, 440, 400);
        page = static_cast<TFormTeeSeries*>(TFormTeeSeries::StaticClass()->CreateComponent(form));
        AddFormTo(page, host);
        page->FormShow(page);
    }
    template <class T> T* AddSeries(T* S, const char* Name) {
        S->SetName(QString::fromLatin1(Name));
        S->SetParentChart(chart);
        for (int i = 0; i < 5; ++i)
            S->AddXY(i, 2 * i + 1);
        return S;
    }
    void Choose(TChartSeries* S) {
        if (page->CBSeries->Items()->IndexOfObject(S) < 0) page->CBSeries->Items()->AddObject(S->Name(), S);
        page->TheSeries = S;
        page->SetCBSeries();
    }
    void Open(TTabSheet* Tab) {
        page->PageSeries->SetActivePage(Tab);
        page->PageSeriesChange(page->PageSeries);
    }
    String Current() const { return page->PageSeries->ActivePage()->Caption(); }

    TLineSeries* line = nullptr;
    TLineSeries* other = nullptr;
    TPanel* host = nullptr;
    TFormTeeSeries* page = nullptr;
};

TEST_F(SeriesPage, FormatTabFollowsWhetherTheSeriesEditorIsRegistered) {
    auto* plain = AddSeries(new TNoEditorSeries(form), "Series3");
    Choose(line);
    EXPECT_TRUE(page->TheTabSheet->TabVisible());
    EXPECT_EQ(Current(), QStringLiteral("Format"));
    EXPECT_NE(dynamic_cast<TCustomSeriesEditor*>(page->SeriesForm()), nullptr);
    EXPECT_TRUE(page->PageSeries->Visible());
    EXPECT_TRUE(page->LabelSeriesClass->Caption().endsWith(QStringLiteral(": Series1")));

    Choose(plain);
    EXPECT_FALSE(page->TheTabSheet->TabVisible());
    EXPECT_EQ(page->SeriesForm(), nullptr);
    EXPECT_TRUE(page->InsertedTabs().empty()) << "the line editor's Point tab went with it";
    EXPECT_EQ(Current(), QStringLiteral("General"));

    Choose(other);
    EXPECT_TRUE(page->TheTabSheet->TabVisible());
    EXPECT_NE(page->SeriesForm(), nullptr);
    // "General" was the tab shown: it stays.
    EXPECT_EQ(Current(), QStringLiteral("General"));
}

TEST_F(SeriesPage, SeriesListIsFilledFromTheChartOfTheSeriesSet) {
    page->TheSeries = other;
    page->SetCBSeries();
    ASSERT_EQ(page->CBSeries->Items()->Count(), 2);
    EXPECT_EQ(page->CBSeries->Items()->Objects(0), line);
    EXPECT_EQ(page->CBSeries->ItemIndex(), 1);
    EXPECT_EQ(TeeFormTagObject(page->SeriesForm()), other);
    // Choosing in the list edits the chosen series.
    page->CBSeries->SetItemIndex(0);
    page->CBSeriesChange(page->CBSeries);
    EXPECT_EQ(page->TheSeries, line);
    EXPECT_EQ(TeeFormTagObject(page->SeriesForm()), line);
}

TEST_F(SeriesPage, PersistentShowsOnlyForAGraphOfNonTemplatesAndSetsTheFlag) {
    auto* templ = AddSeries(new TLineSeries(form), "Series3");
    TChartSeriesStyle style = templ->Style();
    style << tssIsTemplate;
    templ->SetStyle(style);
    Choose(line);
    EXPECT_FALSE(page->CBPersistent->Visible());
    page->IsDssGraph = true;
    Choose(other);
    EXPECT_TRUE(page->CBPersistent->Visible());
    EXPECT_FALSE(page->CBPersistent->Checked());
    page->CBPersistent->SetChecked(true);
    EXPECT_TRUE(other->Style().Contains(tssIsPersistent));
    page->CBPersistent->SetChecked(false);
    EXPECT_FALSE(other->Style().Contains(tssIsPersistent));
    Choose(templ);
    EXPECT_FALSE(page->CBPersistent->Visible());
}

TEST_F(SeriesPage, TemplateSeriesLeavesTheDataSourceTabForFormat) {
    auto* templ = AddSeries(new TLineSeries(form), "Series3");
    TChartSeriesStyle style = templ->Style();
    style << tssIsTemplate;
    templ->SetStyle(style);
    Choose(line);
    Open(page->TabDataSource);
    EXPECT_EQ(Current(), QStringLiteral("Data Source"));
    Choose(templ);
    EXPECT_FALSE(page->TabDataSource->TabVisible());
    EXPECT_EQ(Current(), QStringLiteral("Format"));
}

TEST_F(SeriesPage, DepthMinusOneShowsAutoAndTheEditsSetTheDepth) {
    line->SetDepth(-1);
    Choose(line);
    Open(page->TabGeneral);
    EXPECT_TRUE(page->CBDepth->Checked());
    EXPECT_EQ(page->EDepth->Text(), QStringLiteral("0"));
    EditorScreenshot(page, "series-page-general");

    page->UDDepth->SetPosition(12);
    EXPECT_EQ(line->Depth(), 12);
    EXPECT_FALSE(page->CBDepth->Checked());
    page->CBDepth->SetChecked(true);
    EXPECT_EQ(line->Depth(), -1);
    page->CBDepth->SetChecked(false);
    EXPECT_EQ(line->Depth(), 12);
}

TEST_F(SeriesPage, ValueFormatsInTheLocaleSeparatorsAndListedOnce) {
    const QLocale old;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    line->SetValueFormat(QStringLiteral("#,##0.000"));
    Choose(line);
    Open(page->TabGeneral);
    const String local = BuiltInToLocalFormat(QStringLiteral("#,##0.000"));
    EXPECT_EQ(page->CBFormat->Text(), local);
    const int count = page->CBFormat->Items()->Count();
    // Each visit fills the list anew instead of appending the defaults again.
    Open(page->TabMarks);
    Open(page->TabGeneral);
    EXPECT_EQ(page->CBFormat->Items()->Count(), count);
    // Typed in the locale's separators, stored in the built-in ones.
    page->CBFormat->SetText(BuiltInToLocalFormat(QStringLiteral("0.0")));
    page->CBFormatChange(page->CBFormat);
    EXPECT_EQ(line->ValueFormat(), QStringLiteral("0.0"));
    page->EPercentFormat->SetText(BuiltInToLocalFormat(QStringLiteral("0.00 %")));
    EXPECT_EQ(line->PercentFormat(), QStringLiteral("0.00 %"));
    QLocale::setDefault(old);
}

TEST_F(SeriesPage, GeneralControlsChangeTheSeries) {
    Choose(line);
    Open(page->TabGeneral);
    page->CBShowInLegend->SetChecked(false);
    EXPECT_FALSE(line->ShowInLegend());
    page->CBXDateTime->SetChecked(true);
    EXPECT_TRUE(line->XValues()->DateTime());
    page->CBHorizAxis->SetItemIndex(0);
    page->CBHorizAxisChange(page->CBHorizAxis);
    EXPECT_EQ(line->HorizAxis(), aTopAxis);
    page->CBVertAxis->SetItemIndex(2);
    page->CBVertAxisChange(page->CBVertAxis);
    EXPECT_EQ(line->VertAxis(), aBothVertAxis);
    page->CBSort->SetItemIndex(1);
    page->CBSortChange(page->CBSort);
    EXPECT_EQ(line->MandatoryValueList()->Order(), loDescending);
    EXPECT_EQ(line->NotMandatoryValueList()->Order(), loNone);
    EXPECT_GT(line->YValues()->Value(0), line->YValues()->Value(1)) << "re-sorted";
    page->CBSort->SetItemIndex(2);
    page->CBSortChange(page->CBSort);
    EXPECT_EQ(line->MandatoryValueList()->Order(), loNone);
}

TEST_F(SeriesPage, AxisListsFollowCustomAxesAddedAndDeletedOnTheAxisPage) {
    auto* axisPage = new TFormTeeAxis(form, chart->LeftAxis());
    axisPage->AfterConstruction();
    axisPage->NotifyCustom = TEvent<TChartAxis*>(page, &TFormTeeSeries::AxisNotifyCustom);
    axisPage->SetParent(form);
    axisPage->Show();
    Choose(line);
    Open(page->TabGeneral);
    EXPECT_EQ(page->CBVertAxis->Items()->Count(), 3);

    axisPage->BAdd->Click();
    ASSERT_EQ(page->CBVertAxis->Items()->Count(), 4);
    auto* axis = static_cast<TChartAxis*>(page->CBVertAxis->Items()->Objects(3));
    EXPECT_EQ(page->CBVertAxis->Items()->Strings(3), TeeMsg_CustomAxesEditor + QStringLiteral(" 0"));
    page->CBVertAxis->SetItemIndex(3);
    page->CBVertAxisChange(page->CBVertAxis);
    EXPECT_EQ(line->VertAxis(), aCustomVertAxis);
    EXPECT_EQ(line->CustomVertAxis(), axis);

    // Deleting the axis takes it out of the list: nothing left to choose a freed axis from.
    axisPage->BDelete->Click();
    EXPECT_EQ(page->CBVertAxis->Items()->Count(), 3);
    EXPECT_EQ(page->CBHorizAxis->Items()->Count(), 3);
}

TEST_F(SeriesPage, RemovedSeriesIsForgottenAndSetUpAgainWhenItComesBack) {
    Choose(line);
    ASSERT_NE(page->SeriesForm(), nullptr);
    chart->RemoveSeries(line);
    page->CBSeries->Items()->Delete(page->CBSeries->Items()->IndexOfObject(line));
    EXPECT_EQ(page->TheSeries, nullptr);
    EXPECT_EQ(page->SeriesForm(), nullptr);
    EXPECT_FALSE(page->PageSeries->Visible());

    // The same object back (as a new series made at the same address): set up anew.
    line->SetParentChart(chart);
    Choose(line);
    EXPECT_TRUE(page->PageSeries->Visible());
    EXPECT_NE(page->SeriesForm(), nullptr);
    EXPECT_EQ(TeeFormTagObject(page->SeriesForm()), line);
}

TEST_F(SeriesPage, MarksEditorsAreMadeOnceAndControlsChangeTheMarks) {
    Choose(line);
    Open(page->TabMarks);
    TFormTeeShape* shape = page->MarksShapeEditor();
    ASSERT_NE(shape, nullptr);
    ASSERT_NE(page->MarksSymbolEditor(), nullptr);
    ASSERT_NE(page->MarksMarginsEditor(), nullptr);
    const int marksTabs = page->PageControlMarks->PageCount();
    EditorScreenshot(page, "series-page-marks");
    Open(page->TabGeneral);
    Open(page->TabMarks);
    EXPECT_EQ(page->MarksShapeEditor(), shape);
    EXPECT_EQ(page->PageControlMarks->PageCount(), marksTabs);

    struct StyleCase {
        TSeriesMarksStyle style;
        bool multiLine;
    };
    for (const StyleCase c :
         {StyleCase{smsValue, false}, StyleCase{smsLabelPercent, true}, StyleCase{smsLabelValue, true},
          StyleCase{smsPercentTotal, true}, StyleCase{smsLabelPercentTotal, true}, StyleCase{smsXY, true},
          StyleCase{smsLegend, false}}) {
        page->RGMarkStyle->SetItemIndex(int(c.style));
        page->RGMarkStyleClick(page->RGMarkStyle);
        EXPECT_EQ(line->Marks()->Style(), c.style);
        EXPECT_EQ(page->CBMultiLine->Enabled(), c.multiLine) << int(c.style);
    }
    page->FormShow(page);
    page->UDMarksAngle->SetPosition(45);
    EXPECT_EQ(line->Marks()->Angle(), 45);
    page->UDArrowsLength->SetPosition(20);
    EXPECT_EQ(line->Marks()->Callout()->Length(), 20);
    page->CBMarksVisible->SetChecked(true);
    EXPECT_TRUE(line->Marks()->Visible());
    EXPECT_FALSE(page->CBAllVisible->Checked()) << "Series2 shows no marks";
    page->CBAllVisible->SetChecked(true);
    EXPECT_TRUE(other->Marks()->Visible());
    page->CBAllVisible->SetChecked(false);
    EXPECT_FALSE(other->Marks()->Visible());
    EXPECT_FALSE(line->Marks()->Visible());
    EXPECT_FALSE(page->CBMarksVisible->Checked());
}

TEST_F(SeriesPage, SymbolEditorHasAVisibleBoxInsteadOfColour) {
    Choose(line);
    Open(page->TabMarks);
    TFormTeeShape* symbol = page->MarksSymbolEditor();
    ASSERT_NE(symbol, nullptr);
    EXPECT_FALSE(symbol->BBackColor->Visible());
    EXPECT_FALSE(symbol->TabText->TabVisible());
    TCheckBox* visible = nullptr;
    for (int i = 0; i < symbol->TabFormat->ControlCount(); ++i)
        if (auto* box = dynamic_cast<TCheckBox*>(symbol->TabFormat->Controls(i));
            box && box->Caption() == QStringLiteral("&Visible"))
            visible = box;
    ASSERT_NE(visible, nullptr);
    EXPECT_EQ(visible->Left(), symbol->BBackColor->Left());
    const bool was = line->Marks()->Symbol()->Visible();
    visible->SetChecked(!was);
    EXPECT_NE(line->Marks()->Symbol()->Visible(), was);
}

TEST_F(SeriesPage, DataSourceStylesShowTheirPanels) {
    Choose(line);
    Open(page->TabDataSource);
    // A series with points and not marked manual: "Random".
    EXPECT_EQ(page->CBDataSourcestyle->ItemIndex(), TFormTeeSeries::StyleRandom);
    EXPECT_TRUE(page->PanelRandomSource->Visible());
    page->ESamples->SetText(QStringLiteral("7"));
    EXPECT_TRUE(page->BApplyRandom->Enabled());
    EXPECT_TRUE(page->CBSamplesDefault->Enabled());
    page->BApplyRandom->Click();
    EXPECT_EQ(line->Count(), 7);
    page->ESamples->SetText(QStringLiteral("x"));
    EXPECT_EQ(line->NumSampleValuesOverride(), 0);
    EXPECT_TRUE(page->CBSamplesDefault->Checked());

    page->CBDataSourcestyle->SetItemIndex(TFormTeeSeries::StyleManual);
    page->CBDataSourcestyleChange(page->CBDataSourcestyle);
    EXPECT_TRUE(line->ManualData());
    EXPECT_TRUE(page->ChartGrid1->Visible());
    EXPECT_FALSE(page->PanelRandomSource->Visible());
    EditorScreenshot(page, "series-page-data-manual");

    page->CBDataSourcestyle->SetItemIndex(TFormTeeSeries::StyleSeries);
    page->CBDataSourcestyleChange(page->CBDataSourcestyle);
    EXPECT_TRUE(page->PanelSeriesSource->Visible());
    EXPECT_EQ(page->CBSeriesSource->Items()->IndexOfObject(line), -1) << "not its own source";
    page->CBSeriesSource->SetItemIndex(page->CBSeriesSource->Items()->IndexOfObject(other));
    page->CBSeriesSourceChange(page->CBSeriesSource);
    EXPECT_TRUE(page->BApplySource->Enabled());
    page->BApplySource->Click();
    EXPECT_EQ(line->DataSource(), other);
    EXPECT_TRUE(page->BClearSource->Enabled());
    EXPECT_FALSE(page->BApplySource->Enabled());
    page->BClearSource->Click();
    EXPECT_EQ(line->DataSource(), nullptr);
}

TEST_F(SeriesPage, SeriesWithAFunctionShowsTheFunctionEditor) {
    // The function editor is another unit's: a stand-in is registered under its name when
    // it is not there.
    const bool standIn = GetClass(QStringLiteral("TTeeFuncEditor")) == nullptr;
    if (standIn) RegisterClassAlias(TFuncEditorStandIn::StaticClass(), QStringLiteral("TTeeFuncEditor"));
    TClass funcEditor = GetClass(QStringLiteral("TTeeFuncEditor"));
    auto* fn = AddSeries(new TLineSeries(form), "Series3");
    fn->Clear();
    fn->SetFunctionType(new TAddTeeFunction(form));
    fn->SetDataSource(line);
    Choose(fn);
    Open(page->TabDataSource);
    EXPECT_EQ(page->CBDataSourcestyle->ItemIndex(), TFormTeeSeries::StyleFunction);
    ASSERT_NE(page->DataSourceStyle, nullptr);
    EXPECT_EQ(page->DataSourceStyle->ClassType(), funcEditor);
    EXPECT_EQ(page->DataSourceStyle->Parent(), page->Panel2);
    EXPECT_EQ(TeeFormTagObject(page->DataSourceStyle), fn);
    EditorScreenshot(page, "series-page-data-function");
    // An editor that refuses to close keeps the tab and the page.
    page->DataSourceStyle->OnCloseQuery = [](TObject*, bool& CanClose) { CanClose = false; };
    bool allow = true;
    page->PageSeriesChanging(page->PageSeries, allow);
    EXPECT_FALSE(allow);
    bool canClose = true;
    page->FormCloseQuery(page, canClose);
    EXPECT_FALSE(canClose);
    page->DataSourceStyle->OnCloseQuery = nullptr;

    // "Manual" takes the function and the source away and shows the grid.
    page->CBDataSourcestyle->SetItemIndex(TFormTeeSeries::StyleManual);
    page->CBDataSourcestyleChange(page->CBDataSourcestyle);
    EXPECT_EQ(fn->FunctionType(), nullptr);
    EXPECT_EQ(fn->DataSource(), nullptr);
    EXPECT_TRUE(fn->ManualData());
    EXPECT_EQ(page->DataSourceStyle, nullptr);
    EXPECT_TRUE(page->ChartGrid1->Visible());

    page->CBDataSourcestyle->SetItemIndex(TFormTeeSeries::StyleFunction);
    page->CBDataSourcestyleChange(page->CBDataSourcestyle);
    ASSERT_NE(page->DataSourceStyle, nullptr);
    page->DestroySeriesForms();
    EXPECT_EQ(page->DataSourceStyle, nullptr);
    if (standIn) UnRegisterClass(TFuncEditorStandIn::StaticClass());
}

TEST_F(SeriesPage, EditSeriesDialogShowsOnlyThatSeries) {
    TDialogsAnswered answers;
    bool seen = false;
    answers.OnModal = [&](TCustomForm* f) {
        auto* p = dynamic_cast<TFormTeeSeries*>(f);
        if (!p) return int(mrCancel);
        seen = true;
        EXPECT_FALSE(p->Panel1->Visible());
        EXPECT_FALSE(p->TabDataSource->TabVisible());
        EXPECT_EQ(p->CBSeries->Items()->Count(), 1);
        EXPECT_EQ(p->TheSeries, other);
        EXPECT_EQ(p->Caption(), QStringLiteral("Editing Series2"));
        return int(mrOk);
    };
    EditSeriesDialog(form, other);
    EXPECT_TRUE(seen);
}
