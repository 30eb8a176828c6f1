// Every filter on a small bitmap, checked against values worked out by hand, and the
// framework around them: regions held to the bitmap, lists, assignment, registration.
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/pictures/BitmapFilters.h"
#include "tests/chart/engine/pictures/PixelSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

template <class F> std::unique_ptr<F> Make() {
    return std::make_unique<F>(nullptr);
}

// A 3 x 3 bitmap of gray values given row by row.
std::unique_ptr<TBitmap> Gray3(std::array<Byte, 9> v) {
    return MakeBitmap(3, 3, [&](int x, int y) { return Gray(v[std::size_t(y * 3 + x)]); });
}

} // namespace

TEST(FilterRegion, RectangleFollowsTheRegionRules) {
    TInvertFilter f(nullptr);
    EXPECT_EQ(f.RegionRectangle(100, 50), (TRect{0, 0, 99, 49}));
    EXPECT_FALSE(f.HasRegion());
    f.Region()->SetRectangle(TRect{10, 10, 10, 10}); // width and height 0: to the edges
    EXPECT_EQ(f.RegionRectangle(100, 50), (TRect{10, 10, 99, 49}));
    f.Region()->SetWidth(20);
    f.Region()->SetHeight(100);
    EXPECT_EQ(f.RegionRectangle(100, 50), (TRect{10, 10, 30, 49}));
    f.SetRegion(nullptr);
    EXPECT_FALSE(f.HasRegion());
}

TEST(FilterRegion, RegionsBeyondTheBitmapAreHeldInsideIt) {
    struct Case {
        TRect region;  // left, top, width, height as a rectangle
        TRect changed; // inclusive, or empty
    };
    const Case cases[] = {
        {{-5, -5, 5, 5}, {0, 0, 5, 5}},       // starts before the bitmap
        {{15, 15, 30, 30}, {15, 15, 19, 19}}, // reaches past it
        {{25, 0, 25, 0}, {1, 1, 0, 0}},       // lies wholly to the right: nothing
        {{0, 40, 0, 40}, {1, 1, 0, 0}},       // wholly below: nothing
    };
    for (const Case& c : cases) {
        auto b = SolidBitmap(20, 20, Gray(10));
        TInvertFilter f(nullptr);
        f.Region()->SetRectangle(c.region);
        f.Apply(b.get());
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool inside = PointInRect(c.changed, x, y);
                ASSERT_EQ(Px(b.get(), x, y), Gray(inside ? 245 : 10)) << x << "," << y;
            }
    }
}

TEST(Filters, PerPixelFiltersGiveTheHandWorkedValues) {
    const TRGB red{0, 0, 255};
    struct Case {
        std::string name;
        std::function<TTeeFilter*()> make;
        TRGB in, out;
    };
    const std::vector<Case> cases = {
        {"invert", [] { return new TInvertFilter(nullptr); }, {10, 20, 30}, {245, 235, 225}},
        {"gray simple", [] { return new TGrayScaleFilter(nullptr); }, red, Gray(85)},
        {"gray eye",
         [] {
             auto* f = new TGrayScaleFilter(nullptr);
             f->SetMethod(gmEye);
             return f;
         },
         red, Gray(76)},
        {"gray eye2",
         [] {
             auto* f = new TGrayScaleFilter(nullptr);
             f->SetMethod(gmEye2);
             return f;
         },
         red, Gray(87)},
        {"brightness 50%: 127.5 rounds to the even 128",
         [] {
             auto* f = new TBrightnessFilter(nullptr);
             f->SetAmount(50);
             return f;
         },
         {100, 0, 200},
         {228, 128, 255}},
        {"brightness 10 absolute",
         [] {
             auto* f = new TBrightnessFilter(nullptr);
             f->SetAmount(10);
             f->SetPercent(false);
             return f;
         },
         {100, 0, 250},
         {110, 10, 255}},
        {"contrast 64 absolute",
         [] {
             auto* f = new TContrastFilter(nullptr);
             f->SetAmount(64);
             f->SetPercent(false);
             return f;
         },
         {200, 100, 0},
         {218, 93, 0}},
        {"contrast 50%",
         [] {
             auto* f = new TContrastFilter(nullptr);
             f->SetAmount(50);
             return f;
         },
         {200, 100, 128},
         {228, 95, 128}},
        {"colour",
         [] {
             auto* f = new TColorFilter(nullptr);
             f->SetRed(10);
             f->SetBlue(-20);
             return f;
         },
         {50, 60, 70},
         {30, 60, 80}},
        {"gamma 100 keeps values",
         [] {
             auto* f = new TGammaCorrectionFilter(nullptr);
             f->SetAmount(100);
             return f;
         },
         {1, 128, 254},
         {1, 128, 254}},
        {"gamma 50 squares",
         [] {
             auto* f = new TGammaCorrectionFilter(nullptr);
             f->SetAmount(50);
             return f;
         },
         {0, 128, 255},
         {0, 64, 255}},
        {"saturation beyond the scale keeps pure red red",
         [] {
             auto* f = new THueLumSatFilter(nullptr);
             f->SetSaturation(100);
             return f;
         },
         red, red},
        {"luminance beyond the scale gives white",
         [] {
             auto* f = new THueLumSatFilter(nullptr);
             f->SetLuminance(250);
             return f;
         },
         {10, 20, 200},
         Gray(255)},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TTeeFilter> f(c.make());
        auto b = SolidBitmap(2, 2, c.in);
        f->Apply(b.get());
        EXPECT_EQ(Px(b.get(), 1, 1), c.out) << c.name;
    }
}

