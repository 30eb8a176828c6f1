// TChartListBox: the list of a chart's series (or of one series group) that the chart editor
// shows. Each row has four sections: the series type icon, an active check box (or radio
// button), a colour sample and the title. Clicks and double-clicks on the sections switch a
// series on and off, retype it through the gallery, pick its colour or ask the owner to edit
// it; the list also deletes, clones, renames (in a dialog or in place), reorders (drag or
// move) and adds series, and follows the chart's events to stay in step.
#pragma once

#include "chart/engine/chart/ChartLegend.h"
#include "chart/engine/panel/CustomTeePanel.h"
#include "platform/controls/ListBox.h"

#include <array>

class TChartListBox;
class TChartSeries;
class TCustomAxisPanel;
class TCustomChartSeries;
class TEdit;
class TSeriesGroup;

using TListBoxSeriesEvent = TEvent<TChartListBox*, TCustomChartSeries*>;
ORVO_DECLARE_EVENT_TYPE(TListBoxSeriesEvent)
using TListBoxChangeOrderEvent = TEvent<TChartListBox*, TCustomChartSeries*, TCustomChartSeries*>;
ORVO_DECLARE_EVENT_TYPE(TListBoxChangeOrderEvent)
using TListBoxDblClickEvent = TEvent<TChartListBox*, int>;
ORVO_DECLARE_EVENT_TYPE(TListBoxDblClickEvent)

// The galleries the list adds and retypes series through (installed by the gallery unit at
// start-up; null while none is).
// Adds a series to Chart through the gallery; the new series or null.
using TTeeAddGalleryProc = TChartSeries* (*)(TComponent* AOwner, TCustomAxisPanel* Chart,
                                             TChartSeries* Selected);
// Changes the type of ASeries through the gallery (ASeries then refers to the series in its
// place); the class the series then has.
using TTeeChangeGalleryProc = TClass (*)(TComponent* AOwner, TChartSeries*& ASeries);
extern TTeeAddGalleryProc TeeAddGalleryProc;
extern TTeeChangeGalleryProc TeeChangeGalleryProc;

// One section of a row: its width and whether it shows.
struct TListBoxSection {
    int Width = 0;
    bool Visible = true;
};
using TListBoxSections = std::array<TListBoxSection, 4>;

class TChartListBox : public TCustomListBox, public ITeeEventListener {
    ORVO_CLASS(TChartListBox, TCustomListBox)
public:
    // The sections of a row.
    static constexpr int SectionIcon = 0;
    static constexpr int SectionActive = 1;
    static constexpr int SectionColor = 2;
    static constexpr int SectionTitle = 3;

    explicit TChartListBox(TComponent* AOwner);
    ~TChartListBox() override;

    // ITeeEventListener, not counted: the list's owner frees it.
    HResult QueryInterface(const TGUID& IID, void** Obj) override;
    int _AddRef() override { return -1; }
    int _Release() override { return -1; }
    void TeeEvent(TTeeEvent* Event) override;

    // ---- what is listed ----
    TCustomAxisPanel* Chart() const { return FChart; }
    void SetChart(TCustomAxisPanel* Value);
    // The series of this group only; null lists every series of the chart.
    TSeriesGroup* Group() const { return FGroup; }
    void SetGroup(TSeriesGroup* Value);
    // Component names instead of titles.
    bool Names() const { return FNames; }
    void SetNames(bool Value);
    // Refills the rows and selects OldSeries' row again (row 0 when it is not listed).
    void FillSeries(TChartSeries* OldSeries);
    // Refills keeping the selected series (when the window exists).
    void UpdateSeries();
    // Empties the rows and OtherItems.
    void ClearItems();

    // ---- selection ----
    TChartSeries* SelectedSeries() const;
    void SetSelectedSeries(TChartSeries* Value);
    // The row's series; null for -1 or an index out of range.
    TChartSeries* Series(int Index) const;
    void SelectSeries(int Index);
    bool AnySelected();
    int GetItemIndex() const;
    // The row under a point in client coordinates, -1 when none.
    int SeriesAtMousePos(TPoint& P);

