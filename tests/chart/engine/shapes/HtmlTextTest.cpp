// HTML-subset text: the runs drawn for tags, lines, centring and entities, the font and
// style stacks, images, rules, errors and the measured extent.
#include "chart/engine/panel/HtmlText.h"

#include "chart/engine/canvas/TeeCanvas3D.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Font.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A GDI chart canvas on a white bitmap that also notes each text run with its font.
class TRunCanvas : public TTeeCanvas3D {
public:
    struct Run {
        int x, y;
        String text;
        int size;
        TFontStyles style;
        TColor color;
        String name;
    };
    std::vector<Run> runs;
    void TextOut(int X, int Y, const String& Text) override {
        runs.push_back({X, Y, Text, Font()->Size(), Font()->Style(), Font()->Color(), Font()->Name()});
        TTeeCanvas3D::TextOut(X, Y, Text);
    }
};

class HtmlText : public ::testing::Test {
protected:
    HtmlText() {
        canvas.SetUseBuffer(false);
        target.SetSize(300, 200);
        canvas.InitWindow(target.Canvas(), nullptr, clWhite, false, TRect{0, 0, 300, 200});
        canvas.Projection(0, TRect{0, 0, 300, 200}, TRect{0, 0, 300, 200});
        canvas.Brush()->SetColor(clWhite);
        canvas.FillRect(TRect{0, 0, 300, 200});
        canvas.Font()->SetName(QStringLiteral("Arial"));
        canvas.Font()->SetSize(10);
        canvas.Font()->SetStyle({});
        canvas.Font()->SetColor(clBlack);
        canvas.SetBackMode(cbmTransparent);
    }
    TColor At(int x, int y) { return target.Canvas()->Pixels(x, y); }
    TBitmap target;
    TRunCanvas canvas;
};

TEST_F(HtmlText, PlainTextIsOneRun) {
    const int w = canvas.TextWidth(QStringLiteral("plain")), h = canvas.TextHeight(QStringLiteral("plain"));
    HtmlTextOut(&canvas, 7, 9, QStringLiteral("plain"));
    ASSERT_EQ(canvas.runs.size(), 1u);
    EXPECT_EQ(canvas.runs[0].x, 7);
    EXPECT_EQ(canvas.runs[0].y, 9);
    EXPECT_EQ(HtmlTextExtent(&canvas, QStringLiteral("plain")), (TSize{w, h}));
    EXPECT_EQ(canvas.runs.size(), 1u); // measuring draws nothing
}

TEST_F(HtmlText, LinesAndRunsAlongALine) {
    const int fh = canvas.FontHeight();
    // A run ending in CR LF ends its line; a CR LF inside a run is part of it.
    HtmlTextOut(&canvas, 5, 5, QStringLiteral("a<BR>b<P>c\r\n<B>d</B>e x\r\ny"));
    ASSERT_EQ(canvas.runs.size(), 5u);
    const int ys[] = {5, 5 + fh, 5 + 2 * fh, 5 + 3 * fh, 5 + 3 * fh};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(canvas.runs[i].x, 5) << i;
        EXPECT_EQ(canvas.runs[i].y, ys[i]) << i;
    }
    EXPECT_EQ(canvas.runs[4].text, QStringLiteral("e x\r\ny"));
    EXPECT_EQ(canvas.runs[4].y, ys[4]);
}

