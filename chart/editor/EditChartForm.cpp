#include "chart/editor/EditChartForm.h"

#include "chart/editor/ChartListBox.h"
#include "chart/editor/FormTee3D.h"
#include "chart/editor/FormTeeAxis.h"
#include "chart/editor/FormTeeGeneral.h"
#include "chart/editor/FormTeeLegend.h"
#include "chart/editor/FormTeePage.h"
#include "chart/editor/FormTeePanel.h"
#include "chart/editor/FormTeeSeries.h"
#include "chart/editor/FormTeeTitle.h"
#include "chart/editor/FormTeeTools.h"
#include "chart/editor/FormTeeWall.h"
#include "chart/editor/TeeExport.h"
#include "chart/editor/TeeExportForm.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/export/ChartPreview.h"
#include "chart/export/TeePreviewPanel.h"
#include "chart/grid/ChartGrid.h"
#include "chart/grid/TeeNavigator.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CheckLst.h"
#include "platform/controls/Menus.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Screen.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/TreeView.h"
#include "platform/rtl/Format.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TChartEditForm, TForm)

ORVO_PUBLISHED(TChartEditForm) {
    using S = TChartEditForm;
    P.Field("Tree", &S::Tree);
    P.Field("TreeSplitter", &S::TreeSplitter);
    P.Field("MainPage", &S::MainPage);
    P.Field("TabChart", &S::TabChart);
    P.Field("SubPage", &S::SubPage);
    P.Field("TabSeriesList", &S::TabSeriesList);
    P.Field("TabGeneral", &S::TabGeneral);
    P.Field("TabAxis", &S::TabAxis);
    P.Field("TabTitle", &S::TabTitle);
    P.Field("TabLegend", &S::TabLegend);
    P.Field("TabPanel", &S::TabPanel);
    P.Field("TabPaging", &S::TabPaging);
    P.Field("TabWalls", &S::TabWalls);
    P.Field("Tab3D", &S::Tab3D);
    P.Field("TabSeries", &S::TabSeries);
    P.Field("TabData", &S::TabData);
    P.Field("TabTools", &S::TabTools);
    P.Field("TabExport", &S::TabExport);
    P.Field("TabPrint", &S::TabPrint);
    P.Field("PanRight", &S::PanRight);
    P.Field("BMoveUP", &S::BMoveUP);
    P.Field("BMoveDown", &S::BMoveDown);
    P.Field("BAddSeries", &S::BAddSeries);
    P.Field("BDeleteSeries", &S::BDeleteSeries);
    P.Field("BRenameSeries", &S::BRenameSeries);
    P.Field("BCloneSeries", &S::BCloneSeries);
    P.Field("BChangeTypeSeries", &S::BChangeTypeSeries);
    P.Field("PanelGroups", &S::PanelGroups);
    P.Field("Groups", &S::Groups);
    P.Field("PanLeft", &S::PanLeft);
    P.Field("PanTop", &S::PanTop);
    P.Field("BAddGroup", &S::BAddGroup);
    P.Field("BDeleteGroup", &S::BDeleteGroup);
    P.Field("BRenameGroup", &S::BRenameGroup);
    P.Field("SpeedSeries", &S::SpeedSeries);
    P.Field("LBSeries", &S::LBSeries);
    P.Field("PanData", &S::PanData);
    P.Field("SBGridText", &S::SBGridText);
    P.Field("SBGridCol", &S::SBGridCol);
    P.Field("SBGrid3D", &S::SBGrid3D);
    P.Field("SBGridX", &S::SBGridX);
    P.Field("SBCopyData", &S::SBCopyData);
    P.Field("ChartGridNavigator1", &S::ChartGridNavigator1);
    P.Field("ChartGrid1", &S::ChartGrid1);
    P.Field("PanBottom", &S::PanBottom);
    P.Field("ButtonHelp", &S::ButtonHelp);
    P.Field("BClose", &S::BClose);
    P.Field("PopupData", &S::PopupData);
    P.Field("EditColor1", &S::EditColor1);
    P.Field("DefaultColor1", &S::DefaultColor1);
    P.Field("MakeNull1", &S::MakeNull1);
    P.Field("N1", &S::N1);
    P.Field("AppendRow1", &S::AppendRow1);
    P.Field("DeleteRow1", &S::DeleteRow1);
    P.Field("N2", &S::N2);
    P.Field("TextFont1", &S::TextFont1);
    P.Field("PopupSeries", &S::PopupSeries);
    P.Field("ViewNames1", &S::ViewNames1);
    P.Field("ViewGroups1", &S::ViewGroups1);
    P.Method("FormCreate", &S::FormCreate);
    P.Method("FormDestroy", &S::FormDestroy);
    P.Method("FormShow", &S::FormShow);
    P.Method("FormResize", &S::FormResize);
    P.Method("FormCloseQuery", &S::FormCloseQuery);
    P.Method("MainPageChange", &S::MainPageChange);
    P.Method("MainPageChanging", &S::MainPageChanging);
    P.Method("SubPageChange", &S::SubPageChange);
    P.Method("TreeChange", &S::TreeChange);
    P.Method("ButtonHelpClick", &S::ButtonHelpClick);
    P.Method("BCloseClick", &S::BCloseClick);
    P.Method("LBSeriesClick", &S::LBSeriesClick);
    P.Method("LBSeriesEditSeries", &S::LBSeriesEditSeries);
    P.Method("LBSeriesOtherItemsChange", &S::LBSeriesOtherItemsChange);
    P.Method("LBSeriesRefreshButtons", &S::LBSeriesRefreshButtons);
    P.Method("LBSeriesRemovedSeries", &S::LBSeriesRemovedSeries);
    P.Method("BMoveUPClick", &S::BMoveUPClick);
    P.Method("BMoveDownClick", &S::BMoveDownClick);
    P.Method("BAddSeriesClick", &S::BAddSeriesClick);
    P.Method("BDeleteSeriesClick", &S::BDeleteSeriesClick);
    P.Method("BRenameSeriesClick", &S::BRenameSeriesClick);
    P.Method("BCloneSeriesClick", &S::BCloneSeriesClick);
    P.Method("BChangeTypeSeriesClick", &S::BChangeTypeSeriesClick);
    P.Method("SpeedSeriesClick", &S::SpeedSeriesClick);
    P.Method("ViewNames1Click", &S::ViewNames1Click);
    P.Method("ViewGroups1Click", &S::ViewGroups1Click);
    P.Method("GroupsClick", &S::GroupsClick);
    P.Method("GroupsClickCheck", &S::GroupsClickCheck);
    P.Method("GroupsDragOver", &S::GroupsDragOver);
    P.Method("GroupsDragDrop", &S::GroupsDragDrop);
    P.Method("BAddGroupClick", &S::BAddGroupClick);
    P.Method("BDeleteGroupClick", &S::BDeleteGroupClick);
    P.Method("BRenameGroupClick", &S::BRenameGroupClick);
    P.Method("SBGridTextClick", &S::SBGridTextClick);
    P.Method("SBGridColClick", &S::SBGridColClick);
    P.Method("SBGrid3DClick", &S::SBGrid3DClick);
    P.Method("SBGridXClick", &S::SBGridXClick);
    P.Method("ChartGrid1MouseDown", &S::ChartGrid1MouseDown);
    P.Method("SBCopyDataClick", &S::SBCopyDataClick);
    P.Method("PopupDataPopup", &S::PopupDataPopup);
    P.Method("EditColor1Click", &S::EditColor1Click);
    P.Method("DefaultColor1Click", &S::DefaultColor1Click);
    P.Method("MakeNull1Click", &S::MakeNull1Click);
    P.Method("AppendRow1Click", &S::AppendRow1Click);
    P.Method("DeleteRow1Click", &S::DeleteRow1Click);
    P.Method("TextFont1Click", &S::TextFont1Click);
}

