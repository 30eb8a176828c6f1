#include "chart/engine/series/SeriesMarks.h"

#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/Margins.h"
#include "platform/classes/StringList.h"

#include <algorithm>

ORVO_IMPLEMENT_ENUM_TYPE(TSeriesMarksStyle, "smsValue", "smsPercent", "smsLabel", "smsLabelPercent",
                         "smsLabelValue", "smsLegend", "smsPercentTotal", "smsLabelPercentTotal", "smsXValue",
                         "smsXY", "smsSeriesTitle", "smsPointIndex", "smsPercentRelative")
ORVO_IMPLEMENT_CLASS(TSeriesMarkPosition, TObject)
ORVO_IMPLEMENT_CLASS(TSeriesMarksPositions, TObject)
ORVO_IMPLEMENT_CLASS(TMarksItem, TTeeCustomShape)
ORVO_IMPLEMENT_CLASS(TMarksItems, TObject)
ORVO_IMPLEMENT_CLASS(TSeriesMarks, TTeeCustomShape)

ORVO_PUBLISHED(TSeriesMarks) {
    using S = TSeriesMarks;
    P.Property("Angle", &S::Angle, &S::SetAngle).Default(0);
    P.Property("Clip", &S::Clip, &S::SetClip).Default(false);
    P.Property("DrawEvery", &S::DrawEvery, &S::SetDrawEvery).Default(1);
    P.Property("Margins", &S::Margins, &S::SetMargins);
    P.Property("MultiLine", &S::MultiLine, &S::SetMultiLine).Default(false);
    P.Property("Style", &S::Style, &S::SetStyle).Default(smsLabel);
    P.Property("FontSeriesColor", &S::FontSeriesColor, &S::SetFontSeriesColor).Default(false);
    P.Property("Visible", &S::Visible, &S::SetVisible).Default(false);
}

// ---- positions -------------------------------------------------------------------------------

void TSeriesMarkPosition::Assign(const TSeriesMarkPosition* Source) {
    ArrowFrom = Source->ArrowFrom;
    ArrowFix = Source->ArrowFix;
    ArrowTo = Source->ArrowTo;
    Custom = Source->Custom;
    Height = Source->Height;
    LeftTop = Source->LeftTop;
    Width = Source->Width;
    MidPoint = Source->MidPoint;
    HasMid = Source->HasMid;
}

TSeriesMarksPositions::~TSeriesMarksPositions() {
    Clear();
}

TSeriesMarkPosition* TSeriesMarksPositions::Get(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[Index] : nullptr;
}

TSeriesMarkPosition* TSeriesMarksPositions::Ensure(int Index) {
    if (Index >= Count()) FItems.resize(std::size_t(Index) + 1, nullptr);
    if (!FItems[Index]) FItems[Index] = new TSeriesMarkPosition();
    return FItems[Index];
}

void TSeriesMarksPositions::Put(int Index, const TSeriesMarkPosition* P) {
    TSeriesMarkPosition* e = Ensure(Index);
    e->Assign(P);
    e->Custom = true;
}

void TSeriesMarksPositions::Automatic(int Index) {
    if (TSeriesMarkPosition* e = Get(Index)) e->Custom = false;
}

bool TSeriesMarksPositions::ExistCustom() const {
    return std::any_of(FItems.begin(), FItems.end(),
                       [](const TSeriesMarkPosition* p) { return p && p->Custom; });
}

void TSeriesMarksPositions::MoveTo(TSeriesMarkPosition& P, int X, int Y) const {
    P.ArrowTo = Point(X, Y);
    P.ArrowFrom = P.ArrowTo;
    P.LeftTop.X = X - P.Width / 2;
    P.LeftTop.Y = Y - P.Height + 1;
}

void TSeriesMarksPositions::Delete(int Start, int Quantity) {
    if (Start < 0 || Start >= Count() || Quantity <= 0) return;
    const int end = std::min(Count(), Start + Quantity);
    for (int i = Start; i < end; ++i)
        delete FItems[i];
    FItems.erase(FItems.begin() + Start, FItems.begin() + end);
}

void TSeriesMarksPositions::Clear() {
    for (TSeriesMarkPosition* p : FItems)
        delete p;
    FItems.clear();
}

// ---- items -----------------------------------------------------------------------------------

TMarksItem::TMarksItem(TCustomTeePanel* Panel) : TTeeCustomShape(Panel) {
    SetColor(TSeriesMarks::DefaultColor);
}

TMarksItem::~TMarksItem() {
    delete FText;
}

