#include "chart/editor/TeeGally.h"

#include "chart/editor/ChartListBox.h"
#include "chart/editor/TeeGalleryAlternate.h"
#include "chart/editor/TeeGalleryPanel.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/TeeFunction.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Panel.h"
#include "platform/controls/TabControl.h"

#include <algorithm>
#include <memory>

ORVO_IMPLEMENT_CLASS(TTeeGallery, TForm)

ORVO_PUBLISHED(TTeeGallery) {
    using S = TTeeGallery;
    P.Field("TabTypes", &S::TabTypes);
    P.Field("TabPages", &S::TabPages);
    P.Field("ChartGalleryPanel1", &S::ChartGalleryPanel1);
    P.Field("P1", &S::P1);
    P.Field("CB3D", &S::CB3D);
    P.Field("CBSmooth", &S::CBSmooth);
    P.Field("CBPalette", &S::CBPalette);
    P.Field("Button1", &S::Button1);
    P.Field("Button2", &S::Button2);
    P.Method("FormCreate", &S::FormCreate);
    P.Method("FormShow", &S::FormShow);
    P.Method("FormDestroy", &S::FormDestroy);
    P.Method("TabTypesChange", &S::TabTypesChange);
    P.Method("TabPagesChange", &S::TabPagesChange);
    P.Method("CB3DClick", &S::CB3DClick);
    P.Method("CBSmoothClick", &S::CBSmoothClick);
    P.Method("CBPaletteChange", &S::CBPaletteChange);
    P.Method("ChartGalleryPanel1SelectedChart", &S::ChartGalleryPanel1SelectedChart);
}

namespace {
const String kRememberSize = QStringLiteral("RememberGallerySize");
const String kWidth = QStringLiteral("GalleryWidth");
const String kHeight = QStringLiteral("GalleryHeight");

struct FreeForm {
    void operator()(TObject* o) const { FreeObject(o); }
};
} // namespace

TTeeGallery::TTeeGallery(TComponent* AOwner) : TForm(AOwner) {}

void TTeeGallery::FormCreate(TObject*) {
    TabTypes->Tabs()->Clear();
    TabTypes->Tabs()->Add(TeeMsg_Series);
    TabTypes->Tabs()->Add(TeeMsg_GalleryFunctions);
    TabTypes->SetTabIndex(0);
    CBPalette->Items()->Clear();
    TColorPalettes::AddTo(CBPalette->Items(), false);
}

void TTeeGallery::HideFunctions() {
    const int at = TabTypes->Tabs()->IndexOf(TeeMsg_GalleryFunctions);
    if (at >= 0) TabTypes->Tabs()->Delete(at);
    ChartGalleryPanel1->FunctionsVisible = false;
}

void TTeeGallery::HideButtons() {
    P1->Hide();
}

void TTeeGallery::SetPalette(int Index) {
    int found = -1;
    for (int i = 0; i < CBPalette->Items()->Count(); ++i)
        if (reinterpret_cast<NativeInt>(CBPalette->Items()->Objects(i)) == Index) found = i;
    CBPalette->SetItemIndex(found);
}

int TTeeGallery::SelectedPaletteIndex() const {
    const int i = CBPalette->ItemIndex();
    return i < 0 ? -1 : int(reinterpret_cast<NativeInt>(CBPalette->Items()->Objects(i)));
}

bool TTeeGallery::FunctionsTab() const {
    const int i = TabTypes->TabIndex();
    return i >= 0 && TabTypes->Tabs()->Strings(i) == TeeMsg_GalleryFunctions;
}

void TTeeGallery::CreatePageTabs() {
    TStrings* tabs = TabPages->Tabs();
    tabs->BeginUpdate();
    tabs->Clear();
    const bool functions = FunctionsTab();
    TTeeSeriesTypes* types = TeeSeriesTypes();
    for (int i = 0; i < types->Count(); ++i) {
        TTeeSeriesType* t = types->Get(i);
        if (t->NumGallerySeries < 1) continue;
        const bool hasFunction = t->FunctionClass != nullptr;
        const bool wanted = OnlyFunctions ? hasFunction : functions == hasFunction;
        if (!wanted) continue;
        const String page = t->GalleryPageText();
        if (tabs->IndexOf(page) < 0) tabs->Add(page);
    }
    const int standard = tabs->IndexOf(TeeMsg_GalleryStandard);
    if (standard > 0) tabs->Exchange(0, standard);
    tabs->EndUpdate();
    TabPages->SetTabIndex(tabs->Count() > 0 ? 0 : -1);
    TabPagesChange(TabPages);
}

