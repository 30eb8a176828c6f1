#include "platform/classes/ClassRegistry.h"

#include "platform/classes/Persistent.h"

#include <QHash>
#include <mutex>

namespace {
struct Registry {
    std::mutex lock;
    QHash<QString, TClass> byName; // keys in upper case
};
Registry& registry() {
    static Registry r;
    return r;
}
QString key(const String& name) {
    return name.toUpper();
}

// Adds one name; true when the class was added, false when it was already there.
bool addLocked(Registry& r, TClass cls, const String& name) {
    auto it = r.byName.constFind(key(name));
    if (it != r.byName.constEnd()) {
        if (it.value() == cls) return false;
        throw EFilerError::CreateResFmt(&SDuplicateClass, {name});
    }
    r.byName.insert(key(name), cls);
    return true;
}
} // namespace

void RegisterClass(TClass AClass) {
    if (!AClass) return;
    Registry& r = registry();
    std::lock_guard guard(r.lock);
    // The class first, then its ancestors while they are not registered yet.
    for (TClass c = AClass; c; c = c->Parent) {
        if (!addLocked(r, c, c->ClassName())) break;
        if (c == TPersistent::StaticClass()) break;
    }
}

void RegisterClasses(std::initializer_list<TClass> AClasses) {
    for (TClass c : AClasses)
        RegisterClass(c);
}

void RegisterClassAlias(TClass AClass, const String& Alias) {
    if (!AClass) return;
    RegisterClass(AClass);
    Registry& r = registry();
    std::lock_guard guard(r.lock);
    addLocked(r, AClass, Alias);
}

void UnRegisterClass(TClass AClass) {
    if (!AClass) return;
    Registry& r = registry();
    std::lock_guard guard(r.lock);
    for (auto it = r.byName.begin(); it != r.byName.end();) {
        if (it.value() == AClass)
            it = r.byName.erase(it);
        else
            ++it;
    }
}

void UnRegisterClasses(std::initializer_list<TClass> AClasses) {
    for (TClass c : AClasses)
        UnRegisterClass(c);
}

TClass GetClass(const String& AClassName) {
    Registry& r = registry();
    std::lock_guard guard(r.lock);
    return r.byName.value(key(AClassName), nullptr);
}

TClass FindClass(const String& ClassName) {
    TClass c = GetClass(ClassName);
    if (!c) throw EClassNotFound::CreateResFmt(&SClassNotFound, {ClassName});
    return c;
}

std::vector<TClass> RegisteredClasses() {
    Registry& r = registry();
    std::lock_guard guard(r.lock);
    std::vector<TClass> out;
    for (TClass c : r.byName)
        if (std::find(out.begin(), out.end(), c) == out.end()) out.push_back(c);
    return out;
}

void StartClassGroup(TClass) {}
void GroupDescendentsWith(TClass, TClass) {}
TClass ActivateClassGroup(TClass AClass) {
    return AClass;
}
TClass ClassGroupOf(TClass) {
    return TPersistent::StaticClass();
}
