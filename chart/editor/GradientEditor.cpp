#include "chart/editor/GradientEditor.h"

#include "chart/editor/TeeGalleryPanel.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/TeeCanvas.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/ChartTitles.h"
#include "chart/engine/chart/ChartWalls.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/IntText.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TPreviewGradient, TCustomTeePanelExtended)
ORVO_IMPLEMENT_CLASS(TTeeGradientEditor, TForm)
ORVO_IMPLEMENT_CLASS(TButtonGradient, TTeeButton)

ORVO_PUBLISHED(TPreviewGradient) {}
ORVO_PUBLISHED(TButtonGradient) {}

ORVO_PUBLISHED(TTeeGradientEditor) {
    using T = TTeeGradientEditor;
    P.Field("Panel1", &T::Panel1);
    P.Field("Label1", &T::Label1);
    P.Field("CBVisible", &T::CBVisible);
    P.Field("CBDirection", &T::CBDirection);
    P.Field("PageControl1", &T::PageControl1);
    P.Field("TabDefault", &T::TabDefault);
    P.Field("Panel3", &T::Panel3);
    P.Field("Gallery", &T::Gallery);
    P.Field("Panel4", &T::Panel4);
    P.Field("TabColors", &T::TabColors);
    P.Field("BStart", &T::BStart);
    P.Field("BMid", &T::BMid);
    P.Field("BEnd", &T::BEnd);
    P.Field("BSwap", &T::BSwap);
    P.Field("CBMid", &T::CBMid);
    P.Field("TabOptions", &T::TabOptions);
    P.Field("Label2", &T::Label2);
    P.Field("LabelBalance", &T::LabelBalance);
    P.Field("Label3", &T::Label3);
    P.Field("SBBalance", &T::SBBalance);
    P.Field("GroupBox1", &T::GroupBox1);
    P.Field("Label4", &T::Label4);
    P.Field("Label5", &T::Label5);
    P.Field("LRadialX", &T::LRadialX);
    P.Field("LRadialY", &T::LRadialY);
    P.Field("TrackBar1", &T::TrackBar1);
    P.Field("TrackBar2", &T::TrackBar2);
    P.Field("EAngle", &T::EAngle);
    P.Field("UDAngle", &T::UDAngle);
    P.Field("TabDirections", &T::TabDirections);
    P.Field("TabSubGradient", &T::TabSubGradient);
    P.Field("Label6", &T::Label6);
    P.Field("CBSubVisible", &T::CBSubVisible);
    P.Field("SBTransp", &T::SBTransp);
    P.Field("BSubEdit", &T::BSubEdit);
    P.Field("PanelButtons", &T::PanelButtons);
    P.Field("BOK", &T::BOK);
    P.Field("BCancel", &T::BCancel);
    P.Method("FormShow", &T::FormShow);
    P.Method("CBVisibleClick", &T::CBVisibleClick);
    P.Method("CBDirectionChange", &T::CBDirectionChange);
    P.Method("GalleryClick", &T::GalleryClick);
    P.Method("BStartClick", &T::BStartClick);
    P.Method("BMidClick", &T::BMidClick);
    P.Method("BSwapClick", &T::BSwapClick);
    P.Method("CBMidClick", &T::CBMidClick);
    P.Method("SBBalanceChange", &T::SBBalanceChange);
    P.Method("TrackBar1Change", &T::TrackBar1Change);
    P.Method("TrackBar2Change", &T::TrackBar2Change);
    P.Method("EAngleChange", &T::EAngleChange);
    P.Method("CBSubVisibleClick", &T::CBSubVisibleClick);
    P.Method("SBTranspChange", &T::SBTranspChange);
    P.Method("BCancelClick", &T::BCancelClick);
}

// ---- TPreviewGradient ---------------------------------------------------------------------

TPreviewGradient::TPreviewGradient(TComponent* AOwner) : TCustomTeePanelExtended(AOwner) {}

void TPreviewGradient::InternalDraw(const TRect& UserRectangle) {
    PanelPaint(UserRectangle);
}

// ---- TTeeGradientEditor -------------------------------------------------------------------

