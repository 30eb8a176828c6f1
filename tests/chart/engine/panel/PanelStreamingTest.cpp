// The drawing panel, its zoom settings and back image through the component streams:
// defaults are left out, changed values come back, and the properties older files hold
// ("AllowZoom", "AnimatedZoomSteps", "PrintMargins", "BorderStyle") are read.
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace {

// A component publishing a zoom settings object, as the chart control does.
class TZoomHolder : public TComponent {
    ORVO_CLASS(TZoomHolder, TComponent)
public:
    explicit TZoomHolder(TComponent* AOwner) : TComponent(AOwner) {}
    TTeeZoom* Zoom() { return &FZoom; }

private:
    TTeeZoom FZoom;
};
ORVO_IMPLEMENT_CLASS(TZoomHolder, TComponent)
ORVO_PUBLISHED(TZoomHolder) {
    P.Property("Zoom", &TZoomHolder::Zoom);
}

QByteArray bytesOf(TMemoryStream& m) {
    return QByteArray(static_cast<const char*>(m.Memory()), qsizetype(m.Size()));
}

QByteArray toText(TComponent* root) {
    TMemoryStream bin, out;
    {
        TWriter w(&bin);
        w.WriteRootComponent(root);
    }
    bin.SetPosition(0);
    ObjectBinaryToText(&bin, &out);
    return bytesOf(out);
}

void fromText(const QByteArray& text, TComponent* root) {
    TMemoryStream in, bin;
    in.WriteBuffer(text.constData(), int(text.size()));
    in.SetPosition(0);
    ObjectTextToBinary(&in, &bin);
    bin.SetPosition(0);
    TReader r(&bin);
    r.ReadRootComponent(root);
}

} // namespace

TEST(PanelStreaming, DefaultsAreLeftOut) {
    TDraw3D panel(nullptr);
    panel.SetName("Draw");
    const QByteArray text = toText(&panel);
    for (const char* name : {"PrintMargins", "Margin", "BackImage", "Gradient", "BorderRound", "View3D ",
                             "BufferedDisplay", "Monochrome", "PrintProportional", "PrintResolution"})
        EXPECT_FALSE(text.contains(name)) << name << " in\n" << text.toStdString();
    // Writing created no lazy part.
    EXPECT_FALSE(panel.HasGradient());
    EXPECT_FALSE(panel.HasBackImage());
}

TEST(PanelStreaming, ChangedValuesComeBack) {
    TDraw3D panel(nullptr);
    panel.SetName("Draw");
    panel.SetMarginLeft(7);
    panel.SetMarginBottom(0);
    panel.SetMarginUnits(muPixels);
    panel.SetBorderRound(5);
    panel.Border()->SetVisible(true);
    panel.Border()->SetColor(clRed);
    panel.Gradient()->SetVisible(true);
    panel.Gradient()->SetEndColor(clNavy);
    panel.SetView3D(false);
    panel.SetPrintProportional(false);
    panel.SetPrintResolution(-30);
    panel.SetPrintMargins(TRect{10, 20, 30, 40});
    TBitmap picture;
    picture.SetSize(4, 3);
    panel.BackImage()->SetGraphic(&picture);
    panel.BackImage()->SetMode(pbmTile);
    panel.BackImage()->SetLeft(2);
    const QByteArray text = toText(&panel);
    EXPECT_TRUE(text.contains("PrintMargins = (\r\n    10\r\n    20\r\n    30\r\n    40)"))
        << text.toStdString();

    TDraw3D copy(nullptr);
    fromText(text, &copy);
    EXPECT_EQ(copy.MarginLeft(), 7);
    EXPECT_EQ(copy.MarginBottom(), 0);
    EXPECT_EQ(copy.MarginTop(), 4);
    EXPECT_EQ(copy.MarginUnits(), muPixels);
    EXPECT_EQ(copy.BorderRound(), 5);
    EXPECT_TRUE(copy.Border()->Visible());
    EXPECT_EQ(copy.Border()->Color(), clRed);
    ASSERT_TRUE(copy.HasGradient());
    EXPECT_EQ(copy.Gradient()->EndColor(), clNavy);
    EXPECT_FALSE(copy.View3D());
    EXPECT_FALSE(copy.PrintProportional());
    EXPECT_EQ(copy.PrintResolution(), -30);
    EXPECT_EQ(copy.PrintMargins(), (TRect{10, 20, 30, 40}));
    // The picture's settings come back (the graphic itself is the picture class's to stream).
    EXPECT_EQ(copy.BackImage()->Mode(), pbmTile);
    EXPECT_EQ(copy.BackImage()->Left(), 2);
}

TEST(PanelStreaming, OlderPropertiesAreRead) {
    TDraw3D panel(nullptr);
    fromText("object Draw: TDraw3D\r\n"
             "  AllowZoom = False\r\n"
             "  AnimatedZoom = True\r\n"
             "  AnimatedZoomSteps = 4\r\n"
             "  BorderStyle = bsSingle\r\n"
             "end\r\n",
             &panel);
    EXPECT_FALSE(panel.AllowZoom());
    EXPECT_TRUE(panel.AnimatedZoom());
    EXPECT_EQ(panel.AnimatedZoomSteps(), 4);
    EXPECT_TRUE(panel.Border()->Visible());
    // Read only: they are not written again.
    EXPECT_FALSE(toText(&panel).contains("AllowZoom"));
}

TEST(PanelStreaming, ZoomSettingsWithTheirDefaults) {
    TZoomHolder holder(nullptr);
    holder.SetName("Holder");
    EXPECT_EQ(toText(&holder).toStdString(), "object Holder: TZoomHolder\r\nend\r\n");
    holder.Zoom()->SetDirection(tzdHorizontal);
    holder.Zoom()->SetMinimumPixels(4);
    holder.Zoom()->Pen()->SetWidth(2); // white stays unwritten
    holder.Zoom()->Brush()->SetStyle(bsSolid);
    const QByteArray text = toText(&holder);
    EXPECT_FALSE(text.contains("Pen.Color")) << text.toStdString();
    TZoomHolder copy(nullptr);
    fromText(text, &copy);
    EXPECT_EQ(copy.Zoom()->Direction(), tzdHorizontal);
    EXPECT_EQ(copy.Zoom()->MinimumPixels(), 4);
    EXPECT_EQ(copy.Zoom()->Pen()->Width(), 2);
    EXPECT_EQ(copy.Zoom()->Pen()->Color(), clWhite);
    EXPECT_EQ(copy.Zoom()->Brush()->Style(), bsSolid);
}
