// The base component of the extended components, the collection's exception class and
// the helper that keeps a component reference with its free notification.
#pragma once

#include "platform/classes/Component.h"

ORVO_DECLARE_EXCEPTION(EXCLException, Exception)

// The "about" entry shown by the form designer; it carries no data.
using TXCLAboutInfo = String;

class TXcComponent : public TComponent {
    ORVO_CLASS(TXcComponent, TComponent)
public:
    explicit TXcComponent(TComponent* AOwner) : TComponent(AOwner) {}

    // Published but never stored: it exists only for the form designer.
    TXCLAboutInfo AboutXCL() const { return FAboutXCL; }
    void SetAboutXCL(const TXCLAboutInfo&) {}

private:
    TXCLAboutInfo FAboutXCL;
};

// Points Field at NewReference, moving AOwner's free notification from the old reference to
// the new one. Nothing happens when the reference is unchanged or AOwner is missing.
// Answers whether Field changed.
bool ChangeComponentReference(TComponent* AOwner, TComponent* NewReference, TComponent*& Field);

template <class T> bool ChangeComponentReference(TComponent* AOwner, T* NewReference, T*& Field) {
    TComponent* f = Field;
    if (!ChangeComponentReference(AOwner, static_cast<TComponent*>(NewReference), f)) return false;
    Field = NewReference;
    return true;
}
