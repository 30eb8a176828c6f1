// Trace and byte helpers shared by every unit of the device link. Traces are formatted like
// any other text but never shown: DebugTrace is the one sink and discards what it gets.
#pragma once

#include "platform/rtl/Format.h"
#include "platform/rtl/Types.h"

#include <cstddef>

// The trace sink of the device link: takes an 8-bit text and discards it.
void DebugTrace(const AnsiString& text);

// Each byte as the separator followed by two upper-case hex digits: AA 05 with '$' gives "$AA$05".
AnsiString HexDump(const void* data, std::size_t count, char separator);

// Traces "prefix: (code) text" with the system's text for a Windows error code.
void TraceSystemError(DWORD code, const AnsiString& prefix);

// "tick: text" with the current tick count in front when withTick is set, else the text itself.
AnsiString TickPrefix(const AnsiString& text, bool withTick);

// Bits 8 to 15 and bits 0 to 7 of a 16-bit value, for little-endian fields.
unsigned char HighByte(int v);
unsigned char LowByte(int v);
