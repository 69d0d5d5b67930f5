#pragma once
// Colours and the rounding rules shared by every layer.
//
// Round is to the nearest integer with halves to the even neighbour, Trunc cuts
// toward zero and MulDiv rounds halves away from zero with a 64-bit intermediate.
// Callers make sure the value fits an int before rounding: nothing here may
// convert a NaN or an infinity.

#include <cmath>
#include <cstdint>
#include <ostream>
#include <type_traits>

using TColor = std::int32_t;  // 0x00BBGGRR, or one of the special values below

inline constexpr TColor clBlack = 0;
inline constexpr TColor clMaroon = 128;
inline constexpr TColor clGreen = 32768;
inline constexpr TColor clOlive = 32896;
inline constexpr TColor clNavy = 8388608;
inline constexpr TColor clPurple = 8388736;
inline constexpr TColor clTeal = 8421376;
inline constexpr TColor clGray = 8421504;
inline constexpr TColor clSilver = 12632256;
inline constexpr TColor clRed = 255;
inline constexpr TColor clLime = 65280;
inline constexpr TColor clYellow = 65535;
inline constexpr TColor clBlue = 16711680;
inline constexpr TColor clFuchsia = 16711935;
inline constexpr TColor clAqua = 16776960;
inline constexpr TColor clWhite = 16777215;

// The object has no colour of its own; as a point colour: use the series colour.
inline constexpr TColor clDefault = 0x20000000;
// Marks a null point: stored, but neither drawn nor shown in the legend.
inline constexpr TColor clNone = 0x1FFFFFFF;

// System colours carry the top bit and an index; they are resolved from the
// application palette when they reach the drawing surface.
inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;

[[nodiscard]] constexpr bool IsSystemColor(TColor c) { return (c & clSystemColor) != 0; }
[[nodiscard]] constexpr int RedOf(TColor c) { return c & 0xFF; }
[[nodiscard]] constexpr int GreenOf(TColor c) { return (c >> 8) & 0xFF; }
[[nodiscard]] constexpr int BlueOf(TColor c) { return (c >> 16) & 0xFF; }
[[nodiscard]] constexpr TColor RGBColor(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// Half-to-even (the default floating-point rounding mode).
[[nodiscard]] inline long long RoundLL(long double v) { return std::llrint(v); }
[[nodiscard]] inline int Round(long double v) { return static_cast<int>(std::llrint(v)); }
[[nodiscard]] inline int Round(double v) { return static_cast<int>(std::llrint(v)); }
[[nodiscard]] inline int Trunc(double v) { return static_cast<int>(v); }

// a * b / c rounded to nearest, halves away from zero; -1 when c is 0.
[[nodiscard]] constexpr int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    std::int64_t p = static_cast<std::int64_t>(a) * b;
    bool negative = (p < 0) != (c < 0);
    std::int64_t ap = p < 0 ? -p : p;
    std::int64_t ac = c < 0 ? -static_cast<std::int64_t>(c) : c;
    std::int64_t q = (ap + ac / 2) / ac;
    return static_cast<int>(negative ? -q : q);
}

// Gives field the value and answers whether that changed it: setters notify
// and repaint only on a real change.
template <class T>
[[nodiscard]] constexpr bool AssignChanged(T& field, const std::type_identity_t<T>& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

// A class with stored properties: their setters Store the value, and the
// class hears through PropertyChanged() only of a real change, so setting the
// current value never notifies or repaints.
class TStoresProperties {
public:
    virtual ~TStoresProperties() = default;

protected:
    template <class T>
    bool Store(T& field, const std::type_identity_t<T>& value) {
        if (!AssignChanged(field, value))
            return false;
        PropertyChanged();
        return true;
    }
    virtual void PropertyChanged() = 0;
};
