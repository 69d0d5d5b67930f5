#include "ChartEngine.h"
#include "Errors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

class CountingChart : public TCustomAxisPanel {
public:
    void InvalidateChart() override { ++invalidations; }
    int invalidations = 0;
};

class KindA : public TChartSeries {
protected:
    bool ClassIncludes(const TChartSeries& other) const override {
        return dynamic_cast<const KindA*>(&other) != nullptr;
    }
};

class DerivedKindA : public KindA {};

class KindB : public TChartSeries {
protected:
    bool ClassIncludes(const TChartSeries& other) const override {
        return dynamic_cast<const KindB*>(&other) != nullptr;
    }
};

// A series kind with a third value list, as kinds with more columns have.
class ThreeListSeries : public TChartSeries {
public:
    TChartValueList extra{this, "Extra"};
};

// Checks that the four point lists stayed aligned: each point's label names its X.
void ExpectAligned(const TChartSeries& s, const std::vector<double>& xs) {
    ASSERT_EQ(s.PointCount(), static_cast<int>(xs.size()));
    ASSERT_EQ(s.YValues().ItemCount(), s.PointCount());
    for (int i = 0; i < s.PointCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.PointX(i), xs[static_cast<std::size_t>(i)]);
        EXPECT_EQ(s.PointY(i), 10 * xs[static_cast<std::size_t>(i)]);
        EXPECT_EQ(s.PointLabel(i), "p" + std::to_string(static_cast<int>(xs[static_cast<std::size_t>(i)])));
        EXPECT_EQ(s.PointColor(i), static_cast<TColor>(xs[static_cast<std::size_t>(i)]));
    }
}

}  // namespace

TEST(SeriesDefaults, NewSeries) {
    TChartSeries s;
    EXPECT_TRUE(s.Active());
    EXPECT_EQ(s.SeriesColor(), clDefault);
    EXPECT_EQ(s.XValues().Name(), "X");
    EXPECT_EQ(s.XValues().Order(), loAscending);
    EXPECT_EQ(s.YValues().Name(), "Y");
    EXPECT_EQ(s.YValues().Order(), loNone);
    EXPECT_EQ(s.ValueFormat(), "#,##0.###");
    EXPECT_EQ(s.PercentFormat(), "##0.## %");
    EXPECT_EQ(s.FirstVisible(), -1);
    EXPECT_EQ(s.LastVisible(), -1);
    ASSERT_EQ(s.ValueLists().Count(), 2);
    EXPECT_EQ(s.ValueLists()[0], &s.XValues());
    EXPECT_EQ(s.ValueLists()[1], &s.YValues());
    EXPECT_TRUE(s.YIsMain());
}

TEST(SeriesPoints, AddPointKeepsXOrderAndAlignsLists) {
    TChartSeries s;
    EXPECT_EQ(s.AddPoint(3, 30, "p3", 3), 0);
    EXPECT_EQ(s.AddPoint(1, 10, "p1", 1), 0);
    EXPECT_EQ(s.AddPoint(2, 20, "p2", 2), 1);
    ExpectAligned(s, {1, 2, 3});
    s.ExchangePoints(0, 2);
    ExpectAligned(s, {3, 2, 1});
    s.RemovePoint(1);
    ExpectAligned(s, {3, 1});
}

TEST(SeriesPoints, AppendPointNumbersFromZeroAfterClear) {
    TChartSeries s;
    EXPECT_EQ(s.AppendPoint(40, "a", clRed), 0);
    EXPECT_EQ(s.AppendPoint(-5, "b", clGreen), 1);
    EXPECT_EQ(s.PointX(1), 1);
    EXPECT_EQ(s.PointY(1), -5);
    s.ClearPoints();
    EXPECT_EQ(s.PointCount(), 0);
    EXPECT_EQ(s.AppendPoint(7), 0);
    EXPECT_EQ(s.PointX(0), 0);
    EXPECT_EQ(s.PointLabel(0), "");
    // An appended X joins larger X values already added in order.
    s.AddPoint(5, 1);
    EXPECT_EQ(s.AppendPoint(9), 1);
    EXPECT_EQ(s.PointX(1), 2);
}

TEST(SeriesPoints, RefusedAdditionStoresNothing) {
    TChartSeries s;
    double pendingX = 0, pendingY = 0;
    s.OnBeforeAdd = [&](TChartSeries& sender) {
        pendingX = sender.XValues().PendingValue();
        pendingY = sender.YValues().PendingValue();
        return false;
    };
    int afterAdds = 0;
    s.OnAfterAdd = [&](TChartSeries&, int) { ++afterAdds; };
    EXPECT_EQ(s.AddPoint(4, 9, "x", clRed), -1);
    EXPECT_EQ(s.AppendPoint(9), -1);
    EXPECT_EQ(pendingX, 0);
    EXPECT_EQ(pendingY, 9);
    EXPECT_EQ(s.PointCount(), 0);
    EXPECT_EQ(s.YValues().ItemCount(), 0);
    EXPECT_EQ(s.PointColor(0), clDefault);
    EXPECT_EQ(afterAdds, 0);
}

