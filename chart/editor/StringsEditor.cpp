#include "chart/editor/StringsEditor.h"

#include "chart/editor/TeePenDlg.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/ReplaceFileStream.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/Clipboard.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Messages.h"
#include "platform/controls/Panel.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TStringsEditor, TForm)

ORVO_PUBLISHED(TStringsEditor) {
    P.Field("Memo1", &TStringsEditor::Memo1);
    P.Field("Panel1", &TStringsEditor::Panel1);
    P.Field("BCopy", &TStringsEditor::BCopy);
    P.Field("BLoad", &TStringsEditor::BLoad);
    P.Field("BSave", &TStringsEditor::BSave);
    P.Field("BOK", &TStringsEditor::BOK);
    P.Field("BCancel", &TStringsEditor::BCancel);
    P.Method("BCopyClick", &TStringsEditor::BCopyClick);
    P.Method("BLoadClick", &TStringsEditor::BLoadClick);
    P.Method("BSaveClick", &TStringsEditor::BSaveClick);
    P.Method("FormKeyDown", &TStringsEditor::FormKeyDown);
}

TStringsEditor::TStringsEditor(TComponent* AOwner) : TForm(AOwner) {}

void TStringsEditor::AfterConstruction() {
    TForm::AfterConstruction();
    if (OpenDialog1) return;
    const String Filter = TeeMsg_TextFile + QStringLiteral("|*.txt");
    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetFilter(Filter);
    OpenDialog1->SetDefaultExt(QStringLiteral("txt"));
    OpenDialog1->SetTitle(TeeMsg_SelectTextFile);
    OpenDialog1->SetOptions({ofHideReadOnly, ofFileMustExist, ofEnableSizing});
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->SetFilter(Filter);
    SaveDialog1->SetDefaultExt(QStringLiteral("txt"));
    SaveDialog1->SetTitle(TeeMsg_SaveTextFile);
    SaveDialog1->SetOptions({ofOverwritePrompt, ofHideReadOnly, ofEnableSizing});
    OnKeyDown = Method(this, &TStringsEditor::FormKeyDown);
}

void TStringsEditor::BCopyClick(TObject*) {
    Clipboard()->SetAsText(Memo1->SelLength() == 0 ? Memo1->Text() : Memo1->SelText());
}

void TStringsEditor::BLoadClick(TObject*) {
    if (OpenDialog1->Execute()) Memo1->Lines()->LoadFromFile(OpenDialog1->FileName());
}

void TStringsEditor::BSaveClick(TObject*) {
    if (!SaveDialog1->Execute()) return;
    // The old file stays whole until the new text is complete on disk.
    TReplaceFileStream Stream(SaveDialog1->FileName());
    Memo1->Lines()->SaveToStream(&Stream);
    Stream.Commit();
}

void TStringsEditor::FormKeyDown(TObject*, Word& Key, TShiftState) {
    if (Key == VK_ESCAPE) SetModalResult(mrCancel);
}

namespace {

std::unique_ptr<TStringsEditor> NewStringsEditor(TComponent* AOwner, bool Center, bool ReadOnly) {
    std::unique_ptr<TStringsEditor> Editor(new TStringsEditor(AOwner));
    Editor->AfterConstruction();
    if (Center) PositionToCenter(Editor.get());
    Editor->Memo1->SetReadOnly(ReadOnly);
    return Editor;
}

} // namespace

bool TeeEditStrings(TComponent* AOwner, TStrings* Strings, bool ReadOnly) {
    // Centred over an owner that is itself a top-level object.
    auto Editor = NewStringsEditor(AOwner, AOwner && !AOwner->Owner(), ReadOnly);
    Editor->Memo1->Lines()->Assign(Strings);
    TeeTranslateControl(Editor.get());
    const bool ok = Editor->ShowModal() == mrOk;
    if (ok && !ReadOnly) Strings->Assign(Editor->Memo1->Lines());
    return ok;
}

bool TeeEditStrings(TComponent* AOwner, String& Text, bool ReadOnly) {
    auto Editor = NewStringsEditor(AOwner, AOwner != nullptr, ReadOnly);
    Editor->Memo1->SetText(Text);
    TeeTranslateControl(Editor.get());
    const bool ok = Editor->ShowModal() == mrOk;
    if (ok && !ReadOnly) Text = Editor->Memo1->Text();
    return ok;
}
