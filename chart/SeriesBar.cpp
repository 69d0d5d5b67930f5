#include "SeriesBar.h"

#include "ChartEngine.h"
#include "Errors.h"
#include "SeriesBarMath.h"

#include <algorithm>
#include <cstdlib>

// ---- TCustomBarSeries: settings ----

TCustomBarSeries::TCustomBarSeries() {
    Marks().SetVisible(true);
    Marks().SetArrowLength(20);
    YValues().SetName("Bar");
    YValues().SetOrder(TChartListOrder::loNone);
}

bool TCustomBarSeries::ClassIncludes(const TChartSeries& other) const {
    return dynamic_cast<const TCustomBarSeries*>(&other) != nullptr;
}

template <class F>
void TCustomBarSeries::ForEachSameKind(F&& f) {
    if (!ParentChart()) {
        f(*this);
        return;
    }
    for (TChartSeries* s : ParentChart()->SeriesList()) {
        auto* bar = dynamic_cast<TCustomBarSeries*>(s);
        if (bar && IsSameKind(*bar))
            f(*bar);
    }
}

void TCustomBarSeries::SetAutoBarSize(bool value) {
    if (AssignChanged(m_autoBarSize, value))
        RequestRepaint();
}

void TCustomBarSeries::SetAutoMarkPosition(bool value) {
    if (AssignChanged(m_autoMarkPosition, value))
        RequestRepaint();
}

void TCustomBarSeries::SetBarStyle(TBarStyle value) {
    if (AssignChanged(m_barStyle, value))
        RequestRepaint();
}

void TCustomBarSeries::SetBarWidthPercent(int value) {
    if (value < 1 || value > 100)
        throw BarException("Bar Width Percent must be between 1 and 100");
    if (AssignChanged(m_barWidthPercent, value))
        RequestRepaint();
}

void TCustomBarSeries::SetDark3D(bool value) {
    if (AssignChanged(m_dark3D, value))
        RequestRepaint();
}

void TCustomBarSeries::SetMultiBar(TMultiBar value) {
    if (value == m_multiBar)
        return;
    m_multiBar = value;
    ForEachSameKind([value](TCustomBarSeries& s) { s.m_multiBar = value; });
    RequestRepaint();
}

void TCustomBarSeries::SetOffsetPercent(int value) {
    if (value < -100 || value > 100)
        throw BarException("Bar Offset Percent must be between -100% and 100%");
    if (AssignChanged(m_offsetPercent, value))
        RequestRepaint();
}

void TCustomBarSeries::SetSideMargins(bool value) {
    // Copied to the other bars even when this one has it already, so setting
    // it once brings every bar of the chart to one value.
    bool changed = AssignChanged(m_sideMargins, value);
    ForEachSameKind([&](TCustomBarSeries& s) { changed = AssignChanged(s.m_sideMargins, value) || changed; });
    if (changed)
        RequestRepaint();
}

void TCustomBarSeries::SetUseYOrigin(bool value) {
    if (AssignChanged(m_useYOrigin, value))
        RequestRepaint();
}

void TCustomBarSeries::SetYOrigin(double value) {
    if (AssignChanged(m_yOrigin, value))
        RequestRepaint();
}

void TCustomBarSeries::SetCustomBarWidth(int value) {
    CheckPixels<BarException>(value, "Custom Bar Width");
    if (AssignChanged(m_customBarWidth, value))
        RequestRepaint();
}

// ---- TCustomBarSeries: width and placement ----

void TCustomBarSeries::WidthBasis(int& points, int& sideBySide) const {
    points = PointCount();
    sideBySide = 1;
    const TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return;
    if (m_multiBar == TMultiBar::mbSide) {
        sideBySide = 0;
        points = -1;
        for (const TChartSeries* s : chart->SeriesList()) {
            if (s->Active() && IsSameKind(*s)) {
                ++sideBySide;
                points = std::max(points, s->PointCount());
            }
        }
    }
    if (chart->MaxPointsPerPage() > 0)
        points = chart->MaxPointsPerPage();
}

int TCustomBarSeries::SideBySideCount() const {
    if (m_multiBar != TMultiBar::mbSide)
        return 1;
    int points = 0, sideBySide = 1;
    WidthBasis(points, sideBySide);
    return sideBySide;
}

int TCustomBarSeries::BarRank() const {
    int rank = 1;
    if (!ParentChart())
        return rank;
    for (const TChartSeries* s : ParentChart()->SeriesList()) {
        if (s == this)
            break;
        if (s->Active() && IsSameKind(*s))
            ++rank;
    }
    return rank;
}

