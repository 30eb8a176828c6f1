// The pen dialog as its form resource builds it, driven through its controls: every control
// changes the pen at once, Cancel (or closing) puts it back, OK keeps it, and the style list
// draws a sample of each style.
#include "EditorBaseTestSupport.h"

#include "chart/editor/PenDialog.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/UpDown.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QImage>

#include <vector>

using namespace editortest;

namespace {
QStringList ItemsOf(TComboFlat* Combo) {
    QStringList out;
    for (int i = 0; i < Combo->Items()->Count(); ++i)
        out << Combo->Items()->Strings(i);
    return out;
}

struct PenDialogTest : ::testing::Test {
    Owned<TPenDialog> dialog;
    TChartPen pen;
    TPenDialog* open(TPen* Pen) {
        dialog.reset(TeeCreateForm<TPenDialog>(nullptr));
        dialog->ThePen = Pen;
        dialog->Show();
        return dialog.get();
    }
    // Chooses entry Index of the combo box with the keyboard, as the user does.
    static void Choose(TComboFlat* Combo, int Index) {
        SendKey(Combo, Qt::Key_Home);
        for (int i = 0; i < Index; ++i)
            SendKey(Combo, Qt::Key_Down);
        ASSERT_EQ(Combo->ItemIndex(), Index);
    }
    static void PickColour(TButtonColor* Button, TColor Colour) {
        DialogHook hook([&](TCommonDialog* d) {
            static_cast<TColorDialog*>(d)->SetColor(Colour);
            return true;
        });
        Click(Button);
    }
};
} // namespace

TEST_F(PenDialogTest, TheResourceBuildsTheControls) {
    TPenDialog* d = open(&pen);
    EXPECT_EQ(d->Caption(), "Border Editor");
    EXPECT_EQ(d->Position(), poScreenCenter);
    EXPECT_EQ(d->BorderIcons(), TBorderIcons{biSystemMenu});
    EXPECT_EQ(d->CBVisible->Caption(), "&Visible");
    EXPECT_EQ(d->CBVisible->HelpContext(), 680);
    EXPECT_EQ(d->LWidth->Caption(), "&Width:");
    EXPECT_EQ(d->LWidth->FocusControl(), d->SEWidth);
    EXPECT_EQ(d->UDWidth->Associate(), d->SEWidth);
    EXPECT_EQ(d->UDWidth->Min(), 1);
    EXPECT_EQ(d->LStyle->Caption(), "&Style:");
    EXPECT_EQ(d->CBStyle->Style(), csOwnerDrawFixed);
    EXPECT_EQ(d->CBEndStyle->HelpContext(), 1828);
    EXPECT_EQ(ItemsOf(d->CBEndStyle), QStringList({"Round", "Square", "Flat"}));
    EXPECT_EQ(d->LSpace->Caption(), "Sp&ace:");
    EXPECT_EQ(d->UDSpace->Associate(), d->ESpace);
    EXPECT_EQ(d->UDSpace->Min(), 1);
    EXPECT_FALSE(d->ESpace->Enabled());
    EXPECT_FALSE(d->UDSpace->Enabled());
    EXPECT_EQ(d->BColor->Caption(), "&Color...");
    EXPECT_EQ(d->BOk->Caption(), "OK");
    EXPECT_TRUE(d->BOk->Default());
    EXPECT_EQ(d->BOk->ModalResult(), mrOk);
    EXPECT_EQ(d->BCancel->Caption(), "Cancel");
    EXPECT_TRUE(d->BCancel->Cancel());
    EXPECT_EQ(d->BCancel->ModalResult(), mrCancel);
}

