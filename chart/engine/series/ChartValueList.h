// Value lists: the growable arrays of doubles behind every series' X, Y and further values,
// each with a keeping order, a date-time flag, the name of the field it is filled from and
// statistics (minimum, maximum, total, total of absolute values) recomputed on demand after
// a change.
#pragma once

#include "platform/classes/List.h"
#include "platform/classes/Persistent.h"
#include "platform/classes/TypInfo.h"

#include <vector>

class TChartSeries;
class TReader;

enum TChartListOrder { loNone, loAscending, loDescending };
ORVO_DECLARE_ENUM_TYPE(TChartListOrder)

// The number of values a full array grows by at least; it grows by its own length when
// that is more, so that appending stays linear.
extern int TeeDefaultCapacity;

class TChartValueList : public TPersistent {
    ORVO_CLASS(TChartValueList, TPersistent)
public:
    // ---- operations in slot order ----
    void Assign(TPersistent* Source) override;
    // Stores Value as TempValue and inserts it keeping Order; the index it went to.
    virtual int AddChartValue(double Value);
    // Count 0, the array released, statistics stale.
    virtual void ClearValues();
    // Opens a gap at Index (0 <= Index <= Count, not checked) and stores Value there.
    virtual void InsertChartValue(int Index, double Value);
    // Appends itself to Owner's value lists when there is an owner.
    TChartValueList(TChartSeries* Owner, const String& Name);
    // Removes value Index (not checked: the series checks).
    virtual void Delete(int Index);

    ~TChartValueList() override;

    // Inserts TempValue keeping Order; the index it went to.
    int AddChartValue();
    // Removes Quantity values from Start (not checked: the series checks).
    void Delete(int Start, int Quantity);

    int Count() const { return FCount; }
    double Value(int Index) const { return FValue[Index]; }
    double GetValue(int Index) const { return FValue[Index]; }
    double operator[](int Index) const { return FValue[Index]; }
    // Stores, marks the statistics stale and tells the owner (veModify).
    void SetValue(int Index, double Value);
    // Stores and marks the statistics stale without telling the owner.
    void SetValueQuiet(int Index, double Value) {
        FValue[Index] = Value;
        IModified = true;
    }
    double First() const { return FValue[0]; }
    double Last() const { return FValue[FCount - 1]; }
    // The values 0 .. Count-1 (the storage may be longer).
    const double* Data() const { return FValue.data(); }
    // The length of the storage.
    int Capacity() const { return static_cast<int>(FValue.size()); }

    // First index in FirstIndex .. LastIndex holding exactly Value; -1 when none.
    int Locate(double Value) const;
    int Locate(double Value, int FirstIndex, int LastIndex) const;

    double MaxValue() const;
    double MinValue() const;
    double Total() const;
    double TotalABS() const;
    // Replaces the absolute total until the values change next (a pie's grouped slices
    // count once).
    void SetTotalABS(double Value) {
        if (IModified) RecalcStats();
        FTotalABS = Value;
    }
    double Range() const { return MaxValue() - MinValue(); }

    // Swaps two values and tells the owner (veModify, Index1).
    void Exchange(int Index1, int Index2);
    // Value i := i for every index; tells the owner (veModify, 0).
    void FillSequence();
    // Rotates the values one place towards the front: the first becomes the last.
    void Scroll();
    // Sorts the owner's points by this list when Order is not loNone.
    void Sort();
    // -1, 0 or 1 as value a sorts before, with or after value b in Order.
    int CompareValueIndex(int a, int b) const;
    // The value in the runtime's general number text.
    String ValueToString(int Index) const;

    bool DateTime() const { return FDateTime; }
    // Through the owner's setter, so that its chart repaints.
    void SetDateTime(bool Value);
    // Sets DateTime and the value of it that streams leave out.
    void InitDateTime(bool Value);
    bool IsDateStored() const { return FDateTime != FDefaultDateTime; }
    const String& Name() const { return FName; }
    void SetName(const String& Value) { FName = Value; }
    TChartListOrder Order() const { return FOrder; }
    void SetOrder(TChartListOrder Value) { FOrder = Value; }
    TChartSeries* Owner() const { return FOwner; }
    const String& ValueSource() const { return FValueSource; }
    // Asks the owner to refill from its data source when the text changed.
    void SetValueSource(const String& Value);

    // Whether the statistics are stale.
    bool Modified() const { return IModified; }
    void SetModified(bool Value) { IModified = Value; }
    // The object a data source may attach; never created or freed by the list.
    TObject* DataSourceObject() const { return IData; }
    void SetDataSourceObject(TObject* Value) { IData = Value; }

    // Recomputes the statistics, from value 0, or carrying on the running figures from
    // StartIndex.
    void RecalcStats() const;
    void RecalcStats(int StartIndex) const;

    // The value the next parameterless AddChartValue inserts.
    double TempValue = 0;

protected:
    void DefineProperties(TFiler* Filer) override;

private:
    void ReadMultiplier(TReader* Reader);
    // Room for one more value.
    void Grow();

    int FCount = 0;
    bool FDateTime = false;
    mutable double FMaxValue = 0;
    mutable double FMinValue = 0;
    String FName;
    TChartListOrder FOrder = loNone;
    TChartSeries* FOwner = nullptr;
    mutable double FTotal = 0;
    mutable double FTotalABS = 0;
    String FValueSource;
    bool FDefaultDateTime = false;
    mutable bool IModified = true;
    TObject* IData = nullptr;
    std::vector<double> FValue;
};

// A series' value lists in creation order: X, Y, then the further ones. The list owns them.
class TChartValueLists : public TList {
    ORVO_CLASS(TChartValueLists, TList)
public:
    ~TChartValueLists() override;
    TChartValueList* Get(int Index) const { return static_cast<TChartValueList*>(Items(Index)); }
    TChartValueList* operator[](int Index) const { return Get(Index); }
    // Destroys every list and empties itself.
    void Clear() override;
};
