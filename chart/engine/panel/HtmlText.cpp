#include "chart/engine/panel/HtmlText.h"

#include "chart/engine/canvas/TeeCanvas.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/Pen.h"
#include "platform/rtl/IntText.h"
#include "platform/rtl/SysMath.h"

#include <QStringList>

#include <algorithm>
#include <memory>
#include <vector>

TGraphicFileExtension GraphicFileExtension = nullptr;
TGraphicDownload GraphicDownload = nullptr;

namespace {

const String kCRLF = QStringLiteral("\r\n");

// Font sizes a tag may set: a text cannot ask for glyphs of absurd size.
constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 1000;

// Adds D to V, held to the int range.
void grow(int& V, Int64 D) {
    V = CheckedInt(Int64(V) + D);
}

String trimQuotes(String V) {
    V = V.trimmed();
    if (V.size() >= 2 && V.startsWith(u'"') && V.endsWith(u'"')) V = V.mid(1, V.size() - 2);
    return V;
}

// The attributes of a tag's inside ("size=8 name=Courier New"): as many as there are "="
// signs. A value runs to the last space before the next "="; without such a space (the
// scan stops at the start of the text) the value is empty and the rest starts the next
// attribute.
std::vector<std::pair<String, String>> splitAttributes(const String& Inside) {
    std::vector<std::pair<String, String>> result;
    String rest = Inside;
    const qsizetype n = Inside.count(u'=');
    for (qsizetype a = 0; a < n; ++a) {
        const qsizetype eq = rest.indexOf(u'=');
        if (eq < 0) break;
        const String name = rest.left(eq).trimmed();
        rest = rest.mid(eq + 1);
        const qsizetype next = rest.indexOf(u'=');
        String value;
        if (next < 0) {
            value = rest;
            rest.clear();
        } else {
            const qsizetype space = rest.lastIndexOf(u' ', next);
            if (space > 0) {
                value = rest.left(space);
                rest = rest.mid(space);
            }
        }
        result.emplace_back(name, trimQuotes(value));
    }
    return result;
}

TColor htmlColor(const String& Value) {
    const String v = Value.trimmed().toUpper();
    if (v == u"BLACK") return clBlack;
    if (v == u"RED") return TColor(0x0000FF);
    if (v == u"BLUE") return TColor(0xFF0000);
    if (v == u"YELLOW") return TColor(0x00FFFF);
    if (v == u"WHITE") return TColor(0xFFFFFF);
    if (v == u"GREEN") return TColor(0x008000);
    if (v == u"LIME") return TColor(0x00FF00);
    if (v.startsWith(u'#')) {
        auto part = [&](int i) {
            const String hex = v.mid(1 + 2 * i, 2);
            if (hex.size() != 2) throw EConvertError(QStringLiteral("'%1' is not a valid colour").arg(Value));
            return StrToInt(QStringLiteral("$") + hex);
        };
        return TColor(part(0) | (part(1) << 8) | (part(2) << 16));
    }
    return StringToColor(v);
}

// The layout of one call: position, line height, centring, the font and style stacks.
class THtmlLayout {
public:
    THtmlLayout(TTeeCanvas* Canvas, int X, int Y, bool Display)
        : canvas_(Canvas), font_(Canvas->Font()), x0_(X), x_(X), y_(Y), display_(Display) {
        lineHeight_ = canvas_->FontHeight();
    }

    void Run(const String& Text) {
        qsizetype pos = 0;
        while (pos < Text.size()) {
            const qsizetype lt = Text.indexOf(u'<', pos);
            if (lt < 0) {
                handle(Text.mid(pos));
                return;
            }
            if (lt == pos) {
                const qsizetype gt = Text.indexOf(u'>', lt);
                if (gt < 0) throw HtmlParserException(QStringLiteral("Missing > at ") + Text.mid(lt + 1));
                handle(Text.mid(lt, gt - lt + 1));
                pos = gt + 1;
            } else {
                handle(Text.mid(pos, lt - pos));
                pos = lt;
            }
        }
    }

