// The form layer and TXcForm (resources, activation, keyboard cues, showing without
// activating) and the highlight frame of the windowed controls, read from pixels.
#include "XcTestSupport.h"

#include "controls/XcForm.h"
#include "controls/XcSwitch.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QStringList>

namespace {
// A form class that has no form resource.
class TNoResourceForm : public TXcForm {
    ORVO_CLASS(TNoResourceForm, TXcForm)
public:
    explicit TNoResourceForm(TComponent* AOwner) : TXcForm(AOwner) {}
};
ORVO_IMPLEMENT_CLASS(TNoResourceForm, TXcForm)

// Logs the keyboard-cue requests the form sends itself.
class TCueForm : public TXcForm {
public:
    TCueForm() : TXcForm(nullptr, 0) {}
    QStringList cues;
    void Dispatch(TMessage& Message) override {
        if (Message.Msg == WM_CHANGEUISTATE)
            cues << QStringLiteral("%1/%2").arg(Message.WParam & 0xFFFF).arg(Message.WParam >> 16);
        TXcForm::Dispatch(Message);
    }
};

struct FormLayer : ShownForm<300, 200> {
    int activations = 0;
    void Activated(TObject*) { ++activations; }
};
} // namespace

TEST_F(FormLayer, TheFormClassItselfNeedsNoResourceADerivedOneDoes) {
    std::unique_ptr<TXcForm, Free> plain;
    plain.reset(new TXcForm(nullptr));
    EXPECT_NO_THROW(plain->AfterConstruction());
    EXPECT_TRUE(plain->IsFocusable());
    auto makeDerived = [] {
        std::unique_ptr<TNoResourceForm, Free> f{new TNoResourceForm(nullptr)};
        f->AfterConstruction();
    };
    EXPECT_THROW(makeDerived(), EResNotFound);
}

TEST_F(FormLayer, AFormThatIsNotFocusableIsNotActivatedByAClick) {
    std::unique_ptr<TXcForm, Free> xf{new TXcForm(nullptr, 0)};
    EXPECT_NE(xf->Perform(WM_MOUSEACTIVATE), MA_NOACTIVATE);
    xf->SetIsFocusable(false);
    EXPECT_EQ(xf->Perform(WM_MOUSEACTIVATE), MA_NOACTIVATE);
}

TEST_F(FormLayer, ShowNoActivateLeavesTheActiveFormActive) {
    Screen->SetActiveForm(form.get());
    std::unique_ptr<TXcForm, Free> xf{new TXcForm(nullptr, 0)};
    xf->OnActivate = TNotifyEvent(static_cast<FormLayer*>(this), &FormLayer::Activated);
    xf->SetBounds(40, 50, 120, 80);
    xf->ShowNoActivate(false);
    EXPECT_TRUE(xf->Visible());
    EXPECT_TRUE(xf->Showing());
    EXPECT_EQ(Screen->ActiveForm(), form.get());
    EXPECT_EQ(activations, 0);
    EXPECT_EQ(xf->BoundsRect(), (TRect{40, 50, 160, 130})) << "neither moved nor sized";
    xf->Hide();
    xf->ShowNoActivate(true);
    EXPECT_EQ(activations, 1) << "the activate handling runs when asked";
    EXPECT_EQ(Screen->ActiveForm(), form.get());
}

TEST_F(FormLayer, KeyboardCuesShowOnceTheKeyboardIsUsed) {
    std::unique_ptr<TCueForm, Free> f{new TCueForm};
    f->Show();
    EXPECT_EQ(f->cues, QStringList({"3/0"})) << "initialised when shown";
    f->cues.clear();
    struct Case {
        int key;
        const char* cue;
    } cases[] = {{VK_TAB, "2/1"}, {VK_LEFT, "2/1"}, {VK_DOWN, "2/1"}, {0x12, "2/3"}, {VK_RETURN, nullptr}};
    for (const Case& c : cases) {
        f->cues.clear();
        f->Perform(CM_DIALOGKEY, WPARAM(c.key), 0);
        EXPECT_EQ(f->cues, c.cue ? QStringList({c.cue}) : QStringList()) << c.key;
    }
}

TEST_F(FormLayer, TheHighlightFrameFollowsTheMouseAndTheFocus) {
    auto* s = make<TXcSwitch>(10, 10, 40, 50);
    s->SetColor(TColor(0x00C000));
    auto frame = [&] {
        TBitmap image(40, 50);
        s->PaintTo(image.Canvas(), 0, 0);
        return QStringList({QString::number(uint(image.Canvas()->Pixels(0, 0)), 16),
                            QString::number(uint(image.Canvas()->Pixels(1, 1)), 16),
                            QString::number(uint(image.Canvas()->Pixels(39, 49)), 16),
                            QString::number(uint(image.Canvas()->Pixels(38, 48)), 16),
                            QString::number(uint(image.Canvas()->Pixels(2, 2)), 16)});
    };
    EXPECT_EQ(frame(), QStringList({"c000", "c000", "c000", "c000", "c000"})) << "off: no frame";
    s->SetDotNetHighlighting(true);
    EXPECT_EQ(frame(), QStringList({"808080", "c000", "808080", "c000", "c000"})) << "at rest";
    s->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(s));
    EXPECT_EQ(frame(), QStringList({"733800", "733800", "733800", "733800", "c000"})) << "under the mouse";
    s->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(s));
    EXPECT_EQ(frame(), QStringList({"808080", "c000", "808080", "c000", "c000"})) << "left";
    s->SetFocus();
    EXPECT_EQ(frame(), QStringList({"733800", "733800", "733800", "733800", "c000"})) << "focused";
}
