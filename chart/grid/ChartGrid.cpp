#include "chart/grid/ChartGrid.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/SeriesDataStream.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/EditColor.h"
#include "chart/grid/TeeNavigator.h"
#include "chart/series/BarSeries.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/controls/Mouse.h"
#include "platform/controls/StdControlTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/IntText.h"
#include "platform/rtl/SysMath.h"

#include <QStringList>

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TCustomChartGrid, TCustomGrid)
ORVO_IMPLEMENT_CLASS(TChartGrid, TCustomChartGrid)
ORVO_IMPLEMENT_ENUM_TYPE(TChartGridShow, "cgsAuto", "cgsNo", "cgsYes")

ORVO_PUBLISHED(TChartGrid) {
    using S = TChartGrid;
    PublishWinControlBasics(P);
    P.Property("BorderStyle", &S::BorderStyle, &S::SetBorderStyle).Default(bsSingle);
    P.Property("Color", &S::Color, &S::SetColor).Type(TypeInfoTColor()).Default(clWindow);
    P.Property("DefaultColWidth", &S::DefaultColWidth, &S::SetDefaultColWidth).Default(64);
    P.Property("DefaultRowHeight", &S::DefaultRowHeight, &S::SetDefaultRowHeight).Default(16);
    P.Property("FixedColor", &S::FixedColor, &S::SetFixedColor).Type(TypeInfoTColor()).Default(clBtnFace);
    P.Property("GridLineWidth", &S::GridLineWidth, &S::SetGridLineWidth).Default(1);
    P.Property("Options", &S::Options, &S::SetOptions);
    P.Property("ScrollBars", &S::ScrollBars, &S::SetScrollBars).Default(ssBoth);
    P.Property("Chart", &S::Chart, &S::SetChart);
    P.Property("Series", &S::Series, &S::SetSeries);
    P.Property("ShowColors", &S::ShowColors, &S::SetShowColors).Default(false);
    P.Property("ShowLabels", &S::ShowLabels, &S::SetShowLabels).Default(true);
    P.Property("ShowXValues", &S::ShowXValues, &S::SetShowXValues).Default(cgsAuto);
    P.Property("OnChangeColor", &S::OnChangeColor);
    P.Property("OnEditingCell", &S::OnEditingCell);
    P.Property("OnSetEditText", &S::OnSetEditText);
}

namespace {
constexpr TColor NullColor = clNone; // 0x1FFFFFFF: a point without a value

// Text of a series title as one line.
String OneLineTitle(TChartSeries* S) {
    String t = S->Title().isEmpty() ? S->Name() : S->Title();
    t.replace(QChar(TeeLineSeparator), QLatin1Char(' '));
    t.replace(TeeColumnSeparator, QLatin1Char(' '));
    return t;
}

// Whether the digits before the decimal separator are grouped by threes with Sep.
bool ValidGrouping(const String& IntPart, QChar Sep) {
    const QStringList groups = IntPart.split(Sep);
    if (groups.size() < 2) return false;
    for (int i = 0; i < groups.size(); ++i) {
        const String& g = groups[i];
        if (g.isEmpty() || g.size() > 3 || (i > 0 && g.size() != 3)) return false;
        for (QChar c : g)
            if (!c.isDigit()) return false;
    }
    return true;
}
} // namespace

double ChartGridTextToFloat(const String& Text) {
    String s = Text.trimmed();
    const QChar sep = FormatSettings.ThousandSeparator;
    if (!sep.isNull() && sep != FormatSettings.DecimalSeparator && s.contains(sep)) {
        const int dec = s.indexOf(FormatSettings.DecimalSeparator);
        String head = dec < 0 ? s : s.left(dec);
        const String tail = dec < 0 ? String() : s.mid(dec);
        String sign;
        if (head.startsWith(QLatin1Char('-')) || head.startsWith(QLatin1Char('+'))) {
            sign = head.left(1);
            head = head.mid(1);
        }
        if (ValidGrouping(head, sep)) s = sign + head.remove(sep) + tail;
    }
    return double(StrToFloat(s));
}

// ---- construction ----------------------------------------------------------------------------