TEST_F(PenDialogTest, SmallDotsAndVisibilityAreOfferedForChartPensOnly) {
    pen.SetWidth(3);
    pen.SetStyle(psDot);
    pen.SetEndStyle(esFlat);
    pen.SetVisible(false);
    TPenDialog* d = open(&pen);
    const QStringList styles = {"Solid", "Dash", "Dot", "Dash Dot", "Dash Dot Dot"};
    EXPECT_EQ(ItemsOf(d->CBStyle), styles + QStringList({"Small Dots"}));
    EXPECT_TRUE(d->CBVisible->Visible());
    EXPECT_FALSE(d->CBVisible->Checked());
    EXPECT_EQ(d->CBStyle->ItemIndex(), 2);
    EXPECT_EQ(d->CBEndStyle->ItemIndex(), 2);
    EXPECT_EQ(d->UDWidth->Position(), 3);
    EXPECT_EQ(d->SEWidth->Text(), "3");
    // Showing the dialog changed nothing.
    EXPECT_EQ(pen.Width(), 3);
    EXPECT_FALSE(pen.Visible());

    TChartPen dots;
    dots.SetSmallDots(true);
    dots.SetSmallSpace(4);
    d = open(&dots);
    EXPECT_EQ(d->CBStyle->ItemIndex(), 5);
    EXPECT_FALSE(d->SEWidth->Enabled());
    EXPECT_TRUE(d->ESpace->Enabled());
    EXPECT_EQ(d->UDSpace->Position(), 4);

    TPen plain;
    d = open(&plain);
    EXPECT_EQ(ItemsOf(d->CBStyle), styles);
    EXPECT_FALSE(d->CBVisible->Visible());
    EXPECT_EQ(d->CBStyle->ItemIndex(), 0);
}

TEST_F(PenDialogTest, EachControlChangesThePenAtOnce) {
    int changes = 0;
    pen.OnChange = TNotifyEvent([&](TObject*) { ++changes; });
    TPenDialog* d = open(&pen);
    EXPECT_EQ(changes, 0);

    d->UDWidth->Step(btNext);
    EXPECT_EQ(pen.Width(), 2);
    TypeText(d->SEWidth, QStringLiteral("7"));
    EXPECT_EQ(pen.Width(), 7);
    Choose(d->CBStyle, 3);
    EXPECT_EQ(pen.Style(), psDashDot);
    Choose(d->CBStyle, 5);
    EXPECT_TRUE(pen.SmallDots());
    EXPECT_FALSE(d->SEWidth->Enabled());
    EXPECT_FALSE(d->UDWidth->Enabled());
    EXPECT_TRUE(d->ESpace->Enabled());
    TypeText(d->ESpace, QStringLiteral("3"));
    EXPECT_EQ(pen.SmallSpace(), 3);
    Choose(d->CBStyle, 1);
    EXPECT_FALSE(pen.SmallDots());
    EXPECT_EQ(pen.Style(), psDash);
    EXPECT_TRUE(d->SEWidth->Enabled());
    EXPECT_FALSE(d->ESpace->Enabled());
    Choose(d->CBEndStyle, 1);
    EXPECT_EQ(pen.EndStyle(), esSquare);
    Click(d->CBVisible);
    EXPECT_FALSE(pen.Visible());
    PickColour(d->BColor, clRed);
    EXPECT_EQ(pen.Color(), clRed);
    EXPECT_GT(changes, 0);
}

TEST_F(PenDialogTest, CancelPutsBackWidthStyleColourAndVisibility) {
    pen.SetColor(clBlue);
    pen.SetWidth(2);
    TObject* told = nullptr;
    pen.OnChange = TNotifyEvent([&](TObject* Sender) { told = Sender; });
    TPenDialog* d = open(&pen);
    d->UDWidth->Step(btNext);
    Choose(d->CBStyle, 2);
    PickColour(d->BColor, clLime);
    Click(d->CBVisible);
    ASSERT_EQ(pen.Width(), 3);
    ASSERT_EQ(pen.Style(), psDot);
    ASSERT_EQ(pen.Color(), clLime);
    ASSERT_FALSE(pen.Visible());
    told = nullptr;
    Click(d->BCancel);
    EXPECT_EQ(d->ModalResult(), mrCancel);
    EXPECT_EQ(pen.Width(), 2);
    EXPECT_EQ(pen.Style(), psSolid);
    EXPECT_EQ(pen.Color(), clBlue);
    EXPECT_TRUE(pen.Visible());
    // The pen's owner hears of it with the dialog as sender.
    EXPECT_EQ(told, d);
}

