// Framed shapes drawn on a panel's canvas into a white bitmap (styles, shadow, transparency,
// rotation, bevel, gradient), their setters' repaints, Assign, and their published
// properties through the component streams.
#include "chart/engine/panel/TeeShape.h"

#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/panel/CustomTeePanel.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "tests/chart/engine/StreamingSupport.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypInfo.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace {

// A panel that counts its repaints.
class TCountingPanel : public TCustomTeePanel {
public:
    explicit TCountingPanel(TComponent* AOwner) : TCustomTeePanel(AOwner) {}
    void Invalidate() override {
        ++invalidated;
        TCustomTeePanel::Invalidate();
    }
    int invalidated = 0;
};

// A shape on a panel whose canvas draws straight into a 120 x 100 white bitmap. The shape
// covers (20, 20)-(80, 60): yellow fill, black frame, blue shadow of 3.
class Shapes : public ::testing::Test {
protected:
    Shapes() : panel(nullptr), shape(&panel) {
        target.SetSize(120, 100);
        TCanvas3D* c = panel.Canvas();
        c->SetUseBuffer(false);
        c->InitWindow(target.Canvas(), nullptr, clWhite, false, TRect{0, 0, 120, 100});
        c->Projection(0, TRect{0, 0, 120, 100}, TRect{0, 0, 120, 100});
        Clear();
        shape.SetColor(clYellow);
        shape.SetShadowColor(clBlue);
        shape.ShapeBounds = TRect{20, 20, 80, 60};
    }
    TColor At(int x, int y) { return target.Canvas()->Pixels(x, y); }
    // The shadow: blue, lightened by its own smoothing.
    bool Shadowed(int x, int y) {
        const TColor c = At(x, y);
        return ((c >> 16) & 0xFF) > 200 && (c & 0xFF) < 160;
    }
    void Clear() {
        target.Canvas()->Brush()->SetStyle(bsSolid);
        target.Canvas()->Brush()->SetColor(clWhite);
        target.Canvas()->FillRect(TRect{0, 0, 120, 100});
    }
    int CountNotWhite() {
        int n = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 120; ++x)
                n += At(x, y) != clWhite;
        return n;
    }
    TBitmap target;
    TCountingPanel panel;
    TTeeShape shape;
};

TEST_F(Shapes, RectangleWithFrameAndShadow) {
    shape.Draw();
    EXPECT_EQ(At(50, 40), clYellow);
    EXPECT_EQ(At(20, 40), clBlack); // frame
    EXPECT_EQ(At(50, 20), clBlack);
    EXPECT_EQ(At(21, 21), clYellow);
    EXPECT_TRUE(Shadowed(81, 50)); // shadow right of the shape
    EXPECT_TRUE(Shadowed(50, 61)); // and below it
    EXPECT_EQ(At(83, 50), clWhite);
    EXPECT_EQ(At(10, 40), clWhite);
}

TEST_F(Shapes, RoundRectangleAndEllipse) {
    shape.SetShapeStyle(fosRoundRectangle);
    shape.Draw();
    EXPECT_EQ(At(50, 40), clYellow);
    EXPECT_EQ(At(21, 21), clWhite); // the corner is cut off
    EXPECT_EQ(At(50, 20), clBlack);

    Clear();
    shape.SetShapeStyle(fosEllipse);
    shape.Draw();
    EXPECT_EQ(At(50, 40), clYellow);
    EXPECT_EQ(At(25, 24), clWhite);
    EXPECT_EQ(At(22, 40), clYellow);
    EXPECT_NE(At(81, 45), clWhite); // the elliptic shadow
}

TEST_F(Shapes, TransparentAndClearBrush) {
    shape.SetTransparent(true);
    shape.SetBevel(bvRaised);
    shape.Draw();
    EXPECT_EQ(CountNotWhite(), 0); // no frame, no shadow, no bevel

    shape.SetTransparent(false);
    shape.SetBevel(bvNone);
    shape.Brush()->SetStyle(bsClear);
    shape.Draw();
    EXPECT_EQ(At(50, 40), clWhite); // not filled
    EXPECT_EQ(At(20, 40), clBlack); // framed
    EXPECT_EQ(At(81, 50), clWhite); // and without shadow
}

TEST_F(Shapes, TransparencyBlendsAndDrawsASolidShadowCopy) {
    shape.Draw();
    EXPECT_EQ(At(83, 50), clWhite); // the plain shadow ends at 82

    Clear();
    shape.SetTransparency(50);
    shape.Draw();
    // Shadow size 3 plus the pen's width 1: the solid copy reaches 4 pixels beyond.
    EXPECT_EQ(At(82, 50), clBlue); // the solid copy, 4 pixels right and down
    EXPECT_EQ(At(24, 61), clBlue);
    EXPECT_EQ(At(83, 50), clWhite);
    // The body is half yellow, half what lay under it.
    const TColor mixed = At(40, 30);
    EXPECT_EQ(mixed & 0xFFFF, 0xFFFFu);
    EXPECT_NEAR(int((mixed >> 16) & 0xFF), 128, 3);
}

