// TImage: a window-less control showing a picture, at its size from the top-left corner,
// centred, stretched to the control, or scaled keeping its proportions. Its Canvas draws
// into the picture's bitmap (made in the control's size when the picture is empty), so
// drawing on an image keeps what was drawn.
#pragma once

#include "platform/controls/GraphicControl.h"

class TPicture;

class TImage : public TGraphicControl {
    ORVO_CLASS(TImage, TGraphicControl)
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture; }
    void SetPicture(TPicture* Value);
    // The canvas of the picture's bitmap; raises EInvalidOperation when the picture holds
    // another kind of graphic.
    TCanvas* Canvas();
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    // Scales the picture down to fit, keeping its proportions (up as well with Stretch).
    bool Proportional() const { return FProportional; }
    void SetProportional(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    void SetAutoSize(bool Value) override;

    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;

    TNotifyEvent OnPaint;

protected:
    void Paint() override;

private:
    void PictureChanged(TObject* Sender);
    TPicture* FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FProportional = false;
    bool FTransparent = false;
    bool FDrawing = false;
};
