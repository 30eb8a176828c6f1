#include "LayoutTestSupport.h"

#include "chart/engine/canvas/ChartBrush.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/TypInfo.h"

ORVO_IMPLEMENT_CLASS(TTestBoxSeries, TChartSeries)

ORVO_PUBLISHED(TTestBoxSeries) {
    (void)P;
}

namespace {
const bool registered = [] {
    RegisterClass(TTestBoxSeries::StaticClass());
    return true;
}();
} // namespace

void TTestBoxSeries::DrawValue(int ValueIndex) {
    TCanvas3D* canvas = ParentChart()->Canvas();
    const int x = CalcXPos(ValueIndex);
    const int y = CalcYPos(ValueIndex);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(ValueColor(ValueIndex));
    canvas->Pen()->SetStyle(psClear);
    canvas->Rectangle(x - 3, y - 3, x + 4, y + 4);
    canvas->Pen()->SetStyle(psSolid);
}

TLayoutChart::TLayoutChart(int Width, int Height, bool RecordEntities) : TChart(nullptr) {
    SetBounds(0, 0, Width, Height);
    SetView3D(false);
    SetBevelOuter(bvNone);
    if (RecordEntities) {
        EntityCanvas = new TEntityCanvas();
        SetInternalCanvas(EntityCanvas);
    }
    Target.SetSize(Width, Height);
    // Text is measured on the target outside frames too.
    Canvas()->SetCanvas(Target.Canvas());
}

void TLayoutChart::Paint() {
    Steps.clear();
    if (EntityCanvas) EntityCanvas->Entities.clear();
    Draw(Target.Canvas(), TRect{0, 0, Target.Width(), Target.Height()});
    // The frame leaves the canvas on the window's; measure on the target again.
    Canvas()->SetCanvas(Target.Canvas());
}

QStringList TLayoutChart::Entities() const {
    return EntityCanvas ? EntityCanvas->Entities : QStringList();
}

TTestBoxSeries* TLayoutChart::AddBoxSeries(std::initializer_list<double> Y, const String& Title) {
    auto* s = new TTestBoxSeries(nullptr);
    s->SetTitle(Title);
    AddSeries(s);
    double x = 0;
    for (double y : Y)
        s->AddXY(x++, y);
    return s;
}
