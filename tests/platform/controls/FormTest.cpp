// Forms: reading from the resource with OnCreate after the constructor, show and close
// events, the modal loop with a timer still ticking, release, and exceptions of event
// handlers reaching the application.
#include "ControlFixture.h"

#include "platform/controls/Dialogs.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Timer.h"
#include "platform/win/MessageBox.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {
struct Free {
    void operator()(TObject* o) const { FreeObject(o); }
};

class TNoResourceForm : public TForm {
    ORVO_CLASS(TNoResourceForm, TForm)
public:
    explicit TNoResourceForm(TComponent* AOwner) : TForm(AOwner) {}
    TNoResourceForm(TComponent* AOwner, int Dummy) : TForm(AOwner, Dummy) {}
};
ORVO_IMPLEMENT_CLASS(TNoResourceForm, TForm)
} // namespace

TEST(Form, ReadsItsResourceBindsFieldsAndRunsOnCreateAfterTheConstructor) {
    std::unique_ptr<TLayoutForm, Free> f(MakeForm<TLayoutForm>());
    EXPECT_EQ(f->Name(), QStringLiteral("LayoutForm"));
    EXPECT_EQ(f->Caption(), QStringLiteral("Layout"));
    EXPECT_TRUE(f->CreateAfterConstructor);
    EXPECT_TRUE(f->CreateSawControls);
    EXPECT_EQ(f->Client1->Parent(), f.get());
    EXPECT_EQ(f->ControlCount(), 10);
}

TEST(Form, AFormClassWithoutResourceRaisesUnlessCreatedNew) {
    auto* f = new TNoResourceForm(nullptr);
    EXPECT_THROW(f->AfterConstruction(), EResNotFound);
    FreeObject(f);
    std::unique_ptr<TNoResourceForm, Free> g(new TNoResourceForm(nullptr, 0));
    EXPECT_NO_THROW(g->AfterConstruction());
}

TEST(Form, ShowCloseQueryCloseAndRelease) {
    QStringList log;
    auto* f = new TForm(nullptr, 0);
    QPointer<QWidget> widget;
    f->OnShow = TNotifyEvent([&](TObject*) { log << QStringLiteral("Show"); });
    f->OnHide = TNotifyEvent([&](TObject*) { log << QStringLiteral("Hide"); });
    bool allow = false;
    f->OnCloseQuery = TCloseQueryEvent([&](TObject*, bool& CanClose) {
        log << QStringLiteral("CloseQuery");
        CanClose = allow;
    });
    TCloseAction action = caHide;
    f->OnClose = TCloseEvent([&](TObject*, TCloseAction& a) {
        log << QStringLiteral("Close");
        a = action;
    });
    f->OnDestroy = TNotifyEvent([&](TObject*) { log << QStringLiteral("Destroy"); });
    f->Show();
    widget = f->Widget();
    EXPECT_TRUE(f->Showing());
    f->Close();
    EXPECT_TRUE(f->Visible());
    allow = true;
    f->Close();
    EXPECT_FALSE(f->Visible());
    f->Show();
    action = caFree;
    f->Close();
    EXPECT_EQ(log, QStringList(
                       {"Show", "CloseQuery", "CloseQuery", "Close", "Hide", "Show", "CloseQuery", "Close"}));
    // Released: freed once the queued messages were handled.
    Application->ProcessMessages();
    EXPECT_EQ(log.last(), QStringLiteral("Destroy"));
    EXPECT_TRUE(widget.isNull());
}

TEST(Form, ModalLoopKeepsTimersRunningAndDisablesOtherWindows) {
    std::unique_ptr<TForm, Free> other(new TForm(nullptr, 0));
    other->Show();
    std::unique_ptr<TForm, Free> dlg(new TForm(nullptr, 0));
    auto* timer = new TTimer(dlg.get());
    timer->SetInterval(5);
    int ticks = 0;
    bool otherDisabled = false;
    int refusals = 0;
    timer->SetOnTimer(TNotifyEvent([&](TObject*) {
        otherDisabled = !other->Widget()->isEnabled();
        if (++ticks >= 3) dlg->SetModalResult(mrOk);
    }));
    dlg->OnCloseQuery = TCloseQueryEvent([&](TObject*, bool& CanClose) { CanClose = ++refusals > 1; });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_GE(ticks, 4); // the first close was refused, so the loop went on ticking
    EXPECT_TRUE(otherDisabled);
    EXPECT_TRUE(other->Widget()->isEnabled());
    EXPECT_FALSE(dlg->Visible());
    // Closing the modal form answers mrCancel.
    timer->SetOnTimer(TNotifyEvent([&](TObject*) { dlg->Close(); }));
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
}

