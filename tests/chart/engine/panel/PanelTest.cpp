// The chart panel: the layout of one frame (ChartRect from margins, frame and shadow),
// repaint suspension, the listener broadcast, and the zoom and back-image settings.
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// The protected mouse handlers, reachable for the tests.
class TProbePanel : public TDraw3D {
public:
    explicit TProbePanel(TComponent* AOwner = nullptr) : TDraw3D(AOwner) {}
    using TDraw3D::MouseDown;
    using TDraw3D::MouseMove;
    using TDraw3D::MouseUp;
};

class TTestListener : public TInterfacedObject, public ITeeEventListener {
public:
    explicit TTestListener(std::function<void(TTeeEvent*)> f, bool* destroyed = nullptr)
        : onEvent(std::move(f)), destroyed_(destroyed) {}
    ~TTestListener() override {
        if (destroyed_) *destroyed_ = true;
    }
    void TeeEvent(TTeeEvent* Event) override {
        ++calls;
        if (onEvent) onEvent(Event);
        // Touches the object after the handler ran: freed here, the sanitizer notices.
        ++after;
    }
    std::function<void(TTeeEvent*)> onEvent;
    int calls = 0;
    int after = 0;

private:
    bool* destroyed_;
};

// Draws the panel's frame into a bitmap of the panel's size.
struct Frame {
    explicit Frame(TCustomTeePanel& p) {
        target.SetSize(p.Width(), p.Height());
        p.Draw(target.Canvas(), TRect{0, 0, p.Width(), p.Height()});
    }
    TColor At(int x, int y) { return target.Canvas()->Pixels(x, y); }
    TBitmap target;
};

} // namespace