bool TeeSeriesNamesRuntime = false;

std::vector<TTeeOnShowEditor>& TeeOnShowEditor() {
    static std::vector<TTeeOnShowEditor> hooks;
    return hooks;
}

int TeeDefaultEditorWidth() {
    return TeeMsg_DefaultEditorSize.toInt();
}

int TeeDefaultEditorHeight() {
    return TeeMsg_DefaultEditorHeight.toInt();
}

namespace {
bool IsDesigning(const TComponent* C) {
    return C && C->ComponentState().Contains(csDesigning);
}
} // namespace

TChartEditForm::TChartEditForm(TComponent* AOwner) : TForm(AOwner) {}

TChartEditForm::~TChartEditForm() = default;

void TChartEditForm::AfterConstruction() {
    TForm::AfterConstruction();
}

bool TChartEditForm::TreeMode() const {
    return Tree && Tree->Visible();
}

// ---- creation and destruction -----------------------------------------------------------

void TChartEditForm::FormCreate(TObject*) {
    if (FCreated) return;
    FCreated = true;
    const int ppi = Screen->PixelsPerInch();
    SetWidth(TeeDefaultEditorWidth() * ppi / 96);
    SetHeight(TeeDefaultEditorHeight() * ppi / 96 + GetSystemMetrics(SM_CYSIZE) - 18);
    SetChart(nullptr);
    SetCaption(String());
    TheActivePageIndex = -1;
    EditorOptions = TChartEditorOptions{ceAdd,   ceDelete, ceChange,   ceClone,       ceDataSource,
                                        ceTitle, ceHelp,   ceGroupAll, ceOrderSeries, ceAskDelete};
    MainPage->SetActivePage(TabChart);
    SubPage->SetActivePage(TabSeriesList);
    TheHiddenTabs = TChartEditorHiddenTabs();
    RememberPosition = TeeReadBoolOption(QStringLiteral("RememberPosition"), true);
    RememberSize = TeeReadBoolOption(QStringLiteral("RememberSize"), true);
    Tree->SetVisible(TeeReadBoolOption(QStringLiteral("TreeMode"), true));
    Tree->SetWidth(TeeReadIntegerOption(QStringLiteral("TreeWidth"), Tree->Width()));
    if (TeeReadBoolOption(QStringLiteral("SeriesGroups"), false)) EditorOptions << ceGroups;
}

