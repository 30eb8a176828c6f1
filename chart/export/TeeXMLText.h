// Text that goes into the XML the chart files and the data export write: attribute and
// element text with the characters XML reserves escaped, and element or attribute names
// made of the characters a name may hold.
#pragma once

#include "platform/rtl/Types.h"

// Text with &, <, >, " and ' written as entities, and control characters other than tab,
// line feed and carriage return (which XML cannot carry at all) left out.
String TeeXMLEscape(const String& Text);

// A name an XML reader accepts: letters, digits, "_", "-" and "." kept (a first character
// that may not start a name gets a "_" before it), every other character becomes "_"; an
// empty text gives "_".
String TeeXMLName(const String& Text);
