#include "chart/editor/DragPointToolEdit.h"

#include "chart/editor/TeePenDlg.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/tools/DragPointTool.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Label.h"
#include "platform/controls/RadioGroup.h"

ORVO_IMPLEMENT_CLASS(TDragPointToolEdit, TSeriesToolEditor)

ORVO_PUBLISHED(TDragPointToolEdit) {
    using S = TDragPointToolEdit;
    P.Field("RGStyle", &S::RGStyle);
    P.Field("Label2", &S::Label2);
    P.Field("CBCursor", &S::CBCursor);
    P.Method("RGStyleClick", &S::RGStyleClick);
    P.Method("CBCursorChange", &S::CBCursorChange);
}

TDragPointToolEdit::TDragPointToolEdit(TComponent* AOwner) : TSeriesToolEditor(AOwner) {}

void TDragPointToolEdit::FormShow(TObject* Sender) {
    TSeriesToolEditor::FormShow(Sender);
    auto* tool = dynamic_cast<TDragPointTool*>(Tool);
    if (!tool) return;
    CBCursor->SetEnabled(false);
    RGStyle->SetItemIndex(int(tool->DragStyle()));
    TCursor cursor = crDefault;
    if (TChartSeries* s = tool->Series()) {
        cursor = s->Cursor();
        CBCursor->SetEnabled(true);
    }
    TeeFillCursors(CBCursor, cursor);
}

void TDragPointToolEdit::CBSeriesChange(TObject* Sender) {
    TSeriesToolEditor::CBSeriesChange(Sender);
    CBCursor->SetEnabled(Tool && Tool->Series());
}

void TDragPointToolEdit::RGStyleClick(TObject*) {
    auto* tool = dynamic_cast<TDragPointTool*>(Tool);
    if (!tool) return;
    switch (RGStyle->ItemIndex()) {
    case 0:
        tool->SetDragStyle(dsX);
        break;
    case 1:
        tool->SetDragStyle(dsY);
        break;
    default:
        tool->SetDragStyle(dsBoth);
        break;
    }
}

void TDragPointToolEdit::CBCursorChange(TObject*) {
    if (!Tool || !Tool->Series()) return;
    TChartSeries* s = Tool->Series();
    s->SetCursor(TeeSetCursor(s->Cursor(), CBCursor->Text()));
}