TEST_F(PenDialogTest, EditChartPenAnswersWhetherTheUserConfirmed) {
    struct Case {
        bool ok;
        bool closeBox; // closed by the window's close box instead of a button
        int width;
    };
    const Case cases[] = {{true, false, 5}, {false, false, 1}, {false, true, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ok << c.closeBox);
        TChartPen p;
        bool colourHidden = false;
        ModalHook hook([&](TCustomForm* Form) {
            auto* d = dynamic_cast<TPenDialog*>(Form);
            EXPECT_NE(d, nullptr);
            if (!d) return int(mrCancel);
            Form->Show();
            colourHidden = !d->BColor->Visible();
            TypeText(d->SEWidth, QStringLiteral("5"));
            EXPECT_EQ(p.Width(), 5);
            if (c.closeBox)
                Form->Close();
            else
                Click(c.ok ? d->BOk : d->BCancel);
            return int(Form->ModalResult() == mrNone ? mrCancel : Form->ModalResult());
        });
        EXPECT_EQ(EditChartPen(nullptr, &p, !c.ok), c.ok);
        EXPECT_EQ(p.Width(), c.width);
        EXPECT_EQ(colourHidden, !c.ok);
    }
}

TEST_F(PenDialogTest, TheStyleListDrawsASampleOfEachStyle) {
    pen.SetColor(clRed);
    TPenDialog* d = open(&pen);
    TRect drawnAt;
    TDrawItemEvent original = d->CBStyle->OnDrawItem;
    d->CBStyle->OnDrawItem = TDrawItemEvent([&](TWinControl* C, int Index, TRect R, TOwnerDrawState State) {
        drawnAt = R;
        original(C, Index, R, State);
    });
    // The pixels of the sample line in the given colour, per style.
    auto sample = [&](int Index, TColor Colour = clRed) {
        d->CBStyle->SetItemIndex(Index);
        TBitmap image(d->CBStyle->Width(), d->CBStyle->Height());
        d->CBStyle->PaintTo(image.Canvas(), 0, 0);
        QString pattern;
        for (int x = drawnAt.Left + 2; x < drawnAt.Left + 30; ++x)
            pattern +=
                image.Canvas()->Pixels(x, drawnAt.Top + 8) == Colour ? QLatin1Char('#') : QLatin1Char('.');
        return pattern;
    };
    const QString solid = sample(0);
    EXPECT_EQ(solid, QString(28, QLatin1Char('#')));
    const QString dash = sample(1);
    EXPECT_TRUE(dash.contains(QStringLiteral("#####"))) << dash.toStdString();
    EXPECT_TRUE(dash.contains(QLatin1Char('.'))) << dash.toStdString();
    const QString dot = sample(2);
    EXPECT_FALSE(dot.contains(QStringLiteral("#####"))) << dot.toStdString();
    EXPECT_TRUE(dot.contains(QLatin1Char('.'))) << dot.toStdString();
    const QString dots = sample(5);
    EXPECT_EQ(dots.count(QLatin1Char('#')), 14) << dots.toStdString();
    // A pen of the list's own colour is drawn black on it.
    pen.SetColor(d->CBStyle->Color());
    EXPECT_EQ(sample(0, clBlack), solid);
}

TEST_F(PenDialogTest, ScreenshotShowsTheControlsWhereTheFormPutsThem) {
    pen.SetColor(clRed);
    pen.SetWidth(2);
    TPenDialog* d = open(&pen);
    Application->ProcessMessages();
    // Every control inside the client area, none on top of another.
    std::vector<TControl*> controls = {d->CBVisible, d->SEWidth, d->UDWidth, d->CBStyle, d->CBEndStyle,
                                       d->ESpace,    d->UDSpace, d->BColor,  d->BOk,     d->BCancel};
    for (TControl* c : controls) {
        SCOPED_TRACE(c->Name().toStdString());
        EXPECT_TRUE(d->ClientRect().Contains(TPoint{c->Left(), c->Top()}));
        EXPECT_LE(c->Left() + c->Width(), d->ClientWidth());
        EXPECT_LE(c->Top() + c->Height(), d->ClientHeight());
        for (TControl* other : controls) {
            if (other == c) continue;
            const TRect a = c->BoundsRect(), b = other->BoundsRect();
            const bool overlap = a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
            EXPECT_FALSE(overlap) << other->Name().toStdString();
        }
    }
    // The sample of the selected style shows in the style box, in the pen's colour.
    const QImage shot = d->Widget()->grab().toImage();
    const QPoint inStyle(d->CBStyle->Left() + 12, d->CBStyle->Top() + d->CBStyle->Height() / 2);
    bool red = false;
    for (int dy = -4; dy <= 4; ++dy)
        red = red || shot.pixelColor(inStyle + QPoint(0, dy)) == QColor(Qt::red);
    EXPECT_TRUE(red);
    Screenshot(d, "pen-dialog");
}