TEST(SeriesPoints, EventsOfAddAndClear) {
    TChartSeries s;
    std::vector<int> added;
    int clears = 0;
    s.OnAfterAdd = [&](TChartSeries&, int i) { added.push_back(i); };
    s.OnClearValues = [&](TChartSeries& sender) {
        ++clears;
        EXPECT_EQ(sender.PointCount(), 0);
    };
    s.AddPoint(2, 0);
    s.AddPoint(1, 0);
    s.ClearPoints();
    EXPECT_EQ(added, (std::vector<int>{0, 0}));
    EXPECT_EQ(clears, 1);
}

TEST(SeriesPoints, LabelsAndRanges) {
    TChartSeries s;
    EXPECT_EQ(s.PointLabel(0), "");
    EXPECT_EQ(s.LowestY(), 0);
    EXPECT_EQ(s.HighestX(), 0);
    s.AddPoint(40238, -12, "Physical");
    s.AddPoint(40237, 88, "");
    EXPECT_EQ(s.PointLabel(1), "Physical");
    EXPECT_EQ(s.PointLabel(0), "");
    EXPECT_EQ(s.PointLabel(2), "");
    EXPECT_EQ(s.LowestX(), 40237);
    EXPECT_EQ(s.HighestX(), 40238);
    EXPECT_EQ(s.LowestY(), -12);
    EXPECT_EQ(s.HighestY(), 88);
    EXPECT_EQ(s.MainValue(0), 88);
    EXPECT_EQ(s.StackValue(1), -12);
}

TEST(SeriesColors, PaletteAndColorEachPoint) {
    EXPECT_EQ(PaletteColor(0), clRed);
    EXPECT_EQ(PaletteColor(1), clGreen);
    EXPECT_EQ(PaletteColor(15), clBlack);
    EXPECT_EQ(PaletteColor(16), clRed);

    TChartSeries s;
    s.SetSeriesColor(clNavy);
    for (int i = 0; i < 17; ++i)
        s.AppendPoint(i);
    s.SetPointColor(2, clAqua);
    s.AddPoint(100, 0, "", clNone);
    EXPECT_EQ(s.PointColor(0), clNavy);
    EXPECT_EQ(s.PointColor(2), clAqua);
    EXPECT_EQ(s.PointColor(17), clNone);
    EXPECT_EQ(s.PointColor(99), clNavy);

    s.SetColorEachPoint(true);
    EXPECT_EQ(s.PointColor(0), clRed);
    EXPECT_EQ(s.PointColor(1), clGreen);
    EXPECT_EQ(s.PointColor(2), clAqua);
    EXPECT_EQ(s.PointColor(16), clRed);
    EXPECT_EQ(s.PointColor(99), clNavy);

    s.SetColorEachPoint(false);
    EXPECT_EQ(s.PointColor(2), clNavy);
    EXPECT_EQ(s.PointColor(17), clNavy);
    // Setting false again still resets colours given since.
    s.SetPointColor(3, clLime);
    s.SetColorEachPoint(false);
    EXPECT_EQ(s.PointColor(3), clNavy);
}

TEST(SeriesValueLists, ValueListNamedSearchesExtraListsOnly) {
    ThreeListSeries s;
    ASSERT_EQ(s.ValueLists().Count(), 3);
    EXPECT_EQ(&s.ValueListNamed("extra"), &s.extra);
    EXPECT_EQ(&s.ValueListNamed("EXTRA"), &s.extra);
    EXPECT_EQ(&s.ValueListNamed("X"), &s.YValues());
    EXPECT_EQ(&s.ValueListNamed("nothing"), &s.YValues());

    s.extra.SetPendingValue(5);
    s.AddPoint(1, 2);
    s.InsertPendingExtras(0);
    EXPECT_EQ(s.extra.ValueAt(0), 5);
    s.ResetPending(s.extra);
    EXPECT_EQ(s.extra.PendingValue(), 0);
    s.ClearPoints();
    EXPECT_EQ(s.extra.ItemCount(), 0);
}

TEST(SeriesSampleData, CountBelowOneRaises) {
    TChartSeries s;
    s.AppendPoint(1);
    EXPECT_THAT([&] { s.FillRandom(0); },
                ThrowsMessage<ChartException>(StrEq("FillSampleValues NumValues must be > 0")));
    EXPECT_EQ(s.PointCount(), 1);
    s.FillRandom(6);
    EXPECT_EQ(s.PointCount(), 6);
}

