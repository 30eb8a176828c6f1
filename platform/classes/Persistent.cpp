#include "platform/classes/Persistent.h"

ORVO_IMPLEMENT_CLASS(TPersistent, TObject)

void TPersistent::Assign(TPersistent* Source) {
    if (Source)
        Source->AssignTo(this);
    else
        AssignTo(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) {
    const String src = ClassName();
    const String dst = Dest ? Dest->ClassName() : QStringLiteral("nil");
    throw EConvertError::CreateResFmt(&SAssignError, {src, dst});
}

String TPersistent::GetNamePath() const {
    return ClassName();
}

void TPersistent::DefineProperties(TFiler*) {}
