// Forms: reading from the resource with OnCreate after the constructor, show and close
// events, the modal loop with a timer still ticking, release, exceptions of event
// handlers reaching the application, and the refusing events' handlers in the resource.
#include "ControlFixture.h"

#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypInfo.h"
#include "platform/classes/Writer.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Frame.h"
#include "platform/controls/StandardControls.h"
#include "platform/controls/TabControl.h"
#include "platform/controls/Timer.h"
#include "platform/controls/UpDown.h"
#include "platform/win/MessageBox.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {
class TNoResourceForm : public TForm {
    ORVO_CLASS(TNoResourceForm, TForm)
public:
    explicit TNoResourceForm(TComponent* AOwner) : TForm(AOwner) {}
    TNoResourceForm(TComponent* AOwner, int Dummy) : TForm(AOwner, Dummy) {}
};
ORVO_IMPLEMENT_CLASS(TNoResourceForm, TForm)

// A form whose close query and whose tab control's and up-down's change queries are
// bound to its methods by its resource.
class TRefuseForm : public TForm {
    ORVO_CLASS(TRefuseForm, TForm)
public:
    explicit TRefuseForm(TComponent* AOwner) : TForm(AOwner) {}
    TTabControl* Tabs = nullptr;
    TUpDown* Spin = nullptr;
    QStringList Calls;
    void FormCloseQuery(TObject* Sender, bool& CanClose) {
        refuse(QStringLiteral("FormCloseQuery"), Sender, CanClose);
    }
    void TabsChanging(TObject* Sender, bool& AllowChange) {
        refuse(QStringLiteral("TabsChanging"), Sender, AllowChange);
    }
    void SpinChanging(TObject* Sender, bool& AllowChange) {
        refuse(QStringLiteral("SpinChanging"), Sender, AllowChange);
    }

private:
    void refuse(const QString& Handler, TObject* Sender, bool& Allow) {
        Calls << Handler + QLatin1Char(' ') + static_cast<TComponent*>(Sender)->Name();
        Allow = false;
    }
};
ORVO_IMPLEMENT_CLASS(TRefuseForm, TForm)
ORVO_PUBLISHED(TRefuseForm) {
    P.Field("Tabs", &TRefuseForm::Tabs);
    P.Field("Spin", &TRefuseForm::Spin);
    P.Method("FormCloseQuery", &TRefuseForm::FormCloseQuery);
    P.Method("TabsChanging", &TRefuseForm::TabsChanging);
    P.Method("SpinChanging", &TRefuseForm::SpinChanging);
}
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

TEST(Form, AControlThatFailsToReadGoesWithTheControlsItParentsAndTheFormStaysWhole) {
    // The panel's second child has a property no button has: the panel is freed with the
    // button it has read already, and nothing of either may be touched afterwards.
    const QByteArray text = "object F: TForm\n"
                            "  object P: TPanel\n"
                            "    object B: TButton\n"
                            "    end\n"
                            "    object X: TButton\n"
                            "      Ckption = 'x'\n"
                            "    end\n"
                            "  end\n"
                            "end\n";
    RegisterStandardControls();
    TMemoryStream in, bin;
    in.WriteBuffer(text.constData(), int(text.size()));
    in.SetPosition(0);
    ObjectTextToBinary(&in, &bin);
    bin.SetPosition(0);
    std::unique_ptr<TForm, Free> f(new TForm(nullptr, 0));
    {
        TReader reader(&bin);
        EXPECT_THROW(reader.ReadRootComponent(f.get()), EFilerError);
    }
    EXPECT_EQ(f->FindComponent(QStringLiteral("P")), nullptr);
    EXPECT_EQ(f->FindComponent(QStringLiteral("B")), nullptr);
    EXPECT_EQ(f->ControlCount(), 0);
    EXPECT_FALSE(f->ComponentState().Contains(csLoading));
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

// A child asked for its window before its parent has one: making the parent's window makes
// the child's too, and that is the window the child keeps (no second one beside it).
TEST(Form, AChildAskedForItsWindowFirstKeepsTheOneItsParentMade) {
    std::unique_ptr<TForm, Free> form(new TForm(nullptr, 0));
    auto* outer = new TTestBox(form.get());
    outer->SetParent(form.get());
    auto* inner = new TTestBox(form.get());
    inner->SetParent(outer);
    HWND h = inner->Handle();
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(inner->Handle(), h);
    EXPECT_EQ(GetParent(h), outer->Handle());
    // One window each under the form's: the outer box's, holding the inner box's.
    const QList<QWidget*> windows = form->Widget()->findChildren<QWidget*>();
    ASSERT_EQ(windows.size(), 2);
    EXPECT_TRUE(windows.contains(outer->Widget()));
    EXPECT_TRUE(windows.contains(inner->Widget()));
    EXPECT_EQ(inner->Widget()->parentWidget(), outer->Widget());
}

// The close query and the two change queries are one C++ type: they report one type name,
// and each still reads its handler from the resource and writes it back.
TEST(Form, RefusingEventsShareOneTypeAndStreamTheirHandlers) {
    RegisterStandardControls();
    std::unique_ptr<TRefuseForm, Free> f(MakeForm<TRefuseForm>());
    ASSERT_NE(f->Tabs, nullptr);
    ASSERT_NE(f->Spin, nullptr);
    struct Case {
        TObject* instance;
        const char* property;
        const char* handler;
    } cases[] = {
        {f.get(), "OnCloseQuery", "FormCloseQuery"},
        {f->Tabs, "OnChanging", "TabsChanging"},
        {f->Spin, "OnChanging", "SpinChanging"},
    };
    TMemoryStream bin, text;
    {
        TWriter w(&bin, 4096);
        w.WriteRootComponent(f.get());
    }
    bin.SetPosition(0);
    ObjectBinaryToText(&bin, &text);
    const QString written =
        QString::fromUtf8(static_cast<const char*>(text.Memory()), qsizetype(text.Size()));
    for (const Case& c : cases) {
        const String property = QString::fromLatin1(c.property), handler = QString::fromLatin1(c.handler);
        PPropInfo p = GetPropInfo(c.instance, property);
        ASSERT_NE(p, nullptr) << c.handler;
        EXPECT_EQ(p->PropType->Name, QStringLiteral("TCloseQueryEvent")) << c.handler;
        EXPECT_EQ(MethodName(f.get(), GetMethodProp(c.instance, p)), handler);
        EXPECT_TRUE(written.contains(property + QStringLiteral(" = ") + handler)) << c.handler;
    }
    bool allow = true;
    f->OnCloseQuery(f.get(), allow);
    f->Tabs->OnChanging(f->Tabs, allow);
    f->Spin->OnChanging(f->Spin, allow);
    EXPECT_FALSE(allow);
    EXPECT_EQ(f->Calls, QStringList({"FormCloseQuery RefuseForm", "TabsChanging Tabs", "SpinChanging Spin"}));
}
