#include "SeriesLine.h"

#include "ChartEngine.h"
#include "Errors.h"

#include <algorithm>

namespace {

// Pixels beyond this are left out rather than handed to the drawing service.
constexpr int PixelLimit = 32767;

bool OnScreen(int x, int y) {
    return x > -PixelLimit && x < PixelLimit && y > -PixelLimit && y < PixelLimit;
}

}  // namespace

// ---- TSeriesPointer ----

TSeriesPointer::TSeriesPointer(TChartSeries* owner) : m_owner(owner) {}

void TSeriesPointer::Changed() const {
    if (m_owner)
        m_owner->StyleChanged();
}

void TSeriesPointer::SetDark3D(bool value) {
    if (AssignChanged(m_dark3D, value))
        Changed();
}

void TSeriesPointer::SetDraw3D(bool value) {
    if (AssignChanged(m_draw3D, value))
        Changed();
}

void TSeriesPointer::SetHorizSize(int value) {
    if (value < 1)
        throw ChartException("Pointer size must be greater than zero");
    CheckPixels<ChartException>(value, "Pointer size");
    if (AssignChanged(m_horizSize, value))
        Changed();
}

void TSeriesPointer::SetInflateMargins(bool value) {
    if (AssignChanged(m_inflateMargins, value))
        Changed();
}

void TSeriesPointer::SetStyle(TSeriesPointerStyle value) {
    if (AssignChanged(m_style, value))
        Changed();
}

void TSeriesPointer::SetVertSize(int value) {
    if (value < 1)
        throw ChartException("Pointer size must be greater than zero");
    CheckPixels<ChartException>(value, "Pointer size");
    if (AssignChanged(m_vertSize, value))
        Changed();
}

void TSeriesPointer::SetVisible(bool value) {
    if (AssignChanged(m_visible, value))
        Changed();
}

void TSeriesPointer::Draw(TChartCanvas& canvas, int x, int y, TColor color, int horiz, int vert) const {
    canvas.UseChartPen(m_pen);
    canvas.Brush().SetBitmap(nullptr);
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(m_brush.Style());
    switch (m_style) {
    case TSeriesPointerStyle::psSmallDot:
        canvas.PutPixel(x, y, color);
        break;
    case TSeriesPointerStyle::psCross:
        canvas.Pen().SetColor(color);
        canvas.DrawHorizontal(x - horiz, x + horiz + 1, y);
        canvas.DrawVertical(x, y - vert, y + vert + 1);
        break;
    case TSeriesPointerStyle::psDiagCross:
        canvas.Pen().SetColor(color);
        canvas.DrawSegment(x - horiz, y - vert, x + horiz + 1, y + vert + 1);
        canvas.DrawSegment(x - horiz, y + vert, x + horiz + 1, y - vert - 1);
        break;
    default:
        // The remaining shapes are drawn as their bounding square.
        canvas.DrawBox(x - horiz, y - vert, x + horiz + 1, y + vert + 1);
        break;
    }
}

// ---- TCustomSeries: settings ----

TCustomSeries::TCustomSeries() {
    SetDrawBetween(true);
}

bool TCustomSeries::ClassIncludes(const TChartSeries& other) const {
    return dynamic_cast<const TCustomSeries*>(&other) != nullptr;
}

void TCustomSeries::SetStairs(bool value) {
    if (AssignChanged(m_stairs, value))
        RequestRepaint();
}

void TCustomSeries::SetInvertedStairs(bool value) {
    if (AssignChanged(m_invertedStairs, value))
        RequestRepaint();
}

void TCustomSeries::SetLineHeight(int value) {
    CheckPixels<ChartException>(value, "Line Height");
    if (AssignChanged(m_lineHeight, value))
        RequestRepaint();
}

void TCustomSeries::SetLineBrush(TBrushStyle value) {
    if (AssignChanged(m_lineBrush, value))
        RequestRepaint();
}

void TCustomSeries::SetDark3D(bool value) {
    if (AssignChanged(m_dark3D, value))
        RequestRepaint();
}

// ---- TCustomSeries: drawing ----

void TCustomSeries::PrepareLinePen(TChartCanvas& canvas, TColor color) const {
    canvas.UseChartPen(m_linePen);
    canvas.Brush().SetStyle(bsClear);
    canvas.Pen().SetColor(color);
}

void TCustomSeries::DrawSegmentTo(TChartCanvas& canvas, int x, int y, TColor color) const {
    if ((x == m_oldX && y == m_oldY) || color == clNone)
        return;
    PrepareLinePen(canvas, color);
    if (!m_stairs) {
        canvas.DrawSegment(m_oldX, m_oldY, x, y);
    } else if (m_invertedStairs) {
        canvas.DrawVertical(m_oldX, m_oldY, y);
        canvas.DrawLineTo(x, y);
    } else {
        canvas.DrawHorizontal(m_oldX, x, m_oldY);
        canvas.DrawLineTo(x, y);
    }
}

