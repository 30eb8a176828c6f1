// The canvas as an uncounted interface, and the state of the off-screen image across a
// drawing pass.
#include "CanvasTestSupport.h"

namespace {
constexpr TGUID IID_Other{0x12345678, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, 8}};
} // namespace

TEST(CanvasInterface, ReferencesAreNotCountedAndNeverFreeTheCanvas) {
    auto* canvas = new TTeeCanvas3D;
    IInterface* intf = canvas;
    EXPECT_EQ(intf->_AddRef(), -1);
    EXPECT_EQ(intf->_Release(), -1);
    EXPECT_EQ(intf->_Release(), -1); // more releases than references: still alive
    {
        TInterfacePtr<IInterface> held(intf);
        TInterfacePtr<IInterface> copy = held;
    } // both references dropped: the canvas is still usable
    canvas->SetUseBuffer(false);
    EXPECT_FALSE(canvas->UseBuffer());

    void* found = nullptr;
    EXPECT_EQ(intf->QueryInterface(IID_IInterface, &found), S_OK);
    EXPECT_EQ(found, static_cast<void*>(intf));
    found = canvas;
    EXPECT_EQ(intf->QueryInterface(IID_Other, &found), E_NOINTERFACE);
    EXPECT_EQ(found, nullptr);
    EXPECT_TRUE(Supports(intf, IID_IInterface));
    EXPECT_FALSE(Supports(intf, IID_Other));
    delete canvas; // the owner frees it
}

TEST(OffscreenImage, DirtyUntilShownAndAfterInvalidateOrMonochrome) {
    TBitmap window;
    window.SetSize(30, 20);
    TView3DOptions options;
    int repaints = 0;
    options.OnRepaint = TNotifyEvent([&](TObject*) { ++repaints; });
    TTeeCanvas3D canvas;
    const TRect user{5, 5, 25, 15};
    EXPECT_TRUE(canvas.Dirty());
    EXPECT_FALSE(canvas.ReDrawBitmap());

    // The buffered pass draws at the image's origin and is copied to the user rectangle.
    EXPECT_EQ(canvas.InitWindow(window.Canvas(), &options, clWhite, false, user), (TRect{0, 0, 20, 10}));
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(TRect{0, 0, 20, 10});
    canvas.ShowImage(window.Canvas(), window.Canvas(), user);
    EXPECT_FALSE(canvas.Dirty());
    EXPECT_EQ(window.Canvas()->Pixels(5, 5), clRed);
    EXPECT_EQ(window.Canvas()->Pixels(24, 14), clRed);
    EXPECT_EQ(window.Canvas()->Pixels(4, 4), clWhite);
    EXPECT_EQ(window.Canvas()->Pixels(25, 15), clWhite);

    // A clean image repaints from the buffer; after Invalidate nothing is copied.
    window.Canvas()->Brush()->SetColor(clWhite);
    window.Canvas()->FillRect(TRect{0, 0, 30, 20});
    canvas.SetCanvas(window.Canvas());
    EXPECT_TRUE(canvas.ReDrawBitmap());
    EXPECT_EQ(window.Canvas()->Pixels(0, 0), clRed);
    canvas.Invalidate();
    window.Canvas()->FillRect(TRect{0, 0, 30, 20});
    EXPECT_FALSE(canvas.ReDrawBitmap());
    EXPECT_EQ(window.Canvas()->Pixels(0, 0), clWhite);

    // Monochrome: the same value changes nothing; a new one dirties and repaints the panel.
    canvas.ShowImage(window.Canvas(), window.Canvas(), user);
    canvas.SetMonochrome(false);
    EXPECT_FALSE(canvas.Dirty());
    EXPECT_EQ(repaints, 0);
    canvas.SetMonochrome(true);
    EXPECT_TRUE(canvas.Dirty());
    EXPECT_EQ(repaints, 1);
}

TEST(OffscreenImage, SwitchingTheBufferOffDropsTheImageUnlessKept) {
    TBitmap window;
    window.SetSize(10, 10);
    const TRect user{0, 0, 10, 10};
    for (bool keep : {false, true}) {
        TTeeCanvas3D canvas;
        canvas.IKeepBitmap = keep;
        canvas.InitWindow(window.Canvas(), nullptr, clWhite, false, user);
        canvas.ShowImage(window.Canvas(), window.Canvas(), user);
        ASSERT_NE(canvas.Bitmap(), nullptr);
        canvas.SetUseBuffer(false);
        EXPECT_EQ(canvas.Bitmap() != nullptr, keep);
        EXPECT_EQ(canvas.Dirty(), !keep);
        // Unbuffered, the pass draws straight onto the destination.
        EXPECT_EQ(canvas.InitWindow(window.Canvas(), nullptr, clWhite, false, TRect{2, 2, 8, 8}),
                  (TRect{2, 2, 8, 8}));
        EXPECT_EQ(canvas.ReferenceCanvas(), window.Canvas());
    }
}

TEST(OffscreenImage, ASetBitmapBecomesTheImageDrawnOn) {
    TBitmap window;
    window.SetSize(10, 10);
    const TRect user{0, 0, 10, 10};
    TTeeCanvas3D canvas;
    canvas.InitWindow(window.Canvas(), nullptr, clWhite, false, user);
    ASSERT_EQ(canvas.ReferenceCanvas(), canvas.Bitmap()->Canvas());
    auto* replacement = new TBitmap;
    replacement->SetSize(10, 10);
    canvas.SetBitmap(replacement); // the canvas owns it from now on and frees the old one
    EXPECT_EQ(canvas.Bitmap(), replacement);
    EXPECT_EQ(canvas.ReferenceCanvas(), replacement->Canvas());
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(user);
    EXPECT_EQ(replacement->Canvas()->Pixels(3, 3), clRed);
    canvas.SetBitmap(replacement); // the same image again changes nothing
    EXPECT_EQ(canvas.Bitmap(), replacement);
    canvas.SetBitmap(nullptr);
    EXPECT_EQ(canvas.Bitmap(), nullptr);
    EXPECT_EQ(canvas.ReferenceCanvas(), nullptr);
}
