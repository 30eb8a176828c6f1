// The device-choice dialog: its form resource, and the Bluetooth open asking it on the
// user-interface thread when several boxes answer, answered through the modal hook or by a
// click in the real modal loop.
#include "BtDeviceTestSupport.h"
#include "device/bluetooth/FrmMultipleBtDevices.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Bevel.h"
#include "platform/controls/Button.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Label.h"

#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

using devtest::TDeclaredBox;

namespace {

struct Free {
    void operator()(TObject* o) const { FreeObject(o); }
};

// What the dialog held when it was shown.
struct TShown {
    TThreadID thread = 0;
    std::vector<String> lines;
    int itemIndex = -2;
};

class BtDialogTest : public devtest::BtBoxesFixture {
protected:
    void SetUp() override {
        BtBoxesFixture::SetUp();
        form.reset(new TfrmMultipleBtDevices(nullptr));
        form->AfterConstruction();
        previousHook_ = SetShowModalHook({});
    }
    void TearDown() override {
        SetShowModalHook(previousHook_);
        form.reset();
        BtBoxesFixture::TearDown();
    }

    // Answers the dialog through the modal hook: selects line index, answers result, and
    // records what the dialog held when shown.
    void AnswerWith(int result, int index) {
        SetShowModalHook([this, result, index](TCustomForm* f) {
            EXPECT_EQ(f, form.get());
            TShown s;
            s.thread = GetCurrentThreadId();
            for (int i = 0; i < form->cbBtDeviceSelect->Items()->Count(); ++i)
                s.lines.push_back(form->cbBtDeviceSelect->Items()->Strings(i));
            s.itemIndex = form->cbBtDeviceSelect->ItemIndex();
            shown.push_back(s);
            form->cbBtDeviceSelect->SetItemIndex(index);
            return result;
        });
    }

    // Runs Open on a worker thread while this (user-interface) thread serves its calls; a
    // worker that has not ended after half a minute ends the test program rather than hang.
    bool Open() {
        devtest::TOpenThread thread(Device());
        thread.Start();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!thread.Finished()) {
            if (std::chrono::steady_clock::now() > deadline) {
                std::fprintf(stderr, "Open on the worker thread did not end within 30 s\n");
                std::abort();
            }
            CheckSynchronize(20);
        }
        thread.WaitFor();
        if (thread.FatalException()) std::rethrow_exception(thread.FatalException());
        return thread.result;
    }

    std::unique_ptr<TfrmMultipleBtDevices, Free> form;
    std::vector<TShown> shown;

private:
    TShowModalHook previousHook_;
};

TEST_F(BtDialogTest, FormLoadsItsControlsFromItsResource) {
    struct Case {
        TControl* control;
        const char* name;
        TClass cls;
    };
    const std::vector<Case> cases = {
        {form->Bevel1, "Bevel1", TBevel::StaticClass()},
        {form->lblBtDeviceSelect, "lblBtDeviceSelect", TLabel::StaticClass()},
        {form->OKBtn, "OKBtn", TButton::StaticClass()},
        {form->CancelBtn, "CancelBtn", TButton::StaticClass()},
        {form->cbBtDeviceSelect, "cbBtDeviceSelect", TComboBoxEx::StaticClass()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.control, nullptr);
        EXPECT_EQ(c.control->Name(), c.name);
        EXPECT_EQ(c.control->ClassType(), c.cls);
        EXPECT_EQ(c.control->Parent(), form.get());
        EXPECT_EQ(c.control->Owner(), form.get());
    }
    EXPECT_EQ(form->Caption(), "Devices");
    EXPECT_EQ(form->BorderStyle(), bsDialog);
    EXPECT_EQ(form->ClientWidth(), 310);
    EXPECT_EQ(form->ClientHeight(), 180);
    EXPECT_EQ(form->lblBtDeviceSelect->Caption(),
              "Multiple devices found.\r\nPlease choose a device to connect to:");
    // The buttons end the modal loop with their results; Enter and Escape reach them.
    EXPECT_EQ(form->OKBtn->ModalResult(), mrOk);
    EXPECT_TRUE(form->OKBtn->Default());
    EXPECT_EQ(form->CancelBtn->ModalResult(), mrCancel);
    EXPECT_TRUE(form->CancelBtn->Cancel());
    EXPECT_EQ(form->cbBtDeviceSelect->Style(), csExDropDownList);
    EXPECT_EQ(form->OKBtn->TabOrder(), 0);
    EXPECT_EQ(form->CancelBtn->TabOrder(), 1);
    EXPECT_EQ(form->cbBtDeviceSelect->TabOrder(), 2);
}

