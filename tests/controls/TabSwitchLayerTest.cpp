// The tab control's keyboard cycling and right-click selection, the bitmap switch, and the
// extended-control layer (hint colours, mouse over, clipboard commands).
#include "XcTestSupport.h"

#include "controls/XcComCtrls.h"
#include "controls/XcExMask.h"
#include "controls/XcSpin.h"
#include "controls/XcSwitch.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Application.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QStringList>

namespace {
struct Controls : ShownForm<400, 300> {
    QStringList log;
    void Changed(TObject*) { log << QStringLiteral("change"); }
    void Changing(TObject*, bool& Allow) {
        log << QStringLiteral("changing");
        Allow = allow;
    }
    void On(TObject*) { log << QStringLiteral("on"); }
    void Off(TObject*) { log << QStringLiteral("off"); }
    void Down(TObject*, TMouseButton, TShiftState, int, int) { log << QStringLiteral("mousedown"); }
    void Key(TObject*, Word& Key, TShiftState) { log << QStringLiteral("keydown %1").arg(Key); }
    bool allow = true;

    TXcTabControl* tabs() {
        auto* t = make<TXcTabControl>(0, 0, 300, 200);
        t->Tabs()->SetText(QStringLiteral("Map 1\r\nMap 2\r\nMap 3"));
        t->SetTabIndex(0);
        t->OnChange = TNotifyEvent(this, &Controls::Changed);
        t->OnChanging = TTabChangingEvent(this, &Controls::Changing);
        return t;
    }
};
constexpr LPARAM kCtrl = CtrlMask;
constexpr LPARAM kCtrlShift = CtrlMask | ShiftMask;
} // namespace

TEST_F(Controls, CtrlTabCyclesWhileTheFocusIsInside) {
    TXcTabControl* t = tabs();
    auto* inner = make<TXcSpinEdit>(10, 40, 80, 24, t);
    inner->SetFocus();
    t->SetTabIndex(2);
    EXPECT_EQ(t->Perform(CM_DIALOGKEY, VK_TAB, kCtrl), 1);
    EXPECT_EQ(t->TabIndex(), 0);
    EXPECT_EQ(t->Perform(CM_DIALOGKEY, VK_TAB, kCtrlShift), 1);
    EXPECT_EQ(t->TabIndex(), 2);
    EXPECT_EQ(t->Perform(CM_DIALOGKEY, VK_TAB, kCtrlShift), 1);
    EXPECT_EQ(t->TabIndex(), 1);
    EXPECT_TRUE(log.isEmpty()) << "no OnChanging or OnChange";
    // With the strip itself focused the key is not the tab control's.
    t->SetFocus();
    EXPECT_EQ(t->Perform(CM_DIALOGKEY, VK_TAB, kCtrl), 0);
    EXPECT_EQ(t->TabIndex(), 1);
    // No tabs: nothing to cycle, nothing divides by zero.
    inner->SetFocus();
    t->Tabs()->Clear();
    EXPECT_EQ(t->Perform(CM_DIALOGKEY, VK_TAB, kCtrl), 0);
}

TEST_F(Controls, RightClickSelectsAnotherTabUnlessRefused) {
    TXcTabControl* t = tabs();
    const TRect second = t->TabRect(1);
    MouseDownAt(t, second.Left + 3, second.Top + 3, WM_RBUTTONDOWN, MK_RBUTTON);
    MouseUpAt(t, second.Left + 3, second.Top + 3, WM_RBUTTONUP);
    EXPECT_EQ(t->TabIndex(), 0) << "off by default";
    t->SetRightClickSelect(true);
    MouseDownAt(t, second.Left + 3, second.Top + 3, WM_RBUTTONDOWN, MK_RBUTTON);
    EXPECT_EQ(t->TabIndex(), 1);
    EXPECT_EQ(log, QStringList({"changing", "change"}));
    log.clear();
    MouseDownAt(t, second.Left + 3, second.Top + 3, WM_RBUTTONDOWN, MK_RBUTTON);
    EXPECT_TRUE(log.isEmpty()) << "the current tab changes nothing";
    allow = false;
    const TRect third = t->TabRect(2);
    MouseDownAt(t, third.Left + 3, third.Top + 3, WM_RBUTTONDOWN, MK_RBUTTON);
    EXPECT_EQ(t->TabIndex(), 1);
    EXPECT_EQ(log, QStringList({"changing"}));
}