    TSize Extent() const { return extent_; }

private:
    // ---- font states ----
    int fontHeight() { return canvas_->FontHeight(); }

    void setSize(Int64 Size) { font_->SetSize(int(std::clamp<Int64>(Size, kMinFontSize, kMaxFontSize))); }

    void pushFont() {
        const TFontStyles s = font_->Style();
        QStringList words;
        if (s.Contains(fsBold)) words << QStringLiteral("BOLD");
        if (s.Contains(fsItalic)) words << QStringLiteral("ITALIC");
        if (s.Contains(fsUnderline)) words << QStringLiteral("UNDERLINE");
        if (s.Contains(fsStrikeOut)) words << QStringLiteral("STRIKE");
        const String weight = words.isEmpty() ? QStringLiteral("NORMAL") : words.join(QStringLiteral(", "));
        fontStack_.push_back(QStringLiteral("<FONT size=%1 name=%2 color=%3 weight=%4>")
                                 .arg(font_->Size())
                                 .arg(font_->Name())
                                 .arg(qint64(font_->Color()))
                                 .arg(weight));
        fontChanged_ = true;
    }

    void popFont() {
        String entry;
        if (!fontStack_.empty()) {
            entry = fontStack_.back();
            fontStack_.pop_back();
        }
        applyFontTag(entry);
    }

    void pushFontSize(Int64 Size) {
        pushFont();
        setSize(Size);
    }

    void applyFontTag(const String& Tag) {
        String inside = Tag.mid(6);
        if (inside.endsWith(u'>')) inside.chop(1);
        for (const auto& [name, value] : splitAttributes(inside)) {
            const String n = name.toUpper();
            if (n == u"NAME" || n == u"FAMILY") {
                font_->SetName(value);
            } else if (n == u"SIZE") {
                if (value.startsWith(u'+') || value.startsWith(u'-'))
                    setSize(Int64(font_->Size()) + StrToInt(value));
                else
                    setSize(StrToInt(value));
            } else if (n == u"COLOR") {
                font_->SetColor(htmlColor(value));
            } else if (n == u"WEIGHT") {
                TFontStyles style;
                for (const String& w : value.toUpper().split(u',')) {
                    const String word = w.trimmed();
                    if (word == u"BOLD")
                        style << fsBold;
                    else if (word == u"ITALIC")
                        style << fsItalic;
                    else if (word == u"UNDERLINE")
                        style << fsUnderline;
                    else if (word == u"STRIKE")
                        style << fsStrikeOut;
                    else if (word != u"NORMAL")
                        throw HtmlParserException(QStringLiteral("Unknown field in FONT WEIGHT=") + value);
                }
                font_->SetStyle(style);
            } else {
                throw HtmlParserException(QStringLiteral("Unknown field in FONT: ") + name);
            }
        }
    }

    void addStyle(TFontStyle S, const String& Tag) {
        TFontStyles style = font_->Style();
        font_->SetStyle(style << S);
        styleStack_.push_back(Tag);
    }
    void removeStyle(TFontStyle S) {
        TFontStyles style = font_->Style();
        font_->SetStyle(style >> S);
    }

    // ---- tokens ----
    void handle(String Token) {
        fontChanged_ = false;
        if (Token.startsWith(kCRLF)) {
            grow(y_, fontHeight());
            x_ = x0_;
            lineHeight_ = 0;
            Token = Token.mid(2);
            if (Token.isEmpty()) return;
        }
        const String U = Token.toUpper();
        if (!U.startsWith(u'<') || !handleTag(Token, U)) {
            textRun(Token);
            return;
        }
        lastWasFont_ = fontChanged_;
    }

