// The series, function and tool registries, the colour palettes, the theme base and the
// series factories.
#include "chart/engine/chart/ChartRegistries.h"

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/chart/ChartLegend.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/TeeFunction.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/ClassRegistry.h"

#include <algorithm>
#include <memory>

ORVO_IMPLEMENT_CLASS(TTeeSeriesType, TObject)
ORVO_IMPLEMENT_CLASS(TTeeSeriesTypes, TObject)
ORVO_IMPLEMENT_CLASS(TTeeToolTypes, TObject)
ORVO_IMPLEMENT_CLASS(TColorPalettes, TStringList)
ORVO_IMPLEMENT_CLASS(TChartTheme, TPersistent)

TClass TeePageNumToolClass = nullptr;
TClass TeeAntiAliasCanvas = nullptr;

// ---- palettes -----------------------------------------------------------------------------------

const std::array<TColor, 22> ExcelPalette = {
    TColor(0xFF9999), TColor(0x663399), TColor(0xCCFFFF), TColor(0xFFFFCC), TColor(0x660066),
    TColor(0x8080FF), TColor(0xCC6600), TColor(0xFFCCCC), TColor(0x800000), TColor(0xFF00FF),
    TColor(0x00FFFF), TColor(0xFFFF00), TColor(0x800080), TColor(0x000080), TColor(0x808000),
    TColor(0xFF0000), TColor(0xFFCC00), TColor(0xFFFFCC), TColor(0xCCFFCC), TColor(0x00FFFF),
    TColor(0xFFCC99), TColor(0xCC99FF)};
const std::array<TColor, 11> VictorianPalette = {TColor(0xA09A5F), TColor(0x9C3C3C), TColor(0x71A5D3),
                                                 TColor(0x2E5A8B), TColor(0x5AA09B), TColor(0x4A5B97),
                                                 TColor(0x326478), TColor(0x8EB7C1), TColor(0x546E2C),
                                                 TColor(0x7A7AB0), TColor(0x3A3A3A)};
const std::array<TColor, 14> PastelsPalette = {
    TColor(0xCCFFFF), TColor(0xFFFFCC), TColor(0xCCCCFF), TColor(0xCCFFCC), TColor(0xFFCCFF),
    TColor(0xCCE5FF), TColor(0xFFE5CC), TColor(0xE5CCFF), TColor(0xCCFFE5), TColor(0xE5FFCC),
    TColor(0xFFCCE5), TColor(0xDDDDDD), TColor(0xB3E0FF), TColor(0xFFE0B3)};
const std::array<TColor, 8> SolidPalette = {TColor(0xFF0000), TColor(0x0000FF), TColor(0x00FF00),
                                            TColor(0x00CCFF), TColor(0x404040), TColor(0x00FFFF),
                                            TColor(0xC000FF), TColor(0xFFFFFF)};
const std::array<TColor, 12> ClassicPalette = {TColor(0xFF0000), TColor(0x00FF00), TColor(0xFFFF00),
                                               TColor(0x0000FF), TColor(0xFF00FF), TColor(0x00FFFF),
                                               TColor(0x800000), TColor(0x008000), TColor(0x808000),
                                               TColor(0x000080), TColor(0x800080), TColor(0x008080)};
const std::array<TColor, 9> WebPalette = {TColor(0x0099FF), TColor(0x336600), TColor(0xCC3300),
                                          TColor(0x00CCFF), TColor(0x996633), TColor(0x3399CC),
                                          TColor(0x669900), TColor(0x9933CC), TColor(0x666666)};
const std::array<TColor, 14> ModernPalette = {
    TColor(0x6699FF), TColor(0x6666FF), TColor(0xFFCC99), TColor(0x669966), TColor(0x99CCCC),
    TColor(0xCC6699), TColor(0x666699), TColor(0x99CC66), TColor(0xCC99FF), TColor(0x3399CC),
    TColor(0x9999FF), TColor(0xCCCC66), TColor(0x996666), TColor(0x99FFCC)};
