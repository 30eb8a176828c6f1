// Actions: a control follows its action through the link, a click executes it, the action
// routes to a target that takes it, and the application's hint travels as a hint action.
#include "ControlFixture.h"

#include "platform/controls/ActnList.h"
#include "platform/controls/Screen.h"

namespace {
struct Recorder : TObject {
    QStringList log;
    void Executed(TObject* Sender) {
        log << QStringLiteral("execute ") + static_cast<TComponent*>(Sender)->Name();
    }
    void OwnClick(TObject*) { log << QStringLiteral("own click"); }
    void ListExecute(TBasicAction* Action, bool& Handled) {
        log << QStringLiteral("list ") + Action->Name();
        Handled = takeInList;
    }
    bool takeInList = false;
};

// A box that takes every hint action and keeps its text.
class THintTaker : public TTestBox {
public:
    explicit THintTaker(TComponent* AOwner) : TTestBox(AOwner) {}
    QStringList hints;
    bool ExecuteAction(TBasicAction* Action) override {
        if (auto* h = dynamic_cast<THintAction*>(Action)) {
            hints << h->Hint();
            return true;
        }
        return TTestBox::ExecuteAction(Action);
    }
};

struct Actions : ::testing::Test {
    Recorder rec;
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    TActionList* list = new TActionList(form.get());
    TAction* action = new TAction(form.get());
    TTestBox* box = new TTestBox(form.get());
    void SetUp() override {
        action->SetName(QStringLiteral("OpenAction"));
        action->SetActionList(list);
        action->OnExecute = TNotifyEvent(&rec, &Recorder::Executed);
        list->OnExecute = TActionEvent(&rec, &Recorder::ListExecute);
        box->SetParent(form.get());
        box->SetBounds(0, 0, 50, 20);
    }
};
} // namespace

TEST_F(Actions, TheControlFollowsItsActionWhileItStillShowsTheActionsValues) {
    action->SetCaption(QStringLiteral("Open"));
    action->SetHint(QStringLiteral("Opens a file"));
    box->SetAction(action);
    EXPECT_EQ(box->Caption(), QStringLiteral("Open"));
    EXPECT_EQ(box->Hint(), QStringLiteral("Opens a file"));
    action->SetEnabled(false);
    action->SetCaption(QStringLiteral("Open..."));
    EXPECT_FALSE(box->Enabled());
    EXPECT_EQ(box->Caption(), QStringLiteral("Open..."));
    // Each change of the action reaches the control, whatever it showed meanwhile.
    box->SetCaption(QStringLiteral("Mine"));
    action->SetCaption(QStringLiteral("Load"));
    EXPECT_EQ(box->Caption(), QStringLiteral("Load"));
    action->SetVisible(false);
    EXPECT_FALSE(box->Visible());
    // The action goes: the control keeps what it shows and forgets the action.
    FreeObject(action);
    action = nullptr;
    EXPECT_EQ(box->Action(), nullptr);
    EXPECT_EQ(box->Caption(), QStringLiteral("Load"));
}

TEST_F(Actions, AClickExecutesTheActionUnlessOnClickIsTheControlsOwn) {
    box->SetAction(action);
    box->Click();
    EXPECT_EQ(rec.log, QStringList({"list OpenAction", "execute OpenAction"}));
    EXPECT_EQ(action->ActionComponent(), nullptr) << "set for the call only";
    rec.log.clear();
    box->OnClick = TNotifyEvent(&rec, &Recorder::OwnClick);
    box->Click();
    EXPECT_EQ(rec.log, QStringList({"own click"}));
    // A disabled action executes nothing.
    rec.log.clear();
    box->OnClick = action->OnExecute;
    action->SetEnabled(false);
    box->SetEnabled(true);
    box->Click();
    EXPECT_TRUE(rec.log.isEmpty());
}

TEST_F(Actions, ExecutingAsksTheListThenTheHandlerThenTheFormsControls) {
    rec.takeInList = true;
    EXPECT_TRUE(action->Execute());
    EXPECT_EQ(rec.log, QStringList({"list OpenAction"}));
    rec.takeInList = false;
    rec.log.clear();
    EXPECT_TRUE(action->Execute());
    EXPECT_EQ(rec.log, QStringList({"list OpenAction", "execute OpenAction"}));

    // Without a handler the active form's controls are asked, nested ones too.
    auto* panel = new TTestBox(form.get());
    panel->SetParent(form.get());
    auto* taker = new THintTaker(form.get());
    taker->SetParent(panel);
    form->Show();
    Screen->SetActiveForm(form.get());
    THintAction hint(nullptr);
    hint.SetHint(QStringLiteral("Saves the map"));
    EXPECT_TRUE(hint.Execute());
    EXPECT_EQ(taker->hints, QStringList({"Saves the map"}));
    // A hidden control is passed over.
    taker->hints.clear();
    panel->Hide();
    EXPECT_FALSE(hint.Execute());
    EXPECT_TRUE(taker->hints.isEmpty());
    panel->Show();

    // The application's hint goes the same way when no OnHint takes it.
    Application->SetHint(QStringLiteral("Connects to the box"));
    EXPECT_EQ(taker->hints, QStringList({"Connects to the box"}));
    Application->SetHint(QString());
    Screen->SetActiveForm(nullptr);
}

TEST_F(Actions, CheckingAGroupActionUnchecksTheOthersOfItsList) {
    auto* second = new TAction(form.get());
    second->SetActionList(list);
    action->SetGroupIndex(3);
    second->SetGroupIndex(3);
    action->SetChecked(true);
    second->SetChecked(true);
    EXPECT_FALSE(action->Checked());
    // AutoCheck toggles a lone action, and never unchecks a checked group action.
    second->SetAutoCheck(true);
    second->Execute();
    EXPECT_TRUE(second->Checked());
    second->SetGroupIndex(0);
    second->Execute();
    EXPECT_FALSE(second->Checked());
    // Freed actions leave their list.
    FreeObject(second);
    EXPECT_EQ(list->ActionCount(), 1);
}