    // False when the token is no tag of the subset (it is then drawn as text).
    bool handleTag(const String& Token, const String& U) {
        static const int headingSizes[] = {48, 36, 24, 18, 12, 8};
        if (U == u"<BR>" || U == u"<P>") {
            x_ = x0_;
            lineHeight_ = 0;
        } else if (U == u"<BIG>") {
            pushFontSize(Int64(font_->Size()) + 2);
        } else if (U == u"<SMALL>") {
            pushFontSize(Int64(font_->Size()) - 2);
        } else if (U.size() == 4 && U.startsWith(u"<H") && U[2] >= u'1' && U[2] <= u'6' && U[3] == u'>') {
            pushFontSize(headingSizes[U[2].unicode() - u'1']);
        } else if (U == u"<SUB>") {
            pushFontSize(font_->Size() / 2);
            grow(y_, fontHeight());
        } else if (U == u"</SUB>") {
            popFont();
            grow(y_, -Int64(fontHeight()));
        } else if (U == u"<SUPER>") {
            pushFontSize(font_->Size() / 2);
            grow(y_, -Int64(fontHeight() / 2));
        } else if (U == u"</SUPER>") {
            popFont();
            grow(y_, fontHeight() / 2);
        } else if (U == u"<PRE>") {
            pushFont();
            applyFontTag(QStringLiteral("<FONT NAME=\"COURIER NEW\">"));
        } else if (U == u"</PRE>" || U.startsWith(u"</FONT")) {
            popFont();
        } else if (U.startsWith(u"<FONT ")) {
            pushFont();
            applyFontTag(U);
        } else if (U == u"<CENTER>") {
            center_ = true;
        } else if (U == u"</CENTER>") {
            center_ = false;
        } else if (U == u"<B>" || U == u"<BOLD>" || U == u"<STRONG>") {
            addStyle(fsBold, U);
        } else if (U == u"<I>") {
            addStyle(fsItalic, U);
        } else if (U == u"<U>") {
            addStyle(fsUnderline, U);
        } else if (U == u"<STRIKE>") {
            addStyle(fsStrikeOut, U);
        } else if (U == u"</B>" || U == u"</BOLD>" || U == u"</STRONG>") {
            removeStyle(fsBold);
        } else if (U == u"</I>") {
            removeStyle(fsItalic);
        } else if (U == u"</U>") {
            removeStyle(fsUnderline);
        } else if (U == u"</STRIKE>") {
            removeStyle(fsStrikeOut);
        } else if (U.startsWith(u"<IMG ")) {
            image(Token);
        } else if (U == u"</>") {
            if (lastWasFont_) {
                popFont();
            } else if (!styleStack_.empty()) {
                // Closes the last opened style: "</>" after "<B>" acts as "</B>".
                const String last = styleStack_.back();
                styleStack_.pop_back();
                handle(QStringLiteral("</") + last.mid(1));
            }
        } else if (U == u"<HR>") {
            x_ = x0_;
            if (display_) {
                TPen* pen = canvas_->Pen();
                pen->SetStyle(psSolid);
                pen->SetWidth(1);
                pen->SetColor(TColor(0x808080));
                canvas_->DoHorizLine(x_, CheckedInt(Int64(x_) + 100), y_);
            }
            grow(y_, fontHeight());
        } else {
            return false;
        }
        return true;
    }

    void textRun(String Run) {
        Run.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
        Run.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
        Run.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        Run.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        const bool endsLine = Run.endsWith(kCRLF);
        if (endsLine) Run.chop(2);
        if (!Run.isEmpty()) {
            const int w = canvas_->TextWidth(Run);
            if (center_) {
                const TRect& b = canvas_->Bounds();
                x_ = CheckedInt((Int64(b.Left) + b.Right) / 2 - w / 2);
            }
            const int h = canvas_->TextHeight(Run);
            if (lineHeight_ == 0) {
                lineHeight_ = fontHeight();
                grow(y_, lineHeight_);
            } else if (h < lineHeight_) {
                grow(y_, Int64(lineHeight_) - h - 1);
            }
            if (display_) canvas_->TextOut(x_, y_, Run);
            grow(x_, w);
            extent_.cx = std::max(extent_.cx, x_);
            lineHeight_ = std::max(lineHeight_, h);
            extent_.cy = std::max(extent_.cy, lineHeight_);
        }
        if (endsLine) {
            lineHeight_ = 0;
            x_ = x0_;
        }
    }

