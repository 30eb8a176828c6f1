#include "platform/controls/StandardControls.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/controls/Bevel.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Grids.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/TabControl.h"

void RegisterStandardControls() {
    RegisterClasses({TPanel::StaticClass(), TLabel::StaticClass(), TBevel::StaticClass(), TEdit::StaticClass(),
                     TMaskEdit::StaticClass(), TMemo::StaticClass(), TDrawGrid::StaticClass(),
                     TStringGrid::StaticClass(),
                     TButton::StaticClass(), TCheckBox::StaticClass(), TRadioButton::StaticClass(),
                     TGroupBox::StaticClass(), TRadioGroup::StaticClass(), TTabControl::StaticClass(),
                     TPageControl::StaticClass(), TTabSheet::StaticClass()});
    RegisterCommonDialogs();
}
