#include "chart/editor/TeeFontEditor.h"

#include "chart/editor/BackImageEditor.h"
#include "chart/editor/BrushDialog.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/gauges/GaugeFonts.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/Screen.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/IntText.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TTeeFontEditor, TForm)

ORVO_PUBLISHED(TTeeFontEditor) {
    using T = TTeeFontEditor;
    P.Field("PageControl1", &T::PageControl1);
    P.Field("TabFont", &T::TabFont);
    P.Field("Label1", &T::Label1);
    P.Field("Label2", &T::Label2);
    P.Field("CBName", &T::CBName);
    P.Field("ESize", &T::ESize);
    P.Field("UDSize", &T::UDSize);
    P.Field("GroupBox1", &T::GroupBox1);
    P.Field("CBBold", &T::CBBold);
    P.Field("CBItalic", &T::CBItalic);
    P.Field("CBUnder", &T::CBUnder);
    P.Field("CBStrike", &T::CBStrike);
    P.Field("BColor", &T::BColor);
    P.Field("Button3", &T::Button3);
    P.Field("TabOptions", &T::TabOptions);
    P.Field("Label3", &T::Label3);
    P.Field("EInter", &T::EInter);
    P.Field("UDInter", &T::UDInter);
    P.Field("BOutline", &T::BOutline);
    P.Field("CBOutGrad", &T::CBOutGrad);
    P.Field("TabShadow", &T::TabShadow);
    P.Field("TabGradient", &T::TabGradient);
    P.Field("TabPicture", &T::TabPicture);
    P.Field("PanelButtons", &T::PanelButtons);
    P.Field("BOK", &T::BOK);
    P.Field("BCancel", &T::BCancel);
    P.Method("FormShow", &T::FormShow);
    P.Method("PageControl1Change", &T::PageControl1Change);
    P.Method("CBNameChange", &T::CBNameChange);
    P.Method("ESizeChange", &T::ESizeChange);
    P.Method("CBBoldClick", &T::CBBoldClick);
    P.Method("CBItalicClick", &T::CBItalicClick);
    P.Method("CBUnderClick", &T::CBUnderClick);
    P.Method("CBStrikeClick", &T::CBStrikeClick);
    P.Method("Button3Click", &T::Button3Click);
    P.Method("EInterChange", &T::EInterChange);
    P.Method("CBOutGradClick", &T::CBOutGradClick);
    P.Method("BCancelClick", &T::BCancelClick);
}

TTeeFontEditor::TTeeFontEditor(TComponent* AOwner) : TForm(AOwner) {}

TTeeFontEditor::~TTeeFontEditor() {
    // The inserted editors have no owner: they go with this form unless their tab took them
    // already (then their free notification has cleared the pointers).
    for (TCustomForm* Inserted :
         {static_cast<TCustomForm*>(FShadowEditor), static_cast<TCustomForm*>(FPicEditor)})
        if (Inserted) {
            Inserted->RemoveFreeNotification(this);
            FreeObject(Inserted);
        }
    delete Backup;
}

void TTeeFontEditor::AfterConstruction() {
    const bool First = PanelButtons == nullptr;
    TForm::AfterConstruction();
    if (!First) return;
    const int Shrink = PanelButtons->Height();
    PanelButtons->SetVisible(false);
    SetHeight(Height() - Shrink);
}

void TTeeFontEditor::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FShadowEditor) FShadowEditor = nullptr;
    if (AComponent == FPicEditor) FPicEditor = nullptr;
    if (AComponent == FGradientEditor) FGradientEditor = nullptr;
}

void TTeeFontEditor::FormShow(TObject*) {
    if (!Backup && !FTranslated) {
        TeeTranslateControl(this);
        FTranslated = true;
    }
    if (CBName->Items()->Count() == 0) {
        CBName->Items()->Assign(Screen->Fonts());
        if (TeeAddFontNames) TeeAddFontNames(CBName->Items());
    }
    if (TheFont) RefreshControls(TheFont);
    if (PanelButtons->Visible() && TheFont) {
        if (!Backup) Backup = new TTeeFont;
        Backup->Assign(TheFont);
    }
}

void TTeeFontEditor::RefreshFontControls() {
    FRefreshing = true;
    UDSize->SetPosition(TheFont->Size());
    CBBold->SetChecked(TheFont->Style().Contains(fsBold));
    CBItalic->SetChecked(TheFont->Style().Contains(fsItalic));
    CBUnder->SetChecked(TheFont->Style().Contains(fsUnderline));
    CBStrike->SetChecked(TheFont->Style().Contains(fsStrikeOut));
    CBName->SetItemIndex(CBName->Items()->IndexOf(TheFont->Name()));
    FRefreshing = false;
}

