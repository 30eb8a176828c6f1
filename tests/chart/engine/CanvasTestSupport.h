// A GDI chart canvas drawing into a white bitmap, and a recording descendant that logs
// the polygons, lines, ellipses, arcs and clipping calls the primitives hand to the
// device (clipping still reaches the device).
#pragma once

#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

struct CanvasFixture {
    explicit CanvasFixture(int w = 100, int h = 100) {
        canvas.SetUseBuffer(false);
        target.SetSize(w, h);
        canvas.InitWindow(target.Canvas(), nullptr, clWhite, false, TRect{0, 0, w, h});
        canvas.Projection(0, TRect{0, 0, w, h}, TRect{0, 0, w, h});
    }
    TColor At(int x, int y) { return target.Canvas()->Pixels(x, y); }
    TBitmap target;
    TTeeCanvas3D canvas;
};

class TRecordingCanvas : public TTeeCanvas3D {
public:
    struct Call {
        std::string op;
        std::vector<TPoint> pts;
        TColor pen = clNone; // the device pen colour of polygons and polylines
    };
    std::vector<Call> calls;
    using TTeeCanvas3D::Arc;
    using TTeeCanvas3D::ClipRectangle;
    using TTeeCanvas3D::Ellipse;
    using TTeeCanvas3D::Polygon;
    using TTeeCanvas3D::Polyline;
    void Polygon(std::span<const TPoint> P) override {
        calls.push_back({"Polygon", {P.begin(), P.end()}, Pen()->Color()});
    }
    void Polyline(std::span<const TPoint> P) override {
        calls.push_back({"Polyline", {P.begin(), P.end()}, Pen()->Color()});
    }
    // Box, start point, end point.
    void Arc(int Left, int Top, int Right, int Bottom, int StartX, int StartY, int EndX, int EndY) override {
        calls.push_back({"Arc", {{Left, Top}, {Right, Bottom}, {StartX, StartY}, {EndX, EndY}}});
    }
    void ClipRectangle(const TRect& R) override {
        calls.push_back({"ClipRectangle", {{R.Left, R.Top}, {R.Right, R.Bottom}}});
        TTeeCanvas3D::ClipRectangle(R);
    }
    void ClipPolygon(std::span<const TPoint> P, int NumPoints, bool Inverted) override {
        calls.push_back(
            {Inverted ? "ClipPolygonInverted" : "ClipPolygon", {P.begin(), P.begin() + NumPoints}});
        TTeeCanvas3D::ClipPolygon(P, NumPoints, Inverted);
    }
    void Ellipse(int X1, int Y1, int X2, int Y2) override {
        calls.push_back({"Ellipse", {{X1, Y1}, {X2, Y2}}});
    }
    void MoveTo(int X, int Y) override { calls.push_back({"MoveTo", {{X, Y}}}); }
    void LineTo(int X, int Y) override { calls.push_back({"LineTo", {{X, Y}}}); }
    int Count(const std::string& op) const {
        int n = 0;
        for (const Call& c : calls)
            n += c.op == op;
        return n;
    }
};
