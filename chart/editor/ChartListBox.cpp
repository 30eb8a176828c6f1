#include "chart/editor/ChartListBox.h"

#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/SeriesGroups.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/EditColor.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/StdControlTypes.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"

#include <algorithm>

TTeeAddGalleryProc TeeAddGalleryProc = nullptr;
TTeeChangeGalleryProc TeeChangeGalleryProc = nullptr;

ORVO_IMPLEMENT_CLASS(TChartListBox, TCustomListBox)
ORVO_IMPLEMENT_EVENT_TYPE(TListBoxSeriesEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TListBoxChangeOrderEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TListBoxDblClickEvent)

ORVO_PUBLISHED(TChartListBox) {
    using S = TChartListBox;
    PublishWinControlBasics(P);
    P.Property("AllowAddSeries", &S::AllowAddSeries, &S::SetAllowAddSeries).Default(true);
    P.Property("AllowDeleteSeries", &S::AllowDeleteSeries, &S::SetAllowDeleteSeries).Default(true);
    P.Property("AskDelete", &S::AskDelete, &S::SetAskDelete).Default(true);
    P.Property("Chart", &S::Chart, &S::SetChart);
    P.Property("CheckStyle", &S::CheckStyle, &S::SetCheckStyle).Default(cbsCheck);
    P.Property("EnableChangeColor", &S::EnableChangeColor, &S::SetEnableChangeColor).Default(true);
    P.Property("EnableDragSeries", &S::EnableDragSeries, &S::SetEnableDragSeries).Default(true);
    P.Property("EnableChangeType", &S::EnableChangeType, &S::SetEnableChangeType).Default(true);
    P.Property("FontSeriesColor", &S::FontSeriesColor, &S::SetFontSeriesColor).Default(false);
    P.Property("ShowActiveCheck", &S::ShowActiveCheck, &S::SetShowActiveCheck).Default(true);
    P.Property("ShowSeriesColor", &S::ShowSeriesColor, &S::SetShowSeriesColor).Default(true);
    P.Property("ShowSeriesIcon", &S::ShowSeriesIcon, &S::SetShowSeriesIcon).Default(true);
    P.Property("ShowSeriesTitle", &S::ShowSeriesTitle, &S::SetShowSeriesTitle).Default(true);
    P.Property("MultiSelect", &S::MultiSelect, &S::SetMultiSelect).Default(true);
    P.Property("BorderStyle", &S::BorderStyle, &S::SetBorderStyle).Default(bsSingle);
    P.Property("Color", &S::Color, &S::SetColor).Type(TypeInfoTColor());
    P.Property("Sorted", &S::Sorted, &S::SetSorted).Default(false);
    P.Property("OnChangeActive", &S::OnChangeActive);
    P.Property("OnChangeColor", &S::OnChangeColor);
    P.Property("OnChangeOrder", &S::OnChangeOrder);
    P.Property("OnDblClickSeries", &S::OnDblClickSeries);
    P.Property("OnOtherItemsChange", &S::OnOtherItemsChange);
    P.Property("OnRefresh", &S::OnRefresh);
    P.Property("OnRemovedSeries", &S::OnRemovedSeries);
}

TChartListBox::TChartListBox(TComponent* AOwner) : TCustomListBox(AOwner) {
    FSections[SectionIcon] = {26, true};
    FSections[SectionActive] = {16, true};
    FSections[SectionColor] = {26, true};
    FSections[SectionTitle] = {216, true};
    SetStyle(lbOwnerDrawFixed);
    SetItemHeight(24);
    SetSorted(false);
    SetMultiSelect(true);
}

TChartListBox::~TChartListBox() {
    FDestroying = true;
    FreeAndNil(FEditor);
    RemoveChartListener();
    FChart = nullptr;
}

HResult TChartListBox::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IID_IInterface) {
        *Obj = static_cast<IInterface*>(this);
        return S_OK;
    }
    *Obj = nullptr;
    return E_NOINTERFACE;
}

// ---- what is listed -------------------------------------------------------------------------

void TChartListBox::RemoveChartListener() {
    if (!FChart) return;
    FChart->RemoveFreeNotification(this);
    FChart->RemoveListener(this);
}

