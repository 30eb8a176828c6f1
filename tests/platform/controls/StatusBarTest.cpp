// The status-bar common control (parts, texts, borders, simple mode, owner drawing) and
// the status bar's panels laid out on it.
#include "ControlFixture.h"

#include "platform/controls/StatusBar.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
TRect partRect(TStatusWindow* S, int Part) {
    TRect r;
    EXPECT_EQ(S->Perform(SB_GETRECT, WPARAM(Part), reinterpret_cast<LPARAM>(&r)), TRUE);
    return r;
}

// A status window that records its owner-draw notifications.
class TRecordingStatus : public TStatusWindow {
public:
    explicit TRecordingStatus(TComponent* AOwner) : TStatusWindow(AOwner) {}
    std::vector<DRAWITEMSTRUCT> Drawn;
    void Dispatch(TMessage& Message) override {
        if (Message.Msg == CN_DRAWITEM) {
            Drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam));
            Message.Result = 1;
            return;
        }
        TStatusWindow::Dispatch(Message);
    }
};

struct StatusFixture : ::testing::Test {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    void SetUp() override {
        form->SetClientSize(827, 200);
        form->Show();
    }
};
} // namespace

TEST_F(StatusFixture, PartsReachTheRightEdgeAndKeepTheirTexts) {
    auto* s = new TRecordingStatus(form.get());
    s->SetParent(form.get());
    s->SetAlign(alBottom);
    const int edges[] = {200, -1};
    EXPECT_EQ(s->Perform(SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges)), TRUE);
    EXPECT_EQ(partRect(s, 0).Left, 0);
    EXPECT_EQ(partRect(s, 0).Right, 200);
    EXPECT_EQ(partRect(s, 1).Left, 200 + TStatusWindow::PartGap);
    EXPECT_EQ(partRect(s, 1).Right, 827);
    TRect none;
    EXPECT_EQ(s->Perform(SB_GETRECT, 2, reinterpret_cast<LPARAM>(&none)), FALSE);
    int borders[3] = {-1, -1, -1};
    s->Perform(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    EXPECT_EQ(borders[2], TStatusWindow::PartGap);

    const String text = QStringLiteral("Connected");
    s->Perform(SB_SETTEXTW, 0 | SBT_POPOUT, reinterpret_cast<LPARAM>(text.utf16()));
    const LRESULT r = s->Perform(SB_GETTEXTLENGTHW, 0, 0);
    EXPECT_EQ(r & 0xFFFF, 9);
    EXPECT_EQ(WPARAM(r >> 16), SBT_POPOUT);
    EXPECT_EQ(s->Perform(SB_SETTEXTW, 5, 0), FALSE); // no such part
    // An owner-drawn part keeps its data and is drawn through CN_DRAWITEM.
    s->Perform(SB_SETTEXTW, 1 | SBT_OWNERDRAW, 77);
    TBitmap image(s->Width(), s->Height());
    s->PaintTo(image.Canvas(), 0, 0);
    ASSERT_EQ(s->Drawn.size(), 1u);
    EXPECT_EQ(s->Drawn[0].itemID, 1u);
    EXPECT_EQ(s->Drawn[0].itemData, 77u);
    EXPECT_GE(s->Drawn[0].rcItem.Left, partRect(s, 1).Left);
    // Simple mode shows one part over the whole bar.
    s->Perform(SB_SIMPLE, 1, 0);
    EXPECT_EQ(s->Perform(SB_ISSIMPLE, 0, 0), TRUE);
    EXPECT_EQ(partRect(s, 0).Right, 827);
}

TEST_F(StatusFixture, PanelsWidthsAlignmentAndOwnerDraw) {
    auto* bar = new TStatusBar(form.get());
    bar->SetParent(form.get());
    bar->Panels()->Add()->SetWidth(200);
    TStatusPanel* second = bar->Panels()->Add();
    second->SetWidth(400);
    second->SetText(QStringLiteral("right"));
    second->SetAlignment(taRightJustify);
    EXPECT_EQ(partRect(bar, 0).Right, 200);
    EXPECT_EQ(partRect(bar, 1).Right, 827); // the last panel reaches the edge, whatever its width
    String text(32, QChar());
    bar->Perform(SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text.data()));
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(text.utf16())),
              QStringLiteral("\t\tright"));
    EXPECT_EQ(GetWindowLong(bar->Handle(), GWL_STYLE) & LONG(SBARS_SIZEGRIP), LONG(SBARS_SIZEGRIP));

    QStringList drawn;
    bar->OnDrawPanel = TDrawPanelEvent([&](TStatusBar* Sender, TStatusPanel* Panel, const TRect& Rect) {
        EXPECT_EQ(Sender, bar);
        drawn << QStringLiteral("%1@%2").arg(Panel->Index()).arg(Rect.Left >= 200);
    });
    bar->Panels()->Items(0)->SetStyle(psOwnerDraw);
    second->SetStyle(psOwnerDraw);
    TBitmap image(bar->Width(), bar->Height());
    bar->PaintTo(image.Canvas(), 0, 0);
    EXPECT_EQ(drawn, QStringList({"0@0", "1@1"}));

    bar->SetSimpleText(QStringLiteral("busy"));
    bar->SetSimplePanel(true);
    EXPECT_EQ(bar->Perform(SB_GETTEXTLENGTHW, SB_SIMPLEID, 0) & 0xFFFF, 4);
    EXPECT_EQ(bar->Perform(SB_ISSIMPLE, 0, 0), TRUE);
}
