#pragma once
// What the drawing surface tests share.

#include "DrawSurface.h"

// The colour a surface is filled with before a test draws on it.
inline constexpr TColor kMarker = 0x123456;

inline TDrawSurface& Filled(TDrawSurface& s, TColor c = kMarker) {
    s.FillSolid({0, 0, s.Width(), s.Height()}, c);
    return s;
}
