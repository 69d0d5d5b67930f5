#pragma once
// The surface's own pen, brush and font. Every setter call marks the object
// for selection at the surface's next operation, even when the value is
// equal: selecting a brush sets the background and selecting a font the text
// colour, so selecting the same one again still counts.

#include "DrawTypes.h"

#include <memory>
#include <string>

class TDrawSurface;

template <class TData>
class TDrawObject {
public:
    TDrawObject() = default;
    TDrawObject(const TDrawObject&) = delete;
    TDrawObject& operator=(const TDrawObject&) = delete;

    [[nodiscard]] const TData& Data() const { return m_data; }
    void Assign(const TData& data) { Set(m_data, data); }

protected:
    template <class T>
    void Set(T& field, const T& value) {
        field = value;
        m_changed = true;
    }

    TData m_data;

private:
    friend class TDrawSurface;
    bool m_changed = true;
};

class TPen : public TDrawObject<TPenData> {
public:
    [[nodiscard]] TColor Color() const { return m_data.Color; }
    [[nodiscard]] TPenStyle Style() const { return m_data.Style; }
    [[nodiscard]] int Width() const { return m_data.Width; }
    [[nodiscard]] TPenMode Mode() const { return m_data.Mode; }
    void SetColor(TColor value) { Set(m_data.Color, value); }
    void SetStyle(TPenStyle value) { Set(m_data.Style, value); }
    void SetWidth(int value) { Set(m_data.Width, value); }
    void SetMode(TPenMode value) { Set(m_data.Mode, value); }
};

class TBrush : public TDrawObject<TBrushData> {
public:
    [[nodiscard]] TColor Color() const { return m_data.Color; }
    [[nodiscard]] TBrushStyle Style() const { return m_data.Style; }
    [[nodiscard]] const std::shared_ptr<const TPicture>& Bitmap() const { return m_data.Bitmap; }
    // Also turns bsClear into bsSolid.
    void SetColor(TColor value) {
        Set(m_data.Color, value);
        if (m_data.Style == bsClear)
            m_data.Style = bsSolid;
    }
    void SetStyle(TBrushStyle value) { Set(m_data.Style, value); }
    void SetBitmap(std::shared_ptr<const TPicture> value) { Set(m_data.Bitmap, value); }  // nullptr: none
};

class TFont : public TDrawObject<TFontData> {
public:
    [[nodiscard]] const std::string& Name() const { return m_data.Name; }
    [[nodiscard]] int Height() const { return m_data.Height; }
    [[nodiscard]] int Size() const { return FontSizeOfHeight(m_data.Height, PixelsPerInch()); }
    [[nodiscard]] TColor Color() const { return m_data.Color; }
    [[nodiscard]] TFontStyles Style() const { return m_data.Style; }
    [[nodiscard]] int Charset() const { return m_data.Charset; }
    [[nodiscard]] int Escapement() const { return m_data.Escapement; }
    [[nodiscard]] static constexpr int PixelsPerInch() { return ScreenPixelsPerInch; }
    void SetName(const std::string& value) { Set(m_data.Name, value); }
    void SetHeight(int value) { Set(m_data.Height, value); }
    void SetSize(int points) { SetHeight(FontHeightOfSize(points, PixelsPerInch())); }
    void SetColor(TColor value) { Set(m_data.Color, value); }
    void SetStyle(TFontStyles value) { Set(m_data.Style, value); }
    void SetCharset(int value) { Set(m_data.Charset, value); }
    void SetEscapement(int value) { Set(m_data.Escapement, value); }
};