TCustomChartGrid::TCustomChartGrid(TComponent* AOwner) : TCustomGrid(AOwner) {
    SetGridLineWidth(1);
    SetDefaultRowHeight(16);
    SetColWidths(0, 30);
    SetFixedCols(1);
    SetRowHeights(0, 20);
    SetOptions(TGridOptions{goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected, goRowSizing,
                            goColSizing, goEditing, goTabs, goThumbTracking});
    RecalcDimensions();
}

TCustomChartGrid::~TCustomChartGrid() {
    SetSeries(nullptr);
    SetChart(nullptr);
    IDestroying = true;
    if (INavigator) INavigator->SetGrid(nullptr);
}

HResult TCustomChartGrid::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IID_IInterface) {
        *Obj = static_cast<IInterface*>(this);
        return S_OK;
    }
    *Obj = nullptr;
    return E_NOINTERFACE;
}

void TCustomChartGrid::Loaded() {
    TCustomGrid::Loaded();
    SetRowHeights(0, 20);
}

// ---- binding ---------------------------------------------------------------------------------

void TCustomChartGrid::AddListener(TCustomAxisPanel* APanel) {
    if (!APanel) return;
    APanel->FreeNotification(this);
    APanel->Listeners()->Add(this);
}

void TCustomChartGrid::RemoveListener(TCustomAxisPanel* APanel) {
    if (!APanel) return;
    APanel->RemoveFreeNotification(this);
    APanel->RemoveListener(this);
}

void TCustomChartGrid::SetSeries(TChartSeries* Value) {
    if (FSeries != Value) {
        if (FSeries) {
            FSeries->RemoveFreeNotification(this);
            RemoveListener(FSeries->ParentChart() ? FSeries->ParentChart() : ISeriesChart);
        }
        FSeries = Value;
        ISeriesChart = nullptr;
        if (FSeries) {
            FSeries->FreeNotification(this);
            SetChart(nullptr);
            ISeriesChart = FSeries->ParentChart();
            AddListener(ISeriesChart);
        }
    }
    if (IDestroying) return;
    Regenerate();
    Invalidate();
}

void TCustomChartGrid::SetChart(TCustomAxisPanel* Value) {
    if (FChart != Value) {
        // Also from a chart being destroyed: its list outlives this grid otherwise.
        RemoveListener(FChart);
        FChart = Value;
        AddListener(FChart);
    }
    if (IDestroying) return;
    Regenerate();
    Invalidate();
}

void TCustomChartGrid::SetNavigator(TChartGridNavigator* Value) {
    if (INavigator == Value) return;
    INavigator = Value;
    if (INavigator) INavigator->FreeNotification(this);
}

void TCustomChartGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomGrid::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FChart) {
        // The chart is going: it drops its listeners itself.
        FChart = nullptr;
        if (!IDestroying) Regenerate();
    } else if (AComponent == INavigator) {
        INavigator = nullptr;
    } else if (AComponent == FSeries) {
        FSeries = nullptr;
        if (ISeriesChart && !ISeriesChart->ComponentState().Contains(csDestroying))
            RemoveListener(ISeriesChart);
        ISeriesChart = nullptr;
        if (!IDestroying) Regenerate();
    } else if (AComponent == ISeriesChart) {
        ISeriesChart = nullptr;
    }
}

void TCustomChartGrid::TeeEvent(TTeeEvent* Event) {
    if (IDestroying || ComponentState().Contains(csDestroying)) return;
    auto* e = dynamic_cast<TTeeSeriesEvent*>(Event);
    if (!e) return;
    // A chart being destroyed tells of its series leaving: nothing to show any more.
    if (e->Sender && e->Sender->ComponentState().Contains(csDestroying)) return;
    switch (e->Event) {
    case seChangeTitle:
    case seChangeColor:
    case seChangeActive:
        Invalidate();
        break;
    default:
        RecalcDimensions();
        break;
    }
}

// ---- layout ----------------------------------------------------------------------------------

int TCustomChartGrid::ShownCount() const {
    if (FSeries) return 1;
    return FChart ? FChart->SeriesCount() : 0;
}

TChartSeries* TCustomChartGrid::Shown(int Index) const {
    return FSeries ? FSeries : FChart->Series(Index);
}

int TCustomChartGrid::ColorsColumn() const {
    return FColors ? 1 : -1;
}

int TCustomChartGrid::LabelsColumn() const {
    if (!FLabels) return -1;
    return FColors ? 2 : 1;
}