void TChartListBox::SetChart(TCustomAxisPanel* Value) {
    if (FChart == Value) return;
    RemoveChartListener();
    FChart = Value;
    if (!FChart) {
        ClearItems();
        return;
    }
    FChart->FreeNotification(this);
    FChart->Listeners()->Add(this);
    FillSeries(nullptr);
}

void TChartListBox::SetGroup(TSeriesGroup* Value) {
    if (FGroup == Value) return;
    FGroup = Value;
    FillSeries(SelectedSeries());
}

void TChartListBox::SetNames(bool Value) {
    if (FNames == Value) return;
    FNames = Value;
    FillSeries(SelectedSeries());
}

void TChartListBox::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomListBox::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FChart) {
        // A chart in its destruction takes its listener list with it; by the time its removal
        // is announced only its component part is left to call.
        if (!AComponent->ComponentState().Contains(csDestroying)) FChart->RemoveListener(this);
        FChart = nullptr;
        if (!FDestroying) ClearItems();
    }
    if (AComponent == ReferenceChart) ReferenceChart = nullptr;
}

String TChartListBox::RowText(TCustomChartSeries* ASeries) const {
    return FNames ? ASeries->Name() : SeriesTitleOrName(ASeries);
}

template <class F> void TChartListBox::WithWindow(F&& Work) {
    bool lend = false;
    if (!HandleAllocated() && !ComponentState().Contains(csLoading) &&
        !ComponentState().Contains(csDestroying)) {
        try {
            HandleNeeded();
        } catch (const EInvalidOperation&) {
            lend = !Parent();
        }
    }
    if (!lend) {
        Work();
        return;
    }
    auto* lender = new TForm(nullptr, 0);
    SetParent(lender);
    struct Give {
        TChartListBox* list;
        TForm* form;
        ~Give() {
            list->SetParent(nullptr);
            FreeObject(form);
        }
    } give{this, lender};
    Work();
}

void TChartListBox::CopyToOtherItems() {
    if (!OtherItems) return;
    try {
        OtherItems->Assign(Items());
    } catch (const EInvalidOperation&) {
        // A list that cannot change now (a combo box without window) catches up later.
    }
}

void TChartListBox::CheckLegendStyle() {
    if (auto* chart = dynamic_cast<TCustomChart*>(FChart))
        if (chart->Legend()->CheckBoxes()) SetCheckStyle(chart->Legend()->CheckBoxesStyle());
}

void TChartListBox::FillSeries(TChartSeries* OldSeries) {
    WithWindow([&] {
        Items()->BeginUpdate();
        struct End {
            TStrings* items;
            ~End() { items->EndUpdate(); }
        } end{Items()};
        Items()->Clear();
        if (FChart) {
            FillSeriesItems(Items(), FGroup ? FGroup->Series() : FChart->SeriesList(), !FNames);
            CheckLegendStyle();
        }
    });
    CopyToOtherItems();
    int row = OldSeries ? Items()->IndexOfObject(OldSeries) : -1;
    if (row < 0 && Count() > 0) row = 0;
    if (row >= 0) SelectSeries(row);
    if (OnOtherItemsChange) OnOtherItemsChange(this);
    if (OnRefresh) OnRefresh(this);
}

void TChartListBox::UpdateSeries() {
    if (HandleAllocated()) FillSeries(SelectedSeries());
}

void TChartListBox::ClearItems() {
    if (FDestroying || ComponentState().Contains(csDestroying)) return;
    WithWindow([&] { Items()->Clear(); });
    if (OtherItems) {
        try {
            OtherItems->Clear();
        } catch (const EInvalidOperation&) {
            // As in CopyToOtherItems.
        }
    }
}

// ---- selection ------------------------------------------------------------------------------

TChartSeries* TChartListBox::Series(int Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    return static_cast<TChartSeries*>(Items()->Objects(Index));
}

TChartSeries* TChartListBox::SelectedSeries() const {
    return Series(ItemIndex());
}

void TChartListBox::SetSelectedSeries(TChartSeries* Value) {
    const int row = Value ? Items()->IndexOfObject(Value) : -1;
    if (row >= 0) SelectSeries(row);
}

