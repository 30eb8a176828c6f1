#include "chart/export/ChartPreview.h"

#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/export/HourGlass.h"
#include "chart/export/TeePreviewPanel.h"
#include "chart/grid/TeeNavigator.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Printer.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/Screen.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"
#include "platform/graphics/Cursor.h"

#include <algorithm>

bool TeeChangePaperOrientation = true;

ORVO_IMPLEMENT_CLASS(TChartPreview, TForm)

ORVO_PUBLISHED(TChartPreview) {
    using T = TChartPreview;
    P.Field("Panel1", &T::Panel1);
    P.Field("Label1", &T::Label1);
    P.Field("CBPrinters", &T::CBPrinters);
    P.Field("BSetupPrinter", &T::BSetupPrinter);
    P.Field("BPrint", &T::BPrint);
    P.Field("PanelClose", &T::PanelClose);
    P.Field("BClose", &T::BClose);
    P.Field("Panel2", &T::Panel2);
    P.Field("Orientation", &T::Orientation);
    P.Field("GBMargins", &T::GBMargins);
    P.Field("SETopMa", &T::SETopMa);
    P.Field("SELeftMa", &T::SELeftMa);
    P.Field("SEBotMa", &T::SEBotMa);
    P.Field("SERightMa", &T::SERightMa);
    P.Field("UDTopMa", &T::UDTopMa);
    P.Field("UDLeftMa", &T::UDLeftMa);
    P.Field("UDBotMa", &T::UDBotMa);
    P.Field("UDRightMa", &T::UDRightMa);
    P.Field("GBResolution", &T::GBResolution);
    P.Field("Label2", &T::Label2);
    P.Field("Label3", &T::Label3);
    P.Field("Resolution", &T::Resolution);
    P.Field("BReset", &T::BReset);
    P.Field("ShowMargins", &T::ShowMargins);
    P.Field("CBProp", &T::CBProp);
    P.Field("CBBitmap", &T::CBBitmap);
    P.Field("TeePreviewPanel1", &T::TeePreviewPanel1);
    P.Method("FormShow", &T::FormShow);
    P.Method("CBPrintersChange", &T::CBPrintersChange);
    P.Method("BSetupPrinterClick", &T::BSetupPrinterClick);
    P.Method("BPrintClick", &T::BPrintClick);
    P.Method("OrientationClick", &T::OrientationClick);
    P.Method("SETopMaChange", &T::SETopMaChange);
    P.Method("SELeftMaChange", &T::SELeftMaChange);
    P.Method("SEBotMaChange", &T::SEBotMaChange);
    P.Method("SERightMaChange", &T::SERightMaChange);
    P.Method("ResolutionChange", &T::ResolutionChange);
    P.Method("BResetClick", &T::BResetClick);
    P.Method("ShowMarginsClick", &T::ShowMarginsClick);
    P.Method("CBPropClick", &T::CBPropClick);
    P.Method("CBBitmapClick", &T::CBBitmapClick);
    P.Method("Panel1Resize", &T::Panel1Resize);
    P.Method("TeePreviewPanel1ChangeMargins", &T::TeePreviewPanel1ChangeMargins);
}

namespace {
int BoxValue(TEdit* Box, int Fallback) {
    bool ok = false;
    const int v = Box->Text().trimmed().toInt(&ok);
    return ok ? v : Fallback;
}

int MarginOf(const TRect& R, int Index) {
    switch (Index) {
    case 0:
        return R.Left;
    case 1:
        return R.Top;
    case 2:
        return R.Right;
    default:
        return R.Bottom;
    }
}

void SetMarginOf(TRect& R, int Index, int Value) {
    switch (Index) {
    case 0:
        R.Left = Value;
        break;
    case 1:
        R.Top = Value;
        break;
    case 2:
        R.Right = Value;
        break;
    default:
        R.Bottom = Value;
        break;
    }
}
} // namespace

TChartPreview::TChartPreview(TComponent* AOwner) : TForm(AOwner) {}

TChartPreview::~TChartPreview() = default;

void TChartPreview::AfterConstruction() {
    if (PrinterSetupDialog1) return;
    TForm::AfterConstruction();
    ChangingMargins = true;
    ChangingProp = false;
    PrinterSetupDialog1 = new TPrinterSetupDialog(this);
    if (TeePreviewPanel1) {
        TeePreviewPanel1->Gradient()->SetVisible(true);
        TeePreviewPanel1->Gradient()->SetDirection(gdFromTopLeft);
        TeePreviewPanel1->Gradient()->SetEndColor(clGray);
        TeePreviewPanel1->Shadow()->SetColor(clGray);
        TeePreviewPanel1->Shadow()->SetHorizSize(4);
        TeePreviewPanel1->Shadow()->SetVertSize(4);
        TeePreviewPanel1->OnChangeMargins =
            TTeePreviewChangeMarginsEvent(this, &TChartPreview::TeePreviewPanel1ChangeMargins);
    }
}