void TChartEditForm::FormDestroy(TObject*) {
    if (TreeMode()) {
        ReturnSheets();
        if (OldWidth > 0) SetWidth(OldWidth);
        TeeSaveIntegerOption(QStringLiteral("TreeWidth"), Tree->Width());
    }
    SaveOptions();
    if (TheChart) TheChart->RemoveFreeNotification(this);
}

void TChartEditForm::SaveOptions() {
    TeeSaveBoolOption(QStringLiteral("SeriesGroups"), EditorOptions.Contains(ceGroups));
    if (!TheChart || !(RememberPosition || RememberSize)) return;
    try {
        TRegistry reg;
        reg.SetRootKey(HKEY_CURRENT_USER);
        if (!reg.OpenKey(TeeEditorOptionsKey, true)) return;
        if (RememberPosition) {
            reg.WriteInteger(QStringLiteral("Left"), Left());
            reg.WriteInteger(QStringLiteral("Top"), Top());
        }
        if (RememberSize) {
            if (Width() != TeeDefaultEditorWidth()) reg.WriteInteger(QStringLiteral("Width"), Width());
            if (Height() != TeeDefaultEditorHeight()) reg.WriteInteger(QStringLiteral("Height"), Height());
        }
        reg.CloseKey();
    } catch (const Exception&) {
        // Bounds that cannot be saved are not worth an error.
    }
}

void TChartEditForm::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == TheChart) {
        TheChart = nullptr;
        TheAxis = nullptr;
        TheTitle = nullptr;
        TheWall = nullptr;
        TheTool = nullptr;
        TheSeries = nullptr;
        TheEditSeries = nullptr;
    }
    if (AComponent == TheTool) TheTool = nullptr;
    if (AComponent == TheSeries) TheSeries = nullptr;
    if (AComponent == TheEditSeries) TheEditSeries = nullptr;
}

// ---- chart and bounds -------------------------------------------------------------------

void TChartEditForm::SetChart(TCustomChart* Value) {
    if (TheChart && TheChart != Value) TheChart->RemoveFreeNotification(this);
    TheChart = Value;
    if (TheChart) TheChart->FreeNotification(this);
    if (LBSeries) LBSeries->SetChart(TheChart);
    if (MainPage) MainPage->SetEnabled(TheChart != nullptr);
    if (SubPage) SubPage->SetEnabled(TheChart != nullptr);
    if (TheChart && (RememberPosition || RememberSize)) ReadBounds();
}

