// The small standard controls on a shown form: up-down steps and its associate, the
// scroll bar's and track bar's ranges and events, shapes drawn on a bitmap, speed-button
// groups, bit-button kinds in a modal loop, the image's canvas and placement, and the
// scroll box's bars.
#include "ControlFixture.h"

#include "platform/controls/BitBtn.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Image.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/ScrollBox.h"
#include "platform/controls/Shape.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/Timer.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Metafile.h"
#include "platform/rtl/FormatSettings.h"

#include <QEvent>
#include <gtest/gtest.h>

#include <memory>

namespace {
struct SmallControls : ShownFormTest<320, 240> {};

// A parent that records the scroll notifications it gets.
class TScrollWatcher : public TTestBox {
public:
    explicit TScrollWatcher(TComponent* AOwner) : TTestBox(AOwner) {}
    QStringList Seen;
    void Dispatch(TMessage& Message) override {
        if (Message.Msg == WM_VSCROLL || Message.Msg == WM_HSCROLL)
            Seen << QStringLiteral("%1 %2 %3")
                        .arg(Message.Msg == WM_VSCROLL ? "V" : "H")
                        .arg(Message.WParam & 0xFFFF)
                        .arg(short(Message.WParam >> 16));
        TTestBox::Dispatch(Message);
    }
};
} // namespace

// ---- up-down ------------------------------------------------------------------------------------

TEST_F(SmallControls, UpDownStepsClampOrWrap) {
    struct Case {
        int min, max, start, increment;
        bool wrap;
        TUDBtnType button;
        int expected;
    } cases[] = {
        {0, 10, 5, 1, false, btNext, 6},   {0, 10, 5, 1, false, btPrev, 4}, {0, 10, 9, 5, false, btNext, 10},
        {0, 10, 1, 5, false, btPrev, 0},   {0, 10, 10, 1, true, btNext, 0}, {0, 10, 0, 1, true, btPrev, 10},
        {-5, 5, -5, 3, false, btPrev, -5}, {10, 0, 5, 1, false, btNext, 4}, // Max below Min: Next goes to Max
    };
    for (const Case& c : cases) {
        auto* ud = make<TUpDown>(0, 0, 17, 25);
        ud->SetMin(c.min);
        ud->SetMax(c.max);
        ud->SetPosition(c.start);
        ud->SetIncrement(c.increment);
        ud->SetWrap(c.wrap);
        ud->Step(c.button);
        EXPECT_EQ(ud->Position(), c.expected) << c.min << ".." << c.max << " from " << c.start;
        FreeObject(ud);
    }
}

TEST_F(SmallControls, UpDownClickAsksChangingThenNotifiesParentAndClick) {
    auto* parent = make<TScrollWatcher>(0, 0, 200, 100);
    auto* ud = make<TUpDown>(10, 10, 17, 24, parent);
    ud->SetMax(3);
    bool allow = true;
    ud->OnChanging = TUDChangingEvent([&](TObject*, bool& AllowChange) {
        log << QStringLiteral("Changing %1").arg(ud->Position());
        AllowChange = allow;
    });
    ud->OnClick = TUDClickEvent([&](TObject*, TUDBtnType b) {
        log << QStringLiteral("Click %1 %2").arg(b == btNext ? "next" : "prev").arg(ud->Position());
    });
    click(ud, 8, 3);  // the upper half: next
    click(ud, 8, 20); // the lower half: previous
    EXPECT_EQ(log, QStringList({"Changing 0", "Click next 1", "Changing 1", "Click prev 0"}));
    EXPECT_EQ(parent->Seen, QStringList({"V 4 1", "V 4 0"}));
    // Refused: the position stays and there is no click. At a limit there is no change to
    // ask about, but the click fires.
    log.clear();
    allow = false;
    ud->Step(btNext);
    ud->Step(btPrev);
    EXPECT_EQ(log, QStringList({"Changing 0", "Click prev 0"}));
    EXPECT_EQ(ud->Position(), 0);
    EXPECT_EQ(parent->Seen.size(), 2);
    // Code sets the position quietly.
    ud->SetPosition(7);
    EXPECT_EQ(ud->Position(), 3);
    EXPECT_EQ(log.size(), 2);
}

