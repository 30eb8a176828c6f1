// The parts an axis owns: the title, the axis line pen, the grid pen and the label items.
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/HitTests.h"

ORVO_IMPLEMENT_CLASS(TChartAxisTitle, TTeeCustomShape)
ORVO_IMPLEMENT_CLASS(TChartAxisPen, TChartPen)
ORVO_IMPLEMENT_CLASS(TAxisGridPen, TDottedGrayPen)
ORVO_IMPLEMENT_CLASS(TAxisItem, TTeeCustomShape)
ORVO_IMPLEMENT_CLASS(TAxisItems, TObject)

// ---- title ---------------------------------------------------------------------------------------

TChartAxisTitle::TChartAxisTitle(TCustomTeePanel* AOwner) : TTeeCustomShape(AOwner) {
    DefaultTransparent = true;
    SetTransparent(true);
}

void TChartAxisTitle::Assign(TPersistent* Source) {
    if (auto* t = dynamic_cast<TChartAxisTitle*>(Source)) {
        FAngle = t->FAngle;
        FCaption = t->FCaption;
    }
    TTeeCustomShape::Assign(Source);
}

void TChartAxisTitle::SetAngle(int Value) {
    SetAndRepaint(FAngle, Value % 360);
}

void TChartAxisTitle::SetCaption(const String& Value) {
    SetAndRepaint(FCaption, Value);
}

bool TChartAxisTitle::Clicked(int x, int y) {
    if (!Visible() || FCaption.isEmpty()) return false;
    const TPoint p{x, y};
    if (FAngle == 0)
        return x >= ShapeBounds.Left && x <= ShapeBounds.Right && y >= ShapeBounds.Top &&
               y <= ShapeBounds.Bottom;
    TFourPoints corners;
    RectToFourPoints(ShapeBounds, FAngle, corners);
    return PointInPolygon(p, corners);
}

// ---- pens ----------------------------------------------------------------------------------------

TChartAxisPen::TChartAxisPen(TNotifyEvent OnChangeEvent) : TChartPen(OnChangeEvent) {
    SetWidth(2);
}

void TChartAxisPen::Assign(TPersistent* Source) {
    if (auto* p = dynamic_cast<TChartAxisPen*>(Source)) FLineMode = p->FLineMode;
    TChartPen::Assign(Source);
}

void TChartAxisPen::SetLineMode(TPenLineMode Value) {
    if (FLineMode == Value) return;
    FLineMode = Value;
    Changed();
}

TAxisGridPen::TAxisGridPen(TNotifyEvent OnChangeEvent) : TDottedGrayPen(OnChangeEvent) {}

void TAxisGridPen::Assign(TPersistent* Source) {
    if (auto* p = dynamic_cast<TAxisGridPen*>(Source)) {
        FCentered = p->FCentered;
        FDrawEvery = p->FDrawEvery;
        FZ = p->FZ;
    }
    TDottedGrayPen::Assign(Source);
}

void TAxisGridPen::SetCentered(bool Value) {
    if (FCentered == Value) return;
    FCentered = Value;
    Changed();
}

void TAxisGridPen::SetDrawEvery(int Value) {
    if (FDrawEvery == Value) return;
    FDrawEvery = Value;
    Changed();
}

void TAxisGridPen::SetZPosition(double Value) {
    if (FZ == Value) return;
    FZ = Value;
    Changed();
}

// ---- label items ---------------------------------------------------------------------------------

TAxisItem::TAxisItem(TCustomTeePanel* AOwner) : TTeeCustomShape(AOwner) {
    DefaultTransparent = true;
    SetTransparent(true);
}

void TAxisItem::Assign(TPersistent* Source) {
    if (auto* i = dynamic_cast<TAxisItem*>(Source)) {
        FValue = i->FValue;
        FText = i->FText;
    }
    TTeeCustomShape::Assign(Source);
}

void TAxisItem::SetValue(double Value) {
    SetAndRepaint(FValue, Value);
}

void TAxisItem::SetText(const String& Value) {
    SetAndRepaint(FText, Value);
}

TAxisItems::TAxisItems(TChartAxis* Axis) : IAxis(Axis) {
    FFormat = new TTeeShape(Axis ? Axis->ParentChart() : nullptr);
    FFormat->DefaultTransparent = true;
    FFormat->SetTransparent(true);
}

TAxisItems::~TAxisItems() {
    Clear();
    delete FFormat;
}

void TAxisItems::Assign(TAxisItems* Source) {
    CopyFrom(Source);
}

void TAxisItems::CopyFrom(TAxisItems* Source) {
    if (!Source || Source == this) return;
    FFormat->Assign(Source->FFormat);
    Clear();
    for (TAxisItem* item : Source->FItems)
        Add(item->Value(), item->Text());
}

TAxisItem* TAxisItems::Add(double Value) {
    return Add(Value, String());
}

TAxisItem* TAxisItems::Add(double Value, const String& Text) {
    auto* item = new TAxisItem(IAxis ? IAxis->ParentChart() : nullptr);
    item->IAxisItems = this;
    item->SetValue(Value);
    item->SetText(Text);
    FItems.push_back(item);
    FAuto = false;
    return item;
}

void TAxisItems::Clear() {
    for (TAxisItem* item : FItems)
        delete item;
    FItems.clear();
    if (IAxis && IAxis->ParentChart()) IAxis->ParentChart()->Invalidate();
}

TAxisItem* TAxisItems::Item(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[size_t(Index)] : nullptr;
}

bool TAxisItems::Delete(int Index) {
    if (Index < 0 || Index >= Count()) return false;
    delete FItems[size_t(Index)];
    FItems.erase(FItems.begin() + Index);
    return true;
}
