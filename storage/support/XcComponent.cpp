#include "storage/support/XcComponent.h"

#include "platform/classes/TypInfo.h"

ORVO_IMPLEMENT_CLASS(TXcComponent, TComponent)

ORVO_PUBLISHED(TXcComponent) {
    P.Property("AboutXCL", &TXcComponent::AboutXCL, &TXcComponent::SetAboutXCL).Stored(false);
}

bool ChangeComponentReference(TComponent* AOwner, TComponent* NewReference, TComponent*& Field) {
    if (NewReference == Field || !AOwner) return false;
    if (Field) Field->RemoveFreeNotification(AOwner);
    Field = NewReference;
    if (Field) Field->FreeNotification(AOwner);
    return true;
}