int TCustomChartGrid::FirstValueColumn() const {
    return 1 + (FColors ? 1 : 0) + (FLabels ? 1 : 0);
}

int TCustomChartGrid::SeriesColumns(int Index) const {
    TChartSeries* s = Shown(Index);
    const bool hasNo = Index < int(IHasNo.size()) && IHasNo[std::size_t(Index)];
    return s->ValuesList()->Count() - 1 + (hasNo ? 1 : 0);
}

bool TCustomChartGrid::HasPoints() const {
    for (int i = 0; i < ShownCount(); ++i)
        if (Shown(i)->Count() > 0) return true;
    return false;
}

TChartSeries* TCustomChartGrid::GetXYZSeries() const {
    if (FChart)
        for (int i = 0; i < FChart->SeriesCount(); ++i)
            if (FChart->Series(i)->HasZValues()) return FChart->Series(i);
    if (FSeries && FSeries->HasZValues()) return FSeries;
    return nullptr;
}

void TCustomChartGrid::XYZValues(TChartSeries* ASeries, std::vector<double>& Xs,
                                 std::vector<double>& Zs) const {
    Xs.clear();
    Zs.clear();
    TChartValueList* z = ASeries->ValuesList()->Count() > 2 ? ASeries->ValuesList()->Get(2) : nullptr;
    for (int i = 0; i < ASeries->Count(); ++i) {
        Xs.push_back(ASeries->XValues()->Value(i));
        if (z) Zs.push_back(z->Value(i));
    }
    for (auto* v : {&Xs, &Zs}) {
        std::sort(v->begin(), v->end());
        v->erase(std::unique(v->begin(), v->end()), v->end());
    }
}

int TCustomChartGrid::FindXYZIndex(TChartSeries* ASeries, int ARow, int ACol) const {
    if (!ASeries || ASeries->ValuesList()->Count() < 3) return -1;
    std::vector<double> xs, zs;
    XYZValues(ASeries, xs, zs);
    const int xi = ACol - 1, zi = ARow - FirstRowNum();
    if (xi < 0 || zi < 0 || xi >= int(xs.size()) || zi >= int(zs.size())) return -1;
    TChartValueList* z = ASeries->ValuesList()->Get(2);
    for (int i = 0; i < ASeries->Count(); ++i)
        if (ASeries->XValues()->Value(i) == xs[std::size_t(xi)] && z->Value(i) == zs[std::size_t(zi)])
            return i;
    return -1;
}

void TCustomChartGrid::RecalcDimensions() {
    const int n = ShownCount();
    IHasNo.assign(std::size_t(n), false);
    if (FGrid3DMode) {
        TChartSeries* s = GetXYZSeries();
        std::vector<double> xs, zs;
        if (s) XYZValues(s, xs, zs);
        // One column per X value, one row per Z value.
        SetColCount(1 + std::max<int>(1, int(xs.size())));
        SetRowCount(2 + std::max<int>(1, int(zs.size())));
        FLabels = false;
        FColors = false;
        FShowFields = true;
        SetFixedRows(2);
        if (ColCount() > 2) SetColWidths(1, ColWidths(2));
    } else {
        int cols = 1;
        int rows = 0;
        for (int i = 0; i < n; ++i) {
            TChartSeries* s = Shown(i);
            const bool hasNo = FXValues == cgsYes || (FXValues == cgsAuto && HasNoMandatoryValues(s));
            IHasNo[std::size_t(i)] = hasNo;
            cols += SeriesColumns(i);
            rows = std::max(rows, s->Count());
        }
        if (FLabels) ++cols;
        if (FColors) ++cols;
        SetColCount(cols);
        SetRowCount(FirstRowNum() + std::max(1, rows));
        SetColWidths(0, 30);
        if (FColors && ColCount() > 1) SetColWidths(1, 40);
        SetFixedRows(FirstRowNum());
    }
    if (Col() == 0 && ColCount() > 1) SetCol(1);
    NotifyChange();
}

void TCustomChartGrid::Regenerate() {
    if (IDestroying || ComponentState().Contains(csDestroying)) return;
    RecalcDimensions();
    const int col = std::min(ColCount() - 1, 1);
    if (col >= FixedCols() && FirstRowNum() < RowCount()) MoveColRow(col, FirstRowNum(), true, true);
}

void TCustomChartGrid::NotifyChange() {
    if (FActiveChanged.Assigned()) FActiveChanged(this);
}

