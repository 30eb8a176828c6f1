// TChartSeries: data sources and the series fed from this one, copying one series into
// another, sample values, mark texts and the stored properties.
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/series/TeeFunction.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/IntText.h"
#include "platform/rtl/SysMath.h"

#include <algorithm>
#include <cmath>

// ---- data sources ----------------------------------------------------------------------------

TComponent* TChartSeries::DataSource() const {
    return FDataSources && FDataSources->Count() > 0 ? FDataSources->Get(0) : nullptr;
}

void TChartSeries::SetDataSource(TComponent* Value) {
    if (!Value) {
        if (TComponent* first = DataSource()) InternalRemoveDataSource(first);
    } else {
        InternalSetDataSource(Value, true);
    }
}

bool TChartSeries::IsValidDataSource(TComponent* Value) {
    auto* s = dynamic_cast<TChartSeries*>(Value);
    return s && IsValidSourceOf(s);
}

bool TChartSeries::IsValidSourceOf(TChartSeries* Value) {
    return Value != this;
}

int TChartSeries::InternalSetDataSource(TComponent* Value, bool ClearList) {
    auto name = [Value]() { return Value->Name().isEmpty() ? Value->ClassName() : Value->Name(); };
    if (FParent) {
        if (!FParent->IsValidDataSource(this, Value))
            throw ChartException(Format(TeeMsg_SeriesInvDataSource, {name()}));
    } else if (!IsValidDataSource(Value)) {
        throw ChartException(TeeMsg_SeriesSetDataSource);
    }
    if (FDataSources->IndexOf(Value) >= 0) return -1;
    if (auto* s = dynamic_cast<TChartSeries*>(Value); s && FParent) FParent->CheckOtherSeries(this, s);
    if (!ComponentState().Contains(csLoading) && ClearList) {
        // Dropping the old sources unlinks each of them.
        while (FDataSources->Count() > 0) {
            TComponent* old = FDataSources->Get(FDataSources->Count() - 1);
            FDataSources->Delete(FDataSources->Count() - 1);
            (void)old;
        }
    }
    const int index = InternalAddDataSource(Value);
    CheckDataSource();
    return index;
}

int TChartSeries::InternalAddDataSource(TComponent* Value) {
    if (!Value) return -1;
    const int index = FDataSources->InheritedAdd(Value);
    FManualData = false;
    if (auto* s = dynamic_cast<TChartSeries*>(Value))
        s->AddLinkedSeries(this);
    else
        Value->FreeNotification(this);
    return index;
}

void TChartSeries::InternalRemoveDataSource(TComponent* Value) {
    if (ComponentState().Contains(csDestroying) || !Value) return;
    // Both directions go: the source no longer refills this series, and nothing keeps a
    // pointer to this series once it is gone.
    if (auto* s = dynamic_cast<TChartSeries*>(Value))
        s->RemoveLinkedSeries(this);
    else
        Value->RemoveFreeNotification(this);
    if (FParent) FParent->RemovedDataSource(this, Value);
    if (FDataSources->IndexOf(Value) == 0) {
        // The list's own removal notifications come back here; they find the link gone.
        std::vector<TComponent*> rest;
        for (int i = 1; i < FDataSources->Count(); ++i)
            rest.push_back(FDataSources->Get(i));
        while (FDataSources->Count() > 0)
            FDataSources->Delete(FDataSources->Count() - 1);
        for (TComponent* c : rest) {
            if (auto* s = dynamic_cast<TChartSeries*>(c))
                s->RemoveLinkedSeries(this);
            else
                c->RemoveFreeNotification(this);
        }
    }
    CheckDataSource();
}

void TChartSeries::RemoveDataSource(TComponent* Value) {
    const int index = FDataSources->IndexOf(Value);
    if (index >= 0) FDataSources->Delete(index);
}

void TChartSeries::CheckDataSource() {
    if (!IsUpdating() && FParent) FParent->CheckDatasource(this);
}

