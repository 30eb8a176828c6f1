// Helpers of the extended-control tests: a shown form to place controls on, input sent as
// window messages, and reading a component from its text form.
#pragma once

#include "controls/XcControls.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Messages.h"

#include <gtest/gtest.h>

#include <memory>

struct Free {
    void operator()(TObject* o) const { FreeObject(o); }
};

inline LPARAM PointParam(int X, int Y) {
    return LPARAM((X & 0xFFFF) | ((Y & 0xFFFF) << 16));
}
inline void MouseDownAt(TControl* C, int X, int Y, UINT Msg = WM_LBUTTONDOWN, WPARAM Keys = MK_LBUTTON) {
    C->Perform(Msg, Keys, PointParam(X, Y));
}
inline void MouseMoveTo(TControl* C, int X, int Y, WPARAM Keys = MK_LBUTTON) {
    C->Perform(WM_MOUSEMOVE, Keys, PointParam(X, Y));
}
inline void MouseUpAt(TControl* C, int X, int Y, UINT Msg = WM_LBUTTONUP) {
    C->Perform(Msg, 0, PointParam(X, Y));
}
inline void ClickAt(TControl* C, int X, int Y) {
    MouseDownAt(C, X, Y);
    MouseUpAt(C, X, Y);
}
inline void KeyDownOn(TControl* C, int Key, LPARAM KeyData = 0) {
    C->Perform(WM_KEYDOWN, WPARAM(Key), KeyData);
}
inline void CharOn(TControl* C, QChar Ch) {
    C->Perform(WM_CHAR, WPARAM(Ch.unicode()), 0);
}

// Reads a component (a form and what it owns) from its text form.
inline void ReadFromText(TComponent* Root, const char* Text) {
    RegisterXcControls();
    const QByteArray text(Text);
    TMemoryStream in, bin;
    in.WriteBuffer(text.constData(), int(text.size()));
    in.SetPosition(0);
    ObjectTextToBinary(&in, &bin);
    bin.SetPosition(0);
    TReader reader(&bin);
    reader.ReadRootComponent(Root);
}

// A form text that must be refused with an exception (a bad value is the stream's error,
// never a crash).
inline void ExpectFormRefused(const char* Text) {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    EXPECT_ANY_THROW(ReadFromText(form.get(), Text)) << Text;
}

// A shown form on which a test places controls.
template <int Width, int Height> struct ShownForm : ::testing::Test {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    void SetUp() override {
        form->SetClientSize(Width, Height);
        form->Show();
    }
    template <class C> C* make(int x, int y, int w, int h, TWinControl* parent = nullptr) {
        auto* c = new C(form.get());
        c->SetParent(parent ? parent : form.get());
        c->SetBounds(x, y, w, h);
        return c;
    }
};
