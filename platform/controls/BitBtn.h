// TBitBtn: a push button with a glyph. Kind gives the usual buttons of a dialog their
// caption, modal result and default or cancel role (bkOK: "OK", mrOk, Default; bkCancel:
// "Cancel", mrCancel, Cancel; ...); bkClose closes the form.
#pragma once

#include "platform/controls/Button.h"
#include "platform/controls/SpeedButton.h"

enum TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};
ORVO_DECLARE_ENUM_TYPE(TBitBtnKind)

class TBitBtn : public TButton {
    ORVO_CLASS(TBitBtn, TButton)
public:
    explicit TBitBtn(TComponent* AOwner);
    ~TBitBtn() override;

    TBitBtnKind Kind() const { return FKind; }
    // Sets caption (while loading only when the resource gave none), ModalResult, and
    // Default or Cancel for the kinds that have them.
    void SetKind(TBitBtnKind Value);
    TBitmap* Glyph() const { return FGlyph; }
    void SetGlyph(TBitmap* Value);
    TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(TNumGlyphs Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);

    void Click() override;

protected:
    void Paint() override;

private:
    void GlyphChanged(TObject* Sender);
    TBitBtnKind FKind = bkCustom;
    TBitmap* FGlyph;
    TNumGlyphs FNumGlyphs = 1;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
};
