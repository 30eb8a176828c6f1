#include "platform/classes/ResourceStream.h"

#include <mutex>
#include <vector>

ORVO_IMPLEMENT_CLASS(TResourceStream, TCustomMemoryStream)

namespace {
struct Table {
    const TResourceEntry* Entries;
    std::size_t Count;
};
std::mutex& tableLock() {
    static std::mutex m;
    return m;
}
std::vector<Table>& tables() {
    static std::vector<Table> v;
    return v;
}
} // namespace

void RegisterResources(const TResourceEntry* Entries, std::size_t Count) {
    std::lock_guard lock(tableLock());
    tables().push_back({Entries, Count});
}

void UnregisterResources(const TResourceEntry* Entries) {
    std::lock_guard lock(tableLock());
    auto& t = tables();
    t.erase(std::remove_if(t.begin(), t.end(), [&](const Table& x) { return x.Entries == Entries; }),
            t.end());
}

const TResourceEntry* FindResource(NativeUInt, const String& Name, const String& Type) {
    std::lock_guard lock(tableLock());
    const auto& t = tables();
    for (auto it = t.rbegin(); it != t.rend(); ++it)
        for (std::size_t i = 0; i < it->Count; ++i) {
            const TResourceEntry& e = it->Entries[i];
            if (Name.compare(QLatin1String(e.Name), Qt::CaseInsensitive) == 0 &&
                Type.compare(QLatin1String(e.Type), Qt::CaseInsensitive) == 0)
                return &e;
        }
    return nullptr;
}

TResourceStream::TResourceStream(NativeUInt Instance, const String& ResName, const String& ResType) {
    const TResourceEntry* e = FindResource(Instance, ResName, ResType);
    if (!e) throw EResNotFound::CreateResFmt(&SResNotFound, {ResName});
    SetPointer(const_cast<Byte*>(e->Data), Int64(e->Size));
}

int TResourceStream::Write(const void*, int) {
    throw EStreamError(QStringLiteral("Can't write to a read-only resource stream"));
}