void TCustomChartGrid::SetShowFields(bool Value) {
    if (FShowFields == Value) return;
    FShowFields = Value;
    RecalcDimensions();
    Invalidate();
    if (Row() < FirstRowNum() && FirstRowNum() < RowCount()) SetRow(FirstRowNum());
}

void TCustomChartGrid::SetShowLabels(bool Value) {
    if (FLabels == Value) return;
    FLabels = Value;
    RecalcDimensions();
    Invalidate();
}

void TCustomChartGrid::SetShowColors(bool Value) {
    if (FColors == Value) return;
    FColors = Value;
    RecalcDimensions();
    Invalidate();
}

void TCustomChartGrid::SetShowXValues(TChartGridShow Value) {
    FXValues = Value;
    RecalcDimensions();
    Invalidate();
}

void TCustomChartGrid::SetGrid3DMode(bool Value) {
    FGrid3DMode = Value;
    Regenerate();
    Invalidate();
}

void TCustomChartGrid::SetReadOnly(bool Value) {
    SetOptions(Value ? Options() - TGridOptions{goEditing} : Options() + TGridOptions{goEditing});
}

TChartSeries* TCustomChartGrid::GetSeries(int ACol) {
    int list = 0;
    return GetSeries(ACol, list);
}

TChartSeries* TCustomChartGrid::GetSeries(int ACol, int& AList) {
    AList = -1;
    if (FGrid3DMode) {
        TChartSeries* s = ACol > 0 ? GetXYZSeries() : nullptr;
        if (s) AList = s->ValuesList()->IndexOf(s->YValues());
        return s;
    }
    int col = FirstValueColumn();
    if (ACol < col) return nullptr;
    for (int i = 0; i < ShownCount(); ++i) {
        const int n = SeriesColumns(i);
        if (ACol < col + n) {
            TChartSeries* s = Shown(i);
            const int k = ACol - col + 1;
            const bool hasNo = IHasNo[std::size_t(i)];
            AList = !hasNo && s->YMandatory() ? k : k - 1;
            return s;
        }
        col += n;
    }
    return nullptr;
}

bool TCustomChartGrid::CellPoint(int ACol, int ARow, TChartSeries*& ASeries, int& AList, int& AIndex) {
    ASeries = GetSeries(ACol, AList);
    if (!ASeries || AList < 0 || AList >= ASeries->ValuesList()->Count()) return false;
    AIndex = FGrid3DMode ? FindXYZIndex(ASeries, ARow, ACol) : ARow - FirstRowNum();
    return AIndex >= 0 && AIndex < ASeries->Count();
}

TChartSeries* TCustomChartGrid::CurrentColumnSeries() {
    return GetSeries(Col() < FirstValueColumn() ? FirstValueColumn() : Col());
}

// ---- cell texts ------------------------------------------------------------------------------

String TCustomChartGrid::GetEditText(int ACol, int ARow) {
    const int first = FirstRowNum();
    if (ACol == 0) {
        if (ARow >= first) {
            if (FGrid3DMode) {
                TChartSeries* s = GetXYZSeries();
                std::vector<double> xs, zs;
                if (s) XYZValues(s, xs, zs);
                const std::size_t zi = std::size_t(ARow - first);
                return zi < zs.size() ? IntToStr(int(Round(zs[zi]))) : String();
            }
            return IntToStr(ARow - first);
        }
        return ARow == first - 1 ? QStringLiteral("#") : String();
    }
    if (ARow == first - 1) {
        if (ACol == LabelsColumn()) return TeeMsg_Text;
        if (ACol == ColorsColumn()) return TeeMsg_Colors;
        if (!FShowFields) return String();
        if (FGrid3DMode) {
            TChartSeries* s = GetXYZSeries();
            std::vector<double> xs, zs;
            if (s) XYZValues(s, xs, zs);
            const std::size_t xi = std::size_t(ACol - 1);
            return xi < xs.size() ? IntToStr(int(Round(xs[xi]))) : String();
        }
        int list = 0;
        TChartSeries* s = GetSeries(ACol, list);
        return s && list >= 0 ? s->ValuesList()->Get(list)->Name() : String();
    }
    if (ARow < first) return String();
    const int p = ARow - first;
    if (ACol == LabelsColumn()) {
        TChartSeries* s = ShownCount() > 0 ? Shown(0) : nullptr;
        return s && p < s->Count() ? s->XLabel(p) : String();
    }
    if (ACol == ColorsColumn()) return String();
    TChartSeries* s = nullptr;
    int list = 0, index = 0;
    if (!CellPoint(ACol, ARow, s, list, index)) return String();
    TChartValueList* values = s->ValuesList()->Get(list);
    const double v = values->Value(index);
    if (values->DateTime()) return v >= 1 ? DateTimeToStr(v) : TimeToStr(v);
    return FormatFloat(s->ValueFormat(), v);
}

