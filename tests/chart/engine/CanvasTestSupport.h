// A GDI chart canvas drawing into a white bitmap, and a recording descendant that logs
// the polygons, lines and ellipses the 3-D primitives hand to the device.
#pragma once

#include "chart/engine/TeeCanvas3D.h"
#include "chart/engine/View3DOptions.h"
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
    };
    std::vector<Call> calls;
    using TTeeCanvas3D::Ellipse;
    using TTeeCanvas3D::Polygon;
    using TTeeCanvas3D::Polyline;
    void Polygon(std::span<const TPoint> P) override { calls.push_back({"Polygon", {P.begin(), P.end()}}); }
    void Polyline(std::span<const TPoint> P) override { calls.push_back({"Polyline", {P.begin(), P.end()}}); }
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
