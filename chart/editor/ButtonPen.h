// TButtonPen: a button showing a short line drawn with a pen; clicking it edits the pen in a
// pen dialog and, on OK, repaints and runs the button's click event.
#pragma once

#include "chart/engine/widgets/TeeButtons.h"

class TPen;
class TPenDialog;

class TButtonPen : public TTeeButton {
    ORVO_CLASS(TButtonPen, TTeeButton)
public:
    explicit TButtonPen(TComponent* AOwner);

    // Links APen (the button's instance, without property) and repaints.
    void LinkPen(TPen* APen);
    TPen* Pen() const;
    void Click() override;

    // Hides the dialog's colour button.
    bool HideColor = false;

protected:
    void DrawSymbol(TTeeCanvas* ACanvas) override;

private:
    void EditorDestroy(TObject* Sender);
    TPenDialog* FEditor = nullptr;
    TNotifyEvent FOldDestroy;
};
