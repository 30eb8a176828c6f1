// What the tests of the editor pages share: a shown form with a chart on it, the modal
// dialogs and message boxes answered by the test, and screenshots where ORVO_SCREENSHOTS
// says.
#pragma once

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/Chart.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Dialogs.h"
#include "platform/graphics/Bitmap.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

// Answers every modal form through OnModal (Cancel when unset) and records every message
// dialog's text, answering Answer.
class TDialogsAnswered {
public:
    TDialogsAnswered() {
        oldModal_ =
            SetShowModalHook([this](TCustomForm* form) { return OnModal ? OnModal(form) : int(mrCancel); });
        oldDlg_ = SetMessageDlgHook([this](const TMessageDlgRequest& r) {
            Messages.push_back(r.Msg);
            return Answer;
        });
    }
    ~TDialogsAnswered() {
        SetShowModalHook(oldModal_);
        SetMessageDlgHook(oldDlg_);
    }
    TDialogsAnswered(const TDialogsAnswered&) = delete;
    TDialogsAnswered& operator=(const TDialogsAnswered&) = delete;

    std::function<int(TCustomForm*)> OnModal;
    std::vector<String> Messages;
    int Answer = mrOk;

private:
    TShowModalHook oldModal_;
    TMessageDlgHook oldDlg_;
};

// A form of 600 x 400 holding a chart on its left half; pages are embedded in Host.
class EditorPageFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr, 0);
        form->SetClientSize(760, 420);
        chart = new TChart(form);
        chart->SetName(QStringLiteral("Chart1"));
        chart->SetParent(form);
        chart->SetBounds(0, 0, 300, 420);
        form->Show();
    }
    void TearDown() override { delete form; }

    TForm* form = nullptr;
    TChart* chart = nullptr;
};

// Writes the control's picture as <Name>.png into the folder ORVO_SCREENSHOTS names (nothing
// when it is unset).
inline void EditorScreenshot(TWinControl* Control, const char* Name) {
    const QByteArray dir = qgetenv("ORVO_SCREENSHOTS");
    if (dir.isEmpty() || !Control || !Control->Widget()) return;
    QCoreApplication::processEvents();
    QDir().mkpath(QString::fromLocal8Bit(dir));
    Control->Widget()->grab().toImage().save(
        QDir(QString::fromLocal8Bit(dir)).filePath(QLatin1String(Name) + ".png"));
}
