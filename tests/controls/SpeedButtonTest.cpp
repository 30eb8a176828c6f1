// The speed button: group semantics, press-leave-release, Down set in code, repeat clicks
// on the virtual clock, refused values, and the looks of its states.
#include "XcTestSupport.h"

#include "controls/XcGlyphCache.h"
#include "controls/XcSpeedButton.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/ImageList.h"
#include "platform/win/Clock.h"

#include <QStringList>

#include <algorithm>

namespace {
std::string Colours(TBitmap& image) {
    QStringList seen;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const QString c = QString::number(uint(image.Canvas()->Pixels(x, y)), 16);
            if (!seen.contains(c)) seen << c;
        }
    return seen.join(u' ').toStdString();
}
struct SpeedButtons : ShownForm<400, 200> {
    QStringList log;
    void Clicked(TObject* Sender) { log << static_cast<TXcSpeedButton*>(Sender)->Name(); }
    TXcSpeedButton* button(const char* name, int x, int group, bool allUp) {
        auto* b = make<TXcSpeedButton>(x, 0, 75, 40);
        b->SetName(QString::fromLatin1(name));
        b->SetGroupIndex(group);
        b->SetAllowAllUp(allUp);
        b->OnClick = TNotifyEvent(this, &SpeedButtons::Clicked);
        return b;
    }
    static TColor at(TXcSpeedButton* b, int x, int y) {
        TBitmap image(b->Width(), b->Height());
        b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(image.Canvas()->Handle()), 0);
        return image.Canvas()->Pixels(x, y);
    }
};
} // namespace

TEST_F(SpeedButtons, MapButtonsActAsAGroupThatMayBeAllUp) {
    TXcSpeedButton* m1 = button("btnMap1", 0, 2, true);
    TXcSpeedButton* m2 = button("btnMap2", 80, 2, true);
    m1->SetDown(true);
    log.clear();
    ClickAt(m2, 10, 10);
    EXPECT_TRUE(m2->Down());
    EXPECT_FALSE(m1->Down());
    EXPECT_EQ(log, QStringList({"btnMap2"}));
    // Clicking the down button releases it: none is down.
    ClickAt(m2, 10, 10);
    EXPECT_FALSE(m2->Down());
    EXPECT_FALSE(m1->Down());
    EXPECT_EQ(log, QStringList({"btnMap2", "btnMap2"}));
    // Press, leave, release: nothing changes and nothing fires.
    MouseDownAt(m1, 10, 10);
    MouseMoveTo(m1, 200, 10);
    MouseUpAt(m1, 200, 10);
    EXPECT_FALSE(m1->Down());
    EXPECT_EQ(log.size(), 2);
    // Down set in code releases the other member without firing anything.
    m1->SetDown(true);
    m2->SetDown(true);
    EXPECT_FALSE(m1->Down());
    EXPECT_EQ(log.size(), 2);
}

TEST_F(SpeedButtons, GroupRulesWithoutAllUp) {
    TXcSpeedButton* lone = button("lone", 0, 0, false);
    lone->SetDown(true);
    EXPECT_FALSE(lone->Down()) << "a button without a group cannot be down";
    TXcSpeedButton* a = button("a", 80, 3, false);
    TXcSpeedButton* b = button("b", 160, 3, false);
    a->SetDown(true);
    a->SetDown(false);
    EXPECT_TRUE(a->Down());
    ClickAt(a, 5, 5);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(log, QStringList({"a"}));
    // AllowAllUp set on one member is shared by the group.
    b->SetAllowAllUp(true);
    EXPECT_TRUE(a->AllowAllUp());
    a->SetDown(false);
    EXPECT_FALSE(a->Down());
}

TEST_F(SpeedButtons, RefusedValues) {
    TXcSpeedButton* b = button("b", 0, 0, false);
    b->SetMargin(-2);
    EXPECT_EQ(b->Margin(), -1);
    b->SetMargin(4);
    EXPECT_EQ(b->Margin(), 4);
    b->SetNumGlyphs(7);
    EXPECT_EQ(b->NumGlyphs(), 5);
    // A strip as wide as three squares gives three glyphs.
    TBitmap strip(48, 16);
    b->SetGlyph(&strip);
    EXPECT_EQ(b->NumGlyphs(), 3);
}

