// Buttons of the chart editors that show a symbol at their right end: TTeeButton edits a
// published property of another object; TButtonColor shows a colour and picks a new one
// with the colour dialog.
#pragma once

#include "platform/classes/TypInfo.h"
#include "platform/controls/Button.h"
#include "platform/graphics/Color.h"

#include <functional>

class TTeeCanvas;

class TTeeButton : public TButton {
    ORVO_CLASS(TTeeButton, TButton)
public:
    explicit TTeeButton(TComponent* AOwner);

    // Links the button to the published property PropName of AInstance (no property when
    // PropName is empty) and repaints. A null AInstance only clears Instance and keeps
    // the previous property information.
    void LinkProperty(TObject* AInstance, const String& PropName);
    // Where the symbol goes: a small box at the right end of the button.
    TRect SymbolRectangle() const;

    // The object and the property the button edits.
    TObject* Instance = nullptr;
    PPropInfo Info = nullptr;

protected:
    // Draws the symbol over the painted button; nothing here.
    virtual void DrawSymbol(TTeeCanvas* ACanvas);
    void Paint() override;
    void Dispatch(TMessage& Message) override;
};

using TButtonGetColorProc = std::function<TColor()>;

class TButtonColor : public TTeeButton {
    ORVO_CLASS(TButtonColor, TTeeButton)
public:
    explicit TButtonColor(TComponent* AOwner);

    // GetColorProc's answer when assigned; else the linked property's colour as RGB;
    // else the button's own colour.
    TColor SymbolColor() const;
    // Writes the linked property when there is one, else the button's own colour.
    void SetSymbolColor(TColor Value);
    // Opens the colour dialog; when the user picks another colour it becomes the symbol
    // colour and the click event follows.
    void Click() override;

    // When assigned, supplies the colour shown.
    TButtonGetColorProc GetColorProc;

protected:
    void DrawSymbol(TTeeCanvas* ACanvas) override;

private:
    TColor FSymbolColor = clBlack;
};