TEST_F(HtmlText, StylesAndTheStyleStack) {
    HtmlTextOut(&canvas, 0, 0, QStringLiteral("<B>bold</B> plain<i>it</>x<U><STRIKE>us</STRIKE></U>n"));
    ASSERT_EQ(canvas.runs.size(), 6u);
    EXPECT_TRUE(canvas.runs[0].style.Contains(fsBold));
    EXPECT_FALSE(canvas.runs[1].style.Contains(fsBold));
    EXPECT_TRUE(canvas.runs[2].style.Contains(fsItalic));
    EXPECT_FALSE(canvas.runs[3].style.Contains(fsItalic)); // "</>" closed the "<I>"
    EXPECT_EQ(canvas.runs[4].style, (TFontStyles{fsUnderline, fsStrikeOut}));
    EXPECT_EQ(canvas.runs[5].style, TFontStyles{});
    // Runs follow each other along the line.
    EXPECT_EQ(
        canvas.runs[1].x, canvas.runs[0].x + 0 + [&] {
            canvas.Font()->SetStyle({fsBold});
            const int w = canvas.TextWidth(QStringLiteral("bold"));
            canvas.Font()->SetStyle({});
            return w;
        }());
}

TEST_F(HtmlText, TheStacksBelongToOneCall) {
    // A style left open by one text does not close in the next one ...
    HtmlTextOut(&canvas, 0, 0, QStringLiteral("<B>open"));
    canvas.runs.clear();
    HtmlTextOut(&canvas, 0, 0, QStringLiteral("</>still bold"));
    ASSERT_EQ(canvas.runs.size(), 1u);
    EXPECT_TRUE(canvas.runs[0].style.Contains(fsBold));
    // ... nor does a font pushed by it restore in the next.
    canvas.Font()->SetSize(10);
    canvas.runs.clear();
    HtmlTextOut(&canvas, 0, 0, QStringLiteral("<FONT size=30>big"));
    canvas.Font()->SetSize(12);
    HtmlTextOut(&canvas, 0, 0, QStringLiteral("</FONT>same"));
    ASSERT_EQ(canvas.runs.size(), 2u);
    EXPECT_EQ(canvas.runs[1].size, 12);
}