TEST(Filters, InvertTwiceRestores) {
    auto b = MakeBitmap(5, 4, Coord);
    TInvertFilter f(nullptr);
    f.Apply(b.get());
    EXPECT_EQ(Px(b.get(), 3, 2), (TRGB{252, 253, 248}));
    f.Apply(b.get());
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(Px(b.get(), x, y), Coord(x, y));
}

TEST(Filters, MosaicBlocksEndInANarrowerBlock) {
    auto b = MakeBitmap(20, 20, Coord);
    TMosaicFilter f(nullptr);
    EXPECT_EQ(f.Amount(), 8);
    f.Apply(b.get());
    // Means of 0..7, 8..15 and 16..19: 3.5, 11.5 and 17.5, rounded to even.
    EXPECT_EQ(Px(b.get(), 0, 0), (TRGB{4, 4, 7}));
    EXPECT_EQ(Px(b.get(), 7, 15), (TRGB{4, 12, 7}));
    EXPECT_EQ(Px(b.get(), 9, 17), (TRGB{12, 18, 7}));
    EXPECT_EQ(Px(b.get(), 19, 19), (TRGB{18, 18, 7}));
}

TEST(Filters, FlipAndReverseMirrorInPlace) {
    for (int rows : {4, 5}) {
        auto b = MakeBitmap(3, rows, Coord);
        TFlipFilter f(nullptr);
        f.Apply(b.get());
        for (int y = 0; y < rows; ++y)
            EXPECT_EQ(Px(b.get(), 1, y), Coord(1, rows - 1 - y)) << rows;
        TReverseFilter r(nullptr);
        r.Apply(b.get());
        EXPECT_EQ(Px(b.get(), 0, 0), Coord(2, rows - 1));
    }
}

TEST(Filters, ConvolutionsChangeOnlyTheInnerPixels) {
    // Blur of Amount 1: the centre becomes the rounded mean of the nine (5 / 9 -> 1).
    auto b = Gray3({0, 0, 0, 0, 0, 0, 0, 0, 5});
    TBlurFilter blur(nullptr);
    blur.Apply(b.get());
    EXPECT_EQ(Px(b.get(), 1, 1), Gray(1));
    EXPECT_EQ(Px(b.get(), 2, 2), Gray(5));
    EXPECT_FLOAT_EQ(blur.InvTotalWeight, 1.0f / 9);

    // Soften: centre, right, below and below-right over 4; blue = 10 x column.
    auto s = MakeBitmap(3, 3, [](int x, int) { return TRGB{Byte(10 * x), 0, 0}; });
    TSoftenFilter soften(nullptr);
    soften.Apply(s.get());
    EXPECT_EQ(Px(s.get(), 1, 1).Blue, 15);

    // Sharpen and emboss keep a plain area (their weights sum to 1 and -1).
    for (TConvolveFilter* f :
         std::initializer_list<TConvolveFilter*>{new TSharpenFilter(nullptr), new TEmbossFilter(nullptr)}) {
        auto p = SolidBitmap(4, 4, Gray(90));
        f->Apply(p.get());
        EXPECT_EQ(Px(p.get(), 1, 2), Gray(90)) << f->ClassName().toStdString();
        delete f;
    }
}

TEST(Filters, BlurWeightsThatCancelOutDoNotDivideByZero) {
    auto b = SolidBitmap(3, 3, Gray(100));
    TBlurFilter blur(nullptr);
    blur.SetAmount(-8);
    blur.Apply(b.get());
    // The kernel applied unscaled: 8 x 100 - 8 x 100.
    EXPECT_EQ(Px(b.get(), 1, 1), Gray(0));
    EXPECT_EQ(Px(b.get(), 0, 1), Gray(100));
    EXPECT_FLOAT_EQ(blur.InvTotalWeight, 1.0f);
}