const std::array<TColor, 25> RainbowPalette = {
    TColor(0x000099), TColor(0x0000C3), TColor(0x0000EC), TColor(0x0019FF), TColor(0x0043FF),
    TColor(0x006CFF), TColor(0x0096FF), TColor(0x00C0FF), TColor(0x00E9FF), TColor(0x00FFEC),
    TColor(0x00FFC3), TColor(0x00FF99), TColor(0x00FF70), TColor(0x00FF46), TColor(0x19FF00),
    TColor(0x43FF00), TColor(0x6CF000), TColor(0x96D000), TColor(0xC0B000), TColor(0xE99000),
    TColor(0xFF7000), TColor(0xFF5000), TColor(0xFF3066), TColor(0xFF1099), TColor(0xFF00CC)};
const std::array<TColor, 13> WindowsXPPalette = {
    TColor(0xFE9B82), TColor(0x24D1FC), TColor(0x0DBC7C), TColor(0x2F85FD), TColor(0xFCFEFD),
    TColor(0x214EE2), TColor(0xD63829), TColor(0x0094B7), TColor(0x00865A), TColor(0x0046D2),
    TColor(0xFAE5D3), TColor(0xD8D8D8), TColor(0x7B715F)};
const std::array<TColor, 16> MacOSPalette = {
    TColor(0xFFFFFF), TColor(0x0000FF), TColor(0x00FFFF), TColor(0x00FF00),
    TColor(0xFFFF00), TColor(0xFF0000), TColor(0xFF00FF), TColor(0x000080),
    TColor(0x008080), TColor(0x008000), TColor(0x808000), TColor(0x800000),
    TColor(0xC0C0C0), TColor(0x808080), TColor(0x404040), TColor(0x000000)};
const std::array<TColor, 15> WindowsVistaPalette = {
    TColor(0xC09A64), TColor(0x3E8AE8), TColor(0x4DB39A), TColor(0x3CC0F0), TColor(0xA5635C),
    TColor(0x6B4FC8), TColor(0x9BB24B), TColor(0x2F6FD4), TColor(0xB88A3A), TColor(0x6AA7E0),
    TColor(0x8C8C8C), TColor(0x4F4FA0), TColor(0xD8C890), TColor(0x58A858), TColor(0x303030)};
const std::array<TColor, 15> GrayScalePalette = {
    TColor(0xF0F0F0), TColor(0xE0E0E0), TColor(0xD0D0D0), TColor(0xC0C0C0), TColor(0xB0B0B0),
    TColor(0xA0A0A0), TColor(0x909090), TColor(0x808080), TColor(0x707070), TColor(0x606060),
    TColor(0x505050), TColor(0x404040), TColor(0x303030), TColor(0x202020), TColor(0x101010)};
const std::array<TColor, 12> OperaPalette = {TColor(0xA36644), TColor(0x359CF3), TColor(0x144CF1),
                                             TColor(0xA8974E), TColor(0x6B402B), TColor(0x637B1D),
                                             TColor(0x0E08B3), TColor(0x5DC0F2), TColor(0x9EB75D),
                                             TColor(0x707070), TColor(0x8DEAF3), TColor(0xB4B4B4)};
const std::array<TColor, 8> WarmPalette = {TColor(0x8DEAF3), TColor(0x5DC0F2), TColor(0x359CF3),
                                           TColor(0x1C81F5), TColor(0x156BF3), TColor(0x144CF1),
                                           TColor(0x0A18E6), TColor(0x0E08B3)};
const std::array<TColor, 8> CoolPalette = {TColor(0x6B402B), TColor(0x8C543B), TColor(0xA36644),
                                           TColor(0xA8974E), TColor(0x9EB75D), TColor(0x8AA041),
                                           TColor(0x7D922B), TColor(0x637B1D)};

