// Fonts, pens and brushes: change notification, size and height, handles.
#include "GraphicsTestSupport.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/GdiObject.h"

#include <gtest/gtest.h>

#include <functional>

TEST(DrawingObjects, ChangesAreAnnouncedOncePerRealChange) {
    TPen pen;
    TBrush brush;
    TFont font;
    int n = 0;
    TNotifyEvent count([&](TObject*) { ++n; });
    pen.OnChange = brush.OnChange = font.OnChange = count;
    pen.SetColor(clRed);
    pen.SetColor(clRed);
    pen.SetWidth(3);
    brush.SetStyle(bsCross);
    font.SetStyle({fsBold});
    font.SetName(QStringLiteral("Arial"));
    EXPECT_EQ(n, 5);
}

TEST(DrawingObjects, FontSizeAndHeightAt96Dpi) {
    TFont f;
    f.SetSize(8);
    EXPECT_EQ(f.Height(), -11);
    EXPECT_EQ(f.Size(), 8);
    f.SetHeight(-16);
    EXPECT_EQ(f.Size(), 12);
    EXPECT_EQ(f.Handle()->qfont.pixelSize(), 16);
    f.SetHeight(20); // a positive height is the cell height
    const QFontMetricsF m(f.Handle()->qfont);
    EXPECT_NEAR(m.ascent() + m.descent(), 20, 1);
}

TEST(DrawingObjects, FontHandleRoundTripsItsLogFont) {
    TFont f;
    f.SetName(QStringLiteral("Segoe UI"));
    f.SetHeight(-16);
    f.SetStyle({fsBold, fsItalic});
    LOGFONTW lf;
    ASSERT_EQ(GetObject(f.Handle(), sizeof lf, &lf), int(sizeof lf));
    lf.lfEscapement = 450;
    TFont g;
    g.SetHandle(CreateFontIndirectW(&lf));
    EXPECT_EQ(g.Name(), QStringLiteral("Segoe UI"));
    EXPECT_EQ(g.Height(), -16);
    EXPECT_EQ(g.Orientation(), 450);
    EXPECT_TRUE(g.Style().Contains(fsBold));
    EXPECT_TRUE(g.Style().Contains(fsItalic));
}

// A font switched back and forth between descriptions (a label smoothed or turned, then the
// font as it was) gets the objects of the two latest back instead of new ones; every object
// handed out describes the font as it is, and one given back to the font is owned once.
TEST(DrawingObjects, FontFindsTheObjectsOfItsLatestDescriptionsAgain) {
    TFont f;
    f.SetName(QStringLiteral("Arial"));
    const HFONT plain = f.Handle();
    f.SetQuality(ANTIALIASED_QUALITY);
    const HFONT smooth = f.Handle();
    EXPECT_NE(smooth, plain);
    f.SetQuality(DEFAULT_QUALITY);
    EXPECT_EQ(f.Handle(), plain);
    f.SetQuality(ANTIALIASED_QUALITY);
    EXPECT_EQ(f.Handle(), smooth);

    struct Step {
        const char* what;
        std::function<void(TFont&)> change;
        LONG height, escapement;
        Byte quality;
    };
    const Step steps[] = {
        {"turned", [](TFont& g) { g.SetOrientation(900); }, -11, 900, ANTIALIASED_QUALITY},
        {"taller", [](TFont& g) { g.SetHeight(-20); }, -20, 900, ANTIALIASED_QUALITY},
        {"level again", [](TFont& g) { g.SetOrientation(0); }, -20, 0, ANTIALIASED_QUALITY},
        {"smaller again", [](TFont& g) { g.SetHeight(-11); }, -11, 0, ANTIALIASED_QUALITY},
        {"plain again", [](TFont& g) { g.SetQuality(DEFAULT_QUALITY); }, -11, 0, DEFAULT_QUALITY},
        {"both at once", [](TFont& g) { g.SetOrientation(900), g.SetHeight(-20); }, -20, 900,
         DEFAULT_QUALITY},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change(f);
        const HFONT h = f.Handle();
        EXPECT_EQ(h->lf.lfHeight, step.height);
        EXPECT_EQ(h->lf.lfEscapement, step.escapement);
        EXPECT_EQ(h->lf.lfQuality, step.quality);
        EXPECT_EQ(h->qfont.pixelSize(), -step.height);
    }

    // An earlier object given back as the font's own is not also kept as a recent one.
    f.SetHeight(-11);
    const HFONT earlier = f.Handle();
    f.SetHeight(-30);
    f.Handle();
    f.SetHandle(earlier);
    EXPECT_EQ(f.Handle(), earlier);
    EXPECT_EQ(f.Height(), -11);
    // Retiring it and the next ones deletes each object once (a double delete would abort).
    for (int height : {-12, -13, -14, -15}) {
        f.SetHeight(height);
        EXPECT_EQ(f.Handle()->lf.lfHeight, height);
    }
}