void TChartListBox::SelectSeries(int Index) {
    if (Index < 0 || Index >= Count()) return;
    SetItemIndex(Index);
    if (MultiSelect()) SetSelected(Index, true);
}

bool TChartListBox::AnySelected() {
    if (!MultiSelect()) return ItemIndex() != -1;
    if (SelCount() > 0) return true;
    if (ItemIndex() == -1) return false;
    SetSelected(ItemIndex(), true);
    return true;
}

int TChartListBox::GetItemIndex() const {
    return Count() == 0 ? -1 : ItemIndex();
}

int TChartListBox::SeriesAtMousePos(TPoint& P) {
    return ItemAtPos(P, true);
}

std::vector<TChartSeries*> TChartListBox::SelectedList() {
    std::vector<TChartSeries*> out;
    if (MultiSelect()) {
        for (int i = 0; i < Count(); ++i)
            if (Selected(i)) out.push_back(Series(i));
    } else if (TChartSeries* s = SelectedSeries()) {
        out.push_back(s);
    }
    return out;
}

// ---- sections -------------------------------------------------------------------------------

int TChartListBox::SectionLeft(int Section) const {
    int left = 0;
    for (int i = 0; i < Section; ++i)
        if (FSections[size_t(i)].Visible) left += FSections[size_t(i)].Width;
    return left;
}

bool TChartListBox::PointInSection(const TPoint& P, int Section) const {
    const TListBoxSection& s = FSections[size_t(Section)];
    if (!s.Visible) return false;
    const int left = SectionLeft(Section);
    return P.X > left && P.X < left + s.Width;
}

void TChartListBox::SetSectionVisible(int Section, bool Value) {
    FSections[size_t(Section)].Visible = Value;
    Invalidate();
}

void TChartListBox::SetCheckStyle(TCheckBoxesStyle Value) {
    FCheckStyle = Value;
    if (Value == cbsRadio && Showing()) {
        bool first = true;
        for (int i = 0; i < Count(); ++i) {
            TChartSeries* s = Series(i);
            if (!s || !s->Active()) continue;
            if (!first) s->SetActive(false);
            first = false;
        }
    }
    Invalidate();
}

void TChartListBox::SetFontSeriesColor(bool Value) {
    FFontSeriesColor = Value;
    Invalidate();
}

// ---- drawing --------------------------------------------------------------------------------

void TChartListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
    TCanvas* canvas = Canvas();
    const bool focused = Focused();
    const bool isCurrent = Index == ItemIndex();
    const bool selected = State.Contains(odSelected) || (!focused && isCurrent);
    TColor back = Color();
    if (!focused && isCurrent)
        back = clInactiveCaption;
    else if (selected)
        back = clHighlight;
    else if (State.Contains(odFocused))
        back = clInactiveCaption;
    const int titleLeft = Rect.Left + SectionLeft(SectionTitle);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(back);
    canvas->FillRect(Rect);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(TRect{Rect.Left, Rect.Top, titleLeft - 2, Rect.Bottom});

    TChartSeries* series = Series(Index);
    if (!series) return;
    if (ShowSeriesIcon()) TeeDrawBitmapEditor(canvas, series, Rect.Left + SectionLeft(SectionIcon), Rect.Top);
    if (ShowSeriesColor() && series->UseSeriesColor()) {
        const int x = Rect.Left + SectionLeft(SectionColor) - 2;
        const TRect sample{x + 4, Rect.Top + 4, x + FSections[SectionColor].Width - 4, Rect.Bottom - 4};
        TCustomAxisPanel* owner = series->ParentChart() ? series->ParentChart() : ReferenceChart;
        TTeeShadow* shadow = nullptr;
        if (auto* chart = dynamic_cast<TCustomChart*>(owner))
            if (chart->Legend()->Symbol()->Shadow()->Visible()) shadow = chart->Legend()->Symbol()->Shadow();
        const int oldSize = shadow ? shadow->Size() : 0;
        const int oldHoriz = shadow ? shadow->HorizSize() : 0;
        const int oldVert = shadow ? shadow->VertSize() : 0;
        if (shadow) shadow->SetSize(3);
        struct Restore {
            TTeeShadow* shadow;
            int horiz, vert;
            ~Restore() {
                if (!shadow) return;
                shadow->SetHorizSize(horiz);
                shadow->SetVertSize(vert);
            }
        } restore{shadow, oldHoriz, oldVert};
        (void)oldSize;
        PaintSeriesLegend(series, canvas, sample, ReferenceChart);
    }
    if (ShowActiveCheck())
        TeeDrawCheckBox(Rect.Left + SectionLeft(SectionActive) + 2, Rect.Top + (Rect.Height() - 13) / 2,
                        canvas, series->Active(), Color(), FCheckStyle == cbsCheck);
    if (ShowSeriesTitle()) {
        TColor text = Font()->Color();
        if (selected)
            text = clHighlightText;
        else if (FFontSeriesColor)
            text = series->SeriesColor();
        canvas->Font()->Assign(Font());
        canvas->Font()->SetColor(text);
        canvas->Brush()->SetStyle(bsClear);
        canvas->TextOut(titleLeft + 1,
                        Rect.Top + (ItemHeight() - canvas->TextHeight(QStringLiteral("W"))) / 2,
                        Items()->Strings(Index));
        canvas->Brush()->SetStyle(bsSolid);
    }
}