int TCustomSeries::EntryY(int index, int edgeX) const {
    const TChartAxis* horiz = ResolvedHorizAxis();
    const TChartAxis* vert = ResolvedVertAxis();
    const double x0 = PointX(index - 1), x1 = PointX(index);
    if (!horiz || !vert || x0 == x1)
        return ScreenY(index - 1);
    const double y0 = PointY(index - 1), y1 = PointY(index);
    const double edgeValue = horiz->PixelToValue(edgeX);
    return vert->ValueToPixel(y0 + (y1 - y0) * (edgeValue - x0) / (x1 - x0));
}

void TCustomSeries::DrawPoints() {
    m_oldX = m_oldY = 0;
    m_oldIndex = -1;
    m_oldColor = clNone;
    TChartSeries::DrawPoints();
}

void TCustomSeries::DrawPoint(int index) {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return;
    TChartCanvas& canvas = chart->Canvas();
    const TColor color = PointColor(index);
    const int x = ScreenX(index);
    const int y = ScreenY(index);
    if (!OnScreen(x, y)) {
        m_oldColor = color;
        return;
    }

    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(color);
    if (m_oldColor == clNone) {
        m_oldX = x;
        m_oldY = y;
        m_oldIndex = index;
    }

    const bool pointer = m_pointer.Visible();
    if (index == FirstVisible()) {
        // Earlier points lie outside the view: the line enters at the chart's edge.
        if (index > 0) {
            const TChartAxis* horiz = ResolvedHorizAxis();
            const TRect& r = chart->ChartRect();
            m_oldX = horiz && horiz->Inverted() ? r.right : r.left;
            m_oldY = m_stairs ? ScreenY(index - 1) : EntryY(index, m_oldX);
            if (PointColor(index - 1) != clNone)
                DrawSegmentTo(canvas, x, y, color);
        }
        if (pointer && index == LastVisible() && color != clNone && PointerAt(index))
            m_pointer.Draw(canvas, x, y, color);
    } else {
        DrawSegmentTo(canvas, x, y, color);
        if (pointer) {
            if (m_oldColor != clNone && PointerAt(m_oldIndex))
                m_pointer.Draw(canvas, m_oldX, m_oldY, m_oldColor);
            if (index == LastVisible() && color != clNone && PointerAt(index))
                m_pointer.Draw(canvas, x, y, color);
        }
    }
    m_oldX = x;
    m_oldY = y;
    m_oldIndex = index;
    m_oldColor = color;
}

void TCustomSeries::HorizontalMargins(int& left, int& right) const {
    left = right = 0;
    if (m_pointer.Visible() && m_pointer.InflateMargins())
        left = right = m_pointer.HorizSize() + 1;
    if (m_stairs) {
        left = std::max(left, m_linePen.Width());
        right = std::max(right, m_linePen.Width());
    }
}

void TCustomSeries::VerticalMargins(int& top, int& bottom) const {
    top = bottom = 0;
    if (m_pointer.Visible() && m_pointer.InflateMargins())
        top = bottom = m_pointer.VertSize() + 1;
    if (m_stairs) {
        top = std::max(top, m_linePen.Width());
        bottom = std::max(bottom, m_linePen.Width() + 1);
    }
    if (m_lineHeight > 0 && bottom < m_lineHeight)
        bottom = m_lineHeight;
}

// ---- TCustomSeries: legend ----

void TCustomSeries::PrepareLegendPaint(int /*entry*/, TColor& /*back*/, TBrushStyle& style) {
    if (ParentChart())
        ParentChart()->Canvas().UseChartPen(m_linePen);
    style = m_lineBrush;
}

void TCustomSeries::DrawLegendSymbol(int entry, TRect rect) {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return;
    const TColor color = entry == -1 ? SeriesColor() : PointColor(entry);
    if (color == clNone)
        return;
    TChartCanvas& canvas = chart->Canvas();
    auto stroke = [&] {
        PrepareLinePen(canvas, color);
        if (chart->View3D()) {
            canvas.Brush().SetColor(color);
            canvas.Brush().SetStyle(m_lineBrush);
            canvas.DrawBoxRect(rect);
        } else {
            canvas.DrawHorizontal(rect.left, rect.right, (rect.top + rect.bottom) / 2);
        }
    };

    if (m_pointer.Visible()) {
        if (m_drawLines)
            stroke();
        const int w = RectWidth(rect), h = RectHeight(rect);
        const int horiz = m_linePen.Visible() ? w / 3 : w / 2 + 1;
        const int vert = m_linePen.Visible() ? h / 3 : h / 2 + 1;
        const TPoint centre = RectCenter(rect);
        m_pointer.Draw(canvas, centre.x, centre.y, color, std::min(m_pointer.HorizSize(), horiz),
                       std::min(m_pointer.VertSize(), vert));
    } else if (m_drawLines && !m_drawArea) {
        stroke();
    } else {
        TChartSeries::DrawLegendSymbol(entry, rect);
    }
}

// ---- TLineSeries ----

TLineSeries::TLineSeries() {
    Pointer().SetVisible(false);
}

bool TLineSeries::ClassIncludes(const TChartSeries& other) const {
    return dynamic_cast<const TLineSeries*>(&other) != nullptr;
}
