#include "PropertyDialogsFixture.h"

#include "EditorBaseTestSupport.h"
#include "platform/controls/Application.h"

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
    editortest::Screenshot(Form, Name);
}

} // namespace dialogs_test
