// String lists: TStrings, the abstract list of strings with an object per string, and
// TStringList, its stored implementation (sorting, duplicates, change events).
#pragma once

#include "platform/classes/Event.h"
#include "platform/classes/List.h"
#include "platform/classes/Persistent.h"

#include <functional>
#include <vector>

// A list of strings, each with an object slot. The slot is pointer-sized and may hold an
// integer cast to a pointer. A control-bound list (memo lines, combo items, ...) derives
// from TStrings with ORVO_CLASS(TMemoStrings, TStrings) and so reports its own class name
// through ClassName()/ClassNameIs().
class TStream;

class TStrings : public TPersistent {
    ORVO_CLASS(TStrings, TPersistent)
public:
    TStrings() = default;
    ~TStrings() override;

    virtual int Add(const String& S);
    virtual int AddObject(const String& S, TObject* AObject);
    // Appends every string of Strings with its object.
    virtual void AddStrings(TStrings* Strings);
    // From another list: clears, copies the strings, objects, Delimiter and QuoteChar.
    void Assign(TPersistent* Source) override;
    virtual void Clear() = 0;
    virtual void Delete(int Index) = 0;
    virtual void Exchange(int Index1, int Index2);
    virtual void Insert(int Index, const String& S) = 0;
    virtual void InsertObject(int Index, const String& S, TObject* AObject);
    virtual void Move(int CurIndex, int NewIndex);

    virtual int IndexOf(const String& S) const;
    // The first line "name=value" whose name matches Name (compared as the list compares).
    int IndexOfName(const String& Name) const;
    virtual int IndexOfObject(TObject* AObject) const;

    // Brackets a series of changes: the change events fire once, at the outer ends.
    void BeginUpdate();
    void EndUpdate();

    // UTF-8 text files, lines split as by SetText.
    virtual void LoadFromFile(const String& FileName);
    virtual void SaveToFile(const String& FileName) const;
    // The same text from the stream's position to its end, and to the stream's position.
    virtual void LoadFromStream(TStream* Stream);
    virtual void SaveToStream(TStream* Stream) const;

    int Count() const { return GetCount(); }
    String Strings(int Index) const { return Get(Index); }
    void SetStrings(int Index, const String& S) { Put(Index, S); }
    String operator[](int Index) const { return Get(Index); }
    TObject* Objects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }

    // Every line followed by CR LF (the last one too).
    String Text() const { return GetTextStr(); }
    // Splits at CR LF, lone LF and lone CR; a final line break adds no empty line.
    void SetText(const String& Value) { SetTextStr(Value); }

    // The lines separated by Delimiter; a line that is empty while alone in the list, or
    // holds a blank, control character, QuoteChar or Delimiter is quoted, with QuoteChar
    // doubled inside.
    String DelimitedText() const;
    // Splits at Delimiter and at blanks outside quotes; a quoted part keeps everything
    // up to the closing quote, a doubled QuoteChar standing for one.
    void SetDelimitedText(const String& Value);
    // DelimitedText with ',' and '"'.
    String CommaText() const;
    void SetCommaText(const String& Value);
    QChar Delimiter() const { return FDelimiter; }
    void SetDelimiter(QChar Value) { FDelimiter = Value; }
    QChar QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(QChar Value) { FQuoteChar = Value; }

    // "name=value" lines.
    String Names(int Index) const;
    String Values(const String& Name) const;
    // Sets the value of Name (appending "Name=Value" when Name is missing); an empty
    // Value deletes the line.
    void SetValues(const String& Name, const String& Value);
    String ValueFromIndex(int Index) const;
    void SetValueFromIndex(int Index, const String& Value);

protected:
    virtual String Get(int Index) const = 0;
    virtual int GetCount() const = 0;
    virtual TObject* GetObject(int Index) const;
    // Replaces the string at Index, keeping its object.
    virtual void Put(int Index, const String& S);
    virtual void PutObject(int Index, TObject* AObject);
    virtual String GetTextStr() const;
    virtual void SetTextStr(const String& Value);
    // Called by BeginUpdate (true) and EndUpdate (false) at the outer ends of a bracket.
    virtual void SetUpdateState(bool Updating);
    // Compares two strings as the list does (case-insensitively here).
    virtual int CompareStrings(const String& S1, const String& S2) const;
    int UpdateCount() const { return FUpdateCount; }
    [[noreturn]] static void Error(const String& Msg, int Data);

private:
    int FUpdateCount = 0;
    QChar FDelimiter = QLatin1Char(',');
    QChar FQuoteChar = QLatin1Char('"');
};

class TStringList;
// Orders the items at Index1 and Index2 of List: negative, zero or positive.
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

class TStringList : public TStrings {
    ORVO_CLASS(TStringList, TStrings)
public:
    TStringList() = default;
    // TStringList(true): a list that frees its objects. Only a real bool selects this
    // constructor.
    template <class B, std::enable_if_t<std::is_same_v<B, bool>, int> = 0>
    explicit TStringList(B AOwnsObjects) : FOwnsObjects(AOwnsObjects) {}
    ~TStringList() override;

    int Add(const String& S) override;
    int AddObject(const String& S, TObject* AObject) override;
    void Clear() override;
    void Delete(int Index) override;
    void Exchange(int Index1, int Index2) override;
    void Insert(int Index, const String& S) override;
    void InsertObject(int Index, const String& S, TObject* AObject) override;
    void Move(int CurIndex, int NewIndex) override;
    int IndexOf(const String& S) const override;
    // Binary search of a sorted list: true when found; Index is the position of the
    // (first, with dupAccept) match, or where S would be inserted.
    bool Find(const String& S, int& Index) const;
    // Sorts an unsorted list (a sorted one is always in order).
    virtual void Sort();
    virtual void CustomSort(const TStringListSortCompare& Compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    int CompareStrings(const String& S1, const String& S2) const override;
    String Get(int Index) const override;
    int GetCount() const override { return static_cast<int>(FList.size()); }
    TObject* GetObject(int Index) const override;
    void Put(int Index, const String& S) override;
    void PutObject(int Index, TObject* AObject) override;
    void SetUpdateState(bool Updating) override;
    virtual void Changed();
    virtual void Changing();
    virtual void InsertItem(int Index, const String& S, TObject* AObject);

private:
    struct TStringItem {
        String FString;
        TObject* FObject = nullptr;
    };
    void CheckIndex(int Index) const;
    static int CompareItems(TStringList* List, int Index1, int Index2);
    void SortItems(const TStringListSortCompare& Compare);

    std::vector<TStringItem> FList;
    bool FSorted = false;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
    TDuplicates FDuplicates = dupIgnore;
};
