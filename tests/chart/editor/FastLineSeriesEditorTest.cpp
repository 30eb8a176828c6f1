// The fast-line series editor: the pen dialog on the series' pen without OK and Cancel, with
// the fast line's own options, each changing the series at once.
#include "EditorBaseTestSupport.h"
#include "EditorPagesTestSupport.h"

#include "chart/editor/FastLineSeriesEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/FastLineSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Panel.h"
#include "platform/controls/UpDown.h"

using namespace editortest;

namespace {
class FastLineEditorTest : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        line = new TFastLineSeries(form);
        line->SetParentChart(chart);
        for (double v : {3.0, 5.0, 2.0, 4.0})
            line->Add(v);
        host = new TPanel(form);
        host->SetParent(form);
        host->SetBounds(300, 0, 460, 420);
    }
    TFastLineSeriesEditor* Open() {
        auto* editor = dynamic_cast<TFastLineSeriesEditor*>(TeeCreateEditorForm(line, host));
        EXPECT_NE(editor, nullptr);
        return editor;
    }
    TFastLineSeries* line = nullptr;
    TPanel* host = nullptr;
};
} // namespace

TEST_F(FastLineEditorTest, ThePenDialogOnTheSeriesPenWithoutOkAndCancel) {
    line->Pen()->SetWidth(3);
    line->SetDrawAllPoints(false);
    line->SetStairs(true);
    TFastLineSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->FastLine, line);
    EXPECT_EQ(e->ThePen, line->Pen());
    EXPECT_FALSE(e->BOk->Visible());
    EXPECT_FALSE(e->BCancel->Visible());
    // The pen dialog's own show ran: its controls hold the pen.
    EXPECT_EQ(e->UDWidth->Position(), 3);
    EXPECT_TRUE(e->CBVisible->Checked());
    EXPECT_FALSE(e->CBDrawAll->Checked());
    EXPECT_TRUE(e->CBStairs->Checked());
    EXPECT_TRUE(e->CBInvStairs->Enabled());
    EXPECT_EQ(e->GBStair->Caption(), "Line Mode:");
    ASSERT_EQ(e->CBNulls->Items()->Count(), 3);
    EXPECT_EQ(e->CBNulls->ItemIndex(), int(tnIgnore));

    // The pen dialog's controls write into the series' pen.
    TypeText(e->SEWidth, QStringLiteral("5"));
    EXPECT_EQ(line->Pen()->Width(), 5);
    Click(e->CBVisible);
    EXPECT_FALSE(line->Pen()->Visible());
    FreeObject(e);
}

TEST_F(FastLineEditorTest, EachOptionChangesTheSeriesAtOnce) {
    TFastLineSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    Click(e->CBDrawAll);
    EXPECT_EQ(line->DrawAllPoints(), e->CBDrawAll->Checked());
    EXPECT_FALSE(e->CBInvStairs->Enabled());
    Click(e->CBStairs);
    EXPECT_TRUE(line->Stairs());
    EXPECT_TRUE(e->CBInvStairs->Enabled());
    Click(e->CBInvStairs);
    EXPECT_TRUE(line->InvertedStairs());
    Click(e->CBStairs);
    EXPECT_FALSE(line->Stairs());
    EXPECT_FALSE(e->CBInvStairs->Enabled());

    // Nulls are ignored exactly when the choice is "Ignore".
    struct Case {
        TTreatNullsStyle choice;
        bool ignore;
    };
    for (const Case& c : {Case{tnDontPaint, false}, Case{tnIgnore, true}, Case{tnSkip, false}}) {
        SCOPED_TRACE(int(c.choice));
        e->CBNulls->SetItemIndex(int(c.choice));
        e->CBNulls->OnChange(e->CBNulls);
        EXPECT_EQ(line->TreatNulls(), c.choice);
        EXPECT_EQ(line->IgnoreNulls(), c.ignore);
    }
    FreeObject(e);
}

TEST_F(FastLineEditorTest, PenColorBecomesTheSeriesColor) {
    line->SetSeriesColor(clRed);
    TFastLineSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    TDialogsAnswered answers;
    DialogHook pick([](TCommonDialog* d) {
        if (auto* c = dynamic_cast<TColorDialog*>(d)) c->SetColor(clPurple);
        return true;
    });
    Click(e->BColor);
    EXPECT_EQ(line->Pen()->Color(), clPurple);
    EXPECT_EQ(line->SeriesColor(), clPurple);
    FreeObject(e);
}

TEST_F(FastLineEditorTest, Screenshot) {
    TFastLineSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    EditorScreenshot(host, "fast-line-editor");
    FreeObject(e);
}