TEST(DrawingObjects, ReplacedPenHandleIsSelectedByTheCanvas) {
    TBitmap b(20, 5);
    LOGBRUSH lb;
    lb.lbColor = RGB(255, 0, 0);
    b.Canvas()->Pen()->SetHandle(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, 3, &lb, 0, nullptr));
    EXPECT_EQ(b.Canvas()->Pen()->Width(), 3);
    EXPECT_EQ(b.Canvas()->Pen()->Color(), clRed);
    b.Canvas()->MoveTo(2, 2);
    b.Canvas()->LineTo(10, 2);
    EXPECT_EQ(b.Canvas()->Pixels(5, 1), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(5, 3), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(1, 2), clWhite); // flat caps end at the points
}

TEST(DrawingObjects, ClearBrushBecomesSolidWhenColoured) {
    TBrush b;
    b.SetStyle(bsClear);
    b.SetColor(clRed);
    EXPECT_EQ(b.Style(), bsSolid);
}

TEST(DrawingObjects, PublishedPropertiesReadAndWriteByName) {
    // Form resources set the drawing objects of a control by name ("Font.Height = -16",
    // "Pen.Style = psDot", "Font.Charset = DEFAULT_CHARSET").
    TFont font;
    SetOrdProp(&font, QStringLiteral("Height"), -16);
    SetStrProp(&font, QStringLiteral("Name"), QStringLiteral("Segoe UI"));
    SetSetProp(&font, QStringLiteral("Style"), QStringLiteral("[fsBold,fsUnderline]"));
    SetEnumProp(&font, QStringLiteral("Pitch"), QStringLiteral("fpFixed"));
    SetOrdProp(&font, QStringLiteral("Orientation"), 900);
    int charset = -1;
    ASSERT_TRUE(
        FindIdentToInt(PropType(&font, QStringLiteral("Charset")))(QStringLiteral("ANSI_CHARSET"), charset));
    SetOrdProp(&font, QStringLiteral("Charset"), charset);
    int color = 0;
    ASSERT_TRUE(FindIdentToInt(PropType(&font, QStringLiteral("Color")))(QStringLiteral("clBtnText"), color));
    SetOrdProp(&font, QStringLiteral("Color"), color);
    EXPECT_EQ(font.Height(), -16);
    EXPECT_EQ(font.Name(), QStringLiteral("Segoe UI"));
    EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(font.Pitch(), fpFixed);
    EXPECT_EQ(font.Orientation(), 900);
    EXPECT_EQ(font.Charset(), ANSI_CHARSET);
    EXPECT_EQ(font.Color(), clBtnText);
    EXPECT_EQ(GetOrdProp(&font, QStringLiteral("Size")), 12);
    EXPECT_EQ(GetSetProp(&font, QStringLiteral("Style"), true), QStringLiteral("[fsBold,fsUnderline]"));
    String ident;
    ASSERT_TRUE(FindIntToIdent(PropType(&font, QStringLiteral("Charset")))(DEFAULT_CHARSET, ident));
    EXPECT_EQ(ident, QStringLiteral("DEFAULT_CHARSET"));
    // Height carries the size: Size is never stored; the rest of a form's font always is.
    EXPECT_FALSE(IsStoredProp(&font, QStringLiteral("Size")));
    for (const char* stored : {"Charset", "Color", "Height", "Name", "Style"})
        EXPECT_EQ(GetPropInfo(&font, QString::fromLatin1(stored))->Default, NoDefault) << stored;

    TPen pen;
    SetEnumProp(&pen, QStringLiteral("Style"), QStringLiteral("psDot"));
    SetEnumProp(&pen, QStringLiteral("Mode"), QStringLiteral("pmNotXor"));
    SetOrdProp(&pen, QStringLiteral("Width"), 3);
    SetOrdProp(&pen, QStringLiteral("Color"), clRed);
    EXPECT_EQ(pen.Style(), psDot);
    EXPECT_EQ(pen.Mode(), pmNotXor);
    EXPECT_EQ(pen.Width(), 3);
    EXPECT_EQ(pen.Color(), clRed);
    EXPECT_EQ(GetEnumProp(&pen, QStringLiteral("Mode")), QStringLiteral("pmNotXor"));

    TBrush brush;
    SetEnumProp(&brush, QStringLiteral("Style"), QStringLiteral("bsDiagCross"));
    SetOrdProp(&brush, QStringLiteral("Color"), clBtnFace);
    EXPECT_EQ(brush.Style(), bsDiagCross);
    EXPECT_EQ(brush.Color(), clBtnFace);
    EXPECT_EQ(GetEnumProp(&brush, QStringLiteral("Style")), QStringLiteral("bsDiagCross"));

    // Fresh objects hold their published defaults, so nothing of them is written.
    struct Default {
        TPersistent* object;
        const char* name;
    };
    TPen freshPen;
    TBrush freshBrush;
    TFont freshFont;
    for (const Default& d :
         {Default{&freshPen, "Color"}, Default{&freshPen, "Mode"}, Default{&freshPen, "Style"},
          Default{&freshPen, "Width"}, Default{&freshBrush, "Color"}, Default{&freshBrush, "Style"},
          Default{&freshFont, "Orientation"}, Default{&freshFont, "Pitch"}}) {
        PPropInfo info = GetPropInfo(d.object, QString::fromLatin1(d.name));
        ASSERT_NE(info, nullptr) << d.name;
        EXPECT_EQ(GetOrdProp(d.object, info), info->Default)
            << d.object->ClassName().toStdString() << "." << d.name;
    }
}

