// Text routines shared by the storage, the version reader and the type-information
// wrappers, with character tables for every UTF-16 code unit. Positions count from 1;
// "exact" comparisons respect letter case.
#pragma once

#include "platform/rtl/Types.h"

class TStrings;

// Character-type flags of each code unit: bit 0 upper case, bit 1 lower case, bit 2
// decimal digit. 65536 entries.
inline constexpr Word C1_UPPER = 0x0001;
inline constexpr Word C1_LOWER = 0x0002;
inline constexpr Word C1_DIGIT = 0x0004;
const Word* CharTypeTable();

// The three case tables of 65536 units each: lower case, upper case, swapped case (an
// upper-case unit gives its lower-case form, a lower-case unit its upper-case form).
enum TCaseMap { cmLower, cmUpper, cmSwap };
const char16_t* CaseMapTable(TCaseMap Map);

String RemoveLeadingText(const String& Prefix, const String& S);
String EnsureLeadingText(const String& Prefix, const String& S);
String EnsureTrailingText(const String& Suffix, const String& S);
String ReplaceCharacter(const String& S, QChar From, QChar To);
// Changes S in place through one of the case tables.
void MapCharacters(String& S, TCaseMap Map);
String UpperCaseText(const String& S);
// Shortens S at its first NUL.
void CutAtNul(String& S);
int CountCharOccurrences(const String& S, QChar C);

// The position of Sub in S, letter case ignored; 0 when absent or when Sub is empty.
int CaseInsensitivePos(const String& Sub, const String& S);
// The same in the part of S from Start on, as a position in S; 0 when Sub or S is empty or
// Start lies beyond S.
int CaseInsensitivePosFrom(const String& Sub, const String& S, int Start);
// The part of S before the first Sub (letter case ignored), or all of S.
String TextBefore(const String& Sub, const String& S);

// The first N characters; N characters from position I; everything from position I.
String LeftPart(const String& S, int N);
String MiddlePart(const String& S, int I, int N);
String RestFrom(const String& S, int I);

bool IsDigitChar(QChar C);
bool IsLowerChar(QChar C);
bool IsUpperChar(QChar C);
bool IsHexDigitChar(QChar C);

// The first position at or after Start holding C; 0 when none or Start is outside S.
int CharPosFrom(const String& S, QChar C, int Start);
// The last position, not before Start, holding C; 0 when none or Start is outside S.
int LastCharPosFrom(const String& S, QChar C, int Start);

// Clears List and fills it with the pieces of S between the separators, in order; an
// empty piece only when KeepEmpty; the rest after the last separator only when it is not
// empty. An empty Sep gives S as one piece.
void SplitText(const String& S, const String& Sep, TStrings* List, bool KeepEmpty);
