// Positioned shapes and the chart's title blocks: their layout, drawing and streaming.
#include "chart/engine/chart/ChartTitles.h"

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/panel/CustomTeePanel.h"
#include "chart/engine/panel/HtmlText.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"

#include <QStringList>

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TTeeCustomShapePosition, TTeeCustomShape)
ORVO_IMPLEMENT_CLASS(TChartTitle, TTeeCustomShapePosition)
ORVO_IMPLEMENT_CLASS(TChartFootTitle, TChartTitle)

// ---- TTeeCustomShapePosition ---------------------------------------------------------------

void TTeeCustomShapePosition::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TTeeCustomShapePosition*>(Source)) {
        FCustomPosition = s->FCustomPosition;
        if (FCustomPosition) {
            const int w = ShapeBounds.Right - ShapeBounds.Left;
            const int h = ShapeBounds.Bottom - ShapeBounds.Top;
            ShapeBounds.Left = s->Left();
            ShapeBounds.Top = s->Top();
            ShapeBounds.Right = ShapeBounds.Left + w;
            ShapeBounds.Bottom = ShapeBounds.Top + h;
        }
    }
    TTeeCustomShape::Assign(Source);
}

void TTeeCustomShapePosition::SetCustomPosition(bool Value) {
    if (FParent)
        FParent->SetBooleanProperty(FCustomPosition, Value);
    else
        FCustomPosition = Value;
}

void TTeeCustomShapePosition::SetLeft(int Value) {
    const bool changed = Value != ShapeBounds.Left || !FCustomPosition;
    ShapeBounds.Right += Value - ShapeBounds.Left;
    ShapeBounds.Left = Value;
    FCustomPosition = true;
    if (changed) Repaint();
}

void TTeeCustomShapePosition::SetTop(int Value) {
    const bool changed = Value != ShapeBounds.Top || !FCustomPosition;
    ShapeBounds.Bottom += Value - ShapeBounds.Top;
    ShapeBounds.Top = Value;
    FCustomPosition = true;
    if (changed) Repaint();
}

// ---- TChartTitle -----------------------------------------------------------------------------

TChartTitle::TChartTitle(TCustomTeePanel* Chart) : TTeeCustomShapePosition(Chart) {
    FText = new TStringList();
    FText->OnChange = TNotifyEvent(this, &TChartTitle::TextChanged);
    SetTransparent(true);
    DefaultTransparent = true;
    Font()->SetColor(clBlue);
    Font()->IDefColor = clBlue;
}

TChartTitle::~TChartTitle() {
    delete FText;
}

void TChartTitle::TextChanged(TObject*) {
    Repaint();
}

void TChartTitle::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TChartTitle*>(Source)) {
        FAdjustFrame = s->FAdjustFrame;
        FAlignment = s->FAlignment;
        FText->Assign(s->FText);
        FVertMargin = s->FVertMargin;
    }
    TTeeCustomShapePosition::Assign(Source);
}

TStrings* TChartTitle::Text() const {
    return FText;
}

void TChartTitle::SetText(TStrings* Value) {
    FText->Assign(Value);
    Repaint();
}

bool TChartTitle::IsTextStored() const {
    return FText->Count() > 0;
}

void TChartTitle::SetAdjustFrame(bool Value) {
    if (FParent)
        FParent->SetBooleanProperty(FAdjustFrame, Value);
    else
        FAdjustFrame = Value;
}

void TChartTitle::SetAlignment(TAlignment Value) {
    SetAndRepaint(FAlignment, Value);
}

void TChartTitle::SetVertMargin(int Value) {
    SetAndRepaint(FVertMargin, Value);
}

String TChartTitle::Caption() const {
    return FText->Count() > 0 ? FText->Strings(0) : String();
}

void TChartTitle::SetCaption(const String& Value) {
    FText->BeginUpdate();
    FText->Clear();
    if (!Value.isEmpty()) FText->Add(Value);
    FText->EndUpdate();
}

bool TChartTitle::Clicked(int X, int Y) const {
    return Visible() && X >= ShapeBounds.Left && X <= ShapeBounds.Right && Y >= ShapeBounds.Top &&
           Y <= ShapeBounds.Bottom;
}

