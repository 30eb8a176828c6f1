#include "chart/engine/series/ChartSeries.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/series/TeeFunction.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Format.h"

#include <algorithm>

ORVO_IMPLEMENT_ENUM_TYPE(THorizAxis, "aTopAxis", "aBottomAxis", "aBothHorizAxis", "aCustomHorizAxis")
ORVO_IMPLEMENT_ENUM_TYPE(TVertAxis, "aLeftAxis", "aRightAxis", "aBothVertAxis", "aCustomVertAxis")
ORVO_IMPLEMENT_ENUM_TYPE(TSeriesRecalcOption, "rOnDelete", "rOnModify", "rOnInsert", "rOnClear")
ORVO_IMPLEMENT_SET_TYPE(TSeriesRecalcOptions, TSeriesRecalcOption)
ORVO_IMPLEMENT_ENUM_TYPE(TLegendTextStyle, "ltsPlain", "ltsLeftValue", "ltsRightValue", "ltsLeftPercent",
                         "ltsRightPercent", "ltsXValue", "ltsValue", "ltsPercent", "ltsXAndValue",
                         "ltsXAndPercent")
ORVO_IMPLEMENT_EVENT_TYPE(TSeriesOnBeforeAdd)
ORVO_IMPLEMENT_EVENT_TYPE(TSeriesOnAfterAdd)
ORVO_IMPLEMENT_EVENT_TYPE(TSeriesClick)
ORVO_IMPLEMENT_EVENT_TYPE(TSeriesOnGetMarkText)
ORVO_IMPLEMENT_EVENT_TYPE(TSeriesOnClear)
ORVO_IMPLEMENT_CLASS(TCustomSeriesList, TList)
ORVO_IMPLEMENT_CLASS(TDataSourcesList, TList)
ORVO_IMPLEMENT_CLASS(TLabelsList, TObject)
ORVO_IMPLEMENT_CLASS(TCustomChartElement, TComponent)
ORVO_IMPLEMENT_CLASS(TCustomChartSeries, TCustomChartElement)
ORVO_IMPLEMENT_CLASS(TChartSeries, TCustomChartSeries)

ORVO_PUBLISHED(TCustomChartElement) {
    using S = TCustomChartElement;
    P.Property("Active", &S::Active, &S::SetActive).Default(true);
    P.Property("ShowInEditor", &S::ShowInEditor, &S::SetShowInEditor).Default(true);
}

ORVO_PUBLISHED(TCustomChartSeries) {
    using S = TCustomChartSeries;
    P.Property("ShowInLegend", &S::ShowInLegend, &S::SetShowInLegend).Default(true);
    P.Property("Title", &S::Title, &S::SetTitle);
}

ORVO_PUBLISHED(TChartSeries) {
    using S = TChartSeries;
    P.Property("ColorEachPoint", &S::ColorEachPoint, &S::SetColorEachPoint).Default(false);
    P.Property("ColorSource", &S::ColorSource, &S::SetColorSource);
    P.Property("Cursor", &S::Cursor, &S::SetCursor).Default(0);
    // One source is stored here; two or more go to the "DataSources" list.
    P.Property("DataSource", &S::DataSource, &S::SetDataSource).Stored(&S::IsDataSourceStored);
    P.Property("Depth", &S::Depth, &S::SetDepth).Default(-1);
    P.Property("HorizAxis", &S::HorizAxis, &S::SetHorizAxis).Default(aBottomAxis);
    P.Property("Marks", &S::Marks, &S::SetMarks);
    P.Property("PercentFormat", &S::PercentFormat, &S::SetPercentFormat).Stored(&S::IsPercentFormatStored);
    P.Property("SeriesColor", &S::SeriesColor, &S::SetSeriesColor)
        .Type(TypeInfoTColor())
        .Stored(&S::IsColorStored);
    P.Property("ValueFormat", &S::ValueFormat, &S::SetValueFormat).Stored(&S::IsValueFormatStored);
    P.Property("VertAxis", &S::VertAxis, &S::SetVertAxis).Default(aLeftAxis);
    P.Property("XLabelsSource", &S::XLabelsSource, &S::SetXLabelsSource);
    P.Property("XValues", &S::XValues, &S::SetXValues);
    P.Property("YValues", &S::YValues, &S::SetYValues);
    P.Property("RecalcOptions", &S::RecalcOptions, &S::SetRecalcOptions)
        .Default(TSeriesRecalcOptions{rOnDelete, rOnModify, rOnInsert, rOnClear});
    P.Property("AfterDrawValues", &S::AfterDrawValues);
    P.Property("BeforeDrawValues", &S::BeforeDrawValues);
    P.Property("OnAfterAdd", &S::OnAfterAdd);
    P.Property("OnBeforeAdd", &S::OnBeforeAdd);
    P.Property("OnClearValues", &S::OnClearValues);
    P.Property("OnClick", &S::OnClick);
    P.Property("OnDblClick", &S::OnDblClick);
    P.Property("OnGetMarkText", &S::OnGetMarkText);
    P.Property("OnMouseEnter", &S::OnMouseEnter);
    P.Property("OnMouseLeave", &S::OnMouseLeave);
}

