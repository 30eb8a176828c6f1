#include "chart/editor/PenDialog.h"

#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/UpDown.h"
#include "platform/graphics/Canvas.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TPenDialog, TForm)

ORVO_PUBLISHED(TPenDialog) {
    P.Field("CBVisible", &TPenDialog::CBVisible);
    P.Field("LWidth", &TPenDialog::LWidth);
    P.Field("SEWidth", &TPenDialog::SEWidth);
    P.Field("UDWidth", &TPenDialog::UDWidth);
    P.Field("LStyle", &TPenDialog::LStyle);
    P.Field("CBStyle", &TPenDialog::CBStyle);
    P.Field("CBEndStyle", &TPenDialog::CBEndStyle);
    P.Field("LSpace", &TPenDialog::LSpace);
    P.Field("ESpace", &TPenDialog::ESpace);
    P.Field("UDSpace", &TPenDialog::UDSpace);
    P.Field("BColor", &TPenDialog::BColor);
    P.Field("BOk", &TPenDialog::BOk);
    P.Field("BCancel", &TPenDialog::BCancel);
    P.Method("FormShow", &TPenDialog::FormShow);
    P.Method("SEWidthChange", &TPenDialog::SEWidthChange);
    P.Method("CBStyleChange", &TPenDialog::CBStyleChange);
    P.Method("CBStyleDrawItem", &TPenDialog::CBStyleDrawItem);
    P.Method("CBEndStyleChange", &TPenDialog::CBEndStyleChange);
    P.Method("CBVisibleClick", &TPenDialog::CBVisibleClick);
    P.Method("ESpaceChange", &TPenDialog::ESpaceChange);
    P.Method("BColorClick", &TPenDialog::BColorClick);
    P.Method("BCancelClick", &TPenDialog::BCancelClick);
}

namespace {
// The number of pen styles the list offers before "Small Dots".
constexpr int kPenStyles = 5;

// The number an edit holds, or Default when it holds none.
int EditValue(TEdit* Edit, int Default) {
    bool ok = false;
    const int v = Edit->Text().trimmed().toInt(&ok);
    return ok ? v : Default;
}
} // namespace

TPenDialog::TPenDialog(TComponent* AOwner) : TForm(AOwner) {}

TPenDialog::~TPenDialog() {
    delete BackupPen;
}

TChartPen* TPenDialog::ChartPen() const {
    return dynamic_cast<TChartPen*>(ThePen);
}

bool TPenDialog::HasSmallDotsEntry() const {
    return ChartPen() && IsWindowsNT && CBStyle->Items()->Count() > kPenStyles;
}

void TPenDialog::EnableWidthControls(bool Value) {
    SEWidth->SetEnabled(Value);
    UDWidth->SetEnabled(Value);
}

void TPenDialog::EnableSpaceControls(bool Value) {
    ESpace->SetEnabled(Value);
    UDSpace->SetEnabled(Value);
}

void TPenDialog::FormShow(TObject*) {
    if (!ThePen) return;
    FFilling = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{FFilling};
    if (!BackupPen) BackupPen = new TChartPen();
    BackupPen->Assign(ThePen);
    const int style = int(ThePen->Style());
    if (TChartPen* pen = ChartPen()) {
        CBVisible->SetChecked(pen->Visible());
        BackupPen->SetVisible(pen->Visible());
        if (IsWindowsNT && CBStyle->Items()->Count() == kPenStyles)
            CBStyle->Items()->Add(TeeMsg_SmallDotsPen);
        if (IsWindowsNT && pen->SmallDots()) {
            CBStyle->SetItemIndex(CBStyle->Items()->Count() - 1);
            EnableWidthControls(false);
            EnableSpaceControls(true);
        } else {
            CBStyle->SetItemIndex(style < kPenStyles ? style : -1);
        }
        if (IsWindowsNT)
            CBEndStyle->SetItemIndex(int(pen->EndStyle()));
        else
            CBEndStyle->Hide();
        UDSpace->SetPosition(pen->SmallSpace());
    } else {
        CBVisible->Hide();
        CBStyle->SetItemIndex(style < kPenStyles ? style : -1);
    }
    UDWidth->SetPosition(ThePen->Width());
    CBStyle->SetEnabled(IsWindowsNT || ThePen->Width() == 1);
    BColor->LinkProperty(ThePen, QStringLiteral("Color"));
    if (!FTranslated) {
        TeeTranslateControl(this);
        FTranslated = true;
    }
    ModifiedPen = false;
}

