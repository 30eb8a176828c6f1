#include "platform/controls/Edit.h"

#include "platform/classes/StringList.h"
#include "platform/controls/Clipboard.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Gdi.h"
#include "platform/win/Beep.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TCustomEdit, TCustomControl)
ORVO_IMPLEMENT_CLASS(TEdit, TCustomEdit)
ORVO_IMPLEMENT_CLASS(TCustomMaskEdit, TCustomEdit)
ORVO_IMPLEMENT_CLASS(TMaskEdit, TCustomMaskEdit)
ORVO_IMPLEMENT_CLASS(TCustomMemo, TCustomEdit)
ORVO_IMPLEMENT_CLASS(TMemo, TCustomMemo)
ORVO_IMPLEMENT_ENUM_TYPE(TEditCharCase, "ecNormal", "ecUpperCase", "ecLowerCase")
ORVO_IMPLEMENT_ENUM_TYPE(TScrollStyle, "ssNone", "ssHorizontal", "ssVertical", "ssBoth")

namespace {

const String kLineBreak = QStringLiteral("\r\n");

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

int lineHeightOf(TCanvas* c) {
    return c->TextHeight(QStringLiteral("Wg"));
}

// A memo's lines: a view of the memo's text split at its line breaks.
class TMemoStrings : public TStrings {
    ORVO_CLASS(TMemoStrings, TStrings)
public:
    explicit TMemoStrings(TCustomMemo* AMemo = nullptr) : FMemo(AMemo) {}
    void Clear() override { FMemo->SetText(String()); }
    void Delete(int Index) override {
        QStringList l = split();
        check(Index, l.size() - 1);
        l.removeAt(Index);
        join(l);
    }
    void Insert(int Index, const String& S) override {
        QStringList l = split();
        check(Index, l.size());
        l.insert(Index, S);
        join(l);
    }

protected:
    String Get(int Index) const override {
        const QStringList l = split();
        check(Index, l.size() - 1);
        return l.at(Index);
    }
    int GetCount() const override { return int(split().size()); }
    void Put(int Index, const String& S) override {
        QStringList l = split();
        check(Index, l.size() - 1);
        l[Index] = S;
        join(l);
    }
    String GetTextStr() const override {
        return FMemo->Text().isEmpty() ? String() : FMemo->Text() + kLineBreak;
    }
    void SetTextStr(const String& Value) override {
        String t = Value;
        t.replace(kLineBreak, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        if (t.endsWith(QLatin1Char('\n'))) t.chop(1);
        t.replace(QLatin1Char('\n'), kLineBreak);
        FMemo->SetText(t);
    }

private:
    QStringList split() const {
        const String t = FMemo->Text();
        if (t.isEmpty()) return {};
        return t.split(kLineBreak);
    }
    void join(const QStringList& l) { FMemo->SetText(l.join(kLineBreak)); }
    void check(int Index, int Max) const {
        if (Index < 0 || Index > Max) Error(QStringLiteral("List index out of bounds (%d)"), Index);
    }
    TCustomMemo* FMemo;
};
ORVO_IMPLEMENT_CLASS(TMemoStrings, TStrings)

} // namespace

// ---- TCustomEdit -------------------------------------------------------------------------------

TCustomEdit::TCustomEdit(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    SetCursor(crIBeam);
    TControl::SetAutoSize(true);
}

void TCustomEdit::SetReadOnly(bool Value) {
    FReadOnly = Value;
    Invalidate();
}

void TCustomEdit::SetMaxLength(int Value) {
    FMaxLength = std::max(0, Value);
}

void TCustomEdit::SetHideSelection(bool Value) {
    FHideSelection = Value;
    Invalidate();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
    FBorderStyle = Value == bsNone ? bsNone : bsSingle;
    AdjustSize();
    Invalidate();
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
    FCharCase = Value;
    if (Value != ecNormal) SetText(ApplyCharCase(Text()));
}

void TCustomEdit::SetPasswordChar(QChar Value) {
    FPasswordChar = Value;
    Invalidate();
}

TAlignment TCustomEdit::Alignment() const {
    const DWORD a = WindowStyle() & (ES_CENTER | ES_RIGHT);
    return a == ES_RIGHT ? taRightJustify : a == ES_CENTER ? taCenter : taLeftJustify;
}

void TCustomEdit::SetAlignment(TAlignment Value) {
    DWORD s = WindowStyle() & ~(ES_CENTER | ES_RIGHT);
    if (Value == taRightJustify) s |= ES_RIGHT;
    if (Value == taCenter) s |= ES_CENTER;
    SetWindowStyle(s);
    Invalidate();
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
    // The alignment lives in the style bits; keep the ones set before the window exists.
    const DWORD align = WindowStyle() & (ES_CENTER | ES_RIGHT);
    TCustomControl::CreateParams(Params);
    Params.Style |= align;
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

String TCustomEdit::ApplyCharCase(const String& S) const {
    switch (FCharCase) {
    case ecUpperCase:
        return S.toUpper();
    case ecLowerCase:
        return S.toLower();
    default:
        return S;
    }
}

// ---- selection -----------------------------------------------------------------------------

int TCustomEdit::SelStart() const {
    return std::min(FCaret, FAnchor);
}

int TCustomEdit::SelLength() const {
    return std::abs(FCaret - FAnchor);
}

void TCustomEdit::SetSelStart(int Value) {
    FAnchor = FCaret = std::clamp(Value, 0, int(Text().size()));
    NormalizeCaret();
    Invalidate();
}

void TCustomEdit::SetSelLength(int Value) {
    const int start = SelStart();
    FAnchor = start;
    FCaret = std::clamp(start + Value, 0, int(Text().size()));
    NormalizeCaret();
    Invalidate();
}

String TCustomEdit::SelText() const {
    return Text().mid(SelStart(), SelLength());
}

void TCustomEdit::SetSelText(const String& Value) {
    const String t = Text();
    const int start = SelStart();
    const String next = t.left(start) + Value + t.mid(start + SelLength());
    FCaret = FAnchor = start + int(Value.size());
    SetText(next);
    FCaret = FAnchor = std::min(start + int(Value.size()), int(Text().size()));
    Invalidate();
}

void TCustomEdit::SelectAll() {
    FAnchor = 0;
    FCaret = int(Text().size());
    Invalidate();
}

void TCustomEdit::ClearSelection() {
    if (SelLength() == 0 || !EditCanModify()) return;
    UserReplaceSelection(String());
}

void TCustomEdit::CopyToClipboard() {
    if (SelLength() == 0 || !FPasswordChar.isNull()) return;
    Clipboard()->SetAsText(SelText());
}

void TCustomEdit::CutToClipboard() {
    if (SelLength() == 0 || !EditCanModify()) return;
    CopyToClipboard();
    UserReplaceSelection(String());
}

void TCustomEdit::PasteFromClipboard() {
    if (!EditCanModify()) return;
    // A one-line edit takes the clipboard text up to its first line break.
    UserReplaceSelection(FMultiLine ? Clipboard()->AsText() : Clipboard()->AsTextLine());
}

void TCustomEdit::Undo() {
    if (!FCanUndo) return;
    // One level that toggles: undoing twice restores the edit.
    const String redo = Text();
    const int redoCaret = FCaret;
    FUserChange = true;
    SetText(FUndoText);
    FUserChange = false;
    FUndoText = redo;
    FCaret = FAnchor = std::min(FUndoCaret, int(Text().size()));
    FUndoCaret = redoCaret;
    FModified = true;
    Invalidate();
}

void TCustomEdit::UserReplaceSelection(const String& S) {
    String insert = ApplyCharCase(S);
    const String t = Text();
    const int start = SelStart();
    const int len = SelLength();
    if (FMaxLength > 0) {
        const int room = FMaxLength - (int(t.size()) - len);
        if (room <= 0 && !insert.isEmpty()) {
            MessageBeep(0);
            return;
        }
        if (int(insert.size()) > room) insert.truncate(std::max(0, room));
    }
    const String next = t.left(start) + insert + t.mid(start + len);
    if (next == t) return;
    FUndoText = t;
    FUndoCaret = FCaret;
    FCanUndo = true;
    FCaret = FAnchor = start + int(insert.size());
    FUserChange = true;
    SetText(next);
    FUserChange = false;
    FModified = true;
    Invalidate();
}

void TCustomEdit::SetTextValue(const String& Value) {
    TCustomControl::SetTextValue(Value);
    if (!FUserChange) {
        // Text set by code: the edit is no longer modified and the undo step is gone.
        FModified = false;
        FCanUndo = false;
        FCaret = FAnchor = std::min(FCaret, int(Value.size()));
    }
    NormalizeCaret();
    Invalidate();
}

void TCustomEdit::NormalizeCaret() {
    const String t = Text();
    const int n = int(t.size());
    FCaret = std::clamp(FCaret, 0, n);
    FAnchor = std::clamp(FAnchor, 0, n);
    // Never between the CR and LF of a line break.
    if (FCaret > 0 && FCaret < n && t[FCaret - 1] == QLatin1Char('\r') && t[FCaret] == QLatin1Char('\n'))
        --FCaret;
}

void TCustomEdit::MoveCaret(int Pos, bool Extend) {
    FCaret = Pos;
    if (!Extend) FAnchor = Pos;
    NormalizeCaret();
    if (!Extend) FAnchor = FCaret;
    Invalidate();
}

int TCustomEdit::LineStart(int Pos) const {
    const String t = Text();
    const int i = Pos > 0 ? int(t.lastIndexOf(QLatin1Char('\n'), Pos - 1)) : -1;
    return i + 1;
}

int TCustomEdit::LineEnd(int Pos) const {
    const String t = Text();
    const int i = int(t.indexOf(QLatin1Char('\n'), Pos));
    if (i < 0) return int(t.size());
    return (i > 0 && t[i - 1] == QLatin1Char('\r')) ? i - 1 : i;
}

bool TCustomEdit::EditCanModify() {
    return !FReadOnly;
}

bool TCustomEdit::AcceptsTypedChar(QChar&) {
    return true;
}

void TCustomEdit::DeleteChar(bool Forward, bool Word) {
    if (SelLength() > 0) {
        UserReplaceSelection(String());
        return;
    }
    const String t = Text();
    int from = FCaret, to = FCaret;
    if (Forward) {
        if (to >= int(t.size())) return;
        if (t.mid(to, 2) == kLineBreak)
            to += 2;
        else if (Word) {
            while (to < int(t.size()) && isWordChar(t[to]))
                ++to;
            while (to < int(t.size()) && t[to] == QLatin1Char(' '))
                ++to;
            if (to == from) ++to;
        } else
            ++to;
    } else {
        if (from <= 0) return;
        if (from >= 2 && t.mid(from - 2, 2) == kLineBreak)
            from -= 2;
        else if (Word) {
            while (from > 0 && t[from - 1] == QLatin1Char(' '))
                --from;
            while (from > 0 && isWordChar(t[from - 1]))
                --from;
            if (from == FCaret) --from;
        } else
            --from;
    }
    FAnchor = from;
    FCaret = to;
    UserReplaceSelection(String());
}

// ---- keys ----------------------------------------------------------------------------------

void TCustomEdit::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    const bool shift = Shift.Contains(ssShift);
    const bool ctrl = Shift.Contains(ssCtrl);
    const String t = Text();
    const int n = int(t.size());
    // The keys handled here are consumed: the widget's parents never see them.
    bool handled = true;
    switch (Key) {
    case VK_LEFT: {
        if (!shift && SelLength() > 0) {
            MoveCaret(SelStart(), false);
            break;
        }
        int p = FCaret;
        if (ctrl) {
            while (p > 0 && !isWordChar(t[p - 1]))
                --p;
            while (p > 0 && isWordChar(t[p - 1]))
                --p;
        } else if (p >= 2 && t.mid(p - 2, 2) == kLineBreak)
            p -= 2;
        else if (p > 0)
            --p;
        MoveCaret(p, shift);
        break;
    }
    case VK_RIGHT: {
        if (!shift && SelLength() > 0) {
            MoveCaret(SelStart() + SelLength(), false);
            break;
        }
        int p = FCaret;
        if (ctrl) {
            while (p < n && isWordChar(t[p]))
                ++p;
            while (p < n && !isWordChar(t[p]))
                ++p;
        } else if (t.mid(p, 2) == kLineBreak)
            p += 2;
        else if (p < n)
            ++p;
        MoveCaret(p, shift);
        break;
    }
    case VK_HOME:
        MoveCaret(ctrl || !FMultiLine ? 0 : LineStart(FCaret), shift);
        break;
    case VK_END:
        MoveCaret(ctrl || !FMultiLine ? n : LineEnd(FCaret), shift);
        break;
    case VK_UP:
    case VK_DOWN: {
        if (!FMultiLine) {
            handled = false;
            break;
        }
        const int start = LineStart(FCaret);
        const int col = FCaret - start;
        int target = FCaret;
        if (Key == VK_UP) {
            if (start == 0) break;
            const int prev = LineStart(start - 1);
            target = std::min(prev + col, LineEnd(prev));
        } else {
            const int end = LineEnd(FCaret);
            if (end >= n) break;
            const int next = end + 2;
            target = std::min(next + col, LineEnd(next));
        }
        MoveCaret(target, shift);
        break;
    }
    case VK_DELETE:
        if (!EditCanModify()) break;
        if (shift)
            CutToClipboard();
        else
            DeleteChar(true, ctrl);
        break;
    case VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        else if (shift)
            PasteFromClipboard();
        break;
    default:
        if (ctrl && !Shift.Contains(ssAlt)) {
            switch (Key) {
            case 'A':
                SelectAll();
                break;
            case 'C':
                CopyToClipboard();
                break;
            case 'X':
                CutToClipboard();
                break;
            case 'V':
                PasteFromClipboard();
                break;
            case 'Z':
                Undo();
                break;
            default:
                handled = false;
                break;
            }
        } else {
            handled = false;
        }
        break;
    }
    if (handled) Key = 0;
}

void TCustomEdit::KeyPress(QChar& Key) {
    TCustomControl::KeyPress(Key);
    if (Key.isNull()) return;
    const char16_t k = Key.unicode();
    if (k == u'\r' && !(FMultiLine && FWantReturns)) return;
    if (k == u'\t' && !(FMultiLine && FWantTabs)) return;
    if (k == u'\x1b') return;
    // Every other character is the edit's: it is consumed here.
    QChar ch = Key;
    Key = QChar();
    if (k == u'\b') {
        if (EditCanModify()) DeleteChar(false, KeyboardStateToShiftState().Contains(ssCtrl));
        return;
    }
    if (k == u'\r') {
        if (EditCanModify()) UserReplaceSelection(kLineBreak);
        return;
    }
    if (k == u'\t') {
        if (EditCanModify()) UserReplaceSelection(QStringLiteral("\t"));
        return;
    }
    // Other control characters (Ctrl+letter) are commands, handled with the key.
    if (k < 32 || k == 127) return;
    if (!EditCanModify()) return;
    if (!AcceptsTypedChar(ch)) {
        MessageBeep(0);
        return;
    }
    UserReplaceSelection(String(ch));
}

void TCustomEdit::DoEnter() {
    // Tabbing into a one-line edit selects its text.
    if (FAutoSelect && !FMultiLine && !KeyboardStateToShiftState().Contains(ssLeft)) SelectAll();
    Invalidate();
    TCustomControl::DoEnter();
}

void TCustomEdit::DoExit() {
    Invalidate();
    TCustomControl::DoExit();
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomEdit::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        if (FMultiLine && FWantReturns) Message.Result |= DLGC_WANTALLKEYS;
        if (FMultiLine && FWantTabs) Message.Result |= DLGC_WANTTAB;
        return;
    case CM_TEXTCHANGED:
        TCustomControl::Dispatch(Message);
        Change();
        return;
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(Message);
        AdjustSize();
        return;
    case WM_CUT:
        CutToClipboard();
        return;
    case WM_COPY:
        CopyToClipboard();
        return;
    case WM_PASTE:
        PasteFromClipboard();
        return;
    case WM_CLEAR:
        ClearSelection();
        return;
    case WM_UNDO:
    case EM_UNDO:
        Message.Result = FCanUndo ? 1 : 0;
        Undo();
        return;
    case EM_CANUNDO:
        Message.Result = FCanUndo ? 1 : 0;
        return;
    case EM_GETSEL:
        if (Message.WParam) *reinterpret_cast<DWORD*>(Message.WParam) = DWORD(SelStart());
        if (Message.LParam) *reinterpret_cast<DWORD*>(Message.LParam) = DWORD(SelStart() + SelLength());
        Message.Result = LRESULT(SelStart() | ((SelStart() + SelLength()) << 16));
        return;
    case EM_SETSEL: {
        const int n = int(Text().size());
        int from = int(std::intptr_t(Message.WParam)), to = int(Message.LParam);
        if (from < 0) {
            FAnchor = FCaret;
        } else {
            if (to < 0 || to > n) to = n;
            FAnchor = std::min(from, n);
            FCaret = to;
        }
        NormalizeCaret();
        Invalidate();
        return;
    }
    case EM_REPLACESEL:
        if (Message.LParam) UserReplaceSelection(*reinterpret_cast<const String*>(Message.LParam));
        return;
    case EM_GETMODIFY:
        Message.Result = FModified ? 1 : 0;
        return;
    case EM_SETMODIFY:
        FModified = Message.WParam != 0;
        return;
    case EM_LIMITTEXT:
        SetMaxLength(int(Message.WParam));
        return;
    case EM_SETREADONLY:
        SetReadOnly(Message.WParam != 0);
        Message.Result = 1;
        return;
    case EM_GETLINECOUNT:
        Message.Result = Text().count(QLatin1Char('\n')) + 1;
        return;
    case EM_GETRECT:
        if (Message.LParam) *reinterpret_cast<TRect*>(Message.LParam) = FormattingRect();
        return;
    case EM_SETRECT:
    case EM_SETRECTNP:
        if (Message.LParam) {
            FFormatRect = *reinterpret_cast<const TRect*>(Message.LParam);
            FHasFormatRect = true;
        } else {
            FHasFormatRect = false;
        }
        Invalidate();
        return;
    case EM_SETMARGINS:
        if (Message.WParam & EC_LEFTMARGIN) FLeftMargin = int(Message.LParam & 0xFFFF);
        if (Message.WParam & EC_RIGHTMARGIN) FRightMargin = int((Message.LParam >> 16) & 0xFFFF);
        Invalidate();
        return;
    case EM_GETMARGINS:
        Message.Result = LRESULT(FLeftMargin | (FRightMargin << 16));
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

bool TCustomEdit::CanAutoSize(int& NewWidth, int& NewHeight) {
    (void)NewWidth;
    if (!AutoSize() || FMultiLine || Align() == alLeft || Align() == alRight || Align() == alClient)
        return false;
    // The height of the font plus room for the border, as a standard edit has it.
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(Font());
    const int h = lineHeightOf(measure.Canvas());
    const int border = FBorderStyle == bsSingle ? GetSystemMetrics(SM_CYBORDER) * 4 : 0;
    NewHeight = h + h / 4 + border + (FBorderStyle == bsSingle ? 0 : 2);
    return true;
}

TRect TCustomEdit::FormattingRect() const {
    if (FHasFormatRect) return FFormatRect;
    TRect r = ClientRect();
    const int b = FBorderStyle == bsSingle ? 2 : 0;
    return Rect(r.Left + b + FLeftMargin, r.Top + b + 1, r.Right - b - FRightMargin, r.Bottom - b - 1);
}

String TCustomEdit::DisplayText() const {
    const String t = Text();
    if (!FPasswordChar.isNull()) return String(t.size(), FPasswordChar);
    return t;
}

int TCustomEdit::PosAtPoint(int X, int Y) {
    TCanvas* c = Canvas();
    c->SetFont(Font());
    const TRect fr = FormattingRect();
    const String d = DisplayText();
    int lineStart = 0, lineEnd = int(d.size());
    if (FMultiLine) {
        const int lh = std::max(1, lineHeightOf(c));
        int line = FTopLine + std::max(0, (Y - fr.Top) / lh);
        lineStart = 0;
        while (line > 0) {
            const int nl = int(d.indexOf(QLatin1Char('\n'), lineStart));
            if (nl < 0) break;
            lineStart = nl + 1;
            --line;
        }
        lineEnd = LineEnd(lineStart);
    }
    const String line = d.mid(lineStart, lineEnd - lineStart);
    int x0 = fr.Left - FScrollX;
    if (!FMultiLine) {
        const int w = c->TextWidth(line);
        if (Alignment() == taRightJustify)
            x0 = fr.Right - w;
        else if (Alignment() == taCenter)
            x0 = fr.Left + (fr.Width() - w) / 2;
    }
    int best = 0;
    for (int i = 0; i <= int(line.size()); ++i) {
        const int x = x0 + c->TextWidth(line.left(i));
        const int next = i < int(line.size()) ? x0 + c->TextWidth(line.left(i + 1)) : x;
        best = i;
        if (X < (x + next) / 2 || i == int(line.size())) break;
    }
    return lineStart + best;
}

void TCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (!Shift.Contains(ssDouble)) MoveCaret(PosAtPoint(X, Y), Shift.Contains(ssShift));
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomEdit::MouseMove(TShiftState Shift, int X, int Y) {
    if (Shift.Contains(ssLeft) && MouseCapture()) MoveCaret(PosAtPoint(X, Y), true);
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomEdit::DblClick() {
    // A double click selects the word under the caret.
    const String t = Text();
    int a = FCaret, b = FCaret;
    while (a > 0 && isWordChar(t[a - 1]))
        --a;
    while (b < int(t.size()) && isWordChar(t[b]))
        ++b;
    FAnchor = a;
    FCaret = b;
    Invalidate();
    TCustomControl::DblClick();
}

void TCustomEdit::Paint() {
    TCanvas* c = Canvas();
    TRect client = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    c->FillRect(client);
    if (FBorderStyle == bsSingle) {
        TRect r = client;
        Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
        Frame3D(c, r, cl3DDkShadow, clBtnFace, 1);
    }
    const TRect fr = FormattingRect();
    c->SetFont(Font());
    if (!Enabled()) c->Font()->SetColor(clGrayText);
    const int lh = lineHeightOf(c);
    const String d = DisplayText();
    const bool showSel = SelLength() > 0 && (Focused() || !FHideSelection);
    const int selA = SelStart(), selB = SelStart() + SelLength();
    HDC dc = c->Handle();
    SaveDC(dc);
    IntersectClipRect(dc, fr.Left, fr.Top, fr.Right, fr.Bottom);
    // Keep the caret in view in a one-line, left-aligned edit.
    if (!FMultiLine && Alignment() == taLeftJustify) {
        const int cx = c->TextWidth(d.left(FCaret));
        if (cx - FScrollX > fr.Width() - 2) FScrollX = cx - fr.Width() + 2;
        if (cx < FScrollX) FScrollX = cx;
    } else if (!FMultiLine) {
        FScrollX = 0;
    }
    if (FMultiLine && lh > 0) {
        const int caretLine = int(Text().left(FCaret).count(QLatin1Char('\n')));
        const int visible = std::max(1, fr.Height() / lh);
        if (caretLine < FTopLine) FTopLine = caretLine;
        if (caretLine >= FTopLine + visible) FTopLine = caretLine - visible + 1;
    }
    int lineStart = 0, lineNo = 0;
    while (true) {
        int nl = FMultiLine ? int(d.indexOf(QLatin1Char('\n'), lineStart)) : -1;
        int lineEnd = nl < 0 ? int(d.size()) : nl;
        if (lineEnd > lineStart && d[lineEnd - 1] == QLatin1Char('\r')) --lineEnd;
        if (lineNo >= FTopLine) {
            const String line = d.mid(lineStart, lineEnd - lineStart);
            const int y = fr.Top + (lineNo - FTopLine) * lh;
            if (y > fr.Bottom) break;
            int x = fr.Left - FScrollX;
            if (!FMultiLine) {
                const int w = c->TextWidth(line);
                if (Alignment() == taRightJustify)
                    x = fr.Right - w;
                else if (Alignment() == taCenter)
                    x = fr.Left + (fr.Width() - w) / 2;
            }
            c->Brush()->SetStyle(bsClear);
            c->TextOut(x, y, line);
            if (showSel) {
                const int a = std::clamp(selA, lineStart, lineEnd), b = std::clamp(selB, lineStart, lineEnd);
                if (b > a) {
                    const int xa = x + c->TextWidth(d.mid(lineStart, a - lineStart));
                    const int xb = x + c->TextWidth(d.mid(lineStart, b - lineStart));
                    c->Brush()->SetStyle(bsSolid);
                    c->Brush()->SetColor(clHighlight);
                    c->FillRect(Rect(xa, y, xb, y + lh));
                    const TColor keep = c->Font()->Color();
                    c->Font()->SetColor(clHighlightText);
                    c->Brush()->SetStyle(bsClear);
                    c->TextOut(xa, y, d.mid(a, b - a));
                    c->Font()->SetColor(keep);
                }
            }
            if (Focused() && FCaret >= lineStart && FCaret <= lineEnd) {
                const int cx = x + c->TextWidth(d.mid(lineStart, FCaret - lineStart));
                c->Pen()->SetColor(clWindowText);
                c->MoveTo(cx, y);
                c->LineTo(cx, y + lh);
            }
        }
        if (nl < 0) break;
        lineStart = nl + 1;
        ++lineNo;
    }
    RestoreDC(dc, -1);
}

// ---- TCustomMaskEdit -----------------------------------------------------------------------

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomMaskEdit::SetEditMask(const String& Value) {
    const String plain = GetText();
    FEditMask = Value;
    FSlots.clear();
    FSaveLiterals = true;
    FBlank = QLatin1Char('_');
    // Sections: mask ; save-literals ; blank character.
    String mask = Value;
    const QStringList parts = Value.split(QLatin1Char(';'));
    if (parts.size() >= 2) {
        mask = parts.at(0);
        FSaveLiterals = parts.at(1) != QStringLiteral("0");
        if (parts.size() >= 3 && !parts.at(2).isEmpty()) FBlank = parts.at(2).at(0);
    }
    static const String kinds = QStringLiteral("09LlAaCc#");
    for (int i = 0; i < mask.size(); ++i) {
        const QChar ch = mask[i];
        if (ch == QLatin1Char('\\') && i + 1 < mask.size()) {
            FSlots.push_back({QChar(), mask[++i]});
        } else if (kinds.contains(ch)) {
            FSlots.push_back({ch, QChar()});
        } else if (ch == QLatin1Char('>') || ch == QLatin1Char('<') || ch == QLatin1Char('!')) {
            // Case and alignment switches take no place in the text.
        } else {
            FSlots.push_back({QChar(), ch});
        }
    }
    SetMaxLength(IsMasked() ? int(FSlots.size()) : 0);
    // Lay the text out anew even when it reads the same (the blanks and literals change).
    const String before = TCustomEdit::GetText();
    SetTextValue(plain);
    if (TCustomEdit::GetText() != before) Perform(CM_TEXTCHANGED);
}

String TCustomMaskEdit::Blank() const {
    String s;
    for (const Slot& sl : FSlots)
        s += sl.Kind.isNull() ? sl.Literal : FBlank;
    return s;
}

bool TCustomMaskEdit::SlotTakes(const Slot& S, QChar Ch) const {
    switch (S.Kind.unicode()) {
    case u'0':
    case u'9':
        return Ch.isDigit();
    case u'#':
        return Ch.isDigit() || Ch == QLatin1Char('+') || Ch == QLatin1Char('-');
    case u'L':
    case u'l':
        return Ch.isLetter();
    case u'A':
    case u'a':
        return Ch.isLetterOrNumber();
    default:
        return !Ch.isNull();
    }
}

String TCustomMaskEdit::GetText() const {
    const String shown = TCustomEdit::GetText();
    if (!IsMasked() || FSaveLiterals) return shown;
    String s;
    for (int i = 0; i < shown.size() && i < int(FSlots.size()); ++i)
        if (!FSlots[std::size_t(i)].Kind.isNull()) s += shown[i];
    return s;
}

void TCustomMaskEdit::SetTextValue(const String& Value) {
    if (!IsMasked() || Value.size() == int(FSlots.size())) {
        TCustomEdit::SetTextValue(Value);
        return;
    }
    // Lay the characters given into the slots that take them, literals in their places.
    String shown = Blank();
    int src = 0;
    for (int i = 0; i < int(FSlots.size()) && src < Value.size(); ++i) {
        const Slot& sl = FSlots[std::size_t(i)];
        if (sl.Kind.isNull()) {
            if (Value[src] == sl.Literal) ++src;
            continue;
        }
        while (src < Value.size() && !SlotTakes(sl, Value[src]) && Value[src] != FBlank)
            ++src;
        if (src < Value.size()) shown[i] = Value[src++];
    }
    TCustomEdit::SetTextValue(shown);
}

bool TCustomMaskEdit::AcceptsTypedChar(QChar& Ch) {
    if (!IsMasked()) return true;
    int p = SelStart();
    while (p < int(FSlots.size()) && FSlots[std::size_t(p)].Kind.isNull())
        ++p;
    return p < int(FSlots.size()) && SlotTakes(FSlots[std::size_t(p)], Ch);
}

void TCustomMaskEdit::KeyPress(QChar& Key) {
    if (!IsMasked()) {
        TCustomEdit::KeyPress(Key);
        return;
    }
    TCustomControl::KeyPress(Key);
    if (Key.isNull()) return;
    const QChar typed = Key;
    if (typed.unicode() < 32 && typed != QLatin1Char('\b')) return;
    Key = QChar();
    if (!EditCanModify()) return;
    String shown = TCustomEdit::GetText();
    if (typed == QLatin1Char('\b')) {
        // Backspace blanks the slot before the caret.
        int p = FCaret - 1;
        while (p >= 0 && FSlots[std::size_t(p)].Kind.isNull())
            --p;
        if (p < 0) return;
        shown[p] = FBlank;
        FAnchor = FCaret = p;
    } else {
        QChar ch = typed;
        if (!AcceptsTypedChar(ch)) {
            MessageBeep(0);
            return;
        }
        int p = SelStart();
        while (p < int(FSlots.size()) && FSlots[std::size_t(p)].Kind.isNull())
            ++p;
        shown[p] = ch;
        FAnchor = FCaret = p + 1;
        while (FCaret < int(FSlots.size()) && FSlots[std::size_t(FCaret)].Kind.isNull())
            ++FCaret;
        FAnchor = FCaret;
    }
    const int caret = FCaret;
    SelectAll();
    UserReplaceSelection(shown);
    FAnchor = FCaret = caret;
    Invalidate();
}

void TCustomMaskEdit::KeyDown(Word& Key, TShiftState Shift) {
    if (IsMasked() && Key == VK_DELETE && !Shift.Contains(ssShift)) {
        // Delete blanks the slots of the selection (or the one at the caret).
        TCustomControl::KeyDown(Key, Shift);
        if (Key == 0 || !EditCanModify()) return;
        String shown = TCustomEdit::GetText();
        const int a = SelStart(), b = std::max(SelStart() + SelLength(), SelStart() + 1);
        for (int i = a; i < b && i < int(FSlots.size()); ++i)
            if (!FSlots[std::size_t(i)].Kind.isNull()) shown[i] = FBlank;
        const int caret = a;
        SelectAll();
        UserReplaceSelection(shown);
        FAnchor = FCaret = caret;
        Key = 0;
        return;
    }
    TCustomEdit::KeyDown(Key, Shift);
}

// ---- TCustomMemo ---------------------------------------------------------------------------

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner) {
    FMultiLine = true;
    FWantReturns = true;
    FWordWrap = true;
    TControl::SetAutoSize(false);
    FControlStyle = FControlStyle - TControlStyle{csFixedHeight};
    SetBounds(0, 0, 185, 89);
    FLines = new TMemoStrings(this);
}

TCustomMemo::~TCustomMemo() {
    delete FLines;
}

void TCustomMemo::SetLines(TStrings* Value) {
    FLines->Assign(Value);
}

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
    FScrollBars = Value;
    DWORD s = WindowStyle() & ~(WS_HSCROLL | WS_VSCROLL);
    if (Value == ssVertical || Value == ssBoth) s |= WS_VSCROLL;
    if (Value == ssHorizontal || Value == ssBoth) s |= WS_HSCROLL;
    SetWindowStyle(s);
    Invalidate();
}

void TCustomMemo::SetWordWrap(bool Value) {
    FWordWrap = Value;
    Invalidate();
}

TPoint TCustomMemo::CaretPosition() const {
    const String before = Text().left(FCaret);
    const int line = int(before.count(QLatin1Char('\n')));
    const int start = int(before.lastIndexOf(QLatin1Char('\n'))) + 1;
    return TPoint{FCaret - start, line};
}

void TCustomMemo::CreateParams(TCreateParams& Params) {
    TCustomEdit::CreateParams(Params);
    Params.Style |= ES_MULTILINE;
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) Params.Style |= WS_VSCROLL;
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) Params.Style |= WS_HSCROLL;
}

