// The chart editor's series list: its commands, the "View" menu and the series groups.
#include "chart/editor/ChartListBox.h"
#include "chart/editor/EditChartForm.h"
#include "chart/editor/FormTeeSeries.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/series/SeriesGroups.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckLst.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Menus.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/TreeView.h"

namespace {
bool Inherited(const TChartSeries* S) {
    return S && S->ComponentState().Contains(csAncestor);
}
} // namespace

void TChartEditForm::RefreshButtons() {
    const bool current = HasSeries() && LBSeries->CanFocus() && LBSeries->ItemIndex() != -1;
    TChartSeries* series = current ? LBSeries->SelectedSeries() : nullptr;
    const TChartSeriesStyle style = series ? series->Style() : TChartSeriesStyle();
    const int selected = LBSeries->SelCount();
    BAddSeries->SetEnabled(EditorOptions.Contains(ceAdd));
    LBSeries->SetAllowAddSeries(EditorOptions.Contains(ceAdd));
    const bool canDelete = series && !Inherited(series) && EditorOptions.Contains(ceDelete) &&
                           !style.Contains(tssIsTemplate) && !style.Contains(tssDenyDelete);
    BDeleteSeries->SetEnabled(canDelete);
    LBSeries->SetAllowDeleteSeries(canDelete);
    LBSeries->SetAskDelete(EditorOptions.Contains(ceAskDelete));
    BRenameSeries->SetEnabled(series && selected < 2 && EditorOptions.Contains(ceTitle));
    const bool canChange = series && !Inherited(series) && EditorOptions.Contains(ceChange) &&
                           !style.Contains(tssDenyChangeType);
    BChangeTypeSeries->SetEnabled(canChange);
    if (!canChange && LBSeries->ShowSeriesIcon()) LBSeries->SetEnableChangeType(false);
    BCloneSeries->SetEnabled(series && selected <= 1 && EditorOptions.Contains(ceClone) &&
                             !style.Contains(tssIsTemplate) && !style.Contains(tssDenyClone));
    const bool single = series && selected <= 1;
    BMoveDown->SetEnabled(single && LBSeries->ItemIndex() < LBSeries->Items()->Count() - 1);
    BMoveUP->SetEnabled(single && LBSeries->ItemIndex() > 0);
    const bool order = EditorOptions.Contains(ceOrderSeries);
    BMoveDown->SetVisible(order);
    BMoveUP->SetVisible(order);
    LBSeries->SetEnableDragSeries(order);
    if (TreeMode() && TreeNodeSeries && LBSeries->CanFocus() &&
        LBSeries->Items()->Count() != TreeNodeSeries->Count())
        FillTreeSeries();
}

void TChartEditForm::LBSeriesClick(TObject*) {
    RefreshButtons();
}

void TChartEditForm::LBSeriesRefreshButtons(TObject*) {
    RefreshButtons();
}

void TChartEditForm::LBSeriesOtherItemsChange(TObject*) {
    // The series page's combo box follows the list once the series page exists.
}

void TChartEditForm::LBSeriesRemovedSeries(TChartListBox*, TCustomChartSeries*) {
    FillTreeSeries();
}

void TChartEditForm::LBSeriesEditSeries(TChartListBox*, int Index) {
    if (Index < 0 || LBSeries->ItemIndex() == -1) return;
    if (TreeMode()) {
        if (TTreeNode* node = NodeOfObject(LBSeries->SelectedSeries())) Tree->SetSelected(node);
        return;
    }
    MainPage->SetActivePage(TabSeries);
    SetTabSeries();
}

void TChartEditForm::OpenSeriesTab() {
    if (TheSeriesTab == TSeriesTab::Remembered || !FSeriesPage || !FSeriesPage->Showing()) return;
    TFormTeeSeries& page = *FSeriesPage;
    switch (TheSeriesTab) {
    case TSeriesTab::Marks:
        page.OpenTab(page.TabMarks);
        break;
    case TSeriesTab::MarksSymbol:
        page.OpenTab(page.TabMarks, page.TabSymbol);
        break;
    case TSeriesTab::DataSource:
        page.OpenTab(page.TabDataSource);
        break;
    case TSeriesTab::Remembered:
        break;
    }
}

void TChartEditForm::BMoveUPClick(TObject*) {
    LBSeries->MoveCurrentUp();
    RefreshButtons();
}