TEST_F(SmallControls, UpDownWritesAndReadsItsAssociate) {
    const TFormatSettings saved = FormatSettings;
    FormatSettings.ThousandSeparator = u',';
    auto* edit = make<TEdit>(20, 30, 80, 21);
    auto* ud = make<TUpDown>(0, 0, 17, 25);
    ud->SetMax(5000);
    ud->SetPosition(1234);
    ud->SetAssociate(edit);
    // Placed at the associate's right edge with its height; the text shows the position.
    EXPECT_EQ(ud->BoundsRect(), Rect(100, 30, 117, 30 + edit->Height()));
    EXPECT_EQ(edit->Text(), QStringLiteral("1,234"));
    ud->SetThousands(false);
    EXPECT_EQ(edit->Text(), QStringLiteral("1234"));
    // A number typed into the edit is where the next step starts; out of range it is clamped.
    edit->SetText(QStringLiteral("40"));
    ud->Step(btNext);
    EXPECT_EQ(ud->Position(), 41);
    EXPECT_EQ(edit->Text(), QStringLiteral("41"));
    edit->SetText(QStringLiteral("99999"));
    ud->Step(btPrev);
    EXPECT_EQ(ud->Position(), 4999);
    // Text that is no number leaves the position as it was.
    edit->SetText(QStringLiteral("abc"));
    ud->Step(btPrev);
    EXPECT_EQ(ud->Position(), 4998);
    // A freed associate is let go.
    FreeObject(edit);
    EXPECT_EQ(ud->Associate(), nullptr);
    ud->Step(btNext);
    EXPECT_EQ(ud->Position(), 4999);
    FormatSettings = saved;
}

// ---- scroll bar ------------------------------------------------------------------------------------

TEST_F(SmallControls, ScrollBarKeepsPositionInRangeAndPage) {
    auto* sb = make<TScrollBar>(0, 0, 200, 17);
    int changes = 0;
    sb->OnChange = TNotifyEvent([&](TObject*) { ++changes; });
    sb->SetPosition(150);
    EXPECT_EQ(sb->Position(), 100);
    sb->SetPageSize(10);
    EXPECT_EQ(sb->Position(), 91); // the last page starts at Max - PageSize + 1
    sb->SetParams(-20, 0, 50);
    EXPECT_EQ(sb->Position(), 0);
    EXPECT_EQ(changes, 3);
    sb->SetPosition(0);
    EXPECT_EQ(changes, 3); // no change, no event
    EXPECT_THROW(sb->SetParams(0, 10, 5), EInvalidOperation);
    EXPECT_THROW(sb->SetPageSize(52), EInvalidOperation);
    EXPECT_EQ(sb->Min(), 0);
    EXPECT_EQ(sb->Max(), 50);
}

TEST_F(SmallControls, ScrollBarInputGoesThroughOnScroll) {
    auto* sb = make<TScrollBar>(0, 0, 200, 17);
    sb->SetSmallChange(2);
    sb->SetLargeChange(25);
    sb->OnScroll = TScrollEvent([&](TObject*, TScrollCode code, int& pos) {
        log << QStringLiteral("%1 %2").arg(int(code)).arg(pos);
        if (code == scPageDown) pos = 60; // the handler moves it elsewhere
    });
    click(sb, 195, 8); // right arrow
    click(sb, 150, 8); // the track right of the thumb
    SendKey(sb, Qt::Key_Home);
    SendKey(sb, Qt::Key_Left); // already at the top: the handler still hears of it
    EXPECT_EQ(log, QStringList({"1 2", "8 2", "3 27", "8 60", "6 0", "8 0", "0 0", "8 0"}));
    EXPECT_EQ(sb->Position(), 0);
    // Dragging the thumb to the far end tracks, then ends at the position.
    sb->SetPosition(0);
    log.clear();
    SendMouse(sb, QEvent::MouseButtonPress, 22, 8);
    SendMouse(sb, QEvent::MouseMove, 400, 8);
    SendMouse(sb, QEvent::MouseButtonRelease, 400, 8);
    EXPECT_EQ(log, QStringList({"5 100", "4 100", "8 100"}));
    EXPECT_EQ(sb->Position(), 100);
}

// ---- track bar ----------------------------------------------------------------------------------------

