// The chart's property objects written and read through the component streams: what
// equals its default (or its owner's default) is left out, everything else comes back.
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "tests/chart/engine/StreamingSupport.h"
#include "platform/classes/Component.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypInfo.h"
#include "platform/classes/Writer.h"

#include <QByteArray>
#include <gtest/gtest.h>

#include <string>

namespace {

// A chart element owning one of each property object, published as the chart's
// elements publish theirs. The shadow's owner defaults differ from the shadow's own.
class TChartPartsHolder : public TComponent {
    ORVO_CLASS(TChartPartsHolder, TComponent)
public:
    explicit TChartPartsHolder(TComponent* AOwner) : TComponent(AOwner) { FShadow.InitValues(clGray, 4); }
    TChartPen* Pen() { return &FPen; }
    TChartHiddenPen* HiddenPen() { return &FHiddenPen; }
    TDottedGrayPen* DottedPen() { return &FDottedPen; }
    TWhitePen* WhitePen() { return &FWhitePen; }
    TChartBrush* Brush() { return &FBrush; }
    TTeeGradient* Gradient() { return &FGradient; }
    TTeeFont* Font() { return &FFont; }
    TTeeShadow* Shadow() { return &FShadow; }
    TView3DOptions* View3D() { return &FView3D; }

private:
    TChartPen FPen;
    TChartHiddenPen FHiddenPen;
    TDottedGrayPen FDottedPen;
    TWhitePen FWhitePen;
    TChartBrush FBrush;
    TTeeGradient FGradient;
    TTeeFont FFont;
    TTeeShadow FShadow;
    TView3DOptions FView3D;
};

ORVO_IMPLEMENT_CLASS(TChartPartsHolder, TComponent)

ORVO_PUBLISHED(TChartPartsHolder) {
    using H = TChartPartsHolder;
    P.Property("Pen", &H::Pen);
    P.Property("HiddenPen", &H::HiddenPen);
    P.Property("DottedPen", &H::DottedPen);
    P.Property("WhitePen", &H::WhitePen);
    P.Property("Brush", &H::Brush);
    P.Property("Gradient", &H::Gradient);
    P.Property("Font", &H::Font);
    P.Property("Shadow", &H::Shadow);
    P.Property("View3D", &H::View3D);
}

// The text form with CR LF line ends, as a std::string so that a mismatch prints as text.
std::string crlf(const char* text) {
    return QByteArray(text).replace("\n", "\r\n").toStdString();
}

} // namespace

TEST(Streaming, DefaultsAreNotWritten) {
    TChartPartsHolder holder(nullptr);
    holder.SetName("Parts");
    // Only the white pen's visibility, which that pen always stores, is written; no lazy
    // effect object is created by the writer's checks.
    EXPECT_EQ(BinaryToText(WriteRoot(&holder)).toStdString(), crlf("object Parts: TChartPartsHolder\n"
                                                                   "  WhitePen.Visible = True\n"
                                                                   "end\n"));
    EXPECT_FALSE(holder.Brush()->HasImage());
    EXPECT_FALSE(holder.Gradient()->HasSubGradient());
    EXPECT_FALSE(holder.Font()->HasShadow());
    EXPECT_FALSE(holder.Font()->HasGradient());
    EXPECT_FALSE(holder.Font()->HasOutLine());
    EXPECT_FALSE(holder.Font()->HasPicture());
}

