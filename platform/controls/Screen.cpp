#include "platform/controls/Screen.h"

#include "platform/classes/StringList.h"
#include "platform/controls/CustomForm.h"
#include "platform/graphics/Font.h"

#include <QCursor>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TScreen, TComponent)

TScreen* Screen = new TScreen(nullptr);

namespace {
QRect screenGeometry(bool available) {
    if (QScreen* s = QGuiApplication::primaryScreen())
        return available ? s->availableGeometry() : s->geometry();
    return QRect(0, 0, 1024, 768);
}

} // namespace

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {
    FHintFont = new TFont();
    FIconFont = new TFont();
    FMenuFont = new TFont();
    FHintFont->SetName(QStringLiteral("Tahoma"));
}

TScreen::~TScreen() {
    delete FFonts;
    delete FHintFont;
    delete FIconFont;
    delete FMenuFont;
}

int TScreen::Width() const {
    return screenGeometry(false).width();
}

int TScreen::Height() const {
    return screenGeometry(false).height();
}

int TScreen::DesktopWidth() const {
    return Width();
}

int TScreen::DesktopHeight() const {
    return Height();
}

TRect TScreen::DesktopRect() const {
    const QRect g = screenGeometry(false);
    return Bounds(g.x(), g.y(), g.width(), g.height());
}

TRect TScreen::WorkAreaRect() const {
    const QRect g = screenGeometry(true);
    return Bounds(g.x(), g.y(), g.width(), g.height());
}

void TScreen::SetCursors(int Index, HCURSOR Value) {
    FCursors.SetCursor(Index, Value);
    // The override showing that id takes the new shape; the controls take it when the
    // mouse next moves over them.
    if (FCursor != crDefault && FCursor == Index &&
        qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::changeOverrideCursor(platform::detail::ToQCursor(Cursors(FCursor)));
}

void TScreen::SetCursor(TCursor Value) {
    if (FCursor == Value) return;
    const bool had = FCursor != crDefault;
    FCursor = Value;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    if (had) QGuiApplication::restoreOverrideCursor();
    if (Value != crDefault) QGuiApplication::setOverrideCursor(platform::detail::ToQCursor(Cursors(Value)));
}

TStrings* TScreen::Fonts() {
    if (!FFonts) {
        auto* list = new TStringList();
        list->SetSorted(true);
        for (const QString& f : QFontDatabase::families())
            list->Add(f);
        FFonts = list;
    }
    return FFonts;
}

void TScreen::AddForm(TCustomForm* Form) {
    if (std::find(FForms.begin(), FForms.end(), Form) == FForms.end()) FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
    FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
    if (FActiveForm == Form) SetActiveForm(nullptr);
    if (FActiveControl && Form->ContainsControl(FActiveControl)) SetActiveControl(nullptr);
}

void TScreen::SetActiveForm(TCustomForm* Form) {
    if (FActiveForm == Form) return;
    FActiveForm = Form;
    if (Form) {
        // The active form is the last one in the list.
        FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
        FForms.push_back(Form);
    }
    if (OnActiveFormChange) OnActiveFormChange(this);
}

void TScreen::SetActiveControl(TWinControl* Control) {
    if (FActiveControl == Control) return;
    FActiveControl = Control;
    if (OnActiveControlChange) OnActiveControlChange(this);
}

int GetSystemMetrics(int Index) {
    switch (Index) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
        return Screen->Width();
    case SM_CYSCREEN:
    case SM_CYFULLSCREEN:
        return Screen->Height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return 17;
    case SM_CYCAPTION:
        return 23;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CYMENU:
        return 20;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return 22;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    default:
        return 0;
    }
}
