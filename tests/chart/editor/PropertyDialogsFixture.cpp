#include "PropertyDialogsFixture.h"

#include "platform/controls/Application.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

namespace dialogs_test {

ModalDriver::ModalDriver(std::function<void(TCustomForm*)> Drive) {
    previous_ = SetShowModalHook([this, Drive](TCustomForm* Form) {
        ++Shown;
        Form->Show();
        Application->ProcessMessages();
        Drive(Form);
        const int Result = Form->ModalResult() == mrNone ? int(mrCancel) : int(Form->ModalResult());
        Form->Hide();
        return Result;
    });
}

ModalDriver::~ModalDriver() {
    SetShowModalHook(previous_);
}

LocaleScope::LocaleScope(const TFormatSettings& Settings) : saved_(FormatSettings) {
    FormatSettings = Settings;
}

LocaleScope::~LocaleScope() {
    FormatSettings = saved_;
}

void Screenshot(TCustomForm* Form, const char* Name) {
    const QString folder = qEnvironmentVariable("ORVO_SCREENSHOTS");
    if (folder.isEmpty() || !Form) return;
    QDir().mkpath(folder);
    Application->ProcessMessages();
    const QPixmap shot = Form->Widget()->grab();
    EXPECT_TRUE(shot.save(QDir(folder).filePath(QString::fromUtf8(Name) + QStringLiteral(".png")), "PNG"));
}

} // namespace dialogs_test
