// TChartEditForm: the chart editor. One modal dialog that edits everything of one chart: the
// series list and its commands and groups, the chart's own pages (general, axes, titles,
// legend, panel, paging, walls, 3-D), the series' values in a grid, the tools, export and the
// print preview. Pages are shown as tabs or, in tree mode (the default), as a tree of pages
// on the left whose chosen page is moved onto a panel beside it. A page is filled when it is
// first shown.
#pragma once

#include "platform/controls/CustomForm.h"
#include "platform/rtl/Types.h"

#include <array>
#include <vector>

class TButton;
class TChartAxis;
class TChartGrid;
class TChartGridNavigator;
class TChartListBox;
class TChartPreview;
class TChartSeries;
class TChartTitle;
class TCheckListBox;
class TCustomAxisPanel;
class TCustomChart;
class TCustomChartSeries;
class TCustomChartWall;
class TCustomForm;
class TFormTeeAxis;
class TFormTeeSeries;
class TFormTeeTools;
class TTeeEvent;
class TMenuItem;
class TPageControl;
class TPanel;
class TPopupMenu;
class TSpeedButton;
class TSplitter;
class TTabSheet;
class TTeeCustomTool;
class TTreeNode;
class TTreeView;

enum TChartEditorOption {
    ceAdd,
    ceDelete,
    ceChange,
    ceClone,
    ceDataSource,
    ceTitle,
    ceHelp,
    ceGroups,
    ceGroupAll,
    ceOrderSeries,
    ceAskDelete
};
using TChartEditorOptions = Set<TChartEditorOption>;

enum TChartEditorTab {
    cetMain,
    cetGeneral,
    cetAxis,
    cetTitles,
    cetLegend,
    cetPanel,
    cetPaging,
    cetWalls,
    cet3D,
    cetSeriesGeneral,
    cetSeriesMarks,
    cetAllSeries,
    cetSeriesData,
    cetExport,
    cetExportNative,
    cetTools,
    cetPrintPreview
};
using TChartEditorHiddenTabs = Set<TChartEditorTab>;

class TChartEditForm;
// Called at show time with no sheet and whenever the Chart tab is shown, with that sheet.
using TTeeOnShowEditor = void (*)(TChartEditForm* Editor, TTabSheet* Sheet);
std::vector<TTeeOnShowEditor>& TeeOnShowEditor();
// Shows the "View" button at run time.
extern bool TeeSeriesNamesRuntime;

// The editor's size before scaling: the default texts, and the registry key of its options.
int TeeDefaultEditorWidth();
int TeeDefaultEditorHeight();

class TChartEditForm : public TForm {
    ORVO_CLASS(TChartEditForm, TForm)
public:
    explicit TChartEditForm(TComponent* AOwner);
    ~TChartEditForm() override;
    void AfterConstruction() override;

    void SetChart(TCustomChart* Value);
    TCustomChart* Chart() const { return TheChart; }
    void CheckHelpFile();

    // Hooks given to the series page and the tools page.
    void FormSeriesEvent(int Event);
    void SeriesPageEvent(TFormTeeSeries* Sender, TTeeEvent* Event);
    void AddedTool(TObject* Sender);
    void DeletedTool(TObject* Sender);

    // ---- state the entry points set ----
    TCustomChart* TheChart = nullptr;
    TChartAxis* TheAxis = nullptr;
    TChartTitle* TheTitle = nullptr;
    TTeeCustomTool* TheTool = nullptr;
    TCustomChartWall* TheWall = nullptr;
    TChartSeries* TheSeries = nullptr;
    TChartSeries* TheEditSeries = nullptr;
    // The tab of the series page that TheEditSeries opens on (EditSeriesMarks,
    // EditSeriesDataSource); by default the one the page last showed.
    enum class TSeriesTab { Remembered, Marks, MarksSymbol, DataSource };
    TSeriesTab TheSeriesTab = TSeriesTab::Remembered;
    int TheActivePageIndex = -1;
    TChartEditorHiddenTabs TheHiddenTabs;
    TChartEditorOptions EditorOptions;
    bool IsDssGraph = false;
    bool HighLightTabs = false;
    bool RememberPosition = true;
    bool RememberSize = true;
    int OldWidth = 0;
    TPanel* TreePanel = nullptr;
    TTreeNode* TreeNodeSeries = nullptr;
    TTreeNode* TreeNodeTools = nullptr;