// ---- typed values ----------------------------------------------------------------------------

void TCustomChartGrid::RepaintSeries(TChartSeries* ASeries) {
    if (ASeries)
        ASeries->Repaint();
    else if (FChart)
        FChart->Invalidate();
}

TChartSeries* TCustomChartGrid::AddBarSeries() {
    TComponent* owner = FChart->Owner() ? FChart->Owner() : FChart;
    auto* s = new TBarSeries(owner);
    s->SetName(TeeGetUniqueName(owner, QStringLiteral("Series")));
    FChart->AddSeries(s);
    return s;
}

void TCustomChartGrid::SetEditText(int ACol, int ARow, const String& Value) {
    TCustomGrid::SetEditText(ACol, ARow, Value);
    if (!FChart && !FSeries) return;
    if (FChart && !FSeries && FChart->SeriesCount() == 0 && FAllowInsertSeries) AddBarSeries();
    for (int i = 0; i < ShownCount(); ++i)
        Shown(i)->SetManualData(true);
    int p = ARow - FirstRowNum();
    TChartSeries* repaint = nullptr;
    if (ACol == LabelsColumn()) {
        for (int i = 0; i < ShownCount(); ++i) {
            TChartSeries* s = Shown(i);
            while (s->Count() <= p)
                s->AddNull(String());
            s->SetXLabel(p, Value);
            repaint = s;
        }
        RepaintSeries(FSeries ? repaint : nullptr);
    } else if (ACol != ColorsColumn()) {
        int list = 0;
        TChartSeries* s = GetSeries(ACol, list);
        if (s && list >= 0) {
            const String text = Value.trimmed();
            double number = 0;
            if (!text.isEmpty()) {
                try {
                    number = s->ValuesList()->Get(list)->DateTime() ? double(StrToDateTime(text))
                                                                    : ChartGridTextToFloat(text);
                } catch (const EConvertError&) {
                    // Not a number (yet): nothing is stored and nobody is told.
                    return;
                }
            }
            if (FGrid3DMode) {
                p = FindXYZIndex(s, ARow, ACol);
                if (p < 0) return;
            } else {
                while (s->Count() <= p)
                    s->AddNull(String());
            }
            TChartValueList* values = s->ValuesList()->Get(list);
            if (!text.isEmpty()) {
                values->SetValue(p, number);
                values->SetModified(true);
                if (s->InternalColor(p) == NullColor) {
                    s->SetValueColor(p, clTeeColor);
                    if (FColors) Invalidate();
                }
            } else if (!EditorMode()) {
                s->SetValueColor(p, NullColor);
                Invalidate();
            }
            s->RefreshSeries();
            RepaintSeries(FSeries ? s : nullptr);
        }
    }
    if (OnSetEditText.Assigned()) OnSetEditText(this, ACol, ARow, Value);
}

// ---- editing ---------------------------------------------------------------------------------

bool TCustomChartGrid::CanEditShow() {
    bool result = TCustomGrid::CanEditShow();
    if (result && OnEditingCell.Assigned()) OnEditingCell(this, Col(), Row(), result);
    if (result && Col() == ColorsColumn()) result = false;
    if (result) {
        TChartSeries* s = GetSeries(Col());
        // A series fed by a data source is refilled from it: typing would be lost.
        if (s && s->DataSource() && !AllowChanges) return false;
        const int p = Row() - FirstRowNum();
        FWasNull = s && (FGrid3DMode ? FindXYZIndex(s, Row(), Col()) < 0 : (p >= s->Count() || s->IsNull(p)));
        FOldValue = FWasNull ? String() : GetEditText(Col(), Row());
    }
    return result;
}

