// TTeeDragObject: the part it carries and its drag cursors.
#include "chart/engine/chart/TeeDragObject.h"

#include "chart/engine/panel/PanelFunctions.h"
#include "platform/graphics/Cursor.h"

ORVO_IMPLEMENT_CLASS(TTeeDragObject, TObject)

TCursor TTeeDragObject::GetDragCursor(bool Accepted, int, int) {
    return Accepted ? crTeeHand : crNoDrop;
}

void TTeeDragObject::Finished(TObject*, int, int, bool) {}
