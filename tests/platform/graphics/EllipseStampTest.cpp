// Small plain ellipses are painted once and copied on later calls: each copy must carry its
// own colours, leave the background outside the outline (and inside without a brush)
// untouched, and obey the DC's origin and clip region like the spans drawn directly.
#include "GraphicsTestSupport.h"

#include "platform/graphics/Gdi.h"

namespace {

// The pixels of a 9 x 9 ellipse at (x, y), as painted: 0 background, 1 outline, 2 inside.
std::vector<int> EllipseMask(DrawingSurface& s, int x, int y, TColor pen, TColor fill) {
    std::vector<int> mask;
    for (int j = 0; j < 9; ++j)
        for (int i = 0; i < 9; ++i) {
            const TColor c = s.At(x + i, y + j);
            mask.push_back(c == pen ? 1 : c == fill ? 2 : 0);
        }
    return mask;
}

} // namespace

TEST(EllipseStamp, RepeatedEllipsesKeepTheirColoursAndShape) {
    DrawingSurface s(60, 30);
    s.C()->Brush()->SetColor(clYellow);
    s.C()->Ellipse(1, 1, 10, 10);
    s.C()->Pen()->SetColor(clBlue);
    s.C()->Brush()->SetColor(clLime);
    s.C()->Ellipse(12, 1, 21, 10);
    s.C()->Pen()->SetColor(clBlack);
    s.C()->Brush()->SetColor(clYellow);
    s.C()->Ellipse(23, 1, 32, 10); // the first one again, from the copy
    s.C()->Brush()->SetStyle(bsClear);
    s.C()->Ellipse(34, 1, 43, 10); // outline only: the inside stays white

    const std::vector<int> first = EllipseMask(s, 1, 1, clBlack, clYellow);
    EXPECT_EQ(EllipseMask(s, 12, 1, clBlue, clLime), first);
    EXPECT_EQ(EllipseMask(s, 23, 1, clBlack, clYellow), first);
    std::vector<int> outline = first;
    for (int& m : outline)
        if (m == 2) m = 0;
    EXPECT_EQ(EllipseMask(s, 34, 1, clBlack, clFuchsia), outline);
    EXPECT_EQ(s.At(5, 5), clYellow);
    EXPECT_EQ(s.At(38, 5), clWhite);
    // The corners of each box are background.
    for (int x : {1, 12, 23, 34})
        EXPECT_EQ(s.At(x, 1), clWhite) << x;
}

TEST(EllipseStamp, CopiesFollowTheOriginAndTheClip) {
    DrawingSurface plain;
    plain.C()->Brush()->SetColor(clRed);
    plain.C()->Ellipse(10, 10, 19, 19);

    DrawingSurface moved;
    moved.C()->Brush()->SetColor(clRed);
    moved.C()->Ellipse(10, 10, 19, 19); // fills the copy
    moved.C()->Brush()->SetColor(clWhite);
    moved.C()->FillRect(Rect(0, 0, 40, 40));
    moved.C()->Brush()->SetColor(clRed);
    SetWindowOrgEx(moved.DC(), -5, -3, nullptr);
    IntersectClipRect(moved.DC(), 5, 5, 14, 40); // logical: device x 10..18, y 8..
    moved.C()->Ellipse(5, 7, 14, 16);
    SetWindowOrgEx(moved.DC(), 0, 0, nullptr);

    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inClip = x >= 10 && x < 19 && y >= 8;
            const TColor want = inClip ? plain.At(x, y) : clWhite;
            ASSERT_EQ(moved.At(x, y), want) << x << "," << y;
        }
}
