// Lines and small ellipses that a DC writes as pixel runs must set exactly the pixels the
// painter sets for the same shape, pen, brush, raster operation, clip and origin. Lines:
// every slope and length, wide round pens, styled cosmetic pens with opaque and transparent
// gaps, XOR, the three 32-bit formats, clips that cut lines and lines that leave the image.
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Gdi.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct PenCase {
    const char* name;
    HPEN (*make)();
    int bkMode;
};

HPEN SolidPen(int width) {
    return CreatePen(PS_SOLID, width, RGB(200, 30, 60));
}

const PenCase kPens[] = {
    {"solid 1", [] { return SolidPen(1); }, OPAQUE},
    {"solid 2", [] { return SolidPen(2); }, OPAQUE},
    {"solid 3", [] { return SolidPen(3); }, OPAQUE},
    {"solid 4", [] { return SolidPen(4); }, TRANSPARENT},
    {"dot opaque", [] { return CreatePen(PS_DOT, 1, RGB(0, 90, 200)); }, OPAQUE},
    {"dot transparent", [] { return CreatePen(PS_DOT, 1, RGB(0, 90, 200)); }, TRANSPARENT},
    {"dash opaque", [] { return CreatePen(PS_DASH, 0, RGB(10, 120, 20)); }, OPAQUE},
    {"dash 2 transparent", [] { return CreatePen(PS_DASH, 2, RGB(10, 120, 20)); }, TRANSPARENT},
    {"geometric flat 2",
     [] {
         const LOGBRUSH lb{BS_SOLID, RGB(90, 0, 90), 0};
         return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, 2, &lb, 0, nullptr);
     },
     OPAQUE},
};

struct Segment {
    QPoint from, to;
};

// Segments of every direction up to 8 pixels, some long ones, and some that leave the image.
std::vector<Segment> Segments() {
    std::vector<Segment> s;
    int i = 0;
    for (int dy = -8; dy <= 8; ++dy)
        for (int dx = -8; dx <= 8; ++dx, ++i) {
            const QPoint from(6 + (i * 13) % 60, 5 + (i * 7) % 46);
            s.push_back({from, from + QPoint(dx, dy)});
        }
    for (const Segment& l :
         {Segment{{3, 20}, {65, 20}}, Segment{{30, 2}, {30, 54}}, Segment{{62, 50}, {4, 6}},
          Segment{{10, 40}, {43, 31}}, Segment{{-4, 10}, {8, 14}}, Segment{{60, 52}, {70, 58}},
          Segment{{20, 0}, {20, -5}}, Segment{{0, 30}, {12, 30}}, Segment{{69, 0}, {60, 9}}})
        s.push_back(l);
    return s;
}

QPainter::CompositionMode Mode(int rop) {
    return rop == R2_XORPEN ? QPainter::RasterOp_SourceXorDestination : QPainter::CompositionMode_SourceOver;
}

QImage Background(QImage::Format format) {
    QImage img(70, 56, format);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x * 3, 255 - y * 4, (x * y) & 0xFF));
    return img;
}

} // namespace

