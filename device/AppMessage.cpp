#include "device/AppMessage.h"

#include "platform/win/MessageBox.h"

int ShowAppMessage(const String& text, unsigned flags) {
    return MessageBox(nullptr, text, ApplicationTitle(), flags);
}
