#include "platform/controls/StandardControls.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/Bevel.h"
#include "platform/controls/BitBtn.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CheckLst.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Grids.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Menus.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/PaintBox.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/ScrollBox.h"
#include "platform/controls/Shape.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TabControl.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/TreeView.h"
#include "platform/controls/UpDown.h"

void RegisterStandardControls() {
    RegisterClasses({TPanel::StaticClass(),       TLabel::StaticClass(),        TBevel::StaticClass(),
                     TEdit::StaticClass(),        TMaskEdit::StaticClass(),     TMemo::StaticClass(),
                     TDrawGrid::StaticClass(),    TStringGrid::StaticClass(),   TUpDown::StaticClass(),
                     TTrackBar::StaticClass(),    TScrollBar::StaticClass(),    TScrollBox::StaticClass(),
                     TImage::StaticClass(),       TShape::StaticClass(),        TSpeedButton::StaticClass(),
                     TBitBtn::StaticClass(),      TMenuItem::StaticClass(),     TMainMenu::StaticClass(),
                     TPopupMenu::StaticClass(),   TComboBox::StaticClass(),     TComboBoxEx::StaticClass(),
                     TListBox::StaticClass(),     TCheckListBox::StaticClass(), TStatusBar::StaticClass(),
                     TSplitter::StaticClass(),    TButton::StaticClass(),       TCheckBox::StaticClass(),
                     TRadioButton::StaticClass(), TGroupBox::StaticClass(),     TRadioGroup::StaticClass(),
                     TTabControl::StaticClass(),  TPageControl::StaticClass(),  TTabSheet::StaticClass(),
                     TActionList::StaticClass(),  TAction::StaticClass(),       TTreeView::StaticClass()});
    RegisterClass(TPaintBox::StaticClass());
    RegisterCommonDialogs();
}
