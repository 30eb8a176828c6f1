#include "chart/editor/FormTeeWall.h"

#include "chart/editor/BackImageEditor.h"
#include "chart/editor/BrushDialog.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartWalls.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/TabControl.h"
#include "platform/controls/UpDown.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TFormTeeWall, TForm)

ORVO_PUBLISHED(TFormTeeWall) {
    using S = TFormTeeWall;
#define F(name) P.Field(#name, &S::name)
    F(Panel1);
    F(CBView3dWalls);
    F(LAllSize);
    F(EAllSize);
    F(UDAllSize);
    F(TabSubWalls);
    F(BWallColor);
    F(BWallPen);
    F(BWallBrush);
    F(BGradient);
    F(BImage);
    F(BShadow);
    F(LWallSize);
    F(SEWallSize);
    F(UDWallSize);
    F(CBTransp);
    F(CBDark3D);
    F(CBVisible);
    F(LTransparency);
    F(Edit1);
    F(UDTransparency);
    F(CBAutoHide);
    F(GBPosition);
    F(LStart);
    F(Edit2);
    F(UDStart);
    F(LEnd);
    F(Edit3);
    F(UDEnd);
#undef F
#define M(name) P.Method(#name, &S::name)
    M(FormShow);
    M(TabSubWallsChange);
    M(CBView3dWallsClick);
    M(EAllSizeChange);
    M(BWallColorClick);
    M(BWallBrushClick);
    M(BGradientClick);
    M(BImageClick);
    M(BShadowClick);
    M(SEWallSizeChange);
    M(CBTranspClick);
    M(CBDark3DClick);
    M(CBVisibleClick);
    M(Edit1Change);
    M(CBAutoHideClick);
    M(Edit2Change);
    M(Edit3Change);
#undef M
}

TFormTeeWall::TFormTeeWall(TComponent* AOwner) : TForm(AOwner) {}

TFormTeeWall::TFormTeeWall(TComponent* AOwner, TCustomChartWall* Wall) : TForm(AOwner), TheWall(Wall) {}

void TFormTeeWall::AfterConstruction() {
    TForm::AfterConstruction();
    TStrings* tabs = TabSubWalls->Tabs();
    tabs->Clear();
    for (const char* name : {"Left", "Right", "Bottom", "Back"})
        tabs->Add(QString::fromLatin1(name));
}

TCustomChart* TFormTeeWall::Chart() const {
    return TheWall ? dynamic_cast<TCustomChart*>(TheWall->ParentChart()) : nullptr;
}

TCustomChartWall* TFormTeeWall::WallAt(int Index) const {
    TCustomChart* chart = Chart();
    if (!chart) return nullptr;
    switch (Index) {
    case 0:
        return chart->Walls()->Left();
    case 1:
        return chart->Walls()->Right();
    case 2:
        return chart->Walls()->Bottom();
    case 3:
        return chart->Walls()->Back();
    default:
        return nullptr;
    }
}

int TFormTeeWall::WallIndex(TCustomChartWall* Wall) const {
    for (int i = 0; i < 4; ++i)
        if (WallAt(i) == Wall) return i;
    return -1;
}

bool TFormTeeWall::CanEdit() const {
    return TheWall && Showing() && !FRefreshing;
}

int TFormTeeWall::EditValue(TEdit* Edit, TUpDown* UpDown) const {
    bool ok = false;
    const int v = Edit->Text().trimmed().toInt(&ok);
    return ok ? v : UpDown->Position();
}

void TFormTeeWall::FormShow(TObject*) {
    if (TheWall) RefreshControls(TheWall);
}

void TFormTeeWall::TabSubWallsChange(TObject*) {
    if (TCustomChartWall* wall = WallAt(TabSubWalls->TabIndex())) RefreshControls(wall);
}

