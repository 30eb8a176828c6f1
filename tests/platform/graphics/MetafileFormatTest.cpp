// Metafiles written as enhanced (.emf) and placeable Windows (.wmf) metafiles: read by
// independent readers (emf2svg-conv, wmf2svg) whose SVG is rendered to pixels, played
// back by the platform itself, and malformed files refused.
#include "GraphicsTestSupport.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Metafile.h"
#include "tests/support/MetafileReaders.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace platform::detail;

namespace {

constexpr int kW = 200, kH = 100;

// A picture with every kind of drawing the chart does: filled rectangle, ellipse, thick
// polyline, polygon, text and a bitmap, on a white background.
void DrawFigure(TCanvas* C) {
    C->Brush()->SetColor(clWhite);
    C->Pen()->SetStyle(psClear);
    C->Rectangle(0, 0, kW + 1, kH + 1);
    C->Pen()->SetStyle(psSolid);
    C->Pen()->SetColor(clBlack);
    C->Brush()->SetColor(clRed);
    C->Rectangle(10, 10, 60, 50);
    C->Brush()->SetColor(clBlue);
    C->Ellipse(70, 10, 130, 50);
    C->Pen()->SetColor(clLime);
    C->Pen()->SetWidth(5);
    const TPoint line[] = {{10, 80}, {60, 80}, {60, 95}};
    C->Polyline(line, 3);
    C->Pen()->SetWidth(1);
    C->Pen()->SetColor(clBlack);
    C->Brush()->SetColor(clYellow);
    const TPoint triangle[] = {{140, 10}, {190, 10}, {165, 50}};
    C->Polygon(triangle, 3);
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetName("DejaVu Sans");
    C->Font()->SetColor(clBlack);
    C->Font()->SetSize(14);
    C->TextOut(80, 65, "WWWW");
    TBitmap pic;
    pic.SetSize(20, 20);
    pic.Canvas()->Brush()->SetColor(clFuchsia);
    pic.Canvas()->FillRect(Rect(0, 0, 20, 20));
    pic.Canvas()->Brush()->SetColor(clAqua);
    pic.Canvas()->FillRect(Rect(10, 0, 20, 20));
    C->StretchDraw(Rect(150, 60, 190, 90), &pic);
}

struct Probe {
    int X, Y;
    TColor Color;
    const char* What;
    bool Bitmap = false;
};
// Points well inside each shape, away from edges that antialiasing may soften.
const Probe kProbes[] = {
    {35, 30, clRed, "rectangle"},
    {100, 30, clBlue, "ellipse"},
    {35, 80, clLime, "polyline"},
    {165, 22, clYellow, "polygon"},
    {157, 75, clFuchsia, "bitmap left", true},
    {182, 75, clAqua, "bitmap right", true},
    {5, 5, clWhite, "background"},
    {100, 5, clWhite, "above ellipse"},
};

TMetafile* MakeFigure(bool Enhanced) {
    auto* meta = new TMetafile;
    meta->SetEnhanced(Enhanced);
    meta->SetWidth(kW);
    meta->SetHeight(kH);
    {
        TMetafileCanvas mc(meta, nullptr);
        DrawFigure(&mc);
    }
    return meta;
}

QByteArray Bytes(TMetafile* Meta) {
    TMemoryStream ms;
    Meta->SaveToStream(&ms);
    return QByteArray(static_cast<const char*>(ms.Memory()), int(ms.Size()));
}

bool Near(QRgb A, TColor B) {
    const QRgb b = qRgb(int(B & 0xFF), int((B >> 8) & 0xFF), int((B >> 16) & 0xFF));
    return std::abs(qRed(A) - qRed(b)) < 64 && std::abs(qGreen(A) - qGreen(b)) < 64 &&
           std::abs(qBlue(A) - qBlue(b)) < 64;
}

} // namespace

TEST(MetafileFormats, TheRecordingItselfShowsTheFigure) {
    std::unique_ptr<TMetafile> meta(MakeFigure(true));
    DrawingSurface s(kW, kH);
    s.C()->Draw(0, 0, meta.get());
    for (const Probe& p : kProbes)
        EXPECT_EQ(s.At(p.X, p.Y), p.Color) << p.What;
}

