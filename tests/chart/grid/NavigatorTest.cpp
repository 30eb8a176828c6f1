// Navigator button bars: the layout across the bar's width, hints, the keyboard focus, the
// grid navigator's buttons enabling with the grid's position and acting on it, and a held
// button repeating on the virtual clock without an extra step on release.
#include "GridTestSupport.h"

#include "chart/grid/TeeNavigator.h"
#include "platform/classes/StringList.h"
#include "platform/win/Clock.h"

#include <algorithm>

namespace {

struct NavFixture : GridFixture {
    TChartSeries* series = nullptr;
    TChartGridNavigator* nav = nullptr;
    void SetUp() override {
        GridFixture::SetUp();
        series = AddSeries();
        for (int i = 0; i < 10; ++i)
            series->Add(i);
        grid->SetShowLabels(false);
        grid->SetShowFields(false);
        grid->SetSeries(series);
        nav = new TChartGridNavigator(form.get());
        nav->SetParent(form.get());
        nav->SetBounds(0, 320, 241, 25);
        nav->SetGrid(grid);
    }
    bool On(TTeeNavigateBtn b) const { return nav->Button(b)->Enabled(); }
    void press(TTeeNavigateBtn b) {
        TTeeNavButton* btn = nav->Button(b);
        SendMouse(nav, QEvent::MouseButtonPress, btn->Left() + 5, btn->Top() + 5);
    }
    void release(TTeeNavigateBtn b) {
        TTeeNavButton* btn = nav->Button(b);
        SendMouse(nav, QEvent::MouseButtonRelease, btn->Left() + 5, btn->Top() + 5);
    }
};

TEST(Navigator, ANewBarShowsFourButtonsAcrossItsWidth) {
    std::unique_ptr<TForm, FreeObj> form{new TForm(nullptr, 0)};
    form->SetClientSize(241, 100);
    auto* bar = new TChartGridNavigator(form.get());
    bar->SetParent(form.get());
    EXPECT_EQ(bar->Width(), 240);
    EXPECT_EQ(bar->Height(), 25);
    for (int i = nbFirst; i <= nbLast; ++i) {
        EXPECT_TRUE(bar->Button(TTeeNavigateBtn(i))->Visible());
        EXPECT_EQ(bar->Button(TTeeNavigateBtn(i))->Width(), 60);
        EXPECT_EQ(bar->Button(TTeeNavigateBtn(i))->Left(), 60 * i);
        EXPECT_FALSE(bar->Button(TTeeNavigateBtn(i))->Enabled());
    }
    for (int i = nbInsert; i <= nbCancel; ++i)
        EXPECT_FALSE(bar->Button(TTeeNavigateBtn(i))->Visible());
    // Aligned, the bar keeps its 241 pixels: the third button takes the spare one.
    bar->SetAlign(alTop);
    EXPECT_EQ(bar->Width(), 241);
    const int widths[] = {60, 60, 61, 60};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(bar->Button(TTeeNavigateBtn(i))->Width(), widths[i]) << i;
}

TEST(Navigator, HintLinesOverrideTheDefaultsOneByOne) {
    TChartGridNavigator bar(nullptr);
    EXPECT_EQ(bar.Button(nbNext)->Hint(), QStringLiteral("Next"));
    bar.Hints()->Add(QStringLiteral("To the start"));
    bar.Hints()->Add(QString());
    EXPECT_EQ(bar.Button(nbFirst)->Hint(), QStringLiteral("To the start"));
    EXPECT_EQ(bar.Button(nbPrior)->Hint(), QStringLiteral("Prior"));
    EXPECT_EQ(bar.Button(nbCancel)->Hint(), QStringLiteral("Cancel"));
}

TEST_F(NavFixture, ArrowKeysMoveTheFocusOverVisibleButtons) {
    nav->SetTabStop(true);
    nav->SetFocus();
    EXPECT_EQ(nav->FocusedButton, nbFirst);
    SendKey(nav, Qt::Key_Left);
    EXPECT_EQ(nav->FocusedButton, nbFirst);
    SendKey(nav, Qt::Key_Right);
    SendKey(nav, Qt::Key_Right);
    EXPECT_EQ(nav->FocusedButton, nbNext);
    SendKey(nav, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    EXPECT_EQ(grid->Row(), 2);
    SendKey(nav, Qt::Key_Right);
    SendKey(nav, Qt::Key_Right); // nothing visible beyond Last
    EXPECT_EQ(nav->FocusedButton, nbLast);
}

TEST_F(NavFixture, ButtonsFollowTheGridAndActOnIt) {
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_FALSE(On(nbFirst));
    EXPECT_FALSE(On(nbPrior));
    EXPECT_TRUE(On(nbNext));
    EXPECT_TRUE(On(nbLast));
    EXPECT_TRUE(On(nbInsert));
    EXPECT_TRUE(On(nbDelete));
    EXPECT_TRUE(On(nbEdit));
    EXPECT_FALSE(On(nbPost));
    EXPECT_FALSE(On(nbCancel));

    nav->BtnClick(nbLast);
    EXPECT_EQ(grid->Row(), 10);
    EXPECT_TRUE(On(nbFirst));
    EXPECT_FALSE(On(nbNext));
    nav->BtnClick(nbPrior);
    EXPECT_EQ(grid->Row(), 9);
    nav->BtnClick(nbFirst);
    EXPECT_EQ(grid->Row(), 1);

    nav->BtnClick(nbEdit);
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_TRUE(On(nbPost));
    EXPECT_TRUE(On(nbCancel));
    nav->BtnClick(nbCancel);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_FALSE(On(nbPost));

    nav->BtnClick(nbDelete);
    EXPECT_EQ(series->Count(), 9);
    EXPECT_EQ(series->YValues()->Value(0), 1);
    nav->BtnClick(nbInsert);
    EXPECT_EQ(series->Count(), 10);
    EXPECT_EQ(grid->Row(), 10);

    // Moving with the grid's own keys updates the bar too.
    grid->SetRow(5);
    EXPECT_TRUE(On(nbFirst));
    EXPECT_TRUE(On(nbNext));

    FreeObject(grid);
    grid = nullptr;
    EXPECT_EQ(nav->Grid(), nullptr);
    EXPECT_FALSE(On(nbNext));
}

TEST_F(NavFixture, AHeldButtonStepsOnPressThenRepeatsOnTheClock) {
    TFakeClock clock{1000};
    TClockOverride use{&clock};
    auto advance = [&](UInt64 ms) {
        clock.Advance(ms);
        Application->ProcessMessages();
    };
    press(nbNext);
    EXPECT_EQ(grid->Row(), 2);
    advance(399);
    EXPECT_EQ(grid->Row(), 2);
    advance(1);
    EXPECT_EQ(grid->Row(), 3);
    advance(100);
    EXPECT_EQ(grid->Row(), 4);
    // Let go after repeating, with rows still to go: no extra step on the release, and the
    // clock steps no more.
    release(nbNext);
    EXPECT_EQ(grid->Row(), 4);
    advance(500);
    EXPECT_EQ(grid->Row(), 4);

    // Held to the end: the button disables itself and the release adds nothing.
    press(nbNext);
    EXPECT_EQ(grid->Row(), 5);
    advance(400);
    for (int i = 0; i < 10; ++i)
        advance(100);
    EXPECT_EQ(grid->Row(), 10);
    EXPECT_FALSE(On(nbNext));
    EXPECT_FALSE(On(nbLast));
    release(nbNext);
    EXPECT_EQ(grid->Row(), 10);

    // A short click steps once: on the press, not again on the release.
    press(nbPrior);
    release(nbPrior);
    EXPECT_EQ(grid->Row(), 9);
    advance(1000);
    EXPECT_EQ(grid->Row(), 9);
}

} // namespace

// Each button shows its glyph: ink where the drawing has it, the button face where the
// glyph is transparent, and the second, grey image while disabled.
TEST(Navigator, ButtonsShowTheirGlyphs) {
    std::unique_ptr<TForm, FreeObj> form{new TForm(nullptr, 0)};
    auto* bar = new TChartGridNavigator(form.get());
    bar->SetParent(form.get());
    // A pixel of ink and a pixel of background in each 16 x 16 glyph.
    struct Case {
        TTeeNavigateBtn button;
        TPoint ink, empty;
    };
    const Case cases[] = {
        {nbFirst, {4, 7}, {7, 3}}, {nbPrior, {6, 7}, {4, 7}},  {nbNext, {9, 7}, {11, 7}},
        {nbLast, {11, 7}, {8, 3}}, {nbInsert, {7, 4}, {4, 4}}, {nbDelete, {4, 7}, {7, 4}},
        {nbEdit, {8, 8}, {4, 4}},  {nbPost, {9, 8}, {4, 5}},   {nbCancel, {5, 5}, {7, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.button));
        TTeeNavButton* b = bar->Button(c.button);
        EXPECT_TRUE(b->Caption().isEmpty());
        EXPECT_EQ(b->NumGlyphs(), 2);
        ASSERT_EQ(b->Glyph()->Width(), 32);
        ASSERT_EQ(b->Glyph()->Height(), 16);
        for (TButtonState state : {bsUp, bsDisabled}) {
            TBitmap face;
            face.SetSize(20, 18);
            face.Canvas()->Brush()->SetColor(clBtnFace);
            face.Canvas()->FillRect(TRect{0, 0, 20, 18});
            platform::detail::DrawButtonFace(face.Canvas(), TRect{0, 0, 20, 18}, b->Glyph(), 2, state,
                                             String(), b->Font(), blGlyphLeft, -1, 0);
            // Where the glyph landed: its ink's top-left corner on the face against the same
            // corner in the glyph bitmap.
            const TColor faceColour = TColor(ColorToRGB(clBtnFace));
            TPoint onFace{100, 100}, inGlyph{100, 100};
            for (int y = 0; y < 18; ++y)
                for (int x = 0; x < 20; ++x)
                    if (face.Canvas()->Pixels(x, y) != faceColour) {
                        onFace.X = std::min(onFace.X, x);
                        onFace.Y = std::min(onFace.Y, y);
                    }
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    if (b->Glyph()->Canvas()->Pixels(x, y) != TColor(0xFF00FF)) {
                        inGlyph.X = std::min(inGlyph.X, x);
                        inGlyph.Y = std::min(inGlyph.Y, y);
                    }
            ASSERT_LT(onFace.X, 20) << "the glyph shows";
            const int dx = onFace.X - inGlyph.X, dy = onFace.Y - inGlyph.Y;
            EXPECT_TRUE(dx >= 1 && dx <= 3 && dy >= 0 && dy <= 2) << "centred: " << dx << ", " << dy;
            const TColor ink = state == bsUp ? clBlack : clGray;
            EXPECT_EQ(face.Canvas()->Pixels(dx + c.ink.X, dy + c.ink.Y), ink);
            EXPECT_EQ(face.Canvas()->Pixels(dx + c.empty.X, dy + c.empty.Y), faceColour);
        }
    }
}
