#include "controls/XcControls.h"

#include "controls/SBPro.h"
#include "controls/XcComCtrls.h"
#include "controls/XcForm.h"
#include "controls/XcSpeedButton.h"
#include "controls/XcSpin.h"
#include "controls/XcSwitch.h"
#include "controls/XcThread.h"
#include "controls/XcThreadDialogForm.h"
#include "platform/classes/ClassRegistry.h"

void RegisterXcControls() {
    RegisterClasses({TXcThread::StaticClass(), TStatusBarPro::StaticClass(), TXcSpeedButton::StaticClass(),
                     TXcSpinEdit::StaticClass(), TXcSpinButton::StaticClass(), TXcTabControl::StaticClass(),
                     TXcTabControlPainter::StaticClass(), TXcSwitch::StaticClass(), TXcForm::StaticClass(),
                     TXcCustomThreadDialogForm::StaticClass()});
}