void TTeeGallery::TabTypesChange(TObject*) {
    CreatePageTabs();
}

void TTeeGallery::TabPagesChange(TObject*) {
    ChartGalleryPanel1->FunctionsVisible = OnlyFunctions || FunctionsTab();
    ChartGalleryPanel1->SetView3D(CB3D->Checked());
    const int i = TabPages->TabIndex();
    if (i >= 0 && i < TabPages->Tabs()->Count()) {
        ChartGalleryPanel1->CreateGalleryPage(TabPages->Tabs()->Strings(i));
    } else {
        ChartGalleryPanel1->Charts()->Clear();
    }
    ApplyPalette();
}

void TTeeGallery::ApplyPalette() {
    const int palette = SelectedPaletteIndex();
    if (palette < 0) return;
    TChartList* charts = ChartGalleryPanel1->Charts();
    for (int i = 0; i < charts->Count(); ++i) {
        TGalleryChart* chart = charts->GetChart(i);
        TColorPalettes::ApplyPalette(chart, palette);
        if (chart->SeriesCount() > 0) chart->Series(0)->GalleryChanged3D(CB3D->Checked());
    }
}

void TTeeGallery::FormShow(TObject*) {
    CBSmooth->SetChecked(ChartGalleryPanel1->Smooth());
    TabTypes->SetTabIndex(0);
    CreatePageTabs();
    if (TeeReadBoolOption(kRememberSize, true)) {
        const int w = TeeReadIntegerOption(kWidth, -1), h = TeeReadIntegerOption(kHeight, -1);
        if (w >= 0) SetWidth(std::max(100, w));
        if (h >= 0) SetHeight(std::max(100, h));
    }
    TeeTranslateControl(this);
}

void TTeeGallery::FormDestroy(TObject*) {
    if (!TeeReadBoolOption(kRememberSize, true)) return;
    // Only a size that changed is written: the registry file is not rewritten for nothing.
    if (TeeReadIntegerOption(kWidth, -1) != Width()) TeeSaveIntegerOption(kWidth, Width());
    if (TeeReadIntegerOption(kHeight, -1) != Height()) TeeSaveIntegerOption(kHeight, Height());
}

void TTeeGallery::CB3DClick(TObject*) {
    ChartGalleryPanel1->SetView3D(CB3D->Checked());
}

void TTeeGallery::CBSmoothClick(TObject*) {
    ChartGalleryPanel1->SetSmooth(CBSmooth->Checked());
    TChartGalleryPanel::SaveSmooth(CBSmooth->Checked());
}

void TTeeGallery::CBPaletteChange(TObject*) {
    ApplyPalette();
}

void TTeeGallery::ChartGalleryPanel1SelectedChart(TObject*) {
    SetModalResult(mrOk);
}

// ---- running the galleries ------------------------------------------------------------------

bool GetChartGalleryClass(TComponent* AOwner, TChartSeries* OldSeries, bool ShowFunctions,
                          TClass& SeriesClass, bool& Show3D, TClass& FunctionClass, bool CheckSeries,
                          int& SubIndex, int& PaletteIndex) {
    bool chosen = false;
    if (TChartGalleryPanel::DefaultMode() == 0) {
        std::unique_ptr<TTeeGallery, FreeForm> gallery(
            static_cast<TTeeGallery*>(TTeeGallery::StaticClass()->CreateComponent(AOwner)));
        PositionToCenter(gallery.get());
        gallery->CB3D->SetChecked(Show3D);
        TChartGalleryPanel* panel = gallery->ChartGalleryPanel1;
        panel->SelectedSeries = OldSeries;
        if (!ShowFunctions) gallery->HideFunctions();
        panel->CheckSeries = CheckSeries;
        gallery->SetPalette(PaletteIndex);
        if (gallery->ShowModal() == mrOk) {
            PaletteIndex = gallery->SelectedPaletteIndex();
            chosen = panel->GetSeriesClass(SeriesClass, FunctionClass, SubIndex);
            if (chosen) Show3D = gallery->CB3D->Checked() && panel->SelectedChart()->View3D();
        }
    } else {
        std::unique_ptr<TTeeGalleryForm, FreeForm> gallery(
            static_cast<TTeeGalleryForm*>(TTeeGalleryForm::StaticClass()->CreateComponent(AOwner)));
        PositionToCenter(gallery.get());
        gallery->CB3D->SetChecked(Show3D);
        TeeTranslateControl(gallery.get());
        TChartGalleryPanel* panel = gallery->ChartGalleryPanel1;
        if (gallery->ShowModal() == mrOk) {
            chosen = panel->GetSeriesClass(SeriesClass, FunctionClass, SubIndex);
            if (chosen) Show3D = gallery->CB3D->Checked() && panel->SelectedChart()->View3D();
        }
    }
    return chosen;
}

