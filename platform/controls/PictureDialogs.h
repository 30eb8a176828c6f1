// TOpenPictureDialog: the open dialog for pictures. Its filter lists every registered
// picture format (all of them together first, then one line per format), so a user picks a
// file the picture classes can read. It is answered through the common-dialog hook like
// the other dialogs.
#pragma once

#include "platform/controls/CommonDialogs.h"

class TOpenPictureDialog : public TOpenDialog {
    ORVO_CLASS(TOpenPictureDialog, TOpenDialog)
public:
    explicit TOpenPictureDialog(TComponent* AOwner);
};
