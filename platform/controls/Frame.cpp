#include "platform/controls/Frame.h"

#include "platform/classes/FormResource.h"

ORVO_IMPLEMENT_CLASS(TCustomFrame, TScrollingWinControl)
ORVO_IMPLEMENT_CLASS(TFrame, TCustomFrame)

TCustomFrame::TCustomFrame(TComponent* AOwner) : TScrollingWinControl(AOwner) {
    FControlStyle << csAcceptsControls << csCaptureMouse << csClickEvents << csSetCaption << csDoubleClicks;
    SetBounds(0, 0, 320, 240);
}

TCustomFrame::~TCustomFrame() = default;

void TCustomFrame::AfterConstruction() {
    if (FConstructed) return;
    FConstructed = true;
    const bool read = InitInheritedComponent(this, TCustomFrame::StaticClass());
    if (!read && ClassType() != TFrame::StaticClass() && ClassType() != TCustomFrame::StaticClass())
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(ClassName()));
}

void TCustomFrame::SetParent(TWinControl* AParent) {
    TScrollingWinControl::SetParent(AParent);
}

void TCustomFrame::GetChildren(TGetChildProc Proc, TComponent* Root) {
    TScrollingWinControl::GetChildren(Proc, Root);
    if (Root == this)
        for (int i = 0; i < ComponentCount(); ++i)
            if (TComponent* c = Components(i); !c->HasParent()) Proc(c);
}
