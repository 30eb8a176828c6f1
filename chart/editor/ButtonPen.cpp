#include "chart/editor/ButtonPen.h"

#include "chart/editor/PenDialog.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/TeeCanvas.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Pen.h"

ORVO_IMPLEMENT_CLASS(TButtonPen, TTeeButton)
ORVO_PUBLISHED(TButtonPen) {}

namespace {
// Samples of wider pens are drawn this wide, so they fit the button.
constexpr int kMaxSampleWidth = 6;
} // namespace

TButtonPen::TButtonPen(TComponent* AOwner) : TTeeButton(AOwner) {}

void TButtonPen::LinkPen(TPen* APen) {
    LinkProperty(APen, String());
    Invalidate();
}

TPen* TButtonPen::Pen() const {
    return dynamic_cast<TPen*>(Instance);
}

void TButtonPen::EditorDestroy(TObject* Sender) {
    if (FOldDestroy) FOldDestroy(Sender);
    FEditor = nullptr;
}

void TButtonPen::Click() {
    TPen* pen = Pen();
    if (!pen) {
        TTeeButton::Click();
        return;
    }
    if (!FEditor) {
        FEditor = TeeCreateForm<TPenDialog>(this);
        FEditor->ThePen = pen;
        if (HideColor) FEditor->BColor->Hide();
        FOldDestroy = FEditor->OnDestroy;
        FEditor->OnDestroy = TNotifyEvent(this, &TButtonPen::EditorDestroy);
    }
    // The dialog is freed however the showing ends (its destroy handler forgets it).
    struct Free {
        TPenDialog*& editor;
        ~Free() {
            TPenDialog* e = editor;
            editor = nullptr;
            FreeObject(e);
        }
    };
    bool ok = false;
    {
        Free free{FEditor};
        ok = FEditor->ShowModal() == mrOk;
    }
    if (ok) {
        Invalidate();
        TTeeButton::Click();
    }
}

void TButtonPen::DrawSymbol(TTeeCanvas* ACanvas) {
    TPen* pen = Pen();
    if (!Enabled() || !pen) return;
    const int oldWidth = pen->Width();
    const TNotifyEvent oldChange = pen->OnChange;
    // The pen's width and change handler come back however the drawing ends.
    struct Restore {
        TPen* pen;
        int width;
        const TNotifyEvent& change;
        ~Restore() {
            if (pen->Width() != width) {
                pen->OnChange = nullptr;
                pen->SetWidth(width);
            }
            pen->OnChange = change;
        }
    } restore{pen, oldWidth, oldChange};
    if (oldWidth > kMaxSampleWidth) {
        pen->OnChange = nullptr;
        pen->SetWidth(kMaxSampleWidth);
    }
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->AssignVisiblePen(pen);
    ACanvas->Line(Width() - 17, Height() / 2, Width() - 6, Height() / 2);
}
