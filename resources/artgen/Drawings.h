#pragma once
// The drawn pictures. Every shape is placed in a fixed design box and scaled to
// the wanted size, so the icons share the logo's motif.

#include <QByteArray>
#include <QImage>

// `scale` multiplies the size for high-density screens; the design is the same.
QImage DrawPromo(int scale = 1);  // 125 x 105, opaque
QImage DrawLogo(int scale = 1);   // 75 x 75, opaque
QImage DrawGlyph(int scale = 1);  // 32 x 32 with alpha
QImage DrawIcon(int size);        // size x size with alpha
QByteArray DrawIconSvg();         // the icon of 256 pixels as an SVG document
