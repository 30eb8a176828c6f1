#include "chart/editor/TeePenDlg.h"

#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/TeeFunction.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Graphic.h"
#include "platform/rtl/Format.h"

#include <QImage>

#include <cstdlib>
#include <memory>
#include <vector>

// ---- editor forms ----------------------------------------------------------------------

namespace {
String EditorClassName(TObject* Element) {
    if (auto* e = dynamic_cast<TCustomChartElement*>(Element)) return e->GetEditorClass();
    if (auto* f = dynamic_cast<TTeeFunction*>(Element)) return f->GetEditorClass();
    return String();
}
} // namespace

TClass TeeEditorFormClass(TObject* Element) {
    const String name = EditorClassName(Element);
    if (name.isEmpty()) return nullptr;
    TClass cls = GetClass(name);
    // Only a form can be embedded: a registered class of another kind is no editor.
    if (!cls || !cls->InheritsFrom(TCustomForm::StaticClass()) || !cls->CreateComponent) return nullptr;
    return cls;
}

TCustomForm* TeeCreateEditorForm(TObject* Element, TWinControl* Host) {
    TClass cls = TeeEditorFormClass(Element);
    if (!cls || !Host) return nullptr;
    auto* form = static_cast<TCustomForm*>(cls->CreateComponent(Host));
    TeeTranslateControl(form);
    form->SetAlign(alClient);
    AddFormTo(form, Host, Element);
    return form;
}

void AddFormTo(TCustomForm* AForm, TWinControl* AParent, TObject* ATag) {
    AddFormTo(AForm, AParent, reinterpret_cast<NativeInt>(ATag));
}

void AddFormTo(TCustomForm* AForm, TWinControl* AParent, NativeInt ATag) {
    AForm->SetParentBackground(true);
    AForm->SetParentColor(true);
    AForm->SetPosition(poDesigned);
    AForm->SetBorderStyle(bsNone);
    AForm->SetBorderIcons(TBorderIcons());
    AForm->SetTag(ATag);
    AForm->SetParent(AParent);
    // The form is placed and scaled with its host showing, then the host goes back to how
    // it was.
    const bool wasVisible = AParent->Visible();
    AParent->SetVisible(true);
    AForm->SetLeft(4);
    AForm->SetTop(std::min(4, std::abs(AParent->ClientHeight() - AForm->ClientHeight()) / 2));
    TeeScaleForm(AForm);
    AForm->Show();
    AParent->SetVisible(wasVisible);
}

TCustomForm* TeeCreateForm(TClass FormClass, TComponent* AOwner) {
    if (auto* control = dynamic_cast<TControl*>(AOwner))
        if (TCustomForm* form = control->GetParentForm(); form && form != AOwner) AOwner = form;
    auto* form = static_cast<TCustomForm*>(FormClass->CreateComponent(AOwner));
    form->SetAlign(alNone);
    PositionToCenter(form);
    form->SetBorderStyle(bsDialog);
    return form;
}

void PositionToCenter(TCustomForm* Form) {
    Form->SetPosition(Form->Owner() ? poOwnerFormCenter : poScreenCenter);
}

void TeeScaleForm(TCustomForm* Form) {
    TWinControl* p = Form->Parent();
    while (p && !dynamic_cast<TCustomForm*>(p))
        p = p->Parent();
    auto* outer = dynamic_cast<TCustomForm*>(p);
    if (!outer || outer->PixelsPerInch() == Form->PixelsPerInch()) return;
    Form->ScaleBy(outer->PixelsPerInch(), Form->PixelsPerInch());
    Form->SetPixelsPerInch(outer->PixelsPerInch());
}

void ShowControls(bool Visible, std::span<TControl* const> Controls) {
    for (TControl* c : Controls)
        if (c) c->SetVisible(Visible);
}

// ---- questions -------------------------------------------------------------------------

bool TeeYesNo(const String& Message, TControl* Owner) {
    Screen->SetCursor(crDefault);
    if (!Owner) return MessageDlg(Message, mtConfirmation, mbYesNo, 0) == mrYes;
    const TPoint at = Owner->ClientOrigin();
    return MessageDlgPos(Message, mtConfirmation, mbYesNo, 0, at.X + 20, at.Y + 30) == mrYes;
}