void TChartSeries::CheckOtherSeries(TChartSeries* Source) {
    if (FParent) FParent->CheckOtherSeries(this, Source);
}

void TChartSeries::AddLinkedSeries(TChartSeries* Series) {
    if (FLinkedSeries->IndexOf(Series) < 0) FLinkedSeries->Add(Series);
}

void TChartSeries::RemoveLinkedSeries(TChartSeries* Series) {
    if (FLinkedSeries) FLinkedSeries->Remove(Series);
}

void TChartSeries::RemoveAllLinkedSeries() {
    for (int i = 0; i < FDataSources->Count(); ++i)
        if (auto* s = dynamic_cast<TChartSeries*>(FDataSources->Get(i))) s->RemoveLinkedSeries(this);
}

void TChartSeries::SetFunction(TTeeFunction* AFunction) {
    if (FTeeFunction == AFunction) return;
    // Functions are components owned by their series; the previous one goes.
    TTeeFunction* old = FTeeFunction;
    FTeeFunction = AFunction;
    FreeObject(old);
    if (AFunction) {
        AFunction->InternalSetParentSeries(this);
        FManualData = false;
        AFunction->FreeNotification(this);
    }
    CheckDataSource();
}

void TChartSeries::ReleaseFunction() {
    if (FTeeFunction) FTeeFunction->RemoveFreeNotification(this);
    FTeeFunction = nullptr;
}

bool TChartSeries::IsValidSeriesSource(TChartSeries* Value) {
    return !FTeeFunction || FTeeFunction->IsValidSource(Value);
}

void TChartSeries::GetChildren(TGetChildProc Proc, TComponent* Root) {
    inherited::GetChildren(Proc, Root);
    // The function is stored with its series.
    if (FTeeFunction) Proc(FTeeFunction);
}

void TChartSeries::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FTeeFunction) FTeeFunction = nullptr;
    if (AComponent == DataSource()) InternalRemoveDataSource(AComponent);
}

int TChartSeries::AddChartValue(TChartSeries* Source, int ValueIndex) {
    double x = Source->FX->Value(ValueIndex);
    double y = Source->FY->Value(ValueIndex);
    if (Source->FYMandatory != FYMandatory) std::swap(x, y);
    const int index = FX->AddChartValue(x);
    FY->InsertChartValue(index, y);
    for (int i = 2; i < FValuesList->Count(); ++i) {
        const double v =
            i < Source->FValuesList->Count() ? Source->FValuesList->Get(i)->Value(ValueIndex) : 0;
        FValuesList->Get(i)->InsertChartValue(index, v);
    }
    return index;
}

void TChartSeries::AddedValue(TChartSeries* Source, int ValueIndex) {
    const int index = AddChartValue(Source, ValueIndex);
    InsertColorAndLabel(index, Source->XLabel(ValueIndex), Source->InternalColor(ValueIndex));
    if (!IsUpdating()) NotifyNewValue(this, index);
}

void TChartSeries::DeletedValue(TChartSeries* Source, int ValueIndex) {
    (void)Source;
    // A range removal reports index -1: take everything again.
    if (ValueIndex < 0 || ValueIndex >= Count()) {
        AddValues(Source);
        return;
    }
    Delete(ValueIndex);
}

