// TFastLineSeriesEditor: the series page's editor of a fast line. It is the pen dialog on
// the series' pen (without OK and Cancel: every change is kept at once) with the fast
// line's own options: drawing every point, stairs, and how null points are treated.
#pragma once

#include "chart/editor/PenDialog.h"

class TComboFlat;
class TFastLineSeries;
class TGroupBox;

class TFastLineSeriesEditor : public TPenDialog {
    ORVO_CLASS(TFastLineSeriesEditor, TPenDialog)
public:
    explicit TFastLineSeriesEditor(TComponent* AOwner);

    TFastLineSeries* FastLine = nullptr;

    // From the form resource (added to the pen dialog's).
    TCheckBox* CBDrawAll = nullptr;
    TGroupBox* GBStair = nullptr;
    TCheckBox* CBStairs = nullptr;
    TCheckBox* CBInvStairs = nullptr;
    TLabel* LNulls = nullptr;
    TComboFlat* CBNulls = nullptr;

    // Handlers bound by the form resource; FormShow and BColorClick take the place of the
    // pen dialog's of the same names.
    void FormShow(TObject* Sender);
    void BColorClick(TObject* Sender);
    void CBDrawAllClick(TObject* Sender);
    void CBStairsClick(TObject* Sender);
    void CBInvStairsClick(TObject* Sender);
    void CBNullsChange(TObject* Sender);

private:
    bool FFillingSeries = false;
};
