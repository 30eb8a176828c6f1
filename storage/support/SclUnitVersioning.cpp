#include "storage/support/SclUnitVersioning.h"

#include "platform/rtl/DateTime.h"
#include "platform/rtl/StrUtils.h"
#include "platform/win/Process.h"

#include <atomic>

ORVO_IMPLEMENT_CLASS(TUnitVersion, TObject)
ORVO_IMPLEMENT_CLASS(TUnitVersioningModule, TObject)
ORVO_IMPLEMENT_CLASS(TCustomUnitVersioningProvider, TObject)
ORVO_IMPLEMENT_CLASS(TUnitVersioning, TObject)

namespace {

String TextOf(const char16_t* p) {
    return p ? QString::fromUtf16(p) : String();
}

// The keyword's value: the trimmed text without "<prefix>" and the closing " $".
bool TakeKeyword(String& s, const String& prefix) {
    if (!s.startsWith(prefix)) return false;
    s = s.mid(prefix.size());
    s.chop(2);
    return true;
}

// The number at the start of s (digits only); 0 when there is none.
int LeadingNumber(const String& s) {
    int n = 0, i = 0;
    while (i < s.size() && i < 9 && s[i] >= u'0' && s[i] <= u'9')
        n = n * 10 + (s[i++].unicode() - u'0');
    return n;
}

int NumberAt(const String& s, int from, int count) {
    return LeadingNumber(s.mid(from, count));
}

} // namespace

String TUnitVersion::RCSfile() const {
    String s = TextOf(FInfo->RCSfile).trimmed();
    if (TakeKeyword(s, QStringLiteral("$RCSfile: "))) {
        const int comma = int(s.lastIndexOf(u','));
        if (comma >= 0) s.truncate(comma);
    } else if (TakeKeyword(s, QStringLiteral("$URL: "))) {
        s = s.mid(s.lastIndexOf(u'/') + 1);
    }
    return s;
}

String TUnitVersion::Revision() const {
    String s = TextOf(FInfo->Revision).trimmed();
    TakeKeyword(s, QStringLiteral("$Revision: "));
    return s;
}

String TUnitVersion::Date() const {
    String s = TextOf(FInfo->Date).trimmed();
    TakeKeyword(s, QStringLiteral("$Date: "));
    return s;
}

String TUnitVersion::Extra() const {
    return TextOf(FInfo->Extra).trimmed();
}

String TUnitVersion::LogPath() const {
    return TextOf(FInfo->LogPath).trimmed();
}

TDateTime TUnitVersion::DateTime() const {
    const String s = Date();
    int year = 0, month = 0, day = 0;
    if (s.contains(u'/') || s.contains(u'-')) {
        if (s.size() > 4 && (s[4] == u'/' || s[4] == u'-')) {
            year = NumberAt(s, 0, 4), month = NumberAt(s, 5, 2), day = NumberAt(s, 8, 2);
        } else {
            month = NumberAt(s, 0, 2), day = NumberAt(s, 3, 2), year = NumberAt(s, 6, 4);
        }
    } else if (s.contains(u'.')) {
        day = NumberAt(s, 0, 2), month = NumberAt(s, 3, 2), year = NumberAt(s, 6, 4);
    } else {
        return 0;
    }
    TDateTime date = 0;
    if (!TryEncodeDate(Word(year), Word(month), Word(day), date)) return 0;

    const int space = int(s.indexOf(u' '));
    String rest = space < 0 ? String() : s.mid(space + 1).trimmed();
    const QChar sep = rest.contains(u':') ? u':' : u'/';
    int parts[3] = {0, 0, 0};
    for (int& part : parts) {
        const int at = int(rest.indexOf(sep));
        part = LeadingNumber(at < 0 ? rest : rest.left(at));
        rest = at < 0 ? String() : rest.mid(at + 1);
    }
    TDateTime time = 0;
    if (!TryEncodeTime(Word(parts[0]), Word(parts[1]), Word(parts[2]), 0, time)) time = 0;
    return date + time;
}

TUnitVersioningModule::~TUnitVersioningModule() = default;

int TUnitVersioningModule::IndexOfInfo(const TUnitVersionInfo* Info) const {
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i]->Info() == Info) return int(i);
    return -1;
}

void TUnitVersioningModule::Add(const TUnitVersionInfo* Info) {
    if (IndexOfInfo(Info) < 0) FItems.push_back(std::make_unique<TUnitVersion>(Info));
}

void TCustomUnitVersioningProvider::LoadModuleUnitVersioningInfo(void*) {}
void TCustomUnitVersioningProvider::ReleaseModuleUnitVersioningInfo(void*) {}