const TTeeGradientEditor::TPreset TTeeGradientEditor::Presets[PresetCount] = {
    {"Caribe Sun", TColor(0xDDDFD2), TColor(0xF50A97), TColor(0x0B80F4), 50, gdTopBottom},
    {"Business", TColor(0xC0C0C0), TColor(0xFFFFFF), TColor(0x808080), 50, gdTopBottom},
    {"Hot", TColor(0x0000FF), clNone, TColor(0x00FFFF), 50, gdTopBottom},
    {"Ace", TColor(0x000000), TColor(0xFF8080), TColor(0x000000), 74, gdBottomTop},
    {"Farm", TColor(0x006AD5), TColor(0xFFFFFF), TColor(0x0062C4), 4, gdBottomTop},
    {"Sea", TColor(0xFFFF80), TColor(0xFF8080), TColor(0x800000), 55, gdBottomTop},
    {"Night", TColor(0xFFFFFF), TColor(0x800040), TColor(0x000000), 40, gdTopBottom},
    {"Space", TColor(0xA50320), TColor(0x800040), TColor(0xFFFFFF), 50, gdFromTopLeft},
    {"Golf", TColor(0x159902), TColor(0xC0C0C0), TColor(0xD9F986), 50, gdTopBottom},
    {"Funky", TColor(0xBD3881), TColor(0x87607A), TColor(0x52EB85), 50, gdTopBottom},
    {"Sunset", TColor(0xB85A06), TColor(0xA7D8AF), TColor(0x001042), 50, gdTopBottom},
    {"Rainbow", TColor(0xA11EE8), TColor(0x0F8355), TColor(0xDD011A), 50, gdTopBottom},
    {"Pastel", TColor(0x247489), TColor(0x9491F6), TColor(0xFD8B9D), 50, gdTopBottom},
    {"Tropical", TColor(0x9A414B), TColor(0x732FF3), TColor(0x20D761), 50, gdTopBottom},
    {"Sea 2", TColor(0x4C031C), TColor(0xBACBE1), TColor(0x291EF9), 50, gdTopBottom},
    {"Desert", TColor(0x265FB7), TColor(0xCE7185), TColor(0x604457), 50, gdTopBottom},
    {"Clear day", TColor(0xFFF3EA), TColor(0xE0E6E9), TColor(0xCEDBFF), 50, gdTopBottom},
};

void TTeeGradientEditor::ApplyPreset(TCustomTeeGradient* Gradient, int Index) {
    if (Index < 0 || Index >= PresetCount) return;
    const TPreset& P = Presets[Index];
    Gradient->SetStartColor(P.Start);
    Gradient->SetMidColor(P.Middle);
    Gradient->SetEndColor(P.End);
    Gradient->SetDirection(P.Direction);
    Gradient->SetBalance(P.Balance);
}

TTeeGradientEditor::TTeeGradientEditor(TComponent* AOwner) : TForm(AOwner) {}

TTeeGradientEditor::TTeeGradientEditor(TComponent* AOwner, TCustomTeeGradient* Gradient)
    : TForm(AOwner), FEmbedded(Gradient) {}

TTeeGradientEditor::~TTeeGradientEditor() {
    delete Backup;
}

void TTeeGradientEditor::AfterConstruction() {
    const bool First = Preview == nullptr;
    TForm::AfterConstruction();
    if (!First) return;
    SetAlign(alClient);
    SetBorderStyle(bsDialog);
    Preview = new TPreviewGradient(this);
    Preview->SetParent(TabDefault);
    Preview->SetAlign(alClient);
    for (int i = 0; i < PresetCount; ++i)
        Gallery->Items()->AddObject(QString::fromUtf8(Presets[i].Name),
                                    reinterpret_cast<TObject*>(intptr_t(i)));
    CreateDirections();
    PageControl1->SetActivePage(TabColors);
    if (FEmbedded) {
        TheGradient = FEmbedded;
        SetTag(NativeInt(FEmbedded));
        const int Shrink = PanelButtons->Height();
        PanelButtons->SetVisible(false);
        SetHeight(Height() - Shrink);
    }
}

