#include "ControlFixture.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Canvas.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

ORVO_IMPLEMENT_CLASS(TTestBox, TCustomControl)
ORVO_IMPLEMENT_CLASS(TTestSpot, TGraphicControl)
ORVO_IMPLEMENT_CLASS(TTestButton, TTestBox)
ORVO_IMPLEMENT_CLASS(TLayoutForm, TForm)
ORVO_IMPLEMENT_CLASS(TKeyForm, TForm)

ORVO_PUBLISHED(TTestButton) {
    P.Property("Default", &TTestButton::Default, &TTestButton::SetDefault).Default(false);
    P.Property("Cancel", &TTestButton::Cancel, &TTestButton::SetCancel).Default(false);
}

ORVO_PUBLISHED(TLayoutForm) {
    P.Field("Right1", &TLayoutForm::Right1);
    P.Field("Left1", &TLayoutForm::Left1);
    P.Field("Mid1", &TLayoutForm::Mid1);
    P.Field("Bottom1", &TLayoutForm::Bottom1);
    P.Field("Bottom2", &TLayoutForm::Bottom2);
    P.Field("Top1", &TLayoutForm::Top1);
    P.Field("Top2", &TLayoutForm::Top2);
    P.Field("Client1", &TLayoutForm::Client1);
    P.Field("Corner", &TLayoutForm::Corner);
    P.Field("Stretch", &TLayoutForm::Stretch);
    P.Method("FormCreate", &TLayoutForm::FormCreate);
    P.Method("FormResize", &TLayoutForm::FormResize);
}

ORVO_PUBLISHED(TKeyForm) {
    P.Field("Group", &TKeyForm::Group);
    P.Field("Edit1", &TKeyForm::Edit1);
    P.Field("Edit2", &TKeyForm::Edit2);
    P.Field("Edit3", &TKeyForm::Edit3);
    P.Field("NoStop", &TKeyForm::NoStop);
    P.Field("OkButton", &TKeyForm::OkButton);
    P.Field("CancelButton", &TKeyForm::CancelButton);
    P.Method("OkClick", &TKeyForm::OkClick);
    P.Method("CancelClick", &TKeyForm::CancelClick);
}

QStringList& Log() {
    static QStringList l;
    return l;
}

namespace {
QString shiftText(TShiftState s) {
    QString t;
    if (s.Contains(ssShift)) t += u'S';
    if (s.Contains(ssCtrl)) t += u'C';
    if (s.Contains(ssAlt)) t += u'A';
    if (s.Contains(ssDouble)) t += u'D';
    return t;
}

// The log lines of a control's mouse handlers, the same for windowed and graphic controls.
QString downText(const String& Name, TMouseButton Button, TShiftState Shift, int X, int Y) {
    return QStringLiteral("%1.Down %2 %3,%4 %5")
        .arg(Name)
        .arg(int(Button))
        .arg(X)
        .arg(Y)
        .arg(shiftText(Shift));
}

QString moveText(const String& Name, int X, int Y) {
    return QStringLiteral("%1.Move %2,%3").arg(Name).arg(X).arg(Y);
}

// Logs "Name.Enter" and "Name.Leave" when the mouse enters or leaves the control itself.
void logHover(TControl* Self, const TMessage& Message) {
    if (reinterpret_cast<TControl*>(Message.LParam) != Self) return;
    if (Message.Msg == CM_MOUSEENTER) Log() << Self->Name() + QStringLiteral(".Enter");
    if (Message.Msg == CM_MOUSELEAVE) Log() << Self->Name() + QStringLiteral(".Leave");
}

QString upText(const String& Name, int X, int Y) {
    return QStringLiteral("%1.Up %2,%3").arg(Name).arg(X).arg(Y);
}
} // namespace

TTestBox::TTestBox(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle << csAcceptsControls;
}

void TTestBox::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DlgCode;
        return;
    case CM_DIALOGKEY:
        if (TakesDialogKey && Message.WParam == TakesDialogKey) {
            Log() << QStringLiteral("%1.DialogKey %2").arg(Name()).arg(Message.WParam);
            Message.Result = 1;
            return;
        }
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        logHover(this, Message);
        break;
    case WM_USER + 100:
        Log() << QStringLiteral("%1.User %2").arg(Name()).arg(Message.WParam);
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

void TTestBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    Log() << downText(Name(), Button, Shift, X, Y);
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TTestBox::MouseMove(TShiftState Shift, int X, int Y) {
    Log() << moveText(Name(), X, Y);
    TCustomControl::MouseMove(Shift, X, Y);
}

void TTestBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    Log() << upText(Name(), X, Y);
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TTestBox::KeyDown(Word& Key, TShiftState Shift) {
    Log() << QStringLiteral("%1.KeyDown %2 %3").arg(Name()).arg(Key).arg(shiftText(Shift));
    TCustomControl::KeyDown(Key, Shift);
}

void TTestBox::KeyPress(QChar& Key) {
    Log() << QStringLiteral("%1.KeyPress %2").arg(Name()).arg(Key.unicode());
    TCustomControl::KeyPress(Key);
}

void TTestBox::DoEnter() {
    Log() << Name() + QStringLiteral(".DoEnter");
    TCustomControl::DoEnter();
}

void TTestBox::Paint() {
    ++Paints;
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
}

void TTestButton::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_DIALOGKEY && KeyDataToShiftState(Message.LParam).empty() &&
        ((Message.WParam == WPARAM(VK_RETURN) && FDefault) ||
         (Message.WParam == WPARAM(VK_ESCAPE) && FCancel))) {
        Click();
        Message.Result = 1;
        return;
    }
    TTestBox::Dispatch(Message);
}

TTestSpot::TTestSpot(TComponent* AOwner) : TGraphicControl(AOwner) {}

void TTestSpot::Dispatch(TMessage& Message) {
    logHover(this, Message);
    TGraphicControl::Dispatch(Message);
}

void TTestSpot::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    Log() << downText(Name(), Button, Shift, X, Y);
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TTestSpot::MouseMove(TShiftState Shift, int X, int Y) {
    Log() << moveText(Name(), X, Y);
    TGraphicControl::MouseMove(Shift, X, Y);
}

void TTestSpot::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    Log() << upText(Name(), X, Y);
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TTestSpot::Paint() {
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(Rect(0, 0, Width(), Height()));
}

TLayoutForm::TLayoutForm(TComponent* AOwner) : TForm(AOwner) {
    ConstructorDone = true;
}

void TLayoutForm::FormCreate(TObject*) {
    CreateAfterConstructor = ConstructorDone;
    CreateSawControls = Client1 != nullptr && Client1->Owner() == this;
}

void TLayoutForm::FormResize(TObject*) {
    if (Client1) ClientWidthAtResize = Client1->Width();
}

void RegisterFixtureClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    RegisterClasses({TTestBox::StaticClass(), TTestSpot::StaticClass(), TTestButton::StaticClass()});
}

void SendMouse(TWinControl* Target, int Type, int X, int Y, Qt::MouseButton Button,
               Qt::KeyboardModifiers Mods) {
    QWidget* w = Target->Widget();
    const QPointF local(X, Y);
    const QPointF global = w->mapToGlobal(local);
    Qt::MouseButtons buttons =
        Type == QEvent::MouseButtonRelease || Type == QEvent::MouseMove ? Qt::NoButton : Button;
    QMouseEvent e(QEvent::Type(Type), local, local, global, Type == QEvent::MouseMove ? Qt::NoButton : Button,
                  buttons, Mods);
    QCoreApplication::sendEvent(w, &e);
}

void PostMouse(TWinControl* Target, int Type, int X, int Y) {
    QWidget* w = Target->Widget();
    const QPointF local(X, Y);
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::Type(Type), local, local, w->mapToGlobal(local),
                                                   Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
}

void SendWheel(TWinControl* Target, int X, int Y, int Delta) {
    QWidget* w = Target->Widget();
    const QPointF local(X, Y);
    QWheelEvent e(local, w->mapToGlobal(local), QPoint(), QPoint(0, Delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &e);
}

void SendKey(TWinControl* Target, int QtKey, Qt::KeyboardModifiers Mods, const QString& Text) {
    QWidget* w = Target->Widget();
    QKeyEvent down(QEvent::KeyPress, QtKey, Mods, Text);
    QCoreApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, QtKey, Mods, Text);
    QCoreApplication::sendEvent(w, &up);
}