// ---- published -----------------------------------------------------------------------------

namespace {
template <class T> void publishEdit(TPublisher<T>& P) {
    PublishWinControlBasics(P);
    P.Property("Alignment", &T::Alignment, &T::SetAlignment).Default(taLeftJustify);
    P.Property("AutoSelect", &T::AutoSelect, &T::SetAutoSelect).Default(true);
    P.Property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle).Default(bsSingle);
    P.Property("CharCase", &T::CharCase, &T::SetCharCase).Default(ecNormal);
    P.Property("Color", &T::Color, &T::SetColor).Type(TypeInfoTColor()).Default(clWindow);
    P.Property("HideSelection", &T::HideSelection, &T::SetHideSelection).Default(true);
    P.Property("MaxLength", &T::MaxLength, &T::SetMaxLength).Default(0);
    P.Property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false);
    P.Property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
    P.Property("OnChange", &T::OnChange);
}
} // namespace

ORVO_PUBLISHED(TEdit) {
    publishEdit(P);
    P.Property("AutoSize", &TEdit::AutoSize, &TEdit::SetAutoSize).Default(true);
    P.Property("Text", &TEdit::Text, &TEdit::SetText);
}

ORVO_PUBLISHED(TMaskEdit) {
    publishEdit(P);
    P.Property("AutoSize", &TMaskEdit::AutoSize, &TMaskEdit::SetAutoSize).Default(true);
    P.Property("EditMask", &TMaskEdit::EditMask, &TMaskEdit::SetEditMask);
    P.Property("Text", &TMaskEdit::Text, &TMaskEdit::SetText);
}

ORVO_PUBLISHED(TMemo) {
    publishEdit(P);
    P.Property("Lines", &TMemo::Lines, &TMemo::SetLines);
    P.Property("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars).Default(ssNone);
    P.Property("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns).Default(true);
    P.Property("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs).Default(false);
    P.Property("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap).Default(true);
}
