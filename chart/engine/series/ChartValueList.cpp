#include "chart/engine/series/ChartValueList.h"

#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/ChartSeries.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/rtl/FloatText.h"
#include "platform/win/MessageBox.h"

#include <algorithm>
#include <cmath>
#include <cstring>

ORVO_IMPLEMENT_ENUM_TYPE(TChartListOrder, "loNone", "loAscending", "loDescending")
ORVO_IMPLEMENT_CLASS(TChartValueList, TPersistent)
ORVO_IMPLEMENT_CLASS(TChartValueLists, TList)

ORVO_PUBLISHED(TChartValueList) {
    using S = TChartValueList;
    P.Property("DateTime", &S::DateTime, &S::SetDateTime).Stored(&S::IsDateStored);
    P.Property("Name", &S::Name, &S::SetName);
    P.Property("Order", &S::Order, &S::SetOrder);
    P.Property("ValueSource", &S::ValueSource, &S::SetValueSource);
}

int TeeDefaultCapacity = 1000;

TChartValueList::TChartValueList(TChartSeries* Owner, const String& Name) : FName(Name), FOwner(Owner) {
    IModified = true;
    if (Owner) Owner->ValuesList()->Add(this);
    ClearValues();
}

TChartValueList::~TChartValueList() = default;

void TChartValueList::Assign(TPersistent* Source) {
    if (auto* src = dynamic_cast<TChartValueList*>(Source)) {
        FOrder = src->FOrder;
        FDateTime = src->FDateTime;
        FValueSource = src->FValueSource;
    }
}

void TChartValueList::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    Filer->DefineProperty("Multiplier", TReaderProc(this, &TChartValueList::ReadMultiplier), TWriterProc(),
                          false);
}

void TChartValueList::ReadMultiplier(TReader* Reader) {
    if (Reader->ReadFloat() != 1)
        MessageBox(
            nullptr,
            "Error: Multiplier property is obsolete.\rModify TeeDefs (enable Multiplier) and recompile.",
            String(), MB_TASKMODAL | MB_ICONERROR);
}

void TChartValueList::Grow() {
    const std::size_t length = FValue.size();
    // At least the fixed step, and the array's own length when that is more, so that a
    // long run of additions copies each value a bounded number of times.
    const std::size_t step = std::max<std::size_t>(std::max(TeeDefaultCapacity, 1), length);
    FValue.resize(length + step);
}

int TChartValueList::AddChartValue(double Value) {
    TempValue = Value;
    return AddChartValue();
}

int TChartValueList::AddChartValue() {
    const double v = TempValue;
    int index = FCount;
    if (FOrder != loNone && FCount > 0) {
        const double* a = FValue.data();
        if (FOrder == loAscending) {
            if (v < a[FCount - 1]) {
                int i = FCount - 1;
                while (i >= 0 && a[i] > v)
                    --i;
                index = i + 1;
            }
        } else if (v > a[FCount - 1]) {
            int i = FCount - 1;
            while (i >= 0 && a[i] < v)
                --i;
            index = i + 1;
        }
    }
    InsertChartValue(index, v);
    return index;
}

void TChartValueList::InsertChartValue(int Index, double Value) {
    if (FCount >= static_cast<int>(FValue.size())) Grow();
    double* a = FValue.data();
    if (Index < FCount) std::memmove(a + Index + 1, a + Index, sizeof(double) * std::size_t(FCount - Index));
    a[Index] = Value;
    ++FCount;
    IModified = true;
}

void TChartValueList::Delete(int Index) {
    Delete(Index, 1);
}

void TChartValueList::Delete(int Start, int Quantity) {
    const int tail = FCount - Start - Quantity;
    if (tail > 0) {
        double* a = FValue.data();
        std::memmove(a + Start, a + Start + Quantity, sizeof(double) * std::size_t(tail));
    }
    FCount -= Quantity;
    IModified = true;
}

void TChartValueList::ClearValues() {
    FCount = 0;
    std::vector<double>().swap(FValue);
    IModified = true;
}

