// Small controls and forms shared by the control tests: a windowed box and a window-less
// spot that log what reaches them, a button that answers Enter and Escape as default and
// cancel buttons do, and input helpers that send Qt events to a control's widget.
#pragma once

#include "platform/controls/Application.h"
#include "platform/controls/CustomControl.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/GraphicControl.h"

#include <QEvent>
#include <QStringList>
#include <Qt>
#include <gtest/gtest.h>

#include <memory>

class QWidget;

// Everything the fixture controls log, in order.
QStringList& Log();

// Frees a form or control through FreeObject: the deleter of the tests' std::unique_ptr.
struct Free {
    void operator()(TObject* o) const { FreeObject(o); }
};

class TTestBox : public TCustomControl {
    ORVO_CLASS(TTestBox, TCustomControl)
public:
    explicit TTestBox(TComponent* AOwner);
    // WM_GETDLGCODE answer.
    LRESULT DlgCode = 0;
    // Dialog keys this box takes as a parent (CM_DIALOGKEY), 0 for none.
    Word TakesDialogKey = 0;
    int Paints = 0;
    void Dispatch(TMessage& Message) override;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoEnter() override;
    void Paint() override;
};

class TTestSpot : public TGraphicControl {
    ORVO_CLASS(TTestSpot, TGraphicControl)
public:
    explicit TTestSpot(TComponent* AOwner);
    void Dispatch(TMessage& Message) override;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Paint() override;
};

class TTestButton : public TTestBox {
    ORVO_CLASS(TTestButton, TTestBox)
public:
    explicit TTestButton(TComponent* AOwner) : TTestBox(AOwner) {}
    bool Default() const { return FDefault; }
    void SetDefault(bool v) { FDefault = v; }
    bool Cancel() const { return FCancel; }
    void SetCancel(bool v) { FCancel = v; }
    void Dispatch(TMessage& Message) override;

private:
    bool FDefault = false;
    bool FCancel = false;
};

class TLayoutForm : public TForm {
    ORVO_CLASS(TLayoutForm, TForm)
public:
    explicit TLayoutForm(TComponent* AOwner);
    TTestBox* Right1 = nullptr;
    TTestBox* Left1 = nullptr;
    TTestBox* Mid1 = nullptr;
    TTestBox* Bottom1 = nullptr;
    TTestBox* Bottom2 = nullptr;
    TTestBox* Top1 = nullptr;
    TTestBox* Top2 = nullptr;
    TTestBox* Client1 = nullptr;
    TTestBox* Corner = nullptr;
    TTestBox* Stretch = nullptr;
    bool ConstructorDone = false;
    bool CreateSawControls = false;
    bool CreateAfterConstructor = false;
    int ClientWidthAtResize = -1;
    void FormCreate(TObject* Sender);
    void FormResize(TObject* Sender);
};

class TKeyForm : public TForm {
    ORVO_CLASS(TKeyForm, TForm)
public:
    explicit TKeyForm(TComponent* AOwner) : TForm(AOwner) {}
    TTestBox* Group = nullptr;
    TTestBox* Edit1 = nullptr;
    TTestBox* Edit2 = nullptr;
    TTestBox* Edit3 = nullptr;
    TTestBox* NoStop = nullptr;
    TTestButton* OkButton = nullptr;
    TTestButton* CancelButton = nullptr;
    void OkClick(TObject*) { Log() << QStringLiteral("OkClick"); }
    void CancelClick(TObject*) { Log() << QStringLiteral("CancelClick"); }
};

// Registers the fixture classes (once).
void RegisterFixtureClasses();

// Creates a form the way the application does (constructor, then resource and OnCreate).
template <class T> T* MakeForm(TComponent* Owner = nullptr) {
    RegisterFixtureClasses();
    T* f = new T(Owner);
    f->AfterConstruction();
    return f;
}

// Input sent through Qt to a control's widget (coordinates in the widget).
void SendMouse(TWinControl* Target, int Type, int X, int Y, Qt::MouseButton Button = Qt::LeftButton,
               Qt::KeyboardModifiers Mods = Qt::NoModifier);
void PostMouse(TWinControl* Target, int Type, int X, int Y);
void SendWheel(TWinControl* Target, int X, int Y, int Delta);
void SendKey(TWinControl* Target, int QtKey, Qt::KeyboardModifiers Mods = Qt::NoModifier,
             const QString& Text = QString());

// A shown form of Width x Height on which a test places controls and clicks them.
template <int Width, int Height> struct ShownFormTest : ::testing::Test {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    QStringList log;
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
    static void click(TWinControl* target, int x, int y) {
        SendMouse(target, QEvent::MouseButtonPress, x, y);
        SendMouse(target, QEvent::MouseButtonRelease, x, y);
    }
};