TEST_F(BtDialogTest, IsTheChoiceDialogWhileItLives) {
    IBtDeviceChoiceDialog* installed = SetBtDeviceChoiceDialog(nullptr);
    EXPECT_EQ(installed, static_cast<IBtDeviceChoiceDialog*>(form.get()));
    SetBtDeviceChoiceDialog(installed);
    form.reset();
    EXPECT_EQ(SetBtDeviceChoiceDialog(nullptr), nullptr);

    // A dialog installed after the form stays installed when the form goes.
    form.reset(new TfrmMultipleBtDevices(nullptr));
    auto* later = new TfrmMultipleBtDevices(nullptr);
    form.reset();
    EXPECT_EQ(SetBtDeviceChoiceDialog(nullptr), static_cast<IBtDeviceChoiceDialog*>(later));
    SetBtDeviceChoiceDialog(later);
    FreeObject(later);
    EXPECT_EQ(SetBtDeviceChoiceDialog(nullptr), nullptr);
}

TEST_F(BtDialogTest, UserChoosesTheSecondOfTwoAnsweringBoxes) {
    TDeclaredBox& a = AddBox();
    TDeclaredBox& b = AddBox();
    AnswerWith(mrOk, 1);
    ASSERT_TRUE(Open());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].thread, MainThreadID);
    EXPECT_EQ(shown[0].lines, (std::vector<String>{Line(a), Line(b)}));
    EXPECT_EQ(shown[0].itemIndex, 0);
    EXPECT_EQ(serial->opened.back(), b.PortName());
    EXPECT_TRUE(ConnectedTo(b));

    // The next open fills the dialog afresh, the first line selected again.
    ASSERT_TRUE(Open());
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].lines, shown[0].lines);
    EXPECT_EQ(shown[1].itemIndex, 0);
    EXPECT_TRUE(ConnectedTo(b));
}

TEST_F(BtDialogTest, CancelledChoiceHoldsNoPort) {
    AddBox();
    AddBox();
    AnswerWith(mrCancel, 1);
    EXPECT_FALSE(Open());
    EXPECT_EQ(shown.size(), 1u);
    ExpectAllPortsClosed();
}

// The real modal loop, ended by a click on one of the form's buttons.
TEST_F(BtDialogTest, ButtonsOfTheShownDialogEndTheChoice) {
    struct Case {
        const char* name;
        bool ok;
    };
    AddBox();
    TDeclaredBox& b = AddBox();
    for (const Case c : {Case{"OK", true}, Case{"Cancel", false}}) {
        SCOPED_TRACE(c.name);
        bool clicked = false;
        QTimer click;
        click.setInterval(10);
        QObject::connect(&click, &QTimer::timeout, [&] {
            if (clicked || !form->Visible()) return;
            clicked = true;
            form->cbBtDeviceSelect->SetItemIndex(1);
            (c.ok ? form->OKBtn : form->CancelBtn)->Click();
        });
        click.start();
        // A dialog still up after ten seconds is closed, so that nothing waits for ever.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] { form->SetModalResult(mrAbort); });
        guard.start(10000);

        EXPECT_EQ(Open(), c.ok);
        EXPECT_TRUE(clicked);
        EXPECT_FALSE(form->Visible());
        if (c.ok)
            EXPECT_TRUE(ConnectedTo(b));
        else
            ExpectAllPortsClosed();
    }
}

} // namespace
