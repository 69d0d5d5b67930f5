#include "Chart.h"

#include <algorithm>

// ---------------------------------------------------------------------------
// Walls, font objects, titles

TCustomChartWall::TCustomChartWall(TCustomAxisPanel* chart, TColor defaultColor)
    : m_chart(chart),
      m_defaultColor(defaultColor),
      m_color(defaultColor),
      m_brush(chart ? chart->ChartChangeHandler() : TNotifyHandler{}),
      m_pen(chart ? chart->ChartChangeHandler() : TNotifyHandler{}) {}

void TCustomChartWall::SetSize(int value) {
    CheckPixels<ChartException>(value, "Wall Size");
    Store(m_size, value);
}

void TCustomChartWall::Repaint() const {
    if (m_chart)
        m_chart->InvalidateChart();
}

TChartFontObject::TChartFontObject(TCustomAxisPanel* chart)
    : m_chart(chart), m_font(chart ? chart->ChartChangeHandler() : TNotifyHandler{}) {}

void TChartFontObject::Repaint() const {
    if (m_chart)
        m_chart->InvalidateChart();
}

TChartTitle::TChartTitle(TCustomAxisPanel* chart)
    : TChartFontObject(chart),
      m_brush(chart ? chart->ChartChangeHandler() : TNotifyHandler{}),
      m_frame(chart ? chart->ChartChangeHandler() : TNotifyHandler{}) {
    Font().SetColor(clBlue);
}

void TChartTitle::SetText(std::vector<std::string> lines) {
    m_text = std::move(lines);
    Repaint();
}

void TChartTitle::AddLine(const std::string& line) {
    m_text.push_back(line);
    Repaint();
}

void TChartTitle::ClearText() {
    m_text.clear();
    Repaint();
}

TRect ChartRectAfterTitle(const TRect& chartRect, TTitlePlace place, int lines, int lineHeight, int frame) {
    const int room = lines >= 1 ? frame + lines * lineHeight + frame + 5 : 2 * frame;
    TRect r = chartRect;
    if (place == tpTop)
        r.top += room;
    else
        r.bottom -= room;
    return r;
}

// ---------------------------------------------------------------------------
// TCustomChart

TCustomChart::TCustomChart() {
    SetRepaintEnabled(false);
    m_title = std::make_unique<TChartTitle>(this);
    m_foot = std::make_unique<TChartTitle>(this);
    m_backWall = std::make_unique<TChartWall>(this, clDefault);
    m_backWall->Brush().SetStyle(bsClear);
    m_leftWall = std::make_unique<TChartWall>(this, TColor{8454143});
    m_legend = std::make_unique<TChartLegend>(this);
    m_bottomWall = std::make_unique<TChartWall>(this, clWhite);
    SetRepaintEnabled(true);
}

TCustomChart::~TCustomChart() { SetRepaintEnabled(false); }

TColor TCustomChart::BackColor() const { return m_backWall->Color(); }

void TCustomChart::SetBackColor(TColor value) {
    m_backWall->SetColor(value);
    if (HasParent() && !IsLoading())
        m_backWall->Brush().SetStyle(bsSolid);
}

int TCustomChart::WallSizeFor(const TChartAxis& axis) const {
    if (!View3D() || !View3DWalls())
        return 0;
    if (&axis == LeftAxis())
        return m_leftWall->Size();
    if (&axis == BottomAxis())
        return m_bottomWall->Size();
    return 0;
}

int TCustomChart::BackWallSize() const { return m_backWall->Size(); }

void TCustomChart::DrawTitlesLegend() {
    TChartCanvas3D& canvas = Canvas();
    canvas.BeginFlat();
    m_legend->ResolveLegendStyle();
    const bool legend = m_legend->Visible() &&
                        (ActiveSeriesCount() >= 1 || (m_legend->ShowInactive() && SeriesList().Count() > 0));
    if (!legend)
        m_legend->ForgetDrawnItems();
    const bool legendFirst = legend && m_legend->IsVertical();
    if (legendFirst)
        m_legend->PaintLegend();
    if (m_title->Visible())
        DrawTitleBlock(*m_title, tpTop);
    if (m_foot->Visible())
        DrawTitleBlock(*m_foot, tpBottom);
    if (legend && !legendFirst)
        m_legend->PaintLegend();
    canvas.EndFlat();
}

void TCustomChart::FollowDefaultFont(const TFontData& previous) {
    for (TChartFont* font : {&m_title->Font(), &m_foot->Font(), &m_legend->Font()})
        font->FollowDefault(previous);
    for (int i = 0; i < AxisCount(); ++i) {
        Axis(i)->LabelsFont().FollowDefault(previous);
        Axis(i)->Title().Font().FollowDefault(previous);
    }
    for (TChartSeries* series : SeriesList())
        series->Marks().Font().FollowDefault(previous);
}

