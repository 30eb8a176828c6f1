// Base64 coding with lines of 76 characters (57 input bytes) separated by CR LF, and a
// decoder that works in chunks and skips every character outside the alphabet.
#pragma once

#include "platform/rtl/Types.h"

#include <cstddef>

AnsiString EncodeBase64Text(const AnsiString& Text);
AnsiString DecodeBase64Text(const AnsiString& Text);

// n for n <= 0, else 4 * ((n + 2) div 3) + 2 * ((n - 1) div 57).
std::ptrdiff_t Base64EncodedLength(std::ptrdiff_t n);
// 3 * ((n + 3) div 4): room enough for the bytes n characters can hold.
std::ptrdiff_t Base64DecodedLength(std::ptrdiff_t n);

// Output needs Base64EncodedLength(Count) bytes.
void EncodeBase64Buffer(const void* Input, std::size_t Count, char* Output);
// The Count div 57 complete groups of 57 bytes as lines of 76 characters, with CR LF
// between them and after the last one when more input follows.
void EncodeBase64FullLines(const void* Input, std::size_t Count, char* Output);
// 4 characters per 3 bytes with "=" padding, no line breaks.
void EncodeBase64Rest(const void* Input, std::size_t Count, char* Output);

// Decodes a chunk; Pending (start with 4) and Carry (start with 0) carry the state between
// chunks. Returns the bytes written.
std::size_t DecodeBase64Partial(const char* Input, std::size_t Length, Byte* Output, int& Pending,
                                DWORD& Carry);
// Writes what the carry still holds; returns 0, 1 or 2.
std::size_t DecodeBase64Finish(Byte* Output, DWORD Carry, int Pending);
