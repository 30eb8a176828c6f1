#include "i18n/GnuGettext.h"

// Until catalogues are loaded every text is its own translation.
String gettext(const String& msgid) { return msgid; }