TEST_F(SpeedButtons, HeldButtonRepeatsOnTheVirtualClock) {
    TFakeClock clock(1000);
    TClockOverride use(&clock);
    TXcSpeedButton* b = button("rep", 0, 0, false);
    b->SetAllowTimer(true);
    MouseDownAt(b, 10, 10);
    auto advance = [&](int ms) {
        clock.Advance(UInt64(ms));
        CheckTimers();
    };
    advance(499);
    EXPECT_TRUE(log.isEmpty());
    advance(1);
    EXPECT_EQ(log.size(), 1);
    advance(100);
    advance(100);
    EXPECT_EQ(log.size(), 3);
    MouseUpAt(b, 10, 10);
    EXPECT_EQ(log.size(), 4) << "the release inside clicks once more";
    advance(500);
    EXPECT_EQ(log.size(), 4);
}

TEST_F(SpeedButtons, LooksOfUpDownHotAndDisabled) {
    TXcSpeedButton* b = button("look", 0, 4, true);
    b->SetCaption(QString());
    const TColor up = at(b, 20, 20);
    EXPECT_EQ(up, ColorToRGB(clBtnFace));
    EXPECT_NE(at(b, 0, 0), ColorToRGB(clBtnFace)) << "the raised frame";
    b->SetDown(true);
    const TColor a = at(b, 20, 20), c = at(b, 21, 20);
    EXPECT_NE(a, c) << "a down group button shows the checker pattern";
    b->SetDown(false);
    b->SetHotTrack(true);
    b->HotTrackOptions()->SetEnabled(true);
    b->HotTrackOptions()->SetColor(clAqua);
    b->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(b));
    EXPECT_TRUE(b->MouseOver());
    EXPECT_EQ(at(b, 20, 20), clAqua);
    b->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(b));
    EXPECT_FALSE(b->MouseOver());
    EXPECT_EQ(at(b, 20, 20), ColorToRGB(clBtnFace));
    // Disabled, the caption is embossed.
    b->SetCaption(QStringLiteral("MMMM"));
    b->SetEnabled(false);
    TBitmap image(b->Width(), b->Height());
    b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(image.Canvas()->Handle()), 0);
    // Text is smoothed: its darkest pixel is near the shadow colour, never the text colour,
    // and the highlight copy (lighter than the face) shows inside the frame.
    int darkest = 255;
    bool highlight = false;
    for (int y = 3; y < b->Height() - 3; ++y)
        for (int x = 3; x < b->Width() - 3; ++x) {
            const COLORREF px = ColorToRGB(image.Canvas()->Pixels(x, y));
            darkest = std::min(darkest, int(px & 0xFF));
            highlight |= int(px & 0xFF) > int(ColorToRGB(clBtnFace) & 0xFF);
        }
    const int shadow = int(ColorToRGB(clBtnShadow) & 0xFF);
    EXPECT_GE(darkest, shadow - 8) << Colours(image);
    EXPECT_LE(darkest, shadow + 16);
    EXPECT_TRUE(highlight);
    EXPECT_EQ(b->State(), rbsDisabled);
}

TEST_F(SpeedButtons, ReadFromAForm) {
    ReadFromText(form.get(), "object Form1: TForm\n"
                             "  object btnTuningOn: TXcSpeedButton\n"
                             "    Left = 0\n"
                             "    Top = 0\n"
                             "    Width = 75\n"
                             "    Height = 40\n"
                             "    Caption = 'Tuning On'\n"
                             "    GroupIndex = 1\n"
                             "    AllowAllUp = True\n"
                             "    Down = True\n"
                             "    Tag = 3\n"
                             "    HotTrackFont.Height = -11\n"
                             "    HotTrackFont.Name = 'Tahoma'\n"
                             "  end\n"
                             "end\n");
    auto* b = static_cast<TXcSpeedButton*>(form->FindComponent(QStringLiteral("btnTuningOn")));
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(b->AllowAllUp());
    EXPECT_EQ(b->Tag(), 3);
    EXPECT_EQ(b->Caption(), QStringLiteral("Tuning On"));
    EXPECT_EQ(b->HotTrackFont()->Height(), -11);
}

