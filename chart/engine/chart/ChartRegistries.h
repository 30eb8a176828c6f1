// The process-wide registries of the chart engine: the gallery of series and function types,
// the tool types and the named colour palettes; the theme base; and the factories editors use
// to create, clone, re-type and preview series and tools.
//
// Series, function and tool units register themselves from their start-up code; every
// registered class is also known to the streaming registry, so stored charts can create it by
// name. Descriptions and gallery pages are kept as addresses of message texts, so a change of
// language reaches the galleries without registering again.
#pragma once

#include "chart/engine/chart/Chart.h"
#include "platform/classes/StringList.h"

#include <array>
#include <initializer_list>
#include <vector>

class TCanvas;
class TTeeFunction;

// One gallery entry: a series class, a function class or both.
class TTeeSeriesType : public TObject {
    ORVO_CLASS(TTeeSeriesType, TObject)
public:
    // Null for an entry that registers a function alone.
    TClass SeriesClass = nullptr;
    // Null for a plain series type.
    TClass FunctionClass = nullptr;
    const String* Description = nullptr;
    const String* GalleryPage = nullptr;
    int NumGallerySeries = 2;
    // 0 for the main entry of a class pair; other values for its sub-styles.
    int SubIndex = 0;

    String DescriptionText() const { return Description ? *Description : String(); }
    String GalleryPageText() const { return GalleryPage ? *GalleryPage : String(); }
};

// The gallery entries in registration order; the list frees them.
class TTeeSeriesTypes : public TObject {
    ORVO_CLASS(TTeeSeriesTypes, TObject)
public:
    ~TTeeSeriesTypes() override;
    int Count() const { return int(FItems.size()); }
    // Null for an index outside the list.
    TTeeSeriesType* Get(int Index) const;
    TTeeSeriesType* operator[](int Index) const { return Get(Index); }
    // The plain entry (no function) of ASeriesClass, or null.
    TTeeSeriesType* Find(TClass ASeriesClass) const;
    void Add(TTeeSeriesType* AType) { FItems.push_back(AType); }
    // Frees and removes the entry at Index.
    void Delete(int Index);
    void Clear();

private:
    std::vector<TTeeSeriesType*> FItems;
};

// The registered tool classes in order of first registration.
class TTeeToolTypes : public TObject {
    ORVO_CLASS(TTeeToolTypes, TObject)
public:
    int Count() const { return int(FItems.size()); }
    TClass Get(int Index) const;
    TClass operator[](int Index) const { return Get(Index); }
    int IndexOf(TClass AClass) const;
    void Add(TClass AClass) { FItems.push_back(AClass); }
    void Remove(TClass AClass);

private:
    std::vector<TClass> FItems;
};

// The names of the colour palettes; a palette's number is its index.
class TColorPalettes : public TStringList {
    ORVO_CLASS(TColorPalettes, TStringList)
public:
    // "Default" first (no object) when AddDefault, then every palette name with its index
    // as the string's object.
    static void AddTo(TStrings* Items, bool AddDefault = false);
    // The palette Index (1..15) becomes the chart's palette; 0 or any other value empties it
    // (the default colours apply). The series are recoloured, a TCustomChart stores Index as
    // its ColorPaletteIndex, and the chart repaints.
    static void ApplyPalette(TCustomAxisPanel* Chart, int Index);
    // The colours become the chart's palette (none: the default colours); the series are
    // recoloured. No index is stored, no repaint.
    static void ApplyPalette(TCustomAxisPanel* Chart, const std::vector<TColor>& Palette);
};

// The palette tables, each with its own length.
extern const std::array<TColor, 22> ExcelPalette;
extern const std::array<TColor, 11> VictorianPalette;
extern const std::array<TColor, 14> PastelsPalette;
extern const std::array<TColor, 8> SolidPalette;
extern const std::array<TColor, 12> ClassicPalette;
extern const std::array<TColor, 9> WebPalette;
extern const std::array<TColor, 14> ModernPalette;
extern const std::array<TColor, 25> RainbowPalette;
extern const std::array<TColor, 13> WindowsXPPalette;
extern const std::array<TColor, 16> MacOSPalette;
extern const std::array<TColor, 15> WindowsVistaPalette;
extern const std::array<TColor, 15> GrayScalePalette;
extern const std::array<TColor, 12> OperaPalette;
extern const std::array<TColor, 8> WarmPalette;
extern const std::array<TColor, 8> CoolPalette;

// The table of palette Index (1..15); empty for 0 and any other value.
std::vector<TColor> PaletteColors(int Index);

