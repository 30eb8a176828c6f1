// Bits in a buffer of 32-bit words: bit n is bit (n mod 32) of word (n div 32).
#pragma once

#include "platform/rtl/Types.h"

// Sets bit n; a negative n lies before the buffer and changes nothing.
void SetBufferBit(void* Buffer, int N);
// The state of bit n; false for a negative n.
bool TestBufferBit(const void* Buffer, int N);