void TChartEditForm::ReadBounds() {
    bool opened = false;
    try {
        TRegistry reg;
        reg.SetRootKey(HKEY_CURRENT_USER);
        opened = reg.OpenKeyReadOnly(TeeEditorOptionsKey);
        if (opened) {
            auto value = [&](const char* name, int& out) {
                const String n = QString::fromLatin1(name);
                if (!reg.ValueExists(n)) return false;
                out = reg.ReadInteger(n);
                return true;
            };
            int v = 0;
            if (RememberPosition && value("Left", v)) {
                SetPosition(poDesigned);
                SetLeft(std::max(0, v));
                if (value("Top", v)) SetTop(std::max(0, v));
            }
            if (RememberSize) {
                if (value("Width", v)) SetWidth(std::max(100, v));
                if (value("Height", v)) SetHeight(std::max(100, v));
                if (value("TreeWidth", v)) Tree->SetWidth(std::max(10, v));
            }
        }
    } catch (const Exception&) {
        // A value of another kind keeps the default.
    }
    if (opened) KeepInWorkArea();
}

// The whole form stays on the work area: a saved position a little beyond any edge, not
// only one left of the screen's right edge, is pulled back.
void TChartEditForm::KeepInWorkArea() {
    const TRect area = Screen->WorkAreaRect();
    int left = Left();
    int top = Top();
    if (left + Width() > area.Right) left = area.Right - Width();
    if (top + Height() > area.Bottom) top = area.Bottom - Height();
    left = std::max(left, int(area.Left));
    top = std::max(top, int(area.Top));
    if (left != Left()) SetLeft(left);
    if (top != Top()) SetTop(top);
}

// ---- help -------------------------------------------------------------------------------

void TChartEditForm::CheckHelpFile() {
    if (EditorOptions.Contains(ceHelp)) {
        const bool designing = TheChart && IsDesigning(TheChart);
        SetHelpFile(GetRegistryHelpPath(designing ? QStringLiteral("VorUvivi8.hlp")
                                                  : QStringLiteral("TeeUser8.hlp")));
        if (!HelpFile().isEmpty()) {
            TBorderIcons icons = BorderIcons();
            icons << biHelp;
            SetBorderIcons(icons);
        }
    } else {
        SetHelpFile(String());
    }
    ButtonHelp->SetVisible(EditorOptions.Contains(ceHelp));
}

void TChartEditForm::ButtonHelpClick(TObject*) {
    Application->HelpContext(HelpContext());
}

void TChartEditForm::BCloseClick(TObject*) {
    SetModalResult(mrCancel);
}

void TChartEditForm::FormCloseQuery(TObject*, bool& CanClose) {
    CanClose = true;
    if (CanClose) SetModalResult(mrCancel);
}

void TChartEditForm::FormResize(TObject*) {
    if (TreeMode() && FTreeBuilt) OldWidth = Width() - Tree->Width() - TreeSplitter->Width();
}

// ---- showing ----------------------------------------------------------------------------

std::array<TTabSheet*, 9> TChartEditForm::SubSheets() const {
    return {TabSeriesList, TabGeneral, TabAxis, TabTitle, TabLegend, TabPanel, TabPaging, TabWalls, Tab3D};
}

bool TChartEditForm::AnySubTabVisible() const {
    for (TTabSheet* sheet : SubSheets())
        if (sheet->TabVisible()) return true;
    return false;
}

void TChartEditForm::HideTabs() {
    const std::pair<TChartEditorTab, TTabSheet*> tabs[] = {
        {cetMain, TabSeriesList},  {cetGeneral, TabGeneral},   {cetAxis, TabAxis},
        {cetTitles, TabTitle},     {cetLegend, TabLegend},     {cetPanel, TabPanel},
        {cetPaging, TabPaging},    {cetWalls, TabWalls},       {cet3D, Tab3D},
        {cetAllSeries, TabSeries}, {cetSeriesData, TabData},   {cetExport, TabExport},
        {cetTools, TabTools},      {cetPrintPreview, TabPrint}};
    for (auto [tab, sheet] : tabs)
        if (TheHiddenTabs.Contains(tab)) sheet->SetTabVisible(false);
    if (!AnySubTabVisible()) TabChart->SetTabVisible(false);
}

bool TChartEditForm::HasSeries() const {
    return TheChart && TheChart->SeriesCount() > 0;
}