void TChartValueList::SetValue(int Index, double Value) {
    FValue[Index] = Value;
    IModified = true;
    FOwner->NotifyValue(veModify, Index);
}

int TChartValueList::Locate(double Value) const {
    return Locate(Value, 0, FCount - 1);
}

int TChartValueList::Locate(double Value, int FirstIndex, int LastIndex) const {
    for (int i = std::max(FirstIndex, 0); i <= LastIndex && i < FCount; ++i)
        if (FValue[i] == Value) return i;
    return -1;
}

void TChartValueList::RecalcStats() const {
    RecalcStats(0);
}

void TChartValueList::RecalcStats(int StartIndex) const {
    auto* self = const_cast<TChartValueList*>(this);
    if (static_cast<int>(FValue.size()) < FCount) self->FCount = static_cast<int>(FValue.size());
    if (FCount == 0) {
        FMinValue = FMaxValue = FTotal = FTotalABS = 0;
    } else {
        if (StartIndex <= 0) {
            FMinValue = FMaxValue = FTotal = FValue[0];
            FTotalABS = std::fabs(FValue[0]);
            StartIndex = 1;
        }
        for (int i = StartIndex; i < FCount; ++i) {
            const double v = FValue[i];
            if (v < FMinValue)
                FMinValue = v;
            else if (v > FMaxValue)
                FMaxValue = v;
            FTotal += v;
            FTotalABS += std::fabs(v);
        }
    }
    IModified = false;
}

double TChartValueList::MaxValue() const {
    if (IModified) RecalcStats();
    return FMaxValue;
}

double TChartValueList::MinValue() const {
    if (IModified) RecalcStats();
    return FMinValue;
}

double TChartValueList::Total() const {
    if (IModified) RecalcStats();
    return FTotal;
}

double TChartValueList::TotalABS() const {
    if (IModified) RecalcStats();
    return FTotalABS;
}

void TChartValueList::Exchange(int Index1, int Index2) {
    std::swap(FValue[Index1], FValue[Index2]);
    IModified = true;
    FOwner->NotifyValue(veModify, Index1);
}

void TChartValueList::FillSequence() {
    for (int i = 0; i < FCount; ++i)
        FValue[i] = i;
    IModified = true;
    FOwner->NotifyValue(veModify, 0);
}

void TChartValueList::Scroll() {
    if (FCount == 0) return;
    std::rotate(FValue.begin(), FValue.begin() + 1, FValue.begin() + FCount);
}

void TChartValueList::Sort() {
    if (FOrder == loNone || !FOwner) return;
    TChartSeries* owner = FOwner;
    TeeSort(
        0, FCount - 1, [this](int a, int b) { return CompareValueIndex(a, b); },
        [owner](int a, int b) { owner->SwapValueIndex(a, b); });
}

int TChartValueList::CompareValueIndex(int a, int b) const {
    const double va = FValue[a];
    const double vb = FValue[b];
    const int r = va < vb ? -1 : (va > vb ? 1 : 0);
    return FOrder == loDescending ? -r : r;
}

String TChartValueList::ValueToString(int Index) const {
    return FloatToStr(FValue[Index]);
}

void TChartValueList::SetDateTime(bool Value) {
    if (FOwner)
        FOwner->SetBooleanProperty(FDateTime, Value);
    else
        FDateTime = Value;
}

void TChartValueList::InitDateTime(bool Value) {
    FDateTime = Value;
    FDefaultDateTime = Value;
}

void TChartValueList::SetValueSource(const String& Value) {
    if (FValueSource == Value) return;
    FValueSource = Value;
    if (FOwner) FOwner->CheckDataSource();
}

// ---- TChartValueLists ----------------------------------------------------------------------

TChartValueLists::~TChartValueLists() {
    Clear();
}

void TChartValueLists::Clear() {
    for (int i = 0; i < Count(); ++i)
        delete Get(i);
    TList::Clear();
}
