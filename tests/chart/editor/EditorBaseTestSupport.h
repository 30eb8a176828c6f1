// Shared pieces of the editor tests: freeing through FreeObject, input sent through Qt to a
// control's widget, and hooks (modal forms, message dialogs, common dialogs) answered by the
// test and put back afterwards.
#pragma once

#include "platform/controls/Application.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/WinControl.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace editortest {

struct Free {
    void operator()(TObject* o) const { FreeObject(o); }
};
template <class T> using Owned = std::unique_ptr<T, Free>;

inline void SendMouse(TWinControl* Target, QEvent::Type Type, int X, int Y,
                      Qt::MouseButton Button = Qt::LeftButton, Qt::KeyboardModifiers Mods = Qt::NoModifier) {
    QWidget* w = Target->Widget();
    const QPointF local(X, Y);
    const Qt::MouseButtons buttons = Type == QEvent::MouseButtonRelease || Type == QEvent::MouseMove
                                         ? Qt::NoButton
                                         : Qt::MouseButtons(Button);
    QMouseEvent e(Type, local, local, w->mapToGlobal(local),
                  Type == QEvent::MouseMove ? Qt::NoButton : Button, buttons, Mods);
    QCoreApplication::sendEvent(w, &e);
}

inline void Click(TWinControl* Target, int X, int Y, Qt::KeyboardModifiers Mods = Qt::NoModifier) {
    SendMouse(Target, QEvent::MouseButtonPress, X, Y, Qt::LeftButton, Mods);
    SendMouse(Target, QEvent::MouseButtonRelease, X, Y, Qt::LeftButton, Mods);
}
inline void Click(TWinControl* Target) {
    Click(Target, Target->Width() / 2, Target->Height() / 2);
}
// A window-less control is clicked through its parent's window.
inline void Click(TControl* Target) {
    if (auto* w = dynamic_cast<TWinControl*>(Target)) return Click(w);
    Click(Target->Parent(), Target->Left() + Target->Width() / 2, Target->Top() + Target->Height() / 2);
}
inline void DoubleClick(TWinControl* Target, int X, int Y) {
    Click(Target, X, Y);
    SendMouse(Target, QEvent::MouseButtonDblClick, X, Y);
    SendMouse(Target, QEvent::MouseButtonRelease, X, Y);
}

inline void SendKey(TWinControl* Target, int QtKey, Qt::KeyboardModifiers Mods = Qt::NoModifier,
                    const QString& Text = QString()) {
    QWidget* w = Target->Widget();
    QKeyEvent press(QEvent::KeyPress, QtKey, Mods, Text);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, QtKey, Mods, Text);
    QCoreApplication::sendEvent(w, &release);
}

// Replaces the edit's text as the user does: select all, then type.
inline void TypeText(TWinControl* Edit, const QString& Text) {
    SendKey(Edit, Qt::Key_A, Qt::ControlModifier);
    for (QChar c : Text)
        SendKey(Edit, 0, Qt::NoModifier, QString(c));
}

// Installs a modal-form hook (and a message-dialog hook) for the life of the object.
struct ModalHook {
    explicit ModalHook(TShowModalHook hook) : previous(SetShowModalHook(std::move(hook))) {}
    ~ModalHook() { SetShowModalHook(previous); }
    TShowModalHook previous;
};
struct MessageHook {
    explicit MessageHook(TMessageDlgHook hook) : previous(SetMessageDlgHook(std::move(hook))) {}
    ~MessageHook() { SetMessageDlgHook(previous); }
    TMessageDlgHook previous;
};
struct DialogHook {
    explicit DialogHook(TCommonDialogHook hook) : previous(SetCommonDialogHook(std::move(hook))) {}
    ~DialogHook() { SetCommonDialogHook(previous); }
    TCommonDialogHook previous;
};

// Writes the form's picture where ORVO_SCREENSHOTS says (nothing when it is not set).
inline void Screenshot(TCustomForm* Form, const char* Name) {
    const QString folder = qEnvironmentVariable("ORVO_SCREENSHOTS");
    if (folder.isEmpty() || !Form) return;
    QDir().mkpath(folder);
    Application->ProcessMessages();
    const QPixmap shot = Form->Widget()->grab();
    EXPECT_TRUE(shot.save(QDir(folder).filePath(QString::fromUtf8(Name) + QStringLiteral(".png")), "PNG"));
}

} // namespace editortest
