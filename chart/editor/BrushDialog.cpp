#include "chart/editor/BrushDialog.h"

#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Image.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Panel.h"
#include "platform/controls/PictureDialogs.h"
#include "platform/controls/Splitter.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Gdi.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TBrushDialog, TForm)

ORVO_PUBLISHED(TBrushDialog) {
    P.Field("Splitter1", &TBrushDialog::Splitter1);
    P.Field("LStyle", &TBrushDialog::LStyle);
    P.Field("Panel1", &TBrushDialog::Panel1);
    P.Field("BColor", &TBrushDialog::BColor);
    P.Field("BBackColor", &TBrushDialog::BBackColor);
    P.Field("CBTransp", &TBrushDialog::CBTransp);
    P.Field("GroupBox1", &TBrushDialog::GroupBox1);
    P.Field("Image1", &TBrushDialog::Image1);
    P.Field("Button1", &TBrushDialog::Button1);
    P.Field("ImageMetal", &TBrushDialog::ImageMetal);
    P.Field("ImageWood", &TBrushDialog::ImageWood);
    P.Field("ImageStone", &TBrushDialog::ImageStone);
    P.Field("ImageClouds", &TBrushDialog::ImageClouds);
    P.Field("ImageGrass", &TBrushDialog::ImageGrass);
    P.Field("ImageFire", &TBrushDialog::ImageFire);
    P.Field("ImageSnow", &TBrushDialog::ImageSnow);
    P.Field("BOK", &TBrushDialog::BOK);
    P.Field("BCancel", &TBrushDialog::BCancel);
    P.Method("FormShow", &TBrushDialog::FormShow);
    P.Method("LStyleClick", &TBrushDialog::LStyleClick);
    P.Method("LStyleDrawItem", &TBrushDialog::LStyleDrawItem);
    P.Method("CBTranspClick", &TBrushDialog::CBTranspClick);
    P.Method("BBackColorClick", &TBrushDialog::BBackColorClick);
    P.Method("Button1Click", &TBrushDialog::Button1Click);
    P.Method("BCancelClick", &TBrushDialog::BCancelClick);
}

TBrushDialog::TBrushDialog(TComponent* AOwner) : TForm(AOwner) {}

TBrushDialog::~TBrushDialog() {
    delete BackupBrush;
}

bool TBrushDialog::BrushHasPicture() {
    return TheBrush->HasImage() && TheBrush->Image()->Graphic() != nullptr;
}

void TBrushDialog::FormShow(TObject*) {
    if (!TheBrush) return;
    if (!BackupBrush) BackupBrush = new TChartBrush;
    BackupBrush->Assign(TheBrush);
    LStyle->SetItemIndex(BrushHasPicture() ? -1 : int(TheBrush->Style()));
    BColor->LinkProperty(TheBrush, QStringLiteral("Color"));
    BBackColor->LinkProperty(TheBrush, QStringLiteral("BackColor"));
    RefreshImageButton();
    RefreshStyleState();
}

void TBrushDialog::RefreshStyleState() {
    const bool Hatch = TheBrush->Style() != bsClear;
    BColor->SetEnabled(Hatch);
    BBackColor->SetEnabled(Hatch);
    const bool Transparent = TheBrush->BackColor() == clNone;
    CBTransp->SetChecked(Transparent);
    CBTransp->SetEnabled(!Transparent);
}

void TBrushDialog::RefreshImageButton() {
    if (BrushHasPicture()) {
        Button1->SetCaption(TeeMsg_ClearImage);
        Image1->Picture()->Assign(TheBrush->Image());
    } else if (TheBrush->Bitmap()) {
        Button1->SetCaption(TeeMsg_ClearImage);
        Image1->Picture()->SetGraphic(TheBrush->Bitmap());
    } else {
        Button1->SetCaption(TeeMsg_BrowseImage);
        Image1->Picture()->SetGraphic(nullptr);
    }
}

void TBrushDialog::LineBitmap(int Index, TBitmap* Bitmap) {
    if (Index < FirstTexture) {
        GetTeeBrush(Index - FirstPattern, Bitmap);
        return;
    }
    TImage* const Textures[] = {ImageMetal, ImageWood, ImageStone, ImageClouds,
                                ImageGrass, ImageFire, ImageSnow};
    Bitmap->Assign(Textures[Index - FirstTexture]->Picture()->Graphic());
}