TEST_F(SpeedButtons, FollowsItsActionsGroupCheckedStateAndImage) {
    TActionList* list = new TActionList(form.get());
    TAction* action = new TAction(form.get());
    action->SetActionList(list);
    action->SetGroupIndex(2);
    TXcSpeedButton* b = button("btnMap1", 0, 0, true);
    b->SetAction(action);
    EXPECT_EQ(b->GroupIndex(), 2) << "a button without a group takes the action's";
    // Checked drives Down while the group button with AllowAllUp shows the action's state.
    b->SetAllowAllUp(true);
    action->SetChecked(true);
    EXPECT_TRUE(b->Down());
    action->SetChecked(false);
    EXPECT_FALSE(b->Down());
    b->SetAllowAllUp(false);
    b->SetDown(true);
    action->SetChecked(true);
    action->SetChecked(false);
    EXPECT_TRUE(b->Down()) << "without AllowAllUp the action does not release it";
    // The group index follows the action.
    action->SetGroupIndex(3);
    EXPECT_EQ(b->GroupIndex(), 3);
    // Set in code, the action's group replaces one of the button's own.
    b->SetAction(nullptr);
    b->SetGroupIndex(4);
    b->SetAction(action);
    EXPECT_EQ(b->GroupIndex(), 3);

    // An action image goes into an empty glyph, on the transparent colour 0xFF00FF.
    std::unique_ptr<TCustomImageList, Free> images{new TCustomImageList(8, 8)};
    TBitmap red(8, 8);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect((TRect{0, 0, 8, 8}));
    images->Add(&red, nullptr);
    list->SetImages(images.get());
    TAction* withImage = new TAction(form.get());
    withImage->SetActionList(list);
    withImage->SetImageIndex(0);
    TXcSpeedButton* c = button("btnMap2", 80, 0, false);
    c->SetAction(withImage);
    ASSERT_EQ(c->Glyph()->Width(), 8);
    EXPECT_EQ(c->Glyph()->Canvas()->Pixels(4, 4), clRed);
    EXPECT_EQ(c->Glyph()->TransparentColor(), TColor(0xFF00FF));
    // An index past the list, or a glyph of its own: nothing is copied.
    TXcSpeedButton* d = button("btnMap3", 160, 0, false);
    withImage->SetImageIndex(3);
    d->SetAction(withImage);
    EXPECT_TRUE(d->Glyph()->Empty());
    list->SetImages(nullptr);
}

TEST_F(SpeedButtons, AReleasedLoneButtonLeavesItsHotLook) {
    int leaves = 0;
    struct Counter : TObject {
        int* n;
        void Left(TObject*) { ++*n; }
    } counter;
    counter.n = &leaves;
    TXcSpeedButton* b = button("btnOpen", 0, 0, false);
    // Away from the cursor, so that the tracking after the press does not enter again.
    b->SetBounds(300, 150, 75, 40);
    b->OnMouseLeave = TNotifyEvent(&counter, &Counter::Left);
    b->SetHotTrack(true);
    b->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(b));
    ASSERT_TRUE(b->MouseOver());
    ClickAt(b, 10, 10);
    EXPECT_EQ(log, QStringList({"btnOpen"}));
    EXPECT_EQ(leaves, 1);
    EXPECT_FALSE(b->MouseOver());
    EXPECT_EQ(b->State(), rbsUp);
}

TEST_F(SpeedButtons, HotTrackSettingsPassFromOneButtonToAnother) {
    TXcSpeedButton* a = button("a", 0, 0, false);
    TXcSpeedButton* b = button("b", 80, 0, false);
    a->SetHotTrack(true);
    a->SetHotTrackFontOptions({hoFollowFont, hoPreserveHeight});
    a->HotTrackFont()->SetHeight(-20);
    a->HotTrackOptions()->SetColor(TColor(0x123456));
    IHotTrackSettings* source = nullptr;
    ASSERT_TRUE(Supports<IHotTrackSettings>(static_cast<TObject*>(a), source));
    void* asked = nullptr;
    EXPECT_EQ(a->QueryInterface(IHotTrackSettings::IID, &asked), S_OK);
    EXPECT_EQ(asked, source);
    b->AssignHotTrackSettings(source);
    EXPECT_TRUE(b->HotTrack());
    EXPECT_EQ(b->HotTrackFont()->Height(), -20);
    EXPECT_EQ(b->HotTrackFontOptions(), TXcTrackFontOptions({hoFollowFont, hoPreserveHeight}));
    EXPECT_EQ(b->HotTrackOptions()->Color(), TColor(0x123456));
    a->AssignHotTrackSettings(source); // itself: nothing changes
    EXPECT_EQ(a->HotTrackFont()->Height(), -20);
}