TUnitVersioning::TUnitVersioning() = default;
TUnitVersioning::~TUnitVersioning() = default;

void TUnitVersioning::ValidateModules() {
    // A module whose file can no longer be named was unloaded without dropping its records.
    for (int i = int(FModules.size()) - 1; i >= 0; --i)
        if (GetModuleFileName(FModules[std::size_t(i)]->Instance()).isEmpty())
            FModules.erase(FModules.begin() + i);
}

int TUnitVersioning::Count() {
    ValidateModules();
    int n = 0;
    for (const auto& m : FModules)
        n += m->Count();
    return n;
}

int TUnitVersioning::ModuleCount() {
    ValidateModules();
    return int(FModules.size());
}

TUnitVersion* TUnitVersioning::Items(int Index) {
    ValidateModules();
    for (const auto& m : FModules) {
        if (Index < m->Count()) return Index >= 0 ? m->Items(Index) : nullptr;
        Index -= m->Count();
    }
    return nullptr;
}

void TUnitVersioning::NoteRecord(void* Instance, const TUnitVersionInfo* Info) {
    for (const auto& m : FModules)
        if (m->Instance() == Instance) {
            m->Add(Info);
            return;
        }
    FModules.push_back(std::make_unique<TUnitVersioningModule>(Instance));
    FModules.back()->Add(Info);
}

void TUnitVersioning::DropModule(void* Instance) {
    for (int i = int(FModules.size()) - 1; i >= 0; --i)
        if (FModules[std::size_t(i)]->Instance() == Instance) {
            FModules.erase(FModules.begin() + i);
            break;
        }
    for (const auto& p : FProviders)
        p->ReleaseModuleUnitVersioningInfo(Instance);
}

TUnitVersion* TUnitVersioning::FindUnit(const String& RCSfile, const String& LogPath) {
    const int i = IndexOf(RCSfile, LogPath);
    return i < 0 ? nullptr : Items(i);
}

int TUnitVersioning::IndexOf(const String& RCSfile, const String& LogPath) {
    ValidateModules();
    int index = 0;
    for (const auto& m : FModules)
        for (int i = 0; i < m->Count(); ++i, ++index) {
            const TUnitVersion* v = m->Items(i);
            if (SameText(v->RCSfile(), RCSfile) && (LogPath == u"*" || SameText(LogPath, v->LogPath())))
                return index;
        }
    return -1;
}

void TUnitVersioning::RegisterProvider(TUnitVersioningProviderClass ProviderClass) {
    if (!ProviderClass || !ProviderClass->CreatePlain) return;
    for (const auto& p : FProviders)
        if (p->ClassType() == ProviderClass) return;
    TObject* made = ProviderClass->CreatePlain();
    auto* provider = dynamic_cast<TCustomUnitVersioningProvider*>(made);
    if (!provider) {
        delete made;
        return;
    }
    FProviders.emplace_back(provider);
}

void TUnitVersioning::LoadModuleUnitVersioningInfo(void* Instance) {
    for (const auto& p : FProviders)
        p->LoadModuleUnitVersioningInfo(Instance);
}

namespace {

// Set when the registry has been freed at the program's end; constant-initialised, so it
// stays readable while the other units end.
constinit std::atomic<bool> registryFinalized{false};

// The process's one registry. It is made on the first registration, so it is destroyed
// after every unit that registered, and with it the registry ends.
struct RegistryHolder {
    TUnitVersioning* instance = new TUnitVersioning;
    ~RegistryHolder() {
        registryFinalized = true;
        delete instance;
        instance = nullptr;
    }
};

} // namespace

TUnitVersioning* GetUnitVersioning() {
    if (registryFinalized) return nullptr;
    static RegistryHolder holder;
    return holder.instance;
}

void NoteUnitRevision(void* Instance, const TUnitVersionInfo* Info) {
    if (TUnitVersioning* r = GetUnitVersioning()) r->NoteRecord(Instance, Info);
}

void DropModuleRevisions(void* Instance) {
    if (TUnitVersioning* r = GetUnitVersioning()) r->DropModule(Instance);
}

namespace {
const TUnitVersionInfo UnitVersioning =
    SCL_UNIT_VERSION(u"scl/source/common/SclUnitVersioning.pas", u"3380",
                     u"2010-10-11 18:47:52 +0200 (Mon, 11 Oct 2010)", u"SCL\\source\\common");
const TUnitRevisionNote note(UnitVersioning);
} // namespace