// ---- mouse and keys -------------------------------------------------------------------------

void TChartListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    HideEditor();
    TCustomListBox::MouseDown(Button, Shift, X, Y);
    FHitPoint = TPoint{X, Y};
    if (ItemIndex() == -1) return;
    const int row = ItemAtPos(FHitPoint, true);
    if (TChartSeries* series = Series(row)) {
        if (PointInSection(FHitPoint, SectionActive)) {
            if (FCheckStyle == cbsRadio) {
                for (int i = 0; i < Count(); ++i)
                    if (TChartSeries* s = Series(i)) s->SetActive(s == series);
            } else {
                series->SetActive(!series->Active());
            }
            if (!series->ParentChart()) Invalidate();
            if (OnChangeActive) OnChangeActive(this, series);
        } else if (FEnableDragSeries && PointInSection(FHitPoint, SectionTitle) && !FDblClicked &&
                   Button == mbLeft && !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) &&
                   !Shift.Contains(ssDouble)) {
            BeginDrag(false);
        }
    }
    FDblClicked = false;
    if (OnOtherItemsChange) OnOtherItemsChange(this);
}

void TChartListBox::MouseMove(TShiftState Shift, int X, int Y) {
    TCursor cursor = crDefault;
    const TPoint p{X, Y};
    if (!ComponentState().Contains(csDesigning) && Count() > 0 && ItemAtPos(p, true) != -1) {
        for (int section = SectionIcon; section <= SectionColor; ++section) {
            if (!PointInSection(p, section)) continue;
            if ((section == SectionIcon && FEnableChangeType) ||
                (section == SectionColor && FEnableChangeColor))
                cursor = crHandPoint;
            break;
        }
    }
    SetCursor(cursor);
    TCustomListBox::MouseMove(Shift, X, Y);
}

void TChartListBox::DblClick() {
    FDblClicked = true;
    TCustomListBox::DblClick();
    const int row = ItemAtPos(FHitPoint, true);
    TChartSeries* series = Series(row);
    if (!series || !(MultiSelect() ? Selected(row) : row == ItemIndex())) return;
    if (PointInSection(FHitPoint, SectionIcon)) {
        if (FEnableChangeType) ChangeTypeSeries(this);
    } else if (PointInSection(FHitPoint, SectionColor)) {
        if (FEnableChangeColor && series->UseSeriesColor()) {
            TColor color = series->SeriesColor();
            if (EditColorDialog(this, color)) {
                series->SetSeriesColor(color);
                series->SetColorEachPoint(false);
                if (OnChangeColor) OnChangeColor(this, series);
            }
        }
    } else if (PointInSection(FHitPoint, SectionTitle)) {
        if (OnDblClickSeries) OnDblClickSeries(this, row);
    }
}

void TChartListBox::KeyUp(Word& Key, TShiftState Shift) {
    TCustomListBox::KeyUp(Key, Shift);
    switch (Key) {
    case VK_INSERT:
        if (FAllowAddSeries) AddSeriesGallery();
        break;
    case VK_DELETE:
        if (FAllowDeleteSeries) DeleteSeries();
        break;
    case VK_F2:
        if (SelectedSeries()) ShowEditor();
        break;
    default:
        break;
    }
}