QChar TeeColumnSeparator = QChar(6);

// ---- lists -----------------------------------------------------------------------------------

bool TSeriesEnumerator::MoveNext() {
    if (FIndex < FList->Count() - 1) {
        ++FIndex;
        return true;
    }
    return false;
}

TChartSeries* TSeriesEnumerator::Current() const {
    return FList->Get(FIndex);
}

void TCustomSeriesList::ClearValues() {
    for (int i = 0; i < Count(); ++i)
        Get(i)->Clear();
}

void TCustomSeriesList::FillSampleValues(int Num) {
    for (int i = 0; i < Count(); ++i)
        Get(i)->FillSampleValues(Num);
}

TDataSourcesList::~TDataSourcesList() {
    // The owning series is being destroyed: no notifications back to it.
    FSeries = nullptr;
    TList::Clear();
}

int TDataSourcesList::Add(TComponent* Value) {
    return FSeries->InternalSetDataSource(Value, false);
}

void TDataSourcesList::Clear() {
    if (FSeries) FSeries->RemoveAllLinkedSeries();
    TList::Clear();
    if (FSeries && !FSeries->ManualData()) FSeries->Clear();
}

void TDataSourcesList::Notify(void* Ptr, TListNotification Action) {
    TList::Notify(Ptr, Action);
    if (Action != lnAdded && FSeries) FSeries->InternalRemoveDataSource(static_cast<TComponent*>(Ptr));
}

String TLabelsList::Label(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[Index] : String();
}

void TLabelsList::SetLabel(int Index, const String& Value) {
    if (Index >= Count()) FItems.resize(std::size_t(Index) + 1);
    FItems[Index] = Value;
}

void TLabelsList::Insert(int Index, const String& Value) {
    if (Index > Count()) FItems.resize(std::size_t(Index));
    FItems.insert(FItems.begin() + Index, Value);
}

int TLabelsList::IndexOfLabel(const String& ALabel, bool CaseSensitive) const {
    const Qt::CaseSensitivity cs = CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < Count(); ++i)
        if (FItems[std::size_t(i)].compare(ALabel, cs) == 0) return i;
    return -1;
}

void TLabelsList::Assign(const TLabelsList* Source) {
    if (Source == this) return;
    Clear();
    if (!Source) return;
    for (int i = 0; i < Source->Count(); ++i)
        Insert(i, Source->Label(i));
}

void TLabelsList::Delete(int Index) {
    Delete(Index, 1);
}

void TLabelsList::Delete(int Start, int Quantity) {
    if (Start < 0 || Start >= Count() || Quantity <= 0) return;
    const int end = std::min(Count(), Start + Quantity);
    FItems.erase(FItems.begin() + Start, FItems.begin() + end);
}

void TLabelsList::Exchange(int Index1, int Index2) {
    const int high = std::max(Index1, Index2);
    if (high >= Count()) FItems.resize(std::size_t(high) + 1);
    std::swap(FItems[Index1], FItems[Index2]);
}

// ---- element ---------------------------------------------------------------------------------

TCustomChartElement::TCustomChartElement(TComponent* AOwner) : TComponent(AOwner) {
    FBrush = new TChartBrush(changedEvent());
    FPen = CreateChartPen();
}

