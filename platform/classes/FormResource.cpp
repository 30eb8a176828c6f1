#include "platform/classes/FormResource.h"

#include "platform/classes/Component.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/ResourceStream.h"

#include <mutex>

namespace {
// One resource load at a time: a form's components are created and named while its
// resource is read, and other loads must not see them half made.
std::recursive_mutex& nameSpaceLock() {
    static std::recursive_mutex m;
    return m;
}

bool readResource(const String& ResName, TComponent* Instance) {
    if (!FindResource(0, ResName, QLatin1String(RT_RCDATA))) return false;
    TResourceStream res(0, ResName, QLatin1String(RT_RCDATA));
    if (TestStreamFormat(&res) == sofBinary) {
        TReader reader(&res, 4096);
        reader.ReadRootComponent(Instance);
    } else {
        // Text forms are converted in memory and read by the same reader.
        TMemoryStream bin;
        ObjectTextToBinary(&res, &bin);
        bin.SetPosition(0);
        TReader reader(&bin, 4096);
        reader.ReadRootComponent(Instance);
    }
    return true;
}

bool initFrom(TClass cls, TComponent* Instance, TClass RootAncestor) {
    if (!cls || cls == TComponent::StaticClass() || cls == RootAncestor) return false;
    const bool parent = initFrom(cls->Parent, Instance, RootAncestor);
    return readResource(cls->ClassName().toUpper(), Instance) || parent;
}
} // namespace

bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor) {
    std::lock_guard lock(nameSpaceLock());
    return initFrom(Instance->ClassType(), Instance, RootAncestor);
}

bool InitComponentRes(const String& ResName, TComponent* Instance) {
    std::lock_guard lock(nameSpaceLock());
    return readResource(ResName, Instance);
}

void ReadComponentRes(const String& ResName, TComponent* Instance) {
    if (!InitComponentRes(ResName, Instance)) throw EResNotFound::CreateResFmt(&SResNotFound, {ResName});
}