namespace {
template <size_t N> std::vector<TColor> Colors(const std::array<TColor, N>& Table) {
    return std::vector<TColor>(Table.begin(), Table.end());
}

// The palette names in index order.
const String* const PaletteNames[] = {
    &TeeMsg_ThemeVorUvivi,  &TeeMsg_ThemeExcel,   &TeeMsg_ThemeVictorian, &TeeMsg_ThemePastels,
    &TeeMsg_ThemeSolid,     &TeeMsg_ThemeClassic, &TeeMsg_ThemeWeb,       &TeeMsg_ThemeModern,
    &TeeMsg_ThemeRainbow,   &TeeMsg_ThemeWinXP,   &TeeMsg_ThemeMacOS,     &TeeMsg_ThemeWinVista,
    &TeeMsg_ThemeGrayScale, &TeeMsg_ThemeOpera,   &TeeMsg_ThemeWarm,      &TeeMsg_ThemeCool};
} // namespace

std::vector<TColor> PaletteColors(int Index) {
    switch (Index) {
    case 1:
        return Colors(ExcelPalette);
    case 2:
        return Colors(VictorianPalette);
    case 3:
        return Colors(PastelsPalette);
    case 4:
        return Colors(SolidPalette);
    case 5:
        return Colors(ClassicPalette);
    case 6:
        return Colors(WebPalette);
    case 7:
        return Colors(ModernPalette);
    case 8:
        return Colors(RainbowPalette);
    case 9:
        return Colors(WindowsXPPalette);
    case 10:
        return Colors(MacOSPalette);
    case 11:
        return Colors(WindowsVistaPalette);
    case 12:
        return Colors(GrayScalePalette);
    case 13:
        return Colors(OperaPalette);
    case 14:
        return Colors(WarmPalette);
    case 15:
        return Colors(CoolPalette);
    default:
        return {};
    }
}

TColorPalettes* ColorPalettes() {
    static TColorPalettes* palettes = [] {
        auto* list = new TColorPalettes;
        for (const String* name : PaletteNames)
            list->Add(*name);
        return list;
    }();
    return palettes;
}

void TColorPalettes::AddTo(TStrings* Items, bool AddDefault) {
    if (AddDefault) Items->Add(TeeMsg_Default);
    TColorPalettes* palettes = ColorPalettes();
    for (int i = 0; i < palettes->Count(); ++i)
        Items->AddObject(palettes->Strings(i), reinterpret_cast<TObject*>(static_cast<intptr_t>(i)));
}

void TColorPalettes::ApplyPalette(TCustomAxisPanel* Chart, int Index) {
    if (!Chart) return;
    Chart->ColorPalette = PaletteColors(Index);
    Chart->ColorPaletteChanged();
    if (auto* chart = dynamic_cast<TCustomChart*>(Chart)) chart->FColorPaletteIndex = Index;
    Chart->Invalidate();
}

void TColorPalettes::ApplyPalette(TCustomAxisPanel* Chart, const std::vector<TColor>& Palette) {
    if (!Chart) return;
    Chart->ColorPalette = Palette;
    Chart->ColorPaletteChanged();
}

// ---- themes -------------------------------------------------------------------------------------

void TChartTheme::ChangeAxis(TChartAxis*) {}

void TChartTheme::Apply() {
    if (!Chart) return;
    for (int i = 0; i < Chart->Axes()->Count(); ++i)
        ChangeAxis(Chart->Axes()->Get(i));
    for (int i = 0; i < Chart->CustomAxes()->Count(); ++i)
        ChangeAxis(Chart->CustomAxes()->Get(i));
}

String TChartTheme::Description() {
    return TeeMsg_ThemeDefault;
}

// ---- series and function types ------------------------------------------------------------------

TTeeSeriesTypes::~TTeeSeriesTypes() {
    Clear();
}

TTeeSeriesType* TTeeSeriesTypes::Get(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[size_t(Index)] : nullptr;
}

TTeeSeriesType* TTeeSeriesTypes::Find(TClass ASeriesClass) const {
    for (TTeeSeriesType* t : FItems)
        if (t->SeriesClass == ASeriesClass && !t->FunctionClass) return t;
    return nullptr;
}

void TTeeSeriesTypes::Delete(int Index) {
    if (Index < 0 || Index >= Count()) return;
    TTeeSeriesType* t = FItems[size_t(Index)];
    FItems.erase(FItems.begin() + Index);
    delete t;
}

void TTeeSeriesTypes::Clear() {
    for (TTeeSeriesType* t : FItems)
        delete t;
    FItems.clear();
}