bool TCustomChartGrid::CanEditModify() {
    const bool result = TCustomGrid::CanEditModify();
    if (result && INavigator) INavigator->EnableButtons();
    return result;
}

void TCustomChartGrid::StartEditing() {
    if (ReadOnly() || EditorMode() || Col() <= 0) return;
    TChartSeries* s = GetSeries(Col());
    if (!s || (s->DataSource() && !AllowChanges)) return;
    SetEditorMode(true);
    NotifyChange();
}

void TCustomChartGrid::StopEdit(bool Cancel) {
    if (!EditorMode() || !Cancel) {
        TCustomGrid::StopEdit(Cancel);
        return;
    }
    const int col = Col(), row = Row();
    const bool wasNull = FWasNull;
    // The grid puts the old text back into the cell (a cell that had a value gets it again).
    TCustomGrid::StopEdit(true);
    if (!wasNull) return;
    // A cell that had no value loses what was typed into it.
    TChartSeries* s = nullptr;
    int list = 0, index = 0;
    if (CellPoint(col, row, s, list, index) && !s->IsNull(index)) {
        s->SetValueColor(index, NullColor);
        s->RefreshSeries();
        RepaintSeries(FSeries ? s : nullptr);
        Invalidate();
    }
}

void TCustomChartGrid::StopEditing(bool Cancel) {
    if (!EditorMode()) return;
    StopEdit(Cancel);
    NotifyChange();
}

bool TCustomChartGrid::SelectCell(int ACol, int ARow) {
    bool result = TCustomGrid::SelectCell(ACol, ARow) && ACol > 0 && ARow >= FirstRowNum();
    if (result && FSelectedChanged.Assigned()) FSelectedChanged(this, ACol, ARow, result);
    return result;
}

// ---- rows ------------------------------------------------------------------------------------

void TCustomChartGrid::AppendRow() {
    if (ReadOnly() || (!FAllowInsertSeries && !FAllowAppend) || FGrid3DMode) return;
    TChartSeries* s = CurrentColumnSeries();
    if (!s) return;
    const int rows = RowCount();
    s->AddNull(String());
    if (RowCount() == rows) SetRowCount(rows + 1);
    SetRow(RowCount() - 1);
}

void TCustomChartGrid::Insert() {
    if (ReadOnly() || ShownCount() == 0) return;
    bool hadPoints = false;
    const int rows = RowCount();
    for (int i = 0; i < ShownCount(); ++i) {
        TChartSeries* s = Shown(i);
        hadPoints = s->Count() > 0;
        s->AddNullXY(s->Count(), 0);
    }
    if (hadPoints && RowCount() == rows) SetRowCount(rows + 1);
    SetRow(RowCount() - 1);
}

void TCustomChartGrid::Delete() {
    if (ReadOnly()) return;
    const int p = Row() - FirstRowNum();
    for (int i = 0; i < ShownCount(); ++i) {
        TChartSeries* s = Shown(i);
        if (p >= 0 && p < s->Count()) s->Delete(p);
        if (!IHasNo[std::size_t(i)]) s->XValues()->FillSequence();
    }
    if (RowCount() - FirstRowNum() > 1)
        SetRowCount(RowCount() - 1);
    else
        Invalidate();
    NotifyChange();
}

// ---- keys and mouse --------------------------------------------------------------------------

