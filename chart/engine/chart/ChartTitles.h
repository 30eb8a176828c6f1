// The title blocks of a chart: title and subtitle above the plotting box, foot and subfoot
// below it. Each block draws its lines inside its frame and takes its room out of the
// chart rectangle as it is drawn.
#pragma once

#include "chart/engine/chart/ShapePosition.h"

class TStringList;
class TStrings;

class TChartTitle : public TTeeCustomShapePosition {
    ORVO_CLASS(TChartTitle, TTeeCustomShapePosition)
public:
    explicit TChartTitle(TCustomTeePanel* Chart = nullptr);
    ~TChartTitle() override;
    // AdjustFrame, Alignment, Text and VertMargin (not which edge the block is on), then
    // the positioned shape.
    void Assign(TPersistent* Source) override;

    // Draws the block and, unless it has a custom position, shrinks the chart rectangle
    // by its room. Nothing when hidden or without lines.
    void DrawTitle();
    // Visible and the point inside the block's bounds, edges included.
    bool Clicked(int X, int Y) const;
    bool Clicked(const TPoint& P) const { return Clicked(P.X, P.Y); }

    bool AdjustFrame() const { return FAdjustFrame; }
    void SetAdjustFrame(bool Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TStrings* Text() const;
    void SetText(TStrings* Value);
    bool IsTextStored() const;
    int VertMargin() const { return FVertMargin; }
    void SetVertMargin(int Value);
    // The first line, or empty. Setting it replaces every line (an empty value leaves none).
    String Caption() const;
    void SetCaption(const String& Value);
    void Clear() { SetCaption(String()); }
    const TRect& TitleRect() const { return ShapeBounds; }
    bool OnTop() const { return IOnTop; }

    // True for blocks above the plotting box.
    bool IOnTop = true;

private:
    void TextChanged(TObject* Sender);
    bool FAdjustFrame = true;
    TAlignment FAlignment = taCenter;
    TStringList* FText = nullptr;
    int FVertMargin = 5;
};

// A block below the plotting box: red italic text.
class TChartFootTitle : public TChartTitle {
    ORVO_CLASS(TChartFootTitle, TChartTitle)
public:
    explicit TChartFootTitle(TCustomTeePanel* Chart = nullptr);
};