void TPenDialog::SEWidthChange(TObject*) {
    if (FFilling || !ThePen) return;
    const int width = EditValue(SEWidth, ThePen->Width());
    if (width < UDWidth->Min()) return;
    ThePen->SetWidth(width);
    CBStyle->SetEnabled(IsWindowsNT || ThePen->Width() == 1);
    ModifiedPen = true;
}

void TPenDialog::CBStyleChange(TObject*) {
    if (FFilling || !ThePen) return;
    const int index = CBStyle->ItemIndex();
    if (index < 0) return;
    TChartPen* pen = ChartPen();
    if (HasSmallDotsEntry() && index == CBStyle->Items()->Count() - 1) {
        pen->SetSmallDots(true);
        EnableWidthControls(false);
        EnableSpaceControls(true);
    } else {
        ThePen->SetStyle(TPenStyle(index));
        if (pen) pen->SetSmallDots(false);
        EnableWidthControls(true);
        EnableSpaceControls(false);
    }
    ModifiedPen = true;
}

void TPenDialog::CBEndStyleChange(TObject*) {
    if (FFilling) return;
    TChartPen* pen = ChartPen();
    if (!pen || CBEndStyle->ItemIndex() < 0) return;
    pen->SetEndStyle(TPenEndStyle(CBEndStyle->ItemIndex()));
    ModifiedPen = true;
}

void TPenDialog::CBVisibleClick(TObject*) {
    if (FFilling) return;
    if (TChartPen* pen = ChartPen()) {
        pen->SetVisible(CBVisible->Checked());
        ModifiedPen = true;
    }
}

void TPenDialog::ESpaceChange(TObject*) {
    if (FFilling) return;
    if (TChartPen* pen = ChartPen()) {
        pen->SetSmallSpace(EditValue(ESpace, pen->SmallSpace()));
        ModifiedPen = true;
    }
}

void TPenDialog::BColorClick(TObject*) {
    ModifiedPen = true;
    CBStyle->Repaint();
}

void TPenDialog::RestorePen() {
    if (!ModifiedPen || !ThePen || !BackupPen) return;
    ThePen->Assign(BackupPen);
    if (TChartPen* pen = ChartPen()) pen->SetVisible(BackupPen->Visible());
    if (ThePen->OnChange) ThePen->OnChange(this);
    ModifiedPen = false;
}

void TPenDialog::BCancelClick(TObject*) {
    RestorePen();
    SetModalResult(mrCancel);
}

void TPenDialog::DoClose(TCloseAction& Action) {
    // Closed by the window's own close box (or Escape without the Cancel button): the pen
    // goes back as Cancel puts it, since the caller is told nothing was changed.
    if (ModalResult() != mrOk) RestorePen();
    TForm::DoClose(Action);
}

void TPenDialog::CBStyleDrawItem(TWinControl*, int Index, TRect Rect, TOwnerDrawState State) {
    TCanvas* canvas = CBStyle->Canvas();
    canvas->FillRect(Rect);
    const TColor back = ColorToRGB(State.Contains(odSelected) ? clHighlight : CBStyle->Color());
    TColor color = ThePen ? ColorToRGB(ThePen->Color()) : clBlack;
    if (color == back) color = back == clWhite ? clBlack : clWhite;
    auto saved = std::make_unique<TPen>();
    saved->Assign(canvas->Pen());
    if (HasSmallDotsEntry() && Index == CBStyle->Items()->Count() - 1) {
        canvas->Pen()->SetHandle(TeeCreatePenSmallDots(color, 0));
    } else {
        canvas->Pen()->SetWidth(1);
        canvas->Pen()->SetColor(color);
        canvas->Pen()->SetStyle(TPenStyle(Index));
    }
    canvas->MoveTo(Rect.Left + 2, Rect.Top + 8);
    canvas->LineTo(Rect.Left + 30, Rect.Top + 8);
    canvas->Pen()->Assign(saved.get());
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(Rect.Left + 34, Rect.Top + 2, CBStyle->Items()->Strings(Index));
}

bool EditChartPen(TComponent* AOwner, TPen* APen, bool HideColor) {
    std::unique_ptr<TPenDialog, void (*)(TObject*)> dialog(TeeCreateForm<TPenDialog>(AOwner), &FreeObject);
    dialog->ThePen = APen;
    if (HideColor) dialog->BColor->Hide();
    return dialog->ShowModal() == mrOk;
}