void TCustomBarSeries::ComputeBarWidth() const {
    TBarWidthInput in;
    in.CustomBarWidth = m_customBarWidth;
    WidthBasis(in.PointCount, in.SideBySideCount);
    if (const TChartAxis* axis = ResolvedHorizAxis()) {
        in.PixelLength = axis->PixelLength();
        in.AxisMinimum = axis->Minimum();
        in.AxisMaximum = axis->Maximum();
    }
    in.BarWidthPercent = m_barWidthPercent;
    in.SideMargins = m_sideMargins;
    in.AutoBarSize = m_autoBarSize;
    m_barPixelWidth = ::ComputeBarWidth(in);
}

TBarStyle TCustomBarSeries::BarStyleFor(int index) {
    TBarStyle style = m_barStyle;
    if (OnGetBarStyle)
        OnGetBarStyle(*this, index, style);
    return style;
}

// ---- TCustomBarSeries: painting ----

TColor TCustomBarSeries::BarBackColor() const {
    if (m_barBrush.Color() != clDefault)
        return m_barBrush.Color();
    return ParentChart() ? ParentChart()->Color() : clWhite;
}

void TCustomBarSeries::ApplyBarPenBrush(TColor color) {
    TCustomAxisPanel* chart = ParentChart();
    TChartCanvas& canvas = chart->Canvas();
    canvas.UseChartPen(m_barPen);
    if (m_barBrush.HasBitmap()) {
        canvas.Brush().SetBitmap(m_barBrush.Bitmap());
        return;
    }
    if (canvas.Brush().Bitmap())
        canvas.Brush().SetBitmap(nullptr);
    chart->SetCanvasBrush(color, m_barBrush.Style(), BarBackColor());
}

void TCustomBarSeries::PaintBarRectangle(TColor color, int left, int top, int right, int bottom) {
    TChartCanvas& canvas = ParentChart()->Canvas();
    auto penInBarColor = [&canvas, color] {
        canvas.Pen().SetColor(color);
        if (canvas.Pen().Style() == psClear)
            canvas.Pen().SetStyle(psSolid);
    };
    if (m_barBrush.Style() == bsSolid) {
        if (left == right || top == bottom) {
            penInBarColor();
            canvas.DrawSegment(left, top, right, bottom);
        } else {
            const int penWidth = canvas.Pen().Width();
            if (penWidth > std::abs(right - left) || penWidth > std::abs(bottom - top)) {
                penInBarColor();
                canvas.Brush().SetStyle(bsClear);
            }
        }
    }
    canvas.DrawBox(left, top, right, bottom);
}

void TCustomBarSeries::PrepareLegendPaint(int /*entry*/, TColor& back, TBrushStyle& style) {
    if (ParentChart())
        ParentChart()->Canvas().UseChartPen(m_barPen);
    style = m_barBrush.Style();
    back = BarBackColor();
}

void TCustomBarSeries::DrawLegendBox(int entry, TRect rect) {
    if (ParentChart() && m_barBrush.HasBitmap())
        ParentChart()->Canvas().Brush().SetBitmap(m_barBrush.Bitmap());
    TChartSeries::DrawLegendBox(entry, rect);
}

int TCustomBarSeries::PointAt(int x, int y) const {
    if (FirstVisible() < 0)
        return -1;
    for (int i = FirstVisible(); i <= LastVisible(); ++i) {
        if (BarHit(i, {x, y}))
            return i;
    }
    return -1;
}

// ---- TBarSeries ----

bool TBarSeries::ClassIncludes(const TChartSeries& other) const {
    return dynamic_cast<const TBarSeries*>(&other) != nullptr;
}

double TBarSeries::StackedTop(int index) const {
    const double y = PointY(index);
    switch (MultiBar()) {
    case TMultiBar::mbStacked:
        return y + BaseValue(index, false);
    case TMultiBar::mbStacked100: {
        const double total = BaseValue(index, true);
        return total == 0 ? 0 : (y + BaseValue(index, false)) * 100.0 / total;
    }
    default:
        return y;
    }
}

double TBarSeries::StackedBase(int index) const {
    switch (MultiBar()) {
    case TMultiBar::mbStacked:
        return BaseValue(index, false);
    case TMultiBar::mbStacked100: {
        const double total = BaseValue(index, true);
        return total == 0 ? 0 : BaseValue(index, false) * 100.0 / total;
    }
    default:
        return YOrigin();
    }
}

double TBarSeries::HighestY() const {
    if (MultiBar() == TMultiBar::mbStacked100)
        return 100;
    double result = YValues().Largest();
    if (MultiBar() == TMultiBar::mbStacked) {
        for (int i = 0; i < PointCount(); ++i)
            result = std::max(result, PointY(i) + BaseValue(i, false));
    }
    if (UseYOrigin() && result < YOrigin())
        result = YOrigin();
    return result;
}

double TBarSeries::LowestY() const {
    if (MultiBar() == TMultiBar::mbStacked100)
        return 0;
    double result = YValues().Smallest();
    if (UseYOrigin() && result > YOrigin())
        result = YOrigin();
    return result;
}