TEST_F(Controls, SwitchTogglesByClickAndKeys) {
    auto* s = make<TXcSwitch>(0, 0, 33, 40);
    s->OnOn = TNotifyEvent(static_cast<Controls*>(this), &Controls::On);
    s->OnOff = TNotifyEvent(static_cast<Controls*>(this), &Controls::Off);
    s->OnMouseDown = TMouseEvent(static_cast<Controls*>(this), &Controls::Down);
    s->OnKeyDown = TKeyEvent(static_cast<Controls*>(this), &Controls::Key);
    ClickAt(s, 5, 5);
    EXPECT_TRUE(s->StateOn());
    EXPECT_TRUE(s->Focused());
    MouseDownAt(s, 5, 5, WM_RBUTTONDOWN, MK_RBUTTON);
    EXPECT_TRUE(s->StateOn());
    s->SetStateOn(true); // the same value: nothing
    KeyDownOn(s, VK_SPACE);
    EXPECT_FALSE(s->StateOn());
    KeyDownOn(s, VK_SPACE, ShiftMask);
    EXPECT_FALSE(s->StateOn());
    EXPECT_EQ(log, QStringList({"on", "mousedown", "mousedown", "keydown 32", "off", "keydown 32"}));
    // Without a tab stop a click toggles but takes no focus.
    auto* other = make<TXcSwitch>(50, 0, 33, 40);
    other->SetTabStop(false);
    ClickAt(other, 5, 5);
    EXPECT_TRUE(other->StateOn());
    EXPECT_FALSE(other->Focused());
}

TEST_F(Controls, SwitchGlyphsAndTheirDisabledCopies) {
    auto* s = make<TXcSwitch>(0, 0, 50, 60);
    EXPECT_EQ(s->GlyphOn()->Width(), 32);
    EXPECT_EQ(s->GlyphOn()->Height(), 48);
    EXPECT_EQ(s->DisabledGlyph(1), nullptr) << "built-in glyphs get no disabled copy";
    TBitmap mine(10, 10);
    mine.Canvas()->Brush()->SetColor(clRed);
    mine.Canvas()->FillRect(Rect(0, 0, 10, 10));
    s->SetGlyphOn(&mine);
    EXPECT_TRUE(s->GlyphStored(1));
    EXPECT_NE(s->DisabledGlyph(1), nullptr);
    s->SetGlyphOn(nullptr);
    EXPECT_FALSE(s->GlyphStored(1));
    EXPECT_EQ(s->GlyphOn()->Width(), 32);
    // tpNone centres the bitmap and draws no caption.
    s->SetCaption(QStringLiteral("Tuning"));
    TBitmap image(50, 60);
    s->PaintTo(image.Canvas(), 0, 0);
    EXPECT_NE(image.Canvas()->Pixels(25, 30), s->Color());
}

TEST_F(Controls, SwitchFromAFormFiresNothingWhileLoading) {
    ReadFromText(form.get(), "object Form1: TForm\n"
                             "  object XcSwitch1: TXcSwitch\n"
                             "    Left = 0\n"
                             "    Top = 0\n"
                             "    Width = 33\n"
                             "    Height = 40\n"
                             "    Hint = 'Tuning on/off'\n"
                             "    Align = alLeft\n"
                             "    StateOn = True\n"
                             "    Visible = False\n"
                             "  end\n"
                             "end\n");
    auto* s = static_cast<TXcSwitch*>(form->FindComponent(QStringLiteral("XcSwitch1")));
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->StateOn());
    EXPECT_FALSE(s->Visible());
    EXPECT_EQ(s->Width(), 33);
    // A short "Data" block is the stream's read error, not a crash.
    ExpectFormRefused("object F: TForm\n"
                      "  object S: TXcSwitch\n"
                      "    Data = {}\n"
                      "  end\n"
                      "end\n");
}

TEST_F(Controls, LayerHintColourMouseOverAndInterfaceQuery) {
    auto* t = tabs();
    THintInfo info;
    info.HintColor = clInfoBk;
    t->SetHintColor(clRed);
    t->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.HintColor, clRed);
    t->SetHintColor(clNone);
    Application->SetHintColor(clYellow);
    t->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.HintColor, clYellow);
    Application->SetHintColor(clInfoBk);
    // clDefault asks the parent: a tab control holding a switch with clDefault.
    auto* s = make<TXcSwitch>(10, 40, 33, 40, t);
    t->SetHintColor(clLime);
    info.HintColor = clInfoBk;
    s->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.HintColor, clLime);

    bool inside = false, outside = true;
    s->OnMouseEnter = TNotifyEvent([&](TObject*) { inside = s->MouseOver(); });
    s->OnMouseLeave = TNotifyEvent([&](TObject*) { outside = s->MouseOver(); });
    s->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(s));
    s->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(s));
    EXPECT_TRUE(inside);
    EXPECT_FALSE(outside);
    EXPECT_EQ(s->Perform(CM_INTERFACEQUERY, 0, 0), 0);
    EXPECT_EQ(t->Perform(CM_INTERFACEQUERY, 0, 0), 0);
}

TEST_F(Controls, ClipboardCommandsCanBeSwitchedOff) {
    auto* e = make<TXcSpinEdit>(0, 0, 100, 24);
    e->SetClipboardCommands({caCopy, caCut, caClear, caUndo});
    e->SetText(QStringLiteral("5"));
    EXPECT_EQ(e->Perform(WM_PASTE, 0, 0), 1);
    EXPECT_EQ(e->Text(), QStringLiteral("5"));
}