void TChartListBox::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
    TCustomListBox::DragOver(Source, X, Y, State, Accept);
    Accept = Source == this && FEnableDragSeries;
}

void TChartListBox::DragDrop(TObject* Source, int X, int Y) {
    TCustomListBox::DragDrop(Source, X, Y);
    if (ItemIndex() == -1) return;
    const int row = ItemAtPos(TPoint{X, Y}, true);
    if (row != -1 && row != ItemIndex()) SwapSeries(ItemIndex(), row);
}

// ---- operations -----------------------------------------------------------------------------

void TChartListBox::SwapSeries(int Index1, int Index2) {
    TChartSeries* first = Series(Index1);
    TChartSeries* second = Series(Index2);
    if (!first || !second || Index1 == Index2) return;
    Items()->Exchange(Index1, Index2);
    if (OtherItems) {
        try {
            OtherItems->Exchange(Index1, Index2);
        } catch (const EInvalidOperation&) {
            // As in CopyToOtherItems.
        } catch (const EListError&) {
            // Not in step with the rows: the next fill copies them again.
        }
    }
    if (FChart) {
        // Rows are not chart positions when a group is shown or series are hidden: the two
        // series change places where each of them is.
        if (FGroup) {
            TCustomSeriesList* list = FGroup->Series();
            const int a = list->IndexOf(first), b = list->IndexOf(second);
            if (a >= 0 && b >= 0) list->Exchange(a, b);
        }
        FChart->ExchangeSeries(first, second);
        if (OnChangeOrder) OnChangeOrder(this, Series(Index1), Series(Index2));
    }
    if (TCustomForm* form = GetParentForm(); form && CanFocus()) form->SetActiveControl(this);
    if (MultiSelect()) ClearSelection();
    SelectSeries(Items()->IndexOfObject(first));
    if (OnRefresh) OnRefresh(this);
    RefreshDesigner();
}

void TChartListBox::MoveCurrentUp() {
    const int i = ItemIndex();
    if (i > 0) SwapSeries(i, i - 1);
}

void TChartListBox::MoveCurrentDown() {
    const int i = ItemIndex();
    if (i != -1 && i < Count() - 1) SwapSeries(i, i + 1);
}

bool TChartListBox::DeleteSeries() {
    if (!AnySelected()) return false;
    if (FAskDelete) {
        const String what =
            MultiSelect() && SelCount() > 1 ? TeeMsg_SelectedSeries : RowText(SelectedSeries());
        if (!TeeYesNoDelete(what, this)) return false;
    }
    // Collected first: each series' rows go as the chart tells of its removal, which moves
    // the selection under any loop over the rows.
    for (TChartSeries* series : SelectedList())
        FreeObject(series);
    if (Count() > 0) {
        if (MultiSelect()) ClearSelection();
        SelectSeries(0);
    }
    if (OnRefresh) OnRefresh(this);
    RefreshDesigner();
    return true;
}

void TChartListBox::CloneSeries() {
    if (TChartSeries* series = SelectedSeries()) CloneChartSeries(series);
}

bool TChartListBox::RenameSeries() {
    const int row = ItemIndex();
    TChartSeries* series = Series(row);
    if (!series) return false;
    const String before = RowText(series);
    String answer = FNames ? series->Name() : SeriesTitleOrName(series);
    bool changed = false;
    if (InputQuery(TeeMsg_ChangeSeriesTitle, TeeMsg_NewSeriesTitle, answer) && !answer.isEmpty()) {
        if (FNames) {
            series->SetName(answer);
            Items()->SetStrings(row, answer);
            series->Repaint();
        } else {
            // The component name as title means no title of its own.
            series->SetTitle(answer == series->Name() ? String() : answer);
        }
        changed = RowText(series) != before;
    }
    SelectSeries(Items()->IndexOfObject(series));
    return changed;
}