// The base of chart themes: applying one walks the chart's axes.
class TChartTheme : public TPersistent {
    ORVO_CLASS(TChartTheme, TPersistent)
public:
    explicit TChartTheme(TCustomChart* AChart = nullptr) : Chart(AChart) {}
    // ---- new operations, in slot order ----
    virtual void ChangeAxis(TChartAxis* Axis);
    // ChangeAxis for every axis of the chart's list, then for every custom axis.
    virtual void Apply();
    virtual String Description();

    TCustomChart* Chart;
};

// ---- the registries (made on first use) -----------------------------------------------------

TColorPalettes* ColorPalettes();
TTeeSeriesTypes* TeeSeriesTypesList();
TTeeToolTypes* TeeToolTypesList();
inline TTeeSeriesTypes* TeeSeriesTypes() {
    return TeeSeriesTypesList();
}
inline TTeeToolTypes* TeeToolTypes() {
    return TeeToolTypesList();
}

// A page-number tool class, when a unit registers one (none does here).
extern TClass TeePageNumToolClass;
// The anti-aliasing canvas class, set and cleared by the anti-alias tool.
extern TClass TeeAntiAliasCanvas;

// ---- registration ----------------------------------------------------------------------------

// Registers the classes for streaming and appends an entry, unless SubIndex is 0 and the pair
// is registered already.
void RegisterTeeSeriesFunction(TClass ASeriesClass, TClass AFunctionClass, const String* ADescription,
                               const String* AGalleryPage, int NumGallerySeries, int SubIndex = 0);
void RegisterTeeSeries(TClass ASeriesClass, const String* ADescription, const String* AGalleryPage,
                       int NumGallerySeries);
// On the "Standard" page with two gallery series.
void RegisterTeeSeries(TClass ASeriesClass, const String* ADescription);
void RegisterTeeFunction(TClass AFunctionClass, const String* ADescription, const String* AGalleryPage,
                         int NumGallerySeries);
// On the "Standard" page with two gallery series.
void RegisterTeeBasicFunction(TClass AFunctionClass, const String* ADescription);
// Removes every entry of each class (main entries and sub-styles).
void UnRegisterTeeSeries(std::initializer_list<TClass> SeriesList);
void UnRegisterTeeFunctions(std::initializer_list<TClass> FunctionList);
// The gallery text of the series' class; its class name without a plain entry.
String GetGallerySeriesName(TChartSeries* ASeries);

// Registers each tool class not yet in the list (also for streaming).
void RegisterTeeTools(std::initializer_list<TClass> Tools);
void UnRegisterTeeTools(std::initializer_list<TClass> Tools);

// ---- factories -------------------------------------------------------------------------------

// "Series1", "Series2", ...: the first name free in Owner.
String GetNewSeriesName(TComponent* AOwner);
// A named series of the class owned by AOwner (or AChart; the chart when it owns its
// series), joined to AChart, with a new function of AFunctionClass when given.
TChartSeries* CreateNewSeries(TComponent* AOwner, TCustomAxisPanel* AChart, TClass ASeriesClass,
                              TClass AFunctionClass = nullptr);
// A named function of the class owned by the series' owner, made the series' function.
TTeeFunction* CreateNewTeeFunction(TChartSeries* ASeries, TClass AFunctionClass);
TChartSeries* CloneChartSeries(TChartSeries* ASeries);
TChartSeries* CloneChartSeries(TChartSeries* ASeries, TCustomAxisPanel* AChart);
TChartSeries* CloneChartSeries(TChartSeries* ASeries, TComponent* AOwner, TCustomAxisPanel* AChart);
// A named copy of the tool owned by AOwner; the caller sets its chart.
TTeeCustomTool* CloneChartTool(TTeeCustomTool* ATool, TComponent* AOwner);
// NewSeries takes OldSeries' values, events, name, dependants, tools and list position;
// OldSeries is freed and set to null.
void AssignSeries(TChartSeries*& OldSeries, TChartSeries*& NewSeries);
// Replaces the series by a new one of the class (nothing for its own class); returns it.
TChartSeries* ChangeSeriesType(TChartSeries*& ASeries, TClass ANewSeriesClass);
void ChangeAllSeriesType(TCustomAxisPanel* AChart, TClass AClass);
// Draws the series' legend symbol into Rect of ACanvas (the editors' series icon).
void PaintSeriesLegend(TChartSeries* ASeries, TCanvas* ACanvas, const TRect& R,
                       TCustomAxisPanel* ReferenceChart = nullptr);
