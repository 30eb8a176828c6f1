// Text on a DC: TextOut and ExtTextOut anchored by the DC's alignment flags and rotated
// by the font's escapement, DrawText with its layout flags, extents and metrics.
//
// The metrics follow Windows: the cell height is ascent plus descent of the font (the
// internal leading included); TA_TOP anchors the cell top, TA_BOTTOM the cell bottom,
// TA_BASELINE the baseline; widths are advances plus the character extra per character.
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Gdi.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace platform::detail;

namespace {

struct FontBox {
    int ascent = 0;
    int descent = 0;
    int Height() const { return ascent + descent; }
};

GdiFont* fontOf(HDC DC) {
    GdiFont* f = DC->Font();
    return f ? f : static_cast<GdiFont*>(GetStockObject(SYSTEM_FONT));
}

FontBox boxOf(GdiFont* f) {
    const QFontMetricsF& m = f->Metrics();
    return {int(std::lround(m.ascent())), int(std::lround(m.descent()))};
}

int widthOf(HDC DC, GdiFont* f, const QString& s) {
    if (s.isEmpty()) return 0;
    return int(std::lround(f->Advance(s))) + DC->st.charExtra * int(s.size());
}

// Draws one run of text with its cell's top-left corner at local (dx, dy) of a frame whose
// origin is the logical point (x, y), rotated by the font's escapement. The callers have
// measured the run already: fb is the font's box and width the run's width, which an
// opaque background fills.
void drawRun(HDC DC, GdiFont* f, const FontBox& fb, int x, int y, qreal dx, qreal dy, const QString& s,
             int width, const int* advances, bool opaque, const QRectF* clipLocal = nullptr) {
    if (s.isEmpty()) return;
    QPainter* p = DC->TextPainter(f);
    if (!p) return;
    const bool rotated = f->lf.lfEscapement % 3600 != 0;
    // In the advanced graphics mode a font whose orientation differs from its escapement
    // turns every character by the difference about its own origin on the baseline.
    const bool turned = DC->st.graphicsMode == GM_ADVANCED && f->lf.lfOrientation != f->lf.lfEscapement;
    // Unrotated text is placed by offsets under the DC's own transform; rotated text gets
    // a frame turned about the reference point.
    if (rotated || clipLocal || turned) {
        QTransform t = QTransform::fromTranslate(x, y);
        if (rotated) t = QTransform().rotate(-f->lf.lfEscapement / 10.0) * t;
        p->setTransform(t * DC->Transform());
    } else {
        dx += x;
        dy += y;
    }
    if (clipLocal) p->setClipRect(*clipLocal, Qt::IntersectClip);
    if (opaque) p->fillRect(QRectF(dx, dy, width, fb.Height()), ToQColor(DC->st.bkColor));
    if (turned) {
        const qreal turn = -(f->lf.lfOrientation - f->lf.lfEscapement) / 10.0;
        for (int i = 0; i < s.size();) {
            const int n = s[i].isHighSurrogate() && i + 1 < s.size() ? 2 : 1;
            const qreal cx =
                dx + (advances ? std::accumulate(advances, advances + i, qreal(0))
                               : f->Metrics().horizontalAdvance(s.left(i)) + DC->st.charExtra * i);
            p->save();
            p->translate(cx, dy + fb.ascent);
            p->rotate(turn);
            p->drawText(QPointF(0, 0), s.mid(i, n));
            p->restore();
            i += n;
        }
    } else if (advances) {
        qreal cx = dx;
        for (int i = 0; i < s.size(); ++i) {
            p->drawText(QPointF(cx, dy + fb.ascent), QString(s[i]));
            cx += advances[i];
        }
    } else {
        p->drawText(QPointF(dx, dy + fb.ascent), s);
    }
    if (rotated || clipLocal || turned)
        DC->Invalidate(DeviceContext::dTransform | (clipLocal ? DeviceContext::dClip : 0u));
}

// The local offset of the cell's top-left corner from the reference point.
QPointF anchorOffset(UINT align, int width, const FontBox& fb) {
    qreal dx = 0, dy = 0;
    if ((align & TA_CENTER) == TA_CENTER)
        dx = -width / 2;
    else if (align & TA_RIGHT)
        dx = -width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        dy = -fb.ascent;
    else if (align & TA_BOTTOM)
        dy = -fb.Height();
    return {dx, dy};
}

BOOL textOut(HDC DC, int X, int Y, UINT Options, const TRect* R, const QString& Text, const int* Dx) {
    if (!DC) return FALSE;
    GdiFont* f = fontOf(DC);
    const FontBox fb = boxOf(f);
    const UINT align = DC->st.textAlign;
    // A cell of the background colour behind the text, unless the rectangle is filled.
    const bool opaqueCell = DC->st.bkMode == OPAQUE && !(Options & ETO_OPAQUE);
    // Measuring is the costly part of text output: only when the anchor, the current
    // position or the background cell needs the width.
    int width = 0;
    if (Dx) {
        for (int i = 0; i < Text.size(); ++i)
            width += Dx[i];
    } else if ((align & (TA_RIGHT | TA_CENTER | TA_UPDATECP)) || DC->pathOpen || opaqueCell) {
        width = widthOf(DC, f, Text);
    }
    const bool updateCP = align & TA_UPDATECP;
    if (updateCP) {
        X = DC->st.pos.x();
        Y = DC->st.pos.y();
    }
    if (DC->pathOpen) {
        // The glyphs' outlines, laid out as drawRun lays out the drawn text: in a frame at
        // (X, Y) turned by the escapement, each glyph turned about its own baseline origin
        // when the font's orientation differs in the advanced graphics mode.
        const QPointF off = anchorOffset(align, width, fb);
        const bool turned = DC->st.graphicsMode == GM_ADVANCED && f->lf.lfOrientation != f->lf.lfEscapement;
        QTransform frame = QTransform::fromTranslate(X, Y);
        if (f->lf.lfEscapement % 3600 != 0) frame = QTransform().rotate(-f->lf.lfEscapement / 10.0) * frame;
        QPainterPath glyphs;
        if (turned) {
            const qreal turn = -(f->lf.lfOrientation - f->lf.lfEscapement) / 10.0;
            for (int i = 0; i < Text.size();) {
                const int n = Text[i].isHighSurrogate() && i + 1 < Text.size() ? 2 : 1;
                const qreal cx =
                    off.x() + (Dx ? std::accumulate(Dx, Dx + i, qreal(0))
                                  : f->Metrics().horizontalAdvance(Text.left(i)) + DC->st.charExtra * i);
                QPainterPath glyph;
                glyph.addText(QPointF(0, 0), f->qfont, Text.mid(i, n));
                const QTransform place =
                    QTransform().rotate(turn) * QTransform::fromTranslate(cx, off.y() + fb.ascent);
                glyphs.addPath(place.map(glyph));
                i += n;
            }
        } else {
            glyphs.addText(QPointF(off.x(), off.y() + fb.ascent), f->qfont, Text);
        }
        DC->path->addPath(frame.map(glyphs));
    } else {
        if (R && (Options & ETO_OPAQUE)) {
            if (QPainter* p = DC->ShapePainter()) {
                p->fillRect(QRect(R->Left, R->Top, R->Width(), R->Height()), ToQColor(DC->st.bkColor));
            }
        }
        const QPointF off = anchorOffset(align, width, fb);
        QRectF clip;
        const bool clipped = R && (Options & ETO_CLIPPED);
        if (clipped) clip = QRectF(R->Left - X, R->Top - Y, R->Width(), R->Height());
        drawRun(DC, f, fb, X, Y, off.x(), off.y(), Text, width, Dx, opaqueCell, clipped ? &clip : nullptr);
    }
    if (updateCP) {
        if ((align & TA_CENTER) == TA_CENTER) {
        } else if (align & TA_RIGHT) {
            DC->st.pos.rx() = X - width;
        } else {
            DC->st.pos.rx() = X + width;
        }
    }
    return TRUE;
}

} // namespace

