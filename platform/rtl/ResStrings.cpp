#include "platform/rtl/ResStrings.h"

#include <atomic>
#include <mutex>
#include <thread>
#include <unordered_map>

namespace platform::detail {
namespace {

// Every string of the layer itself, known to LoadStr without registration.
constexpr const TResStringRec* kLayerStrings[] = {
    &SInvalidInteger,
    &SInvalidFloat,
    &SInvalidFormat,
    &SInvalidDate,
    &SInvalidTime,
    &SInvalidDateTime,
    &SAssignError,
    &SListIndexError,
    &SListCapacityError,
    &SDuplicateString,
    &SSortedListError,
    &SListCountError,
    &SDuplicateItem,
    &SInvalidCast,
    &SParentRequired,
    &SDuplicateName,
    &SInvalidName,
    &SUnknownProperty,
    &SClassNotFound,
    &SResNotFound,
    &SReadError,
    &SWriteError,
    &SPropertyDoesNotExist,
    &SInvalidPropertyValue,
    &SErrorReading,
    &SFOpenErrorEx,
    &SFCreateErrorEx,
    &SAbstractError,
    &SThreadStartError,
    &SDuplicateClass,
    &SOSError,
    &SUnkOSError,
    &SAssertionFailed,
    &SAssertError,
    &SOperationAborted,
    &SNotPrinting,
    &SNoDefaultPrinter,
    &SApplicationError,
    &SMsgDlgWarning,
    &SMsgDlgError,
    &SMsgDlgInformation,
    &SMsgDlgConfirm,
    &SMsgDlgYes,
    &SMsgDlgNo,
    &SMsgDlgOK,
    &SMsgDlgCancel,
    &SMsgDlgAbort,
    &SMsgDlgRetry,
    &SMsgDlgIgnore,
    &SMsgDlgAll,
    &SMsgDlgNoToAll,
    &SMsgDlgYesToAll,
    &SMsgDlgHelp,
    &SMsgDlgClose,
};

class StringTable {
public:
    StringTable() {
        for (const TResStringRec* rec : kLayerStrings)
            byId_.emplace(rec->Identifier, rec);
    }

    bool Register(std::initializer_list<const TResStringRec*> strings) {
        std::lock_guard lock(mutex_);
        bool all = true;
        for (const TResStringRec* rec : strings) {
            if (rec == nullptr) continue;
            const auto [it, added] = byId_.emplace(rec->Identifier, rec);
            if (!added && it->second != rec) all = false;
        }
        return all;
    }

    void Unregister(std::initializer_list<const TResStringRec*> strings) {
        std::lock_guard lock(mutex_);
        for (const TResStringRec* rec : strings) {
            if (rec == nullptr) continue;
            const auto it = byId_.find(rec->Identifier);
            if (it != byId_.end() && it->second == rec) byId_.erase(it);
        }
    }

    const TResStringRec* Find(int ident) {
        std::lock_guard lock(mutex_);
        const auto it = byId_.find(ident);
        return it == byId_.end() ? nullptr : it->second;
    }

private:
    std::mutex mutex_;
    std::unordered_map<int, const TResStringRec*> byId_;
};

StringTable& Table() {
    static StringTable table;
    return table;
}

std::atomic<TResourceTextHook> gHook{nullptr};
// Function-local so that a hook installed during static start-up is not reset afterwards.
std::atomic<std::thread::id>& HookThread() {
    static std::atomic<std::thread::id> thread{};
    return thread;
}

String Translate(const String& text) {
    const TResourceTextHook hook = gHook.load(std::memory_order_acquire);
    if (hook == nullptr || text.isEmpty()) return text;
    if (std::this_thread::get_id() != HookThread().load(std::memory_order_acquire)) return text;
    return hook(text);
}

} // namespace
} // namespace platform::detail

using namespace platform::detail;

String LoadResString(const TResStringRec* Rec) {
    if (Rec == nullptr || Rec->Text == nullptr) return String();
    return Translate(String::fromUtf8(Rec->Text));
}

String LoadStr(int Ident) {
    return LoadResString(Table().Find(Ident));
}

String FmtLoadStr(int Ident, std::initializer_list<TVarRec> Args) {
    return Format(LoadStr(Ident), Args);
}

bool RegisterResStrings(std::initializer_list<const TResStringRec*> Strings) {
    return Table().Register(Strings);
}

void UnregisterResStrings(std::initializer_list<const TResStringRec*> Strings) {
    Table().Unregister(Strings);
}

void InstallResourceTextHook(TResourceTextHook Hook) {
    HookThread().store(std::this_thread::get_id(), std::memory_order_release);
    gHook.store(Hook, std::memory_order_release);
}

void RemoveResourceTextHook() {
    gHook.store(nullptr, std::memory_order_release);
}