    // The pages made so far (null until first shown).
    TFormTeeTools* ToolsPage() const { return FTools; }
    TFormTeeAxis* AxisPage() const { return FAxis; }
    TCustomForm* ExportPage() const { return FExport; }
    TFormTeeSeries* SeriesPage() const { return FSeriesPage; }
    TChartPreview* Preview() const { return FPreview; }
    TCustomForm* ChartPageForm(TTabSheet* Sheet) const;
    bool TreeMode() const;

    // ---- handlers named in the form resource ----
    void FormCreate(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormResize(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void MainPageChange(TObject* Sender);
    void MainPageChanging(TObject* Sender, bool& AllowChange);
    void SubPageChange(TObject* Sender);
    void TreeChange(TObject* Sender, TTreeNode* Node);
    void ButtonHelpClick(TObject* Sender);
    void BCloseClick(TObject* Sender);
    // Series list and commands.
    void LBSeriesClick(TObject* Sender);
    void LBSeriesEditSeries(TChartListBox* Sender, int Index);
    void LBSeriesOtherItemsChange(TObject* Sender);
    void LBSeriesRefreshButtons(TObject* Sender);
    void LBSeriesRemovedSeries(TChartListBox* Sender, TCustomChartSeries* Series);
    void BMoveUPClick(TObject* Sender);
    void BMoveDownClick(TObject* Sender);
    void BAddSeriesClick(TObject* Sender);
    void BDeleteSeriesClick(TObject* Sender);
    void BRenameSeriesClick(TObject* Sender);
    void BCloneSeriesClick(TObject* Sender);
    void BChangeTypeSeriesClick(TObject* Sender);
    void SpeedSeriesClick(TObject* Sender);
    void ViewNames1Click(TObject* Sender);
    void ViewGroups1Click(TObject* Sender);
    // Groups.
    void GroupsClick(TObject* Sender);
    // A row's box toggled: "(all)" switches every series, a group row its series.
    void GroupsClickCheck(TObject* Sender);
    void GroupsDragOver(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept);
    void GroupsDragDrop(TObject* Sender, TObject* Source, int X, int Y);
    void BAddGroupClick(TObject* Sender);
    void BDeleteGroupClick(TObject* Sender);
    void BRenameGroupClick(TObject* Sender);
    // Data page.
    void SBGridTextClick(TObject* Sender);
    void SBGridColClick(TObject* Sender);
    void SBGrid3DClick(TObject* Sender);
    void SBGridXClick(TObject* Sender);
    void ChartGrid1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void SBCopyDataClick(TObject* Sender);
    void PopupDataPopup(TObject* Sender);
    void EditColor1Click(TObject* Sender);
    void DefaultColor1Click(TObject* Sender);
    void MakeNull1Click(TObject* Sender);
    void AppendRow1Click(TObject* Sender);
    void DeleteRow1Click(TObject* Sender);
    void TextFont1Click(TObject* Sender);

    // ---- from the form resource ----
    TTreeView* Tree = nullptr;
    TSplitter* TreeSplitter = nullptr;
    TPageControl* MainPage = nullptr;
    TTabSheet* TabChart = nullptr;
    TPageControl* SubPage = nullptr;
    TTabSheet* TabSeriesList = nullptr;
    TTabSheet* TabGeneral = nullptr;
    TTabSheet* TabAxis = nullptr;
    TTabSheet* TabTitle = nullptr;
    TTabSheet* TabLegend = nullptr;
    TTabSheet* TabPanel = nullptr;
    TTabSheet* TabPaging = nullptr;
    TTabSheet* TabWalls = nullptr;
    TTabSheet* Tab3D = nullptr;
    TTabSheet* TabSeries = nullptr;
    TTabSheet* TabData = nullptr;
    TTabSheet* TabTools = nullptr;
    TTabSheet* TabExport = nullptr;
    TTabSheet* TabPrint = nullptr;
    TPanel* PanRight = nullptr;
    TSpeedButton* BMoveUP = nullptr;
    TSpeedButton* BMoveDown = nullptr;
    TButton* BAddSeries = nullptr;
    TButton* BDeleteSeries = nullptr;
    TButton* BRenameSeries = nullptr;
    TButton* BCloneSeries = nullptr;
    TButton* BChangeTypeSeries = nullptr;
    TPanel* PanelGroups = nullptr;
    TCheckListBox* Groups = nullptr;
    TPanel* PanLeft = nullptr;
    TPanel* PanTop = nullptr;
    TSpeedButton* BAddGroup = nullptr;
    TSpeedButton* BDeleteGroup = nullptr;
    TSpeedButton* BRenameGroup = nullptr;
    TSpeedButton* SpeedSeries = nullptr;
    TChartListBox* LBSeries = nullptr;
    TPanel* PanData = nullptr;
    TSpeedButton* SBGridText = nullptr;
    TSpeedButton* SBGridCol = nullptr;
    TSpeedButton* SBGrid3D = nullptr;
    TSpeedButton* SBGridX = nullptr;
    TSpeedButton* SBCopyData = nullptr;
    TChartGridNavigator* ChartGridNavigator1 = nullptr;
    TChartGrid* ChartGrid1 = nullptr;
    TPanel* PanBottom = nullptr;
    TButton* ButtonHelp = nullptr;
    TButton* BClose = nullptr;
    TPopupMenu* PopupData = nullptr;
    TMenuItem* EditColor1 = nullptr;
    TMenuItem* DefaultColor1 = nullptr;
    TMenuItem* MakeNull1 = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* AppendRow1 = nullptr;
    TMenuItem* DeleteRow1 = nullptr;
    TMenuItem* N2 = nullptr;
    TMenuItem* TextFont1 = nullptr;
    TPopupMenu* PopupSeries = nullptr;
    TMenuItem* ViewNames1 = nullptr;
    TMenuItem* ViewGroups1 = nullptr;

    // The series groups list's rows: "(all)" first with ceGroupAll.
    void FillGroups();
    void RefreshButtons();
    // Rebuilds the tree's series nodes.
    void FillTreeSeries();
    // Rebuilds the tree's axis nodes under "Axis" (a custom axis was added or deleted).
    void FillTreeAxes();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Pages.
    void FillMainPage(TTabSheet* Sheet);
    void FillSubPage(TTabSheet* Sheet);
    void SetTabSeries();
    bool SeriesPageAllowsChange();
    void OpenSeriesTab();
    // Makes Page the embedded form of Sheet and translates it, except the control Untranslated
    // names (none when null).
    void EmbedPage(TCustomForm* Page, TTabSheet* Sheet, TControl* (*Untranslated)(TCustomForm*) = nullptr);
    void CreateGeneralPage();
    void CreateAxisPage();
    void CreateTitlesPage();
    void CreateLegendPage();
    void CreatePanelPage();
    void CreatePagingPage();
    void CreateWallsPage();
    void Create3DPage();
    void CreateToolsPage();
    void ShowExportPage();
    void ShowPrintPage();
    void ShowDataPage();
    void OpenActivePage();
    void HideTabs();
    bool AnySubTabVisible() const;
    // The Chart tab's sheets in their order (Series list first).
    std::array<TTabSheet*, 9> SubSheets() const;
    void AxisPageNotifyCustom(TChartAxis* Axis);
    void SelectFirstSeries();
    bool HasSeries() const;
    void ShowGroups();
    void SetGroupsVisible();
    // Tree.
    void BuildTree();
    void ReturnSheets();
    TTreeNode* NodeOfObject(void* Object) const;
    void SelectNodeOf(void* Object);
    void MoveToTreePanel(TControl* Control);
    void ClearTreePanel();
    // Registry.
    void ReadBounds();
    void SaveOptions();
    void KeepInWorkArea();

    TFormTeeTools* FTools = nullptr;
    TFormTeeSeries* FSeriesPage = nullptr;
    TFormTeeAxis* FAxis = nullptr;
    TCustomForm* FExport = nullptr;
    TChartPreview* FPreview = nullptr;
    TTreeNode* TreeNodeAxis = nullptr;
    bool FCreated = false;
    bool FBuildingTree = false;
    bool FTreeBuilt = false;
};
