// Menus: items read from a form resource (nested items, a control's PopupMenu), radio
// groups and automatic checks, shortcuts, popup menus shown through the hook, and the
// right click that finds the menu to show.
#include "ControlFixture.h"

#include "platform/classes/ClassRegistry.h"

#include "platform/controls/Menus.h"
#include "platform/controls/Mouse.h"
#include "platform/controls/Panel.h"

#include <QEvent>
#include <QPoint>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace {
class TMenuForm : public TForm {
    ORVO_CLASS(TMenuForm, TForm)
public:
    explicit TMenuForm(TComponent* AOwner) : TForm(AOwner) {}
    TPanel* Panel1 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* View1 = nullptr;
    TMenuItem* Small1 = nullptr;
    TMenuItem* Large1 = nullptr;
    TMenuItem* Save1 = nullptr;
    QStringList Log;
    void PopupMenu1Popup(TObject*) {
        Log << QStringLiteral("Popup %1")
                   .arg(PopupMenu1->PopupComponent() ? PopupMenu1->PopupComponent()->Name()
                                                     : QStringLiteral("-"));
    }
    void ItemClick(TObject* Sender) {
        auto* item = static_cast<TMenuItem*>(Sender);
        Log << QStringLiteral("%1 %2").arg(item->Name()).arg(item->Checked());
    }
};

// Answers the popup hook with a scripted item and records where it was asked to show.
struct HookScript {
    TMenuItem* Answer = nullptr;
    QStringList Calls;
    TPopupMenuHook Old;
    HookScript() {
        Old = SetPopupMenuHook([this](TPopupMenu* m, int x, int y) {
            Calls << QStringLiteral("%1 at %2,%3").arg(m->Name()).arg(x).arg(y);
            return Answer;
        });
    }
    ~HookScript() { SetPopupMenuHook(Old); }
};

std::unique_ptr<TMenuForm, Free> makeMenuForm() {
    RegisterClasses({TPanel::StaticClass(), TPopupMenu::StaticClass(), TMenuItem::StaticClass()});
    return std::unique_ptr<TMenuForm, Free>(MakeForm<TMenuForm>());
}

TMenuItem* item(const String& caption, bool radio = false, Byte group = 0, bool checked = false) {
    auto* i = new TMenuItem(nullptr);
    i->SetCaption(caption);
    i->SetRadioItem(radio);
    i->SetGroupIndex(group);
    i->SetChecked(checked);
    return i;
}
} // namespace

ORVO_IMPLEMENT_CLASS(TMenuForm, TForm)
ORVO_PUBLISHED(TMenuForm) {
    P.Field("Panel1", &TMenuForm::Panel1);
    P.Field("PopupMenu1", &TMenuForm::PopupMenu1);
    P.Field("View1", &TMenuForm::View1);
    P.Field("Small1", &TMenuForm::Small1);
    P.Field("Large1", &TMenuForm::Large1);
    P.Field("Save1", &TMenuForm::Save1);
    P.Method("PopupMenu1Popup", &TMenuForm::PopupMenu1Popup);
    P.Method("ItemClick", &TMenuForm::ItemClick);
}

TEST(Menus, ResourceBuildsTheItemTreeAndTheControlsMenu) {
    auto form = makeMenuForm();
    ASSERT_NE(form->PopupMenu1, nullptr);
    EXPECT_EQ(form->Panel1->PopupMenu(), form->PopupMenu1);
    TMenuItem* root = form->PopupMenu1->Items();
    ASSERT_EQ(root->Count(), 3);
    EXPECT_EQ(root->Items(0), form->View1);
    EXPECT_TRUE(root->Items(1)->IsLine());
    EXPECT_EQ(form->View1->Count(), 2);
    EXPECT_EQ(form->Small1->Parent(), form->View1);
    EXPECT_EQ(form->Small1->GetParentMenu(), form->PopupMenu1);
    EXPECT_EQ(root->Find(QStringLiteral("save")), form->Save1);
    EXPECT_EQ(form->Save1->ShortCut(), ShortCut('S', TShiftState{ssCtrl}));
    // The control's published PopupMenu is written back by name.
    EXPECT_EQ(GetObjectProp(form->Panel1, QStringLiteral("PopupMenu")), form->PopupMenu1);
}

