#pragma once
// The pictures drawn at build time and embedded in bio_resources.
//
// bio_resources is a static library, so its resources are registered only when
// InitArtwork() has run; call it once before opening any of the paths below
// (calling it again is harmless).

#include <QString>

inline constexpr const char* kArtPromo = ":/art/promo.jpg";            // JPEG 125 x 105
inline constexpr const char* kArtLogo = ":/art/logo.jpg";              // JPEG 75 x 75
inline constexpr const char* kArtBackToday = ":/art/backtoday.bmp";    // 24-bit DIB 681 x 338
inline constexpr const char* kArtBack4Weeks = ":/art/back4weeks.bmp";  // 24-bit DIB 715 x 338
inline constexpr const char* kArtGlyph = ":/art/glyph.png";            // 32 x 32 with alpha
inline constexpr const char* kArtIcon16 = ":/art/icon16.png";
inline constexpr const char* kArtIcon32 = ":/art/icon32.png";
inline constexpr const char* kArtIcon48 = ":/art/icon48.png";
inline constexpr const char* kArtIcon256 = ":/art/icon256.png";

// Every icon size drawn, smallest first; ArtIconPath names the file of one.
inline constexpr int kArtIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
// The banner pictures and the glyph exist at these scales as well, named as
// Qt names high-density variants ("promo@2x.jpg").
inline constexpr int kArtScales[] = {2, 3};
// The back images' size, shared with the generator, so that a chart knows it
// before the picture is decoded.
inline constexpr int kArtBackTodayWidth = 681;
inline constexpr int kArtBack4WeeksWidth = 715;
inline constexpr int kArtBackHeight = 338;

void InitArtwork();

[[nodiscard]] QString ArtIconPath(int size);
// The variant of `path` drawn at `scale` times its size; `path` itself for 1.
[[nodiscard]] QString ArtScaledPath(const char* path, int scale);