BOOL TextOutW(HDC DC, int X, int Y, const String& Text) {
    return textOut(DC, X, Y, 0, nullptr, Text, nullptr);
}

BOOL ExtTextOutW(HDC DC, int X, int Y, UINT Options, const TRect* R, const String& Text, const int* Dx) {
    return textOut(DC, X, Y, Options, R, Text, Dx);
}

BOOL GetTextExtentPoint32W(HDC DC, const String& Text, TSize* Size) {
    if (!DC || !Size) return FALSE;
    GdiFont* f = fontOf(DC);
    *Size = {widthOf(DC, f, Text), boxOf(f).Height()};
    return TRUE;
}

BOOL GetTextMetricsW(HDC DC, TEXTMETRICW* Metrics) {
    if (!DC || !Metrics) return FALSE;
    GdiFont* f = fontOf(DC);
    const QFontMetricsF& m = f->Metrics();
    const FontBox fb = boxOf(f);
    TEXTMETRICW tm;
    tm.tmAscent = fb.ascent;
    tm.tmDescent = fb.descent;
    tm.tmHeight = fb.Height();
    tm.tmInternalLeading = std::max(0, fb.Height() - f->qfont.pixelSize());
    tm.tmExternalLeading = int(std::lround(std::max<qreal>(0, m.leading())));
    tm.tmAveCharWidth = int(std::lround(m.averageCharWidth()));
    tm.tmMaxCharWidth = int(std::lround(m.maxWidth()));
    tm.tmWeight = f->lf.lfWeight;
    tm.tmItalic = f->lf.lfItalic;
    tm.tmUnderlined = f->lf.lfUnderline;
    tm.tmStruckOut = f->lf.lfStrikeOut;
    tm.tmCharSet = f->lf.lfCharSet;
    *Metrics = tm;
    return TRUE;
}

