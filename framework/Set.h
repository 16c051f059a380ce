#pragma once
// A small set over an enumeration whose values run from 0 up to 31, as
// property types like border icons, font styles and shift states need.

#include <cstdint>
#include <initializer_list>

template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items)
    {
        for (E item : items)
            FBits |= Bit(item);
    }

    static constexpr TSet FromBits(uint32_t bits)
    {
        TSet result;
        result.FBits = bits;
        return result;
    }
    constexpr uint32_t ToBits() const { return FBits; }

    constexpr bool Contains(E item) const { return (FBits & Bit(item)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }

    TSet& Include(E item)
    {
        FBits |= Bit(item);
        return *this;
    }
    TSet& Exclude(E item)
    {
        FBits &= ~Bit(item);
        return *this;
    }

    constexpr TSet operator+(TSet other) const { return FromBits(FBits | other.FBits); }
    constexpr TSet operator-(TSet other) const { return FromBits(FBits & ~other.FBits); }
    constexpr TSet operator*(TSet other) const { return FromBits(FBits & other.FBits); }
    constexpr TSet operator+(E item) const { return FromBits(FBits | Bit(item)); }
    constexpr TSet operator-(E item) const { return FromBits(FBits & ~Bit(item)); }
    constexpr bool operator==(TSet other) const { return FBits == other.FBits; }
    constexpr bool operator!=(TSet other) const { return FBits != other.FBits; }

private:
    static constexpr uint32_t Bit(E item) { return uint32_t(1) << static_cast<unsigned>(item); }
    uint32_t FBits = 0;
};