TEST(LineRuns, SetTheSamePixelsAsThePainter) {
    const QImage::Format formats[] = {QImage::Format_RGB32, QImage::Format_ARGB32,
                                      QImage::Format_ARGB32_Premultiplied};
    const int rops[] = {R2_COPYPEN, R2_XORPEN, R2_BLACK};
    std::vector<QRegion> clips{QRegion(), QRegion(7, 9, 47, 38)};
    clips.push_back(QRegion(0, 0, 30, 25) + QRegion(35, 28, 30, 25));
    const QPoint origins[] = {{0, 0}, {3, -2}};
    const std::vector<Segment> segments = Segments();

    for (const PenCase& pc : kPens)
        for (QImage::Format format : formats)
            for (int rop : rops)
                for (std::size_t c = 0; c < clips.size(); ++c)
                    for (QPoint origin : origins) {
                        QImage drawn = Background(format);
                        QImage expected = drawn.copy();
                        HPEN pen = pc.make();
                        {
                            DeviceContext dc(&drawn);
                            SelectObject(&dc, pen);
                            SetROP2(&dc, rop);
                            SetBkMode(&dc, pc.bkMode);
                            SetBkColor(&dc, RGB(250, 240, 10));
                            SetViewportOrgEx(&dc, origin.x(), origin.y(), nullptr);
                            if (!clips[c].isEmpty()) {
                                HRGN rgn = CreateRectRgn(0, 0, 0, 0);
                                for (const QRect& r : clips[c]) {
                                    HRGN part =
                                        CreateRectRgn(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
                                    CombineRgn(rgn, rgn, part, RGN_OR);
                                    DeleteObject(part);
                                }
                                SelectClipRgn(&dc, rgn);
                                DeleteObject(rgn);
                            }
                            for (const Segment& s : segments) {
                                MoveToEx(&dc, s.from.x(), s.from.y(), nullptr);
                                LineTo(&dc, s.to.x(), s.to.y());
                            }
                            SelectObject(&dc, GetStockObject(BLACK_PEN));
                        }
                        {
                            QPainter p(&expected);
                            p.setRenderHint(QPainter::Antialiasing, false);
                            if (!clips[c].isEmpty()) p.setClipRegion(clips[c]);
                            p.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
                            p.setPen(pen->MakeQPen(rop == R2_BLACK ? 0 : pen->color));
                            p.setBackgroundMode(pc.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
                            p.setBackground(QColor(250, 240, 10));
                            p.setCompositionMode(Mode(rop));
                            for (const Segment& s : segments)
                                p.drawLine(s.from, s.to);
                        }
                        DeleteObject(pen);
                        int differ = 0;
                        QPoint first(-1, -1);
                        for (int y = 0; y < drawn.height(); ++y)
                            for (int x = 0; x < drawn.width(); ++x)
                                if (drawn.pixel(x, y) != expected.pixel(x, y)) {
                                    if (differ++ == 0) first = {x, y};
                                }
                        EXPECT_EQ(differ, 0) << pc.name << ", format " << int(format) << ", rop " << rop
                                             << ", clip " << c << ", origin " << origin.x() << ","
                                             << origin.y() << ": first at " << first.x() << "," << first.y();
                    }
}

// A 24-bit image is drawn by the painter; a 32-bit one by runs.
TEST(EllipseRuns, SetTheSamePixelsAsThePainter) {
    const int rops[] = {R2_COPYPEN, R2_BLACK};
    for (int rop : rops)
        for (bool pen : {true, false})
            for (bool brush : {true, false})
                for (bool clip : {false, true}) {
                    QImage byRuns = Background(QImage::Format_RGB32);
                    QImage byPainter = Background(QImage::Format_RGB888);
                    for (QImage* img : {&byRuns, &byPainter}) {
                        DeviceContext dc(img);
                        HPEN p = pen ? CreatePen(PS_SOLID, 1, RGB(0, 0, 160)) : nullptr;
                        HBRUSH b = brush ? CreateSolidBrush(RGB(240, 250, 255)) : nullptr;
                        SelectObject(&dc, p ? HGDIOBJ(p) : GetStockObject(NULL_PEN));
                        SelectObject(&dc, b ? HGDIOBJ(b) : GetStockObject(NULL_BRUSH));
                        SetROP2(&dc, rop);
                        SetViewportOrgEx(&dc, 2, -1, nullptr);
                        if (clip) {
                            HRGN rgn = CreateRectRgn(5, 6, 50, 40);
                            SelectClipRgn(&dc, rgn);
                            DeleteObject(rgn);
                        }
                        int x = -3, y = 0;
                        for (int h = 1; h <= 13; ++h)
                            for (int w = 1; w <= 13; w += 2) {
                                Ellipse(&dc, x, y, x + w, y + h);
                                x += 10;
                                if (x > 66) {
                                    x = -3 + h % 3;
                                    y += 6;
                                }
                            }
                        SelectObject(&dc, GetStockObject(BLACK_PEN));
                        SelectObject(&dc, GetStockObject(WHITE_BRUSH));
                        if (p) DeleteObject(p);
                        if (b) DeleteObject(b);
                    }
                    EXPECT_EQ(byRuns.convertToFormat(QImage::Format_RGB888), byPainter)
                        << "rop " << rop << ", pen " << pen << ", brush " << brush << ", clip " << clip;
                }
}
