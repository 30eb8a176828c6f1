// Numbers of the runtime layer: rounding and truncation to integers, the math routines the
// system calls by their runtime names, MulDiv, the process-wide random generator and the
// raw 10-byte form of Extended.
//
// Floating faults are not trapped: a division by zero gives an infinity or NaN, and the
// conversions to integers below saturate instead of raising.
#pragma once

#include "platform/rtl/Types.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <type_traits>

// ---- Conversion to integers -------------------------------------------------------------

// Nearest integer, ties to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). NaN gives 0; infinities
// and values beyond the 64-bit range give the nearest 64-bit limit.
Int64 Round(double x);
Int64 Round(Extended x);
// Toward zero, with the same saturation as Round.
Int64 Trunc(double x);
Int64 Trunc(Extended x);
// Smallest integer >= x and largest integer <= x, with the same saturation as Round.
Int64 Ceil(double x);
Int64 Floor(double x);

// The checked conversion to int: toward zero, NaN gives 0, values beyond the int range give
// the nearest int limit. Use it wherever a floating value or a 64-bit result becomes an int.
int CheckedInt(double x);
int CheckedInt(Int64 x);

// Integer part and fractional part, as floating values (Int(-2.5) = -2, Frac(-2.5) = -0.5).
inline double Int(double x) {
    return std::trunc(x);
}
inline Extended Int(Extended x) {
    return std::trunc(x);
}
inline double Frac(double x) {
    return x - std::trunc(x);
}
inline Extended Frac(Extended x) {
    return x - std::trunc(x);
}

// ---- Math routines ----------------------------------------------------------------------

inline constexpr Extended Pi() {
    return 3.14159265358979323846264338327950288L;
}

template <class T> constexpr T Sqr(T x) {
    return x * x;
}

// base ** exponent; any base to the power 0 is 1.
inline double Power(double base, double exponent) {
    return std::pow(base, exponent);
}
inline Extended Power(Extended base, Extended exponent) {
    return std::pow(base, exponent);
}
// base ** exponent by repeated multiplication in Extended precision.
Extended IntPower(Extended base, int exponent);

// Logarithm of x to the given base.
inline Extended LogN(Extended base, Extended x) {
    return std::log(x) / std::log(base);
}
inline double Log10(double x) {
    return std::log10(x);
}
inline Extended Log10(Extended x) {
    return std::log10(x);
}
inline double ArcTan2(double y, double x) {
    return std::atan2(y, x);
}
inline Extended ArcTan2(Extended y, Extended x) {
    return std::atan2(y, x);
}
inline double ArcCos(double x) {
    return std::acos(x);
}
inline Extended ArcCos(Extended x) {
    return std::acos(x);
}

template <class T> inline void SinCos(T theta, T& sinus, T& cosinus) {
    sinus = std::sin(theta);
    cosinus = std::cos(theta);
}

inline bool IsNan(double x) {
    return std::isnan(x);
}
inline bool IsNan(Extended x) {
    return std::isnan(x);
}
inline bool IsInfinite(double x) {
    return std::isinf(x);
}
inline bool IsInfinite(Extended x) {
    return std::isinf(x);
}

// The smaller and the larger of two numbers (of the common type of both); with equal values
// or a NaN the second is returned.
template <class A, class B> constexpr std::common_type_t<A, B> Min(A a, B b) {
    using T = std::common_type_t<A, B>;
    return T(a) < T(b) ? T(a) : T(b);
}
template <class A, class B> constexpr std::common_type_t<A, B> Max(A a, B b) {
    using T = std::common_type_t<A, B>;
    return T(a) > T(b) ? T(a) : T(b);
}

// Number * Numerator / Denominator with a 64-bit product, rounded half away from zero.
// A zero Denominator, or a result outside the int range, gives -1.
int MulDiv(int Number, int Numerator, int Denominator);

// ---- Random numbers ---------------------------------------------------------------------

// An integer in 0 .. Range - 1 (0 when Range is below 1).
int Random(int Range);
// A value in [0, 1).
double Random();
// Seed the generator from the clock.
void Randomize();
// The seed last set by SetRandSeed or Randomize; setting it restarts the sequence.
DWORD GetRandSeed();
void SetRandSeed(DWORD Seed);

// The source of 32 random bits behind Random. Tests install their own; an empty function
// restores the built-in seedable generator. Answers the source it replaces.
using TRandomSource = std::function<DWORD()>;
TRandomSource SetRandomSource(TRandomSource Source);

// ---- Raw form of Extended ---------------------------------------------------------------

// The 10 bytes of the 80-bit value as they lie in memory (mantissa first, sign and exponent
// last).
using TExtendedBytes = std::array<Byte, 10>;
TExtendedBytes ExtendedToBytes(Extended v);
Extended BytesToExtended(const TExtendedBytes& b);
// 20 upper-case hexadecimal digits, two per byte, lowest-addressed byte first.
String ExtendedToHex(Extended v);
// Reads the form of ExtendedToHex (either letter case); false unless s is exactly 20
// hexadecimal digits.
bool HexToExtended(const String& s, Extended& v);