    // ---- sections ----
    TListBoxSections& Sections() { return FSections; }
    // The sum of the widths of the visible sections before Section.
    int SectionLeft(int Section) const;
    // Section shows and P's x lies strictly inside it.
    bool PointInSection(const TPoint& P, int Section) const;
    bool ShowSeriesIcon() const { return FSections[SectionIcon].Visible; }
    void SetShowSeriesIcon(bool Value) { SetSectionVisible(SectionIcon, Value); }
    bool ShowActiveCheck() const { return FSections[SectionActive].Visible; }
    void SetShowActiveCheck(bool Value) { SetSectionVisible(SectionActive, Value); }
    bool ShowSeriesColor() const { return FSections[SectionColor].Visible; }
    void SetShowSeriesColor(bool Value) { SetSectionVisible(SectionColor, Value); }
    bool ShowSeriesTitle() const { return FSections[SectionTitle].Visible; }
    void SetShowSeriesTitle(bool Value) { SetSectionVisible(SectionTitle, Value); }

    // ---- operations ----
    // Exchanges rows Index1 and Index2 and the two series in the chart.
    void SwapSeries(int Index1, int Index2);
    void MoveCurrentUp();
    void MoveCurrentDown();
    // Deletes the selected series after asking; true when deleted.
    bool DeleteSeries();
    void CloneSeries();
    // Asks for a new title (or name); true when it changed.
    bool RenameSeries();
    // Retypes the selected series through the gallery.
    void ChangeTypeSeries(TObject* Sender);
    // Adds a series through the gallery; the new series or null.
    TChartSeries* AddSeriesGallery();
    // The in-place title editor.
    void ShowEditor();
    void HideEditor();
    // The in-place editor while it exists (created on first use).
    TEdit* InPlaceEditor() const { return FEditor; }

    // ---- options ----
    bool AllowAddSeries() const { return FAllowAddSeries; }
    void SetAllowAddSeries(bool Value) { FAllowAddSeries = Value; }
    bool AllowDeleteSeries() const { return FAllowDeleteSeries; }
    void SetAllowDeleteSeries(bool Value) { FAllowDeleteSeries = Value; }
    bool AskDelete() const { return FAskDelete; }
    void SetAskDelete(bool Value) { FAskDelete = Value; }
    TCheckBoxesStyle CheckStyle() const { return FCheckStyle; }
    void SetCheckStyle(TCheckBoxesStyle Value);
    bool EnableChangeColor() const { return FEnableChangeColor; }
    void SetEnableChangeColor(bool Value) { FEnableChangeColor = Value; }
    bool EnableDragSeries() const { return FEnableDragSeries; }
    void SetEnableDragSeries(bool Value) { FEnableDragSeries = Value; }
    bool EnableChangeType() const { return FEnableChangeType; }
    void SetEnableChangeType(bool Value) { FEnableChangeType = Value; }
    bool FontSeriesColor() const { return FFontSeriesColor; }
    void SetFontSeriesColor(bool Value);

    // A list kept equal to the rows (a combo box's items, for instance); null when none.
    TStrings* OtherItems = nullptr;
    // Draws the colour samples of series without a chart.
    TCustomAxisPanel* ReferenceChart = nullptr;

    TListBoxSeriesEvent OnChangeActive;
    TListBoxSeriesEvent OnChangeColor;
    TListBoxChangeOrderEvent OnChangeOrder;
    TListBoxDblClickEvent OnDblClickSeries;
    TNotifyEvent OnOtherItemsChange;
    TNotifyEvent OnRefresh;
    TListBoxSeriesEvent OnRemovedSeries;

protected:
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
    void DragDrop(TObject* Source, int X, int Y) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void SetSectionVisible(int Section, bool Value);
    String RowText(TCustomChartSeries* ASeries) const;
    // Runs Work with a window: a hidden form lends the list one for the time when it has
    // no parent.
    template <class F> void WithWindow(F&& Work);
    void RemoveChartListener();
    void CopyToOtherItems();
    void CheckLegendStyle();
    // Every selected series (multi-select), else the current one.
    std::vector<TChartSeries*> SelectedList();
    void EditorKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void EditorKeyPress(TObject* Sender, QChar& Key);
    void RefreshDesigner() {}

    TCustomAxisPanel* FChart = nullptr;
    TSeriesGroup* FGroup = nullptr;
    TListBoxSections FSections;
    TEdit* FEditor = nullptr;
    TPoint FHitPoint;
    bool FDblClicked = false;
    bool FNames = false;
    bool FDestroying = false;
    bool FAllowAddSeries = true;
    bool FAllowDeleteSeries = true;
    bool FAskDelete = true;
    TCheckBoxesStyle FCheckStyle = cbsCheck;
    bool FEnableChangeColor = true;
    bool FEnableDragSeries = true;
    bool FEnableChangeType = true;
    bool FFontSeriesColor = false;
};