void TChartTitle::DrawTitle() {
    TCustomTeePanel* chart = ParentChart();
    const int lines = FText->Count();
    if (!chart || !Visible() || lines == 0) return;
    TCanvas3D* canvas = chart->Canvas();

    int f = Frame()->Visible() && Frame()->Color() != clNone ? Frame()->Width() : 0;
    if (Bevel() != bvNone) f = BevelWidth();
    const bool custom = CustomPosition();
    TRect& b = ShapeBounds;
    if (!custom) {
        b = chart->ChartRect;
        if (IOnTop) b.Top += f;
    }
    canvas->AssignFont(Font());
    canvas->SetTextAlign(TA_LEFT | TA_TOP);
    const int h = canvas->TextHeight(QStringLiteral("W"));
    if (IOnTop || custom)
        b.Bottom = b.Top + lines * h;
    else
        b.Top = b.Bottom - lines * h;
    if (!custom) b = TRect{b.Left - f, b.Top - f, b.Right + f, b.Bottom + f};

    const int w = canvas->TextWidth(QStringLiteral("W"));
    if (FAdjustFrame) {
        int m = 0;
        for (int k = 0; k < lines; ++k)
            m = std::max(m, canvas->TextWidth(FText->Strings(k)));
        const int a = w + f + m;
        switch (FAlignment) {
        case taLeftJustify:
            b.Right = b.Left + a;
            break;
        case taRightJustify:
            b.Left = b.Right - a;
            break;
        case taCenter: {
            if (custom) b.Right = b.Left + a;
            const int c = (b.Left + b.Right) / 2;
            b.Left = c - a / 2;
            b.Right = c + a / 2;
            break;
        }
        }
    }

    Draw();
    canvas->SetBackMode(cbmTransparent);
    // Drawing the shape may change the font (an HTML text, a font shadow): take it again.
    canvas->AssignFont(Font());
    canvas->SetTextAlign(TA_LEFT | TA_TOP);
    auto lineY = [&](int k) {
        return IOnTop || custom ? b.Top + f + k * h : b.Bottom - h - (f + (lines - 1 - k) * h);
    };
    if (TextFormat() == ttfHtml) {
        QStringList all;
        for (int k = 0; k < lines; ++k)
            all << FText->Strings(k);
        HtmlTextOut(canvas, b.Left + w / 2, lineY(0), all.join(QStringLiteral("<br>")));
    } else {
        for (int k = 0; k < lines; ++k) {
            const String& line = FText->Strings(k);
            int x = 0;
            switch (FAlignment) {
            case taLeftJustify:
                x = b.Left + w / 2;
                break;
            case taRightJustify:
                x = b.Right - canvas->TextWidth(line) - w / 2;
                break;
            case taCenter:
                x = (b.Left + b.Right) / 2 - canvas->TextWidth(line) / 2;
                break;
            }
            canvas->TextOut(x, lineY(k), line);
        }
    }

    if (!custom) {
        int g = FVertMargin + f;
        if (!Transparent() && Shadow() && Shadow()->Visible()) g += Shadow()->VertSize();
        if (!chart->CustomChartRect()) {
            if (IOnTop)
                chart->ChartRect.Top = b.Bottom + g;
            else
                chart->ChartRect.Bottom = b.Bottom - g - lines * h;
        }
        chart->ReCalcWidthHeight();
    }
}

TChartFootTitle::TChartFootTitle(TCustomTeePanel* Chart) : TChartTitle(Chart) {
    IOnTop = false;
    Font()->SetColor(clRed);
    Font()->IDefColor = clRed;
    Font()->SetStyle(TFontStyles() << fsItalic);
    Font()->IDefStyle = TFontStyles() << fsItalic;
}

// ---- published -------------------------------------------------------------------------------

ORVO_PUBLISHED(TChartTitle) {
    using T = TChartTitle;
    P.Property("AdjustFrame", &T::AdjustFrame, &T::SetAdjustFrame).Default(true);
    P.Property("Alignment", &T::Alignment, &T::SetAlignment).Default(taCenter);
    P.Property("Bevel", &T::Bevel, &T::SetBevel).Default(bvNone);
    P.Property("BevelWidth", &T::BevelWidth, &T::SetBevelWidth).Default(2);
    P.Property("Brush", &T::Brush, &T::SetBrush);
    P.Property("Color", &T::Color, &T::SetColor).Type(TypeInfoTColor()).Default(clWhite);
    P.Property("CustomPosition", &T::CustomPosition, &T::SetCustomPosition).Stored(&T::IsCustomStored);
    P.Property("Font", &T::Font, &T::SetFont);
    P.Property("Frame", &T::Frame, &T::SetFrame);
    P.Property("Gradient", &T::Gradient, &T::SetGradient).Present(&T::HasGradient);
    P.Property("Left", &T::Left, &T::SetLeft).Stored(&T::IsPosStored);
    P.Property("Picture", &T::Picture, &T::SetPicture).Present(&T::HasPicture);
    P.Property("Shadow", &T::Shadow, &T::SetShadow);
    P.Property("ShapeStyle", &T::ShapeStyle, &T::SetShapeStyle).Default(fosRectangle);
    P.Property("Text", &T::Text, &T::SetText).Stored(&T::IsTextStored);
    P.Property("TextFormat", &T::TextFormat, &T::SetTextFormat).Default(ttfNormal);
    P.Property("Top", &T::Top, &T::SetTop).Stored(&T::IsPosStored);
    P.Property("Transparency", &T::Transparency, &T::SetTransparency).Default(0);
    P.Property("Transparent", &T::Transparent, &T::SetTransparent).Stored(&T::IsTransparentStored);
    P.Property("VertMargin", &T::VertMargin, &T::SetVertMargin).Default(5);
    P.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
}
