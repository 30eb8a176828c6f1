#include "platform/rtl/SysMath.h"

#include <chrono>
#include <climits>
#include <cstring>
#include <limits>
#include <mutex>
#include <random>

namespace platform::detail {
namespace {

// 2**63 is exact in both floating types; every value below it and at or above -2**63
// converts to Int64 without overflow.
template <class F> Int64 SaturateToInt64(F r) {
    if (std::isnan(r)) return 0;
    constexpr F limit = F(9223372036854775808.0L);
    if (r >= limit) return std::numeric_limits<Int64>::max();
    if (r < -limit) return std::numeric_limits<Int64>::min();
    return static_cast<Int64>(r);
}

class RandomState {
public:
    DWORD Next() {
        std::lock_guard lock(mutex_);
        if (source_) return source_();
        return DWORD(engine_());
    }
    void Seed(DWORD seed) {
        std::lock_guard lock(mutex_);
        seed_ = seed;
        engine_.seed(seed);
    }
    DWORD GetSeed() {
        std::lock_guard lock(mutex_);
        return seed_;
    }
    TRandomSource Replace(TRandomSource source) {
        std::lock_guard lock(mutex_);
        std::swap(source_, source);
        return source;
    }

private:
    std::mutex mutex_;
    DWORD seed_ = 0;
    std::mt19937 engine_{0};
    TRandomSource source_;
};

RandomState& Generator() {
    static RandomState state;
    return state;
}

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    return -1;
}

} // namespace
} // namespace platform::detail

using namespace platform::detail;

// ---- Conversion to integers -------------------------------------------------------------

Int64 Round(double x) {
    return SaturateToInt64(std::nearbyint(x));
}
Int64 Round(Extended x) {
    return SaturateToInt64(std::nearbyint(x));
}
Int64 Trunc(double x) {
    return SaturateToInt64(std::trunc(x));
}
Int64 Trunc(Extended x) {
    return SaturateToInt64(std::trunc(x));
}
Int64 Ceil(double x) {
    return SaturateToInt64(std::ceil(x));
}
Int64 Floor(double x) {
    return SaturateToInt64(std::floor(x));
}

int CheckedInt(double x) {
    if (std::isnan(x)) return 0;
    if (x >= double(INT_MAX)) return INT_MAX;
    if (x <= double(INT_MIN)) return INT_MIN;
    return static_cast<int>(x);
}

int CheckedInt(Int64 x) {
    if (x > INT_MAX) return INT_MAX;
    if (x < INT_MIN) return INT_MIN;
    return static_cast<int>(x);
}

// ---- Math routines ----------------------------------------------------------------------

Extended IntPower(Extended base, int exponent) {
    // Square-and-multiply on the magnitude of the exponent; a negative exponent divides.
    unsigned long long n = exponent < 0 ? 0ULL - static_cast<unsigned long long>(exponent)
                                        : static_cast<unsigned long long>(exponent);
    Extended result = 1.0L;
    Extended factor = base;
    while (n != 0) {
        if (n & 1U) result *= factor;
        factor *= factor;
        n >>= 1U;
    }
    return exponent < 0 ? 1.0L / result : result;
}

int MulDiv(int Number, int Numerator, int Denominator) {
    if (Denominator == 0) return -1;
    const Int64 product = Int64(Number) * Int64(Numerator);
    Int64 quotient = product / Denominator;
    const Int64 remainder = product % Denominator;
    // Half away from zero: a remainder of at least half the divisor moves the quotient one
    // step away from zero, in the direction of the exact result's sign.
    if (2 * (remainder < 0 ? -remainder : remainder) >= (Denominator < 0 ? -Int64(Denominator) : Denominator))
        quotient += (product < 0) != (Denominator < 0) ? -1 : 1;
    if (quotient > INT_MAX || quotient < INT_MIN) return -1;
    return int(quotient);
}

// ---- Random numbers ---------------------------------------------------------------------

int Random(int Range) {
    if (Range < 1) return 0;
    return int((UInt64(Generator().Next()) * UInt64(Range)) >> 32);
}

double Random() {
    return double(Generator().Next()) / 4294967296.0;
}

void Randomize() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    Generator().Seed(DWORD(UInt64(ticks) ^ (UInt64(ticks) >> 32)));
}

DWORD GetRandSeed() {
    return Generator().GetSeed();
}
void SetRandSeed(DWORD Seed) {
    Generator().Seed(Seed);
}

TRandomSource SetRandomSource(TRandomSource Source) {
    return Generator().Replace(std::move(Source));
}

// ---- Raw form of Extended ---------------------------------------------------------------

TExtendedBytes ExtendedToBytes(Extended v) {
    TExtendedBytes b;
    std::memcpy(b.data(), &v, b.size());
    return b;
}

Extended BytesToExtended(const TExtendedBytes& b) {
    Extended v = 0.0L;
    std::memcpy(&v, b.data(), b.size());
    return v;
}

String ExtendedToHex(Extended v) {
    static const char digits[] = "0123456789ABCDEF";
    String s;
    s.reserve(20);
    for (Byte byte : ExtendedToBytes(v)) {
        s += QChar(char16_t(digits[byte >> 4]));
        s += QChar(char16_t(digits[byte & 0x0F]));
    }
    return s;
}

bool HexToExtended(const String& s, Extended& v) {
    TExtendedBytes b{};
    if (s.size() != 2 * qsizetype(b.size())) return false;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const int hi = HexDigit(s[qsizetype(2 * i)]), lo = HexDigit(s[qsizetype(2 * i + 1)]);
        if (hi < 0 || lo < 0) return false;
        b[i] = Byte(hi << 4 | lo);
    }
    v = BytesToExtended(b);
    return true;
}
