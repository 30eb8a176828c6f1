// String routines of the runtime layer: conversion between the UTF-16 String and the
// 8-bit AnsiString, trimming, case, comparison, the 1-based position helpers and
// replacement. Positions are 1-based as in the code these routines serve; a String
// index is a UTF-16 code unit.
#pragma once

#include "platform/rtl/Types.h"

// ---- Code pages -------------------------------------------------------------------------

// The system's 8-bit code page: UTF-8.
inline constexpr unsigned CP_ACP = 0;
inline constexpr unsigned CP_UTF8 = 65001;
inline constexpr unsigned CP_WINDOWS_1252 = 1252;

// The code page of AnsiString (always CP_UTF8).
unsigned GetACP();

// What GetCPInfo reports for a code page.
struct TCPInfo {
    unsigned MaxCharSize = 1; // bytes of the longest character
    Byte DefaultChar[2] = {'?', 0};
    Byte LeadByte[12] = {};
};
// Fills Info for CP_ACP, CP_UTF8 and 1252 and answers true; false for other code pages.
bool GetCPInfo(unsigned CodePage, TCPInfo& Info);

// The plain conversions between the two string types in the system code page. They never
// fail: invalid UTF-8 becomes U+FFFD, an unpaired surrogate becomes the UTF-8 of U+FFFD.
String AnsiToString(const AnsiString& s);
AnsiString StringToAnsi(const String& s);

// Strict conversions in an explicit code page (CP_ACP, CP_UTF8 or 1252). They answer false,
// and leave Result empty, for another code page, for bytes that are not valid in the code
// page, or for characters the code page cannot hold. An empty input converts to an empty
// result.
bool TryAnsiToString(const AnsiString& s, unsigned CodePage, String& Result);
bool TryStringToAnsi(const String& s, unsigned CodePage, AnsiString& Result);

// ---- Trimming and case ------------------------------------------------------------------

// Remove every character up to U+0020 (blanks and control characters) at the ends.
String Trim(const String& s);
String TrimLeft(const String& s);
String TrimRight(const String& s);
AnsiString Trim(const AnsiString& s);

// Change the case of the ASCII letters only.
String UpperCase(const String& s);
String LowerCase(const String& s);
AnsiString UpperCase(const AnsiString& s);
AnsiString LowerCase(const AnsiString& s);
// Full Unicode case mapping.
String AnsiUpperCase(const String& s);
String AnsiLowerCase(const String& s);

// ---- Comparison (negative, zero or positive) ---------------------------------------------

// Ordinal comparison of the UTF-16 code units.
int CompareStr(const String& a, const String& b);
// Ordinal comparison with the ASCII letters compared in upper case.
int CompareText(const String& a, const String& b);
bool SameText(const String& a, const String& b);
// Case-folded comparison of the whole Unicode range; independent of the locale.
int AnsiCompareText(const String& a, const String& b);
bool AnsiSameText(const String& a, const String& b);
// Case-sensitive comparison in dictionary order: texts are ordered as AnsiCompareText
// orders them, and texts that differ only in case put the lower-case form first.
int AnsiCompareStr(const String& a, const String& b);

// ---- 1-based position helpers ------------------------------------------------------------

// Position of the first occurrence of Sub in s, 0 when absent or when Sub is empty.
int Pos(const String& Sub, const String& s);
// As Pos, searching from Offset; 0 when Offset < 1 or Offset > length of s.
int PosEx(const String& Sub, const String& s, int Offset = 1);
// Count characters from Index. An Index below 1 counts as 1; Count is clipped to the end;
// an Index past the end or a Count below 1 gives "".
String Copy(const String& s, int Index, int Count);
// Remove Count characters from Index. Nothing is removed when Index is below 1 or past the
// end, or when Count is below 1; Count is clipped to the end.
void Delete(String& s, int Index, int Count);
// Insert Source into s before Index; Index is clipped to 1 .. length + 1.
void Insert(const String& Source, String& s, int Index);

// ---- Replacing and building --------------------------------------------------------------

enum TReplaceFlag { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = Set<TReplaceFlag>;

// Replace the first occurrence of OldPattern (every occurrence with rfReplaceAll); with
// rfIgnoreCase the search ignores case. An empty OldPattern changes nothing.
String StringReplace(const String& s, const String& OldPattern, const String& NewPattern,
                     TReplaceFlags Flags);

// Count copies of Ch ("" when Count is below 1).
String StringOfChar(QChar Ch, int Count);

// A menu or button caption without its accelerator marks: every "&" is removed, and "&&"
// leaves one "&".
String StripHotkey(const String& Text);
