#include "chart/engine/series/SeriesGroups.h"

#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/ChartSeries.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/IntText.h"

ORVO_IMPLEMENT_ENUM_TYPE(TSeriesGroupActive, "gaYes", "gaNo", "gaSome")
ORVO_IMPLEMENT_CLASS(TSeriesGroup, TCollectionItem)
ORVO_IMPLEMENT_CLASS(TSeriesGroups, TOwnedCollection)

ORVO_PUBLISHED(TSeriesGroup) {
    using S = TSeriesGroup;
    P.Property("Active", &S::Active, &S::SetActive).Default(gaYes);
    P.Property("Name", &S::Name, &S::SetName);
}

// ---- TSeriesGroup ----------------------------------------------------------------------------

// The group joins its collection before it is named: the name counts it.
TSeriesGroup::TSeriesGroup(TCollection* Collection) : TCollectionItem(nullptr) {
    auto* chart = dynamic_cast<TCustomAxisPanel*>(Collection ? Collection->Owner() : nullptr);
    FSeries = new TCustomSeriesList(chart);
    if (Collection) {
        SetCollection(Collection);
        FName = "Group" + IntToStr(Collection->Count());
    } else {
        FName = "Group";
    }
}

TSeriesGroup::~TSeriesGroup() {
    delete FPendingNames;
    delete FSeries;
}

TCustomAxisPanel* TSeriesGroup::Chart() const {
    return FSeries->Owner();
}

void TSeriesGroup::Assign(TPersistent* Source) {
    auto* g = dynamic_cast<TSeriesGroup*>(Source);
    if (!g) {
        TCollectionItem::Assign(Source);
        return;
    }
    FName = g->FName;
    SetSeries(g->Series());
}

void TSeriesGroup::Add(TChartSeries* Series) {
    ResolveNames();
    FSeries->Add(Series);
}

TCustomSeriesList* TSeriesGroup::Series() {
    ResolveNames();
    return FSeries;
}

void TSeriesGroup::SetSeries(TCustomSeriesList* Value) {
    FreeAndNil(FPendingNames);
    if (Value == FSeries) return;
    FSeries->Clear();
    if (!Value) return;
    for (int i = 0; i < Value->Count(); ++i)
        FSeries->Add(Value->Get(i));
}

TSeriesGroupActive TSeriesGroup::Active() {
    TCustomSeriesList* list = Series();
    int active = 0;
    for (int i = 0; i < list->Count(); ++i)
        active += list->Get(i)->Active() ? 1 : 0;
    if (active == list->Count()) return gaYes;
    return active == 0 ? gaNo : gaSome;
}

void TSeriesGroup::SetActive(TSeriesGroupActive Value) {
    if (Value == gaSome || Value == Active()) return;
    TCustomSeriesList* list = Series();
    for (int i = 0; i < list->Count(); ++i)
        list->Get(i)->SetActive(Value == gaYes);
}

String TSeriesGroup::GetDisplayName() const {
    return FName.isEmpty() ? TCollectionItem::GetDisplayName() : FName;
}

void TSeriesGroup::DefineProperties(TFiler* Filer) {
    TCollectionItem::DefineProperties(Filer);
    Filer->DefineProperty("Series", TReaderProc(this, &TSeriesGroup::ReadSeries),
                          TWriterProc(this, &TSeriesGroup::WriteSeries), Series()->Count() > 0);
}

// The series are stored by name; they belong to the form, which may not have read them yet.
void TSeriesGroup::WriteSeries(TWriter* Writer) {
    Writer->WriteListBegin();
    for (int i = 0; i < FSeries->Count(); ++i)
        Writer->WriteString(FSeries->Get(i)->Name());
    Writer->WriteListEnd();
}

void TSeriesGroup::ReadSeries(TReader* Reader) {
    FSeries->Clear();
    if (!FPendingNames) FPendingNames = new TStringList();
    FPendingNames->Clear();
    Reader->ReadListBegin();
    while (!Reader->EndOfList())
        FPendingNames->Add(Reader->ReadString());
    Reader->ReadListEnd();
}

void TSeriesGroup::ResolveNames() {
    if (!FPendingNames) return;
    TCustomAxisPanel* chart = Chart();
    if (!chart) return;
    for (int n = 0; n < FPendingNames->Count(); ++n)
        for (int i = 0; i < chart->SeriesCount(); ++i)
            if (chart->Series(i)->Name() == FPendingNames->Strings(n)) {
                FSeries->Add(chart->Series(i));
                break;
            }
    FreeAndNil(FPendingNames);
}

// ---- TSeriesGroups ---------------------------------------------------------------------------

TSeriesGroups::TSeriesGroups(TPersistent* AOwner) : TOwnedCollection(AOwner, TSeriesGroup::StaticClass()) {}

int TSeriesGroups::Contains(TChartSeries* Series) {
    for (int i = 0; i < Count(); ++i)
        if (Get(i)->Series()->IndexOf(Series) >= 0) return i;
    return -1;
}

TSeriesGroup* TSeriesGroups::FindByName(const String& Name, bool CaseSensitive) {
    const String wanted = CaseSensitive ? Name : Name.toUpper();
    for (int i = 0; i < Count(); ++i) {
        TSeriesGroup* g = Get(i);
        if ((CaseSensitive ? g->Name() : g->Name().toUpper()) == wanted) return g;
    }
    return nullptr;
}

TSeriesGroup* TSeriesGroups::Get(int Index) const {
    return static_cast<TSeriesGroup*>(Items(Index));
}

void TSeriesGroups::Put(int Index, TSeriesGroup* Value) {
    SetItems(Index, Value);
}
