#include "platform/controls/Menus.h"

#include "platform/classes/TypInfo.h"
#include "platform/controls/Control.h"

#include <QAction>
#include <QMenu>

#include <algorithm>
#include <map>

ORVO_IMPLEMENT_CLASS(TMenuItem, TComponent)
ORVO_IMPLEMENT_CLASS(TMenu, TComponent)
ORVO_IMPLEMENT_CLASS(TMainMenu, TMenu)
ORVO_IMPLEMENT_CLASS(TPopupMenu, TMenu)
ORVO_IMPLEMENT_ENUM_TYPE(TPopupAlignment, "paLeft", "paRight", "paCenter")

// ---- shortcuts ---------------------------------------------------------------------------------

namespace {
struct KeyName {
    Word key;
    const char* name;
};
constexpr KeyName kKeyNames[] = {
    {VK_BACK, "BkSp"},  {VK_TAB, "Tab"},     {VK_ESCAPE, "Esc"}, {VK_RETURN, "Enter"}, {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},   {VK_END, "End"},    {VK_HOME, "Home"},    {VK_LEFT, "Left"},
    {VK_UP, "Up"},      {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},  {VK_INSERT, "Ins"},   {VK_DELETE, "Del"},
};

String keyName(Word key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return String(QChar(key));
    if (key >= VK_F1 && key <= VK_F12) return QStringLiteral("F%1").arg(key - VK_F1 + 1);
    for (const KeyName& k : kKeyNames)
        if (k.key == key) return QString::fromLatin1(k.name);
    return String();
}
} // namespace

TShortCut ShortCut(Word Key, TShiftState Shift) {
    if (Key & 0xFF00) return 0;
    TShortCut s = Key;
    if (Shift.Contains(ssShift)) s |= scShift;
    if (Shift.Contains(ssCtrl)) s |= scCtrl;
    if (Shift.Contains(ssAlt)) s |= scAlt;
    return s;
}

void ShortCutToKey(TShortCut ShortCut, Word& Key, TShiftState& Shift) {
    Key = ShortCut & 0xFF;
    Shift = TShiftState();
    if (ShortCut & scShift) Shift << ssShift;
    if (ShortCut & scCtrl) Shift << ssCtrl;
    if (ShortCut & scAlt) Shift << ssAlt;
}

String ShortCutToText(TShortCut ShortCut) {
    const String name = keyName(ShortCut & 0xFF);
    if (name.isEmpty()) return String();
    String text;
    if (ShortCut & scShift) text += QStringLiteral("Shift+");
    if (ShortCut & scCtrl) text += QStringLiteral("Ctrl+");
    if (ShortCut & scAlt) text += QStringLiteral("Alt+");
    return text + name;
}

TShortCut TextToShortCut(const String& Text) {
    String rest = Text.trimmed();
    TShortCut mods = 0;
    for (;;) {
        if (rest.startsWith(QStringLiteral("Shift+"), Qt::CaseInsensitive)) {
            mods |= scShift;
            rest = rest.mid(6);
        } else if (rest.startsWith(QStringLiteral("Ctrl+"), Qt::CaseInsensitive)) {
            mods |= scCtrl;
            rest = rest.mid(5);
        } else if (rest.startsWith(QStringLiteral("Alt+"), Qt::CaseInsensitive)) {
            mods |= scAlt;
            rest = rest.mid(4);
        } else {
            break;
        }
    }
    for (Word key = 1; key < 256; ++key)
        if (const String name = keyName(key); !name.isEmpty() && name.compare(rest, Qt::CaseInsensitive) == 0)
            return TShortCut(key | mods);
    return 0;
}

// ---- TMenuItem ---------------------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
    if (FParent) FParent->Remove(this);
    while (!FItems.empty()) {
        TMenuItem* child = FItems.back();
        FItems.pop_back();
        child->FParent = nullptr;
        FreeObject(child);
    }
}

TMenuItem* TMenuItem::Items(int Index) const {
    if (Index < 0 || Index >= Count()) throw EMenuError(QStringLiteral("Menu index out of range"));
    return FItems[size_t(Index)];
}