TCustomChartElement::~TCustomChartElement() {
    FreeAndNil(FPen);
    FreeAndNil(FBrush);
    TCustomChartElement::SetParentChart(nullptr);
}

void TCustomChartElement::Assign(TPersistent* Source) {
    if (auto* src = dynamic_cast<TCustomChartElement*>(Source)) {
        FActive = src->FActive;
        FBrush->Assign(src->FBrush);
        SetPen(src->FPen);
        SetTag(src->Tag());
    } else {
        inherited::Assign(Source);
    }
}

void TCustomChartElement::CanvasChanged(TObject* Sender) {
    (void)Sender;
    Repaint();
}

String TCustomChartElement::GetEditorClass() {
    return String();
}

void TCustomChartElement::SetActive(bool Value) {
    SetBooleanProperty(FActive, Value);
}

void TCustomChartElement::SetParentChart(TCustomAxisPanel* Value) {
    FParent = Value;
}

void TCustomChartElement::SetPen(TChartPen* Value) {
    FPen->Assign(Value);
}

void TCustomChartElement::SetBrush(TChartBrush* Value) {
    FBrush->Assign(Value);
}

TComponent* TCustomChartElement::GetParentComponent() const {
    return FParent;
}

void TCustomChartElement::SetParentComponent(TComponent* Value) {
    if (auto* chart = dynamic_cast<TCustomAxisPanel*>(Value)) SetParentChart(chart);
}

void TCustomChartElement::Repaint() {
    if (FParent) FParent->Invalidate();
}

TChartPen* TCustomChartElement::CreateChartPen() {
    return new TChartPen(changedEvent());
}

// ---- custom series ---------------------------------------------------------------------------

TCustomChartSeries::TCustomChartSeries(TComponent* AOwner) : TCustomChartElement(AOwner) {}

void TCustomChartSeries::Assign(TPersistent* Source) {
    if (auto* src = dynamic_cast<TCustomChartSeries*>(Source)) {
        FShowInLegend = src->FShowInLegend;
        FTitle = src->FTitle;
        FStyle = src->FStyle;
        FIdentifier = src->FIdentifier;
    }
    inherited::Assign(Source);
}

void TCustomChartSeries::SetActive(bool Value) {
    if (FActive == Value) return;
    inherited::SetActive(Value);
    BroadcastSeriesEvent(seChangeActive);
    RepaintDesigner();
}

void TCustomChartSeries::CalcHorizMargins(int& LeftMargin, int& RightMargin) {
    LeftMargin = 0;
    RightMargin = 0;
}

void TCustomChartSeries::CalcVerticalMargins(int& TopMargin, int& BottomMargin) {
    TopMargin = 0;
    BottomMargin = 0;
}

void TCustomChartSeries::DoBeforeDrawChart() {}

void TCustomChartSeries::GalleryChanged3D(bool Is3D) {
    if (FParent) FParent->SetView3D(Is3D);
}

void TCustomChartSeries::Removed() {
    FParent = nullptr;
}

bool TCustomChartSeries::SameClass(TCustomChartSeries* Other) const {
    return InheritsFrom(Other->ClassType()) || Other->InheritsFrom(ClassType());
}

void TCustomChartSeries::SetShowInLegend(bool Value) {
    SetBooleanProperty(FShowInLegend, Value);
}

void TCustomChartSeries::SetTitle(const String& Value) {
    SetStringProperty(FTitle, Value);
    BroadcastSeriesEvent(seChangeTitle);
    RepaintDesigner();
}

void TCustomChartSeries::BroadcastSeriesEvent(TChartSeriesEvent Event) {
    if (FParent) FParent->BroadcastSeriesEvent(this, Event);
}

void TCustomChartSeries::RepaintDesigner() {
    // The designer hook (an attached chart editor) has no operations to call yet; the
    // chart holds none until the editor attaches one.
}

void TCustomChartSeries::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    Filer->DefineProperty("Identifier", TReaderProc(this, &TCustomChartSeries::ReadIdentifier),
                          TWriterProc(this, &TCustomChartSeries::WriteIdentifier), !FIdentifier.isEmpty());
    Filer->DefineProperty("Style", TReaderProc(this, &TCustomChartSeries::ReadStyle),
                          TWriterProc(this, &TCustomChartSeries::WriteStyle), !FStyle.empty());
}

