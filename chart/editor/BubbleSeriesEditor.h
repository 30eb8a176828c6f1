// TBubbleSeriesEditor: the point editor for a bubble series, whose bubbles are always drawn:
// its "Visible" box is hidden.
#pragma once

#include "chart/editor/SeriesPointerEditor.h"

class TBubbleSeriesEditor : public TSeriesPointerEditor {
    ORVO_CLASS(TBubbleSeriesEditor, TSeriesPointerEditor)
public:
    explicit TBubbleSeriesEditor(TComponent* AOwner);

    // The pointer editor's show, then "Visible" hidden.
    void FormShow(TObject* Sender);
};