TEST(Menus, RadioItemsOfAGroupExcludeEachOther) {
    TPopupMenu menu(nullptr);
    TMenuItem* a = item(QStringLiteral("a"), true, 1, true);
    TMenuItem* b = item(QStringLiteral("b"), true, 1);
    TMenuItem* c = item(QStringLiteral("c"), true, 2, true);
    TMenuItem* d = item(QStringLiteral("d"), false, 1, true); // not a radio item
    for (TMenuItem* i : {a, b, c, d})
        menu.Items()->Add(i);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(c->Checked()); // another group
    EXPECT_TRUE(d->Checked());
    // Joining group 1, the checked c takes over from b.
    c->SetGroupIndex(1);
    EXPECT_FALSE(b->Checked());
    EXPECT_TRUE(c->Checked());
    // A checked radio item added to the group wins as well.
    menu.Items()->Insert(0, item(QStringLiteral("e"), true, 1, true));
    EXPECT_FALSE(c->Checked());
    EXPECT_EQ(menu.Items()->Items(0)->Caption(), QStringLiteral("e"));
    EXPECT_THROW(menu.Items()->Add(a), EMenuError);
    EXPECT_THROW(menu.Items()->Items(9), EMenuError);
    menu.Items()->Delete(0);
    EXPECT_EQ(menu.Items()->Count(), 4);
}

TEST(Menus, ClickChecksThenCallsOnClickUnlessDisabled) {
    auto form = makeMenuForm();
    form->Large1->Click();
    EXPECT_TRUE(form->Large1->Checked());
    EXPECT_FALSE(form->Small1->Checked());
    // An auto-check item that is not a radio item toggles.
    form->Save1->SetAutoCheck(true);
    form->Save1->Click();
    form->Save1->Click();
    form->Save1->SetEnabled(false);
    form->Save1->Click();
    EXPECT_EQ(form->Log, QStringList({"Large1 1", "Save1 1", "Save1 0"}));
    EXPECT_FALSE(form->Save1->Checked());
}

TEST(Menus, PopupRunsOnPopupThenClicksTheChosenItem) {
    auto form = makeMenuForm();
    HookScript hook;
    hook.Answer = form->Large1;
    EXPECT_TRUE(ShowControlPopupMenu(form->Panel1, TPoint{40, 50}));
    EXPECT_EQ(hook.Calls, QStringList({"PopupMenu1 at 40,50"}));
    EXPECT_EQ(form->Log, QStringList({"Popup Panel1", "Large1 1"}));
    EXPECT_EQ(form->PopupMenu1->PopupPoint(), (TPoint{40, 50}));
    // Nothing chosen: only OnPopup. A disabled item chosen does nothing.
    form->Log.clear();
    hook.Answer = nullptr;
    form->PopupMenu1->Popup(1, 2);
    hook.Answer = form->Small1;
    form->Small1->SetEnabled(false);
    form->PopupMenu1->Popup(1, 2);
    EXPECT_EQ(form->Log, QStringList({"Popup Panel1", "Popup Panel1"}));
    // Without AutoPopup, or without a menu, a right click shows nothing.
    form->PopupMenu1->SetAutoPopup(false);
    EXPECT_FALSE(ShowControlPopupMenu(form->Panel1, TPoint{0, 0}));
    EXPECT_FALSE(ShowControlPopupMenu(form.get(), TPoint{0, 0}));
    // The popup component is let go when it is freed.
    FreeObject(form->Panel1);
    EXPECT_EQ(form->PopupMenu1->PopupComponent(), nullptr);
}

TEST(Menus, ShortCutsAsTextAndThroughTheMenu) {
    struct Case {
        Word key;
        TShiftState shift;
        const char* text;
    } cases[] = {
        {'S', {ssCtrl}, "Ctrl+S"},
        {VK_F2, {ssShift}, "Shift+F2"},
        {VK_DELETE, {}, "Del"},
        {VK_RETURN, {ssCtrl, ssAlt}, "Ctrl+Alt+Enter"},
        {'5', {ssShift, ssCtrl}, "Shift+Ctrl+5"},
    };
    for (const Case& c : cases) {
        const TShortCut sc = ShortCut(c.key, c.shift);
        EXPECT_EQ(ShortCutToText(sc), QString::fromLatin1(c.text));
        EXPECT_EQ(TextToShortCut(QString::fromLatin1(c.text)), sc) << c.text;
    }
    EXPECT_EQ(TextToShortCut(QStringLiteral("Ctrl+Nothing")), 0);
    auto form = makeMenuForm();
    EXPECT_TRUE(form->PopupMenu1->IsShortCut('S', TShiftState{ssCtrl}));
    EXPECT_FALSE(form->PopupMenu1->IsShortCut('S', TShiftState{}));
    // An item under a disabled parent does not answer its shortcut.
    form->Large1->SetShortCut(ShortCut('L', TShiftState{ssCtrl}));
    form->View1->SetEnabled(false);
    EXPECT_FALSE(form->PopupMenu1->IsShortCut('L', TShiftState{ssCtrl}));
    EXPECT_EQ(form->Log, QStringList({"Save1 0"}));
}