void TChartEditForm::BMoveDownClick(TObject*) {
    LBSeries->MoveCurrentDown();
    RefreshButtons();
}

void TChartEditForm::BAddSeriesClick(TObject*) {
    if (TabSeries->Parent() != MainPage) TabSeries->SetPageControl(MainPage);
    TChartSeries* series = LBSeries->AddSeriesGallery();
    if (series) {
        const int row = Groups->ItemIndex();
        const int first = EditorOptions.Contains(ceGroupAll) ? 1 : 0;
        if (EditorOptions.Contains(ceGroups) && row >= first)
            if (TSeriesGroup* group = TheChart->SeriesGroups()->Get(row - first)) group->Add(series);
        LBSeries->UpdateSeries();
        FillTreeSeries();
    }
    if (LBSeries->CanFocus()) LBSeries->SetFocus();
    RefreshButtons();
}

void TChartEditForm::BDeleteSeriesClick(TObject*) {
    if (TabSeries->Parent() != MainPage) TabSeries->SetPageControl(MainPage);
    TheEditSeries = nullptr;
    TheSeries = nullptr;
    LBSeries->DeleteSeries();
    FillTreeSeries();
    RefreshButtons();
}

void TChartEditForm::BRenameSeriesClick(TObject*) {
    if (LBSeries->RenameSeries() && TreeMode()) {
        if (TTreeNode* node = NodeOfObject(LBSeries->SelectedSeries()))
            node->SetText(LBSeries->Items()->Strings(LBSeries->ItemIndex()));
    }
    if (!Parent() && LBSeries->CanFocus()) SetActiveControl(LBSeries);
}

void TChartEditForm::BCloneSeriesClick(TObject*) {
    LBSeries->CloneSeries();
    FillTreeSeries();
    RefreshButtons();
}

void TChartEditForm::BChangeTypeSeriesClick(TObject*) {
    TheEditSeries = nullptr;
    TheSeries = nullptr;
    LBSeries->ChangeTypeSeries(this);
    FillTreeSeries();
    RefreshButtons();
}

void TChartEditForm::SpeedSeriesClick(TObject*) {
    const TPoint p = SpeedSeries->ClientToScreen(TPoint{0, SpeedSeries->Height()});
    PopupSeries->Popup(p.X, p.Y);
    SpeedSeries->SetDown(false);
}

void TChartEditForm::ViewNames1Click(TObject*) {
    LBSeries->SetNames(!LBSeries->Names());
    ViewNames1->SetChecked(LBSeries->Names());
    BRenameSeries->SetCaption(LBSeries->Names() ? QStringLiteral("&Name...") : QStringLiteral("&Title..."));
    SpeedSeries->SetDown(false);
}

void TChartEditForm::ViewGroups1Click(TObject*) {
    if (EditorOptions.Contains(ceGroups))
        EditorOptions >> ceGroups;
    else
        EditorOptions << ceGroups;
    ViewGroups1->SetChecked(EditorOptions.Contains(ceGroups));
    SetGroupsVisible();
    SpeedSeries->SetDown(false);
}

// ---- groups -----------------------------------------------------------------------------

void TChartEditForm::SetGroupsVisible() {
    const bool show = EditorOptions.Contains(ceGroups);
    PanelGroups->SetVisible(show);
    BAddGroup->SetVisible(show);
    BDeleteGroup->SetVisible(show);
    BRenameGroup->SetVisible(show);
    if (show) FillGroups();
}

namespace {
// A group's box: checked when all its series are active, unchecked when none is, greyed
// when some are.
TCheckBoxState GroupState(TSeriesGroup* Group) {
    switch (Group->Active()) {
    case gaYes:
        return cbChecked;
    case gaNo:
        return cbUnchecked;
    case gaSome:
        break;
    }
    return cbGrayed;
}
} // namespace

void TChartEditForm::FillGroups() {
    if (!TheChart) return;
    const int previous = Groups->ItemIndex() < 0 ? 0 : Groups->ItemIndex();
    Groups->Items()->Clear();
    if (EditorOptions.Contains(ceGroupAll)) {
        Groups->Items()->Add(TeeMsg_All);
        Groups->SetChecked(0, TheChart->SeriesList()->AllActive());
    }
    TSeriesGroups* groups = TheChart->SeriesGroups();
    for (int i = 0; i < groups->Count(); ++i) {
        const int row = Groups->Items()->AddObject(groups->Get(i)->Name(), groups->Get(i));
        Groups->SetState(row, GroupState(groups->Get(i)));
    }
    Groups->SetItemIndex(std::min(previous, Groups->Items()->Count() - 1));
    GroupsClick(Groups);
}

