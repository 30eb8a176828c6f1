// Translation of single texts through the default translation instance.
#pragma once

#include "platform/rtl/Types.h"

// The translation of msgid in the current language, or msgid itself when there is none.
String gettext(const String& msgid);
