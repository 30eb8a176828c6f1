#include "chart/editor/BubbleSeriesEditor.h"

#include "platform/controls/CheckBox.h"

ORVO_IMPLEMENT_CLASS(TBubbleSeriesEditor, TSeriesPointerEditor)

ORVO_PUBLISHED(TBubbleSeriesEditor) {
    using T = TBubbleSeriesEditor;
    P.Method("FormShow", &T::FormShow);
}

TBubbleSeriesEditor::TBubbleSeriesEditor(TComponent* AOwner) : TSeriesPointerEditor(AOwner) {}

void TBubbleSeriesEditor::FormShow(TObject* Sender) {
    TSeriesPointerEditor::FormShow(Sender);
    CBDrawPoint->SetVisible(false);
}