void TChartEditForm::GroupsClick(TObject*) {
    const int row = Groups->ItemIndex();
    auto* group = row >= 0 ? dynamic_cast<TSeriesGroup*>(Groups->Items()->Objects(row)) : nullptr;
    LBSeries->SetGroup(group);
    BDeleteGroup->SetEnabled(group != nullptr);
    BRenameGroup->SetEnabled(group != nullptr);
    RefreshButtons();
}

void TChartEditForm::GroupsClickCheck(TObject*) {
    const int row = Groups->ItemIndex();
    if (!TheChart || row < 0) return;
    if (auto* group = dynamic_cast<TSeriesGroup*>(Groups->Items()->Objects(row))) {
        // A greyed box leaves the group's series as they are.
        const TCheckBoxState state = Groups->State(row);
        if (state != cbGrayed) group->SetActive(state == cbChecked ? gaYes : gaNo);
    } else {
        TheChart->SeriesList()->SetAllActive(Groups->Checked(row));
    }
    // "(all)" and the other rows follow the series.
    FillGroups();
}

namespace {
// Asks for a group name again while the answer is confirmed but empty; false on Cancel.
bool AskGroupName(const String& Caption, String& Name) {
    for (;;) {
        if (!InputQuery(Caption, TeeMsg_GroupName, Name)) return false;
        if (!Name.trimmed().isEmpty()) return true;
    }
}
} // namespace

void TChartEditForm::BAddGroupClick(TObject*) {
    String name;
    if (!AskGroupName(TeeMsg_AddNewGroup, name)) return;
    TSeriesGroup* group = TheChart->SeriesGroups()->Add();
    group->SetName(name);
    FillGroups();
    Groups->SetItemIndex(Groups->Items()->Count() - 1);
    GroupsClick(Groups);
}

void TChartEditForm::BRenameGroupClick(TObject*) {
    const int row = Groups->ItemIndex();
    auto* group = row >= 0 ? dynamic_cast<TSeriesGroup*>(Groups->Items()->Objects(row)) : nullptr;
    if (!group) return;
    String name = Groups->Items()->Strings(row);
    if (!AskGroupName(TeeMsg_ChangeGroupName, name)) return;
    group->SetName(name);
    FillGroups();
}

void TChartEditForm::BDeleteGroupClick(TObject*) {
    const int row = Groups->ItemIndex();
    auto* group = row >= 0 ? dynamic_cast<TSeriesGroup*>(Groups->Items()->Objects(row)) : nullptr;
    if (!group || !TeeYesNoDelete(Groups->Items()->Strings(row), this)) return;
    LBSeries->SetGroup(nullptr);
    delete group;
    FillGroups();
}

void TChartEditForm::GroupsDragOver(TObject*, TObject* Source, int X, int Y, TDragState, bool& Accept) {
    Accept = false;
    if (Source != LBSeries || !LBSeries->SelectedSeries()) return;
    const int row = Groups->ItemAtPos(TPoint{X, Y}, true);
    if (row < 0) return;
    auto* group = dynamic_cast<TSeriesGroup*>(Groups->Items()->Objects(row));
    Accept = !group || group->Series()->IndexOf(LBSeries->SelectedSeries()) < 0;
}

void TChartEditForm::GroupsDragDrop(TObject*, TObject* Source, int X, int Y) {
    TChartSeries* series = Source == LBSeries ? LBSeries->SelectedSeries() : nullptr;
    const int row = Groups->ItemAtPos(TPoint{X, Y}, true);
    if (!series || row < 0) return;
    auto* target = dynamic_cast<TSeriesGroup*>(Groups->Items()->Objects(row));
    if (target && target->Series()->IndexOf(series) < 0) target->Add(series);
    const int current = Groups->ItemIndex();
    auto* from = current >= 0 ? dynamic_cast<TSeriesGroup*>(Groups->Items()->Objects(current)) : nullptr;
    if (from && from != target) from->Series()->Remove(series);
    FillGroups();
    Groups->SetItemIndex(row);
    GroupsClick(Groups);
}