void TFormTeeWall::RefreshControls(TCustomChartWall* Wall) {
    TheWall = Wall;
    if (!TheWall) return;
    FRefreshing = true;
    const int index = WallIndex(TheWall);
    if (index >= 0) TabSubWalls->SetTabIndex(index);
    if (TCustomChart* chart = Chart()) CBView3dWalls->SetChecked(chart->View3DWalls());
    UDWallSize->SetPosition(TheWall->Size());
    CBTransp->SetChecked(TheWall->Transparent());
    CBDark3D->SetChecked(TheWall->Dark3D());
    CBDark3D->SetEnabled(TheWall->Size() > 0);
    CBVisible->SetChecked(TheWall->Visible());
    CBAutoHide->SetChecked(TheWall->AutoHide());
    UDTransparency->SetPosition(TheWall->Transparency());
    UDStart->SetPosition(TheWall->StartPosition());
    UDEnd->SetPosition(TheWall->EndPosition());
    BGradient->LinkGradient(TheWall->Gradient());
    SettingAllSize = true;
    UDAllSize->SetPosition(TheWall->Size());
    SettingAllSize = false;
    BWallPen->LinkPen(TheWall->Pen());
    CBAutoHide->SetVisible(index != 2);
    BShadow->SetVisible(index == 3);
    BWallColor->LinkProperty(TheWall, QStringLiteral("Color"));
    BWallColor->Repaint();
    FRefreshing = false;
}

void TFormTeeWall::CBView3dWallsClick(TObject*) {
    if (FRefreshing) return;
    if (TCustomChart* chart = Chart()) chart->SetView3DWalls(CBView3dWalls->Checked());
}

void TFormTeeWall::EAllSizeChange(TObject*) {
    if (!TheWall || !Showing() || SettingAllSize || FRefreshing) return;
    TCustomChart* chart = Chart();
    if (!chart) return;
    chart->Walls()->SetSize(EditValue(EAllSize, UDAllSize));
    RefreshControls(TheWall);
}

void TFormTeeWall::BWallColorClick(TObject*) {
    if (TheWall) TheWall->Repaint();
}

void TFormTeeWall::BWallBrushClick(TObject*) {
    if (TheWall) EditChartBrush(this, TheWall->Brush());
}

// A visible gradient covers the wall: it is no longer transparent.
void TFormTeeWall::BGradientClick(TObject*) {
    if (!TheWall || !TheWall->Gradient()->Visible()) return;
    TheWall->SetTransparent(false);
    FRefreshing = true;
    CBTransp->SetChecked(false);
    FRefreshing = false;
}

void TFormTeeWall::BImageClick(TObject*) {
    if (!TheWall) return;
    std::unique_ptr<TBackImageEditor> editor(TeeCreateForm<TBackImageEditor>(this));
    editor->PanelButtons->SetVisible(true);
    editor->RefreshControls(TheWall->Picture());
    editor->RGBitmap->SetVisible(false);
    editor->GBPosition->SetVisible(false);
    editor->ShowModal();
}

void TFormTeeWall::BShadowClick(TObject*) {
    if (TheWall) EditTeeShadow(this, TheWall->Shadow());
}

void TFormTeeWall::SEWallSizeChange(TObject*) {
    if (!CanEdit()) return;
    TheWall->SetSize(EditValue(SEWallSize, UDWallSize));
    CBDark3D->SetEnabled(TheWall->Size() > 0);
}

void TFormTeeWall::CBTranspClick(TObject*) {
    if (TheWall && !FRefreshing) TheWall->SetTransparent(CBTransp->Checked());
}

void TFormTeeWall::CBDark3DClick(TObject*) {
    if (TheWall && !FRefreshing) TheWall->SetDark3D(CBDark3D->Checked());
}

void TFormTeeWall::CBVisibleClick(TObject*) {
    if (TheWall && !FRefreshing) TheWall->SetVisible(CBVisible->Checked());
}

void TFormTeeWall::Edit1Change(TObject*) {
    if (CanEdit()) TheWall->SetTransparency(EditValue(Edit1, UDTransparency));
}

void TFormTeeWall::CBAutoHideClick(TObject*) {
    if (TheWall && !FRefreshing) TheWall->SetAutoHide(CBAutoHide->Checked());
}

void TFormTeeWall::Edit2Change(TObject*) {
    if (CanEdit()) TheWall->SetStartPosition(EditValue(Edit2, UDStart));
}

void TFormTeeWall::Edit3Change(TObject*) {
    if (CanEdit()) TheWall->SetEndPosition(EditValue(Edit3, UDEnd));
}