void TCustomChartSeries::ReadIdentifier(TReader* Reader) {
    FIdentifier = Reader->ReadString();
}

void TCustomChartSeries::WriteIdentifier(TWriter* Writer) {
    Writer->WriteString(FIdentifier);
}

void TCustomChartSeries::ReadStyle(TReader* Reader) {
    const int bits = Reader->ReadInteger();
    FStyle = TChartSeriesStyle();
    for (int i = tssIsTemplate; i <= tssHideDataSource; ++i)
        if (bits & (1 << i)) FStyle << TChartSeriesStyleItem(i);
}

void TCustomChartSeries::WriteStyle(TWriter* Writer) {
    int bits = 0;
    for (int i = tssIsTemplate; i <= tssHideDataSource; ++i)
        if (FStyle.Contains(TChartSeriesStyleItem(i))) bits |= 1 << i;
    Writer->WriteInteger(bits & 0x3F);
}

// ---- series: construction --------------------------------------------------------------------

TChartSeries::TChartSeries(TComponent* AOwner) : TCustomChartSeries(AOwner) {
    FPercentFormat = TeeMsg_DefPercentFormat;
    FValueFormat = TeeMsg_DefValueFormat;
    FValuesList = new TChartValueLists();
    FX = new TChartValueList(this, TeeMsg_ValuesX);
    FX->SetOrder(loAscending);
    FY = new TChartValueList(this, TeeMsg_ValuesY);
    FMandatory = FY;
    FNotMandatory = FX;
    FLabels = new TLabelsList(this);
    FMarks = new TSeriesMarks(this);
    FDataSources = new TDataSourcesList(this);
    FLinkedSeries = new TCustomSeriesList();
}

TChartSeries::~TChartSeries() {
    FreeAndNil(FTeeFunction);
    // Stop taking data from the source series, and let the series fed from this one
    // forget it, so that neither side keeps a pointer to a destroyed series. Source
    // components keep their free-notification link: the component's destruction tells
    // them this series is gone.
    for (int i = FDataSources->Count() - 1; i >= 0; --i)
        if (auto* s = dynamic_cast<TChartSeries*>(FDataSources->Get(i))) s->RemoveLinkedSeries(this);
    while (FLinkedSeries->Count() > 0) {
        TChartSeries* linked = FLinkedSeries->Get(FLinkedSeries->Count() - 1);
        FLinkedSeries->Delete(FLinkedSeries->Count() - 1);
        linked->RemoveDataSource(this);
    }
    if (FParent) SetParentChart(nullptr);
    ClearLists();
    delete FDataSources;
    FDataSources = nullptr;
    delete FLinkedSeries;
    delete FTempDataSources;
    delete FMarks;
    delete FLabels;
    delete FValuesList;
}

// ---- series: points --------------------------------------------------------------------------

int TChartSeries::Count() const {
    return FX->Count();
}

int TChartSeries::AddXY(double AXValue, double AYValue, const String& ALabel, TColor AColor) {
    FX->TempValue = AXValue;
    FY->TempValue = AYValue;
    if (OnBeforeAdd.Assigned()) {
        bool accept = true;
        OnBeforeAdd(this, accept);
        if (!accept) return -1;
    }
    const int index = FX->AddChartValue();
    FY->InsertChartValue(index, AYValue);
    for (int i = 2; i < FValuesList->Count(); ++i) {
        TChartValueList* list = FValuesList->Get(i);
        list->InsertChartValue(index, list->TempValue);
    }
    InsertColorAndLabel(index, ALabel, AColor);
    if (!IsUpdating()) NotifyNewValue(this, index);
    return index;
}

void TChartSeries::InsertColorAndLabel(int Index, const String& ALabel, TColor AColor) {
    if (FColors) {
        if (Index > static_cast<int>(FColors->size())) FColors->resize(std::size_t(Index), clTeeColor);
        FColors->insert(FColors->begin() + Index, AColor);
    } else if (AColor != clTeeColor) {
        FColors.emplace(std::size_t(Count() - 1), clTeeColor);
        FColors->insert(FColors->begin() + Index, AColor);
    }
    if (!ALabel.isEmpty() || FLabels->Count() > 0) FLabels->Insert(Index, ALabel);
}

