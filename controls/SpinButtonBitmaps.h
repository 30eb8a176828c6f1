// The pre-drawn images of spin buttons, shared by every button of one look: one image set
// per (Width, Height, Style, CustomGlyphs), kept by a process-wide manager in key order.
// A set lives while buttons use it; the manager lives while spin buttons exist.
#pragma once

#include "platform/classes/Object.h"
#include "platform/graphics/Bitmap.h"

#include <array>
#include <memory>
#include <vector>

class TCanvas;

// The split of a spin button: along the diagonal, or into upper and lower halves.
enum TXcSpinButtonStyle { sbsDefault, sbsClassic };
enum TSpinButtonState { sbNotDown, sbTopDown, sbBottomDown };

class TSpinButtonBitmaps : public TObject {
    ORVO_CLASS(TSpinButtonBitmaps, TObject)
public:
    // The images of the set, in this order.
    enum TImage { TopDown, BottomDown, NoneDown, Disabled, TopHot, BottomHot };

    TSpinButtonBitmaps(int Width, int Height, TXcSpinButtonStyle Style, bool CustomGlyphs);

    // Negative, 0 or positive as the set's key orders before, equal to or after the given
    // one: by Width, then Height, then Style, then CustomGlyphs.
    int CompareWith(int Width, int Height, bool CustomGlyphs, TXcSpinButtonStyle Style) const;
    void AddClient() { ++FClientCount; }
    // The last client gone, the set leaves the manager and frees itself.
    void RemoveClient();
    int ClientCount() const { return FClientCount; }
    // The images are drawn again on the next Draw (after a change of system colours).
    void Reset() { FResetOnDraw = true; }

    // Draws the image for the state: disabled, a pressed half, the hovered half, or none
    // pressed.
    void Draw(TCanvas* Canvas, TSpinButtonState Down, bool InBottom, bool InTop, bool Enabled);
    // Draws a button's own arrows where the built-in ones go for the state.
    void DrawGlyphs(TCanvas* Canvas, TSpinButtonState State, TBitmap* DownArrow, TBitmap* UpArrow,
                    bool Enabled);
    TBitmap* Image(TImage Which);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    TXcSpinButtonStyle Style() const { return FStyle; }
    bool CustomGlyphs() const { return FCustomGlyphs; }
    bool Themed() const { return FThemed; }

private:
    void Render();
    void RenderImage(TBitmap* Image, TSpinButtonState Down, bool Enabled);
    void DrawArrow(TCanvas* Canvas, TBitmap* Glyph, int CX, int CY, bool Enabled);

    int FWidth, FHeight;
    TXcSpinButtonStyle FStyle;
    bool FCustomGlyphs;
    std::array<std::unique_ptr<TBitmap>, 6> FImages;
    int FClientCount = 0;
    bool FThemed = false;
    bool FResetOnDraw = true;
};

class TSpinButtonBitmapsManager : public TObject {
    ORVO_CLASS(TSpinButtonBitmapsManager, TObject)
public:
    // The process-wide manager, made by the first spin button (null while none exists).
    static TSpinButtonBitmapsManager* Instance();
    static TSpinButtonBitmapsManager* NeedInstance();

    ~TSpinButtonBitmapsManager() override;
    // The set of that key, made and inserted in key order when missing.
    TSpinButtonBitmaps* WantButtons(int Width, int Height, bool CustomGlyphs, TXcSpinButtonStyle Style);
    void AddClient() { ++FClientCount; }
    // The last spin button gone, the manager frees itself and is forgotten.
    void RemoveClient();
    int ClientCount() const { return FClientCount; }
    int Count() const { return static_cast<int>(FList.size()); }
    TSpinButtonBitmaps* Items(int Index) const { return FList[size_t(Index)]; }

private:
    friend class TSpinButtonBitmaps;
    TSpinButtonBitmapsManager() = default;
    void Remove(TSpinButtonBitmaps* Bitmaps);
    std::vector<TSpinButtonBitmaps*> FList;
    int FClientCount = 0;
};
