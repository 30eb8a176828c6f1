#include "platform/classes/StringList.h"

#include "platform/classes/Streams.h"
#include "platform/rtl/ResStrings.h"
#include "platform/rtl/StrUtils.h"

#include <QFile>

#include <algorithm>
#include <numeric>

ORVO_IMPLEMENT_CLASS(TStrings, TPersistent)
ORVO_IMPLEMENT_CLASS(TStringList, TStrings)

namespace {
// Keeps a list inside one update bracket for the lifetime of the guard.
class UpdateGuard {
public:
    explicit UpdateGuard(TStrings* s) : s_(s) { s_->BeginUpdate(); }
    ~UpdateGuard() { s_->EndUpdate(); }
    UpdateGuard(const UpdateGuard&) = delete;
    UpdateGuard& operator=(const UpdateGuard&) = delete;

private:
    TStrings* s_;
};

// Blanks and control characters end an unquoted item.
bool isBlank(QChar c) {
    return c.unicode() <= u' ';
}

String quoted(const String& s, QChar quote) {
    String r;
    r.reserve(s.size() + 2);
    r += quote;
    for (QChar c : s) {
        r += c;
        if (c == quote) r += c;
    }
    r += quote;
    return r;
}

String delimitedText(const TStrings& list, QChar delim, QChar quote) {
    const int count = list.Count();
    if (count == 1 && list.Strings(0).isEmpty()) return String(2, quote);
    String result;
    for (int i = 0; i < count; ++i) {
        const String s = list.Strings(i);
        const bool needsQuotes =
            std::any_of(s.begin(), s.end(), [&](QChar c) { return isBlank(c) || c == quote || c == delim; });
        if (i > 0) result += delim;
        result += needsQuotes ? quoted(s, quote) : s;
    }
    return result;
}

// Reads a quoted item starting at text[i] (the opening quote); i ends past the closing
// quote, or at the end of an unterminated item.
String extractQuoted(const String& text, qsizetype& i, QChar quote) {
    String r;
    const qsizetype n = text.size();
    ++i;
    while (i < n) {
        const QChar c = text[i];
        if (c == quote) {
            if (i + 1 < n && text[i + 1] == quote) {
                r += quote;
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        r += c;
        ++i;
    }
    return r;
}

void setDelimitedText(TStrings& list, const String& text, QChar delim, QChar quote) {
    UpdateGuard guard(&list);
    list.Clear();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isBlank(text[i]))
        ++i;
    while (i < n) {
        String item;
        if (text[i] == quote) {
            item = extractQuoted(text, i, quote);
        } else {
            const qsizetype start = i;
            while (i < n && !isBlank(text[i]) && text[i] != delim)
                ++i;
            item = text.mid(start, i - start);
        }
        list.Add(item);
        while (i < n && isBlank(text[i]))
            ++i;
        if (i < n && text[i] == delim) {
            // A delimiter at the very end stands for a last, empty item.
            if (i + 1 == n) list.Add(String());
            do
                ++i;
            while (i < n && isBlank(text[i]));
        }
    }
}
} // namespace

// ------------------------------------------------------------------------------- TStrings

TStrings::~TStrings() = default;

void TStrings::Error(const String& Msg, int Data) {
    String text = Msg;
    const int d = text.indexOf(QLatin1String("%d"));
    if (d >= 0) text.replace(d, 2, QString::number(Data));
    throw EStringListError(text);
}

int TStrings::Add(const String& S) {
    const int index = GetCount();
    Insert(index, S);
    return index;
}

int TStrings::AddObject(const String& S, TObject* AObject) {
    const int index = Add(S);
    PutObject(index, AObject);
    return index;
}

void TStrings::AddStrings(TStrings* Strings) {
    if (!Strings) return;
    UpdateGuard guard(this);
    if (Strings == this) {
        // Adding a list to itself: read everything first, as adding shifts a sorted list.
        std::vector<std::pair<String, TObject*>> copy;
        const int count = Count();
        copy.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            copy.emplace_back(Get(i), GetObject(i));
        for (const auto& [s, o] : copy)
            AddObject(s, o);
        return;
    }
    const int count = Strings->Count();
    for (int i = 0; i < count; ++i)
        AddObject(Strings->Get(i), Strings->GetObject(i));
}

void TStrings::Assign(TPersistent* Source) {
    if (auto* src = dynamic_cast<TStrings*>(Source)) {
        if (src == this) return;
        UpdateGuard guard(this);
        Clear();
        FDelimiter = src->FDelimiter;
        FQuoteChar = src->FQuoteChar;
        AddStrings(src);
        return;
    }
    TPersistent::Assign(Source);
}

void TStrings::Exchange(int Index1, int Index2) {
    UpdateGuard guard(this);
    const String s1 = Get(Index1);
    TObject* o1 = GetObject(Index1);
    Put(Index1, Get(Index2));
    PutObject(Index1, GetObject(Index2));
    Put(Index2, s1);
    PutObject(Index2, o1);
}

void TStrings::InsertObject(int Index, const String& S, TObject* AObject) {
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    // Both positions are checked before anything changes, so a bad target loses no line.
    const int count = GetCount();
    if (CurIndex < 0 || CurIndex >= count) Error(LoadResString(&SListIndexError), CurIndex);
    if (NewIndex < 0 || NewIndex >= count) Error(LoadResString(&SListIndexError), NewIndex);
    UpdateGuard guard(this);
    const String s = Get(CurIndex);
    TObject* o = GetObject(CurIndex);
    // The slot is emptied first so that a list owning its objects does not free this one.
    PutObject(CurIndex, nullptr);
    Delete(CurIndex);
    InsertObject(NewIndex, s, o);
}

int TStrings::IndexOf(const String& S) const {
    const int count = GetCount();
    for (int i = 0; i < count; ++i)
        if (CompareStrings(Get(i), S) == 0) return i;
    return -1;
}

int TStrings::IndexOfName(const String& Name) const {
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        const String s = Get(i);
        const qsizetype p = s.indexOf(QLatin1Char('='));
        if (p >= 0 && CompareStrings(s.left(p), Name) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfObject(TObject* AObject) const {
    const int count = GetCount();
    for (int i = 0; i < count; ++i)
        if (GetObject(i) == AObject) return i;
    return -1;
}

void TStrings::BeginUpdate() {
    if (FUpdateCount == 0) SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    // An unbalanced EndUpdate is ignored: a negative count would silence the list for good.
    if (FUpdateCount == 0) return;
    --FUpdateCount;
    if (FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::LoadFromFile(const String& FileName) {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError::CreateResFmt(&SFOpenErrorEx, {FileName, file.errorString()});
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    UpdateGuard guard(this);
    SetTextStr(QString::fromUtf8(bytes));
}

void TStrings::LoadFromStream(TStream* Stream) {
    QByteArray bytes(static_cast<qsizetype>(std::max<Int64>(Stream->Size() - Stream->Position(), 0)), '\0');
    bytes.resize(Stream->Read(bytes.data(), static_cast<int>(bytes.size())));
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    UpdateGuard guard(this);
    SetTextStr(QString::fromUtf8(bytes));
}

void TStrings::SaveToStream(TStream* Stream) const {
    const QByteArray bytes = GetTextStr().toUtf8();
    Stream->WriteBuffer(bytes.constData(), static_cast<int>(bytes.size()));
}

void TStrings::SaveToFile(const String& FileName) const {
    QFile file(FileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EFCreateError::CreateResFmt(&SFCreateErrorEx, {FileName, file.errorString()});
    const QByteArray bytes = GetTextStr().toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush()) throw EWriteError::CreateRes(&SWriteError);
}

String TStrings::DelimitedText() const {
    return delimitedText(*this, FDelimiter, FQuoteChar);
}

void TStrings::SetDelimitedText(const String& Value) {
    setDelimitedText(*this, Value, FDelimiter, FQuoteChar);
}

String TStrings::CommaText() const {
    return delimitedText(*this, QLatin1Char(','), QLatin1Char('"'));
}

void TStrings::SetCommaText(const String& Value) {
    setDelimitedText(*this, Value, QLatin1Char(','), QLatin1Char('"'));
}

String TStrings::Names(int Index) const {
    const String s = Get(Index);
    const qsizetype p = s.indexOf(QLatin1Char('='));
    return p >= 0 ? s.left(p) : String();
}

String TStrings::Values(const String& Name) const {
    const int i = IndexOfName(Name);
    return i >= 0 ? ValueFromIndex(i) : String();
}

void TStrings::SetValues(const String& Name, const String& Value) {
    const int i = IndexOfName(Name);
    if (!Value.isEmpty()) {
        // A new pair is added whole (never as an empty line first), which also works
        // for a sorted list.
        if (i < 0)
            Add(Name + QLatin1Char('=') + Value);
        else
            Put(i, Name + QLatin1Char('=') + Value);
    } else if (i >= 0) {
        Delete(i);
    }
}

String TStrings::ValueFromIndex(int Index) const {
    if (Index < 0) return String();
    const String s = Get(Index);
    const qsizetype p = s.indexOf(QLatin1Char('='));
    return p >= 0 ? s.mid(p + 1) : String();
}

void TStrings::SetValueFromIndex(int Index, const String& Value) {
    if (!Value.isEmpty()) {
        if (Index < 0)
            Add(QLatin1Char('=') + Value);
        else
            Put(Index, Names(Index) + QLatin1Char('=') + Value);
    } else if (Index >= 0) {
        Delete(Index);
    }
}

TObject* TStrings::GetObject(int) const {
    return nullptr;
}

void TStrings::Put(int Index, const String& S) {
    TObject* o = GetObject(Index);
    PutObject(Index, nullptr);
    Delete(Index);
    InsertObject(Index, S, o);
}

void TStrings::PutObject(int, TObject*) {}

String TStrings::GetTextStr() const {
    const int count = GetCount();
    String result;
    for (int i = 0; i < count; ++i) {
        result += Get(i);
        result += QLatin1String(sLineBreak);
    }
    return result;
}

void TStrings::SetTextStr(const String& Value) {
    UpdateGuard guard(this);
    Clear();
    const qsizetype n = Value.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype start = i;
        while (i < n && Value[i] != u'\r' && Value[i] != u'\n')
            ++i;
        Add(Value.mid(start, i - start));
        if (i < n && Value[i] == u'\r') ++i;
        if (i < n && Value[i] == u'\n') ++i;
    }
}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const String& S1, const String& S2) const {
    return AnsiCompareText(S1, S2);
}

// ---------------------------------------------------------------------------- TStringList

TStringList::~TStringList() {
    OnChange = nullptr;
    OnChanging = nullptr;
    Clear();
}

void TStringList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= GetCount()) Error(LoadResString(&SListIndexError), Index);
}

int TStringList::Add(const String& S) {
    return AddObject(S, nullptr);
}

int TStringList::AddObject(const String& S, TObject* AObject) {
    int index = GetCount();
    if (FSorted && Find(S, index)) {
        if (FDuplicates == dupIgnore) return index;
        if (FDuplicates == dupError) Error(LoadResString(&SDuplicateString), 0);
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::InsertItem(int Index, const String& S, TObject* AObject) {
    Changing();
    FList.insert(FList.begin() + Index, TStringItem{S, AObject});
    Changed();
}

void TStringList::Clear() {
    if (FList.empty()) return;
    Changing();
    std::vector<TObject*> owned;
    if (FOwnsObjects)
        for (const TStringItem& item : FList)
            if (item.FObject) owned.push_back(item.FObject);
    FList.clear();
    for (TObject* o : owned)
        FreeObject(o);
    Changed();
}

void TStringList::Delete(int Index) {
    CheckIndex(Index);
    Changing();
    TObject* owned = FOwnsObjects ? FList[static_cast<size_t>(Index)].FObject : nullptr;
    FList.erase(FList.begin() + Index);
    FreeObject(owned);
    Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    std::swap(FList[static_cast<size_t>(Index1)], FList[static_cast<size_t>(Index2)]);
    Changed();
}

void TStringList::Insert(int Index, const String& S) {
    InsertObject(Index, S, nullptr);
}

void TStringList::InsertObject(int Index, const String& S, TObject* AObject) {
    if (FSorted) Error(LoadResString(&SSortedListError), 0);
    if (Index < 0 || Index > GetCount()) Error(LoadResString(&SListIndexError), Index);
    InsertItem(Index, S, AObject);
}

void TStringList::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    // Refused before the line is taken out, so a sorted list loses nothing.
    if (FSorted) Error(LoadResString(&SSortedListError), 0);
    TStrings::Move(CurIndex, NewIndex);
}

bool TStringList::Find(const String& S, int& Index) const {
    bool found = false;
    int lo = 0, hi = GetCount() - 1;
    while (lo <= hi) {
        const int mid = lo + (hi - lo) / 2;
        const int c = CompareStrings(FList[static_cast<size_t>(mid)].FString, S);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                // With duplicates accepted, keep searching left for the first match.
                if (FDuplicates != dupAccept) lo = mid;
            }
        }
    }
    Index = lo;
    return found;
}