TEST(MetafileFormats, IndependentReadersSeeTheFigure) {
    if (!HasMetafileTools({"emf2svg-conv", "wmf2svg", "rsvg-convert"}))
        GTEST_SKIP() << "metafile readers missing";
    QTemporaryDir dir;
    for (bool enhanced : {true, false}) {
        std::unique_ptr<TMetafile> meta(MakeFigure(enhanced));
        const QByteArray data = Bytes(meta.get());
        const QString ext = enhanced ? "emf" : "wmf";
        const QString file = dir.filePath("figure." + ext), svg = dir.filePath(ext + ".svg"),
                      png = dir.filePath(ext + ".png");
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        f.close();
        const QStringList command = enhanced ? QStringList{"emf2svg-conv", "-i", file, "-o", svg}
                                             : QStringList{"wmf2svg", "--inline", "-o", svg, file};
        const QImage img = ConvertMetafile(command, svg, png, kW, kH);
        ASSERT_FALSE(img.isNull()) << ext.toStdString();
        ASSERT_EQ(img.size(), QSize(kW, kH));
        for (const Probe& p : kProbes) {
            // wmf2svg moves an image by its offset twice (its position and a transform
            // both hold it): there the bitmap is checked by its size in the SVG instead.
            if (p.Bitmap && !enhanced) continue;
            EXPECT_TRUE(Near(img.pixel(p.X, p.Y), p.Color))
                << ext.toStdString() << " " << p.What << " " << std::hex << img.pixel(p.X, p.Y);
        }
        if (!enhanced) {
            QFile f(svg);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(f.readAll());
            const QRegularExpression image(
                R"re(<image x="([\d.]+)" y="([\d.]+)" width="([\d.]+)" height="([\d.]+)")re");
            const QRegularExpressionMatch m = image.match(text);
            ASSERT_TRUE(m.hasMatch()) << "wmf bitmap";
            EXPECT_NEAR(m.captured(1).toDouble(), 150, 1);
            EXPECT_NEAR(m.captured(2).toDouble(), 60, 1);
            EXPECT_NEAR(m.captured(3).toDouble(), 40, 1);
            EXPECT_NEAR(m.captured(4).toDouble(), 30, 1);
        }
        // The text is there: dark pixels on its line (the text's top is at 65).
        int dark = 0;
        for (int y = 66; y < 88; ++y)
            for (int x = 80; x < 140; ++x)
                dark += qGray(img.pixel(x, y)) < 100;
        EXPECT_GT(dark, 20) << ext.toStdString() << " text";
    }
}

TEST(MetafileFormats, PlatformReadsBothBackAtTheirSize) {
    for (bool enhanced : {true, false}) {
        std::unique_ptr<TMetafile> meta(MakeFigure(enhanced));
        const QByteArray data = Bytes(meta.get());
        EXPECT_EQ(data.left(4), enhanced ? QByteArray("\x01\0\0\0", 4) : QByteArray("\xD7\xCD\xC6\x9A", 4));
        TMemoryStream ms;
        ms.WriteBuffer(data.constData(), int(data.size()));
        ms.SetPosition(0);
        TMetafile back;
        back.SetEnhanced(!enhanced);
        back.LoadFromStream(&ms);
        EXPECT_EQ(back.Enhanced(), enhanced);
        EXPECT_EQ(back.Width(), kW);
        EXPECT_EQ(back.Height(), kH);
        DrawingSurface s(kW, kH);
        s.C()->Draw(0, 0, &back);
        for (const Probe& p : kProbes)
            EXPECT_EQ(s.At(p.X, p.Y), p.Color) << (enhanced ? "emf " : "wmf ") << p.What;
        int dark = 0;
        for (int y = 66; y < 88; ++y)
            for (int x = 80; x < 140; ++x)
                dark += s.At(x, y) == clBlack;
        EXPECT_GT(dark, 20) << (enhanced ? "emf" : "wmf") << " text";
    }
}

TEST(MetafileFormats, MalformedFilesAreRefused) {
    for (bool enhanced : {true, false}) {
        std::unique_ptr<TMetafile> meta(MakeFigure(enhanced));
        const QByteArray good = Bytes(meta.get());
        std::vector<std::pair<const char*, QByteArray>> bad;
        bad.push_back({"cut in the header", good.left(enhanced ? 60 : 30)});
        bad.push_back({"cut in the records", good.left(good.size() / 2)});
        bad.push_back({"no end record", good.left(good.size() - (enhanced ? 20 : 6))});
        QByteArray zeroSize = good;
        // The first record after the headers claims a size of 0.
        const int first = enhanced ? 108 + 4 : 40;
        zeroSize.replace(first, 4, QByteArray(4, '\0'));
        bad.push_back({"record of size 0", zeroSize});
        QByteArray huge = good;
        huge.replace(first, 4, QByteArray("\xFF\xFF\xFF\x7F", 4));
        bad.push_back({"record past the end", huge});
        for (const auto& [what, data] : bad) {
            TMemoryStream ms;
            ms.WriteBuffer(data.constData(), int(data.size()));
            ms.SetPosition(0);
            TMetafile back;
            EXPECT_THROW(back.LoadFromStream(&ms), EInvalidGraphic) << (enhanced ? "emf " : "wmf ") << what;
            EXPECT_TRUE(back.Empty());
        }
    }
}