TEST_F(SmallControls, TrackBarClampsAndFiresOnChange) {
    auto* tb = make<TTrackBar>(10, 10, 200, 45);
    int changes = 0;
    tb->OnChange = TNotifyEvent([&](TObject*) { ++changes; });
    tb->SetPosition(15);
    EXPECT_EQ(tb->Position(), 10);
    tb->SetMax(6);
    EXPECT_EQ(tb->Position(), 6);
    tb->SetMin(8); // pulls Max along
    EXPECT_EQ(tb->Max(), 8);
    EXPECT_EQ(tb->Position(), 8);
    EXPECT_EQ(changes, 3);
    tb->SetMin(0);
    tb->SetMax(20);
    tb->SetFrequency(5);
    EXPECT_EQ(tb->TickPositions(), (std::vector<int>{0, 5, 10, 15, 20}));
    tb->SetTickStyle(tsManual);
    EXPECT_EQ(tb->TickPositions(), (std::vector<int>{0, 20}));
    // Keys and a click on the channel left of the thumb.
    tb->SetPosition(10);
    tb->SetPageSize(4);
    SendKey(tb, Qt::Key_Right);
    EXPECT_EQ(tb->Position(), 11);
    SendKey(tb, Qt::Key_PageDown);
    EXPECT_EQ(tb->Position(), 15);
    SendKey(tb, Qt::Key_End);
    EXPECT_EQ(tb->Position(), 20);
    const TRect ch = tb->ChannelRect();
    click(tb, ch.Left + 2, (ch.Top + ch.Bottom) / 2);
    EXPECT_EQ(tb->Position(), 16);
    // Dragging the thumb to the start of the channel.
    const TRect thumb = tb->ThumbRect();
    const int y = (thumb.Top + thumb.Bottom) / 2;
    SendMouse(tb, QEvent::MouseButtonPress, (thumb.Left + thumb.Right) / 2, y);
    SendMouse(tb, QEvent::MouseMove, ch.Left - 30, y);
    SendMouse(tb, QEvent::MouseButtonRelease, ch.Left - 30, y);
    EXPECT_EQ(tb->Position(), 0);
}

// ---- shapes ---------------------------------------------------------------------------------------------

TEST_F(SmallControls, ShapesDrawInsideTheirBoundsWithPenAndBrush) {
    form->SetColor(clWhite);
    auto* s = new TShape(form.get());
    s->SetParent(form.get());
    s->SetBounds(10, 10, 40, 20);
    s->Brush()->SetColor(clRed);
    s->Pen()->SetColor(clBlue);
    struct Probe {
        int x, y;
        TColor color;
    };
    struct Case {
        TShapeType type;
        int penWidth;
        std::vector<Probe> probes; // in the shape's coordinates
    } cases[] = {
        {stRectangle, 1, {{0, 0, clBlue}, {39, 19, clBlue}, {1, 1, clRed}, {20, 10, clRed}}},
        // A wide pen stays inside: its outer edge on the bounds.
        {stRectangle,
         3,
         {{0, 10, clBlue}, {39, 10, clBlue}, {2, 10, clBlue}, {3, 10, clRed}, {20, 19, clBlue}}},
        // The square takes the height and sits centred: 10..30.
        {stSquare,
         1,
         {{5, 10, clWhite}, {10, 10, clBlue}, {29, 10, clBlue}, {35, 10, clWhite}, {20, 10, clRed}}},
        {stEllipse, 1, {{0, 0, clWhite}, {39, 19, clWhite}, {20, 10, clRed}, {0, 10, clBlue}}},
        {stCircle, 1, {{10, 0, clWhite}, {20, 0, clBlue}, {20, 10, clRed}, {5, 10, clWhite}}},
        {stRoundRect, 1, {{0, 0, clWhite}, {20, 0, clBlue}, {20, 10, clRed}}},
        {stRoundSquare, 1, {{10, 0, clWhite}, {20, 0, clBlue}, {5, 10, clWhite}}},
    };
    for (const Case& c : cases) {
        s->SetShape(c.type);
        s->Pen()->SetWidth(c.penWidth);
        TBitmap bmp(60, 40);
        form->PaintTo(bmp.Canvas(), 0, 0);
        for (const Probe& p : c.probes)
            EXPECT_EQ(ColorToRGB(bmp.Canvas()->Pixels(10 + p.x, 10 + p.y)), ColorToRGB(p.color))
                << "shape " << int(c.type) << " pen " << c.penWidth << " at " << p.x << "," << p.y;
    }
}

