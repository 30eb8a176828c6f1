// A white bitmap to draw on and helpers that read back what was drawn.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>

struct DrawingSurface {
    explicit DrawingSurface(int w = 40, int h = 40, TPixelFormat f = pfDevice)
        : bmp(std::make_unique<TBitmap>()) {
        bmp->SetPixelFormat(f);
        bmp->SetSize(w, h);
    }
    TCanvas* C() { return bmp->Canvas(); }
    HDC DC() { return bmp->Canvas()->Handle(); }
    // The pixel as stored, whatever the DC's clip region and origins.
    TColor At(int x, int y) {
        const QRgb c = bmp->Image().pixel(x, y);
        return TColor(RGB(Byte(qRed(c)), Byte(qGreen(c)), Byte(qBlue(c))));
    }
    bool Ink(int x, int y) { return At(x, y) != clWhite; }
    // The smallest rectangle holding every pixel that is not white ([Left, Right) ...).
    TRect InkBox() {
        TRect r{1 << 30, 1 << 30, -1, -1};
        for (int y = 0; y < bmp->Height(); ++y)
            for (int x = 0; x < bmp->Width(); ++x)
                if (Ink(x, y)) {
                    r.Left = std::min(r.Left, x);
                    r.Top = std::min(r.Top, y);
                    r.Right = std::max(r.Right, x + 1);
                    r.Bottom = std::max(r.Bottom, y + 1);
                }
        return r;
    }
    int InkCount() {
        int n = 0;
        for (int y = 0; y < bmp->Height(); ++y)
            for (int x = 0; x < bmp->Width(); ++x)
                n += Ink(x, y);
        return n;
    }
    std::unique_ptr<TBitmap> bmp;
};
