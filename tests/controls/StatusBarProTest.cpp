// The status bar with named panels: layout of the parts, automatic widths, names, colours,
// marking of texts, clicks routed to panels, and the main window's bar read from a form.
#include "XcTestSupport.h"

#include "controls/SBPro.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/Application.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"

#include <QStringList>

namespace {
TRect partRect(TStatusBarPro* S, int Part) {
    TRect r;
    S->Perform(SB_GETRECT, WPARAM(Part), reinterpret_cast<LPARAM>(&r));
    return r;
}

struct StatusBarPro : ShownForm<827, 200> {
    TStatusBarPro* bar = nullptr;
    QStringList log;
    void SetUp() override {
        ShownForm::SetUp();
        bar = new TStatusBarPro(form.get());
        bar->SetParent(form.get());
    }
    TStatusPanelPro* add(const QString& name, int width) {
        TStatusPanelPro* p = bar->Panels()->Add();
        p->SetName(name);
        p->SetWidth(width);
        return p;
    }
    void PanelClick(TObject* Sender) {
        log << QStringLiteral("panel ") + static_cast<TStatusPanelPro*>(Sender)->Name();
    }
    void BarClick(TObject* Sender) { log << (Sender == bar ? QStringLiteral("bar") : QStringLiteral("?")); }
};
} // namespace

TEST_F(StatusBarPro, TheMainWindowLayoutLastPanelToTheEdge) {
    EXPECT_EQ(bar->Align(), alBottom);
    EXPECT_EQ(bar->Width(), 827);
    add(QStringLiteral("PanelStatus"), 200);
    add(QStringLiteral("PanelMsgs"), 400);
    EXPECT_EQ(partRect(bar, 0).Right, 200);
    EXPECT_EQ(partRect(bar, 1).Right, 827) << "the last part reaches the right edge whatever its width";
    EXPECT_GT(partRect(bar, 1).Left, 199);
    // The panels are drawn owner-drawn in their own colours; the grip takes 16 pixels of the
    // last panel's drawing area.
    bar->Panels()->Items(1)->SetColor(clRed);
    TBitmap image(bar->Width(), bar->Height());
    bar->PaintTo(image.Canvas(), 0, 0);
    EXPECT_EQ(image.Canvas()->Pixels(600, 10), clRed);
    EXPECT_EQ(image.Canvas()->Pixels(827 - 8, 10) == clRed, !bar->SizeGrip());
}

TEST_F(StatusBarPro, AutoWidthAndAutoSize) {
    TStatusPanelPro* a = add(QStringLiteral("a"), 50);
    a->SetIndent(3);
    a->SetAutoWidth(true);
    a->SetText(QStringLiteral("Connected"));
    TCanvas* c = bar->Canvas();
    c->SetFont(a->Font());
    const int expected = c->TextWidth(QStringLiteral("Connected")) + 2 * 3 + 2;
    EXPECT_EQ(a->Width(), expected);
    a->SetWidth(5); // ignored on an auto-width panel
    EXPECT_EQ(a->Width(), expected);
    a->SetMaxWidth(20);
    EXPECT_EQ(a->Width(), 20);

    // Two auto-size panels share what is left; too little room gives both 0.
    TStatusPanelPro* b = add(QStringLiteral("b"), 100);
    TStatusPanelPro* s1 = add(QStringLiteral("s1"), 10);
    TStatusPanelPro* s2 = add(QStringLiteral("s2"), 10);
    s1->SetAutoSize(true);
    s2->SetAutoSize(true);
    const int left = 827 - 16 - 20 - 100;
    EXPECT_EQ(s1->Width(), left / 2);
    EXPECT_EQ(s2->Width(), left / 2);
    b->SetMaxWidth(5000);
    b->SetWidth(2000);
    EXPECT_EQ(s1->Width(), 0);
    EXPECT_EQ(s2->Width(), 0);
    // Width is clamped to the panel's limits.
    b->SetMinWidth(30);
    b->SetWidth(10);
    EXPECT_EQ(b->Width(), 30);
}

TEST_F(StatusBarPro, GetByNameColoursAndFonts) {
    TStatusPanelPro* first = add(QStringLiteral("PanelStatus"), 100);
    add(QStringLiteral("PanelStatus"), 100);
    EXPECT_EQ(bar->Panels()->GetByName(QStringLiteral("PanelStatus")), first);
    EXPECT_EQ(bar->Panels()->GetByName(QStringLiteral("panelstatus")), nullptr);
    EXPECT_EQ(bar->Panels()->GetByName(QStringLiteral("Nothing")), nullptr);

    EXPECT_TRUE(first->ParentColor());
    first->SetColor(clLime);
    EXPECT_FALSE(first->ParentColor());
    bar->SetColor(clYellow);
    EXPECT_EQ(first->Color(), clLime);
    EXPECT_EQ(bar->Panels()->Items(1)->Color(), clYellow);
    first->SetParentColor(true);
    EXPECT_EQ(first->Color(), clYellow);

    first->Font()->SetColor(clGreen);
    EXPECT_FALSE(first->ParentFont());
    bar->Font()->SetColor(clNavy);
    EXPECT_EQ(first->Font()->Color(), clGreen);
    EXPECT_EQ(bar->Panels()->Items(1)->Font()->Color(), clNavy);
}