void TMenuItem::Add(TMenuItem* Item) {
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
    if (!Item) return;
    if (Item->FParent) throw EMenuError(QStringLiteral("Menu inserted twice"));
    if (Index < 0 || Index > Count()) throw EMenuError(QStringLiteral("Menu index out of range"));
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    // A checked radio item joining a group wins over the ones there.
    if (Item->FRadioItem && Item->FChecked) Item->TurnSiblingsOff();
}

void TMenuItem::Delete(int Index) {
    TMenuItem* item = Items(Index);
    Remove(item);
    FreeObject(item);
}

void TMenuItem::Remove(TMenuItem* Item) {
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    if (it == FItems.end()) throw EMenuError(QStringLiteral("Sub-menu is not in menu"));
    FItems.erase(it);
    Item->FParent = nullptr;
}

void TMenuItem::Clear() {
    while (!FItems.empty())
        Delete(Count() - 1);
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

TMenuItem* TMenuItem::Find(const String& ACaption) const {
    auto plain = [](String s) {
        s.remove(QLatin1Char('&'));
        return s;
    };
    const String want = plain(ACaption);
    for (TMenuItem* i : FItems)
        if (plain(i->FCaption).compare(want, Qt::CaseInsensitive) == 0) return i;
    return nullptr;
}

int TMenuItem::MenuIndex() const {
    return FParent ? FParent->IndexOf(this) : -1;
}

void TMenuItem::SetMenuIndex(int Value) {
    if (!FParent) return;
    TMenuItem* parent = FParent;
    const int old = MenuIndex();
    Value = std::clamp(Value, 0, parent->Count() - 1);
    if (Value == old) return;
    parent->FItems.erase(parent->FItems.begin() + old);
    parent->FItems.insert(parent->FItems.begin() + Value, this);
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* i = this;
    while (i->FParent)
        i = i->FParent;
    return i->FMenu;
}

void TMenuItem::TurnSiblingsOff() {
    if (!FParent) return;
    for (TMenuItem* i : FParent->FItems)
        if (i != this && i->FRadioItem && i->FGroupIndex == FGroupIndex) i->FChecked = false;
}

void TMenuItem::SetChecked(bool Value) {
    FChecked = Value;
    if (Value && FRadioItem) TurnSiblingsOff();
}

void TMenuItem::SetRadioItem(bool Value) {
    FRadioItem = Value;
    if (Value && FChecked) TurnSiblingsOff();
}

void TMenuItem::SetGroupIndex(Byte Value) {
    FGroupIndex = Value;
    if (FRadioItem && FChecked) TurnSiblingsOff();
}

void TMenuItem::Click() {
    if (!FEnabled) return;
    if (FAutoCheck) SetChecked(FRadioItem ? true : !FChecked);
    if (OnClick) OnClick(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (FParent && FParent->FMenu) return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
    if (FParent) FParent->Remove(this);
    if (auto* menu = dynamic_cast<TMenu*>(Value))
        menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(Value))
        item->Add(this);
}

void TMenuItem::GetChildren(TGetChildProc Proc, TComponent* Root) {
    (void)Root;
    for (TMenuItem* i : FItems)
        Proc(i);
}

ORVO_PUBLISHED(TMenuItem) {
    P.Property("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck).Default(false);
    P.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
    P.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
    P.Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false);
    P.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
    P.Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
    P.Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
    P.Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex).Default(-1);
    P.Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false);
    P.Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(0);
    P.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
    P.Property("OnClick", &TMenuItem::OnClick);
}

// ---- TMenu -------------------------------------------------------------------------------------

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner) {
    FItems = new TMenuItem(nullptr);
    FItems->FMenu = this;
}

TMenu::~TMenu() {
    FreeObject(FItems);
}

TMenuItem* TMenu::FindItem(TShortCut ShortCut) const {
    if (ShortCut == 0) return nullptr;
    std::vector<TMenuItem*> stack{FItems};
    while (!stack.empty()) {
        TMenuItem* i = stack.back();
        stack.pop_back();
        if (i != FItems && i->ShortCut() == ShortCut) return i;
        for (int k = i->Count() - 1; k >= 0; --k)
            stack.push_back(i->Items(k));
    }
    return nullptr;
}