namespace {
// A shown form with a panel (its own menu) holding a window-less spot (its own menu) and
// a windowed box without one. The hook logs which menu shows for which control and where,
// in the form's client coordinates.
struct RightClickFixture {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    TPanel* panel = new TPanel(form.get());
    TTestSpot* spot = new TTestSpot(form.get());
    TTestBox* box = new TTestBox(form.get());
    TPopupMenu* panelMenu = new TPopupMenu(form.get());
    TPopupMenu* spotMenu = new TPopupMenu(form.get());
    bool spotHandles = false;
    TPopupMenuHook old;

    RightClickFixture() {
        RegisterFixtureClasses();
        form->SetClientSize(300, 200);
        panel->SetName(QStringLiteral("Panel"));
        panel->SetBounds(10, 10, 200, 150);
        panel->SetParent(form.get());
        spot->SetName(QStringLiteral("Spot"));
        spot->SetBounds(50, 40, 30, 20);
        spot->SetParent(panel);
        box->SetName(QStringLiteral("Box"));
        box->SetBounds(120, 20, 60, 60);
        box->SetParent(panel);
        panelMenu->SetName(QStringLiteral("PanelMenu"));
        spotMenu->SetName(QStringLiteral("SpotMenu"));
        panel->SetPopupMenu(panelMenu);
        spot->SetPopupMenu(spotMenu);
        for (TControl* c : std::initializer_list<TControl*>{panel, spot, box})
            c->OnContextPopup = TContextPopupEvent([this](TObject* Sender, TPoint P, bool& Handled) {
                Log() << QStringLiteral("%1.ContextPopup %2,%3")
                             .arg(static_cast<TControl*>(Sender)->Name())
                             .arg(P.X)
                             .arg(P.Y);
                if (Sender == spot) Handled = spotHandles;
            });
        old = SetPopupMenuHook([this](TPopupMenu* m, int x, int y) -> TMenuItem* {
            const TPoint o = form->ClientToScreen(TPoint{0, 0});
            Log() << QStringLiteral("%1 for %2 at %3,%4")
                         .arg(m->Name())
                         .arg(m->PopupComponent()->Name())
                         .arg(x - o.X)
                         .arg(y - o.Y);
            return nullptr;
        });
        form->Show();
        Log().clear();
    }
    ~RightClickFixture() { SetPopupMenuHook(old); }
};
} // namespace

TEST(Menus, RightClickShowsTheMenuOfTheControlUnderTheMouseOrOfItsParents) {
    struct Case {
        const char* what;
        bool onBox; // else on the panel's window
        QPoint at;
        Qt::MouseButton button;
        bool spotHandles;
        bool spotAutoPopup;
        QStringList expected;
    } cases[] = {
        {"window-less child with its own menu",
         false,
         {55, 45},
         Qt::RightButton,
         false,
         true,
         {"Spot.Up 5,5", "Spot.ContextPopup 5,5", "SpotMenu for Spot at 65,55"}},
        {"window without a menu: its parent's menu",
         true,
         {5, 5},
         Qt::RightButton,
         false,
         true,
         {"Box.Up 5,5", "Box.ContextPopup 5,5", "Panel.ContextPopup 125,25",
          "PanelMenu for Panel at 135,35"}},
        {"OnContextPopup handles it: no menu",
         false,
         {55, 45},
         Qt::RightButton,
         true,
         true,
         {"Spot.Up 5,5", "Spot.ContextPopup 5,5"}},
        {"menu without AutoPopup: the parent's menu",
         false,
         {55, 45},
         Qt::RightButton,
         false,
         false,
         {"Spot.Up 5,5", "Spot.ContextPopup 5,5", "Panel.ContextPopup 55,45",
          "PanelMenu for Panel at 65,55"}},
        {"left button: no menu", false, {55, 45}, Qt::LeftButton, false, true, {"Spot.Up 5,5"}},
    };
    for (const Case& c : cases) {
        RightClickFixture f;
        f.spotHandles = c.spotHandles;
        f.spotMenu->SetAutoPopup(c.spotAutoPopup);
        TWinControl* target = c.onBox ? static_cast<TWinControl*>(f.box) : f.panel;
        SendMouse(target, QEvent::MouseButtonPress, c.at.x(), c.at.y(), c.button);
        Log().clear();
        SendMouse(target, QEvent::MouseButtonRelease, c.at.x(), c.at.y(), c.button);
        EXPECT_EQ(Log().join(u'|').toStdString(), c.expected.join(u'|').toStdString()) << c.what;
        Mouse->SetCapture(nullptr);
    }
}

TEST(Menus, ContextMenuFromTheKeyboardShowsAtTheControlsOrigin) {
    RightClickFixture f;
    // (-1, -1): no mouse position; the box has no menu, so its parent shows its own.
    f.box->Perform(WM_CONTEXTMENU, 0, LPARAM(0xFFFFFFFF));
    EXPECT_EQ(Log(), QStringList({"Box.ContextPopup -1,-1", "Panel.ContextPopup -1,-1",
                                  "PanelMenu for Panel at 10,10"}));
}
