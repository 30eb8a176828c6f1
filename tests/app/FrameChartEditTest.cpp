// The curve editor's Edit handler: the chart editor opens on the first chart with the
// drag-point tool chosen, and whatever the user does there (delete or retype the series,
// delete the tool, type values into the Data grid), the curve editor keeps working on its own
// series afterwards, and the next send keeps to the allowed correction.
#include "FrameChartTestSupport.h"
#include "app/forms/FrameChart.h"
#include "chart/editor/ChartListBox.h"
#include "chart/editor/DragPointToolEdit.h"
#include "chart/editor/EditChartForm.h"
#include "chart/editor/FormTeeTools.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/grid/ChartGrid.h"
#include "chart/series/BarSeries.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/Timer.h"
#include "platform/controls/TreeView.h"
#include "platform/win/Clock.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using namespace charttest;

// The grid's cell editing as typing ends it.
struct TGridTyping : TChartGrid {
    using TChartGrid::SetEditText;
};

class FrameChartEditTest : public EditorTest {
public:
    void SetUp() override {
        EditorTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        SetRegistryFileName(dir.filePath(QStringLiteral("registry.ini")));
        oldDlg = SetMessageDlgHook([](const TMessageDlgRequest&) { return int(mrYes); });
        form = new TForm(nullptr, 0);
        form->SetClientSize(700, 400);
        frame = new TFrameChart(nullptr);
        frame->AfterConstruction();
        frame->SetHost(&host);
        frame->SetParent(form);
        form->Show();
        host.Device = &box;
        box.Maps[{1, 1}] = Image(Curve({{0, 0}, {100, 0.5}, {300, -0.5}, {511, 0}}));
        ASSERT_TRUE(frame->ReadMapAllChannels(1));
        box.Log.clear();
        frame->Chart1->Draw();
    }
    void TearDown() override {
        FreeObject(form);
        SetMessageDlgHook(oldDlg);
        SetRegistryFileName(QString());
        EditorTest::TearDown();
    }
    // Clicks Edit; Act runs on the shown editor.
    void EditWith(const std::function<void(TChartEditForm&)>& Act) {
        bool shown = false;
        const TShowModalHook old = SetShowModalHook([&](TCustomForm* f) {
            auto* editor = dynamic_cast<TChartEditForm*>(f);
            if (!editor) return int(mrCancel);
            editor->Show();
            Application->ProcessMessages();
            shown = true;
            Act(*editor);
            editor->Hide();
            return int(mrCancel);
        });
        frame->btnEditClick(frame->btnEdit);
        SetShowModalHook(old);
        EXPECT_TRUE(shown);
    }
    void Wait(int ms) {
        for (int t = 0; t < ms; t += 10) {
            clock.Advance(10);
            CheckTimers();
            Application->ProcessMessages();
        }
    }
    // The curve editor still works on its own series: draws, drags a point, and sends.
    void ExpectCurveEditorWorks(double Correction) {
        ASSERT_TRUE(frame->Series1);
        EXPECT_EQ(frame->Chart1->SeriesCount(), 1);
        EXPECT_EQ(frame->Series1->ParentChart(), frame->Chart1);
        ASSERT_TRUE(frame->dragTool1);
        EXPECT_EQ(frame->dragTool1->Series(), frame->Series1);
        EXPECT_TRUE(frame->cursorTool1);
        frame->Chart1->Draw();
        frame->PageControl1Change(frame->PageControl1);
        frame->Series1->YValues()->SetValue(1, Correction);
        frame->OnDragPoint(frame->dragTool1, 1);
        Wait(1200);
        ASSERT_FALSE(box.Sent.empty());
        frame->OnVoltageValuesTimer(nullptr);
    }
    // Every point of the last send keeps within -2..+2 V of correction and 0..5 V.
    void ExpectLastSendWithinLimits() {
        ASSERT_FALSE(box.Sent.empty());
        CurvePoints sent;
        ASSERT_TRUE(CurveOfMapImage(box.Sent.back(), sent));
        for (std::size_t i = 0; i < sent.size(); ++i) {
            if (sent[i] == CurveNoPoint) continue;
            EXPECT_TRUE(IsCurveEntry(sent[i])) << i;
            const double input = IndexToVolt(int(i));
            const double output = CodeToVolt(sent[i]);
            EXPECT_LE(output - input, CorrectionMax + 0.02) << i;
            EXPECT_GE(output - input, CorrectionMin - 0.02) << i;
            EXPECT_LE(output, OutputMax + 0.01) << i;
            EXPECT_GE(output, OutputMin - 0.01) << i;
        }
    }