TCustomTeePanel* TChartPreview::ThePanel() const {
    return TeePreviewPanel1 ? TeePreviewPanel1->Panel() : nullptr;
}

void TChartPreview::HideCloseButton() {
    PanelClose->SetVisible(false);
}

void TChartPreview::FillPrinters() {
    CBPrinters->Items()->Assign(Printer()->Printers());
    if (TeePrintersExist()) {
        const int index = Printer()->PrinterIndex();
        CBPrinters->SetItemIndex(index < 0 ? 0 : index);
    }
}

void TChartPreview::ShowOrientation() {
    const bool was = Showing;
    Showing = false;
    Orientation->SetItemIndex(Printer()->Orientation() == poPortrait ? 0 : 1);
    Showing = was;
}

void TChartPreview::FormShow(TObject*) {
    Showing = false;
    if (PageNavigatorClass && !PageNavigator1) {
        PageNavigator1 = PageNavigatorClass(this);
        PageNavigator1->SetParent(Panel2);
        PageNavigator1->SetAlign(alBottom);
        PageNavigator1->OnButtonClicked = [this](TTeeNavigateBtn) { TeePreviewPanel1->Invalidate(); };
    }
    Screen->SetCursor(crDefault);
    if (Tag() != 0) TeePreviewPanel1->SetPanel(reinterpret_cast<TCustomTeePanel*>(Tag()));
    FillPrinters();
    const bool printers = TeePrintersExist();
    if (!printers) {
        BPrint->SetEnabled(false);
        BSetupPrinter->SetEnabled(false);
        Orientation->SetEnabled(false);
    } else {
        if (TeeChangePaperOrientation) Printer()->SetOrientation(poLandscape);
        ShowOrientation();
    }
    if (TCustomTeePanel* p = ThePanel()) {
        ChangingProp = true;
        CBProp->SetChecked(p->PrintProportional());
        ChangingProp = false;
        Resolution->SetPosition(p->PrintResolution() + 100);
        OldMargins = p->GetPrintMargins();
        ResetMargins();
        if (PageNavigator1) PageNavigator1->SetPanel(p);
    } else {
        CBProp->SetEnabled(false);
        Resolution->SetEnabled(false);
        GBMargins->SetEnabled(false);
        BPrint->SetEnabled(false);
    }
    BReset->SetEnabled(false);
    CBBitmap->SetChecked(TeePreviewPanel1->AsBitmap());
    TeeTranslateControl(this);
    ChangingMargins = false;
    Showing = true;
}

void TChartPreview::ResetMargins() {
    TCustomTeePanel* p = ThePanel();
    if (!p) return;
    if (p->PrintProportional() && TeePrintersExist()) p->SetPrintMargins(p->CalcProportionalMargins());
    const bool was = ChangingMargins;
    ChangingMargins = true;
    TeePreviewPanel1ChangeMargins(TeePreviewPanel1, false, p->GetPrintMargins());
    ChangingMargins = was;
    TeePreviewPanel1->Invalidate();
}

void TChartPreview::TeePreviewPanel1ChangeMargins(TObject*, bool DisableProportional,
                                                  const TRect& NewMargins) {
    const bool was = ChangingMargins;
    ChangingMargins = true;
    const TRect m = NewMargins;
    UDLeftMa->SetPosition(m.Left);
    UDRightMa->SetPosition(m.Right);
    UDTopMa->SetPosition(m.Top);
    UDBotMa->SetPosition(m.Bottom);
    ChangingMargins = was;
    if (DisableProportional) {
        if (TCustomTeePanel* p = ThePanel()) p->SetPrintProportional(false);
        ChangingProp = true;
        CBProp->SetChecked(false);
        ChangingProp = false;
    }
    EnableReset();
}

void TChartPreview::EnableReset() {
    TCustomTeePanel* p = ThePanel();
    BReset->SetEnabled(p && p->GetPrintMargins() != OldMargins);
}