void TTeeGradientEditor::CreateDirections() {
    Directions = new TChartGalleryPanel(this);
    Directions->SetParent(TabDirections);
    Directions->SetAlign(alClient);
    Directions->SetDisplaySub(false);
    Directions->SetNumRows(2);
    Directions->SetNumCols(5);
    const int Count = CBDirection->Items()->Count();
    for (int i = 0; i < Count; ++i) {
        auto* Chart = new TGalleryChart(Directions);
        Chart->SetTag(i);
        Chart->SetHint(CBDirection->Items()->Strings(i));
        Chart->SetShowHint(true);
        Chart->Title()->Text()->Clear();
        Chart->SetView3D(false);
        Chart->Axes()->SetVisible(false);
        TChartBackWall* Wall = Chart->BackWall();
        Wall->SetTransparent(false);
        Wall->Gradient()->SetVisible(true);
        Wall->Gradient()->SetDirection(TGradientDirection(i));
        Chart->SetMarginLeft(16);
        Chart->SetMarginTop(22);
        Chart->SetMarginRight(16);
        Chart->SetMarginBottom(22);
        Directions->AddChart(Chart);
    }
    Directions->OnChangeChart = Method(this, &TTeeGradientEditor::DirectionsChange);
    Directions->LayoutCharts();
    TeeTranslateControl(Directions);
}

void TTeeGradientEditor::SetDirectionColors() {
    if (!Directions || !TheGradient) return;
    for (int i = 0; i < Directions->Charts()->Count(); ++i) {
        TTeeGradient* G = Directions->GetChart(i)->BackWall()->Gradient();
        G->SetStartColor(TheGradient->StartColor());
        G->SetMidColor(TheGradient->MidColor());
        G->SetEndColor(TheGradient->EndColor());
    }
}

void TTeeGradientEditor::SelectDirectionChart() {
    if (!Directions || !TheGradient) return;
    const int Index = int(TheGradient->Direction());
    if (Index < 0 || Index >= Directions->Charts()->Count()) return;
    // Selecting the chart of the gradient's own direction is no choice of the user's.
    const bool Old = SettingProps;
    SettingProps = true;
    Directions->SelectChart(Directions->GetChart(Index));
    SettingProps = Old;
}

void TTeeGradientEditor::DirectionsChange(TObject*) {
    if (SettingProps || !TheGradient || !Directions->SelectedChart()) return;
    IModified = true;
    TheGradient->SetDirection(TGradientDirection(Directions->SelectedChart()->Tag()));
    SettingProps = true;
    CBDirection->SetItemIndex(int(TheGradient->Direction()));
    SettingProps = false;
    EnableDirection();
    SetPreview();
}

void TTeeGradientEditor::FormShow(TObject*) {
    RefreshGradient(TheGradient ? TheGradient : reinterpret_cast<TCustomTeeGradient*>(Tag()));
    IModified = false;
    TeeTranslateControl(this);
}

void TTeeGradientEditor::RefreshGradient(TCustomTeeGradient* Gradient) {
    SettingProps = true;
    SetTag(NativeInt(Gradient));
    TheGradient = Gradient;
    if (Gradient) {
        delete Backup;
        Backup = new TTeeGradient;
        Backup->Assign(Gradient);
        BStart->LinkProperty(Gradient, QStringLiteral("StartColor"));
        BMid->LinkProperty(Gradient, QStringLiteral("MidColor"));
        BEnd->LinkProperty(Gradient, QStringLiteral("EndColor"));
        RefreshControls();
        EnableVisible();
        EnableDirection();
        SetPreview();
        SelectDirectionChart();
    }
    SettingProps = false;
}

void TTeeGradientEditor::RefreshControls() {
    TCustomTeeGradient* G = TheGradient;
    SBBalance->SetPosition(G->Balance());
    CBVisible->SetChecked(G->Visible());
    CBDirection->SetItemIndex(int(G->Direction()));
    CBMid->SetChecked(G->MidColor() == clNone);
    TrackBar1->SetPosition(G->RadialX());
    TrackBar2->SetPosition(G->RadialY());
    LRadialX->SetCaption(QString::number(G->RadialX()));
    LRadialY->SetCaption(QString::number(G->RadialY()));
    UDAngle->SetPosition(G->Angle());
    BSubEdit->LinkGradient(G->SubGradient());
    SBTransp->SetPosition(G->SubGradient()->Transparency());
    CBSubVisible->SetChecked(G->SubGradient()->Visible());
    BStart->Repaint();
    BMid->Repaint();
    BEnd->Repaint();
    SetDirectionColors();
}