TEST_F(Shapes, RotationAndBevel) {
    shape.SetBevel(bvLowered);
    shape.Draw();
    EXPECT_EQ(At(21, 40), ColorToRGB(clBtnShadow)); // the lowered bevel's dark top-left

    Clear();
    shape.DrawRectRotated(shape.ShapeBounds, 90, 0);
    // Turned a quarter: 40 wide and 60 tall about the same centre (50, 40).
    EXPECT_EQ(At(50, 15), clYellow);
    EXPECT_EQ(At(50, 40), clYellow);
    EXPECT_EQ(At(25, 40), clWhite);
    EXPECT_NE(At(21, 40), ColorToRGB(clBtnShadow)); // no bevel on a rotated shape
    EXPECT_TRUE(Shadowed(72, 50));                  // the shadow of the turned bounds
}

TEST_F(Shapes, GradientFill) {
    TTeeGradient* g = shape.Gradient();
    g->SetStartColor(clRed);
    g->SetEndColor(clBlue);
    g->SetDirection(gdTopBottom);
    g->SetVisible(true);
    shape.Draw();
    const TColor top = At(50, 22), bottom = At(50, 57);
    EXPECT_NE(top, bottom);         // filled from one colour to the other
    EXPECT_EQ(At(20, 40), clBlack); // still framed
}

TEST_F(Shapes, NoParentNoDrawing) {
    TTeeShape loose;
    loose.ShapeBounds = TRect{0, 0, 50, 50};
    loose.Draw(); // no panel: nothing to draw on, no failure
    loose.DrawRectRotated(nullptr, TRect{0, 0, 10, 10}, 30, 0);
    loose.SetColor(clRed); // stored without a repaint
    loose.SetVisible(false);
    EXPECT_EQ(loose.Color(), clRed);
    EXPECT_FALSE(loose.Visible());
    EXPECT_EQ(CountNotWhite(), 0);
}

TEST(ShapeGeometry, RectToFourPointsAndSize) {
    struct {
        TRect r;
        double angle;
        TFourPoints expected;
    } const cases[] = {
        {{0, 0, 100, 50}, 90, {TPoint{25, 75}, TPoint{25, -25}, TPoint{75, -25}, TPoint{75, 75}}},
        {{0, 0, 100, 50}, 0, {TPoint{0, 0}, TPoint{100, 0}, TPoint{100, 50}, TPoint{0, 50}}},
        {{0, 0, 100, 50}, 180, {TPoint{100, 50}, TPoint{0, 50}, TPoint{0, 0}, TPoint{100, 0}}},
        {{-3, -3, 0, 0}, 0, {TPoint{-3, -3}, TPoint{0, -3}, TPoint{0, 0}, TPoint{-3, 0}}}, // centre -1
    };
    for (const auto& c : cases) {
        TFourPoints p;
        RectToFourPoints(c.r, c.angle, p);
        EXPECT_EQ(p, c.expected) << c.angle;
    }

    TTeeShape s;
    s.ShapeBounds = TRect{10, 10, 19, 19};
    EXPECT_EQ(s.Width(), 10);
    EXPECT_EQ(s.Height(), 10);
    s.SetWidth(20);
    EXPECT_EQ(s.ShapeBounds.Right, 29);
    s.SetHeight(5);
    EXPECT_EQ(s.ShapeBounds.Bottom, 14);
}

TEST_F(Shapes, SettersRepaintTheParentOnChange) {
    panel.invalidated = 0;
    shape.SetBevel(bvRaised);
    shape.SetBevel(bvRaised);
    EXPECT_EQ(panel.invalidated, 1);
    shape.SetColor(clYellow); // unchanged
    EXPECT_EQ(panel.invalidated, 1);
    shape.SetColor(clRed);
    shape.SetTransparent(true);
    shape.SetVisible(false);
    shape.SetRoundSize(4);
    shape.SetTransparency(10);
    EXPECT_EQ(panel.invalidated, 6);
    shape.Brush()->SetColor(clGreen);
    shape.Pen()->SetWidth(3);
    shape.Font()->SetSize(20);
    shape.Shadow()->SetSize(6);
    shape.Gradient()->SetVisible(true);
    EXPECT_GE(panel.invalidated, 11);
    EXPECT_EQ(shape.ShadowSize(), 6);
    shape.SetShadow(nullptr); // no shadow: its size and colour read as none
    EXPECT_EQ(shape.ShadowSize(), 0);
    shape.Draw();
}