TEST(PanelLayout, ChartRectFromMarginsFrameAndShadow) {
    struct Case {
        const char* name;
        TTeeUnits units;
        int shadowH, shadowV;
        bool border;
        TRect expected;
    };
    const Case cases[] = {
        {"percent", muPercent, 0, 0, false, {12, 10, 388, 240}},
        {"pixels", muPixels, 0, 0, false, {3, 4, 397, 246}},
        {"shadow to the left", muPercent, -5, 0, false, {22, 10, 388, 240}},
        {"shadow right and down", muPercent, 3, 2, false, {12, 10, 382, 236}},
        {"border of width 1", muPercent, 0, 0, true, {13, 11, 387, 239}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDraw3D panel(nullptr);
        panel.SetBevelOuter(bvNone);
        panel.SetMarginUnits(c.units);
        panel.Shadow()->SetHorizSize(c.shadowH);
        panel.Shadow()->SetVertSize(c.shadowV);
        panel.Border()->SetVisible(c.border);
        Frame f(panel);
        EXPECT_EQ(panel.ChartBounds(), (TRect{0, 0, 400, 250}));
        EXPECT_EQ(panel.ChartRect, c.expected);
        EXPECT_EQ(panel.ChartWidth(), c.expected.Right - c.expected.Left);
        EXPECT_EQ(panel.ChartXCenter(), (c.expected.Left + c.expected.Right) / 2);
    }
}

TEST(PanelLayout, DegenerateChartRectIsMadeUsable) {
    TDraw3D panel(nullptr);
    panel.SetCustomChartRect(true);
    panel.ChartRect = {50, 40, 20, 40}; // right left of left, empty height
    panel.ReCalcWidthHeight();
    EXPECT_EQ(panel.ChartRect, (TRect{50, 40, 51, 40 + 250}));
    EXPECT_EQ(panel.ChartWidth(), 1);
    EXPECT_EQ(panel.ChartHeight(), 250);
}

TEST(PanelLayout, ZeroSizedPanelDrawsWithoutFault) {
    TDraw3D panel(nullptr);
    panel.SetBounds(0, 0, 0, 0);
    TBitmap target;
    panel.Draw(target.Canvas(), TRect{0, 0, 0, 0});
    EXPECT_GE(panel.ChartWidth(), 0);
    EXPECT_EQ(panel.CalcProportionalMargins(), (TRect{15, 15, 15, 15}));
    TRect r{10, 10, 10, 10};
    int vw, vh, ww, wh;
    panel.CalcMetaBounds(r, panel.GetRectangle(), vw, vh, ww, wh);
    EXPECT_EQ(r, (TRect{10, 10, 10, 10}));
}

TEST(PanelLayout, CalcMetaBoundsShrinksByPrintResolution) {
    TDraw3D panel(nullptr);
    panel.SetPrintResolution(50);
    TRect r{100, 200, 900, 700};
    int vw, vh, ww, wh;
    panel.CalcMetaBounds(r, TRect{0, 0, 400, 250}, vw, vh, ww, wh);
    EXPECT_EQ(vw, 800);
    EXPECT_EQ(vh, 500);
    EXPECT_EQ(ww, 200);
    EXPECT_EQ(wh, 125);
    EXPECT_EQ(r, (TRect{25, 50, 225, 175}));
}

TEST(PanelRepaint, BufferKeptUntilInvalidated) {
    TDraw3D panel(nullptr);
    int paints = 0;
    panel.OnPaint = [&](TObject*, const TRect&) { ++paints; };
    Frame f(panel);
    ASSERT_EQ(paints, 1);
    auto* canvas = dynamic_cast<TTeeCanvas3D*>(panel.Canvas());
    ASSERT_NE(canvas, nullptr);
    TBitmap* buffer = canvas->Bitmap();
    EXPECT_FALSE(canvas->Dirty());
    // The same size again reuses the same image.
    panel.Draw(f.target.Canvas(), TRect{0, 0, 400, 250});
    EXPECT_EQ(canvas->Bitmap(), buffer);
    // With repainting suspended a change leaves the image valid; afterwards it is stale.
    panel.SetAutoRepaint(false);
    panel.SetMarginLeft(10);
    EXPECT_FALSE(canvas->Dirty());
    panel.SetAutoRepaint(true);
    panel.SetMarginLeft(11);
    EXPECT_TRUE(canvas->Dirty());
    // Setting a value it already has repaints nothing.
    panel.Draw(f.target.Canvas(), TRect{0, 0, 400, 250});
    panel.SetMarginLeft(11);
    EXPECT_FALSE(canvas->Dirty());
}

TEST(PanelRepaint, InternalCanvasSwapKeepsSettings) {
    TDraw3D panel(nullptr);
    panel.SetMonochrome(true);
    TCanvas3D* old = panel.Canvas();
    panel.SetInternalCanvas(nullptr);
    EXPECT_EQ(panel.Canvas(), old);
    auto* fresh = new TTeeCanvas3D;
    panel.SetInternalCanvas(fresh);
    EXPECT_EQ(panel.Canvas(), fresh);
    EXPECT_TRUE(panel.Monochrome());
}

TEST(PanelListeners, AddRemoveAndView3DEvent) {
    TDraw3D panel(nullptr);
    std::vector<const char*> seen;
    auto* a = new TTestListener([&](TTeeEvent* e) {
        EXPECT_EQ(e->Sender, &panel);
        seen.push_back(dynamic_cast<TTeeView3DEvent*>(e) ? "view" : "other");
    });
    TTeeEventListeners* list = panel.Listeners();
    EXPECT_EQ(list->Add(a), 0);
    EXPECT_EQ(list->Add(a), 0);
    EXPECT_EQ(list->Count(), 1);
    panel.SetView3D(true); // unchanged: no event
    EXPECT_TRUE(seen.empty());
    panel.SetView3D(false);
    EXPECT_EQ(seen, std::vector<const char*>{"view"});
    EXPECT_EQ(list->Remove(a), 0);
    EXPECT_EQ(list->Remove(a), -1);
}

TEST(PanelListeners, ListenerRemovingItselfLivesUntilItsCallEnds) {
    TDraw3D panel(nullptr);
    bool destroyed = false;
    TTestListener* self = nullptr;
    self = new TTestListener([&](TTeeEvent*) { panel.RemoveListener(self); }, &destroyed);
    auto* second = new TTestListener(nullptr);
    TInterfacePtr<ITeeEventListener> keepSecond(second);
    panel.Listeners()->Add(self);
    panel.Listeners()->Add(second);
    panel.BroadcastMouseEvent(meDown, mbLeft, {}, 1, 2);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(panel.Listeners()->Count(), 1);
}

TEST(PanelListeners, MouseBroadcastStopsAtTheListenerThatCancels) {
    TProbePanel panel;
    std::vector<int> order;
    auto* first = new TTestListener([&](TTeeEvent* e) {
        order.push_back(1);
        auto* m = dynamic_cast<TTeeMouseEvent*>(e);
        ASSERT_NE(m, nullptr);
        if (m->Event != meMove) panel.SetCancelMouse(true);
    });
    auto* second = new TTestListener([&](TTeeEvent*) { order.push_back(2); });
    panel.Listeners()->Add(first);
    panel.Listeners()->Add(second);

    panel.MouseDown(mbLeft, {}, 5, 5);
    EXPECT_EQ(order, (std::vector<int>{1}));
    order.clear();
    // Mouse-up does not reset CancelMouse; a value already set does not stop the others.
    panel.SetCancelMouse(true);
    first->onEvent = [&](TTeeEvent*) { order.push_back(1); };
    panel.MouseUp(mbLeft, {}, 5, 5);
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    order.clear();
    panel.MouseMove({}, 6, 6);
    EXPECT_FALSE(panel.CancelMouse());
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(PanelListeners, ListenerAddedDuringBroadcastIsReached) {
    TDraw3D panel(nullptr);
    auto* late = new TTestListener(nullptr);
    auto* adder = new TTestListener([&](TTeeEvent*) { panel.Listeners()->Add(late); });
    TInterfacePtr<ITeeEventListener> keep(late);
    panel.Listeners()->Add(adder);
    panel.BroadcastMouseEvent(meMove, mbLeft, {}, 0, 0);
    EXPECT_EQ(late->calls, 1);
}

TEST(PanelMouse, DblClickCancelledEndsWithSilentAbort) {
    TDraw3D panel(nullptr);
    panel.OnDblClick = [&](TObject*) { panel.SetCancelMouse(true); };
    EXPECT_THROW(panel.DblClick(), EAbort);
    panel.OnDblClick = [&](TObject*) {};
    EXPECT_NO_THROW(panel.DblClick());
}

TEST(ZoomSettings, DefaultsAssignAndDragState) {
    TTeeZoom zoom;
    EXPECT_TRUE(zoom.Allow());
    EXPECT_FALSE(zoom.Animated());
    EXPECT_EQ(zoom.AnimatedSteps(), 8);
    EXPECT_EQ(zoom.Direction(), tzdBoth);
    EXPECT_EQ(zoom.MinimumPixels(), 16);
    EXPECT_EQ(zoom.MouseButton(), mbLeft);
    EXPECT_FALSE(zoom.UpLeftZooms());
    EXPECT_FALSE(zoom.HasPen());
    EXPECT_FALSE(zoom.HasBrush());
    EXPECT_EQ(zoom.Pen()->Color(), clWhite);
    EXPECT_EQ(zoom.Brush()->Style(), bsClear);

    TTeeZoom source;
    source.SetAllow(false);
    source.SetAnimatedSteps(3);
    source.SetDirection(tzdVertical);
    source.SetMinimumPixels(2);
    source.SetUpLeftZooms(true);
    source.Pen()->SetColor(clRed);
    zoom.Assign(&source);
    EXPECT_FALSE(zoom.Allow());
    EXPECT_EQ(zoom.AnimatedSteps(), 3);
    EXPECT_EQ(zoom.Direction(), tzdVertical);
    EXPECT_EQ(zoom.MinimumPixels(), 16);
    EXPECT_FALSE(zoom.UpLeftZooms());
    EXPECT_EQ(zoom.Pen()->Color(), clRed);
    EXPECT_FALSE(zoom.HasBrush()); // the source had none

    zoom.Activate(5, 7);
    zoom.X1 = 2;
    zoom.Y1 = 9;
    zoom.Check();
    EXPECT_TRUE(zoom.Active());
    EXPECT_EQ((TRect{zoom.X0, zoom.Y0, zoom.X1, zoom.Y1}), (TRect{2, 7, 5, 9}));
}

TEST(ExtendedPanel, LazyPartsAndUndoZoom) {
    TDraw3D panel(nullptr);
    EXPECT_FALSE(panel.HasGradient());
    EXPECT_FALSE(panel.HasBackImage());
    EXPECT_FALSE(panel.BackImageInside());
    EXPECT_FALSE(panel.BackImageTransp());
    EXPECT_EQ(panel.AllowPanning(), pmBoth);
    panel.SetBackImageInside(true); // creates the image, still without a graphic
    EXPECT_FALSE(panel.HasBackImage());
    EXPECT_FALSE(panel.BackImageInside());
    panel.SetBackImage(nullptr);
    panel.Gradient()->SetVisible(true);
    EXPECT_TRUE(panel.HasGradient());
    panel.SetGradient(nullptr);
    EXPECT_FALSE(panel.HasGradient());

    int undone = 0;
    panel.OnUndoZoom = [&](TObject* s) {
        EXPECT_EQ(s, &panel);
        ++undone;
    };
    panel.SetZoomed(true);
    panel.UndoZoom();
    EXPECT_EQ(undone, 1);
    EXPECT_FALSE(panel.Zoomed());
}

TEST(ExtendedPanel, AssignCopiesBackgroundAndSettings) {
    TDraw3D a(nullptr), b(nullptr);
    a.Gradient()->SetVisible(true);
    a.Gradient()->SetStartColor(clRed);
    a.SetAllowPanning(pmVertical);
    a.Zoom()->SetAnimated(true);
    a.SetMarginTop(9);
    a.SetMarginUnits(muPixels);
    a.SetBorderRound(4);
    a.SetView3D(false);
    a.Shadow()->SetHorizSize(6);
    b.BackImage()->SetMode(pbmTile);
    b.Assign(&a);
    EXPECT_TRUE(b.HasGradient());
    EXPECT_EQ(b.Gradient()->StartColor(), clRed);
    EXPECT_FALSE(b.HasBackImage());
    EXPECT_EQ(b.AllowPanning(), pmVertical);
    EXPECT_TRUE(b.AnimatedZoom());
    EXPECT_EQ(b.MarginTop(), 9);
    EXPECT_EQ(b.MarginUnits(), muPixels);
    EXPECT_EQ(b.BorderRound(), 4);
    EXPECT_FALSE(b.View3D());
    EXPECT_EQ(b.Shadow()->HorizSize(), 6);
}

TEST(BackImage, SettersNotifyOnChangeOnly) {
    TBackImage image;
    int changes = 0;
    image.OnChange = [&](TObject*) { ++changes; };
    image.SetMode(pbmStretch);
    image.SetInside(false);
    EXPECT_EQ(changes, 0);
    image.SetMode(pbmCenter);
    image.SetLeft(3);
    image.SetTop(4);
    image.SetInside(true);
    EXPECT_EQ(changes, 4);
    TBackImage copy;
    copy.Assign(&image);
    EXPECT_EQ(copy.Mode(), pbmCenter);
    EXPECT_EQ(copy.Left(), 3);
    EXPECT_EQ(copy.Top(), 4);
    EXPECT_TRUE(copy.Inside());
}
