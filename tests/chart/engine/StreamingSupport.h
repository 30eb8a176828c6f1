// Component streaming round trips for the chart engine's tests: the platform's streaming
// helpers, and a root written to or read from the text form in one call.
#pragma once

#include "tests/platform/classes/StreamingSupport.h"

inline QByteArray writeText(TComponent* root) {
    return BinaryToText(WriteRoot(root));
}

inline void readText(const QByteArray& text, TComponent* root) {
    ReadRoot(TextToBinary(text), root);
}
