// Series groups: named sets of a chart's series that can be shown or hidden together (the
// legend can list them). A group refers to its series and never owns them.
#pragma once

#include "platform/classes/Collection.h"
#include "platform/classes/TypInfo.h"

class TChartSeries;
class TCustomAxisPanel;
class TCustomSeriesList;
class TReader;
class TStringList;
class TWriter;

enum TSeriesGroupActive { gaYes, gaNo, gaSome };
ORVO_DECLARE_ENUM_TYPE(TSeriesGroupActive)

class TSeriesGroup : public TCollectionItem {
    ORVO_CLASS(TSeriesGroup, TCollectionItem)
public:
    // Named "Group" and the number of groups once it joined Collection ("Group" alone
    // without a collection).
    explicit TSeriesGroup(TCollection* Collection);
    ~TSeriesGroup() override;
    // From another group: Name and a copy of its series list.
    void Assign(TPersistent* Source) override;

    void Add(TChartSeries* Series);
    // gaYes when empty or every series is active, gaNo when none is, gaSome otherwise.
    TSeriesGroupActive Active();
    // gaYes activates every series, gaNo deactivates them; gaSome changes nothing.
    void SetActive(TSeriesGroupActive Value);
    void Show() { SetActive(gaYes); }
    void Hide() { SetActive(gaNo); }

    const String& Name() const { return FName; }
    void SetName(const String& Value) { FName = Value; }
    // The group's series (names read from a stream are looked up in the chart first).
    TCustomSeriesList* Series();
    // Copies the given list.
    void SetSeries(TCustomSeriesList* Value);

protected:
    void DefineProperties(TFiler* Filer) override;
    String GetDisplayName() const override;

private:
    TCustomAxisPanel* Chart() const;
    void ReadSeries(TReader* Reader);
    void WriteSeries(TWriter* Writer);
    void ResolveNames();

    String FName;
    TCustomSeriesList* FSeries = nullptr;
    // Series names read from a stream, found in the chart on first use.
    TStringList* FPendingNames = nullptr;
};

// The groups of a chart.
class TSeriesGroups : public TOwnedCollection {
    ORVO_CLASS(TSeriesGroups, TOwnedCollection)
public:
    explicit TSeriesGroups(TPersistent* AOwner = nullptr);
    // The index of the first group holding Series, -1 when none does.
    int Contains(TChartSeries* Series);
    // The first group of that name (exact, or ignoring letter case); null when none.
    TSeriesGroup* FindByName(const String& Name, bool CaseSensitive = false);
    TSeriesGroup* Get(int Index) const;
    void Put(int Index, TSeriesGroup* Value);
    TSeriesGroup* operator[](int Index) const { return Get(Index); }
    TSeriesGroup* Add() { return static_cast<TSeriesGroup*>(TCollection::Add()); }
};