void TChartSeries::AddValues(TChartSeries* Source) {
    BeginUpdate();
    try {
        Clear();
        if (FTeeFunction) {
            FX->SetDateTime(Source->FX->DateTime());
            FY->SetDateTime(Source->FY->DateTime());
            FTeeFunction->AddPoints(Source);
        } else if (IsValidSourceOf(Source)) {
            for (int i = 0; i < Source->Count(); ++i)
                AddedValue(Source, i);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TChartSeries::AssignFormat(TChartSeries* Source) {
    SetDataSource(nullptr);
    if (Source->FYMandatory == FYMandatory) {
        FX->Assign(Source->FX);
        FY->Assign(Source->FY);
    } else {
        FX->Assign(Source->FY);
        FY->Assign(Source->FX);
    }
    FXLabelsSource = Source->FXLabelsSource;
    FColorSource = Source->FColorSource;
    const int lists = std::min(FValuesList->Count(), Source->FValuesList->Count());
    for (int i = 2; i < lists; ++i)
        FValuesList->Get(i)->Assign(Source->FValuesList->Get(i));
    FMarks->Assign(Source->FMarks);
    FColor = Source->FColor;
    ISeriesColor = Source->ISeriesColor;
    FColorEachPoint = Source->FColorEachPoint;
    FValueFormat = Source->FValueFormat;
    FPercentFormat = Source->FPercentFormat;
    FCustomHorizAxis = Source->FCustomHorizAxis;
    FCustomVertAxis = Source->FCustomVertAxis;
    FHorizAxis = Source->FHorizAxis;
    FVertAxis = Source->FVertAxis;
    FRecalcOptions = Source->FRecalcOptions;
    FCursor = Source->FCursor;
    FDepth = Source->FDepth;
    RecalcGetAxis();
}

void TChartSeries::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TChartSeries*>(Source);
    if (!src) {
        inherited::Assign(Source);
        return;
    }
    inherited::Assign(Source);
    AssignFormat(src);
    if (src->FTeeFunction && !FTeeFunction) src->FTeeFunction->SetParentSeries(this);
    FManualData = src->FManualData;
    auto copyPoints = [&] {
        BeginUpdate();
        Clear();
        for (int i = 0; i < src->Count(); ++i)
            AddedValue(src, i);
        IUpdating = 0;
    };
    // A contour series keeps its own copy of the points whatever feeds the source.
    if (Owner() && Owner()->ClassName() == "TContourSeries") {
        copyPoints();
    } else if (!src->DataSource() || src->FManualData) {
        if (src->FManualData || !src->ComponentState().Contains(csDesigning)) copyPoints();
    } else {
        for (int i = 0; i < src->FDataSources->Count(); ++i)
            InternalAddDataSource(src->FDataSources->Get(i));
    }
    CheckDataSource();
}

// ---- sample values ---------------------------------------------------------------------------

int TChartSeries::RandomValue(int Range) {
    return Random(Range);
}

bool TeeRandomAtRunTime = false;

bool TChartSeries::CanAddRandomPoints() const {
    return TeeRandomAtRunTime || ComponentState().Contains(csDesigning);
}

int TChartSeries::NumSampleValues() {
    return 25;
}

TSeriesRandomBounds TChartSeries::RandomBounds(int NumValues) {
    double minX = 0, maxX = NumValues - 1, minY = 0, maxY = 1000;
    bool chartHasPoints = false;
    if (FParent)
        for (int i = 0; i < FParent->SeriesCount() && !chartHasPoints; ++i)
            chartHasPoints = FParent->Series(i)->Count() > 0;
    if (chartHasPoints) {
        minY = FParent->MinYValue(FGetVertAxis);
        maxY = FParent->MaxYValue(FGetVertAxis);
        if (maxY == minY) maxY = maxY == 0 ? 1000 : 2 * minY;
        minX = FParent->MinXValue(FGetHorizAxis);
        maxX = FParent->MaxXValue(FGetHorizAxis);
        if (maxX == minX) maxX = maxX == 0 ? NumValues - 1 : 2 * minX;
        if (!FYMandatory) {
            std::swap(minX, minY);
            std::swap(maxX, maxY);
        }
    } else if (FX->DateTime()) {
        minX = Date();
        maxX = minX + NumValues - 1;
    }
    TSeriesRandomBounds result;
    result.StepX = maxX - minX;
    if (NumValues > 1) result.StepX /= NumValues - 1;
    result.DifY = std::clamp(maxY - minY, -2147483647.0, 2147483647.0);
    result.MinY = minY;
    result.tmpY = minY + RandomValue(100) * result.DifY * 0.01;
    result.tmpX = minX;
    return result;
}

void TChartSeries::AddSampleValues(int NumValues, bool OnlyMandatory) {
    TSeriesRandomBounds b = RandomBounds(NumValues);
    const double t = b.DifY * 0.25;
    for (int i = 0; i < NumValues; ++i) {
        b.tmpY = std::fabs(b.tmpY + RandomValue(100) * t * 0.01 - t * 0.5);
        if (OnlyMandatory) {
            Add(b.tmpY);
        } else {
            if (FYMandatory)
                AddXY(b.tmpX, b.tmpY);
            else
                AddXY(b.tmpY, b.tmpX);
            b.tmpX += b.StepX;
        }
    }
}

void TChartSeries::FillSampleValues(int NumValues) {
    if (NumValues < 0) throw ChartException(TeeMsg_FillSample);
    if (NumValues == 0) NumValues = INumSampleValues > 0 ? INumSampleValues : NumSampleValues();
    Clear();
    SetRandSeed(DWORD(Random(7774444)));
    BeginUpdate();
    try {
        AddSampleValues(NumValues, false);
        CheckOrder();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    FManualData = false;
}

// ---- mark texts ------------------------------------------------------------------------------

String TChartSeries::MarkPercent(int ValueIndex, bool AddTotal) {
    const double total = MandatoryValueList()->TotalABS();
    const double p = total == 0 ? 100.0 : std::fabs(GetMarkValue(ValueIndex)) * 100 / total;
    String text = FormatFloat(PercentFormat(), p);
    if (AddTotal) {
        const String& f = Marks()->MultiLine() ? TeeMsg_DefaultPercentOf2 : TeeMsg_DefaultPercentOf;
        text = Format(f, {text, FormatFloat(ValueFormat(), total)});
    }
    return text;
}

String TChartSeries::GetMarkText(int ValueIndex) {
    String result;
    TMarksItem* item = FMarks->Items()->Get(ValueIndex);
    if (item && item->HasText()) {
        result = item->Text()->Text();
        if (result.endsWith("\r\n")) result.chop(2);
    } else {
        const String sep = FMarks->MultiLine() ? String(QChar(13)) : String(" ");
        const double v = GetMarkValue(ValueIndex);
        auto valueText = [&]() { return FormatFloat(FValueFormat, v); };
        auto labelOrValue = [&]() {
            const String label = XLabel(ValueIndex);
            return label.isEmpty() ? valueText() : label;
        };
        auto xText = [&]() {
            const double x = FNotMandatory->Value(ValueIndex);
            return FGetHorizAxis ? FGetHorizAxis->LabelValue(x) : FormatFloat(FValueFormat, x);
        };
        switch (FMarks->Style()) {
        case smsValue:
            result = valueText();
            break;
        case smsPercent:
            result = MarkPercent(ValueIndex, false);
            break;
        case smsLabel:
            result = labelOrValue();
            break;
        case smsLabelPercent:
            result = labelOrValue() + sep + MarkPercent(ValueIndex, false);
            break;
        case smsLabelValue:
            result = labelOrValue() + sep + valueText();
            break;
        case smsLegend:
            result = FParent ? FParent->FormattedValueLegend(this, ValueIndex) : String();
            if (!FMarks->MultiLine()) result.replace(TeeColumnSeparator, QChar(' '));
            break;
        case smsPercentTotal:
            result = MarkPercent(ValueIndex, true);
            break;
        case smsLabelPercentTotal:
            result = labelOrValue() + sep + MarkPercent(ValueIndex, true);
            break;
        case smsXValue:
            result = xText();
            break;
        case smsXY:
            result = xText() + sep + valueText();
            break;
        case smsSeriesTitle:
            result =
                FTitle.isEmpty() ? SeriesNameOrIndex(this) : String(FTitle).replace(TeeColumnSeparator, ' ');
            break;
        case smsPointIndex:
            result = IntToStr(ValueIndex);
            break;
        case smsPercentRelative: {
            // Relative to the first point; a first point of 0 gives the text of 0 rather
            // than an infinite or undefined figure.
            const double first = Count() > 0 ? GetMarkValue(0) : 0;
            double p = 100;
            if (ValueIndex != 0) p = first == 0 ? 0 : v * 100 / first;
            if (!std::isfinite(p)) p = 0;
            result = FormatFloat(FPercentFormat, p);
            break;
        }
        }
    }
    if (OnGetMarkText.Assigned()) OnGetMarkText(this, ValueIndex, result);
    return result;
}

// ---- stored properties -----------------------------------------------------------------------

void TChartSeries::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    Filer->DefineProperty("DataSources", TReaderProc(this, &TChartSeries::ReadDataSources),
                          TWriterProc(this, &TChartSeries::WriteDataSources), FDataSources->Count() > 1);
    Filer->DefineProperty("CustomHorizAxis", TReaderProc(this, &TChartSeries::ReadCustomHorizAxis),
                          TWriterProc(this, &TChartSeries::WriteCustomHorizAxis),
                          FCustomHorizAxis != nullptr);
    Filer->DefineProperty("CustomVertAxis", TReaderProc(this, &TChartSeries::ReadCustomVertAxis),
                          TWriterProc(this, &TChartSeries::WriteCustomVertAxis), FCustomVertAxis != nullptr);
    DefineDataProperty(Filer);
}

void TChartSeries::ReadDataSources(TReader* Reader) {
    if (!FTempDataSources) FTempDataSources = new TStringList();
    FTempDataSources->Clear();
    Reader->ReadListBegin();
    while (!Reader->EndOfList())
        FTempDataSources->Add(Reader->ReadString());
    Reader->ReadListEnd();
}

void TChartSeries::WriteDataSources(TWriter* Writer) {
    Writer->WriteListBegin();
    for (int i = 0; i < FDataSources->Count(); ++i)
        Writer->WriteString(FDataSources->Get(i)->Name());
    Writer->WriteListEnd();
}

static int CustomAxisIndex(TCustomAxisPanel* Chart, TChartAxis* Axis) {
    if (!Chart) return -1;
    for (int i = 0; i < Chart->CustomAxes()->Count(); ++i)
        if (Chart->CustomAxes()->Get(i) == Axis) return i;
    return -1;
}

static TChartAxis* CustomAxisAt(TCustomAxisPanel* Chart, int Index) {
    if (!Chart || Index < 0 || Index >= Chart->CustomAxes()->Count()) return nullptr;
    return Chart->CustomAxes()->Get(Index);
}

void TChartSeries::ReadCustomHorizAxis(TReader* Reader) {
    const int index = Reader->ReadInteger();
    if (TChartAxis* a = CustomAxisAt(FParent, index)) SetCustomHorizAxis(a);
}

void TChartSeries::WriteCustomHorizAxis(TWriter* Writer) {
    Writer->WriteInteger(CustomAxisIndex(FParent, FCustomHorizAxis));
}

void TChartSeries::ReadCustomVertAxis(TReader* Reader) {
    const int index = Reader->ReadInteger();
    if (TChartAxis* a = CustomAxisAt(FParent, index)) SetCustomVertAxis(a);
}

void TChartSeries::WriteCustomVertAxis(TWriter* Writer) {
    Writer->WriteInteger(CustomAxisIndex(FParent, FCustomVertAxis));
}

void TChartSeries::Loaded() {
    inherited::Loaded();
    if (FTempDataSources) {
        TComponent* root = Owner();
        for (int i = 0; i < FTempDataSources->Count(); ++i) {
            TComponent* c = root ? root->FindComponent(FTempDataSources->Strings(i)) : nullptr;
            if (c) InternalAddDataSource(c);
        }
        FreeAndNil(FTempDataSources);
    }
    CheckDataSource();
}