TTeeSeriesTypes* TeeSeriesTypesList() {
    static TTeeSeriesTypes* list = new TTeeSeriesTypes;
    return list;
}

void RegisterTeeSeriesFunction(TClass ASeriesClass, TClass AFunctionClass, const String* ADescription,
                               const String* AGalleryPage, int NumGallerySeries, int SubIndex) {
    if (ASeriesClass) RegisterClass(ASeriesClass);
    if (AFunctionClass) RegisterClass(AFunctionClass);
    TTeeSeriesTypes* list = TeeSeriesTypesList();
    if (SubIndex == 0) {
        for (int i = 0; i < list->Count(); ++i) {
            TTeeSeriesType* t = list->Get(i);
            if (t->SeriesClass == ASeriesClass && t->FunctionClass == AFunctionClass) return;
        }
    }
    auto* entry = new TTeeSeriesType;
    entry->SeriesClass = ASeriesClass;
    entry->FunctionClass = AFunctionClass;
    entry->Description = ADescription;
    entry->GalleryPage = AGalleryPage;
    entry->NumGallerySeries = NumGallerySeries;
    entry->SubIndex = SubIndex;
    list->Add(entry);
}

void RegisterTeeSeries(TClass ASeriesClass, const String* ADescription, const String* AGalleryPage,
                       int NumGallerySeries) {
    RegisterTeeSeriesFunction(ASeriesClass, nullptr, ADescription, AGalleryPage, NumGallerySeries, 0);
}

void RegisterTeeSeries(TClass ASeriesClass, const String* ADescription) {
    RegisterTeeSeries(ASeriesClass, ADescription, &TeeMsg_GalleryStandard, 2);
}

void RegisterTeeFunction(TClass AFunctionClass, const String* ADescription, const String* AGalleryPage,
                         int NumGallerySeries) {
    RegisterTeeSeriesFunction(nullptr, AFunctionClass, ADescription, AGalleryPage, NumGallerySeries, 0);
}

void RegisterTeeBasicFunction(TClass AFunctionClass, const String* ADescription) {
    RegisterTeeFunction(AFunctionClass, ADescription, &TeeMsg_GalleryStandard, 2);
}

namespace {
template <class Pick> void UnRegisterTypes(std::initializer_list<TClass> Classes, Pick ClassOf) {
    TTeeSeriesTypes* list = TeeSeriesTypesList();
    for (TClass cls : Classes) {
        int i = 0;
        while (i < list->Count()) {
            if (ClassOf(list->Get(i)) == cls)
                list->Delete(i);
            else
                ++i;
        }
    }
}
} // namespace

void UnRegisterTeeSeries(std::initializer_list<TClass> SeriesList) {
    UnRegisterTypes(SeriesList, [](TTeeSeriesType* t) { return t->SeriesClass; });
}

void UnRegisterTeeFunctions(std::initializer_list<TClass> FunctionList) {
    UnRegisterTypes(FunctionList, [](TTeeSeriesType* t) { return t->FunctionClass; });
}

String GetGallerySeriesName(TChartSeries* ASeries) {
    TTeeSeriesType* t = TeeSeriesTypesList()->Find(ASeries->ClassType());
    return t ? t->DescriptionText() : ASeries->ClassName();
}

// ---- tool types ---------------------------------------------------------------------------------

TClass TTeeToolTypes::Get(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[size_t(Index)] : nullptr;
}

