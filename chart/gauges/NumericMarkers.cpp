#include "chart/gauges/NumericMarkers.h"

#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/gauges/NumericGauge.h"

ORVO_IMPLEMENT_CLASS(TNumericMarker, TAnnotationTool)
ORVO_IMPLEMENT_CLASS(TNumericMarkers, TChartTools)

// ---- marker ----------------------------------------------------------------------------------

TNumericMarker::TNumericMarker(TComponent* AOwner) : TAnnotationTool(AOwner) {}

TNumericMarker::~TNumericMarker() {
    if (FList) FList->Remove(this);
    FList = nullptr;
}

TNumericGauge* TNumericMarker::Gauge() const {
    return FList ? FList->Gauge() : nullptr;
}

void TNumericMarker::SetParentChart(TCustomAxisPanel* Value) {
    if (!FList) {
        inherited::SetParentChart(Value);
        return;
    }
    if (ComponentState().Contains(csDestroying)) return;
    FShape->SetParent(Value);
    FCallout->SetParent(Value);
}

// ---- list ------------------------------------------------------------------------------------

TNumericMarkers::TNumericMarkers(TNumericGauge* AGauge) : TChartTools(nullptr), FGauge(AGauge) {}

TNumericMarkers::~TNumericMarkers() {
    Clear();
}

TNumericMarker* TNumericMarkers::Marker(int Index) const {
    return dynamic_cast<TNumericMarker*>(Get(Index));
}

void TNumericMarkers::Append(TNumericMarker* Marker) {
    if (!Marker || Marker->FList == this) return;
    if (Marker->FList) {
        Marker->FList->Remove(Marker);
        Marker->FList = nullptr;
    }
    // A marker that was a tool of a chart leaves that chart's tool list first.
    if (Marker->ParentChart()) Marker->SetParentChart(nullptr);
    Marker->FList = this;
    InternalAdd(Marker);
    Marker->SetParentChart(FGauge ? FGauge->ParentChart() : nullptr);
}

TNumericMarker* TNumericMarkers::Add(const String& Text) {
    auto* marker = new TNumericMarker(nullptr);
    TTextShape* shape = marker->Shape();
    shape->SetTransparent(true);
    shape->Font()->SetName(QStringLiteral("DS-Digital"));
    shape->Frame()->SetVisible(false);
    shape->Shadow()->SetVisible(false);
    marker->SetText(Text);
    Append(marker);
    return marker;
}

TNumericMarker* TNumericMarkers::Add(const String& Text, int FontSize, TAnnotationPosition Position,
                                     int FontColorIndex, int ShapeColorIndex) {
    TNumericMarker* marker = Add(Text);
    marker->SetPosition(Position);
    TTextShape* shape = marker->Shape();
    shape->Font()->SetSize(FontSize);
    if (FGauge) {
        shape->Font()->SetColor(FGauge->GetPaletteColor(FontColorIndex));
        shape->SetColor(FGauge->GetPaletteColor(ShapeColorIndex));
    }
    return marker;
}
