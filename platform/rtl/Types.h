// Basic types of the runtime layer: the two string types, the extended float, sets,
// dates and the small integer aliases the rest of the system is written against.
#pragma once

#include <QString>
#include <cfloat>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <type_traits>

// UTF-16 text of the user interface.
using String = QString;
using UnicodeString = QString;
using WideString = QString;
// 8-bit text in the system code page, which is UTF-8 on this platform.
using AnsiString = std::string;

using Extended = long double;
static_assert(LDBL_MANT_DIG == 64, "Extended needs the 80-bit x87 format (64-bit mantissa)");

using Byte = std::uint8_t;
using Word = std::uint16_t;
using DWORD = std::uint32_t;
using Cardinal = std::uint32_t;
using LongWord = std::uint32_t;
using Int64 = std::int64_t;
using UInt64 = std::uint64_t;
using NativeInt = std::intptr_t;
using NativeUInt = std::uintptr_t;
using TDateTime = double;

// Line break of every text the system produces.
inline constexpr const char* sLineBreak = "\r\n";

// A set of enumeration values, stored as bits (up to 64 elements; element e is bit e).
template <class E, int Bits = 64> class Set {
    static_assert(std::is_enum_v<E>, "Set<E> needs an enumeration");
    static_assert(Bits <= 64);

public:
    constexpr Set() = default;
    constexpr Set(std::initializer_list<E> items) {
        for (E e : items)
            bits_ |= bit(e);
    }
    static constexpr Set fromBits(std::uint64_t b) {
        Set s;
        s.bits_ = b;
        return s;
    }
    constexpr std::uint64_t toBits() const { return bits_; }
    constexpr bool Contains(E e) const { return (bits_ & bit(e)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr Set& operator<<(E e) {
        bits_ |= bit(e);
        return *this;
    }
    constexpr Set& operator>>(E e) {
        bits_ &= ~bit(e);
        return *this;
    }
    constexpr Set operator+(Set o) const { return fromBits(bits_ | o.bits_); }
    constexpr Set operator-(Set o) const { return fromBits(bits_ & ~o.bits_); }
    constexpr Set operator*(Set o) const { return fromBits(bits_ & o.bits_); }
    constexpr Set& operator+=(Set o) {
        bits_ |= o.bits_;
        return *this;
    }
    constexpr Set& operator-=(Set o) {
        bits_ &= ~o.bits_;
        return *this;
    }
    constexpr Set& operator*=(Set o) {
        bits_ &= o.bits_;
        return *this;
    }
    constexpr bool operator==(const Set&) const = default;
    // True when every element of this set is in o.
    constexpr bool operator<=(Set o) const { return (bits_ & ~o.bits_) == 0; }

private:
    static constexpr std::uint64_t bit(E e) { return std::uint64_t(1) << static_cast<unsigned>(e); }
    std::uint64_t bits_ = 0;
};