void TCustomChartGrid::KeyDown(Word& Key, TShiftState Shift) {
    if (Shift.Contains(ssCtrl)) {
        TCustomGrid::KeyDown(Key, Shift);
        return;
    }
    const bool lastCol = Col() == ColCount() - 1, lastRow = Row() == RowCount() - 1;
    switch (Key) {
    case VK_RETURN:
    case VK_SPACE:
        if (Col() == ColorsColumn()) {
            ChangeColor();
            return;
        }
        break;
    case VK_ESCAPE:
        StopEditing(true);
        return;
    case VK_LEFT:
        if (lastCol && FAllowInsertSeries && FChart && FChart->SeriesCount() > 0) {
            TChartSeries* s = FChart->Series(FChart->SeriesCount() - 1);
            if (s->Count() == 0) {
                FChart->SetAutoRepaint(false);
                FreeObject(s);
                FChart->SetAutoRepaint(true);
                FChart->Invalidate();
                return;
            }
        }
        break;
    case VK_UP:
        if (lastRow && !EditorMode()) {
            TChartSeries* s = CurrentColumnSeries();
            const int p = Row() - FirstRowNum();
            if (s && p >= 0 && p < s->Count() && s->IsNull(p) && s->XLabel(p).isEmpty()) {
                // An empty last row goes again.
                s->Delete(p);
                if (RowCount() - FirstRowNum() > 1) SetRowCount(RowCount() - 1);
                return;
            }
        }
        break;
    case VK_RIGHT:
        if (lastCol && FAllowInsertSeries && FChart && FChart->SeriesCount() > 0) {
            TChartSeries* last = FChart->Series(FChart->SeriesCount() - 1);
            TComponent* owner = FChart->Owner() ? FChart->Owner() : FChart;
            auto* s = static_cast<TChartSeries*>(last->ClassType()->CreateComponent(owner));
            if (s) {
                s->SetName(TeeGetUniqueName(owner, QStringLiteral("Series")));
                FChart->AddSeries(s);
            }
        }
        break;
    case VK_DOWN:
        if (lastRow) {
            AppendRow();
            return;
        }
        break;
    case VK_INSERT:
        Insert();
        return;
    case VK_DELETE:
        // Delete clears the text in the editor; it never removes a row.
        if (!EditorMode()) SetEditorMode(true);
        break;
    case VK_F2:
        if (Col() == ColorsColumn())
            ChangeColor();
        else
            StartEditing();
        return;
    default:
        break;
    }
    TCustomGrid::KeyDown(Key, Shift);
}

void TCustomChartGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomGrid::MouseDown(Button, Shift, X, Y);
    TChartSeries* symbol = nullptr;
    if (GridState() == gsNormal && Button == mbLeft && !AtSeriesColor(symbol)) {
        const TGridCoord c = MouseCoord(X, Y);
        if (c.Y >= 0 && c.Y < FirstRowNum() && c.X > FixedCols() - 1 && c.X >= FixedCols() &&
            RowCount() > FirstRowNum()) {
            const TGridRect all{c.X, FirstRowNum(), c.X, RowCount() - 1};
            if (Selection() == all)
                SetSelection(TGridRect{c.X, Row(), c.X, Row()});
            else
                SetSelection(all);
        }
    }
    if (INavigator) INavigator->EnableButtons();
}

void TCustomChartGrid::MouseMove(TShiftState Shift, int X, int Y) {
    if (!ReadOnly()) {
        TCursor cursor = crDefault;
        const TGridCoord c = MouseCoord(X, Y);
        if (FColors) {
            TColor color = clNone;
            if (c.X >= 0 && GetSeriesColor(color, c.X, c.Y) && color != clTeeColor) cursor = crHandPoint;
        } else if (FSeriesSymbolClickable && c.Y == 0 && c.X > 0) {
            const TRect r = CellRect(c.X, 0);
            if (GetSeries(c.X) && SymbolRect(r).Contains(Point(X, Y))) cursor = crHandPoint;
        }
        SetCursor(cursor);
    }
    TCustomGrid::MouseMove(Shift, X, Y);
}

void TCustomChartGrid::DblClick() {
    TChartSeries* s = nullptr;
    if (!ReadOnly() && Col() == ColorsColumn()) {
        ChangeColor();
    } else if (FSeriesSymbolClickable && AtSeriesColor(s)) {
        TColor color = s->SeriesColor();
        if (EditColorDialog(this, color)) s->SetSeriesColor(color);
    } else {
        TCustomGrid::DblClick();
    }
}

// ---- colours ---------------------------------------------------------------------------------

TChartSeries* TCustomChartGrid::GetSeriesColor(TColor& AColor) {
    return GetSeriesColor(AColor, Col(), Row());
}

TChartSeries* TCustomChartGrid::GetSeriesColor(TColor& AColor, int ACol, int ARow) {
    AColor = NullColor;
    if (ACol != ColorsColumn() || ARow < FirstRowNum()) return nullptr;
    // The colours are those of the first series' points.
    TChartSeries* s = GetSeries(FirstValueColumn());
    const int p = ARow - FirstRowNum();
    if (!s || p >= s->Count()) return nullptr;
    AColor = s->InternalColor(p);
    return s;
}

void TCustomChartGrid::ChangeColor(TChartSeries* ASeries, TColor AColor) {
    ASeries->SetValueColor(Row() - FirstRowNum(), AColor);
    ASeries->SetManualData(true);
    InvalidateCell(Col(), Row());
    if (OnChangeColor.Assigned()) OnChangeColor(this);
}

