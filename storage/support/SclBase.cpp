#include "storage/support/SclBase.h"

void MoveChars(const String& Source, int FromIndex, String& Dest, int ToIndex, int Count) {
    if (Count <= 0 || FromIndex < 0 || ToIndex < 0) return;
    if (FromIndex + Count > Source.size() || ToIndex + Count > Dest.size()) return;
    const String src = Source; // Source and Dest may be the same text
    for (int i = 0; i < Count; ++i)
        Dest[ToIndex + i] = src[FromIndex + i];
}
