#include "chart/editor/MarkersEditor.h"

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/gauges/NumericMarkers.h"

ORVO_IMPLEMENT_CLASS(TMarkersEditor, TFormTeeTools)

ORVO_PUBLISHED(TMarkersEditor) {
    (void)P;
}

TMarkersEditor::TMarkersEditor(TComponent* AOwner) : TFormTeeTools(AOwner) {}

TTeeCustomTool* TMarkersEditor::CloneTool(TTeeCustomTool* ATool) {
    auto* markers = dynamic_cast<TNumericMarkers*>(Tools);
    TTeeCustomTool* copy = CloneChartTool(ATool, ATool->Owner());
    // The copy joins the same gauge: its list holds it and places it in the gauge's face.
    if (auto* marker = dynamic_cast<TNumericMarker*>(copy); marker && markers) markers->Append(marker);
    return copy;
}

TTeeCustomTool* TMarkersEditor::GetNewTool() {
    auto* markers = dynamic_cast<TNumericMarkers*>(Tools);
    return markers ? markers->Add(QStringLiteral("Marker")) : nullptr;
}