// ---- speed buttons -------------------------------------------------------------------------------------

TEST_F(SmallControls, SpeedButtonGroupKeepsOneDown) {
    TSpeedButton* b[3];
    for (int i = 0; i < 3; ++i) {
        b[i] = new TSpeedButton(form.get());
        b[i]->SetParent(form.get());
        b[i]->SetBounds(10 + 30 * i, 10, 25, 25);
        b[i]->SetGroupIndex(1);
        b[i]->OnClick = TNotifyEvent([this, i](TObject*) { log << QStringLiteral("Click %1").arg(i); });
    }
    auto downs = [&] { return QString("%1%2%3").arg(b[0]->Down()).arg(b[1]->Down()).arg(b[2]->Down()); };
    click(form.get(), 20, 20);
    EXPECT_EQ(downs(), QStringLiteral("100"));
    click(form.get(), 50, 20);
    EXPECT_EQ(downs(), QStringLiteral("010"));
    // Clicking the down one again: it stays down (the group does not allow all up), and
    // the click still fires; code cannot raise it either.
    click(form.get(), 50, 20);
    b[1]->SetDown(false);
    EXPECT_EQ(downs(), QStringLiteral("010"));
    EXPECT_EQ(log, QStringList({"Click 0", "Click 1", "Click 1"}));
    // A press dragged out before the release is no click.
    SendMouse(form.get(), QEvent::MouseButtonPress, 80, 20);
    SendMouse(form.get(), QEvent::MouseMove, 200, 200);
    SendMouse(form.get(), QEvent::MouseButtonRelease, 200, 200);
    EXPECT_EQ(downs(), QStringLiteral("010"));
    EXPECT_EQ(log.size(), 3);
    // AllowAllUp set on one button holds for the group: a click raises the down one.
    b[2]->SetAllowAllUp(true);
    EXPECT_TRUE(b[0]->AllowAllUp());
    EXPECT_TRUE(b[1]->AllowAllUp());
    click(form.get(), 50, 20);
    EXPECT_EQ(downs(), QStringLiteral("000"));
    // Code puts one down; another group and group 0 are not touched.
    auto* other = new TSpeedButton(form.get());
    other->SetParent(form.get());
    other->SetGroupIndex(2);
    other->SetDown(true);
    auto* plain = new TSpeedButton(form.get());
    plain->SetParent(form.get());
    plain->SetDown(true);
    b[2]->SetDown(true);
    EXPECT_EQ(downs(), QStringLiteral("001"));
    EXPECT_TRUE(other->Down());
    EXPECT_FALSE(plain->Down());
}

// ---- bit buttons -----------------------------------------------------------------------------------------

TEST_F(SmallControls, BitButtonKindsGiveCaptionResultAndRole) {
    struct Case {
        TBitBtnKind kind;
        const char* caption;
        TModalResult result;
        bool isDefault, isCancel;
    } cases[] = {
        {bkOK, "OK", mrOk, true, false},
        {bkCancel, "Cancel", mrCancel, false, true},
        {bkYes, "&Yes", mrYes, true, false},
        {bkNo, "&No", mrNo, false, true},
        {bkAbort, "Abort", mrAbort, false, false},
        {bkRetry, "&Retry", mrRetry, false, false},
        {bkIgnore, "&Ignore", mrIgnore, false, false},
        {bkAll, "&All", mrAll, false, false},
        {bkClose, "&Close", mrNone, false, false},
        {bkHelp, "&Help", mrNone, false, false},
    };
    for (const Case& c : cases) {
        auto* b = new TBitBtn(form.get());
        b->SetKind(c.kind);
        EXPECT_EQ(b->Caption(), QString::fromLatin1(c.caption));
        EXPECT_EQ(b->ModalResult(), c.result) << c.caption;
        EXPECT_EQ(b->Default(), c.isDefault) << c.caption;
        EXPECT_EQ(b->Cancel(), c.isCancel) << c.caption;
        FreeObject(b);
    }
}