TEST(Form, ModalHookAnswersInsteadOfTheLoop) {
    std::unique_ptr<TForm, Free> dlg(new TForm(nullptr, 0));
    TCustomForm* seen = nullptr;
    TShowModalHook old = SetShowModalHook([&](TCustomForm* f) {
        seen = f;
        return int(mrYes);
    });
    EXPECT_EQ(dlg->ShowModal(), mrYes);
    SetShowModalHook(old);
    EXPECT_EQ(seen, dlg.get());
}

TEST(Form, EmbeddedFormShowsAgainWhenItsParentDoes) {
    std::unique_ptr<TForm, Free> host(new TForm(nullptr, 0));
    auto* panel = new TTestBox(host.get());
    panel->SetParent(host.get());
    panel->SetBounds(0, 0, 100, 100);
    auto* inner = new TForm(host.get(), 0);
    int shows = 0;
    inner->OnShow = TNotifyEvent([&](TObject*) { ++shows; });
    inner->SetParent(panel);
    inner->SetAlign(alClient);
    inner->Show();
    host->Show();
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(inner->Width(), 100);
    panel->SetVisible(false);
    panel->SetVisible(true);
    EXPECT_EQ(shows, 2);
}

TEST(Form, ExceptionsFromHandlersReachHandleException) {
    RegisterFixtureClasses();
    std::unique_ptr<TForm, Free> f(new TForm(nullptr, 0));
    auto* box = new TTestBox(f.get());
    box->SetBounds(0, 0, 50, 50);
    box->SetParent(f.get());
    f->Show();
    box->OnMouseDown = TMouseEvent([](TObject*, TMouseButton, TShiftState, int, int) {
        throw EConvertError(QStringLiteral("'x' is not a valid integer value"));
    });
    QStringList boxes;
    TMessageBoxHook old =
        SetMessageBoxHook([&](void*, const String& text, const String& caption, unsigned flags) {
            boxes << text << caption << QString::number(flags & MB_ICONMASK);
            return IDOK;
        });
    Application->SetTitle(QStringLiteral("ORVO Tuning"));
    SendMouse(box, QEvent::MouseButtonPress, 5, 5);
    SendMouse(box, QEvent::MouseButtonRelease, 5, 5);
    // EAbort is silent.
    box->OnMouseDown =
        TMouseEvent([](TObject*, TMouseButton, TShiftState, int, int) { throw EAbort(QString()); });
    SendMouse(box, QEvent::MouseButtonPress, 5, 5);
    SendMouse(box, QEvent::MouseButtonRelease, 5, 5);
    SetMessageBoxHook(old);
    EXPECT_EQ(boxes, QStringList(
                         {"'x' is not a valid integer value.", "ORVO Tuning", QString::number(MB_ICONSTOP)}));
}

TEST(Frame, FrameWithoutOwnerIsDestroyedWithItsParentAndAutoSizes) {
    std::unique_ptr<TForm, Free> host(new TForm(nullptr, 0));
    auto* frame = new TFrame(nullptr);
    frame->AfterConstruction();
    auto* content = new TTestBox(frame);
    content->SetBounds(0, 0, 75, 40);
    content->SetParent(frame);
    frame->SetAutoSize(true);
    frame->SetParent(host.get());
    EXPECT_EQ(frame->Width(), 75);
    EXPECT_EQ(frame->Height(), 40);
    bool gone = false;
    frame->OnResize = nullptr;
    struct Watch : TComponent {
        explicit Watch(bool* g) : TComponent(nullptr), gone(g) {}
        bool* gone;
        void Notification(TComponent*, TOperation op) override {
            if (op == opRemove) *gone = true;
        }
    } watch(&gone);
    frame->FreeNotification(&watch);
    host.reset();
    EXPECT_TRUE(gone);
}

TEST(Form, ParentedControlLivesInTheWindowGivenAndDiesWithItsParent) {
    auto* form = new TForm(nullptr, 0);
    form->Show();
    auto* grid = TWinControl::CreateParented<TTestBox>(form->Handle());
    EXPECT_EQ(grid->Owner(), nullptr);
    EXPECT_EQ(grid->ParentWindow(), form->Handle());
    // Its window is a child of the parent window even before it has a parent control.
    HWND h = grid->Handle();
    EXPECT_EQ(GetParent(h), form->Handle());
    EXPECT_EQ(grid->Widget()->parentWidget(), form->Widget());
    grid->SetParent(form);
    grid->SetAlign(alRight);
    EXPECT_EQ(grid->Left() + grid->Width(), form->ClientWidth());
    FreeObject(form);
    EXPECT_FALSE(IsWindow(h));
    // A class that is no windowed control is refused.
    EXPECT_THROW(TWinControl::CreateParented(TComponent::StaticClass(), nullptr), EInvalidOperation);
}
