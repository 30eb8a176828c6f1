#include "platform/graphics/GraphicsObject.h"

ORVO_IMPLEMENT_CLASS(TGraphicsObject, TPersistent)

void TGraphicsObject::Changed() {
    if (OnChange) OnChange(this);
}
