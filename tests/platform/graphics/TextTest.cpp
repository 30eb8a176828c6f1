// Text placement: the anchor of each alignment flag, rotation, extents and DrawText.
#include "GraphicsTestSupport.h"

#include "platform/graphics/FontFamilies.h"
#include "platform/graphics/Gdi.h"

#include <QFont>
#include <QFontMetricsF>

namespace {
struct TextSurface : DrawingSurface {
    TextSurface() : DrawingSurface(200, 120) {
        C()->Font()->SetName(QStringLiteral("Arial"));
        C()->Font()->SetHeight(-20);
        C()->Font()->SetColor(clBlack);
        C()->Brush()->SetStyle(bsClear);
    }
};
} // namespace

TEST(Text, FamiliesMapThroughTheAliasTable) {
    const struct {
        const char* name;
        const char* family;
    } cases[] = {
        {"Arial", "Liberation Sans"},
        {"tahoma", "Liberation Sans"},
        {"MS Sans Serif", "Liberation Sans"},
        {"Segoe UI", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"COURIER NEW", "Liberation Mono"},
        {"DS-Digital", "DSEG7 Classic"},
        {"Elektra", "DSEG14 Classic"},
        {"Wingdings", "DejaVu Sans"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MapFontFamily(QString::fromLatin1(c.name)).Family, QString::fromLatin1(c.family)) << c.name;
    EXPECT_GE(MapFontFamily(QStringLiteral("Segoe UI Semibold")).Weight, 600);
    for (const char* installed :
         {"Liberation Sans", "Liberation Serif", "Liberation Mono", "DSEG7 Classic", "DejaVu Sans"})
        EXPECT_TRUE(ScreenFonts().contains(QString::fromLatin1(installed))) << installed;
}

TEST(Text, HeightIsTheCellOfTheMappedFont) {
    TextSurface s;
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(20);
    const QFontMetricsF m(f);
    EXPECT_EQ(s.C()->TextHeight(QStringLiteral("W")),
              int(std::lround(m.ascent())) + int(std::lround(m.descent())));
    EXPECT_EQ(s.C()->TextWidth(QString()), 0);
    const int w = s.C()->TextWidth(QStringLiteral("WWWW"));
    EXPECT_NEAR(w, 4 * s.C()->TextWidth(QStringLiteral("W")), 2);
    SetTextCharacterExtra(s.DC(), 3);
    EXPECT_EQ(s.C()->TextWidth(QStringLiteral("WWWW")), w + 12);
    EXPECT_EQ(s.C()->Font()->Name(), QStringLiteral("Arial"));
}

TEST(Text, AlignmentFlagsAnchorTheCell) {
    const String text = QStringLiteral("HHH");
    TextSurface probe;
    const int h = probe.C()->TextHeight(text), w = probe.C()->TextWidth(text);
    TEXTMETRICW tm;
    GetTextMetricsW(probe.DC(), &tm);
    const struct {
        UINT align;
        int left, top; // where the cell's corner must be for the reference point (100, 60)
    } cases[] = {
        {TA_LEFT | TA_TOP, 100, 60},
        {TA_RIGHT | TA_TOP, 100 - w, 60},
        {TA_CENTER | TA_TOP, 100 - w / 2, 60},
        {TA_LEFT | TA_BOTTOM, 100, 60 - h},
        {TA_LEFT | TA_BASELINE, 100, 60 - int(tm.tmAscent)},
    };
    for (const auto& c : cases) {
        TextSurface s;
        SetTextAlign(s.DC(), c.align);
        s.C()->TextOut(100, 60, text);
        const TRect ink = s.InkBox();
        // The ink of "H" lies inside its cell, its bottom on the baseline.
        EXPECT_GE(ink.Left, c.left) << c.align;
        EXPECT_LE(ink.Right, c.left + w + 1) << c.align;
        EXPECT_GE(ink.Top, c.top) << c.align;
        EXPECT_NEAR(ink.Bottom, c.top + tm.tmAscent, 1) << c.align;
    }
}

TEST(Text, OpaqueBackgroundFillsTheCell) {
    TextSurface s;
    s.C()->Brush()->SetStyle(bsSolid);
    s.C()->Brush()->SetColor(clYellow);
    s.C()->TextOut(10, 10, QStringLiteral("ii"));
    const TSize e = s.C()->TextExtent(QStringLiteral("ii"));
    EXPECT_EQ(s.InkBox(), Rect(10, 10, 10 + e.cx, 10 + e.cy));
}

TEST(Text, RotatedByNinetyDegreesRunsUpwards) {
    TextSurface s;
    s.C()->Font()->SetOrientation(900);
    s.C()->TextOut(60, 110, QStringLiteral("HHHH"));
    const TRect ink = s.InkBox();
    const int w = TextSurface().C()->TextWidth(QStringLiteral("HHHH"));
    EXPECT_GE(ink.Left, 60); // the cell top is at the reference point...
    EXPECT_LE(ink.Right, 60 + s.C()->TextHeight(QStringLiteral("H")) + 1); // ...and extends to the right
    EXPECT_LE(ink.Bottom, 111);
    EXPECT_GE(ink.Top, 110 - w - 1);
    EXPECT_GT(ink.Height(), ink.Width());
}

TEST(Text, UpdateCurrentPositionMovesThePen) {
    TextSurface s;
    SetTextAlign(s.DC(), TA_UPDATECP);
    s.C()->MoveTo(10, 10);
    s.C()->TextOut(0, 0, QStringLiteral("ab"));
    EXPECT_EQ(s.C()->PenPos(), Point(10 + s.C()->TextWidth(QStringLiteral("ab")), 10));
}

TEST(Text, DrawTextFlags) {
    TextSurface s;
    TRect r = Rect(10, 10, 10, 10);
    const int h = DrawTextW(s.DC(), QStringLiteral("one\r\ntwo three"), -1, &r, DT_CALCRECT);
    const int lh = s.C()->TextHeight(QStringLiteral("W"));
    EXPECT_EQ(h, 2 * lh);
    EXPECT_EQ(r.Bottom, 10 + 2 * lh);
    EXPECT_EQ(r.Right, 10 + s.C()->TextWidth(QStringLiteral("two three")));
    EXPECT_EQ(s.InkCount(), 0); // measuring draws nothing

    TRect wrap = Rect(0, 0, s.C()->TextWidth(QStringLiteral("two three")) - 1, 0);
    EXPECT_EQ(DrawTextW(s.DC(), QStringLiteral("two three"), -1, &wrap, DT_CALCRECT | DT_WORDBREAK), 2 * lh);

    TRect box = Rect(20, 20, 180, 100);
    DrawTextW(s.DC(), QStringLiteral("&Mid"), -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const TRect ink = s.InkBox();
    EXPECT_NEAR((ink.Left + ink.Right) / 2.0, 100, 2);
    EXPECT_NEAR((ink.Top + ink.Bottom) / 2.0, 60, lh / 2.0);
    // The "&" is not drawn: the text is as wide as "Mid".
    EXPECT_LE(ink.Width(), s.C()->TextWidth(QStringLiteral("Mid")) + 1);

    TextSurface clipped;
    TRect small = Rect(0, 0, 15, 40);
    DrawTextW(clipped.DC(), QStringLiteral("WWWWWW"), -1, &small, DT_SINGLELINE);
    EXPECT_LE(clipped.InkBox().Right, 15);
}
