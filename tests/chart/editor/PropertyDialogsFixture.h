// Helpers of the property-dialog tests: answering a modal dialog from the test (the form is
// shown, the test drives its controls, the answer is the modal result it leaves), an
// injected locale, and screenshots where ORVO_SCREENSHOTS says.
#pragma once

#include "platform/controls/CustomForm.h"
#include "platform/controls/Dialogs.h"
#include "platform/rtl/FormatSettings.h"

#include <functional>

namespace dialogs_test {

// While alive, every ShowModal shows its form, runs Drive on it and answers the form's
// modal result (mrCancel when Drive left none).
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(TCustomForm*)> Drive);
    ~ModalDriver();
    int Shown = 0;

private:
    TShowModalHook previous_;
};

// Replaces the global format settings for the test's lifetime.
class LocaleScope {
public:
    explicit LocaleScope(const TFormatSettings& Settings);
    ~LocaleScope();

private:
    TFormatSettings saved_;
};

// Writes the form's picture as <Name>.png into the folder ORVO_SCREENSHOTS names.
void Screenshot(TCustomForm* Form, const char* Name);

} // namespace dialogs_test