TEST_F(StatusBarPro, ClicksGoToThePanelUnderTheMouse) {
    TStatusPanelPro* p = add(QStringLiteral("PanelStatus"), 200);
    add(QStringLiteral("PanelMsgs"), 400);
    p->OnClick = TNotifyEvent(static_cast<StatusBarPro*>(this), &StatusBarPro::PanelClick);
    bar->OnClick = TNotifyEvent(static_cast<StatusBarPro*>(this), &StatusBarPro::BarClick);
    ClickAt(bar, 50, 10);
    ClickAt(bar, 500, 10);
    EXPECT_EQ(log, QStringList({"panel PanelStatus", "bar"}));
    EXPECT_EQ(bar->FindPanelAtPos(500, 10), bar->Panels()->Items(1));
    EXPECT_EQ(bar->FindPanelAtPos(900, 10), nullptr);
}

TEST_F(StatusBarPro, OnlyTheFirst128PanelsGetParts) {
    for (int i = 0; i < 130; ++i)
        add(QString::number(i), 5);
    int edges[200] = {};
    EXPECT_EQ(bar->Perform(SB_GETPARTS, 200, reinterpret_cast<LPARAM>(edges)), 128);
    EXPECT_EQ(edges[127], -1);
}

TEST_F(StatusBarPro, ReadsTheMainWindowsBarFromItsForm) {
    ReadFromText(form.get(), "object Form1: TForm\n"
                             "  object StatusBarPro1: TStatusBarPro\n"
                             "    Panels = <\n"
                             "      item\n"
                             "        Name = 'PanelStatus'\n"
                             "        Text = 'Disconnected'\n"
                             "        Width = 200\n"
                             "      end\n"
                             "      item\n"
                             "        Color = clRed\n"
                             "        Name = 'PanelMsgs'\n"
                             "        Width = 400\n"
                             "      end>\n"
                             "  end\n"
                             "end\n");
    auto* loaded = static_cast<TStatusBarPro*>(form->FindComponent(QStringLiteral("StatusBarPro1")));
    ASSERT_NE(loaded, nullptr);
    ASSERT_EQ(loaded->Panels()->Count(), 2);
    EXPECT_EQ(loaded->Panels()->GetByName(QStringLiteral("PanelStatus"))->Text(),
              QStringLiteral("Disconnected"));
    TStatusPanelPro* msgs = loaded->Panels()->GetByName(QStringLiteral("PanelMsgs"));
    EXPECT_EQ(msgs->Color(), clRed);
    EXPECT_FALSE(msgs->ParentColor());
    EXPECT_EQ(partRect(loaded, 0).Right, 200);
}

TEST_F(StatusBarPro, FlippingReversesThePanelsAndKeepsEachPanelWhole) {
    TStatusPanelPro* status = add(QStringLiteral("PanelStatus"), 200);
    status->SetText(QStringLiteral("Connected"));
    status->SetTag(7);
    TStatusPanelPro* msgs = add(QStringLiteral("PanelMsgs"), 400);
    msgs->SetText(QStringLiteral("Map 1"));
    bar->FlipChildren(true);
    ASSERT_EQ(bar->Panels()->Count(), 2);
    // The names travel with their texts, so the main window still finds its panels.
    EXPECT_EQ(bar->Panels()->Items(0), msgs);
    EXPECT_EQ(bar->Panels()->GetByName(QStringLiteral("PanelStatus"))->Text(), QStringLiteral("Connected"));
    EXPECT_EQ(bar->Panels()->GetByName(QStringLiteral("PanelStatus"))->Tag(), 7);
    // The new first panel is as wide as the old last one showed (827 - 16 - 200); the new
    // last one keeps the old first width.
    EXPECT_EQ(msgs->Width(), 611);
    EXPECT_EQ(status->Width(), 200);
    EXPECT_EQ(partRect(bar, 0).Right, 611);
    // Simple mode and a bar without panels: nothing to flip.
    bar->SetSimplePanel(true);
    bar->FlipChildren(true);
    EXPECT_EQ(bar->Panels()->Items(0), msgs);
}

TEST_F(StatusBarPro, AHintActionShowsInTheAutoHintPanelOrTheSimpleText) {
    add(QStringLiteral("PanelStatus"), 200);
    add(QStringLiteral("PanelMsgs"), 400);
    THintAction hint(nullptr);
    hint.SetHint(QStringLiteral("Opens\r\na map file"));
    EXPECT_FALSE(bar->ExecuteAction(&hint)) << "AutoHint off";
    bar->SetAutoHint(true);
    bar->SetAutoHintPanelIndex(1);
    EXPECT_TRUE(bar->ExecuteAction(&hint));
    EXPECT_EQ(bar->Panels()->Items(1)->Text(), QStringLiteral("Opens a map file"));
    bar->SetSimplePanel(true);
    hint.SetHint(QStringLiteral("Saves"));
    EXPECT_TRUE(bar->ExecuteAction(&hint));
    EXPECT_EQ(bar->SimpleText(), QStringLiteral("Saves"));
    // OnHint takes it instead; other actions are not the bar's.
    bar->OnHint = TNotifyEvent(static_cast<StatusBarPro*>(this), &StatusBarPro::BarClick);
    EXPECT_FALSE(bar->ExecuteAction(&hint));
    EXPECT_EQ(log, QStringList({"bar"}));
    TAction other(nullptr);
    EXPECT_FALSE(bar->ExecuteAction(&other));
    // Through the application: its hint reaches the bar of the active form.
    bar->OnHint = TNotifyEvent();
    bar->SetSimplePanel(false);
    Screen->SetActiveForm(form.get());
    Application->SetHint(QStringLiteral("Connects to the box"));
    EXPECT_EQ(bar->Panels()->Items(1)->Text(), QStringLiteral("Connects to the box"));
    Application->SetHint(QString());
}