bool TMenu::IsShortCut(Word Key, TShiftState Shift) {
    TMenuItem* item = FindItem(::ShortCut(Key, Shift - TShiftState{ssLeft, ssRight, ssMiddle, ssDouble}));
    if (!item) return false;
    // Every item on the way must be visible and enabled.
    for (TMenuItem* i = item; i && i != FItems; i = i->Parent())
        if (!i->Enabled() || !i->Visible()) return false;
    item->Click();
    return true;
}

void TMenu::GetChildren(TGetChildProc Proc, TComponent* Root) {
    FItems->GetChildren(Proc, Root);
}

// ---- TPopupMenu --------------------------------------------------------------------------------

namespace {

TPopupMenuHook& popupHook() {
    static TPopupMenuHook hook;
    return hook;
}

void fillMenu(QMenu* menu, TMenuItem* parent, std::map<QAction*, TMenuItem*>& actions) {
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (!item->Visible()) continue;
        if (item->IsLine()) {
            menu->addSeparator();
            continue;
        }
        String text = item->Caption();
        if (item->ShortCut()) text += QLatin1Char('\t') + ShortCutToText(item->ShortCut());
        if (item->Count() > 0) {
            QMenu* sub = menu->addMenu(text);
            sub->setEnabled(item->Enabled());
            fillMenu(sub, item, actions);
            continue;
        }
        QAction* a = menu->addAction(text);
        a->setEnabled(item->Enabled());
        a->setCheckable(item->Checked() || item->AutoCheck());
        a->setChecked(item->Checked());
        if (item->Default()) {
            QFont f = a->font();
            f.setBold(true);
            a->setFont(f);
        }
        actions[a] = item;
    }
}

// The real menu: a QMenu run modally at the point.
TMenuItem* showRealMenu(TPopupMenu* Menu, int X, int Y) {
    QMenu menu;
    std::map<QAction*, TMenuItem*> actions;
    fillMenu(&menu, Menu->Items(), actions);
    if (menu.isEmpty()) return nullptr;
    QPoint at(X, Y);
    const int w = menu.sizeHint().width();
    if (Menu->Alignment() == paRight)
        at.rx() -= w;
    else if (Menu->Alignment() == paCenter)
        at.rx() -= w / 2;
    QAction* chosen = menu.exec(at);
    auto it = actions.find(chosen);
    return it == actions.end() ? nullptr : it->second;
}

} // namespace

TPopupMenuHook SetPopupMenuHook(TPopupMenuHook Hook) {
    TPopupMenuHook old = std::move(popupHook());
    popupHook() = std::move(Hook);
    return old;
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
    if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = Value;
    if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TMenu::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::DoPopup(TObject* Sender) {
    if (OnPopup) OnPopup(Sender);
}

void TPopupMenu::Popup(int X, int Y) {
    FPopupPoint = TPoint{X, Y};
    DoPopup(this);
    TMenuItem* chosen = popupHook() ? popupHook()(this, X, Y) : showRealMenu(this, X, Y);
    if (chosen) chosen->Click();
}

ORVO_PUBLISHED(TPopupMenu) {
    P.Property("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
    P.Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
    P.Property("OnPopup", &TPopupMenu::OnPopup);
}

// ---- controls ----------------------------------------------------------------------------------

bool ShowControlPopupMenu(TControl* Control, const TPoint& ScreenPos) {
    if (!Control) return false;
    auto* menu = dynamic_cast<TPopupMenu*>(Control->PopupMenuComponent());
    if (!menu || !menu->AutoPopup()) return false;
    menu->SetPopupComponent(Control);
    menu->Popup(ScreenPos.X, ScreenPos.Y);
    return true;
}

namespace {
// Right clicks reach the menus through the controls' hook.
struct PopupMenuProcInstaller {
    PopupMenuProcInstaller() { ShowPopupMenuProc = &ShowControlPopupMenu; }
};
[[maybe_unused]] const PopupMenuProcInstaller popupMenuProcInstaller;

// Every control publishes its popup menu; the menu unit declares it, as the property's
// type lives here.
void publishControlPopupMenu(TPublisher<TControl>& P) {
    P.Property(
        "PopupMenu", [](TControl* c) { return c->PopupMenu<TPopupMenu>(); },
        [](TControl* c, TPopupMenu* m) { c->SetPopupMenu(m); });
}
const platform::detail::PublishedRegistrar<TControl> controlPopupMenuRegistrar(&publishControlPopupMenu, "");
} // namespace
