// TFormTeeTools: the chart editor's Tools page. It lists a chart's tools, adds one through
// the tools gallery, deletes, clones, reorders and switches tools on and off, and shows the
// selected tool's own editor form below the list. TeeDrawTool draws one tool line (icon and
// description) for this list and the gallery's.
#pragma once

#include "platform/controls/CustomForm.h"
#include "platform/controls/ListBox.h"

class TChartTools;
class TCheckBox;
class TButton;
class TPanel;
class TSpeedButton;
class TSplitter;
class TTeeCustomTool;

class TFormTeeTools : public TForm {
    ORVO_CLASS(TFormTeeTools, TForm)
public:
    explicit TFormTeeTools(TComponent* AOwner);
    void AfterConstruction() override;

    // ---- new operations, in slot order ----
    // A copy of ATool owned by its owner, on its chart.
    virtual TTeeCustomTool* CloneTool(TTeeCustomTool* ATool);
    // A tool of the class chosen in the tools gallery, or null on Cancel.
    virtual TTeeCustomTool* GetNewTool();

    // On each later visit of the page: fills the list again when the tools changed in
    // number, and selects the current line again.
    void Reload();
    // Shows the selected tool's editor form.
    void LBToolsClick(TObject* Sender);
    // The tool of the selected line, or null.
    TTeeCustomTool* CurrentTool() const;
    // The editor form shown for the current tool, or null.
    TCustomForm* ToolEditor() const { return FEditor; }

    // The chart's tools; taken from Tag when unset at show time.
    TChartTools* Tools = nullptr;
    // Told with the tool as sender after "Add..." made one and before "Delete" frees one.
    TNotifyEvent OnAdded;
    TNotifyEvent OnDeleted;

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void BAddClick(TObject* Sender);
    void BDeleteClick(TObject* Sender);
    void BCloneClick(TObject* Sender);
    void CBActiveClick(TObject* Sender);
    void CBShowInEditorClick(TObject* Sender);
    void BMoveUpClick(TObject* Sender);
    void BMoveDownClick(TObject* Sender);
    void LBToolsDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);

    // From the form resource.
    TPanel* PTop = nullptr;
    TButton* BAdd = nullptr;
    TButton* BDelete = nullptr;
    TSpeedButton* BClone = nullptr;
    TCheckBox* CBActive = nullptr;
    TCheckBox* CBShowInEditor = nullptr;
    TSpeedButton* BMoveUp = nullptr;
    TSpeedButton* BMoveDown = nullptr;
    TListBox* LBTools = nullptr;
    TSplitter* Splitter1 = nullptr;
    TPanel* PanelToolEditor = nullptr;
    TPanel* PBottom = nullptr;

protected:
    void FillTools();
    void EnableListButtons();

private:
    void FreeEditor();
    void MoveTool(int Delta);
    TCustomForm* FEditor = nullptr;
    bool FLoaded = false;
};

// Draws the line of Tool in Rect: the highlight when selected, the tool's icon at
// (left + 2, top + 1) and its description at (left + 22, top + 2).
void TeeDrawTool(TCustomListBox* AList, int Index, const TRect& Rect, TOwnerDrawState State,
                 TTeeCustomTool* ATool);