int TStringList::IndexOf(const String& S) const {
    if (!FSorted) return TStrings::IndexOf(S);
    int index = -1;
    return Find(S, index) ? index : -1;
}

String TStringList::Get(int Index) const {
    CheckIndex(Index);
    return FList[static_cast<size_t>(Index)].FString;
}

TObject* TStringList::GetObject(int Index) const {
    CheckIndex(Index);
    return FList[static_cast<size_t>(Index)].FObject;
}

void TStringList::Put(int Index, const String& S) {
    if (FSorted) Error(LoadResString(&SSortedListError), 0);
    CheckIndex(Index);
    Changing();
    FList[static_cast<size_t>(Index)].FString = S;
    Changed();
}

void TStringList::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    Changing();
    FList[static_cast<size_t>(Index)].FObject = AObject;
    Changed();
}

void TStringList::SetUpdateState(bool Updating) {
    if (Updating)
        Changing();
    else
        Changed();
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

int TStringList::CompareStrings(const String& S1, const String& S2) const {
    return FCaseSensitive ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

int TStringList::CompareItems(TStringList* List, int Index1, int Index2) {
    return List->CompareStrings(List->FList[static_cast<size_t>(Index1)].FString,
                                List->FList[static_cast<size_t>(Index2)].FString);
}

void TStringList::Sort() {
    CustomSort(&TStringList::CompareItems);
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
    if (FSorted || GetCount() < 2 || !Compare) return;
    Changing();
    SortItems(Compare);
    Changed();
}

// Sorts stably: the comparison sees the list unchanged (it is given positions in the
// original order), then the items are rearranged once.
void TStringList::SortItems(const TStringListSortCompare& Compare) {
    std::vector<int> order(FList.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return Compare(this, a, b) < 0; });
    std::vector<TStringItem> sorted;
    sorted.reserve(FList.size());
    for (int i : order)
        sorted.push_back(std::move(FList[static_cast<size_t>(i)]));
    FList.swap(sorted);
}

void TStringList::SetSorted(bool Value) {
    if (FSorted == Value) return;
    if (Value) Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
    if (FCaseSensitive == Value) return;
    FCaseSensitive = Value;
    // A sorted list is put back in order for the new comparison, or Find would miss.
    if (FSorted && GetCount() > 1) {
        Changing();
        SortItems(&TStringList::CompareItems);
        Changed();
    }
}
