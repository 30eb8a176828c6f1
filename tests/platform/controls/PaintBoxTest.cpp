// The paint box: its owner draws it in OnPaint on a canvas set to the box's font and colour,
// at the box's place in its parent, and clicks reach OnClick.
#include "ControlFixture.h"

#include "platform/controls/PaintBox.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"

#include <QEvent>

namespace {
struct PaintBoxTest : ShownFormTest<200, 120> {};
} // namespace

TEST_F(PaintBoxTest, TheOwnerDrawsItAtItsPlaceAndClicksReachIt) {
    auto* box = new TPaintBox(form.get());
    box->SetParent(form.get());
    box->SetBounds(20, 30, 40, 20);
    box->SetColor(clYellow);
    box->Font()->SetColor(clBlue);
    int paints = 0, clicks = 0;
    box->OnPaint = TNotifyEvent([&](TObject* Sender) {
        EXPECT_EQ(Sender, box);
        ++paints;
        TCanvas* c = box->Canvas();
        EXPECT_EQ(c->Brush()->Color(), clYellow);
        EXPECT_EQ(c->Font()->Color(), clBlue);
        c->FillRect(TRect{0, 0, 10, 10});
        c->Brush()->SetColor(clRed);
        c->FillRect(TRect{10, 0, 20, 10});
    });
    box->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
    TBitmap image(form->ClientWidth(), form->ClientHeight());
    form->PaintTo(image.Canvas(), 0, 0);
    EXPECT_GE(paints, 1);
    EXPECT_EQ(image.Canvas()->Pixels(25, 35), clYellow);
    EXPECT_EQ(image.Canvas()->Pixels(35, 35), clRed);
    EXPECT_NE(image.Canvas()->Pixels(45, 35), clRed);
    EXPECT_NE(image.Canvas()->Pixels(15, 35), clYellow);
    // A click inside the box is the box's; outside it is not.
    click(form.get(), 30, 40);
    EXPECT_EQ(clicks, 1);
    click(form.get(), 80, 40);
    EXPECT_EQ(clicks, 1);
}
