#pragma once
// A paint device that writes what a QPainter draws on it as an SVG document, so
// that the scalable icon comes from the same drawing code as the pixel icons.
// It writes what the artwork uses: paths, rectangles and ellipses, filled and
// stroked with plain colours or linear and radial gradients, under any affine
// transform and clip, and text as glyph outlines. Anything else (pictures,
// dashes, cosmetic pens, blend modes) fails the document instead of being
// drawn differently.

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>

#include <memory>

class SvgPaintEngine;

class SvgPicture final : public QPaintDevice {
public:
    explicit SvgPicture(QSize size);
    ~SvgPicture() override;
    SvgPicture(const SvgPicture&) = delete;
    SvgPicture& operator=(const SvgPicture&) = delete;

    [[nodiscard]] QPaintEngine* paintEngine() const override;
    // The whole document; empty when something drawn could not be written.
    [[nodiscard]] QByteArray Document() const;

protected:
    [[nodiscard]] int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    std::unique_ptr<SvgPaintEngine> m_engine;
};
