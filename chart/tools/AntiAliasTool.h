// TAntiAliasTool: installs a smoothing canvas on its chart while active, and runs a list of
// bitmap filters over each finished picture. The canvas belongs to the chart once installed:
// a tool freed first leaves it there; a chart freed first takes it along, and the tool is
// left without one.
#pragma once

#include "chart/engine/chart/TeeTools.h"

class TAntiAliasCanvas;
class TFilterItems;

class TAntiAliasTool : public TTeeCustomTool {
    ORVO_CLASS(TAntiAliasTool, TTeeCustomTool)
public:
    explicit TAntiAliasTool(TComponent* AOwner);
    ~TAntiAliasTool() override;

    String GetEditorClass() override { return QStringLiteral("TAntiAliasEditor"); }
    void SetActive(bool Value) override;
    void SetParentChart(TCustomAxisPanel* Value) override;
    void ChartEvent(TChartToolEvent AEvent) override;
    String Description() override;
    String LongDescription() override;

    // True while the tool has a canvas in smoothing mode.
    bool AntiAlias() const;
    void SetAntiAlias(bool Value);
    TFilterItems* Filters() const { return FFilters; }
    void SetFilters(TFilterItems* Value);
    // The tool's canvas (none before the first use, or after its chart freed it).
    TAntiAliasCanvas* Canvas() const { return FCanvas; }

    // Puts the tool's canvas on the chart when the tool is active and smoothing.
    void CheckParentCanvas();
    // Told by the canvas when it is freed.
    void CanvasFreed(TAntiAliasCanvas* ACanvas);

protected:
    void DefineProperties(TFiler* Filer) override;

private:
    void ReadFilterItems(TReader* Reader);
    void WriteFilterItems(TWriter* Writer);
    TAntiAliasCanvas* FCanvas = nullptr;
    // The chart whose canvas FCanvas is, or none while the tool still holds it.
    TCustomAxisPanel* FInstalled = nullptr;
    TFilterItems* FFilters = nullptr;
};

// Registers the tool in the tool gallery and publishes the canvas class to the engine.
void RegisterAntiAlias();
void UnRegisterAntiAlias();
