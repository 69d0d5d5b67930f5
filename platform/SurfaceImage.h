#pragma once
// The device pixels of a surface and the one gate every write to them passes.
// Open(box) hands out the memory for a box of device pixels: it first makes
// the image this surface's own (the window may share the last frame's pixels,
// copy on write) and marks the box's tiles, so that a kept layer is later put
// back by copying only what was written over it.
//
// The surface takes turns with two images: while the window shows the last
// frame, the next is drawn into the frame before last, so a paint allocates
// nothing. Each image has its own tile marks.

#include "Geometry.h"
#include "TileMarks.h"

#include <QImage>

#include <cstddef>
#include <cstdint>

class TSurfaceImage {
public:
    struct TPixels {
        std::uint32_t* bits;
        std::ptrdiff_t stride;  // in pixels
        [[nodiscard]] std::uint32_t* Row(int y) const { return bits + y * stride; }
    };

    TSurfaceImage() = default;
    TSurfaceImage(const TSurfaceImage&) = delete;
    TSurfaceImage& operator=(const TSurfaceImage&) = delete;

    // A white image of this many device pixels; the layer goes.
    void Reset(int width, int height);
    [[nodiscard]] int Width() const { return m_image.width(); }
    [[nodiscard]] int Height() const { return m_image.height(); }
    [[nodiscard]] TRect Bounds() const { return {0, 0, m_image.width(), m_image.height()}; }
    [[nodiscard]] const QImage& Image() const { return m_image; }
    [[nodiscard]] const std::uint32_t* Row(int y) const {
        return reinterpret_cast<const std::uint32_t*>(m_image.constScanLine(y));
    }

    // The gate: box (device pixels inside the image) is about to be written.
    TPixels Open(const TRect& box);
    // Every pixel is about to be written: an image shared with another
    // surface is left to it, without copying it first.
    void Replace();
    // The pixels of source become this image's, shared until either side writes.
    void Share(const QImage& source);

    // The layer: KeepLayer copies the image as it stands, PutLayerBack brings
    // those pixels back (false when none are kept).
    void KeepLayer();
    bool PutLayerBack();
    void DropLayer() { m_layer = QImage(); }
    // Off: putting the layer back copies every pixel.
    void SetTileMarks(bool on);

private:
    void TakeSpare();

    QImage m_image, m_spare, m_layer;
    TTileMarks m_marks, m_spareMarks;
    bool m_useMarks = true;
};