TEST(Filters, BlurStepsReadThePreviousPass) {
    auto b = MakeBitmap(5, 5, [](int x, int y) { return Gray(x == 2 && y == 2 ? 90 : 0); });
    TBlurFilter blur(nullptr);
    blur.SetSteps(2);
    blur.Apply(b.get());
    // After one pass the inner 3 x 3 holds 10 each; the second pass averages that.
    EXPECT_EQ(Px(b.get(), 2, 2), Gray(10)); // nine tens / 9
    EXPECT_EQ(Px(b.get(), 1, 1), Gray(4));  // four tens / 9 = 4.4
    EXPECT_EQ(Px(b.get(), 0, 0), Gray(0));
    EXPECT_FALSE(blur.ReuseLines);
}

TEST(Filters, ResizeAndCrop) {
    auto b = MakeBitmap(4, 4, Coord);
    TResizeFilter resize(nullptr);
    resize.Apply(b.get()); // no size: nothing
    EXPECT_EQ(b->Width(), 4);
    resize.SetWidth(8);
    resize.SetHeight(2);
    resize.Apply(b.get());
    EXPECT_EQ(b->Width(), 8);
    EXPECT_EQ(b->Height(), 2);

    // The crop is shown enlarged over the whole bitmap, its last pixel included.
    auto c = MakeBitmap(10, 10, Coord);
    TCropFilter crop(nullptr);
    crop.SetLeft(2);
    crop.SetTop(3);
    crop.SetWidth(5);
    crop.SetHeight(5);
    crop.Apply(c.get());
    EXPECT_EQ(c->Width(), 10);
    EXPECT_EQ(Px(c.get(), 0, 0), Coord(2, 3));
    EXPECT_EQ(Px(c.get(), 9, 9), Coord(6, 7));

    // Zoom 20 %: one pixel off each side.
    auto z = MakeBitmap(10, 10, Coord);
    TZoomFilter zoom(nullptr);
    zoom.SetPercent(20);
    zoom.Apply(z.get());
    EXPECT_EQ(Px(z.get(), 0, 0), Coord(1, 1));
    EXPECT_EQ(Px(z.get(), 9, 9), Coord(8, 8));
}

TEST(Filters, RotateTurnsByQuartersAndAnyAngle) {
    auto b = MakeBitmap(100, 50, Coord);
    TRotateFilter r(nullptr);
    r.SetAngle(90);
    r.Apply(b.get());
    ASSERT_EQ(b->Width(), 50);
    ASSERT_EQ(b->Height(), 100);
    for (int x = 0; x < 100; x += 11)
        EXPECT_EQ(Px(b.get(), 49, x), Coord(x, 0)); // the right column is the top row
    EXPECT_EQ(Px(b.get(), 0, 0), Coord(0, 49));

    struct Case {
        double angle;
        TRGB atOrigin; // of a 6 x 4 source
        int width;
    };
    const Case cases[] = {
        {180, Coord(5, 3), 6},
        {270, Coord(5, 0), 4},
        {-90, Coord(5, 0), 4}, // negative angles come into 0..360
        {450, Coord(0, 3), 4}, // as 90
        {360, Coord(0, 0), 6},
        {std::numeric_limits<double>::infinity(), Coord(0, 0), 6},
        {std::numeric_limits<double>::quiet_NaN(), Coord(0, 0), 6},
    };
    for (const Case& c : cases) {
        auto s = MakeBitmap(6, 4, Coord);
        TRotateFilter f(nullptr);
        f.SetAngle(c.angle);
        f.Apply(s.get());
        EXPECT_EQ(s->Width(), c.width) << c.angle;
        EXPECT_EQ(Px(s.get(), 0, 0), c.atOrigin) << c.angle;
    }

    auto d = SolidBitmap(10, 10, Gray(0));
    TRotateFilter f45(nullptr);
    f45.SetAngle(45);
    f45.Apply(d.get());
    EXPECT_EQ(d->Width(), 14);
    EXPECT_EQ(Px(d.get(), 0, 0), Gray(255)); // corner left in the white background
    EXPECT_EQ(Px(d.get(), 7, 7), Gray(0));
}