int TTeeToolTypes::IndexOf(TClass AClass) const {
    auto it = std::find(FItems.begin(), FItems.end(), AClass);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TTeeToolTypes::Remove(TClass AClass) {
    auto it = std::find(FItems.begin(), FItems.end(), AClass);
    if (it != FItems.end()) FItems.erase(it);
}

TTeeToolTypes* TeeToolTypesList() {
    static TTeeToolTypes* list = new TTeeToolTypes;
    return list;
}

void RegisterTeeTools(std::initializer_list<TClass> Tools) {
    TTeeToolTypes* list = TeeToolTypesList();
    for (TClass cls : Tools) {
        if (!cls || list->IndexOf(cls) >= 0) continue;
        RegisterClass(cls);
        list->Add(cls);
    }
}

void UnRegisterTeeTools(std::initializer_list<TClass> Tools) {
    for (TClass cls : Tools)
        TeeToolTypesList()->Remove(cls);
}

// ---- factories ----------------------------------------------------------------------------------

String GetNewSeriesName(TComponent* AOwner) {
    return TeeGetUniqueName(AOwner, QStringLiteral("Series"));
}

TChartSeries* CreateNewSeries(TComponent* AOwner, TCustomAxisPanel* AChart, TClass ASeriesClass,
                              TClass AFunctionClass) {
    if (!ASeriesClass || !ASeriesClass->CreateComponent) return nullptr;
    TComponent* owner = AOwner ? AOwner : AChart;
    if (AChart) {
        for (int i = 0; i < AChart->SeriesCount(); ++i)
            if (AChart->GetSeries(i)->Owner() == AChart) {
                owner = AChart;
                break;
            }
    }
    TObject* made = ASeriesClass->CreateComponent(owner);
    auto* series = dynamic_cast<TChartSeries*>(made);
    if (!series) {
        FreeObject(made);
        return nullptr;
    }
    try {
        series->SetName(GetNewSeriesName(owner));
    } catch (...) {
        FreeObject(series);
        throw;
    }
    series->SetParentChart(AChart);
    if (AFunctionClass) CreateNewTeeFunction(series, AFunctionClass);
    return series;
}

TTeeFunction* CreateNewTeeFunction(TChartSeries* ASeries, TClass AFunctionClass) {
    if (!ASeries || !AFunctionClass || !AFunctionClass->CreateComponent) return nullptr;
    TComponent* owner = ASeries->Owner();
    TObject* made = AFunctionClass->CreateComponent(owner);
    auto* function = dynamic_cast<TTeeFunction*>(made);
    if (!function) {
        FreeObject(made);
        return nullptr;
    }
    function->SetParentSeries(ASeries);
    function->SetName(TeeGetUniqueName(owner, QStringLiteral("TeeFunction")));
    return function;
}

TChartSeries* CloneChartSeries(TChartSeries* ASeries) {
    return CloneChartSeries(ASeries, ASeries->Owner(), ASeries->ParentChart());
}

TChartSeries* CloneChartSeries(TChartSeries* ASeries, TCustomAxisPanel* AChart) {
    return CloneChartSeries(ASeries, ASeries->Owner(), AChart);
}

TChartSeries* CloneChartSeries(TChartSeries* ASeries, TComponent* AOwner, TCustomAxisPanel* AChart) {
    TTeeFunction* function = ASeries->FunctionType();
    TChartSeries* clone =
        CreateNewSeries(AOwner, AChart, ASeries->ClassType(), function ? function->ClassType() : nullptr);
    if (clone) clone->Assign(ASeries);
    return clone;
}

TTeeCustomTool* CloneChartTool(TTeeCustomTool* ATool, TComponent* AOwner) {
    TClass cls = ATool->ClassType();
    if (!cls->CreateComponent) return nullptr;
    auto* tool = dynamic_cast<TTeeCustomTool*>(cls->CreateComponent(AOwner));
    if (!tool) return nullptr;
    tool->SetName(TeeGetUniqueName(AOwner, QStringLiteral("ChartTool")));
    tool->Assign(ATool);
    return tool;
}

void AssignSeries(TChartSeries*& OldSeries, TChartSeries*& NewSeries) {
    if (!OldSeries || !NewSeries || OldSeries == NewSeries) return;
    TChartSeries* oldSeries = OldSeries;
    TChartSeries* newSeries = NewSeries;
    newSeries->Assign(oldSeries);
    newSeries->AfterDrawValues = oldSeries->AfterDrawValues;
    newSeries->BeforeDrawValues = oldSeries->BeforeDrawValues;
    newSeries->OnAfterAdd = oldSeries->OnAfterAdd;
    newSeries->OnBeforeAdd = oldSeries->OnBeforeAdd;
    newSeries->OnClearValues = oldSeries->OnClearValues;
    newSeries->OnClick = oldSeries->OnClick;
    newSeries->OnDblClick = oldSeries->OnDblClick;
    newSeries->OnGetMarkText = oldSeries->OnGetMarkText;
    const String name = oldSeries->Name();

    // The series fed from the old one read from the new one instead.
    while (oldSeries->LinkedSeries()->Count() > 0) {
        TChartSeries* dependant = oldSeries->LinkedSeries()->Get(0);
        TDataSourcesList* sources = dependant->DataSources();
        const int at = sources->IndexOf(oldSeries);
        if (sources->IndexOf(newSeries) < 0) {
            if (at >= 0)
                sources->SetItems(at, newSeries);
            else
                sources->InheritedAdd(newSeries);
        } else if (at >= 0) {
            sources->TList::Delete(at);
        }
        newSeries->AddLinkedSeries(dependant);
        oldSeries->RemoveLinkedSeries(dependant);
    }

    TCustomAxisPanel* chart = oldSeries->ParentChart();
    if (chart) {
        for (int i = 0; i < chart->Tools()->Count(); ++i)
            if (auto* tool = dynamic_cast<TTeeCustomToolSeries*>(chart->Tools()->Get(i)))
                if (tool->Series() == oldSeries) tool->SetSeries(newSeries);
        chart->ExchangeSeries(oldSeries, newSeries);
    }
    FreeObject(oldSeries);
    OldSeries = nullptr;

    newSeries->SetName(name);
    newSeries->BroadcastSeriesEvent(seChangeTitle);
    newSeries->CheckDataSource();
    if (newSeries->ManualData()) newSeries->RefreshSeries();
}

TChartSeries* ChangeSeriesType(TChartSeries*& ASeries, TClass ANewSeriesClass) {
    if (!ASeries || !ANewSeriesClass || ASeries->ClassType() == ANewSeriesClass) return ASeries;
    TChartSeries* made = CreateNewSeries(ASeries->Owner(), ASeries->ParentChart(), ANewSeriesClass, nullptr);
    if (made) {
        AssignSeries(ASeries, made);
        ASeries = made;
    }
    return ASeries;
}

void ChangeAllSeriesType(TCustomAxisPanel* AChart, TClass AClass) {
    const int count = AChart->SeriesCount();
    for (int i = 0; i < count && i < AChart->SeriesCount(); ++i) {
        TChartSeries* s = AChart->GetSeries(i);
        ChangeSeriesType(s, AClass);
    }
}

void PaintSeriesLegend(TChartSeries* ASeries, TCanvas* ACanvas, const TRect& R,
                       TCustomAxisPanel* ReferenceChart) {
    std::unique_ptr<TCustomChart> temporary;
    TCustomAxisPanel* chart = ASeries->ParentChart();
    const bool attach = !chart;
    if (attach) {
        chart = ReferenceChart;
        if (!chart) {
            temporary = std::make_unique<TCustomChart>(nullptr);
            chart = temporary.get();
        }
        ASeries->SetParentChart(chart);
    }
    auto detach = [&] {
        if (attach) ASeries->SetParentChart(nullptr);
    };
    try {
        ACanvas->Brush()->SetStyle(bsSolid);
        if (auto* c = dynamic_cast<TCustomChart*>(chart); c && c->Legend()) {
            ACanvas->Brush()->SetColor(c->Legend()->Color());
            c->Legend()->PrepareSymbolPen();
        }
        TCanvas3D* canvas = chart->Canvas();
        if (!canvas->SupportsFullRotation()) {
            TCanvas* own = canvas->ReferenceCanvas();
            const bool buffered = canvas->UseBuffer();
            canvas->SetUseBuffer(false);
            canvas->SetCanvas(ACanvas);
            try {
                canvas->FrontPlaneBegin();
                ASeries->DrawLegend(-1, R);
                canvas->FrontPlaneEnd();
            } catch (...) {
                canvas->SetCanvas(own);
                canvas->SetUseBuffer(buffered);
                throw;
            }
            canvas->SetCanvas(own);
            canvas->SetUseBuffer(buffered);
        }
    } catch (...) {
        detach();
        throw;
    }
    detach();
}