// Glyph images of one size share one list; freed slots are taken again; a list goes when
// its last image goes.
TEST_F(SpeedButtons, GlyphImagesLiveInOneSharedListPerSize) {
    auto glyph = [](int w, int h, TColor c) {
        auto* bmp = new TBitmap(w, h);
        bmp->Canvas()->Brush()->SetColor(TColor(0xFF00FF));
        bmp->Canvas()->FillRect(TRect{0, 0, w, h});
        bmp->Canvas()->Brush()->SetColor(c);
        bmp->Canvas()->FillRect(TRect{2, 2, w - 2, h - 2});
        return std::unique_ptr<TBitmap>(bmp);
    };
    TXcSpeedButton* a = button("a", 0, 0, false);
    TXcSpeedButton* b = button("b", 80, 0, false);
    TXcSpeedButton* c = button("c", 160, 0, false);
    a->SetGlyph(glyph(16, 16, clRed).get());
    b->SetGlyph(glyph(16, 16, clBlue).get());
    c->SetGlyph(glyph(12, 12, clGreen).get());
    // Painted: the red glyph shows at its centre, its transparent corners do not.
    TBitmap image(75, 40);
    a->Perform(WM_PAINT, reinterpret_cast<WPARAM>(image.Canvas()->Handle()), 0);
    int red = 0, magenta = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 75; ++x) {
            red += image.Canvas()->Pixels(x, y) == clRed;
            magenta += image.Canvas()->Pixels(x, y) == TColor(0xFF00FF);
        }
    EXPECT_EQ(red, 12 * 12);
    EXPECT_EQ(magenta, 0);
    b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(image.Canvas()->Handle()), 0);
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(image.Canvas()->Handle()), 0);
    TXcGlyphCache* cache = GlyphCache();
    EXPECT_EQ(cache->ListCount(), 2);
    TXcGlyphList* list16 = cache->GetList(16, 16);
    EXPECT_EQ(list16->Count(), 2);
    // A freed slot is taken by the next image.
    const int before = list16->Count();
    b->SetGlyph(nullptr);
    EXPECT_EQ(list16->Count(), before - 1);
    TBitmap empty;
    auto blue = glyph(16, 16, clBlue);
    b->SetGlyph(blue.get());
    b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(image.Canvas()->Handle()), 0);
    EXPECT_EQ(list16->Count(), before);
    // The list of a size goes with its last image.
    c->SetGlyph(&empty);
    EXPECT_EQ(cache->ListCount(), 1);
}

TEST(GlyphList, ReusesFreedSlots) {
    TXcGlyphList list(4, 4);
    TBitmap img(4, 4);
    EXPECT_EQ(list.AddMasked(&img, clNone), 0);
    EXPECT_EQ(list.AddMasked(&img, clNone), 1);
    EXPECT_EQ(list.AddMasked(&img, clNone), 2);
    list.Delete(1);
    list.Delete(1); // twice: nothing more
    list.Delete(7); // outside: nothing
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.AddMasked(&img, clNone), 1);
    EXPECT_EQ(list.AddMasked(&img, clNone), 3);
    EXPECT_EQ(list.Count(), 4);
}

TEST_F(SpeedButtons, DrawExPutsAnImageListImageInPlaceOfTheGlyph) {
    std::unique_ptr<TCustomImageList, Free> images{new TCustomImageList(10, 10)};
    TBitmap green(10, 10);
    green.Canvas()->Brush()->SetColor(clLime);
    green.Canvas()->FillRect((TRect{0, 0, 10, 10}));
    images->Add(&green, nullptr);
    TXcxButtonGlyph glyph;
    TBitmap canvas(40, 40);
    canvas.Canvas()->Brush()->SetColor(clWhite);
    canvas.Canvas()->FillRect(TRect{0, 0, 40, 40});
    TRect text;
    glyph.DrawEx(canvas.Canvas(), TRect{0, 0, 40, 40}, text, rbsUp, false, 1, -1, blGlyphTop, QString(),
                 {0, 0}, images.get(), 0);
    // Centred: (40 - 10) / 2 = 15 on both axes.
    EXPECT_EQ(canvas.Canvas()->Pixels(15, 15), clLime);
    EXPECT_EQ(canvas.Canvas()->Pixels(24, 24), clLime);
    EXPECT_EQ(canvas.Canvas()->Pixels(14, 15), clWhite);
    EXPECT_EQ(canvas.Canvas()->Pixels(25, 24), clWhite);
    // An index outside the list: the glyph (none here) and nothing drawn.
    canvas.Canvas()->FillRect((TRect{0, 0, 40, 40}));
    glyph.DrawEx(canvas.Canvas(), (TRect{0, 0, 40, 40}), text, rbsUp, false, 1, -1, blGlyphTop, QString(),
                 {0, 0}, images.get(), 4);
    EXPECT_EQ(canvas.Canvas()->Pixels(20, 20), clWhite);
}
