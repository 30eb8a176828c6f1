// The series gallery: a modal dialog of live thumbnails from which the user picks the type
// of a new series (with a function and a sub-style), the new type of a series, or a
// function; and the routines that run it and create or replace series with the choice. The
// registry option "GalleryMode" chooses between this dialog and the alternate gallery.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TChartGalleryPanel;
class TChartSeries;
class TCheckBox;
class TComboFlat;
class TCustomAxisPanel;
class TPanel;
class TTabControl;

class TTeeGallery : public TForm {
    ORVO_CLASS(TTeeGallery, TForm)
public:
    explicit TTeeGallery(TComponent* AOwner);

    // Removes the "Functions" tab: plain series types only.
    void HideFunctions();
    // Hides the bottom panel (3D, smoothing, palette and the buttons).
    void HideButtons();
    // Selects the palette entry of that palette index (none when no entry has it).
    void SetPalette(int Index);
    // The palette index of the selected entry; -1 without one.
    int SelectedPaletteIndex() const;

    // From the form resource.
    TTabControl* TabTypes = nullptr;
    TTabControl* TabPages = nullptr;
    TChartGalleryPanel* ChartGalleryPanel1 = nullptr;
    TPanel* P1 = nullptr;
    TCheckBox* CB3D = nullptr;
    TCheckBox* CBSmooth = nullptr;
    TComboFlat* CBPalette = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void TabTypesChange(TObject* Sender);
    void TabPagesChange(TObject* Sender);
    void CB3DClick(TObject* Sender);
    void CBSmoothClick(TObject* Sender);
    void CBPaletteChange(TObject* Sender);
    void ChartGalleryPanel1SelectedChart(TObject* Sender);

private:
    friend TClass GetChartGalleryFunction(TComponent* AOwner);
    bool FunctionsTab() const;
    void CreatePageTabs();
    void ApplyPalette();
    bool OnlyFunctions = false;
};

// Runs the gallery of the "GalleryMode" option: true when the user chose a type, whose class,
// function class, sub-style and palette come back with the 3D setting.
bool GetChartGalleryClass(TComponent* AOwner, TChartSeries* OldSeries, bool ShowFunctions,
                          TClass& SeriesClass, bool& Show3D, TClass& FunctionClass, bool CheckSeries,
                          int& SubIndex, int& PaletteIndex);
// A new series of the chosen type on AChart, or null (nothing chosen; or, retyping OldSeries
// without functions, its own type chosen again).
TChartSeries* CreateNewSeriesGallery(TComponent* AOwner, TChartSeries* OldSeries, TCustomAxisPanel* AChart,
                                     bool ShowFunctions, bool CheckSeries, int& SubIndex);
TChartSeries* CreateNewSeriesGallery(TComponent* AOwner, TCustomAxisPanel* AChart);
// Retypes ASeries (which then refers to the series in its place); the new series or null.
TChartSeries* ChangeSeriesTypeGallery(TComponent* AOwner, TChartSeries*& ASeries);
// Retypes every series of the chart to the type chosen for the first.
void ChangeAllSeriesGallery(TComponent* AOwner, TCustomAxisPanel* AChart);
// The chosen function class, or null.
TClass GetChartGalleryFunction(TComponent* AOwner);

// The series list's gallery procedures, installed at start-up and removed at the end.
void InstallSeriesGalleryProcs();
void RemoveSeriesGalleryProcs();
