// The extended-control layer over the platform's mask edit, with switchable clipboard
// commands and a beep on refused input.
#pragma once

#include "controls/XcExControls.h"
#include "platform/controls/Edit.h"

enum TXcClipboardCommand { caCopy, caCut, caPaste, caClear, caUndo };
ORVO_DECLARE_ENUM_TYPE(TXcClipboardCommand)
using TXcClipboardCommands = Set<TXcClipboardCommand>;
ORVO_DECLARE_SET_TYPE(TXcClipboardCommands)

class TXcExCustomMaskEdit : public TXcExLayer<TCustomMaskEdit> {
    ORVO_CLASS(TXcExCustomMaskEdit, TCustomMaskEdit)
public:
    explicit TXcExCustomMaskEdit(TComponent* AOwner) : TXcExLayer<TCustomMaskEdit>(AOwner) {}

    TXcClipboardCommands ClipboardCommands() const { return FClipboardCommands; }
    virtual void SetClipboardCommands(TXcClipboardCommands Value) { FClipboardCommands = Value; }
    bool BeepOnError() const { return FBeepOnError; }
    virtual void SetBeepOnError(bool Value) { FBeepOnError = Value; }

    // The clipboard messages reach the edit only when their command is allowed; otherwise
    // they are answered with 1 and nothing happens.
    void Dispatch(TMessage& Message) override;

protected:
    // The system beep, when BeepOnError is set.
    virtual void BeepOnInvalidInput();

private:
    TXcClipboardCommands FClipboardCommands{caCopy, caCut, caPaste, caClear, caUndo};
    bool FBeepOnError = true;
};