void TTeeGradientEditor::SetPreview() {
    TTeeGradient* P = Preview->Gradient();
    P->SetVisible(TheGradient->Visible());
    P->SetDirection(TheGradient->Direction());
    P->SetStartColor(TheGradient->StartColor());
    P->SetMidColor(TheGradient->MidColor());
    P->SetEndColor(TheGradient->EndColor());
    Preview->Invalidate();
    SetDirectionColors();
}

void TTeeGradientEditor::EnableVisible() {
    const bool On = IOnlyStart || TheGradient->Visible();
    for (TControl* C :
         {static_cast<TControl*>(CBDirection), static_cast<TControl*>(BStart), static_cast<TControl*>(CBMid),
          static_cast<TControl*>(BMid), static_cast<TControl*>(BEnd), static_cast<TControl*>(BSwap),
          static_cast<TControl*>(Gallery)})
        C->SetEnabled(On);
}

void TTeeGradientEditor::EnableDirection() {
    const TGradientDirection D = TheGradient->Direction();
    const bool Middle = IOnlyStart || (TheGradient->Visible() && (D < gdFromCenter || D > gdRadial));
    CBMid->SetEnabled(Middle);
    BMid->SetEnabled(Middle);
    const bool Radial = D == gdRadial;
    for (TControl* C : {static_cast<TControl*>(TrackBar1), static_cast<TControl*>(TrackBar2),
                        static_cast<TControl*>(LRadialX), static_cast<TControl*>(LRadialY)})
        C->SetEnabled(Radial);
}

void TTeeGradientEditor::CBVisibleClick(TObject*) {
    if (!TheGradient) return;
    IModified = true;
    TheGradient->SetVisible(CBVisible->Checked());
    EnableVisible();
}

void TTeeGradientEditor::CBDirectionChange(TObject*) {
    if (!TheGradient || CBDirection->ItemIndex() < 0) return;
    IModified = true;
    TheGradient->SetDirection(TGradientDirection(CBDirection->ItemIndex()));
    EnableDirection();
    if (TheGradient->Direction() >= gdFromCenter) Gallery->SetItemIndex(-1);
    SetPreview();
    SelectDirectionChart();
}

void TTeeGradientEditor::GalleryClick(TObject*) {
    if (!TheGradient || Gallery->ItemIndex() < 0) return;
    IModified = true;
    ApplyPreset(TheGradient,
                int(reinterpret_cast<intptr_t>(Gallery->Items()->Objects(Gallery->ItemIndex()))));
    RefreshControls();
    SetPreview();
}

void TTeeGradientEditor::BStartClick(TObject*) {
    if (!TheGradient) return;
    IModified = true;
    SetPreview();
}

void TTeeGradientEditor::BMidClick(TObject*) {
    if (!TheGradient) return;
    IModified = true;
    CBMid->SetChecked(TheGradient->MidColor() == clNone);
    SetPreview();
}

void TTeeGradientEditor::BSwapClick(TObject*) {
    if (!TheGradient) return;
    IModified = true;
    const TColor Start = TheGradient->StartColor();
    TheGradient->SetStartColor(TheGradient->EndColor());
    TheGradient->SetEndColor(Start);
    BStart->Repaint();
    BEnd->Repaint();
    SetPreview();
}

void TTeeGradientEditor::CBMidClick(TObject*) {
    if (!TheGradient) return;
    IModified = true;
    if (SettingProps) return;
    if (CBMid->Checked()) {
        TheGradient->SetMidColor(clNone);
    } else {
        TheGradient->UseMiddleColor();
        if (TheGradient->MidColor() == clNone) TheGradient->SetMidColor(clWhite);
    }
    BMid->Repaint();
    SetPreview();
}

void TTeeGradientEditor::SBBalanceChange(TObject*) {
    if (!TheGradient) return;
    IModified = true;
    if (!SettingProps) TheGradient->SetBalance(SBBalance->Position());
    LabelBalance->SetCaption(FormatFloat(TeeMsg_DefPercentFormat, TheGradient->Balance()));
}

void TTeeGradientEditor::TrackBar1Change(TObject*) {
    if (!TheGradient) return;
    IModified = true;
    TheGradient->SetRadialX(TrackBar1->Position());
    LRadialX->SetCaption(QString::number(TheGradient->RadialX()));
}