void TTeeFontEditor::RefreshControls(TTeeFont* Font) {
    TheFont = Font;
    if (!TheFont) return;
    BColor->LinkProperty(TheFont, QStringLiteral("Color"));
    RefreshFontControls();
    FRefreshing = true;
    UDInter->SetPosition(TheFont->InterCharSize());
    BOutline->LinkPen(TheFont->OutLine());
    CBOutGrad->SetChecked(TheFont->Gradient()->Outline());
    FRefreshing = false;
    if (FGradientEditor) FGradientEditor->RefreshGradient(TheFont->Gradient());
    if (FShadowEditor) FShadowEditor->RefreshControls(TheFont->Shadow());
    if (FPicEditor) FPicEditor->RefreshControls(TheFont->Picture());
}

void TTeeFontEditor::CBNameChange(TObject*) {
    if (TheFont && !FRefreshing && CBName->ItemIndex() >= 0)
        TheFont->SetName(CBName->Items()->Strings(CBName->ItemIndex()));
}

void TTeeFontEditor::ESizeChange(TObject*) {
    int V = 0;
    if (TheFont && !FRefreshing && Showing() && TryStrToInt(ESize->Text().trimmed(), V) && V > 0)
        TheFont->SetSize(V);
}

void TTeeFontEditor::SetStyle(TCheckBox* Box, int Style) {
    if (!TheFont || FRefreshing) return;
    TFontStyles S = TheFont->Style();
    if (Box->Checked())
        S << TFontStyle(Style);
    else
        S >> TFontStyle(Style);
    TheFont->SetStyle(S);
}

void TTeeFontEditor::CBBoldClick(TObject*) {
    SetStyle(CBBold, fsBold);
}

void TTeeFontEditor::CBItalicClick(TObject*) {
    SetStyle(CBItalic, fsItalic);
}

void TTeeFontEditor::CBUnderClick(TObject*) {
    SetStyle(CBUnder, fsUnderline);
}

void TTeeFontEditor::CBStrikeClick(TObject*) {
    SetStyle(CBStrike, fsStrikeOut);
}

void TTeeFontEditor::Button3Click(TObject*) {
    if (!TheFont) return;
    EditTeeFont(this, TheFont);
    BColor->Repaint();
    RefreshFontControls();
}

void TTeeFontEditor::EInterChange(TObject*) {
    int V = 0;
    if (TheFont && !FRefreshing && Showing() && TryStrToInt(EInter->Text().trimmed(), V))
        TheFont->SetInterCharSize(V);
}

void TTeeFontEditor::CBOutGradClick(TObject*) {
    if (TheFont && !FRefreshing) TheFont->Gradient()->SetOutline(CBOutGrad->Checked());
}

void TTeeFontEditor::PageControl1Change(TObject*) {
    TTabSheet* Page = PageControl1->ActivePage();
    if (Page == TabShadow && !FShadowEditor) {
        FShadowEditor = InsertTeeShadowEditor(TabShadow);
        FShadowEditor->FreeNotification(this);
        if (TheFont) FShadowEditor->RefreshControls(TheFont->Shadow());
    } else if (Page == TabGradient && !FGradientEditor && TheFont) {
        FGradientEditor = new TTeeGradientEditor(this, TheFont->Gradient());
        FGradientEditor->AfterConstruction();
        FGradientEditor->FreeNotification(this);
        AddFormTo(FGradientEditor, TabGradient, TheFont->Gradient());
    } else if (Page == TabPicture && !FPicEditor) {
        FPicEditor = InsertImageEditor(TabPicture);
        FPicEditor->FreeNotification(this);
        FPicEditor->RGBitmap->SetVisible(false);
        FPicEditor->GBPosition->SetVisible(false);
        if (TheFont) FPicEditor->RefreshControls(TheFont->Picture());
    }
}

void TTeeFontEditor::BCancelClick(TObject*) {
    if (Backup && TheFont) TheFont->Assign(Backup);
    SetModalResult(mrCancel);
}

bool EditTeeFontEx(TComponent* AOwner, TTeeFont* Font) {
    std::unique_ptr<TTeeFontEditor> Editor(new TTeeFontEditor(AOwner));
    Editor->AfterConstruction();
    Editor->SetBorderStyle(bsDialog);
    PositionToCenter(Editor.get());
    Editor->TheFont = Font;
    Editor->PanelButtons->SetVisible(true);
    Editor->SetHeight(Editor->Height() + Editor->PanelButtons->Height());
    return Editor->ShowModal() == mrOk;
}

TTeeFontEditor* InsertTeeFontEditor(TWinControl* Tab) {
    auto* Editor = new TTeeFontEditor(nullptr);
    Editor->AfterConstruction();
    Editor->SetAlign(alClient);
    AddFormTo(Editor, Tab);
    return Editor;
}