void TChartEditForm::FormShow(TObject*) {
    if (!TheChart) return;
    SpeedSeries->SetVisible(IsDesigning(TheChart) || TeeSeriesNamesRuntime ||
                            EditorOptions.Contains(ceGroups));
    ViewGroups1->SetChecked(EditorOptions.Contains(ceGroups));
    TeeLoadArrowBitmaps(BMoveUP->Glyph(), BMoveDown->Glyph());
    if (TeeToolTypesList()->Count() == 0) TabTools->SetTabVisible(false);
    LBSeries->SetChart(TheChart);
    if (Caption().isEmpty()) SetCaption(Format(TeeMsg_Editing, {TheChart->Name()}));
    HideTabs();
    for (TTeeOnShowEditor hook : TeeOnShowEditor())
        hook(this, nullptr);
    if (TreeMode()) BuildTree();
    SetGroupsVisible();
    OpenActivePage();
    if (TreeMode() && !TabSeriesList->Parent()) MoveToTreePanel(TabSeriesList);
    if (TheEditSeries) {
        LBSeries->SetSelectedSeries(TheEditSeries);
        LBSeriesEditSeries(LBSeries, LBSeries->ItemIndex());
        OpenSeriesTab();
    } else if (TheTool && TabTools->TabVisible()) {
        if (TreeMode())
            SelectNodeOf(TabTools);
        else {
            MainPage->SetActivePage(TabTools);
            FillMainPage(TabTools);
        }
    } else if (TheActivePageIndex == -1) {
        SelectFirstSeries();
    }
    if (TabSeriesList->Showing() && LBSeries->Items()->Count() > 0) {
        if (TheActivePageIndex == cetSeriesGeneral || TheActivePageIndex == cetSeriesMarks) {
            LBSeriesEditSeries(LBSeries, LBSeries->ItemIndex());
        } else if (!TheEditSeries && !TheTool) {
            SelectFirstSeries();
        }
    } else {
        RefreshButtons();
    }
    ChartGrid1->SetAllowInsertSeries(true);
    ChartGrid1->SetShowColors(true);
}

void TChartEditForm::SelectFirstSeries() {
    if (LBSeries->Items()->Count() > 0) {
        if (LBSeries->CanFocus()) LBSeries->SetFocus();
        LBSeries->SetItemIndex(0);
        if (LBSeries->MultiSelect()) LBSeries->SetSelected(0, true);
    }
    RefreshButtons();
}

void TChartEditForm::OpenActivePage() {
    const int index = TheActivePageIndex;
    if (index == -1) return;
    auto openMain = [&](TTabSheet* sheet) {
        if (TreeMode())
            SelectNodeOf(sheet);
        else {
            MainPage->SetActivePage(sheet);
            FillMainPage(sheet);
        }
    };
    switch (index) {
    case cetSeriesData:
        openMain(TabData);
        return;
    case cetExport:
        openMain(TabExport);
        return;
    case cetTools:
        openMain(TabTools);
        return;
    case cetPrintPreview:
        openMain(TabPrint);
        return;
    default:
        break;
    }
    if (index < 0 || index > cet3D) return;
    // By the sheets' own order: in tree mode a sheet shown beside the tree is off its page
    // control.
    const auto sheets = SubSheets();
    int found = -1;
    for (int i = index; i < int(sheets.size()) && found < 0; ++i)
        if (sheets[std::size_t(i)]->TabVisible()) found = i;
    for (int i = index - 1; i >= 0 && found < 0; --i)
        if (sheets[std::size_t(i)]->TabVisible()) found = i;
    if (found >= 0) {
        TheActivePageIndex = found;
        TTabSheet* sheet = sheets[std::size_t(found)];
        if (TreeMode())
            SelectNodeOf(sheet);
        else {
            MainPage->SetActivePage(TabChart);
            SubPage->SetActivePage(sheet);
            FillSubPage(sheet);
        }
        return;
    }
    for (TTabSheet* sheet : {TabData, TabTools, TabExport, TabPrint})
        if (sheet->TabVisible()) {
            openMain(sheet);
            return;
        }
}

// ---- pages ------------------------------------------------------------------------------

bool TChartEditForm::SeriesPageAllowsChange() {
    // The series page, once it exists, may refuse to be left (its data-source editor holds
    // changes the user chose to keep editing).
    bool allow = true;
    if (FSeriesPage) FSeriesPage->PageSeriesChanging(this, allow);
    return allow;
}

void TChartEditForm::MainPageChanging(TObject*, bool& AllowChange) {
    AllowChange = SeriesPageAllowsChange();
}

void TChartEditForm::MainPageChange(TObject*) {
    TTabSheet* sheet = MainPage->ActivePage();
    FillMainPage(sheet);
    if (TreeMode() && !FBuildingTree) SelectNodeOf(sheet);
}

