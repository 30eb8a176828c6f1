#include "chart/editor/BackImageEditor.h"

#include "chart/editor/BrushDialog.h"
#include "chart/editor/FiltersEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "chart/engine/pictures/TeePicture.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/controls/Bevel.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/IntText.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TBackImageEditor, TForm)

ORVO_PUBLISHED(TBackImageEditor) {
    using T = TBackImageEditor;
    P.Field("Bevel1", &T::Bevel1);
    P.Field("Image1", &T::Image1);
    P.Field("LabelSize", &T::LabelSize);
    P.Field("LabelExt", &T::LabelExt);
    P.Field("RGBitmap", &T::RGBitmap);
    P.Field("BBrowse", &T::BBrowse);
    P.Field("CBTransp", &T::CBTransp);
    P.Field("Button1", &T::Button1);
    P.Field("GBPosition", &T::GBPosition);
    P.Field("Label1", &T::Label1);
    P.Field("Label2", &T::Label2);
    P.Field("ELeft", &T::ELeft);
    P.Field("UDLeft", &T::UDLeft);
    P.Field("ETop", &T::ETop);
    P.Field("UDTop", &T::UDTop);
    P.Field("PanelButtons", &T::PanelButtons);
    P.Field("BOK", &T::BOK);
    P.Field("BCancel", &T::BCancel);
    P.Method("FormShow", &T::FormShow);
    P.Method("RGBitmapClick", &T::RGBitmapClick);
    P.Method("BBrowseClick", &T::BBrowseClick);
    P.Method("CBTranspClick", &T::CBTranspClick);
    P.Method("Button1Click", &T::Button1Click);
    P.Method("ELeftChange", &T::ELeftChange);
    P.Method("ETopChange", &T::ETopChange);
}

TBackImageEditor::TBackImageEditor(TComponent* AOwner) : TForm(AOwner) {}

void TBackImageEditor::FormShow(TObject*) {
    if (Image) RefreshControls(Image);
    TeeTranslateControl(this);
}

void TBackImageEditor::RefreshControls(TPicture* Picture) {
    Image = Picture;
    if (!Image) return;
    FRefreshing = true;
    if (auto* Back = dynamic_cast<TBackImage*>(Image)) {
        RGBitmap->SetItemIndex(int(Back->Mode()));
        UDLeft->SetPosition(Back->Left());
        UDTop->SetPosition(Back->Top());
    }
    EnableControls();
    TGraphic* G = Image->Graphic();
    CBTransp->SetEnabled(G != nullptr);
    CBTransp->SetChecked(G && G->Transparent());
    FRefreshing = false;
}

void TBackImageEditor::EnableControls() {
    TGraphic* G = Image->Graphic();
    RGBitmap->SetEnabled(G != nullptr);
    if (CBTransp->Visible()) {
        CBTransp->SetEnabled(RGBitmap->Enabled());
        CBTransp->SetChecked(CBTransp->Enabled() && G->Transparent());
    }
    if (auto* Back = dynamic_cast<TBackImage*>(Image)) {
        const bool Custom = Back->Mode() == pbmCustom;
        for (TControl* C : {static_cast<TControl*>(ELeft), static_cast<TControl*>(UDLeft),
                            static_cast<TControl*>(ETop), static_cast<TControl*>(UDTop)})
            C->SetEnabled(Custom);
    } else {
        RGBitmap->SetVisible(false);
        GBPosition->SetVisible(false);
    }
    LabelSize->SetVisible(RGBitmap->Enabled());
    LabelExt->SetVisible(RGBitmap->Enabled());
    if (G) {
        LabelSize->SetCaption(QString::number(G->Width()) + QStringLiteral("x") +
                              QString::number(G->Height()));
        LabelExt->SetCaption(GraphicExtension(G->ClassType()));
    }
    RefreshPreview();
}

void TBackImageEditor::RefreshPreview() {
    auto* Filtered = dynamic_cast<TTeePicture*>(Image);
    Image1->Picture()->SetGraphic(Filtered ? Filtered->Filtered() : Image->Graphic());
    Button1->SetEnabled(Filtered != nullptr);
    BBrowse->SetCaption(Image->Graphic() ? TeeMsg_ClearImage : TeeMsg_BrowseImage);
}

void TBackImageEditor::BBrowseClick(TObject*) {
    if (!Image) return;
    TeeLoadClearImage(this, Image);
    EnableControls();
}

void TBackImageEditor::RGBitmapClick(TObject*) {
    auto* Back = dynamic_cast<TBackImage*>(Image);
    if (!Back || FRefreshing || RGBitmap->ItemIndex() < 0) return;
    Back->SetMode(TTeeBackImageMode(RGBitmap->ItemIndex()));
    EnableControls();
}

void TBackImageEditor::CBTranspClick(TObject*) {
    if (FRefreshing || !Image || !CBTransp->Enabled() || !Image->Graphic()) return;
    Image->Graphic()->SetTransparent(CBTransp->Checked());
}

void TBackImageEditor::Button1Click(TObject*) {
    auto* Filtered = dynamic_cast<TTeePicture*>(Image);
    if (!Filtered) return;
    ShowFiltersEditor(this, Filtered);
    RefreshPreview();
}

void TBackImageEditor::ELeftChange(TObject*) {
    int V = 0;
    if (auto* Back = dynamic_cast<TBackImage*>(Image); Back && Showing() && TryStrToInt(ELeft->Text(), V))
        Back->SetLeft(V);
}

void TBackImageEditor::ETopChange(TObject*) {
    int V = 0;
    if (auto* Back = dynamic_cast<TBackImage*>(Image); Back && Showing() && TryStrToInt(ETop->Text(), V))
        Back->SetTop(V);
}

bool EditTeePicture(TComponent* AOwner, TPicture* Picture) {
    std::unique_ptr<TBackImageEditor> Editor(new TBackImageEditor(AOwner));
    Editor->AfterConstruction();
    Editor->PanelButtons->SetVisible(true);
    Editor->RefreshControls(Picture);
    return Editor->ShowModal() == mrOk;
}

TBackImageEditor* InsertImageEditor(TWinControl* Tab) {
    auto* Editor = new TBackImageEditor(nullptr);
    Editor->AfterConstruction();
    AddFormTo(Editor, Tab);
    return Editor;
}