TEST_F(SmallControls, BitButtonEndsModalLoopWithItsResult) {
    std::unique_ptr<TForm, Free> dlg(new TForm(nullptr, 0));
    dlg->SetClientSize(200, 100);
    auto* ok = new TBitBtn(dlg.get());
    ok->SetParent(dlg.get());
    ok->SetBounds(10, 10, 75, 25);
    ok->SetKind(bkOK);
    auto* close = new TBitBtn(dlg.get());
    close->SetParent(dlg.get());
    close->SetBounds(100, 10, 75, 25);
    close->SetKind(bkClose);
    auto* timer = new TTimer(dlg.get());
    timer->SetInterval(5);
    TWinControl* target = ok;
    timer->SetOnTimer(TNotifyEvent([&](TObject*) {
        timer->SetEnabled(false);
        SendMouse(target, QEvent::MouseButtonPress, 5, 5);
        SendMouse(target, QEvent::MouseButtonRelease, 5, 5);
    }));
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_FALSE(dlg->Visible());
    // The close button closes the form: a modal loop ends with mrCancel.
    target = close;
    timer->SetEnabled(true);
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
}

// ---- image
// ---------------------------------------------------------------------------------------------------

TEST_F(SmallControls, ImageCanvasDrawsIntoItsPictureAndPlacesIt) {
    auto* img = new TImage(form.get());
    img->SetParent(form.get());
    img->SetBounds(0, 0, 100, 50);
    // An empty image draws on a bitmap of its size.
    img->Canvas()->Brush()->SetColor(clRed);
    img->Canvas()->FillRect(Rect(0, 0, 10, 10));
    ASSERT_NE(img->Picture()->Graphic(), nullptr);
    EXPECT_EQ(img->Picture()->Width(), 100);
    EXPECT_EQ(ColorToRGB(img->Picture()->Bitmap()->Canvas()->Pixels(5, 5)), ColorToRGB(clRed));
    struct Case {
        int pw, ph;
        bool stretch, proportional, center;
        TRect dest;
    } cases[] = {
        {40, 20, false, false, false, Rect(0, 0, 40, 20)},
        {40, 20, false, false, true, Rect(30, 15, 70, 35)},
        {40, 20, true, false, false, Rect(0, 0, 100, 50)},
        {40, 10, true, true, false, Rect(0, 0, 100, 25)},
        {200, 200, false, true, true, Rect(25, 0, 75, 50)}, // larger: scaled down
        {20, 10, false, true, false, Rect(0, 0, 20, 10)},   // smaller, not stretched: as it is
    };
    for (const Case& c : cases) {
        img->Picture()->Bitmap()->SetSize(c.pw, c.ph);
        img->SetStretch(c.stretch);
        img->SetProportional(c.proportional);
        img->SetCenter(c.center);
        EXPECT_EQ(img->DestRect(), c.dest) << c.pw << "x" << c.ph;
    }
    // Another kind of graphic cannot be drawn on.
    TMetafile meta;
    meta.SetSize(10, 10);
    img->Picture()->SetGraphic(&meta);
    EXPECT_THROW(img->Canvas(), EInvalidOperation);
}

// ---- scroll box
// ----------------------------------------------------------------------------------------------

TEST_F(SmallControls, ScrollBoxShowsBarsAndScrollsItsChildren) {
    auto* box = make<TScrollBox>(10, 10, 150, 100);
    auto* child = make<TTestBox>(0, 0, 100, 300, box);
    EXPECT_TRUE(box->WindowStyle() & WS_VSCROLL);
    EXPECT_FALSE(box->WindowStyle() & WS_HSCROLL);
    const TRect bar = box->ScrollBarRect(sbVertical);
    ASSERT_FALSE(bar.IsEmpty());
    EXPECT_EQ(bar.Right, 148); // inside the frame
    // The lower arrow scrolls by the increment, the track below the thumb by a page.
    click(box, bar.Left + 3, bar.Bottom - 3);
    EXPECT_EQ(box->VertScrollBar()->Position(), 8);
    EXPECT_EQ(child->Top(), -8);
    click(box, bar.Left + 3, bar.Bottom - 20);
    EXPECT_GT(box->VertScrollBar()->Position(), 8);
    EXPECT_EQ(child->Top(), -box->VertScrollBar()->Position());
    // A click beside the bars reaches the box as usual.
    box->VertScrollBar()->SetPosition(0);
    EXPECT_EQ(child->Top(), 0);
}
