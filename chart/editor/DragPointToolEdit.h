// TDragPointToolEdit: the editor form of the drag-point tool: its series, the direction a
// point may be dragged in, and the mouse cursor over the series.
#pragma once

#include "chart/editor/SeriesToolEditor.h"

class TRadioGroup;

class TDragPointToolEdit : public TSeriesToolEditor {
    ORVO_CLASS(TDragPointToolEdit, TSeriesToolEditor)
public:
    explicit TDragPointToolEdit(TComponent* AOwner);

    void FormShow(TObject* Sender) override;
    void CBSeriesChange(TObject* Sender) override;
    // Handlers named in the form resource.
    void RGStyleClick(TObject* Sender);
    void CBCursorChange(TObject* Sender);

    // From the form resource.
    TRadioGroup* RGStyle = nullptr;
    TLabel* Label2 = nullptr;
    TComboFlat* CBCursor = nullptr;
};