TEST(Filters, MirrorDoublesTheBitmap) {
    struct Case {
        TMirrorDirection dir;
        int w, h;
        TPoint probe;
        TRGB expected;
    };
    const Case cases[] = {
        {mdRight, 20, 10, {19, 3}, Coord(0, 3)}, {mdRight, 20, 10, {2, 3}, Coord(2, 3)},
        {mdLeft, 20, 10, {0, 3}, Coord(9, 3)},   {mdDown, 10, 20, {4, 19}, Coord(4, 0)},
        {mdUp, 10, 20, {4, 0}, Coord(4, 9)},     {mdUp, 10, 20, {4, 10}, Coord(4, 0)},
    };
    for (const Case& c : cases) {
        auto b = MakeBitmap(10, 10, Coord);
        TMirrorFilter m(nullptr);
        EXPECT_FALSE(m.AllowRegion);
        m.SetDirection(c.dir);
        m.Apply(b.get());
        EXPECT_EQ(b->Width(), c.w);
        EXPECT_EQ(b->Height(), c.h);
        EXPECT_EQ(Px(b.get(), c.probe.X, c.probe.Y), c.expected) << int(c.dir);
    }
}

TEST(Filters, TileCountsAreRaisedToOne) {
    auto b = SolidBitmap(10, 10, Gray(50));
    TTileFilter t(nullptr);
    t.SetNumCols(0);
    t.SetNumRows(-3);
    t.Apply(b.get());
    EXPECT_EQ(t.NumCols(), 1);
    EXPECT_EQ(t.NumRows(), 1);
    EXPECT_EQ(b->Width(), 10);
}

TEST(Filters, BevelBrightensTopLeftAndDarkensBottomRight) {
    auto b = SolidBitmap(10, 10, Gray(100));
    TBevelFilter f(nullptr);
    f.SetBright(50);
    f.SetSize(1);
    f.Apply(b.get());
    EXPECT_EQ(Px(b.get(), 5, 0), Gray(150));
    EXPECT_EQ(Px(b.get(), 5, 9), Gray(50));
    EXPECT_EQ(Px(b.get(), 0, 5), Gray(150));
    EXPECT_EQ(Px(b.get(), 9, 5), Gray(50));
    EXPECT_EQ(Px(b.get(), 0, 9), Gray(100)); // darkened by the bottom row, brightened by the column
    EXPECT_EQ(Px(b.get(), 9, 9), Gray(0));
    EXPECT_EQ(Px(b.get(), 9, 0), Gray(150));
    EXPECT_EQ(Px(b.get(), 5, 5), Gray(100));
}

TEST(Filters, EveryFilterCopesWithTinyAndEmptyBitmaps) {
    ASSERT_NE(FilterClasses, nullptr);
    for (TFilterClass cls : *FilterClasses)
        for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {1, 5}, {5, 1}, {2, 2}}) {
            auto b = SolidBitmap(w, h, Gray(128));
            EXPECT_NO_THROW(TTeeFilter::ApplyTo(cls, b.get()))
                << cls->ClassName().toStdString() << w << "x" << h;
        }
}

TEST(FilterList, AppliesEnabledFiltersInOrderAndCopiesByClass) {
    TFilterItems list(nullptr);
    auto* bright = static_cast<TBrightnessFilter*>(list.Add(TBrightnessFilter::StaticClass()));
    bright->SetAmount(10);
    bright->SetPercent(false);
    list.Add(TInvertFilter::StaticClass());
    list.Add(TInvertFilter::StaticClass())->SetEnabled(false);
    auto b = SolidBitmap(2, 2, Gray(100));
    list.ApplyTo(b.get());
    EXPECT_EQ(Px(b.get(), 0, 0), Gray(145)); // 255 - (100 + 10), the disabled invert skipped

    TFilterItems copy(nullptr);
    copy.Add(TBlurFilter::StaticClass());
    copy.Assign(&list);
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy.Item(0)->ClassType(), TBrightnessFilter::StaticClass());
    EXPECT_EQ(static_cast<TBrightnessFilter*>(copy.Item(0))->Amount(), 10);
    EXPECT_FALSE(static_cast<TBrightnessFilter*>(copy.Item(0))->Percent());
    EXPECT_FALSE(copy.Item(2)->Enabled());
    EXPECT_THROW(list.Add(TBitmap::StaticClass()), EInvalidCast);
}

TEST(FilterRegistry, StandardFiltersRegisteredInOrderWithTheRotateHook) {
    ASSERT_NE(FilterClasses, nullptr);
    ASSERT_EQ(FilterClasses->size(), 21u);
    EXPECT_EQ(FilterClasses->front(), TInvertFilter::StaticClass());
    EXPECT_EQ((*FilterClasses)[9], TBlurFilter::StaticClass());
    EXPECT_EQ(FilterClasses->back(), TZoomFilter::StaticClass());
    EXPECT_NE(TeeGradientRotate, nullptr);
    TFilterClass again[] = {TInvertFilter::StaticClass()};
    TeeRegisterFilters(again);
    EXPECT_EQ(FilterClasses->size(), 21u);

    // The hook turns a gradient's bitmap by the gradient's angle.
    TTeeGradient g;
    g.SetAngle(90);
    auto b = MakeBitmap(6, 4, Coord);
    TeeGradientRotate(&g, b.get());
    EXPECT_EQ(b->Width(), 4);
}

