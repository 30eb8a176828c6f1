#include "platform/classes/Object.h"

#include <cstring>

bool TMetaClass::InheritsFrom(const TMetaClass* cls) const {
    for (const TMetaClass* c = this; c; c = c->Parent)
        if (c == cls) return true;
    return false;
}

bool TMetaClass::ClassNameIs(const String& name) const {
    return name.compare(QLatin1String(Name), Qt::CaseInsensitive) == 0;
}

TObject::~TObject() = default;

TClass TObject::StaticClass() {
    static const TMetaClass meta{"TObject", nullptr, platform::detail::plainFactory<TObject>(),
                                 nullptr,   nullptr, nullptr};
    return &meta;
}

void FreeObject(TObject* obj) {
    if (!obj) return;
    obj->BeforeDestruction();
    delete obj;
}