// A pen, brush or font changed between two drawing calls on the same canvas: the change
// deletes the handle the canvas's DC still has selected, and calls that work on the DC
// before the canvas selects the new handle (text, clipping) must not touch a freed
// object; the first call keeps its colour and the second one draws in the new colour.
TEST(DrawingObjects, AnObjectChangedBetweenTwoCallsDrawsTheSecondInItsNewColour) {
    using Set = std::function<void(TCanvas*, TColor)>;
    using Draw = std::function<void(TCanvas*, int top)>; // draws within rows [top, top + 20)
    const Draw line = [](TCanvas* c, int top) {
        c->MoveTo(2, top + 10);
        c->LineTo(50, top + 10);
    };
    const Draw fill = [](TCanvas* c, int top) { c->FillRect(Rect(4, top + 2, 40, top + 18)); };
    const Draw text = [](TCanvas* c, int top) { c->TextOut(2, top, QStringLiteral("WHW")); };
    struct Case {
        const char* what;
        Set set;
        Draw draw;
    };
    const Case cases[] = {
        {"pen colour", [](TCanvas* c, TColor v) { c->Pen()->SetColor(v); }, line},
        {"pen colour and width",
         [](TCanvas* c, TColor v) {
             c->Pen()->SetColor(v);
             c->Pen()->SetWidth(v == clRed ? 3 : 5);
         },
         line},
        {"brush colour", [](TCanvas* c, TColor v) { c->Brush()->SetColor(v); }, fill},
        {"brush colour and style",
         [](TCanvas* c, TColor v) {
             c->Brush()->SetColor(v);
             c->Brush()->SetStyle(v == clRed ? bsSolid : bsCross);
         },
         fill},
        {"font colour", [](TCanvas* c, TColor v) { c->Font()->SetColor(v); }, text},
        {"font colour and height",
         [](TCanvas* c, TColor v) {
             c->Font()->SetColor(v);
             c->Font()->SetHeight(v == clRed ? -16 : -18);
         },
         text},
    };
    for (const Case& c : cases) {
        DrawingSurface s(60, 60);
        TCanvas* canvas = s.C();
        canvas->Font()->SetStyle({fsBold});
        HDC dc = s.DC();
        c.set(canvas, clRed);
        c.draw(canvas, 0);
        c.set(canvas, clBlue);
        // Straight on the DC, with whatever it has selected: text (which leaves the
        // painter's pen and brush stale) and clipping (which brings them up to date).
        SetBkMode(dc, TRANSPARENT);
        TextOut(dc, 2, 44, QStringLiteral("x"));
        IntersectClipRect(dc, 0, 0, 60, 60);
        c.draw(canvas, 20);
        auto count = [&](int top, TColor colour) {
            int n = 0;
            for (int y = top; y < top + 20; ++y)
                for (int x = 0; x < 60; ++x)
                    n += s.At(x, y) == colour;
            return n;
        };
        EXPECT_GT(count(0, clRed), 0) << c.what;
        EXPECT_EQ(count(0, clBlue), 0) << c.what;
        EXPECT_GT(count(20, clBlue), 0) << c.what;
        EXPECT_EQ(count(20, clRed), 0) << c.what;
    }
}