TEST_F(HtmlText, FontTags) {
    canvas.Font()->SetName(QStringLiteral("Times New Roman"));
    canvas.Font()->SetStyle({fsBold, fsItalic});
    HtmlTextOut(&canvas, 0, 0,
                QStringLiteral("<H1>T</FONT><FONT size=+4>p</FONT><font size=8 color=#FF0000>r</FONT>"
                               "<FONT name=\"Courier New\" weight=underline, strike>c</FONT>"
                               "<BIG>b</FONT><PRE>m</PRE>n<FONT color=blue>z</>o"));
    ASSERT_EQ(canvas.runs.size(), 9u);
    EXPECT_EQ(canvas.runs[0].size, 48);
    EXPECT_EQ(canvas.runs[1].size, 14);
    EXPECT_EQ(canvas.runs[2].size, 8);
    EXPECT_EQ(canvas.runs[2].color, TColor(0x0000FF));
    EXPECT_EQ(canvas.runs[3].name.toUpper(), QStringLiteral("COURIER NEW"));
    EXPECT_EQ(canvas.runs[3].style, (TFontStyles{fsUnderline, fsStrikeOut}));
    EXPECT_EQ(canvas.runs[4].size, 12);
    EXPECT_EQ(canvas.runs[5].name, QStringLiteral("COURIER NEW"));
    // Restored: size, the name with its blanks, bold and italic.
    EXPECT_EQ(canvas.runs[6].size, 10);
    EXPECT_EQ(canvas.runs[6].name, QStringLiteral("Times New Roman"));
    EXPECT_EQ(canvas.runs[6].style, (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(canvas.runs[7].color, TColor(0xFF0000));
    EXPECT_EQ(canvas.runs[8].color, clBlack); // "</>" after a font tag pops the font
}

TEST_F(HtmlText, EntitiesAndUnknownTags) {
    HtmlTextOut(&canvas, 0, 0, QStringLiteral("&lt;B&gt; &amp;&quot;<XYZ>"));
    ASSERT_EQ(canvas.runs.size(), 2u);
    EXPECT_EQ(canvas.runs[0].text, QStringLiteral("<B> &\""));
    EXPECT_EQ(canvas.runs[1].text, QStringLiteral("<XYZ>")); // drawn as written
}

TEST_F(HtmlText, Errors) {
    struct {
        const char* text;
        const char* message;
    } const cases[] = {
        {"x<y", "Missing > at y"},
        {"<FONT FOO=1>", "Unknown field in FONT: FOO"},
        {"<FONT weight=bold,heavy>", "Unknown field in FONT WEIGHT=BOLD,HEAVY"},
    };
    for (const auto& c : cases) {
        try {
            HtmlTextOut(&canvas, 0, 0, QString::fromLatin1(c.text));
            ADD_FAILURE() << c.text;
        } catch (const HtmlParserException& e) {
            EXPECT_EQ(e.Message, QString::fromLatin1(c.message));
        }
    }
    // Numbers that are none, and a value without a blank before the next "=".
    EXPECT_THROW(HtmlTextOut(&canvas, 0, 0, QStringLiteral("<FONT size=big>")), EConvertError);
    EXPECT_THROW(HtmlTextOut(&canvas, 0, 0, QStringLiteral("<FONT size=8=9>")), Exception);
    EXPECT_THROW(HtmlTextOut(&canvas, 0, 0, QStringLiteral("<FONT color=#GG0000>")), EConvertError);
    // Closing tags with nothing open change nothing.
    canvas.runs.clear();
    HtmlTextOut(&canvas, 0, 0, QStringLiteral("</></FONT></SUB>a"));
    ASSERT_EQ(canvas.runs.size(), 1u);
    EXPECT_EQ(canvas.runs[0].size, 10);
}

TEST_F(HtmlText, CentringImagesAndRules) {
    canvas.SetBounds(TRect{0, 0, 200, 100});
    const int w = canvas.TextWidth(QStringLiteral("mid"));
    HtmlTextOut(&canvas, 3, 0, QStringLiteral("<CENTER>mid</CENTER>"));
    ASSERT_EQ(canvas.runs.size(), 1u);
    EXPECT_EQ(canvas.runs[0].x, 100 - w / 2);

    // No picture hooks: a 40 x 40 placeholder; the position does not move.
    canvas.runs.clear();
    const int wa = canvas.TextWidth(QStringLiteral("a"));
    HtmlTextOut(&canvas, 10, 50, QStringLiteral("a<IMG src=\"pic.png\">b"));
    ASSERT_EQ(canvas.runs.size(), 2u);
    EXPECT_EQ(canvas.runs[1].x, 10 + wa);
    const int x = 10 + wa, y = 50;
    EXPECT_EQ(At(x, y + 20), clRed);        // left frame
    EXPECT_EQ(At(x + 39, y + 5), clRed);    // right frame
    EXPECT_EQ(At(x + 20, y + 20), clRed);   // diagonal
    EXPECT_EQ(At(x + 30, y + 8), clWhite);  // white inside
    EXPECT_EQ(At(x + 41, y + 20), clWhite); // nothing beyond

    // A rule: grey, 100 pixels from x0 at the current y.
    HtmlTextOut(&canvas, 150, 20, QStringLiteral("<HR>"));
    EXPECT_EQ(At(150, 20), TColor(0x808080));
    EXPECT_EQ(At(249, 20), TColor(0x808080));
    EXPECT_EQ(At(251, 20), clWhite);
}

TEST_F(HtmlText, Extent) {
    canvas.Font()->SetSize(20);
    const int tall = canvas.FontHeight();
    const int wBig = canvas.TextWidth(QStringLiteral("big"));
    canvas.Font()->SetSize(10);
    const int wSmall = canvas.TextWidth(QStringLiteral("small text"));
    const TSize e = HtmlTextExtent(&canvas, QStringLiteral("small text<BR><FONT size=20>big</FONT>"));
    EXPECT_EQ(e.cx, std::max(wSmall, wBig));
    EXPECT_EQ(e.cy, tall); // the taller line, not the sum
    EXPECT_EQ(HtmlTextExtent(&canvas, QString()), (TSize{0, 0}));
}

} // namespace