// ---- DrawText ----------------------------------------------------------------------------

namespace {

struct Line {
    QString text;
    int underline = -1; // index of the character a "&" prefix underlines
};

// Removes "&" prefixes: "&&" is an ampersand, "&x" underlines x.
Line stripPrefix(const QString& s) {
    Line l;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('&') && i + 1 < s.size()) {
            ++i;
            if (s[i] != QLatin1Char('&') && l.underline < 0) l.underline = int(l.text.size());
        }
        l.text += s[i];
    }
    return l;
}

QString expandTabs(const QString& s) {
    QString out;
    for (QChar c : s) {
        if (c == QLatin1Char('\t')) {
            const int n = 8 - int(out.size()) % 8;
            out += QString(n, QLatin1Char(' '));
        } else {
            out += c;
        }
    }
    return out;
}

// Breaks a paragraph into lines no wider than width, at spaces where it can.
QStringList wrap(HDC DC, GdiFont* f, const QString& para, int width) {
    QStringList lines;
    QString cur;
    const QStringList words = para.split(QLatin1Char(' '));
    for (const QString& w : words) {
        const QString cand = cur.isEmpty() ? w : cur + QLatin1Char(' ') + w;
        if (!cur.isEmpty() && widthOf(DC, f, cand) > width) {
            lines << cur;
            cur = w;
        } else {
            cur = cand;
        }
    }
    lines << cur;
    return lines;
}

} // namespace

int DrawTextW(HDC DC, const String& Text, int Count, TRect* R, UINT Format) {
    if (!DC || !R) return 0;
    GdiFont* f = fontOf(DC);
    const FontBox fb = boxOf(f);
    QString text = Count < 0 ? Text : Text.left(Count);
    if (Format & DT_EXPANDTABS) text = expandTabs(text);

    QStringList paragraphs;
    if (Format & DT_SINGLELINE) {
        QString one = text;
        one.remove(QLatin1Char('\r'));
        one.replace(QLatin1Char('\n'), QLatin1Char(' '));
        paragraphs << one;
    } else {
        QString t = text;
        t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        paragraphs = t.split(QLatin1Char('\n'));
    }
    std::vector<Line> lines;
    for (const QString& para : paragraphs) {
        const Line pl = (Format & DT_NOPREFIX) ? Line{para, -1} : stripPrefix(para);
        if ((Format & DT_WORDBREAK) && !(Format & DT_SINGLELINE)) {
            int consumed = 0;
            for (const QString& part : wrap(DC, f, pl.text, R->Width())) {
                Line l{part, -1};
                if (pl.underline >= consumed && pl.underline < consumed + part.size())
                    l.underline = pl.underline - consumed;
                consumed += int(part.size()) + 1;
                lines.push_back(l);
            }
        } else {
            lines.push_back(pl);
        }
    }

    const int lh = fb.Height();
    const int total = lh * int(lines.size());

    if (Format & DT_CALCRECT) {
        int maxWidth = 0;
        for (const Line& l : lines)
            maxWidth = std::max(maxWidth, widthOf(DC, f, l.text));
        R->Right = R->Left + maxWidth;
        R->Bottom = R->Top + total;
        return total;
    }

    int top = R->Top;
    if (Format & DT_SINGLELINE) {
        if (Format & DT_VCENTER)
            top = R->Top + (R->Height() - lh) / 2;
        else if (Format & DT_BOTTOM)
            top = R->Bottom - lh;
    }

    const bool clip = !(Format & DT_NOCLIP);
    const QRectF clipRect(0, 0, R->Width(), R->Height());
    int y = top;
    for (const Line& l : lines) {
        const int w = widthOf(DC, f, l.text);
        int x = R->Left;
        if (Format & DT_CENTER)
            x = R->Left + (R->Width() - w) / 2;
        else if (Format & DT_RIGHT)
            x = R->Right - w;
        // The run is placed relative to the rectangle's corner so that the clip is too.
        drawRun(DC, f, fb, R->Left, R->Top, x - R->Left, y - R->Top, l.text, w, nullptr,
                DC->st.bkMode == OPAQUE, clip ? &clipRect : nullptr);
        if (l.underline >= 0) {
            QPainter* p = DC->ShapePainter();
            if (p) {
                const int ux = x + widthOf(DC, f, l.text.left(l.underline));
                const int uw = widthOf(DC, f, l.text.mid(l.underline, 1));
                p->fillRect(QRect(ux, y + fb.ascent + 1, uw, 1), ToQColor(DC->st.textColor));
            }
        }
        y += lh;
    }
    return (top - R->Top) + total;
}
