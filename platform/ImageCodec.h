#pragma once
// Decoders for the program's pictures. Both return a null QImage for anything
// they refuse (corrupt, truncated or unsupported data); they never throw, abort
// or read outside the given bytes.

#include <QByteArray>
#include <QImage>

// Baseline or progressive JPEG, colour or greyscale, as Format_RGB32. Warnings
// of the decoder (such as data ending early) count as corruption.
[[nodiscard]] QImage DecodeJpeg(const QByteArray& data);

// A BMP file holding an uncompressed 24-bit device-independent bitmap (BI_RGB,
// rows bottom-up or top-down, each padded to 4 bytes), as Format_RGB32.
[[nodiscard]] QImage ReadDib(const QByteArray& data);