TStrings* TMarksItem::Text() {
    if (!FText) {
        auto* list = new TStringList();
        list->OnChange = changedEvent();
        FText = list;
    }
    return FText;
}

void TMarksItem::SetText(TStrings* Value) {
    if (!Value) {
        FreeAndNil(FText);
        Repaint();
    } else {
        Text()->Assign(Value);
    }
}

TMarksItems::~TMarksItems() {
    Clear();
}

TMarksItem* TMarksItems::Get(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[Index] : nullptr;
}

TMarksItem* TMarksItems::Item(int Index) {
    if (Index >= Count()) FItems.resize(std::size_t(Index) + 1, nullptr);
    if (!FItems[Index]) {
        auto* item = new TMarksItem(FMarks ? FMarks->ParentChart() : nullptr);
        if (FMarks) FMarks->InitShadow(item->Shadow());
        FItems[Index] = item;
    }
    return FItems[Index];
}

void TMarksItems::Delete(int Index) {
    if (Index < 0 || Index >= Count()) return;
    delete FItems[Index];
    FItems.erase(FItems.begin() + Index);
}

void TMarksItems::Clear() {
    for (TMarksItem* i : FItems)
        delete i;
    FItems.clear();
}

// ---- marks -----------------------------------------------------------------------------------

TSeriesMarks::TSeriesMarks(TChartSeries* Series) : FParentSeries(Series) {
    FItems = new TMarksItems(this);
    FPositions = new TSeriesMarksPositions();
    FMargins = new TMargins(this);
    FMargins->SetHorizDefault(20);
    FMargins->SetLeft(20);
    FMargins->SetRight(20);
    SetColor(DefaultColor);
    FVisible = false;
    InitShadow(Shadow());
}

TSeriesMarks::~TSeriesMarks() {
    delete FMargins;
    delete FPositions;
    delete FItems;
}

void TSeriesMarks::InitShadow(TTeeShadow* AShadow) {
    if (!AShadow) return;
    AShadow->SetColor(TColor(0x808080));
    AShadow->SetSize(3);
}

void TSeriesMarks::Assign(TPersistent* Source) {
    if (auto* src = dynamic_cast<TSeriesMarks*>(Source)) {
        FAngle = src->FAngle;
        FClip = src->FClip;
        FDrawEvery = src->FDrawEvery;
        FStyle = src->FStyle;
        FMargins->Assign(src->FMargins);
        FMultiLine = src->FMultiLine;
        for (int i = 0; i < src->FItems->Count(); ++i)
            if (TMarksItem* item = src->FItems->Get(i)) FItems->Item(i)->Assign(item);
    }
    inherited::Assign(Source);
}

TTeeCustomShape* TSeriesMarks::MarkItem(int Index) {
    if (TMarksItem* item = FItems->Get(Index)) return item;
    return this;
}

void TSeriesMarks::Clear() {
    FPositions->Clear();
    if (FItems->Count() > 0 && !FItems->ILoadingCustom) FItems->Clear();
}

void TSeriesMarks::ResetPositions() {
    for (int i = 0; i < FPositions->Count(); ++i)
        FPositions->Automatic(i);
    if (FParentSeries) FParentSeries->Repaint();
}

void TSeriesMarks::SeriesBoolean(bool& Field, bool Value) {
    if (FParentSeries)
        FParentSeries->SetBooleanProperty(Field, Value);
    else
        Field = Value;
}

void TSeriesMarks::SetAngle(int Value) {
    if (FParentSeries)
        FParentSeries->SetIntegerProperty(FAngle, Value);
    else
        FAngle = Value;
}

void TSeriesMarks::SetClip(bool Value) {
    SeriesBoolean(FClip, Value);
}

void TSeriesMarks::SetDrawEvery(int Value) {
    // Every point is the most a mark can be drawn for; 0 or less would leave no points.
    Value = std::max(1, Value);
    if (FParentSeries)
        FParentSeries->SetIntegerProperty(FDrawEvery, Value);
    else
        FDrawEvery = Value;
}

void TSeriesMarks::SetMargins(TMargins* Value) {
    FMargins->Assign(Value);
}

void TSeriesMarks::SetMultiLine(bool Value) {
    SeriesBoolean(FMultiLine, Value);
}

void TSeriesMarks::SetStyle(TSeriesMarksStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    if (FParentSeries) FParentSeries->Repaint();
}

void TSeriesMarks::SetFontSeriesColor(bool Value) {
    SeriesBoolean(FFontSeriesColor, Value);
}
