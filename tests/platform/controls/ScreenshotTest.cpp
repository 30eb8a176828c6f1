// Renders a form holding one of each standard control under the offscreen platform and
// keeps the picture as a test artefact ("controls-screenshot.png" next to the test
// program) for a person to look at. It is not compared pixel for pixel: the test checks
// that the file was written and that the controls drew something on the form.
#include "ControlFixture.h"

#include "platform/classes/StringList.h"
#include "platform/controls/Bevel.h"
#include "platform/controls/BitBtn.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Grids.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/ScrollBox.h"
#include "platform/controls/Shape.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TabControl.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"
#include "platform/graphics/Bitmap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {
template <class C> C* place(TWinControl* parent, int x, int y, int w, int h) {
    auto* c = new C(parent->Owner() ? parent->Owner() : parent);
    c->SetParent(parent);
    c->SetBounds(x, y, w, h);
    return c;
}
} // namespace

TEST(Screenshot, FormWithEveryStandardControlIsWrittenAsPng) {
    std::unique_ptr<TForm, Free> form(new TForm(nullptr, 0));
    form->SetCaption(QStringLiteral("Standard controls"));
    form->SetClientSize(640, 500);
    form->SetColor(clBtnFace);

    place<TLabel>(form.get(), 10, 10, 80, 17)->SetCaption(QStringLiteral("&Label"));
    place<TEdit>(form.get(), 10, 30, 120, 21)->SetText(QStringLiteral("Edit"));
    place<TMaskEdit>(form.get(), 10, 56, 120, 21)->SetText(QStringLiteral("Mask edit"));
    auto* memo = place<TMemo>(form.get(), 10, 82, 120, 60);
    memo->Lines()->Add(QStringLiteral("Memo line 1"));
    memo->Lines()->Add(QStringLiteral("Memo line 2"));
    place<TButton>(form.get(), 10, 150, 75, 25)->SetCaption(QStringLiteral("Button"));
    place<TBitBtn>(form.get(), 90, 150, 75, 25)->SetKind(bkOK);
    auto* speed = place<TSpeedButton>(form.get(), 170, 150, 60, 25);
    speed->SetCaption(QStringLiteral("Speed"));
    speed->SetGroupIndex(1);
    speed->SetDown(true);
    place<TCheckBox>(form.get(), 10, 182, 100, 17)->SetCaption(QStringLiteral("Check box"));
    auto* radio = place<TRadioButton>(form.get(), 10, 202, 100, 17);
    radio->SetCaption(QStringLiteral("Radio button"));
    radio->SetChecked(true);
    auto* combo = place<TComboBox>(form.get(), 140, 30, 120, 21);
    combo->Items()->Add(QStringLiteral("Combo box"));
    combo->Items()->Add(QStringLiteral("Second"));
    combo->SetItemIndex(0);
    auto* list = place<TListBox>(form.get(), 140, 56, 120, 86);
    for (const char* s : {"List box", "Second item", "Third item"})
        list->Items()->Add(QString::fromLatin1(s));
    list->SetItemIndex(1);
    auto* group = place<TGroupBox>(form.get(), 270, 10, 170, 70);
    group->SetCaption(QStringLiteral("Group box"));
    place<TBevel>(group, 10, 20, 150, 40);
    auto* radios = place<TRadioGroup>(form.get(), 270, 85, 170, 70);
    radios->SetCaption(QStringLiteral("Radio group"));
    radios->Items()->Add(QStringLiteral("One"));
    radios->Items()->Add(QStringLiteral("Two"));
    radios->SetItemIndex(0);
    auto* panel = place<TPanel>(form.get(), 450, 10, 180, 60);
    panel->SetCaption(QStringLiteral("Panel"));
    auto* ud = place<TUpDown>(form.get(), 450, 80, 17, 25);
    ud->SetPosition(5);
    auto* track = place<TTrackBar>(form.get(), 470, 80, 160, 45);
    track->SetPosition(3);
    auto* hbar = place<TScrollBar>(form.get(), 450, 130, 180, 17);
    hbar->SetPosition(40);
    auto* vbar = place<TScrollBar>(form.get(), 450, 150, 17, 100);
    vbar->SetKind(sbVertical);
    vbar->SetBounds(450, 150, 17, 100);
    auto* shape = place<TShape>(form.get(), 475, 150, 60, 40);
    shape->SetShape(stRoundRect);
    shape->Brush()->SetColor(clYellow);
    auto* circle = place<TShape>(form.get(), 540, 150, 40, 40);
    circle->SetShape(stCircle);
    circle->Brush()->SetColor(clLime);
    auto* image = place<TImage>(form.get(), 585, 150, 45, 45);
    image->Canvas()->Brush()->SetColor(clNavy);
    image->Canvas()->FillRect(Rect(0, 0, 45, 45));
    image->Canvas()->Pen()->SetColor(clWhite);
    image->Canvas()->MoveTo(0, 0);
    image->Canvas()->LineTo(45, 45);
    auto* box = place<TScrollBox>(form.get(), 475, 200, 155, 60);
    place<TPanel>(box, 5, 5, 100, 120)->SetCaption(QStringLiteral("In scroll box"));
    auto* pages = place<TPageControl>(form.get(), 10, 268, 300, 100);
    for (const char* s : {"Page one", "Page two"}) {
        auto* sheet = new TTabSheet(form.get());
        sheet->SetPageControl(pages);
        sheet->SetCaption(QString::fromLatin1(s));
    }
    auto* tabs = place<TTabControl>(form.get(), 320, 268, 310, 100);
    tabs->Tabs()->Add(QStringLiteral("Tab one"));
    tabs->Tabs()->Add(QStringLiteral("Tab two"));
    auto* grid = place<TStringGrid>(form.get(), 10, 378, 620, 95);
    grid->SetCells(1, 1, QStringLiteral("String grid"));
    auto* status = new TStatusBar(form.get());
    status->SetParent(form.get());
    status->SetAlign(alBottom);
    status->Panels()->Add()->SetText(QStringLiteral("Status bar"));
    status->Panels()->Items(0)->SetWidth(150);
    status->Panels()->Add()->SetText(QStringLiteral("Second panel"));

    form->Show();
    QCoreApplication::processEvents();
    const QImage shot = form->Widget()->grab().toImage();
    const QString path =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("controls-screenshot.png"));
    QFile::remove(path);
    ASSERT_TRUE(shot.save(path, "PNG"));
    ASSERT_TRUE(QFile::exists(path));

    // Read back: the size of the form's client area, and the controls drew on it.
    const QImage back(path);
    ASSERT_FALSE(back.isNull());
    EXPECT_GE(back.width(), 640);
    EXPECT_GE(back.height(), 500);
    const TColor c = ColorToRGB(clBtnFace);
    const QRgb formColour = qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
    int differing = 0;
    for (int y = 0; y < 480; y += 4)
        for (int x = 0; x < 640; x += 4)
            if ((back.pixel(x, y) & 0xFFFFFF) != (formColour & 0xFFFFFF)) ++differing;
    EXPECT_GT(differing, 1000);
    // The yellow shape and the navy image are where they were put.
    EXPECT_EQ(back.pixel(505, 170) & 0xFFFFFF, qRgb(255, 255, 0) & 0xFFFFFF);
    EXPECT_EQ(back.pixel(620, 160) & 0xFFFFFF, qRgb(0, 0, 128) & 0xFFFFFF);
}