TEST(SeriesRepaint, SettersRepaintOnlyOnChange) {
    CountingChart chart;
    auto* s = chart.AddSeries(std::make_unique<TChartSeries>());
    s->SetSeriesColor(clBlue);
    struct Case {
        const char* name;
        std::function<void()> same, changed;
    };
    const std::vector<Case> cases = {
        {"Active", [&] { s->SetActive(true); }, [&] { s->SetActive(false); }},
        {"SeriesColor", [&] { s->SetSeriesColor(clBlue); }, [&] { s->SetSeriesColor(clRed); }},
        {"ColorEachPoint", [&] { s->SetColorEachPoint(false); }, [&] { s->SetColorEachPoint(true); }},
        {"ShowInLegend", [&] { s->SetShowInLegend(true); }, [&] { s->SetShowInLegend(false); }},
        {"Title", [&] { s->SetTitle(""); }, [&] { s->SetTitle("Physical"); }},
        {"ValueFormat", [&] { s->SetValueFormat("#,##0.###"); }, [&] { s->SetValueFormat("0"); }},
        {"PercentFormat", [&] { s->SetPercentFormat("##0.## %"); }, [&] { s->SetPercentFormat("0 %"); }},
        {"HorizAxis", [&] { s->SetHorizAxis(aBottomAxis); }, [&] { s->SetHorizAxis(aTopAxis); }},
        {"VertAxis", [&] { s->SetVertAxis(aLeftAxis); }, [&] { s->SetVertAxis(aRightAxis); }},
        {"DateTime", [&] { s->XValues().SetDateTime(false); }, [&] { s->XValues().SetDateTime(true); }},
        {"Multiplier", [&] { s->YValues().SetMultiplier(1); }, [&] { s->YValues().SetMultiplier(2); }},
        {"Marks", [&] { s->Marks().SetVisible(false); }, [&] { s->Marks().SetVisible(true); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        chart.invalidations = 0;
        c.same();
        EXPECT_EQ(chart.invalidations, 0);
        c.changed();
        EXPECT_EQ(chart.invalidations, 1);
    }
}

TEST(SeriesRepaint, PointChangesRepaintOnlyWhenActive) {
    CountingChart chart;
    auto* s = chart.AddSeries(std::make_unique<TChartSeries>());
    chart.invalidations = 0;
    s->AddPoint(1, 1);
    s->AppendPoint(2);
    s->RemovePoint(0);
    s->ClearPoints();
    EXPECT_EQ(chart.invalidations, 4);
    s->SetActive(false);
    chart.invalidations = 0;
    s->AddPoint(1, 1);
    s->RemovePoint(0);
    s->ClearPoints();
    EXPECT_EQ(chart.invalidations, 0);
}

TEST(SeriesChart, JoiningAndLeaving) {
    CountingChart chart;
    auto* a = chart.AddSeries(std::make_unique<TChartSeries>());
    auto* b = chart.AddSeries(std::make_unique<TChartSeries>());
    EXPECT_EQ(chart.invalidations, 2);
    ASSERT_EQ(chart.SeriesList().Count(), 2);
    EXPECT_EQ(chart.SeriesList()[0], a);
    EXPECT_EQ(chart.SeriesList()[1], b);
    EXPECT_EQ(a->ResolvedHorizAxis(), chart.BottomAxis());
    EXPECT_EQ(a->ResolvedVertAxis(), chart.LeftAxis());
    b->SetActive(false);
    EXPECT_EQ(chart.ActiveSeriesCount(), 1);

    std::unique_ptr<TChartSeries> left(a);
    chart.invalidations = 0;
    a->SetParentChart(nullptr);
    EXPECT_EQ(chart.invalidations, 1);
    EXPECT_EQ(chart.SeriesList().Count(), 1);
    EXPECT_EQ(chart.SeriesList()[0], b);
    EXPECT_EQ(a->ResolvedHorizAxis(), nullptr);
    // A series alone still works and requests nothing.
    a->AddPoint(1, 1);
    EXPECT_EQ(chart.invalidations, 1);

    CountingChart other;
    a->SetParentChart(&other);
    left.release();
    EXPECT_EQ(other.SeriesList().Count(), 1);
    delete b;
    EXPECT_EQ(chart.SeriesList().Count(), 0);
}

TEST(SeriesChart, FreeSeriesColorSkipsTakenAndChartColors) {
    CountingChart chart;
    chart.SetColor(clWhite);
    chart.SetBackColor(clRed);
    auto* green = chart.AddSeries(std::make_unique<TChartSeries>());
    green->SetSeriesColor(clGreen);
    auto* fresh = chart.AddSeries(std::make_unique<TChartSeries>());
    EXPECT_EQ(fresh->SeriesColor(), clYellow);
    auto yellow = std::make_unique<TChartSeries>();
    yellow->SetSeriesColor(clYellow);
    auto* given = chart.AddSeries(std::move(yellow));
    EXPECT_EQ(given->SeriesColor(), clYellow);
    EXPECT_EQ(chart.FreeSeriesColor(), clBlue);
}

TEST(SeriesChart, FreeSeriesColorFallsBackToRed) {
    CountingChart chart;
    for (int i = 0; i < 16; ++i)
        chart.AddSeries(std::make_unique<TChartSeries>());
    EXPECT_EQ(chart.SeriesList()[15]->SeriesColor(), PaletteColor(15));
    EXPECT_EQ(chart.FreeSeriesColor(), clRed);
}

TEST(SeriesChart, UsesAxis) {
    CountingChart chart;
    auto* s = chart.AddSeries(std::make_unique<TChartSeries>());
    EXPECT_TRUE(s->UsesAxis(*chart.BottomAxis()));
    EXPECT_TRUE(s->UsesAxis(*chart.LeftAxis()));
    EXPECT_FALSE(s->UsesAxis(*chart.TopAxis()));
    EXPECT_FALSE(s->UsesAxis(*chart.RightAxis()));
    s->SetHorizAxis(aBothHorizAxis);
    s->SetVertAxis(aRightAxis);
    EXPECT_EQ(s->ResolvedHorizAxis(), chart.BottomAxis());
    EXPECT_TRUE(s->UsesAxis(*chart.TopAxis()));
    EXPECT_FALSE(s->UsesAxis(*chart.LeftAxis()));
    EXPECT_TRUE(s->UsesAxis(*chart.RightAxis()));
    TChartAxis custom(&chart, akLeft);
    s->SetVertAxis(aCustomVertAxis);
    EXPECT_EQ(s->ResolvedVertAxis(), chart.LeftAxis());
    s->SetCustomVertAxis(&custom);
    EXPECT_EQ(s->ResolvedVertAxis(), &custom);
    EXPECT_TRUE(s->UsesAxis(custom));
}

TEST(SeriesChart, BaseValueSumsPositiveValuesOfSameKindBefore) {
    CountingChart chart;
    auto* a1 = chart.AddSeries(std::make_unique<KindA>());
    auto* b1 = chart.AddSeries(std::make_unique<KindB>());
    auto* a2 = chart.AddSeries(std::make_unique<DerivedKindA>());
    auto* a3 = chart.AddSeries(std::make_unique<KindA>());
    auto* inactive = chart.AddSeries(std::make_unique<KindA>());
    auto* b2 = chart.AddSeries(std::make_unique<KindB>());
    a1->AppendPoint(5);
    b1->AppendPoint(100);
    a2->AppendPoint(-3);
    a3->AppendPoint(2);
    inactive->AppendPoint(50);
    inactive->SetActive(false);
    b2->AppendPoint(1);
    EXPECT_TRUE(a1->IsSameKind(*a2));
    EXPECT_TRUE(a2->IsSameKind(*a1));
    EXPECT_FALSE(a1->IsSameKind(*b1));
    TChartSeries plain;
    EXPECT_TRUE(plain.IsSameKind(*b1));

    EXPECT_EQ(a3->BaseValue(0, false), 5);
    EXPECT_EQ(a3->BaseValue(0, true), 7);
    EXPECT_EQ(b2->BaseValue(0, false), 100);
    EXPECT_EQ(b1->BaseValue(0, false), 0);
    EXPECT_EQ(a3->BaseValue(1, true), 0);
    plain.AppendPoint(4);
    EXPECT_EQ(plain.BaseValue(0, true), 0);
}

TEST(SeriesChart, DestructionFreesSeriesFirstToLastWithoutRepaint) {
    std::vector<std::string> events;
    class Recording : public TChartSeries {
    public:
        explicit Recording(std::vector<std::string>& log) : m_log(log) {}
        ~Recording() override { m_log.push_back(Name() + (ParentChart() ? " attached" : " detached")); }

    private:
        std::vector<std::string>& m_log;
    };
    {
        CountingChart chart;
        for (const char* name : {"first", "second"}) {
            auto* s = chart.AddSeries(std::make_unique<Recording>(events));
            s->SetName(name);
            s->AppendPoint(1);
            s->OnClearValues = [&](TChartSeries& sender) { events.push_back(sender.Name() + " cleared"); };
        }
    }
    EXPECT_EQ(events, (std::vector<std::string>{"first detached", "first cleared", "second detached",
                                                "second cleared"}));
}