int TBarSeries::ScreenX(int index) const {
    const TChartAxis* axis = ResolvedHorizAxis();
    if (!axis)
        return 0;
    const bool side = MultiBar() == TMultiBar::mbSide;
    return axis->ValueToPixel(PointX(index)) +
           BarScreenXOffset(side, side ? BarRank() : 1, SideBySideCount(), BarPixelWidth(), OffsetPercent());
}

int TBarSeries::ScreenY(int index) const {
    const TChartAxis* axis = ResolvedVertAxis();
    return axis ? axis->ValueToPixel(StackedTop(index)) : 0;
}

int TBarSeries::OriginPixel(int index) const {
    const TChartAxis* axis = ResolvedVertAxis();
    if (!axis)
        return 0;
    if (!UseYOrigin())
        return axis->EndPixel();
    return axis->ValueToPixel(StackedBase(index));
}

bool TBarSeries::PointsForward() const {
    const TChartAxis* axis = ResolvedHorizAxis();
    return !(axis && axis->Inverted());
}

bool TBarSeries::SeriesForward(int /*index*/) const {
    const bool stacked = MultiBar() == TMultiBar::mbStacked || MultiBar() == TMultiBar::mbStacked100;
    const TChartAxis* axis = ResolvedVertAxis();
    return !(stacked && axis && axis->Inverted());
}

void TBarSeries::HorizontalMargins(int& left, int& right) const {
    left = right = 0;
    ComputeBarWidth();
    const int m = BarSideMargin(SideBySideCount(), BarPixelWidth(), SideMargins());
    left += m;
    right += m;
}

int TBarSeries::MarkExtent(int /*index*/) const {
    // The line height of the marks' font.
    if (!ParentChart())
        return std::abs(Marks().Font().Height());
    TChartCanvas& canvas = ParentChart()->Canvas();
    canvas.AssignFont(Marks().Font());
    return canvas.TextLineHeight();
}

void TBarSeries::VerticalMargins(int& top, int& bottom) const {
    top = bottom = 0;
    if (!Marks().Visible() || PointCount() == 0)
        return;
    const int extent = Marks().Extent(MarkExtent(0));
    const TChartAxis* axis = ResolvedVertAxis();
    const bool inverted = axis && axis->Inverted();
    int& below = inverted ? top : bottom;
    int& above = inverted ? bottom : top;
    if (UseYOrigin() && YValues().Smallest() < YOrigin())
        below += extent;
    if (!(UseYOrigin() && YValues().Largest() <= YOrigin()))
        above += extent;
}

void TBarSeries::DrawPointMark(int index, const std::string& text, TPoint /*position*/) {
    if (!ParentChart())
        return;
    // The bar covers the rows from the upper of its two rows to just before the
    // lower one, so the free row above is top - 1 and the one below is bottom.
    const int valueRow = ScreenY(index), originRow = OriginPixel(index);
    const bool below = valueRow > originRow;
    const int centre = ScreenX(index) + BarPixelWidth() / 2;
    Marks().Draw(ParentChart()->Canvas(), index, {centre, valueRow}, text, below);
}

void TBarSeries::DrawPoint(int index) {
    const TColor color = PointColor(index);
    if (color == clNone) {
        SetCurrentBar(CurrentBarRect(), color);
        return;
    }
    const int left = ScreenX(index);
    const TRect rect{left, ScreenY(index), left + BarPixelWidth(), OriginPixel(index)};
    SetCurrentBar(rect, color);
    DrawBar(index, std::min(rect.top, rect.bottom), std::max(rect.top, rect.bottom));
}

void TBarSeries::DrawBar(int index, int top, int bottom) {
    if (!ParentChart())
        return;
    const TColor color = CurrentBarColor();
    const TRect& r = CurrentBarRect();
    ApplyBarPenBrush(color);
    switch (BarStyleFor(index)) {
    case TBarStyle::bsRectGradient: {
        TChartCanvas& canvas = ParentChart()->Canvas();
        canvas.FillGradient({r.left, top, r.right, bottom}, clWhite, TGradientDirection::gdTopBottom, color);
        if (BarPen().Visible()) {
            canvas.Brush().SetStyle(bsClear);
            canvas.DrawBox(r.left, top, r.right, bottom);
        }
        break;
    }
    default:
        // The pyramid, ellipse and arrow shapes are stood in for by the rectangle.
        PaintBarRectangle(color, r.left, r.top, r.right, r.bottom);
        break;
    }
}

bool TBarSeries::BarHit(int index, TPoint p) const {
    const int left = ScreenX(index);
    if (p.x < left || p.x > left + BarPixelWidth())
        return false;
    const int valueRow = ScreenY(index), originRow = OriginPixel(index);
    return p.y >= std::min(valueRow, originRow) && p.y <= std::max(valueRow, originRow);
}
