// Text entry controls: TCustomEdit/TEdit (one line), TCustomMaskEdit/TMaskEdit (one line
// checked against an edit mask) and TCustomMemo/TMemo (several lines). The controls
// paint their text themselves and keep a caret and a selection; the usual editing keys,
// the clipboard commands (WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR, WM_UNDO, EM_UNDO) and a
// single level of undo work as in a standard edit. OnChange fires on every change of the
// text, by the user or by code.
#pragma once

#include "platform/controls/CustomControl.h"
#include "platform/controls/StdControlTypes.h"

class TStrings;

// Edit-control messages.
inline constexpr UINT EM_GETSEL = 0x00B0;
inline constexpr UINT EM_SETSEL = 0x00B1;
inline constexpr UINT EM_GETRECT = 0x00B2;
inline constexpr UINT EM_SETRECT = 0x00B3;
inline constexpr UINT EM_SETRECTNP = 0x00B4;
inline constexpr UINT EM_GETMODIFY = 0x00B8;
inline constexpr UINT EM_SETMODIFY = 0x00B9;
inline constexpr UINT EM_GETLINECOUNT = 0x00BA;
inline constexpr UINT EM_REPLACESEL = 0x00C2;
inline constexpr UINT EM_LIMITTEXT = 0x00C5;
inline constexpr UINT EM_CANUNDO = 0x00C6;
inline constexpr UINT EM_SETREADONLY = 0x00CF;
inline constexpr UINT EM_SETMARGINS = 0x00D3;
inline constexpr UINT EM_GETMARGINS = 0x00D4;
inline constexpr WPARAM EC_LEFTMARGIN = 0x0001;
inline constexpr WPARAM EC_RIGHTMARGIN = 0x0002;

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
ORVO_DECLARE_ENUM_TYPE(TEditCharCase)
// Which scroll bars a memo or a grid shows.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
ORVO_DECLARE_ENUM_TYPE(TScrollStyle)

class TCustomEdit : public TCustomControl {
    ORVO_CLASS(TCustomEdit, TCustomControl)
public:
    explicit TCustomEdit(TComponent* AOwner);

    bool Modified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    // The most characters the text may hold (0: no limit); typing and pasting stop there.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase Value);
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar Value);
    // The text alignment: the ES_LEFT, ES_CENTER or ES_RIGHT bits of the window style.
    TAlignment Alignment() const;
    void SetAlignment(TAlignment Value);

    // The selection (SelStart is also the caret position when SelLength is 0).
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    String SelText() const;
    // Replaces the selection with Value (not refused by ReadOnly: code may write).
    void SetSelText(const String& Value);
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();
    bool CanUndo() const { return FCanUndo; }
    void ClearUndo() { FCanUndo = false; }
    void Clear() { SetText(String()); }
    // The caret as a character index.
    int CaretPos() const { return FCaret; }

    // The text area inside the border (EM_SETRECTNP changes it; margins shrink it).
    TRect FormattingRect() const;

    TNotifyEvent OnChange;

    void Dispatch(TMessage& Message) override;
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;

protected:
    virtual void Change();
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    void SetTextValue(const String& Value) override;
    void DblClick() override;

    // Whether the user may change the text now (ReadOnly refuses; the grid's editor asks
    // its grid).
    virtual bool EditCanModify();
    // Whether Ch may be typed at the caret (the mask edit checks it against the mask).
    virtual bool AcceptsTypedChar(QChar& Ch);
    // Replaces the selection by S as the user's edit (undo, MaxLength, Modified).
    void UserReplaceSelection(const String& S);
    // Moves the caret; with Extend the selection grows from its anchor.
    void MoveCaret(int Pos, bool Extend);
    // The text as drawn (password characters, no line breaks in a one-line edit).
    virtual String DisplayText() const;
    // The character index under a client point.
    virtual int PosAtPoint(int X, int Y);

    bool FMultiLine = false;
    bool FWantReturns = false;
    bool FWantTabs = false;
    bool FWordWrap = false;
    int FCaret = 0;
    int FAnchor = 0;

private:
    void NormalizeCaret();
    int LineStart(int Pos) const;
    int LineEnd(int Pos) const;
    void DeleteChar(bool Forward, bool Word);
    String ApplyCharCase(const String& S) const;

    bool FModified = false;
    bool FReadOnly = false;
    int FMaxLength = 0;
    bool FAutoSelect = true;
    bool FHideSelection = true;
    TBorderStyle FBorderStyle = bsSingle;
    TEditCharCase FCharCase = ecNormal;
    QChar FPasswordChar;
    bool FCanUndo = false;
    String FUndoText;
    int FUndoCaret = 0;
    bool FUserChange = false;
    bool FHasFormatRect = false;
    TRect FFormatRect;
    int FLeftMargin = 1;
    int FRightMargin = 1;
    int FScrollX = 0;
    int FTopLine = 0;
};

class TEdit : public TCustomEdit {
    ORVO_CLASS(TEdit, TCustomEdit)
public:
    explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};

// An edit whose text follows an edit mask: "0" a digit, "9" a digit or blank, "L" a
// letter, "l" a letter or blank, "A" a letter or digit, "a" a letter, digit or blank,
// "C" any character, "c" any character or blank, "#" a digit, sign or blank, "\" makes the
// next character a literal; other characters are literals. ";0" after the mask keeps the
// literals out of Text, ";1" (the default) in it; a third section gives the blank
// character ("_" by default). Typing overwrites the slot at the caret and refuses a
// character the slot does not take; literals are skipped.
class TCustomMaskEdit : public TCustomEdit {
    ORVO_CLASS(TCustomMaskEdit, TCustomEdit)
public:
    explicit TCustomMaskEdit(TComponent* AOwner);

    String EditMask() const { return FEditMask; }
    void SetEditMask(const String& Value);
    bool IsMasked() const { return !FSlots.empty(); }
    // The text as shown, with literals and blanks.
    String EditText() const { return TCustomEdit::GetText(); }
    String GetText() const override;

protected:
    bool AcceptsTypedChar(QChar& Ch) override;
    void KeyPress(QChar& Key) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void SetTextValue(const String& Value) override;

private:
    struct Slot {
        QChar Kind;    // mask character, or 0 for a literal
        QChar Literal; // the literal's character
    };
    bool SlotTakes(const Slot& S, QChar Ch) const;
    String Blank() const;
    std::vector<Slot> FSlots;
    String FEditMask;
    bool FSaveLiterals = true;
    QChar FBlank = QLatin1Char('_');
};

class TMaskEdit : public TCustomMaskEdit {
    ORVO_CLASS(TMaskEdit, TCustomMaskEdit)
public:
    explicit TMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}
};

class TCustomMemo : public TCustomEdit {
    ORVO_CLASS(TCustomMemo, TCustomEdit)
public:
    explicit TCustomMemo(TComponent* AOwner);
    ~TCustomMemo() override;

    // The lines of the text (a list bound to the memo: changing it changes the text).
    TStrings* Lines() const { return FLines; }
    void SetLines(TStrings* Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    // The caret as column (X) and line (Y).
    TPoint CaretPosition() const;

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    TStrings* FLines;
    TScrollStyle FScrollBars = ssNone;
};

class TMemo : public TCustomMemo {
    ORVO_CLASS(TMemo, TCustomMemo)
public:
    explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}
};
