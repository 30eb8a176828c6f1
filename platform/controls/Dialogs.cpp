#include "platform/controls/Dialogs.h"

#include "platform/controls/Application.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Screen.h"
#include "platform/win/MessageBox.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

ORVO_IMPLEMENT_ENUM_TYPE(TMsgDlgType, "mtWarning", "mtError", "mtInformation", "mtConfirmation", "mtCustom")
ORVO_IMPLEMENT_ENUM_TYPE(TMsgDlgBtn, "mbYes", "mbNo", "mbOK", "mbCancel", "mbAbort", "mbRetry", "mbIgnore",
                         "mbAll", "mbNoToAll", "mbYesToAll", "mbHelp", "mbClose")

namespace {

TMessageDlgHook& dlgHook() {
    static TMessageDlgHook h;
    return h;
}
TInputQueryHook& queryHook() {
    static TInputQueryHook h;
    return h;
}
TShowModalHook& modalHook() {
    static TShowModalHook h;
    return h;
}

QWidget* activeWindow() {
    if (TCustomForm* f = Screen->ActiveForm(); f && f->HandleAllocated()) return f->Widget();
    return nullptr;
}

// The message box of the Windows services, as a Qt dialog.
int qtMessageBox(void*, const String& text, const String& caption, unsigned flags) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return IDOK;
    QMessageBox box(activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    switch (flags & MB_ICONMASK) {
    case MB_ICONHAND:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONEXCLAMATION:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONASTERISK:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    struct B {
        QMessageBox::StandardButton qt;
        int id;
    };
    std::vector<B> buttons;
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        buttons = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    case MB_ABORTRETRYIGNORE:
        buttons = {
            {QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
        break;
    case MB_YESNOCANCEL:
        buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    case MB_YESNO:
        buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
        break;
    case MB_RETRYCANCEL:
        buttons = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    default:
        buttons = {{QMessageBox::Ok, IDOK}};
        break;
    }
    QMessageBox::StandardButtons set;
    for (const B& b : buttons)
        set |= b.qt;
    box.setStandardButtons(set);
    const std::size_t def = (flags & MB_DEFMASK) >> 8;
    if (def < buttons.size()) box.setDefaultButton(buttons[def].qt);
    const auto r = QMessageBox::StandardButton(box.exec());
    for (const B& b : buttons)
        if (b.qt == r) return b.id;
    // Closed without a button: Cancel where there is one, else the only answer.
    for (const B& b : buttons)
        if (b.id == IDCANCEL) return IDCANCEL;
    return buttons.size() == 1 ? buttons.front().id : IDCANCEL;
}

String dlgCaption(TMsgDlgType t) {
    switch (t) {
    case mtWarning:
        return QStringLiteral("Warning");
    case mtError:
        return QStringLiteral("Error");
    case mtInformation:
        return QStringLiteral("Information");
    case mtConfirmation:
        return QStringLiteral("Confirm");
    default:
        return Application->Title();
    }
}

int realMessageDlg(const TMessageDlgRequest& r) {
    // The message dialog as a message box: the buttons it has map onto the box's sets.
    unsigned flags = 0;
    const TMsgDlgButtons b = r.Buttons;
    if (b.Contains(mbYes) && b.Contains(mbNo))
        flags = b.Contains(mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
    else if (b.Contains(mbAbort))
        flags = MB_ABORTRETRYIGNORE;
    else if (b.Contains(mbRetry))
        flags = MB_RETRYCANCEL;
    else if (b.Contains(mbOK) && b.Contains(mbCancel))
        flags = MB_OKCANCEL;
    switch (r.DlgType) {
    case mtWarning:
        flags |= MB_ICONWARNING;
        break;
    case mtError:
        flags |= MB_ICONERROR;
        break;
    case mtInformation:
        flags |= MB_ICONINFORMATION;
        break;
    case mtConfirmation:
        flags |= MB_ICONQUESTION;
        break;
    default:
        break;
    }
    const int id = Application->MessageBox(r.Msg, dlgCaption(r.DlgType), flags);
    switch (id) {
    case IDOK:
        return mrOk;
    case IDCANCEL:
        return mrCancel;
    case IDABORT:
        return mrAbort;
    case IDRETRY:
        return mrRetry;
    case IDIGNORE:
        return mrIgnore;
    case IDYES:
        return mrYes;
    case IDNO:
        return mrNo;
    default:
        return mrCancel;
    }
}

bool realInputQuery(const String& caption, const String& prompt, String& value) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
    QInputDialog dlg(activeWindow());
    dlg.setWindowTitle(caption);
    dlg.setLabelText(prompt);
    dlg.setInputMode(QInputDialog::TextInput);
    dlg.setTextValue(value);
    Application->ModalStarted();
    const int r = dlg.exec();
    Application->ModalFinished();
    if (r != QDialog::Accepted) return false;
    value = dlg.textValue();
    return true;
}

} // namespace

TInputQueryHook SetInputQueryHook(TInputQueryHook Hook) {
    TInputQueryHook old = std::move(queryHook());
    queryHook() = std::move(Hook);
    return old;
}

bool InputQuery(const String& ACaption, const String& APrompt, String& Value) {
    // The hook works on a copy: a cancelled question leaves Value untouched whatever
    // the hook did with it.
    String edited = Value;
    const bool ok =
        queryHook() ? queryHook()(ACaption, APrompt, edited) : realInputQuery(ACaption, APrompt, edited);
    if (ok) Value = edited;
    return ok;
}

TMessageDlgHook SetMessageDlgHook(TMessageDlgHook Hook) {
    TMessageDlgHook old = std::move(dlgHook());
    dlgHook() = std::move(Hook);
    return old;
}

int MessageDlgPos(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx, int X, int Y) {
    const TMessageDlgRequest r{Msg, DlgType, Buttons, HelpCtx, X, Y};
    if (dlgHook()) return dlgHook()(r);
    return realMessageDlg(r);
}

int MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx) {
    return MessageDlgPos(Msg, DlgType, Buttons, HelpCtx, -1, -1);
}

void ShowMessagePos(const String& Msg, int X, int Y) {
    MessageDlgPos(Msg, mtCustom, TMsgDlgButtons{mbOK}, 0, X, Y);
}

void ShowMessage(const String& Msg) {
    ShowMessagePos(Msg, -1, -1);
}

TShowModalHook SetShowModalHook(TShowModalHook Hook) {
    TShowModalHook old = std::move(modalHook());
    modalHook() = std::move(Hook);
    return old;
}

TShowModalHook ShowModalHook() {
    return modalHook();
}

void InstallDialogMessageBox() {
    SetMessageBoxHook(&qtMessageBox);
}