void TBrushDialog::LStyleClick(TObject*) {
    const int Index = LStyle->ItemIndex();
    if (Index < 0 || !TheBrush) return;
    if (Index < FirstPattern) {
        TheBrush->SetStyle(TBrushStyle(Index));
        TheBrush->SetImage(nullptr);
    } else {
        TBitmap Bitmap;
        LineBitmap(Index, &Bitmap);
        TheBrush->Image()->SetGraphic(&Bitmap);
    }
    RefreshImageButton();
    RefreshStyleState();
}

void TBrushDialog::CBTranspClick(TObject*) {
    if (!CBTransp->Checked() || !TheBrush) return;
    TheBrush->SetBackColor(clNone);
    BBackColor->Repaint();
    CBTransp->SetEnabled(false);
}

void TBrushDialog::BBackColorClick(TObject*) {
    CBTransp->SetChecked(false);
    CBTransp->SetEnabled(true);
}

void TBrushDialog::Button1Click(TObject*) {
    LStyle->SetItemIndex(int(TheBrush->Style()));
    if (Button1->Caption() == TeeMsg_ClearImage) {
        // The brush does not own its pattern bitmap: it is only taken away here.
        TheBrush->SetImage(nullptr);
        TheBrush->SetBitmap(nullptr);
    } else {
        const String FileName = TeeGetPictureFileName(this);
        if (!FileName.isEmpty()) {
            TPicture* Picture = TheBrush->Image();
            Picture->LoadFromFile(FileName);
            if (TGraphic* G = Picture->Graphic(); G && !dynamic_cast<TBitmap*>(G)) {
                TBitmap Bitmap;
                Bitmap.SetSize(G->Width(), G->Height());
                Bitmap.Canvas()->Draw(0, 0, G);
                Picture->SetGraphic(&Bitmap);
            }
        }
    }
    RefreshImageButton();
}

void TBrushDialog::BCancelClick(TObject*) {
    if (TheBrush && BackupBrush) TheBrush->Assign(BackupBrush);
    SetModalResult(mrCancel);
}

void TBrushDialog::LStyleDrawItem(TWinControl*, int Index, TRect Rect, TOwnerDrawState) {
    TCanvas* C = LStyle->Canvas();
    C->FillRect(Rect);
    if (Index != int(bsClear)) {
        const TRect Sample{Rect.Left + 2, Rect.Top + 2, Rect.Left + 16, Rect.Bottom - 2};
        const TColor OldColor = C->Brush()->Color();
        if (Index < FirstPattern) {
            C->Brush()->SetColor(clWhite);
            C->FillRect(Sample);
            C->Brush()->SetStyle(TBrushStyle(Index));
            C->Brush()->SetColor(clBlack);
            SetBkColor(C->Handle(), ColorToRGB(clWhite));
            C->FillRect(Sample);
        } else {
            TBitmap Bitmap;
            LineBitmap(Index, &Bitmap);
            C->StretchDraw(Sample, &Bitmap);
        }
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(OldColor);
    }
    C->Brush()->SetStyle(bsClear);
    C->TextOut(Rect.Left + 20, Rect.Top + 2, LStyle->Items()->Strings(Index));
    C->Brush()->SetStyle(bsSolid);
}

bool EditChartBrush(TComponent* AOwner, TChartBrush* Brush) {
    std::unique_ptr<TBrushDialog> Dialog(TeeCreateForm<TBrushDialog>(AOwner));
    Dialog->TheBrush = Brush;
    TeeTranslateControl(Dialog.get());
    return Dialog->ShowModal() == mrOk;
}

bool EditTeeFont(TComponent* AOwner, TFont* Font) {
    TFontDialog Dialog(AOwner);
    Dialog.Font()->Assign(Font);
    if (!Dialog.Execute()) return false;
    Font->Assign(Dialog.Font());
    return true;
}

String TeeGetPictureFileName(TComponent* AOwner) {
    TOpenPictureDialog Dialog(AOwner);
    return Dialog.Execute() ? Dialog.FileName() : String();
}

void TeeLoadClearImage(TComponent* AOwner, TPicture* Picture) {
    if (Picture->Graphic()) {
        Picture->SetGraphic(nullptr);
        return;
    }
    const String FileName = TeeGetPictureFileName(AOwner);
    if (!FileName.isEmpty()) Picture->LoadFromFile(FileName);
}

void GetTeeBrush(int Index, TBitmap* Bitmap) {
    Bitmap->LoadFromResourceName(nullptr, QStringLiteral("TeeBrush") + QString::number(Index + 1));
    Bitmap->SetTransparentMode(tmFixed);
    Bitmap->SetTransparentColor(TColor(0xFFFFFF));
}
