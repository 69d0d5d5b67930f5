#pragma once
// The drawn pictures. Every shape is placed in a fixed design box and scaled to
// the wanted size, so the icons share the logo's motif.

#include <QImage>

QImage DrawPromo();              // 125 x 105, opaque
QImage DrawLogo();               // 75 x 75, opaque
QImage DrawGlyph();              // 32 x 32 with alpha
QImage DrawIcon(int size);       // size x size with alpha
