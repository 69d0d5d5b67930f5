#include "ChartValueList.h"

#include "ChartEngine.h"

#include <algorithm>
#include <cmath>

TChartValueList::TChartValueList(TChartSeries* owner, std::string name)
    : m_name(std::move(name)), m_owner(owner) {
    if (m_owner)
        m_owner->ValueLists().Add(this);
}

TChartValueList::~TChartValueList() {
    if (m_owner)
        m_owner->ValueLists().Remove(this);
}

void TChartValueList::Assign(const TChartValueList& source) {
    m_order = source.m_order;
    m_dateTime = source.m_dateTime;
    m_multiplier = source.m_multiplier;
    m_valueSource = source.m_valueSource;
    MarkStale();
}

double TChartValueList::ValueAt(int index) const {
    return m_values[static_cast<std::size_t>(index)] * m_multiplier;
}

void TChartValueList::PutValueAt(int index, double value) {
    m_values[static_cast<std::size_t>(index)] = value;
    MarkStale();
}

void TChartValueList::RemoveAll() {
    m_values.clear();
    m_values.shrink_to_fit();
    MarkStale();
}

int TChartValueList::AddInOrder(double value) {
    auto at = [this](int i) { return m_values[static_cast<std::size_t>(i)]; };
    int result = ItemCount();
    if (m_order != TChartListOrder::loNone && !m_values.empty()) {
        // An equal value goes after the existing ones, so equal X keep call order.
        const bool ascending = m_order == TChartListOrder::loAscending;
        auto before = [&](int i) { return ascending ? at(i) > value : at(i) < value; };
        int t = ItemCount() - 1;
        while (t >= 0 && before(t))
            --t;
        result = t + 1;
    }
    MakeRoomForOne(m_values);
    m_values.insert(m_values.begin() + result, value);
    MarkStale();
    return result;
}

void TChartValueList::InsertAt(int index, double value) {
    MakeRoomForOne(m_values);
    m_values.insert(m_values.begin() + index, value);
    MarkStale();
}

int TChartValueList::ItemCount() const {
    return static_cast<int>(m_values.size());
}

void TChartValueList::RemoveAt(int index) {
    m_values.erase(m_values.begin() + index);
    MarkStale();
}

void TChartValueList::RotateFirstToEnd() {
    if (m_values.size() < 2)
        return;
    std::rotate(m_values.begin(), m_values.begin() + 1, m_values.end());
    MarkStale();
}

double TChartValueList::FinalValue() const {
    return ValueAt(ItemCount() - 1);
}

int TChartValueList::FindValue(double value) const {
    for (int i = 0; i < ItemCount(); ++i) {
        if (ValueAt(i) == value)
            return i;
    }
    return -1;
}

void TChartValueList::Exchange(int a, int b) {
    std::swap(m_values[static_cast<std::size_t>(a)], m_values[static_cast<std::size_t>(b)]);
    MarkStale();
}

double TChartValueList::Largest() const {
    RefreshStats();
    return m_largest;
}

double TChartValueList::Smallest() const {
    RefreshStats();
    return m_smallest;
}

double TChartValueList::Sum() const {
    RefreshStats();
    return m_sum;
}

double TChartValueList::AbsSum() const {
    RefreshStats();
    return m_absSum;
}

void TChartValueList::RefreshStats() const {
    if (!m_statsStale)
        return;
    ++m_statsRefreshCount;
    m_statsStale = false;
    if (m_values.empty()) {
        m_largest = m_smallest = m_sum = m_absSum = 0;
        return;
    }
    const double first = ValueAt(0);
    m_smallest = m_largest = m_sum = first;
    m_absSum = std::fabs(first);
    for (int i = 1; i < ItemCount(); ++i) {
        const double v = ValueAt(i);
        if (v < m_smallest)
            m_smallest = v;
        else if (v > m_largest)
            m_largest = v;
        m_sum += v;
        m_absSum += std::fabs(v);
    }
}

void TChartValueList::SetDateTime(bool value) {
    if (value == m_dateTime)
        return;
    m_dateTime = value;
    if (m_owner)
        m_owner->RequestRepaint();
}

void TChartValueList::SetMultiplier(double value) {
    if (value == m_multiplier)
        return;
    m_multiplier = value;
    MarkStale();
    if (m_owner)
        m_owner->RequestRepaint();
}

void TChartValueLists::Remove(TChartValueList* list) {
    auto it = std::find(m_lists.begin(), m_lists.end(), list);
    if (it != m_lists.end())
        m_lists.erase(it);
}