TChartSeries* CreateNewSeriesGallery(TComponent* AOwner, TChartSeries* OldSeries, TCustomAxisPanel* AChart,
                                     bool ShowFunctions, bool CheckSeries, int& SubIndex) {
    if (!AChart) return nullptr;
    auto* chart = dynamic_cast<TCustomChart*>(AChart);
    bool show3D = AChart->View3D();
    int palette = chart ? chart->ColorPaletteIndex() : 0;
    TClass seriesClass = nullptr, functionClass = nullptr;
    if (!GetChartGalleryClass(AOwner, OldSeries, ShowFunctions, seriesClass, show3D, functionClass,
                              CheckSeries, SubIndex, palette))
        return nullptr;
    AChart->SetView3D(show3D);
    if (chart && palette >= 0 && palette != chart->ColorPaletteIndex())
        TColorPalettes::ApplyPalette(chart, palette);
    if (OldSeries && !ShowFunctions && seriesClass == OldSeries->ClassType() && SubIndex == -1)
        return nullptr;
    TComponent* owner = OldSeries ? OldSeries->Owner() : AChart->Owner();
    TChartSeries* series = CreateNewSeries(owner, AChart, seriesClass, functionClass);
    if (series && SubIndex != -1) series->SetSubGallery(series, SubIndex);
    return series;
}

TChartSeries* CreateNewSeriesGallery(TComponent* AOwner, TCustomAxisPanel* AChart) {
    int subIndex = -1;
    return CreateNewSeriesGallery(AOwner, nullptr, AChart, true, false, subIndex);
}

TChartSeries* ChangeSeriesTypeGallery(TComponent* AOwner, TChartSeries*& ASeries) {
    if (!ASeries || !ASeries->ParentChart()) return nullptr;
    int subIndex = -1;
    TChartSeries* made =
        CreateNewSeriesGallery(AOwner, ASeries, ASeries->ParentChart(), false, true, subIndex);
    if (!made) return nullptr;
    AssignSeries(ASeries, made);
    ASeries = made;
    if (subIndex != -1) made->SetSubGallery(made, subIndex);
    return made;
}

void ChangeAllSeriesGallery(TComponent* AOwner, TCustomAxisPanel* AChart) {
    if (!AChart || AChart->SeriesCount() == 0) return;
    TChartSeries* first = AChart->Series(0);
    if (TChartSeries* made = ChangeSeriesTypeGallery(AOwner, first))
        ChangeAllSeriesType(AChart, made->ClassType());
}

TClass GetChartGalleryFunction(TComponent* AOwner) {
    std::unique_ptr<TTeeGallery, FreeForm> gallery(
        static_cast<TTeeGallery*>(TTeeGallery::StaticClass()->CreateComponent(AOwner)));
    const int at = gallery->TabTypes->Tabs()->IndexOf(TeeMsg_Series);
    if (at >= 0) gallery->TabTypes->Tabs()->Delete(at);
    gallery->OnlyFunctions = true;
    gallery->ChartGalleryPanel1->FunctionsVisible = true;
    PositionToCenter(gallery.get());
    if (gallery->ShowModal() != mrOk) return nullptr;
    TClass seriesClass = nullptr, functionClass = nullptr;
    int subIndex = 0;
    if (!gallery->ChartGalleryPanel1->GetSeriesClass(seriesClass, functionClass, subIndex)) return nullptr;
    return functionClass;
}

// ---- the series list's procedures -----------------------------------------------------------

namespace {
TChartSeries* AddSeriesThroughGallery(TComponent* AOwner, TCustomAxisPanel* AChart, TChartSeries* Selected) {
    if (!AChart) return nullptr;
    int subIndex = -1;
    return CreateNewSeriesGallery(AOwner, Selected, AChart, true, false, subIndex);
}

TClass ChangeTypeThroughGallery(TComponent* AOwner, TChartSeries*& ASeries) {
    ChangeSeriesTypeGallery(AOwner, ASeries);
    return ASeries ? ASeries->ClassType() : nullptr;
}
} // namespace

void InstallSeriesGalleryProcs() {
    TeeAddGalleryProc = &AddSeriesThroughGallery;
    TeeChangeGalleryProc = &ChangeTypeThroughGallery;
}

void RemoveSeriesGalleryProcs() {
    TeeAddGalleryProc = nullptr;
    TeeChangeGalleryProc = nullptr;
}