TEST(Streaming, ChangedValuesRoundTripThroughBinaryAndText) {
    TChartPartsHolder holder(nullptr);
    holder.SetName("Parts");
    TChartPen* pen = holder.Pen();
    pen->SetColor(clRed);
    pen->SetWidth(3);
    pen->SetStyle(psDash);
    pen->SetMode(pmXor);
    pen->SetEndStyle(esFlat);
    pen->SetSmallDots(true);
    pen->SetSmallSpace(2);
    pen->SetVisible(false);
    holder.HiddenPen()->SetVisible(true);
    holder.DottedPen()->SetStyle(psSolid);
    holder.WhitePen()->SetVisible(false);
    TChartBrush* brush = holder.Brush();
    brush->SetColor(clBlue);
    brush->SetStyle(bsCross);
    brush->SetBackColor(clYellow);
    TTeeGradient* gradient = holder.Gradient();
    gradient->SetVisible(true);
    gradient->SetDirection(gdRadial);
    gradient->SetStartColor(clNavy);
    gradient->SetMidColor(clRed);
    gradient->SetBalance(70);
    gradient->SetRadialX(-3);
    gradient->SetAngle(30);
    gradient->SubGradient()->SetTransparency(70);
    gradient->SubGradient()->SetEndColor(clLime);
    TTeeFont* font = holder.Font();
    font->SetName("Tahoma");
    font->SetSize(12);
    font->SetColor(clMaroon);
    font->SetStyle({fsBold});
    font->SetInterCharSize(2);
    font->Shadow()->SetHorizSize(2);
    font->OutLine()->SetVisible(true);
    font->Gradient()->SetOutline(true);
    TTeeShadow* shadow = holder.Shadow();
    shadow->SetHorizSize(6);  // the owner's default is 4: written
    shadow->SetColor(clGray); // the owner's default: not written
    shadow->SetTransparency(40);
    shadow->SetVisible(false);
    shadow->SetClip(true);
    TView3DOptions* view = holder.View3D();
    view->SetElevation(10);
    view->SetRotation(20);
    view->SetZoom(150.4);
    view->SetOrthogonal(false);
    view->SetPerspective(0);
    view->SetZoomText(false);
    view->SetHorizOffset(-7);
    view->SetTilt(5);

    const QByteArray binary = WriteRoot(&holder);
    const QByteArray text = BinaryToText(binary);
    EXPECT_EQ(text.toStdString(), crlf("object Parts: TChartPartsHolder\n"
                                       "  Pen.Color = clRed\n" // the platform pen's properties first
                                       "  Pen.Mode = pmXor\n"
                                       "  Pen.Style = psDash\n"
                                       "  Pen.Width = 3\n"
                                       "  Pen.EndStyle = esFlat\n"
                                       "  Pen.SmallDots = True\n"
                                       "  Pen.SmallSpace = 2\n"
                                       "  Pen.Visible = False\n"
                                       "  HiddenPen.Visible = True\n"
                                       "  DottedPen.Style = psSolid\n"
                                       "  WhitePen.Visible = False\n"
                                       "  Brush.Color = clBlue\n"
                                       "  Brush.Style = bsCross\n"
                                       "  Brush.BackColor = clYellow\n"
                                       "  Gradient.Angle = 30\n"
                                       "  Gradient.Balance = 70\n"
                                       "  Gradient.Direction = gdRadial\n"
                                       "  Gradient.MidColor = clRed\n"
                                       "  Gradient.RadialX = -3\n"
                                       "  Gradient.StartColor = clNavy\n"
                                       "  Gradient.Visible = True\n"
                                       "  Gradient.SubGradient.EndColor = clLime\n"
                                       "  Gradient.SubGradient.Transparency = 70\n"
                                       "  Font.Color = clMaroon\n"
                                       "  Font.Height = -16\n"
                                       "  Font.Name = 'Tahoma'\n"
                                       "  Font.Style = [fsBold]\n"
                                       "  Font.Gradient.Outline = True\n"
                                       "  Font.InterCharSize = 2\n"
                                       "  Font.OutLine.Visible = True\n"
                                       "  Font.Shadow.HorizSize = 2\n"
                                       "  Shadow.Clip = True\n"
                                       "  Shadow.HorizSize = 6\n"
                                       "  Shadow.Transparency = 40\n"
                                       "  Shadow.Visible = False\n"
                                       "  View3D.Elevation = 10\n"
                                       "  View3D.HorizOffset = -7\n"
                                       "  View3D.Orthogonal = False\n"
                                       "  View3D.Perspective = 0\n"
                                       "  View3D.Rotation = 20\n"
                                       "  View3D.Tilt = 5\n"
                                       "  View3D.Zoom = 150\n"
                                       "  View3D.ZoomText = False\n"
                                       "end\n"));

    // Read back through the binary form and through the text form: both give a holder
    // that writes the same stream again.
    for (const QByteArray& stream : {binary, TextToBinary(text)}) {
        TChartPartsHolder copy(nullptr);
        ReadRoot(stream, &copy);
        EXPECT_EQ(WriteRoot(&copy), binary);
        EXPECT_EQ(copy.Name(), "Parts");
        EXPECT_FALSE(copy.Pen()->Visible());
        EXPECT_EQ(copy.Pen()->EndStyle(), esFlat);
        EXPECT_EQ(copy.Pen()->Mode(), pmXor);
        EXPECT_TRUE(copy.HiddenPen()->Visible());
        EXPECT_EQ(copy.DottedPen()->Color(), clGray); // its own start value, not written
        EXPECT_EQ(copy.Brush()->BackColor(), clYellow);
        EXPECT_EQ(copy.Gradient()->MidColor(), clRed);
        ASSERT_TRUE(copy.Gradient()->HasSubGradient());
        EXPECT_EQ(copy.Gradient()->SubGradient()->Transparency(), 70);
        EXPECT_EQ(copy.Font()->Size(), 12);
        EXPECT_EQ(copy.Font()->Style(), TFontStyles{fsBold});
        ASSERT_TRUE(copy.Font()->HasShadow());
        EXPECT_EQ(copy.Font()->Shadow()->HorizSize(), 2);
        EXPECT_TRUE(copy.Font()->Gradient()->Outline());
        EXPECT_FALSE(copy.Font()->HasPicture());
        EXPECT_EQ(copy.Shadow()->HorizSize(), 6);
        EXPECT_EQ(copy.Shadow()->VertSize(), 4); // the owner's default stays
        EXPECT_EQ(copy.Shadow()->Color(), clGray);
        EXPECT_TRUE(copy.Shadow()->Clip());
        EXPECT_EQ(copy.View3D()->ZoomFloat(), 150.0); // integers are what is stored
        EXPECT_EQ(copy.View3D()->Perspective(), 0);
        EXPECT_FALSE(copy.View3D()->ZoomText());
    }
}

TEST(Streaming, ReadingRaisesTheOwnersChangeEvents) {
    TChartPartsHolder holder(nullptr);
    holder.SetName("Parts");
    holder.Pen()->SetWidth(2);
    holder.Font()->SetInterCharSize(1);
    const QByteArray binary = WriteRoot(&holder);

    int penChanges = 0, fontChanges = 0;
    TChartPartsHolder copy(nullptr);
    copy.Pen()->OnChange = TNotifyEvent([&](TObject*) { ++penChanges; });
    copy.Font()->OnChange = TNotifyEvent([&](TObject*) { ++fontChanges; });
    ReadRoot(binary, &copy);
    EXPECT_EQ(copy.Pen()->Width(), 2);
    EXPECT_EQ(penChanges, 1);
    EXPECT_EQ(fontChanges, 1);
}
