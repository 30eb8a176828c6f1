// Rotated labels whose characters turn apart from the line (the canvas's CharacterAngle).
#include "CanvasTestSupport.h"
#include "chart/engine/canvas/TeeFont.h"
#include "platform/graphics/Gdi.h"

#include <algorithm>

namespace {

struct Box {
    int left = 1000, top = 1000, right = -1, bottom = -1;
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};

// The label drawn at (60, 60) of a white 120 x 120 canvas, and the box of its ink.
Box Label(const char* Text, double RotDegree, double CharacterAngle, int* graphicsModeAfter = nullptr,
          bool Outlined = false) {
    CanvasFixture f(120, 120);
    TTeeFont font;
    font.SetColor(clBlack);
    font.SetSize(20);
    // An outlined font is drawn as the path of its glyphs.
    if (Outlined) {
        font.OutLine()->SetVisible(true);
        font.OutLine()->SetColor(clBlack);
    }
    f.canvas.AssignFont(&font);
    f.canvas.CharacterAngle = CharacterAngle;
    f.canvas.RotateLabel(60, 60, Text, RotDegree);
    if (graphicsModeAfter) *graphicsModeAfter = GetGraphicsMode(f.canvas.Handle());
    Box b;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x)
            if (f.At(x, y) != clWhite) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

} // namespace

TEST(CharacterAngle, TurnsEachCharacterButNotTheLine) {
    // An upright "l" is a tall stroke; turned by 90 degrees it lies flat.
    const Box upright = Label("l", 0, 0);
    ASSERT_GT(upright.Height(), 2 * upright.Width());
    int mode = 0;
    const Box turned = Label("l", 0, 90, &mode);
    EXPECT_GT(turned.Width(), 2 * turned.Height());
    EXPECT_EQ(mode, GM_COMPATIBLE) << "the graphics mode is set back after the label";

    // A line of turned characters still runs to the right: as wide as the upright line
    // (each character keeps its advance) and no taller than one lying stroke.
    const Box line = Label("llll", 0, 90);
    const Box plainLine = Label("llll", 0, 0);
    EXPECT_GE(line.Width(), plainLine.Width());
    EXPECT_LT(line.Height(), upright.Height());

    // The line's own angle still applies: turned by 90 degrees with characters at 90
    // degrees, the characters stand along the line, as an unrotated line's do across it.
    const Box vertical = Label("llll", 90, 90);
    EXPECT_GT(vertical.Height(), vertical.Width());
}

TEST(CharacterAngle, TurnsTheGlyphsOfTextDrawnAsAPath) {
    struct Case {
        const char* text;
        double rot, turn;
        bool wide; // the ink is wider than tall
    };
    // The same shapes as the plain text above, from the outlines of the glyphs.
    const Case cases[] = {{"l", 0, 0, false},
                          {"l", 0, 90, true},
                          {"llll", 0, 90, true},
                          {"llll", 90, 90, false},
                          {"l", 90, 0, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " at " << c.rot << ", characters at " << c.turn);
        int mode = 0;
        const Box b = Label(c.text, c.rot, c.turn, &mode, true);
        ASSERT_GE(b.right, b.left) << "ink was drawn";
        if (c.wide)
            EXPECT_GT(b.Width(), b.Height());
        else
            EXPECT_GT(b.Height(), b.Width());
        EXPECT_EQ(mode, GM_COMPATIBLE);
        // The outline follows the plain text's ink within a pixel or two.
        const Box plain = Label(c.text, c.rot, c.turn);
        EXPECT_NEAR(b.left, plain.left, 2);
        EXPECT_NEAR(b.right, plain.right, 2);
        EXPECT_NEAR(b.top, plain.top, 2);
        EXPECT_NEAR(b.bottom, plain.bottom, 2);
    }
}
