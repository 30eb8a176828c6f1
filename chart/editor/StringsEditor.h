// TStringsEditor: the modal "Text Editor" of a list of lines or of a text, with copying to
// the clipboard and loading and saving text files. TeeEditStrings opens it.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TMemo;
class TOpenDialog;
class TPanel;
class TSaveDialog;
class TStrings;

class TStringsEditor : public TForm {
    ORVO_CLASS(TStringsEditor, TForm)
public:
    explicit TStringsEditor(TComponent* AOwner);
    // Reads the form resource, then makes the two file dialogs.
    void AfterConstruction() override;

    // From the form resource.
    TMemo* Memo1 = nullptr;
    TPanel* Panel1 = nullptr;
    TButton* BCopy = nullptr;
    TButton* BLoad = nullptr;
    TButton* BSave = nullptr;
    TButton* BOK = nullptr;
    TButton* BCancel = nullptr;
    // Made with the form.
    TOpenDialog* OpenDialog1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;

    void BCopyClick(TObject* Sender);
    void BLoadClick(TObject* Sender);
    void BSaveClick(TObject* Sender);
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
};

// Edits Strings; after OK (and not ReadOnly) the list takes the edited lines. True on OK.
bool TeeEditStrings(TComponent* AOwner, TStrings* Strings, bool ReadOnly = false);
// Edits Text; after OK (and not ReadOnly) it takes the edited text. True on OK.
bool TeeEditStrings(TComponent* AOwner, String& Text, bool ReadOnly = false);