void TCustomChartGrid::ChangeColor(TColor AColor) {
    TColor old = clNone;
    if (TChartSeries* s = GetSeriesColor(old)) ChangeColor(s, AColor);
}

void TCustomChartGrid::ChangeColor() {
    TColor color = clNone;
    if (TChartSeries* s = GetSeriesColor(color)) {
        if (color == clTeeColor || color == NullColor) color = s->SeriesColor();
        if (EditColorDialog(this, color)) ChangeColor(s, color);
        return;
    }
    if (!FAllowInsertSeries || !FChart) return;
    color = clWhite;
    if (!EditColorDialog(this, color)) return;
    TChartSeries* s = AddBarSeries();
    const int p = Row() - FirstRowNum();
    while (s->Count() <= p)
        s->AddNull(String());
    RecalcDimensions();
    ChangeColor(s, color);
    Invalidate();
}

bool TCustomChartGrid::AtSeriesColor(TChartSeries*& ASeries) {
    ASeries = nullptr;
    if (!HandleAllocated()) return false;
    const TPoint p = ScreenToClient(Mouse->CursorPos());
    const TGridCoord c = MouseCoord(p.X, p.Y);
    if (c.Y != 0 || c.X <= 0) return false;
    TChartSeries* s = GetSeries(c.X);
    if (!s || !SymbolRect(CellRect(c.X, 0)).Contains(p)) return false;
    ASeries = s;
    return true;
}

// ---- drawing ---------------------------------------------------------------------------------

void TCustomChartGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    TCustomGrid::DrawCell(ACol, ARow, ARect, AState);
    if (!FChart && !FSeries) return;
    TCanvas* canvas = Canvas();
    const int firstValue = FGrid3DMode ? 1 : FirstValueColumn();
    if (ARow == 0 && ACol >= firstValue) {
        int list = 0;
        TChartSeries* s = GetSeries(ACol, list);
        if (!s) return;
        canvas->Brush()->SetStyle(bsClear);
        if (FSeries && !FShowFields) {
            canvas->Font()->SetColor(Font()->Color());
            canvas->TextOut(ARect.Left + 18, ARect.Top + 4, s->ValuesList()->Get(list)->Name());
            return;
        }
        // The series' symbol and title over its first column.
        if (ACol > firstValue && GetSeries(ACol - 1) == s) return;
        if (FGrid3DMode && ACol != 1) return;
        const TRect symbol = SymbolRect(ARect);
        canvas->Pen()->SetStyle(psSolid);
        canvas->Pen()->SetColor(clBlack);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(s->SeriesColor());
        canvas->Rectangle(symbol.Left, symbol.Top, symbol.Right, symbol.Bottom);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Pen()->SetStyle(psSolid);
        canvas->Font()->SetColor(Font()->Color());
        canvas->TextOut(ARect.Left + 18, ARect.Top + 4, OneLineTitle(s));
        return;
    }
    if (ACol == 0 || (FShowFields && ARow == 1)) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(FixedColor());
        canvas->FillRect(ARect);
    }
    canvas->Font()->SetColor(Font()->Color());
    if (ACol == ColorsColumn() && ACol > 0) {
        if (ARow == FirstRowNum() - 1) {
            canvas->Brush()->SetStyle(bsClear);
            canvas->TextOut(ARect.Left + 2, ARect.Top + 4, TeeMsg_Colors);
        } else if (ARow >= FirstRowNum()) {
            TColor color = NullColor;
            TChartSeries* s = GetSeriesColor(color, ACol, ARow);
            if (s && color == clTeeColor) color = s->SeriesColor();
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(color == NullColor ? Color() : color);
            canvas->FillRect(ARect);
        }
        return;
    }
    canvas->Brush()->SetStyle(bsClear);
    const String text = GetEditText(ACol, ARow);
    if (ACol == LabelsColumn() && ACol > 0) {
        canvas->TextOut(ARect.Left + 2, ARect.Top + 3, text);
        return;
    }
    const int top = ACol == 0 && ARow == 0 ? ARect.Top + 4 : ARect.Top + 2;
    canvas->TextOut(ARect.Right - 2 - canvas->TextWidth(text), top, text);
}