void TChartEditForm::SubPageChange(TObject*) {
    TTabSheet* sheet = SubPage->ActivePage();
    FillSubPage(sheet);
    if (TreeMode() && !FBuildingTree) SelectNodeOf(sheet);
}

void TChartEditForm::FillMainPage(TTabSheet* Sheet) {
    if (!Sheet || !TheChart) return;
    if (Sheet == TabSeries)
        SetTabSeries();
    else if (Sheet == TabData)
        ShowDataPage();
    else if (Sheet == TabTools)
        CreateToolsPage();
    else if (Sheet == TabExport)
        ShowExportPage();
    else if (Sheet == TabPrint)
        ShowPrintPage();
    else if (Sheet == TabChart) {
        for (TTeeOnShowEditor hook : TeeOnShowEditor())
            hook(this, TabChart);
        FillSubPage(SubPage->ActivePage());
    }
}

TCustomForm* TChartEditForm::ChartPageForm(TTabSheet* Sheet) const {
    if (!Sheet) return nullptr;
    for (int i = 0; i < Sheet->ControlCount(); ++i)
        if (auto* form = dynamic_cast<TCustomForm*>(Sheet->Controls(i))) return form;
    return nullptr;
}

void TChartEditForm::EmbedPage(TCustomForm* Page, TTabSheet* Sheet, TControl* (*Untranslated)(TCustomForm*)) {
    Page->AfterConstruction();
    Page->SetParentBackground(true);
    Page->SetParentColor(true);
    Page->SetBorderStyle(bsNone);
    Page->SetBorderIcons(TBorderIcons());
    Page->SetAlign(alClient);
    Page->SetParent(Sheet);
    TeeScaleForm(Page);
    Page->Show();
    Page->Realign();
    // A control that holds the user's own texts (cursor names, a title's lines) stays as it is.
    TControl* exclude[] = {Untranslated ? Untranslated(Page) : nullptr};
    TeeTranslateControl(Page, exclude, 0);
}

void TChartEditForm::FillSubPage(TTabSheet* Sheet) {
    if (!Sheet || !TheChart) return;
    if (!ChartPageForm(Sheet)) {
        if (Sheet == TabGeneral)
            CreateGeneralPage();
        else if (Sheet == TabAxis)
            CreateAxisPage();
        else if (Sheet == TabTitle)
            CreateTitlesPage();
        else if (Sheet == TabLegend)
            CreateLegendPage();
        else if (Sheet == TabPanel)
            CreatePanelPage();
        else if (Sheet == TabPaging)
            CreatePagingPage();
        else if (Sheet == TabWalls)
            CreateWallsPage();
        else if (Sheet == Tab3D)
            Create3DPage();
    }
    if (auto* page3D = dynamic_cast<TFormTee3D*>(ChartPageForm(Tab3D))) page3D->CheckControls();
    if (FAxis) FAxis->SetAxisIndex();
}

void TChartEditForm::CreateGeneralPage() {
    EmbedPage(new TFormTeeGeneral(this, TheChart), TabGeneral,
              [](TCustomForm* Page) -> TControl* { return static_cast<TFormTeeGeneral*>(Page)->CBCursor; });
}

void TChartEditForm::CreateAxisPage() {
    FAxis = new TFormTeeAxis(this, TheAxis ? TheAxis : TheChart->LeftAxis());
    FAxis->NotifyCustom = TEvent<TChartAxis*>(this, &TChartEditForm::AxisPageNotifyCustom);
    EmbedPage(FAxis, TabAxis);
}

// A custom axis was added or deleted on the axis page: the tree's axis nodes follow, so that
// none holds a freed axis and a new one can be chosen.
void TChartEditForm::AxisPageNotifyCustom(TChartAxis*) {
    FillTreeAxes();
}

void TChartEditForm::CreateTitlesPage() {
    EmbedPage(new TFormTeeTitle(this, TheTitle ? TheTitle : TheChart->Title(), TheChart), TabTitle,
              [](TCustomForm* Page) -> TControl* { return static_cast<TFormTeeTitle*>(Page)->MText; });
}

void TChartEditForm::CreateLegendPage() {
    EmbedPage(new TFormTeeLegend(this, TheChart->Legend()), TabLegend);
}

void TChartEditForm::CreatePanelPage() {
    EmbedPage(new TFormTeePanel(this, TheChart), TabPanel);
}

