#include "ChartEngine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<double> Values(const TChartValueList& list) {
    std::vector<double> result;
    for (int i = 0; i < list.ItemCount(); ++i)
        result.push_back(list.ValueAt(i));
    return result;
}

}  // namespace

TEST(ValueListOrder, AscendingInsertionPlacesAfterEqualValues) {
    TChartValueList list(nullptr, "X");
    list.SetOrder(loAscending);
    EXPECT_EQ(list.AddInOrder(1), 0);
    EXPECT_EQ(list.AddInOrder(3), 1);
    EXPECT_EQ(list.AddInOrder(2), 1);
    EXPECT_EQ(list.AddInOrder(2), 2);
    EXPECT_EQ(list.AddInOrder(0), 0);
    EXPECT_EQ(Values(list), (std::vector<double>{0, 1, 2, 2, 3}));
}

TEST(ValueListOrder, EqualValuesKeepCallOrderInEveryOrder) {
    struct Case {
        const char* name;
        TChartListOrder order;
    };
    for (const Case c : {Case{"none", loNone}, Case{"ascending", loAscending}, Case{"descending", loDescending}}) {
        SCOPED_TRACE(c.name);
        TChartValueList list(nullptr, "X");
        list.SetOrder(c.order);
        EXPECT_EQ(list.AddInOrder(5), 0);
        EXPECT_EQ(list.AddInOrder(5), 1);
        EXPECT_EQ(list.AddInOrder(5), 2);
    }
}

TEST(ValueListOrder, DescendingAndUnordered) {
    TChartValueList down(nullptr, "X");
    down.SetOrder(loDescending);
    EXPECT_EQ(down.AddInOrder(1), 0);
    EXPECT_EQ(down.AddInOrder(3), 0);
    EXPECT_EQ(down.AddInOrder(2), 1);
    EXPECT_EQ(down.AddInOrder(0), 3);
    EXPECT_EQ(Values(down), (std::vector<double>{3, 2, 1, 0}));

    TChartValueList none(nullptr, "Y");
    none.AddInOrder(3);
    EXPECT_EQ(none.AddInOrder(1), 1);
    EXPECT_EQ(Values(none), (std::vector<double>{3, 1}));
}

TEST(ValueListOrder, ComparesRawValuesBeforeMultiplier) {
    TChartValueList list(nullptr, "X");
    list.SetOrder(loAscending);
    list.SetMultiplier(-1);
    list.AddInOrder(1);
    EXPECT_EQ(list.AddInOrder(0.5), 0);
    EXPECT_EQ(Values(list), (std::vector<double>{-0.5, -1}));
}

TEST(ValueListEditing, InsertRemoveAndRemoveAllReleasingCapacity) {
    TChartValueList list(nullptr, "Y");
    for (double v : {10.0, 20.0, 30.0})
        list.AddInOrder(v);
    list.InsertAt(1, 15);
    list.RemoveAt(3);
    list.PutValueAt(0, 11);
    EXPECT_EQ(Values(list), (std::vector<double>{11, 15, 20}));
    EXPECT_EQ(list.FinalValue(), 20);
    EXPECT_EQ(list.FindValue(15), 1);
    EXPECT_EQ(list.FindValue(99), -1);
    list.RemoveAll();
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(list.Capacity(), 0u);
}

TEST(ValueListStatistics, ValuesAndEmptyList) {
    TChartValueList list(nullptr, "Y");
    EXPECT_EQ(list.Largest(), 0);
    EXPECT_EQ(list.Smallest(), 0);
    EXPECT_EQ(list.Sum(), 0);
    EXPECT_EQ(list.AbsSum(), 0);
    for (double v : {4.0, -7.0, 12.5, 0.0})
        list.AddInOrder(v);
    EXPECT_EQ(list.Largest(), 12.5);
    EXPECT_EQ(list.Smallest(), -7);
    EXPECT_EQ(list.Sum(), 9.5);
    EXPECT_EQ(list.AbsSum(), 23.5);
}

TEST(ValueListStatistics, MultiplierAppliesToReadsAndStatistics) {
    TChartValueList list(nullptr, "Y");
    list.AddInOrder(2);
    list.AddInOrder(-3);
    EXPECT_EQ(list.Sum(), -1);
    list.SetMultiplier(10);
    EXPECT_EQ(list.ValueAt(1), -30);
    EXPECT_EQ(list.FindValue(20), 0);
    EXPECT_EQ(list.Largest(), 20);
    EXPECT_EQ(list.Smallest(), -30);
    EXPECT_EQ(list.Sum(), -10);
    EXPECT_EQ(list.AbsSum(), 50);
}

TEST(ValueListStatistics, RecomputedOncePerBurstOfChanges) {
    TChartValueList list(nullptr, "Y");
    for (int i = 0; i < 30; ++i)
        list.AddInOrder(i);
    EXPECT_EQ(list.StatsRefreshCount(), 0);
    EXPECT_EQ(list.Largest(), 29);
    EXPECT_EQ(list.Smallest(), 0);
    EXPECT_EQ(list.Sum(), 435);
    EXPECT_EQ(list.AbsSum(), 435);
    EXPECT_EQ(list.StatsRefreshCount(), 1);
    list.PutValueAt(0, 100);
    EXPECT_EQ(list.Largest(), 100);
    EXPECT_EQ(list.StatsRefreshCount(), 2);
    list.SetMultiplier(1);
    EXPECT_EQ(list.Sum(), 535);
    EXPECT_EQ(list.StatsRefreshCount(), 2);
}

TEST(ValueListAssign, CopiesSettingsNotValuesOrName) {
    TChartValueList source(nullptr, "Source");
    source.SetOrder(loDescending);
    source.SetDateTime(true);
    source.SetMultiplier(2.5);
    source.SetValueSource("Field");
    source.AddInOrder(7);
    TChartValueList target(nullptr, "Target");
    target.AddInOrder(1);
    target.Assign(source);
    EXPECT_EQ(target.Order(), loDescending);
    EXPECT_TRUE(target.DateTime());
    EXPECT_EQ(target.Multiplier(), 2.5);
    EXPECT_EQ(target.ValueSource(), "Field");
    EXPECT_EQ(target.Name(), "Target");
    EXPECT_EQ(Values(target), (std::vector<double>{2.5}));
}