void TCustomChart::DrawTitleBlock(TChartTitle& title, TTitlePlace place) {
    if (!title.Visible())
        return;
    TChartCanvas3D& canvas = Canvas();
    const std::vector<std::string>& lines = title.Text();
    const int n = static_cast<int>(lines.size());
    const TChartHiddenPen& frame = title.Frame();
    const int a = frame.Visible() && frame.Color() != clDefault ? frame.Width() : 0;
    if (n == 0 && a == 0)
        return;
    SetCanvasFont(title.Font());
    const int lh = canvas.TextLineHeight();

    const TChartBrush& brush = title.Brush();
    if (title.Color() == clDefault && brush.Style() == bsSolid && brush.Color() != clDefault)
        title.SetColor(brush.Color());
    if (title.Color() != clDefault) {
        if (brush.Style() == bsSolid) {
            canvas.Brush().Assign({title.Color(), bsSolid, nullptr});
        } else {
            canvas.Brush().Assign({brush.Color(), brush.Style(), brush.Bitmap()});
            canvas.SetBackgroundMode(bkOpaque);
            canvas.SetBackgroundColor(title.Color());
        }
    } else if (brush.Style() != bsSolid) {
        canvas.Brush().Assign({brush.Color(), brush.Style(), brush.Bitmap()});
        canvas.SetBackgroundMode(bkTransparent);
    } else {
        canvas.Brush().SetStyle(bsClear);
    }

    const TRect chart = ChartRect();
    TRect r{chart.left + a, 0, chart.right - a, 0};
    if (place == tpTop) {
        r.top = chart.top + a;
        r.bottom = r.top + n * lh;
    } else {
        r.bottom = chart.bottom - a;
        r.top = r.bottom - n * lh;
    }
    if (a > 0)
        canvas.UseChartPen(frame);
    else
        canvas.Pen().SetStyle(psClear);
    r = {r.left - a, r.top - a, r.right + a, r.bottom + a};

    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, canvas.TextWidthOf(line));
    const int wWidth = canvas.TextWidthOf("W");
    if (a > 0 || canvas.Brush().Style() != bsClear) {
        if (title.AdjustFrame()) {
            const int w = widest + wWidth;
            switch (title.Alignment()) {
            case taLeftJustify:
                r.right = r.left + w;
                break;
            case taRightJustify:
                r.left = r.right - w;
                break;
            case taCenter: {
                const int middle = (r.left + r.right) / 2;
                r.left = middle - w / 2;
                r.right = middle + w / 2;
                break;
            }
            }
        }
        canvas.DrawBoxRect(r);
    }

    canvas.SetBackgroundMode(bkTransparent);
    canvas.SetTextAlignment(tfLeft | tfTop);
    for (int i = 0; i < n; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        const int lineWidth = canvas.TextWidthOf(line);
        int x = 0;
        switch (title.Alignment()) {
        case taLeftJustify:
            x = chart.left + a + wWidth / 2;
            break;
        case taRightJustify:
            x = chart.right - a - lineWidth - wWidth / 2;
            break;
        case taCenter:
            x = (chart.left + chart.right) / 2 - lineWidth / 2;
            break;
        }
        const int y = place == tpTop ? chart.top + a + i * lh : chart.bottom - a - (n - i) * lh;
        canvas.DrawString(x, y, line);
    }

    SetChartRect(ChartRectAfterTitle(chart, place, n, lh, a));
}

void TCustomChart::UseWallStyle(TChartWall& wall) {
    TChartCanvas3D& canvas = Canvas();
    canvas.UseChartPen(wall.Pen());
    if (wall.Brush().HasBitmap()) {
        canvas.Brush().SetBitmap(wall.Brush().Bitmap());
        return;
    }
    canvas.Brush().SetBitmap(nullptr);
    if (wall.Color() == clDefault && wall.Brush().Style() == bsSolid) {
        canvas.Brush().SetStyle(bsClear);
        return;
    }
    SetCanvasBrush(wall.Color(), wall.Brush().Style(), wall.Brush().Color());
}

void TCustomChart::PaintWalls() {
    TChartCanvas3D& canvas = Canvas();
    const TRect chart = ChartRect();
    const bool walls3D = View3D() && View3DWalls();
    UseWallStyle(*m_backWall);
    if (!View3D())
        canvas.DrawBox(chart.left, chart.top, chart.right + 1, chart.bottom + 1);
    else if (walls3D)
        canvas.DrawBoxAt({chart.left, chart.top, chart.right + 1, chart.bottom + 1}, Width3D(),
                         Width3D() + m_backWall->Size());

    if (!BackImage().Empty() && BackImageInside()) {
        TRect r = chart;
        if (m_backWall->Pen().Visible()) {
            ++r.top;
            --r.bottom;
        }
        PlaceBackImage(r, Width3D());
    }

    if (walls3D) {
        // Front-facing stand-ins for the side planes: 3D views are not shown by the charts.
        const int left = std::max(m_leftWall->Size(), 1);
        UseWallStyle(*m_leftWall);
        canvas.DrawBoxAt({chart.left - left, chart.top, chart.left, chart.bottom + 1}, 0, Width3D());
        const int bottom = std::max(m_bottomWall->Size(), 1);
        UseWallStyle(*m_bottomWall);
        canvas.DrawBoxAt({chart.left, chart.bottom + 1, chart.right + 1, chart.bottom + 1 + bottom}, 0, Width3D());
    }
}