bool TeeYesNoDelete(const String& Name, TControl* Owner) {
    return TeeYesNo(Format(TeeMsg_SureToDelete, {Name}), Owner);
}

// ---- lists -----------------------------------------------------------------------------

namespace {
constexpr TAlignment kAlignmentRows[] = {taLeftJustify, taCenter, taRightJustify};
}

int TeeAlignmentRow(TAlignment Value) {
    for (int i = 0; i < 3; ++i)
        if (kAlignmentRows[i] == Value) return i;
    return 0;
}

bool TeeRowAlignment(int Row, TAlignment& Value) {
    if (Row < 0 || Row >= 3) return false;
    Value = kAlignmentRows[Row];
    return true;
}

void AddDefaultValueFormats(TStrings* Items) {
    Items->Add(TeeMsg_DefValueFormat);
    for (const char16_t* f :
         {u"0", u"0.0", u"0.#", u"#.#", u"#,##0.00;(#,##0.00)", u"00e-0", u"#.0 \"x10\" E+0", u"#.# x10E-#"})
        Items->Add(String::fromUtf16(f));
}

void MoveList(TCustomListBox* Source, TCustomListBox* Dest) {
    TStrings* from = Source->Items();
    std::vector<int> chosen;
    for (int i = 0; i < from->Count(); ++i)
        if (Source->Selected(i)) chosen.push_back(i);
    for (int i : chosen)
        Dest->Items()->AddObject(from->Strings(i), from->Objects(i));
    // Deleted from the end, so the indexes still to go stay valid.
    for (auto it = chosen.rbegin(); it != chosen.rend(); ++it)
        from->Delete(*it);
}

void MoveListAll(TStrings* Source, TStrings* Dest) {
    for (int i = 0; i < Source->Count(); ++i)
        Dest->AddObject(Source->Strings(i), Source->Objects(i));
    Source->Clear();
}

void TeeLoadArrowBitmaps(TBitmap* Up, TBitmap* Down) {
    TeeLoadBitmap(Up, QStringLiteral("TeeArrowUp"), String());
    TeeLoadBitmap(Down, QStringLiteral("TeeArrowDown"), String());
}

// ---- cursors ---------------------------------------------------------------------------

namespace {
const String kTeeHandIdent = QStringLiteral("crTeeHand");

// The combo box TeeFillCursors fills, handed to the class library's walk over the names.
struct TTempCursors {
    TComboFlat* Combo = nullptr;
    static void AddCursor(const String& S, void* Data) {
        static_cast<TTempCursors*>(Data)->Combo->Items()->Add(S.mid(2));
    }
};
} // namespace

bool TeeIdentToCursor(const String& Ident, int& Cursor) {
    if (Ident.compare(kTeeHandIdent, Qt::CaseInsensitive) == 0) {
        Cursor = crTeeHand;
        return true;
    }
    return IdentToCursor(Ident, Cursor);
}

bool TeeCursorToIdent(int Cursor, String& Ident) {
    if (Cursor == crTeeHand) {
        Ident = kTeeHandIdent;
        return true;
    }
    return CursorToIdent(Cursor, Ident);
}

TCursor TeeSetCursor(TCursor Current, const String& Name) {
    int c = 0;
    return TeeIdentToCursor(QStringLiteral("cr") + Name, c) ? TCursor(c) : Current;
}

void TeeFillCursors(TComboFlat* Combo, TCursor Cursor) {
    TStrings* items = Combo->Items();
    items->BeginUpdate();
    try {
        items->Clear();
        TTempCursors temp{Combo};
        GetCursorValues(&TTempCursors::AddCursor, &temp);
        items->Add(kTeeHandIdent.mid(2));
    } catch (...) {
        items->EndUpdate();
        throw;
    }
    items->EndUpdate();
    String ident;
    Combo->SetItemIndex(TeeCursorToIdent(Cursor, ident) ? items->IndexOf(ident.mid(2)) : -1);
}

void TeePreviewCursor(TCursor Cursor, TPicture* Picture) {
    HCURSOR handle = Screen->Cursors(Cursor);
    if (!handle || platform::detail::IconImage(handle).isNull()) {
        Picture->SetGraphic(nullptr);
        return;
    }
    auto bitmap = std::make_unique<TBitmap>(GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR));
    DrawIconEx(bitmap->Canvas()->Handle(), 0, 0, handle, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
    Picture->SetGraphic(bitmap.get());
}