    QTemporaryDir dir;
    TMessageDlgHook oldDlg;
    TFakeClock clock{1000};
    TClockOverride useClock{&clock};
    TEditorBox box;
    TFakeEditorHost host;
    TForm* form = nullptr;
    TFrameChart* frame = nullptr;
};

TEST_F(FrameChartEditTest, OpensOnTheDragPointToolOfTheFirstChart) {
    EditWith([&](TChartEditForm& E) {
        EXPECT_EQ(E.Chart(), frame->Chart1);
        ASSERT_TRUE(E.Tree->Selected());
        EXPECT_EQ(E.Tree->Selected()->Text(), QStringLiteral("Tools"));
        ASSERT_TRUE(E.ToolsPage());
        EXPECT_EQ(E.ToolsPage()->CurrentTool(), frame->dragTool1);
        ASSERT_TRUE(E.ToolsPage()->ToolEditor());
        auto* editor = dynamic_cast<TDragPointToolEdit*>(E.ToolsPage()->ToolEditor());
        ASSERT_TRUE(editor) << E.ToolsPage()->ToolEditor()->ClassName().toStdString();
        EXPECT_TRUE(editor->Showing());
        EXPECT_EQ(editor->CBSeries->Text(), QStringLiteral("Series1"));
        EXPECT_EQ(editor->RGStyle->Items()->Strings(editor->RGStyle->ItemIndex()), QStringLiteral("&Y"));
        EXPECT_EQ(editor->CBCursor->Text(), QStringLiteral("TeeHand"));
    });
    // Nothing was changed: nothing is sent.
    EXPECT_FALSE(frame->modified);
    Wait(2000);
    EXPECT_TRUE(box.Sent.empty());
}

TEST_F(FrameChartEditTest, CurveEditorKeepsWorkingAfterWhatTheEditorFreed) {
    struct Case {
        const char* name;
        std::function<void(FrameChartEditTest&, TChartEditForm&)> act;
        bool changed;
    };
    const Case cases[] = {
        {"series deleted",
         [](FrameChartEditTest&, TChartEditForm& E) {
             E.LBSeries->SetItemIndex(0);
             E.BDeleteSeriesClick(nullptr);
         },
         false},
        {"series retyped",
         [](FrameChartEditTest& T, TChartEditForm&) {
             TChartSeries* s = T.frame->Chart1->Series(0);
             ChangeSeriesType(s, TBarSeries::StaticClass());
         },
         false},
        {"tool deleted",
         [](FrameChartEditTest&, TChartEditForm& E) {
             ASSERT_TRUE(E.ToolsPage());
             E.ToolsPage()->BDeleteClick(nullptr);
         },
         false},
        {"3 typed into the Data grid",
         [](FrameChartEditTest& T, TChartEditForm& E) {
             E.Tree->SetSelected(E.Tree->Items()->Item(0));
             E.MainPage->SetActivePage(E.TabData);
             E.MainPageChange(nullptr);
             TChartGrid* grid = E.ChartGrid1;
             int ycol = -1;
             for (int c = 1; c < grid->ColCount(); ++c)
                 if (grid->GetSeries(c) == T.frame->Series1) ycol = c;
             ASSERT_GT(ycol, 0);
             // Every point of the curve gets 3 V of correction.
             for (int i = 0; i < T.frame->Series1->Count(); ++i)
                 static_cast<TGridTyping*>(grid)->SetEditText(ycol, grid->FirstRowNum() + i,
                                                              QStringLiteral("3"));
             EXPECT_DOUBLE_EQ(T.frame->Series1->YValues()->Value(1), 3.0);
         },
         true},
    };
    double correction = 0.1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        correction += 0.1;
        frame->modified = false;
        box.Sent.clear();
        EditWith([&](TChartEditForm& E) { c.act(*this, E); });
        EXPECT_EQ(frame->modified, c.changed);
        if (c.changed) {
            Wait(1200);
            ExpectLastSendWithinLimits();
            // Held at the limit where 3 V of correction was typed.
            EXPECT_NEAR(frame->Series1->YValues()->Value(1), CorrectionMax, 1e-9);
        } else {
            Wait(1200);
            EXPECT_TRUE(box.Sent.empty());
        }
        ExpectCurveEditorWorks(correction);
        ExpectLastSendWithinLimits();
    }
}

} // namespace