void TChartPreview::ChangeMargin(TEdit* Box, int Index) {
    TCustomTeePanel* p = ThePanel();
    if (!Showing || !p) return;
    TRect m = p->GetPrintMargins();
    const int old = MarginOf(m, Index);
    const int value = BoxValue(Box, old);
    if (value == old) return;
    if (value + MarginOf(m, (Index + 2) % 4) >= 100) {
        // No room would be left between the two margins: the box takes its value back.
        const bool was = ChangingMargins;
        ChangingMargins = true;
        Box->SetText(QString::number(old));
        ChangingMargins = was;
        return;
    }
    SetMarginOf(m, Index, value);
    p->SetPrintMargins(m);
    if (!ChangingMargins) {
        TeePreviewPanel1->Invalidate();
        if (CBProp->Checked()) {
            ChangingProp = true;
            CBProp->SetChecked(false);
            ChangingProp = false;
            p->SetPrintProportional(false);
        }
    }
    EnableReset();
}

void TChartPreview::SELeftMaChange(TObject*) {
    ChangeMargin(SELeftMa, 0);
}
void TChartPreview::SETopMaChange(TObject*) {
    ChangeMargin(SETopMa, 1);
}
void TChartPreview::SERightMaChange(TObject*) {
    ChangeMargin(SERightMa, 2);
}
void TChartPreview::SEBotMaChange(TObject*) {
    ChangeMargin(SEBotMa, 3);
}

void TChartPreview::BResetClick(TObject*) {
    TCustomTeePanel* p = ThePanel();
    if (!p) return;
    p->SetPrintMargins(OldMargins);
    const bool was = ChangingMargins;
    ChangingMargins = true;
    TeePreviewPanel1ChangeMargins(TeePreviewPanel1, false, OldMargins);
    ChangingMargins = was;
    TeePreviewPanel1->Invalidate();
    BReset->SetEnabled(false);
}

void TChartPreview::CBPropClick(TObject*) {
    if (ChangingProp) return;
    TCustomTeePanel* p = ThePanel();
    if (!p) return;
    p->SetPrintProportional(CBProp->Checked());
    ResetMargins();
    BReset->SetEnabled(!CBProp->Checked());
}

void TChartPreview::ChangeOrientation() {
    if (!TeePrintersExist() || Orientation->ItemIndex() < 0) return;
    Printer()->SetOrientation(Orientation->ItemIndex() == 0 ? poPortrait : poLandscape);
    ResetMargins();
    TeePreviewPanel1->Invalidate();
}

void TChartPreview::OrientationClick(TObject*) {
    if (!Showing) return;
    ChangeOrientation();
}

void TChartPreview::CBPrintersChange(TObject*) {
    if (CBPrinters->ItemIndex() < 0) return;
    Printer()->SetPrinterIndex(CBPrinters->ItemIndex());
    ShowOrientation();
    ChangeOrientation();
}

void TChartPreview::BSetupPrinterClick(TObject*) {
    PrinterSetupDialog1->Execute();
    FillPrinters();
    ShowOrientation();
    TeePreviewPanel1->Invalidate();
}

void TChartPreview::ResolutionChange(TObject*) {
    if (TCustomTeePanel* p = ThePanel()) {
        p->SetPrintResolution(Resolution->Position() - 100);
        TeePreviewPanel1->Invalidate();
    }
}

void TChartPreview::ShowMarginsClick(TObject*) {
    TeePreviewPanel1->Margins()->SetVisible(ShowMargins->Checked());
}

void TChartPreview::CBBitmapClick(TObject*) {
    TeePreviewPanel1->SetAsBitmap(CBBitmap->Checked());
}

void TChartPreview::BPrintClick(TObject*) {
    THourGlass hourGlass;
    if (PageNavigator1 && PageNavigator1->PageCount() > 1)
        PageNavigator1->Print();
    else
        TeePreviewPanel1->Print();
}

void TChartPreview::Panel1Resize(TObject*) {
    if (!Panel1 || !CBPrinters || !BSetupPrinter) return;
    CBPrinters->SetWidth(std::max(40, BSetupPrinter->Left() - 8 - CBPrinters->Left()));
}

void TeePreview(TComponent* AOwner, TCustomTeePanel* APanel) {
    auto* form = new TChartPreview(AOwner);
    struct Finish {
        TChartPreview* form;
        TCustomTeePanel* panel;
        ~Finish() {
            FreeObject(form);
            if (panel) panel->Invalidate();
        }
    } finish{form, APanel};
    form->AfterConstruction();
    form->PreviewPanel()->SetPanel(APanel);
    form->ShowModal();
}
