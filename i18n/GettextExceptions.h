// The exception family of the translation engine. Each carries only its message.
#pragma once

#include "platform/rtl/Exception.h"

ORVO_DECLARE_EXCEPTION(EGettext, Exception)
// A caller used the engine in a way it does not support (misused rules, retranslation
// without a first translation).
ORVO_DECLARE_EXCEPTION(EGGProgrammingError, EGettext)
// A property of a component could not be translated.
ORVO_DECLARE_EXCEPTION(EGGComponentError, EGettext)
// A catalogue file is not a valid catalogue or could not be read.
ORVO_DECLARE_EXCEPTION(EGGIOError, EGettext)
// An 8-bit text could not be converted in the design-time code page.
ORVO_DECLARE_EXCEPTION(EGGAnsi2WideConvError, EGettext)
