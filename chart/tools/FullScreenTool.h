// TFullScreenTool: while active, the chart moves into a borderless form shown in the window
// manager's full-screen state on the chart's monitor; switching the tool off, the release key
// or closing that form puts the chart back where it was.
#pragma once

#include "chart/engine/chart/TeeTools.h"

class TCustomForm;
class TWinControl;

class TFullScreenTool : public TTeeCustomTool {
    ORVO_CLASS(TFullScreenTool, TTeeCustomTool)
public:
    explicit TFullScreenTool(TComponent* AOwner);
    ~TFullScreenTool() override;
    void SetActive(bool Value) override;
    String Description() override;
    String LongDescription() override;
    String GetEditorClass() override { return String(); }
    void Assign(TPersistent* Source) override;

    // The full-screen form while the tool is on; null otherwise.
    TCustomForm* FullScreenForm() const;

    Word ReleaseKey() const { return FKey; }
    void SetReleaseKey(Word Value) { FKey = Value; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void GoFullScreen();
    // Puts the chart back and frees the form (unless it is closing by itself).
    void LeaveFullScreen();
    void FormKeyUp(TObject* Sender, Word& Key, TShiftState Shift);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormResize(TObject* Sender);

    Word FKey = 27;
    TAlign OldAlign = alNone;
    TWinControl* OldParent = nullptr;
    TRect OldRChart{0, 0, 0, 0};
    bool IFreeForm = true;
    TCustomForm* FForm = nullptr;
};
