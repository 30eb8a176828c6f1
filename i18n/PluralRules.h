// The plural rules of the languages the engine knows: each gives the index of the plural
// form to use for a number.
#pragma once

#include "platform/rtl/Types.h"

using TGetPluralForm = int (*)(Int64 Number);

// Always form 0 (hu, ko, zh, ja, tr).
int GetPluralForm1(Int64 Number);
// 0 for one, else 1 (English and every language not listed).
int GetPluralForm2EN(Int64 Number);
// 0 for zero and one, else 1 (fr, fa, pt_BR).
int GetPluralForm1France(Int64 Number);
int GetPluralForm3LV(Int64 Number);
int GetPluralForm3GA(Int64 Number);
int GetPluralForm3LT(Int64 Number);
// ru, cs, sk, uk, hr.
int GetPluralForm3RU(Int64 Number);
int GetPluralForm3PL(Int64 Number);
int GetPluralForm4SL(Int64 Number);

// The rule of a language code ("pl_PL", "pt_BR", "de").
TGetPluralForm PluralRuleForLanguage(const String& LanguageCode);