int TChartSeries::Add(double Value, const String& ALabel, TColor AColor) {
    if (FYMandatory) return AddXY(FX->Count(), Value, ALabel, AColor);
    return AddXY(Value, FY->Count(), ALabel, AColor);
}

int TChartSeries::AddX(double AXValue, const String& ALabel, TColor AColor) {
    return AddXY(AXValue, FX->Count(), ALabel, AColor);
}

int TChartSeries::AddY(double AYValue, const String& ALabel, TColor AColor) {
    return AddXY(FX->Count(), AYValue, ALabel, AColor);
}

int TChartSeries::AddNull(double Value) {
    return Add(Value, String(), clNone);
}

int TChartSeries::AddNull(const String& ALabel) {
    return Add(FDefaultNullValue, ALabel, clNone);
}

int TChartSeries::AddNullXY(double X, double Y, const String& ALabel) {
    return AddXY(X, Y, ALabel, clNone);
}

int TChartSeries::AddArray(const std::vector<double>& Values) {
    BeginUpdate();
    try {
        for (double v : Values)
            Add(v, String(), clTeeColor);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return static_cast<int>(Values.size());
}

int TChartSeries::AddArray(const std::vector<double>& XValues, const std::vector<double>& YValues) {
    // Pairs only as far as both arrays reach.
    const std::size_t n = std::min(XValues.size(), YValues.size());
    for (std::size_t i = 0; i < n; ++i)
        AddXY(XValues[i], YValues[i]);
    return static_cast<int>(n);
}

double TChartSeries::GetxValue(int ValueIndex) {
    return FX->Value(ValueIndex);
}

double TChartSeries::GetyValue(int ValueIndex) {
    return FY->Value(ValueIndex);
}

void TChartSeries::SetXValue(int Index, double Value) {
    FX->SetValueQuiet(Index, Value);
    Repaint();
}

void TChartSeries::SetYValue(int Index, double Value) {
    FY->SetValueQuiet(Index, Value);
    Repaint();
}

void TChartSeries::NotifyNewValue(TChartSeries* Sender, int ValueIndex) {
    if (OnAfterAdd.Assigned()) OnAfterAdd(Sender, ValueIndex);
    NotifyValue(veAdd, ValueIndex);
    if (FActive) Repaint();
}

void TChartSeries::Delete(int ValueIndex) {
    // A negative index is refused as well: it would reach before the lists.
    if (ValueIndex < 0 || ValueIndex >= Count())
        throw ChartException(Format(TeeMsg_SeriesDelete, {ValueIndex, Count() - 1}));
    for (int i = 0; i < FValuesList->Count(); ++i)
        FValuesList->Get(i)->Delete(ValueIndex);
    if (FColors && ValueIndex < static_cast<int>(FColors->size()))
        FColors->erase(FColors->begin() + ValueIndex);
    FLabels->Delete(ValueIndex);
    FMarks->Positions()->Delete(ValueIndex);
    FMarks->Items()->Delete(ValueIndex);
    NotifyValue(veDelete, ValueIndex);
    if (FActive) Repaint();
}

void TChartSeries::Delete(int Start, int Quantity, bool RemoveGap) {
    if (Start >= Count()) return;
    // The whole range must lie within the points: a negative start or quantity, or a
    // range past the last point, would take more values than a list holds.
    if (Start < 0 || Quantity < 0 || Quantity > Count() - Start)
        throw ChartException(
            Format(TeeMsg_SeriesDelete, {Start < 0 ? Start : Start + Quantity - 1, Count() - 1}));
    for (int i = 0; i < FValuesList->Count(); ++i)
        FValuesList->Get(i)->Delete(Start, Quantity);
    if (Quantity >= 1) {
        if (FColors && Start < static_cast<int>(FColors->size())) {
            const int end = std::min(static_cast<int>(FColors->size()), Start + Quantity);
            FColors->erase(FColors->begin() + Start, FColors->begin() + end);
            if (FColors->empty()) FColors.reset();
        }
        FLabels->Delete(Start, Quantity);
        FMarks->Positions()->Delete(Start, Quantity);
    }
    NotifyValue(veDelete, -1);
    if (FActive) Repaint();
    if (RemoveGap) FNotMandatory->FillSequence();
}

void TChartSeries::ClearLists() {
    for (int i = 0; i < FValuesList->Count(); ++i)
        FValuesList->Get(i)->ClearValues();
    FColors.reset();
    FLabels->Clear();
    if (FMarks) FMarks->Clear();
}

bool TChartSeries::CanRepaintAfterClear() const {
    return FActive && FParent && !FParent->ComponentState().Contains(csDestroying);
}

void TChartSeries::Clear() {
    FFirstVisibleIndex = -1;
    FLastVisibleIndex = -1;
    ClearLists();
    if (OnClearValues.Assigned()) OnClearValues(this);
    NotifyValue(veClear, 0);
    if (FTeeFunction) FTeeFunction->Clear();
    if (CanRepaintAfterClear()) Repaint();
}

void TChartSeries::SwapValueIndex(int a, int b) {
    for (int i = 0; i < FValuesList->Count(); ++i)
        FValuesList->Get(i)->Exchange(a, b);
    if (FColors) {
        const int high = std::max(a, b);
        if (high >= static_cast<int>(FColors->size())) FColors->resize(std::size_t(high) + 1, clTeeColor);
        std::swap((*FColors)[a], (*FColors)[b]);
    }
    if (FLabels->Count() > 0) FLabels->Exchange(a, b);
}

void TChartSeries::BeginUpdate() {
    ++IUpdating;
}

void TChartSeries::EndUpdate() {
    if (IUpdating > 0) {
        --IUpdating;
        if (IUpdating == 0) RefreshSeries();
    }
}

void TChartSeries::RefreshSeries() {
    NotifyValue(veRefresh, 0);
    BroadcastSeriesEvent(seDataChanged);
}

void TChartSeries::NotifyValue(TValueEvent ValueEvent, int ValueIndex) {
    if (IsUpdating()) return;
    // A copy: a linked series may unlink itself while it is told.
    std::vector<TChartSeries*> linked;
    for (int i = 0; i < FLinkedSeries->Count(); ++i)
        linked.push_back(FLinkedSeries->Get(i));
    for (TChartSeries* l : linked) {
        switch (ValueEvent) {
        case veClear:
            if (l->FRecalcOptions.Contains(rOnClear)) l->Clear();
            break;
        case veAdd:
            if (l->FRecalcOptions.Contains(rOnInsert) && !l->FTeeFunction) l->AddedValue(this, ValueIndex);
            break;
        case veDelete:
            if (l->FRecalcOptions.Contains(rOnDelete) && !l->FTeeFunction) l->DeletedValue(this, ValueIndex);
            break;
        case veRefresh:
            l->AddValues(this);
            break;
        case veModify:
            if (l->FRecalcOptions.Contains(rOnModify)) l->AddValues(this);
            break;
        }
    }
}

void TChartSeries::SetHorizontal() {
    FMandatory = FX;
    FNotMandatory = FY;
    FYMandatory = false;
}

TChartAxis* TChartSeries::MandatoryAxis() const {
    return FYMandatory ? FGetVertAxis : FGetHorizAxis;
}

TChartValueList* TChartSeries::GetYValueList(const String& AListName) {
    for (int i = 2; i < FValuesList->Count(); ++i)
        if (FValuesList->Get(i)->Name().compare(AListName, Qt::CaseInsensitive) == 0)
            return FValuesList->Get(i);
    return FMandatory;
}

void TChartSeries::ReplaceList(TChartValueList* OldList, TChartValueList* NewList) {
    const int existing = FValuesList->IndexOf(NewList);
    if (existing >= 0) FValuesList->Delete(existing);
    const int index = FValuesList->IndexOf(OldList);
    if (index < 0) return;
    FValuesList->SetItems(index, NewList);
    NewList->SetName(OldList->Name());
    if (FX == OldList) FX = NewList;
    if (FY == OldList) FY = NewList;
    if (FMandatory == OldList) FMandatory = NewList;
    if (FNotMandatory == OldList) FNotMandatory = NewList;
    delete OldList;
}

void TChartSeries::SetChartValueList(TChartValueList*& AValueList, TChartValueList* Value) {
    AValueList->Assign(Value);
    Repaint();
}

void TChartSeries::SetXValues(TChartValueList* Value) {
    SetChartValueList(FX, Value);
}

void TChartSeries::SetYValues(TChartValueList* Value) {
    SetChartValueList(FY, Value);
}

void TChartSeries::SetColorSource(const String& Value) {
    if (FColorSource == Value) return;
    FColorSource = Value;
    CheckDataSource();
}

void TChartSeries::SetXLabelsSource(const String& Value) {
    if (FXLabelsSource == Value) return;
    FXLabelsSource = Value;
    CheckDataSource();
}

void TChartSeries::SetMarks(TSeriesMarks* Value) {
    FMarks->Assign(Value);
}

void TChartSeries::SetValueFormat(const String& Value) {
    SetStringProperty(FValueFormat, Value);
}

bool TChartSeries::IsPercentFormatStored() const {
    return FPercentFormat != TeeMsg_DefPercentFormat;
}

bool TChartSeries::IsValueFormatStored() const {
    return FValueFormat != TeeMsg_DefValueFormat;
}

// ---- colours, nulls, labels ------------------------------------------------------------------

TColor TChartSeries::InternalColor(int ValueIndex) const {
    if (!FColors || ValueIndex < 0 || ValueIndex >= static_cast<int>(FColors->size())) return clTeeColor;
    return (*FColors)[ValueIndex];
}

TColor TChartSeries::GetValueColor(int ValueIndex) {
    const TColor c = InternalColor(ValueIndex);
    if (c != clTeeColor) return c;
    if (FColorEachPoint)
        return FParent ? FParent->GetDefaultColor(ValueIndex) : ::GetDefaultColor(ValueIndex);
    return SeriesColor();
}

void TChartSeries::SetValueColor(int ValueIndex, TColor AColor) {
    if (!FColors) {
        if (AColor == clTeeColor) return;
        FColors.emplace(std::size_t(Count()), clTeeColor);
    }
    if (ValueIndex >= static_cast<int>(FColors->size()))
        FColors->resize(std::size_t(ValueIndex) + 1, clTeeColor);
    (*FColors)[ValueIndex] = AColor;
    Repaint();
}

void TChartSeries::SetNull(int ValueIndex, bool Null) {
    SetValueColor(ValueIndex, Null ? clNone : clTeeColor);
}

TColor TChartSeries::SeriesColor() const {
    return FColor == clTeeColor ? ISeriesColor : FColor;
}

void TChartSeries::SetSeriesColor(TColor AColor) {
    if (FColor == clTeeColor && AColor == ISeriesColor) return;
    SetColorProperty(FColor, AColor);
    // Going back to the automatic colour keeps the one the chart gave.
    if (AColor != clTeeColor) ISeriesColor = AColor;
    BroadcastSeriesEvent(seChangeColor);
    RepaintDesigner();
}

void TChartSeries::ChangeInternalColor(TColor AColor) {
    ISeriesColor = AColor;
    SetSeriesColor(AColor);
}

void TChartSeries::SetColorEachPoint(bool Value) {
    SetBooleanProperty(FColorEachPoint, Value);
}

void TChartSeries::ColorRange(TChartValueList* AValueList, double FromValue, double ToValue, TColor AColor) {
    for (int i = 0; i < Count(); ++i) {
        const double v = AValueList->Value(i);
        if (v >= FromValue && v <= ToValue && !IsNull(i)) SetValueColor(i, AColor);
    }
    Repaint();
}

String TChartSeries::XLabel(int Index) const {
    return FLabels->Label(Index);
}

void TChartSeries::SetXLabel(int Index, const String& Value) {
    FLabels->SetLabel(Index, Value);
    Repaint();
}

void TChartSeries::SortByLabels(TChartListOrder Order) {
    if (Order == loNone) return;
    ILabelOrder = Order;
    TeeSort(
        0, Count() - 1,
        [this](int a, int b) {
            const int r = FLabels->Label(a).compare(FLabels->Label(b), Qt::CaseSensitive);
            const int s = r < 0 ? -1 : (r > 0 ? 1 : 0);
            return ILabelOrder == loDescending ? -s : s;
        },
        [this](int a, int b) { SwapValueIndex(a, b); });
    ILabelOrder = loNone;
    FNotMandatory->FillSequence();
    Repaint();
}

void TChartSeries::CheckOrder() {
    if (FMandatory->Order() != loNone) {
        FMandatory->Sort();
        if (FNotMandatory->ValueSource().isEmpty()) FNotMandatory->FillSequence();
        Repaint();
    }
}

// ---- axes ------------------------------------------------------------------------------------

void TChartSeries::RecalcGetAxis() {
    if (!FParent) {
        FGetHorizAxis = nullptr;
        FGetVertAxis = nullptr;
        return;
    }
    if (FHorizAxis == aTopAxis)
        FGetHorizAxis = FParent->TopAxis();
    else if (FHorizAxis == aCustomHorizAxis && FCustomHorizAxis)
        FGetHorizAxis = FCustomHorizAxis;
    else
        FGetHorizAxis = FParent->BottomAxis();
    if (FVertAxis == aRightAxis)
        FGetVertAxis = FParent->RightAxis();
    else if (FVertAxis == aCustomVertAxis && FCustomVertAxis)
        FGetVertAxis = FCustomVertAxis;
    else
        FGetVertAxis = FParent->LeftAxis();
}

void TChartSeries::SetHorizAxis(THorizAxis Value) {
    if (FHorizAxis == Value) return;
    FHorizAxis = Value;
    if (Value != aCustomHorizAxis && !ComponentState().Contains(csLoading)) FCustomHorizAxis = nullptr;
    RecalcGetAxis();
    Repaint();
}

void TChartSeries::SetVertAxis(TVertAxis Value) {
    if (FVertAxis == Value) return;
    FVertAxis = Value;
    if (Value != aCustomVertAxis && !ComponentState().Contains(csLoading)) FCustomVertAxis = nullptr;
    RecalcGetAxis();
    Repaint();
}

void TChartSeries::SetCustomHorizAxis(TChartAxis* Value) {
    FCustomHorizAxis = Value;
    if (Value)
        SetHorizAxis(aCustomHorizAxis);
    else
        SetHorizAxis(aBottomAxis);
    RecalcGetAxis();
    Repaint();
}

void TChartSeries::SetCustomVertAxis(TChartAxis* Value) {
    FCustomVertAxis = Value;
    if (Value)
        SetVertAxis(aCustomVertAxis);
    else
        SetVertAxis(aLeftAxis);
    RecalcGetAxis();
    Repaint();
}

bool TChartSeries::UseAxis() {
    return true;
}

bool TChartSeries::AssociatedToAxis(TChartAxis* Axis) {
    if (!UseAxis() || !Axis) return false;
    if (Axis->Horizontal()) return FHorizAxis == aBothHorizAxis || FGetHorizAxis == Axis;
    return FVertAxis == aBothVertAxis || FGetVertAxis == Axis;
}

TChartValueList* TChartSeries::ValueListOfAxis(TChartAxis* Axis) {
    if (!AssociatedToAxis(Axis)) return nullptr;
    return Axis->Horizontal() ? FX : FY;
}

// ---- chart membership ------------------------------------------------------------------------

void TChartSeries::SetParentChart(TCustomAxisPanel* Value) {
    if (FParent == Value) return;
    if (FParent) FParent->RemoveSeries(this);
    // RemoveSeries forgets the parent through Removed; store the new one afterwards.
    inherited::SetParentChart(Value);
    if (FMarks) FMarks->SetParent(Value);
    if (Value) Value->AddSeries(this);
}

void TChartSeries::Added() {
    if (FColor == clTeeColor && FParent) {
        ISeriesColor = FParent->GetFreeSeriesColor(true, this);
        BroadcastSeriesEvent(seChangeColor);
    }
    RecalcGetAxis();
    CheckDataSource();
}

void TChartSeries::Removed() {
    if (FCursor != 0 && FParent && FParent->Cursor() == FCursor)
        FParent->SetCursor(FParent->OriginalCursor());
    for (int i = 0; i < FDataSources->Count(); ++i)
        if (auto* s = dynamic_cast<TChartSeries*>(FDataSources->Get(i))) s->RemoveLinkedSeries(this);
    inherited::Removed();
}
