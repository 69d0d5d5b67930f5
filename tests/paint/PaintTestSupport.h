#pragma once
// The window's two charts filled with a week of rotating data sets, for tests
// that paint them over and over.

#include "Chart.h"
#include "ChartSetup.h"
#include "Series.h"
#include "SurfaceTestSupport.h"

#include <QImage>

#include <cmath>
#include <cstring>
#include <numbers>

struct PaintedChart {
    TChart chart;

    explicit PaintedChart(bool fourWeek, int width = 776, int height = 391) {
        chart.SetBounds(0, 0, width, height);
        if (fourWeek)
            ConfigureFourWeekChart(chart);
        else
            ConfigureTodayChart(chart);
        m_fourWeek = fourWeek;
        Fill(0);
    }

    // Data set `shift`: every series emptied and refilled as a calculation does.
    void Fill(int shift) { Fill(shift, 40200 + shift); }
    // Other values on the days of data set 0: the date labels stay.
    void FillSameDays(int shift) { Fill(shift, 40200); }

    void Fill(int shift, double firstDay) {
        static const char* const labels[8] = {"Physical", "Emotional", "Intellectual", "Spiritual",
                                              "Awareness", "Aesthetic", "Intuition", "Average"};
        static const TColor colours[8] = {clRed, clGreen, clBlue, clPurple, clTeal, clFuchsia, clOlive, clGray};
        static const int periods[7] = {23, 28, 33, 53, 48, 43, 38};
        auto score = [&](int day, int c) {
            return static_cast<int>(std::lround(100 * std::sin(2 * std::numbers::pi * (day + shift) / periods[c])));
        };
        const auto& list = chart.SeriesList();
        if (!m_fourWeek) {
            list[0]->ClearPoints();
            for (int i = 0; i < 8; ++i)
                list[0]->AppendPoint(i < 7 ? score(0, i) : (score(0, 0) + score(0, 1)) / 2, labels[i], colours[i]);
            return;
        }
        for (TChartSeries* s : list)
            s->ClearPoints();
        for (int day = 0; day < 30; ++day) {
            int sum = 0;
            for (int c = 0; c < 7; ++c) {
                sum += score(day, c);
                list[static_cast<std::size_t>(c + 1)]->AddPoint(firstDay + day, score(day, c));
            }
            list[0]->AddPoint(firstDay + day, std::lround(sum / 7.0));
        }
    }

private:
    bool m_fourWeek = true;
};