    void image(const String& Token) {
        String inside = Token.mid(5);
        if (inside.startsWith(kCRLF)) inside = inside.mid(2);
        if (inside.endsWith(u'>')) inside.chop(1);
        int width = 0, height = 0;
        String source;
        bool hasSource = false;
        for (const auto& [name, value] : splitAttributes(inside)) {
            const String n = name.toUpper();
            if (n == u"WIDTH")
                width = StrToInt(value);
            else if (n == u"HEIGHT")
                height = StrToInt(value);
            else if (n == u"SRC") {
                source = value;
                hasSource = true;
            }
        }
        if (!hasSource) return;
        source = trimQuotes(source);
        if (drawPicture(source, width, height)) return;
        if (!display_) return;
        // The placeholder: a red-framed white box with its diagonals.
        const int w = width ? width : 40, h = height ? height : 40;
        TPen* pen = canvas_->Pen();
        pen->SetStyle(psSolid);
        pen->SetColor(clRed);
        pen->SetWidth(1);
        canvas_->Brush()->SetStyle(bsSolid);
        canvas_->Brush()->SetColor(clWhite);
        const int right = CheckedInt(Int64(x_) + w), bottom = CheckedInt(Int64(y_) + h);
        canvas_->Rectangle(x_, y_, right, bottom);
        canvas_->MoveTo(x_, y_);
        canvas_->LineTo(right - 1, bottom - 1);
        canvas_->MoveTo(x_, bottom - 1);
        canvas_->LineTo(right - 1, y_);
    }

    // Fetches, loads and (when displaying) draws the picture; false on any failure.
    bool drawPicture(const String& Source, int Width, int Height) {
        if (!GraphicFileExtension || !GraphicDownload) return false;
        const qsizetype dot = Source.lastIndexOf(u'.');
        const String ext = dot < 0 ? String() : Source.mid(dot).toUpper();
        try {
            std::unique_ptr<TGraphic> graphic(GraphicFileExtension(ext));
            if (!graphic) return false;
            TMemoryStream stream;
            if (GraphicDownload(Source, &stream) != 0 || stream.Size() == 0) return false;
            stream.SetPosition(0);
            graphic->LoadFromStream(&stream);
            if (!Width) Width = graphic->Width();
            if (!Height) Height = graphic->Height();
            if (display_) {
                if (Width == graphic->Width() && Height == graphic->Height())
                    canvas_->Draw(x_, y_, graphic.get());
                else
                    canvas_->StretchDraw(
                        TRect{x_, y_, CheckedInt(Int64(x_) + Width), CheckedInt(Int64(y_) + Height)},
                        graphic.get());
            }
        } catch (const Exception&) {
            return false;
        }
        grow(x_, Width);
        grow(y_, Height);
        return true;
    }

    TTeeCanvas* canvas_;
    TFont* font_;
    int x0_, x_, y_;
    int lineHeight_ = 0;
    bool center_ = false;
    bool display_;
    bool fontChanged_ = false;
    bool lastWasFont_ = false;
    TSize extent_;
    // Per call: tags left open by one text do not reach the next.
    std::vector<String> styleStack_;
    std::vector<String> fontStack_;
};

} // namespace

void HtmlTextOut(TTeeCanvas* Canvas, int X, int Y, const String& Text) {
    THtmlLayout layout(Canvas, X, Y, true);
    layout.Run(Text);
}

TSize HtmlTextExtent(TTeeCanvas* Canvas, const String& Text) {
    THtmlLayout layout(Canvas, 0, 0, false);
    layout.Run(Text);
    return layout.Extent();
}
