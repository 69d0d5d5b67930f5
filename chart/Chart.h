#pragma once
// The chart unit: walls, titles, legend and the chart control itself.
//
// Only the back wall is painted in a 2D view; the left and bottom walls are
// kept for 3D views, which the charts never show.

#include "ChartAxisPanel.h"
#include "ChartCanvas.h"
#include "ChartEngine.h"
#include "ChartLegend.h"
#include "Basics.h"
#include "Geometry.h"

#include <string>
#include <vector>

class TCustomChartWall : public TStoresProperties {
public:
    TCustomChartWall(TCustomAxisPanel* chart, TColor defaultColor);
    TCustomChartWall(const TCustomChartWall&) = delete;
    TCustomChartWall& operator=(const TCustomChartWall&) = delete;

    [[nodiscard]] TCustomAxisPanel* ParentChart() const { return m_chart; }
    [[nodiscard]] TColor Color() const { return m_color; }
    void SetColor(TColor value) { Store(m_color, value); }
    [[nodiscard]] TColor DefaultColor() const { return m_defaultColor; }
    // Only a colour other than the default is stored with the chart.
    [[nodiscard]] bool IsColorStored() const { return m_color != m_defaultColor; }
    [[nodiscard]] bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool value) { Store(m_dark3D, value); }
    [[nodiscard]] int Size() const { return m_size; }
    // Beyond +-32767, ChartException "Wall Size must be between -32767 and 32767 pixels".
    void SetSize(int value);

    [[nodiscard]] TChartBrush& Brush() { return m_brush; }
    [[nodiscard]] const TChartBrush& Brush() const { return m_brush; }
    [[nodiscard]] TChartPen& Pen() { return m_pen; }
    [[nodiscard]] const TChartPen& Pen() const { return m_pen; }

private:
    void PropertyChanged() override { Repaint(); }
    void Repaint() const;

    TCustomAxisPanel* m_chart;
    TColor m_defaultColor;
    TColor m_color;
    bool m_dark3D = true;
    int m_size = 0;
    TChartBrush m_brush;
    TChartPen m_pen;
};

class TChartWall : public TCustomChartWall {
public:
    using TCustomChartWall::TCustomChartWall;
};

// Base of every chart element that owns a font.
class TChartFontObject : public TStoresProperties {
public:
    explicit TChartFontObject(TCustomAxisPanel* chart);
    TChartFontObject(const TChartFontObject&) = delete;
    TChartFontObject& operator=(const TChartFontObject&) = delete;

    [[nodiscard]] TCustomAxisPanel* ParentChart() const { return m_chart; }
    [[nodiscard]] TChartFont& Font() { return m_font; }
    [[nodiscard]] const TChartFont& Font() const { return m_font; }
    void SetFont(const TChartFont& value) { m_font.Assign(value); }

protected:
    void Repaint() const;
    void PropertyChanged() override { Repaint(); }

private:
    TCustomAxisPanel* m_chart;
    TChartFont m_font;
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
using enum TAlignment;

// The title above the chart rectangle, or the foot below it.
class TChartTitle : public TChartFontObject {
public:
    explicit TChartTitle(TCustomAxisPanel* chart);

    [[nodiscard]] bool Visible() const { return m_visible; }
    void SetVisible(bool value) { Store(m_visible, value); }
    // Lines of text; any assignment repaints.
    [[nodiscard]] const std::vector<std::string>& Text() const { return m_text; }
    void SetText(std::vector<std::string> lines);
    void AddLine(const std::string& line);
    void ClearText();
    [[nodiscard]] TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value) { Store(m_alignment, value); }
    [[nodiscard]] TColor Color() const { return m_color; }
    void SetColor(TColor value) { Store(m_color, value); }
    [[nodiscard]] bool AdjustFrame() const { return m_adjustFrame; }
    void SetAdjustFrame(bool value) { Store(m_adjustFrame, value); }
    [[nodiscard]] TChartBrush& Brush() { return m_brush; }
    [[nodiscard]] const TChartBrush& Brush() const { return m_brush; }
    [[nodiscard]] TChartHiddenPen& Frame() { return m_frame; }
    [[nodiscard]] const TChartHiddenPen& Frame() const { return m_frame; }

private:
    bool m_visible = true;
    std::vector<std::string> m_text;
    TAlignment m_alignment = taCenter;
    TColor m_color = clDefault;
    bool m_adjustFrame = true;
    TChartBrush m_brush;
    TChartHiddenPen m_frame;
};

// Where a title block stands: above the chart rectangle or below it.
enum class TTitlePlace { tpTop, tpBottom };
using enum TTitlePlace;

// Chart rectangle after a title block of n lines of height lineHeight with a
// frame of width frame has taken its room.
[[nodiscard]] TRect ChartRectAfterTitle(const TRect& chartRect, TTitlePlace place, int lines, int lineHeight,
                                        int frame);

class TCustomChart : public TCustomAxisPanel {
public:
    TCustomChart();
    ~TCustomChart() override;

    [[nodiscard]] TChartLegend& Legend() { return *m_legend; }
    [[nodiscard]] const TChartLegend& Legend() const { return *m_legend; }
    [[nodiscard]] TChartTitle& Title() { return *m_title; }
    [[nodiscard]] const TChartTitle& Title() const { return *m_title; }
    [[nodiscard]] TChartTitle& Foot() { return *m_foot; }
    [[nodiscard]] const TChartTitle& Foot() const { return *m_foot; }
    [[nodiscard]] TChartWall& BackWall() { return *m_backWall; }
    [[nodiscard]] const TChartWall& BackWall() const { return *m_backWall; }
    [[nodiscard]] TChartWall& LeftWall() { return *m_leftWall; }
    [[nodiscard]] const TChartWall& LeftWall() const { return *m_leftWall; }
    [[nodiscard]] TChartWall& BottomWall() { return *m_bottomWall; }
    [[nodiscard]] const TChartWall& BottomWall() const { return *m_bottomWall; }
    // The back wall's pen.
    [[nodiscard]] TChartPen& Frame() { return m_backWall->Pen(); }

    // BackWall.Color; writing it with a parent window and outside loading also
    // makes the back wall's brush solid.
    [[nodiscard]] TColor BackColor() const override;
    void SetBackColor(TColor value) override;

    [[nodiscard]] int WallSizeFor(const TChartAxis& axis) const override;

    // Draws a title or the foot and takes its room from the chart rectangle.
    void DrawTitleBlock(TChartTitle& title, TTitlePlace place);

    // The interface language changed DefaultChartFont: every font of the
    // chart, its axes and its series still as `previous` takes the new one.
    void FollowDefaultFont(const TFontData& previous);

protected:
    void DrawTitlesLegend() override;
    void PaintWalls() override;
    [[nodiscard]] int BackWallSize() const override;
    void UseWallStyle(TChartWall& wall);

private:
    std::unique_ptr<TChartTitle> m_title;
    std::unique_ptr<TChartTitle> m_foot;
    std::unique_ptr<TChartWall> m_backWall;
    std::unique_ptr<TChartWall> m_leftWall;
    std::unique_ptr<TChartLegend> m_legend;
    std::unique_ptr<TChartWall> m_bottomWall;
};

class TChart : public TCustomChart {
public:
    TChart() = default;
};
