// TMargins: four margins around a text in one of three units (percent of the font height,
// percent of the text's extent, pixels), turned into pixels for a given extent. Series
// marks and other shapes keep the room between their frame and their text in one.
#pragma once

#include "platform/classes/Persistent.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/GdiTypes.h"
#include "platform/rtl/Types.h"

class TTeeCustomShapeBrushPen;

enum TMarginUnits { maPercentFont, maPercentSize, maPixels };
ORVO_DECLARE_ENUM_TYPE(TMarginUnits)

class TMargins : public TPersistent {
    ORVO_CLASS(TMargins, TPersistent)
public:
    explicit TMargins(TTeeCustomShapeBrushPen* Parent = nullptr);
    // From another TMargins: the four margins and Units.
    void Assign(TPersistent* Source) override;

    // The pixel margins for a text Width x Height drawn with a font FontSize high; kept
    // for HorizSize and VertSize.
    void Calculate(int Width, int Height, int FontSize);
    int HorizSize() const { return FSize.Left + FSize.Right; }
    int VertSize() const { return FSize.Top + FSize.Bottom; }
    // The pixel margins of the last Calculate.
    const TRect& Size() const { return FSize; }

    int Left() const { return FLeft; }
    void SetLeft(int Value) { SetMargin(FLeft, Value); }
    int Top() const { return FTop; }
    void SetTop(int Value) { SetMargin(FTop, Value); }
    int Right() const { return FRight; }
    void SetRight(int Value) { SetMargin(FRight, Value); }
    int Bottom() const { return FBottom; }
    void SetBottom(int Value) { SetMargin(FBottom, Value); }
    TMarginUnits Units() const { return FUnits; }
    void SetUnits(TMarginUnits Value);

    // The default of Left and Right (10; series marks use 20).
    int HorizDefault() const { return FHorizDefault; }
    void SetHorizDefault(int Value) { FHorizDefault = Value; }
    bool IsLeftStored() const { return FLeft != FHorizDefault; }
    bool IsRightStored() const { return FRight != FHorizDefault; }
    bool IsTopStored() const { return FTop != 5; }
    bool IsBottomStored() const { return FBottom != 5; }

private:
    void SetMargin(int& Field, int Value);
    void Changed();

    int FLeft = 10;
    int FTop = 5;
    int FRight = 10;
    int FBottom = 5;
    TMarginUnits FUnits = maPercentFont;
    int FHorizDefault = 10;
    TRect FSize;
    TTeeCustomShapeBrushPen* FParent = nullptr;
};