TEST(ShapeAssign, CopiesEverythingAndDropsWhatTheSourceLacks) {
    TTeeShape a, b;
    a.SetBevel(bvLowered);
    a.SetBevelWidth(4);
    a.SetColor(clRed);
    a.Font()->SetSize(17);
    a.SetShapeStyle(fosEllipse);
    a.SetRoundSize(3);
    a.Shadow()->SetColor(clGreen);
    a.SetTextFormat(ttfHtml);
    a.SetTransparent(true);
    a.SetTransparency(30);
    a.Brush()->SetColor(clAqua);
    a.Pen()->SetWidth(2);
    a.SetVisible(false);
    a.Gradient()->SetStartColor(clNavy);
    b.Picture();
    b.Assign(&a);
    EXPECT_EQ(b.Bevel(), bvLowered);
    EXPECT_EQ(b.BevelWidth(), 4);
    EXPECT_EQ(b.Color(), clRed);
    EXPECT_EQ(b.Font()->Size(), 17);
    EXPECT_EQ(b.ShapeStyle(), fosEllipse);
    EXPECT_EQ(b.RoundSize(), 3);
    EXPECT_EQ(b.ShadowColor(), clGreen);
    EXPECT_EQ(b.TextFormat(), ttfHtml);
    EXPECT_TRUE(b.Transparent());
    EXPECT_EQ(b.Transparency(), 30);
    EXPECT_EQ(b.Brush()->Color(), clAqua);
    EXPECT_EQ(b.Pen()->Width(), 2);
    EXPECT_FALSE(b.Visible());
    ASSERT_TRUE(b.HasGradient());
    EXPECT_EQ(b.Gradient()->StartColor(), clNavy);
    EXPECT_FALSE(b.HasPicture()); // the source has none
}

// A component that publishes one shape, as chart elements do.
class TShapeHolder : public TComponent {
    ORVO_CLASS(TShapeHolder, TComponent)
public:
    explicit TShapeHolder(TComponent* AOwner) : TComponent(AOwner) {}
    TTeeShape* Shape() { return &FShape; }

private:
    TTeeShape FShape;
};
ORVO_IMPLEMENT_CLASS(TShapeHolder, TComponent)
ORVO_PUBLISHED(TShapeHolder) {
    P.Property("Shape", &TShapeHolder::Shape);
}

TEST(ShapeStreaming, DefaultsAreLeftOutAndChangesComeBack) {
    TShapeHolder holder(nullptr);
    holder.SetName("Holder");
    EXPECT_EQ(writeText(&holder).toStdString(),
              QByteArray("object Holder: TShapeHolder\r\nend\r\n").toStdString());
    EXPECT_FALSE(holder.Shape()->HasGradient());
    EXPECT_FALSE(holder.Shape()->HasPicture());

    TTeeShape* s = holder.Shape();
    s->SetBevel(bvRaised);
    s->SetBevelWidth(5);
    s->SetColor(clRed);
    s->Font()->SetSize(14);
    s->Gradient()->SetVisible(true);
    s->SetRoundSize(7);
    s->Shadow()->SetSize(6);
    s->SetShapeStyle(fosRoundRectangle);
    s->SetTransparent(true);
    s->SetVisible(false);
    const QByteArray text = writeText(&holder);
    for (const char* name :
         {"Shape.Bevel = bvRaised", "Shape.BevelWidth = 5", "Shape.Color = clRed",
          "Shape.Gradient.Visible = True", "Shape.RoundSize = 7", "Shape.Shadow.HorizSize = 6",
          "Shape.ShapeStyle = fosRoundRectangle", "Shape.Transparent = True", "Shape.Visible = False"})
        EXPECT_TRUE(text.contains(name)) << name << "\n" << text.toStdString();

    TShapeHolder copy(nullptr);
    readText(text, &copy);
    TTeeShape* c = copy.Shape();
    EXPECT_EQ(c->Bevel(), bvRaised);
    EXPECT_EQ(c->BevelWidth(), 5);
    EXPECT_EQ(c->Color(), clRed);
    EXPECT_EQ(c->Font()->Size(), 14);
    EXPECT_TRUE(c->Gradient()->Visible());
    EXPECT_EQ(c->RoundSize(), 7);
    EXPECT_EQ(c->ShadowSize(), 6);
    EXPECT_EQ(c->ShapeStyle(), fosRoundRectangle);
    EXPECT_TRUE(c->Transparent());
    EXPECT_FALSE(c->Visible());

    // A shape whose owner makes it transparent by default does not store that.
    s->DefaultTransparent = true;
    EXPECT_FALSE(writeText(&holder).contains("Transparent"));
}

TEST(ShapeStreaming, OlderShadowProperties) {
    TShapeHolder holder(nullptr);
    readText(
        "object Holder: TShapeHolder\r\n  Shape.ShadowColor = clRed\r\n  Shape.ShadowSize = 7\r\nend\r\n",
        &holder);
    EXPECT_EQ(holder.Shape()->ShadowColor(), clRed);
    EXPECT_EQ(holder.Shape()->Shadow()->HorizSize(), 7);
    EXPECT_EQ(holder.Shape()->Shadow()->VertSize(), 7);
    readText("object Holder: TShapeHolder\r\n  Shape.ShadowColor = 255\r\nend\r\n", &holder);
    EXPECT_EQ(holder.Shape()->ShadowColor(), TColor(255));
}

} // namespace