void TTeeGradientEditor::TrackBar2Change(TObject*) {
    if (!TheGradient) return;
    IModified = true;
    TheGradient->SetRadialY(TrackBar2->Position());
    LRadialY->SetCaption(QString::number(TheGradient->RadialY()));
}

void TTeeGradientEditor::EAngleChange(TObject*) {
    if (!TheGradient || !Showing()) return;
    int Angle = 0;
    if (!TryStrToInt(EAngle->Text().trimmed(), Angle)) return;
    IModified = true;
    TheGradient->SetAngle(Angle);
}

void TTeeGradientEditor::CBSubVisibleClick(TObject*) {
    if (!TheGradient) return;
    IModified = true;
    TheGradient->SubGradient()->SetVisible(CBSubVisible->Checked());
}

void TTeeGradientEditor::SBTranspChange(TObject*) {
    if (!TheGradient) return;
    IModified = true;
    TheGradient->SubGradient()->SetTransparency(SBTransp->Position());
}

void TTeeGradientEditor::BCancelClick(TObject*) {
    if (IModified && TheGradient && Backup) {
        TheGradient->Assign(Backup);
        if (TheGradient->Changed) TheGradient->Changed(TheGradient);
    }
    SetModalResult(mrCancel);
}

// ---- TButtonGradient ----------------------------------------------------------------------

TButtonGradient::TButtonGradient(TComponent* AOwner) : TTeeButton(AOwner) {}

void TButtonGradient::LinkGradient(TCustomTeeGradient* Gradient) {
    LinkProperty(Gradient, String());
    Instance = Gradient;
    Invalidate();
}

TCustomTeeGradient* TButtonGradient::GetGradient() const {
    return dynamic_cast<TCustomTeeGradient*>(Instance);
}

void TButtonGradient::EditorDestroyed(TObject* Sender) {
    if (FOldDestroy) FOldDestroy(Sender);
    FEditor = nullptr;
}

void TButtonGradient::Click() {
    TCustomTeeGradient* G = GetGradient();
    if (!G) {
        TTeeButton::Click();
        return;
    }
    if (!FEditor) {
        FEditor = new TTeeGradientEditor(this);
        FEditor->AfterConstruction();
        FEditor->SetAlign(alNone);
        FEditor->SetPosition(poOwnerFormCenter);
        FEditor->IOnlyStart = OnlyStart;
        FEditor->BEnd->SetVisible(!OnlyStart);
        FEditor->BSwap->SetVisible(!OnlyStart);
        FOldDestroy = FEditor->OnDestroy;
        FEditor->OnDestroy = Method(this, &TButtonGradient::EditorDestroyed);
    }
    FEditor->SetTag(NativeInt(G));
    FEditor->TheGradient = G;
    bool Ok = false;
    try {
        Ok = FEditor->ShowModal() == mrOk;
    } catch (...) {
        FreeObject(FEditor); // its destroy event forgets it
        throw;
    }
    FreeObject(FEditor);
    if (Ok) {
        Invalidate();
        TTeeButton::Click();
    }
}

void TButtonGradient::DrawSymbol(TTeeCanvas* ACanvas) {
    TCustomTeeGradient* G = GetGradient();
    if (!Enabled() || !G) return;
    const TRect R = SymbolRectangle();
    G->Draw(ACanvas, R);
    ACanvas->Pen()->SetStyle(psSolid);
    ACanvas->Pen()->SetWidth(1);
    ACanvas->Pen()->SetColor(G->Visible() ? clBlack : TColor(0x808080));
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->Rectangle(R);
}

// ---- EditTeeGradient ----------------------------------------------------------------------

bool EditTeeGradient(TComponent* AOwner, TCustomTeeGradient* Gradient, bool OnlyStart, bool HideVisible) {
    std::unique_ptr<TTeeGradientEditor> Editor(TeeCreateForm<TTeeGradientEditor>(AOwner));
    Editor->SetTag(NativeInt(Gradient));
    Editor->IOnlyStart = OnlyStart;
    Editor->BEnd->SetVisible(!OnlyStart);
    Editor->BSwap->SetVisible(!OnlyStart);
    Editor->CBVisible->SetVisible(!HideVisible);
    return Editor->ShowModal() == mrOk;
}