void TChartEditForm::CreateWallsPage() {
    EmbedPage(new TFormTeeWall(this, TheWall ? TheWall : TheChart->LeftWall()), TabWalls);
}

void TChartEditForm::CreatePagingPage() {
    EmbedPage(new TFormTeePage(this, TheChart), TabPaging);
}

void TChartEditForm::Create3DPage() {
    EmbedPage(new TFormTee3D(this, TheChart), Tab3D);
}

void TChartEditForm::SetTabSeries() {
    if (!FSeriesPage) {
        FSeriesPage = new TFormTeeSeries(this);
        FSeriesPage->AfterConstruction();
        LBSeries->OtherItems = FSeriesPage->CBSeries->Items();
        FSeriesPage->TheListBox = LBSeries;
        FSeriesPage->SetBorderStyle(bsNone);
        FSeriesPage->SetParent(TabSeries);
        FSeriesPage->SetAlign(alClient);
        FSeriesPage->ShowTabDataSource = EditorOptions.Contains(ceDataSource);
        FSeriesPage->ShowTabGeneral = !TheHiddenTabs.Contains(cetSeriesGeneral);
        FSeriesPage->ShowTabMarks = !TheHiddenTabs.Contains(cetSeriesMarks);
        FSeriesPage->IsDssGraph = IsDssGraph;
        FSeriesPage->TheSeries = LBSeries->SelectedSeries();
        TeeScaleForm(FSeriesPage);
        FSeriesPage->OnChartSeriesEvent = TSeriesPageEvent(this, &TChartEditForm::SeriesPageEvent);
        FSeriesPage->Show();
        TControl* exclude[] = {FSeriesPage->CBSeries};
        TeeTranslateControl(FSeriesPage, exclude, 0);
    } else {
        FSeriesPage->TheSeries = LBSeries->SelectedSeries();
    }
    FSeriesPage->SetCBSeries();
}

void TChartEditForm::SeriesPageEvent(TFormTeeSeries*, TTeeEvent* Event) {
    if (auto* e = dynamic_cast<TTeeSeriesEvent*>(Event)) FormSeriesEvent(int(e->Event));
}

void TChartEditForm::FormSeriesEvent(int Event) {
    if (Event == seAdd || Event == seRemove || Event == seSwap) FillTreeSeries();
}

void TChartEditForm::CreateToolsPage() {
    if (!FTools) {
        FTools = new TFormTeeTools(this);
        FTools->AfterConstruction();
        FTools->Tools = TheChart->Tools();
        FTools->OnAdded = TNotifyEvent(this, &TChartEditForm::AddedTool);
        FTools->OnDeleted = TNotifyEvent(this, &TChartEditForm::DeletedTool);
        FTools->SetAlign(alClient);
        AddFormTo(FTools, TabTools, TheChart->Tools());
    } else {
        FTools->Reload();
    }
    if (TheTool) {
        for (int i = 0; i < FTools->LBTools->Items()->Count(); ++i)
            if (FTools->LBTools->Items()->Objects(i) == TheTool) {
                FTools->LBTools->SetItemIndex(i);
                FTools->LBToolsClick(FTools->LBTools);
            }
        TheTool = nullptr;
    }
}

void TChartEditForm::ShowExportPage() {
    auto* dialog = static_cast<TTeeExportForm*>(FExport);
    if (!dialog) {
        dialog = new TTeeExportForm(this);
        dialog->AfterConstruction();
        dialog->ExportPanel = TheChart;
        dialog->BClose->SetVisible(false);
        AddFormTo(dialog, TabExport, TheChart);
        FExport = dialog;
    }
    dialog->CBFileSize->SetChecked(false);
    dialog->TabNative->SetTabVisible(!TheHiddenTabs.Contains(cetExportNative));
    dialog->EnableButtons();
}

void TChartEditForm::ShowPrintPage() {
    if (!FPreview) {
        TCursor old = Screen->Cursor();
        Screen->SetCursor(crHourGlass);
        try {
            FPreview = new TChartPreview(this);
            FPreview->AfterConstruction();
            FPreview->HideCloseButton();
            FPreview->PreviewPanel()->SetPanel(TheChart);
            AddFormTo(FPreview, TabPrint, TheChart);
        } catch (...) {
            Screen->SetCursor(old);
            throw;
        }
        Screen->SetCursor(old);
    } else {
        FPreview->PreviewPanel()->Invalidate();
    }
}
