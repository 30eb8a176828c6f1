// A form's full-screen state: shown over the whole monitor of a given control, left again
// when hidden or given a window state.
#include "platform/controls/CustomForm.h"
#include "platform/controls/Panel.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(FullScreenForm, CoversTheMonitorOfTheControlAndLeavesTheStateWhenHidden) {
    TForm host(nullptr, 0);
    host.SetBounds(40, 30, 300, 200);
    auto* panel = new TPanel(&host);
    panel->SetParent(&host);
    host.Show();
    QCoreApplication::processEvents();

    std::unique_ptr<TForm> form(new TForm(nullptr, 0));
    form->SetBorderStyle(bsNone);
    EXPECT_FALSE(form->FullScreen());
    form->ShowFullScreen(panel);
    QCoreApplication::processEvents();
    QWidget* w = form->Widget();
    ASSERT_NE(w, nullptr);
    QScreen* screen = host.Widget()->screen();
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(form->FullScreen());
    EXPECT_TRUE(w->windowState() & Qt::WindowFullScreen);
    EXPECT_EQ(w->screen(), screen);
    EXPECT_EQ(w->geometry(), screen->geometry());
    EXPECT_EQ(form->ClientWidth(), screen->geometry().width());
    EXPECT_EQ(form->ClientHeight(), screen->geometry().height());

    // Hidden, the form leaves the state; shown again it is a normal window.
    form->Hide();
    EXPECT_FALSE(form->FullScreen());
    form->SetBounds(10, 10, 200, 100);
    form->Show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->FullScreen());

    // A window state ends the full-screen state too.
    form->ShowFullScreen(nullptr);
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->FullScreen());
    EXPECT_EQ(w->screen(), QGuiApplication::primaryScreen());
    form->SetWindowState(wsNormal);
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->FullScreen());
}

} // namespace