TEST(FilterServices, GrayScaleThenInvert) {
    auto b = SolidBitmap(2, 2, {0, 0, 255});
    TeeGrayScale(b.get(), false, 0);
    EXPECT_EQ(Px(b.get(), 0, 0), Gray(85));
    auto c = SolidBitmap(2, 2, {0, 0, 255});
    TeeGrayScale(c.get(), true, 1);
    EXPECT_EQ(Px(c.get(), 0, 0), Gray(255 - 76));
}

TEST(FilterDescriptions, NamesComeFromTheMessageTexts) {
    EXPECT_EQ(TSoftenFilter(nullptr).Description(), TeeMsg_AntiAlias);
    EXPECT_EQ(TBlurFilter(nullptr).Description(), TeeMsg_Blur);
    EXPECT_EQ(TZoomFilter(nullptr).Description(), TeeMsg_Zoom);
    EXPECT_EQ(TConvolveFilter(nullptr).Description(), QStringLiteral("TConvolveFilter"));
}

namespace {
struct RecordingCreator : IFormCreator {
    std::vector<std::string> calls;
    void AddCheckBox(const String& PropName, const String&, TNotifyEvent) override {
        calls.push_back("check " + PropName.toStdString());
    }
    void AddColor(const String& PropName, const String&) override {
        calls.push_back("color " + PropName.toStdString());
    }
    void AddCombo(const String& PropName) override { calls.push_back("combo " + PropName.toStdString()); }
    void AddInteger(const String& PropName, const String&, int AMin, int AMax) override {
        calls.push_back("integer " + PropName.toStdString() + " " + std::to_string(AMin) + ".." +
                        std::to_string(AMax));
    }
    TScrollBar* AddScroll(const String& PropName, int AMin, int AMax) override {
        calls.push_back("scroll " + PropName.toStdString() + " " + std::to_string(AMin) + ".." +
                        std::to_string(AMax));
        return nullptr;
    }
};
} // namespace

TEST(FilterEditors, FiltersDescribeTheirSettings) {
    struct Case {
        std::function<TTeeFilter*()> make;
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases = {
        {[] { return new TBlurFilter(nullptr); }, {"scroll Steps 1..20", "scroll Amount 0..50"}},
        {[] { return new TBrightnessFilter(nullptr); }, {"scroll Amount -100..100", "check Percent"}},
        {[] { return new TMosaicFilter(nullptr); }, {"scroll Amount 0..100", "check Percent"}},
        {[] { return new TCropFilter(nullptr); },
         {"integer Width 0..10000", "integer Height 0..10000", "integer Left 0..10000",
          "integer Top 0..10000", "check Smooth"}},
        {[] { return new TRotateFilter(nullptr); },
         {"scroll Angle 0..360", "color BackColor", "check AutoSize"}},
        {[] { return new TMirrorFilter(nullptr); }, {"combo Direction"}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TTeeFilter> f(c.make());
        RecordingCreator creator;
        f->CreateEditor(&creator, TNotifyEvent());
        EXPECT_EQ(creator.calls, c.calls) << f->ClassName().toStdString();
    }
    TBrightnessFilter absolute(nullptr);
    absolute.SetPercent(false);
    EXPECT_EQ(absolute.ScrollMin(), -255);
    EXPECT_EQ(absolute.ScrollMax(), 255);
}

namespace {
struct ChangeCounter : TObject {
    int count = 0;
    void Changed(TObject*) { ++count; }
};
} // namespace

TEST(FloatXYZ, OnlyChangedValuesNotify) {
    ChangeCounter counter;
    TFloatXYZ p;
    p.OnChange = Method(&counter, &ChangeCounter::Changed);
    p.SetX(0);
    EXPECT_EQ(counter.count, 0);
    p.SetX(1.5);
    p.SetZ(-2);
    EXPECT_EQ(counter.count, 2);
    TFloatXYZ q;
    q.OnChange = Method(&counter, &ChangeCounter::Changed);
    q.Assign(&p);
    EXPECT_EQ(counter.count, 2);
    EXPECT_EQ(q.Point().X, 1.5);
    EXPECT_EQ(q.Point().Z, -2);
}