void TChartListBox::ChangeTypeSeries(TObject*) {
    if (!AnySelected() || !FChart || !TeeChangeGalleryProc) return;
    std::vector<TChartSeries*> list = SelectedList();
    if (list.empty()) return;
    TChartSeries* first = list.front();
    TClass cls = TeeChangeGalleryProc(Owner(), first);
    list.front() = first;
    for (size_t i = 1; i < list.size(); ++i)
        if (cls) list[i] = ChangeSeriesType(list[i], cls);
    if (MultiSelect()) ClearSelection();
    for (TChartSeries* s : list)
        SelectSeries(Items()->IndexOfObject(s));
    if (OnRefresh) OnRefresh(this);
    RefreshDesigner();
}

TChartSeries* TChartListBox::AddSeriesGallery() {
    if (!TeeAddGalleryProc) return nullptr;
    TChartSeries* series = TeeAddGalleryProc(Owner(), FChart, SelectedSeries());
    if (series) {
        if (MultiSelect()) ClearSelection();
        SetSelectedSeries(series);
        if (OnRefresh) OnRefresh(this);
        RefreshDesigner();
    }
    return series;
}

// ---- in-place title editor ------------------------------------------------------------------

void TChartListBox::ShowEditor() {
    TChartSeries* series = SelectedSeries();
    if (!series || !ShowSeriesTitle()) return;
    if (!FEditor) {
        FEditor = new TEdit(nullptr);
        FEditor->SetAutoSize(false);
        FEditor->SetParent(this);
        FEditor->OnKeyDown = TKeyEvent(this, &TChartListBox::EditorKeyDown);
        FEditor->OnKeyPress = TKeyPressEvent(this, &TChartListBox::EditorKeyPress);
    }
    FEditor->SetTag(reinterpret_cast<NativeInt>(series));
    FEditor->SetText(series->Title());
    const TRect row = ItemRect(ItemIndex());
    FEditor->SetBounds(SectionLeft(SectionTitle) - 2, row.Top, FSections[SectionTitle].Width,
                       ItemHeight() + 1);
    FEditor->Show();
    if (FEditor->CanFocus()) FEditor->SetFocus();
}

void TChartListBox::HideEditor() {
    if (!FEditor || !FEditor->Visible()) return;
    FEditor->Hide();
    if (auto* series = reinterpret_cast<TChartSeries*>(FEditor->Tag());
        series && Items()->IndexOfObject(series) >= 0)
        series->SetTitle(FEditor->Text());
}

void TChartListBox::EditorKeyDown(TObject*, Word& Key, TShiftState) {
    if (Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_UP && Key != VK_DOWN && Key != VK_F2) return;
    if (Key == VK_ESCAPE)
        FEditor->Hide();
    else
        HideEditor();
    if (CanFocus()) SetFocus();
    Invalidate();
}

void TChartListBox::EditorKeyPress(TObject*, QChar& Key) {
    if (Key == QChar(VK_RETURN) || Key == QChar(VK_ESCAPE)) Key = QChar(0);
}

// ---- chart events ---------------------------------------------------------------------------

void TChartListBox::TeeEvent(TTeeEvent* Event) {
    if (FDestroying || ComponentState().Contains(csDestroying)) return;
    if (auto* e = dynamic_cast<TTeeSeriesEvent*>(Event)) {
        switch (e->Event) {
        case seRemove: {
            const int row = Items()->IndexOfObject(e->Series);
            if (row >= 0) {
                WithWindow([&] { Items()->Delete(row); });
                if (OtherItems) {
                    try {
                        if (row < OtherItems->Count()) OtherItems->Delete(row);
                    } catch (const EInvalidOperation&) {
                        // As in CopyToOtherItems.
                    }
                }
            }
            if (OnRemovedSeries) OnRemovedSeries(this, e->Series);
            break;
        }
        case seChangeTitle: {
            const int row = Items()->IndexOfObject(e->Series);
            if (row >= 0) {
                Items()->SetStrings(row, RowText(e->Series));
                if (OtherItems && row < OtherItems->Count()) OtherItems->SetStrings(row, RowText(e->Series));
            }
            break;
        }
        case seChangeColor:
            Invalidate();
            break;
        case seChangeActive:
            CheckLegendStyle();
            Invalidate();
            break;
        case seAdd:
        case seSwap:
            FillSeries(SelectedSeries());
            break;
        case seDataChanged:
            break;
        }
    } else if (dynamic_cast<TTeeView3DEvent*>(Event)) {
        Invalidate();
    }
}
