// TAntiAliasEditor: the editor form of the anti-alias tool: smoothing on or off, and the
// bitmap filters run over each finished picture, edited on a picture of the chart.
#pragma once

#include "platform/controls/CustomForm.h"

class TAntiAliasTool;
class TBitmap;
class TButton;
class TCheckBox;

class TAntiAliasEditor : public TForm {
    ORVO_CLASS(TAntiAliasEditor, TForm)
public:
    explicit TAntiAliasEditor(TComponent* AOwner);

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void CBAntiClick(TObject* Sender);
    void Button1Click(TObject* Sender);

    // From the form resource.
    TButton* Button1 = nullptr;
    TCheckBox* CBAnti = nullptr;

protected:
    // Shows the filters editor on Picture and the tool's filters; true when they changed.
    virtual bool EditFilters(TBitmap* Picture);

private:
    TAntiAliasTool* Tool = nullptr;
};
