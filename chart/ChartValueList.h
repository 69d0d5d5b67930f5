#pragma once
// One column of numbers of a series, and the set of columns a series owns.
//
// Every read returns the stored value times Multiplier, while AddInOrder places
// a value by comparing the raw stored ones. The four statistics are cached and
// recomputed by the first read after any change of the storage.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class TChartSeries;

// Room for one more element. An emptied list starts again at a size that
// holds a usual series whole, rather than growing through 1, 2, 4, ... .
template <typename Vector>
void MakeRoomForOne(Vector& v) {
    if (v.size() == v.capacity())
        v.reserve(v.size() < 16 ? 32 : 2 * v.size());
}

enum class TChartListOrder { loNone, loAscending, loDescending };
using enum TChartListOrder;

class TChartValueList {
public:
    // Registers itself at the end of the owner's ValueLists; owner may be null.
    TChartValueList(TChartSeries* owner, std::string name);
    virtual ~TChartValueList();

    TChartValueList(const TChartValueList&) = delete;
    TChartValueList& operator=(const TChartValueList&) = delete;

    // Copies Order, DateTime, Multiplier and ValueSource; never the values.
    virtual void Assign(const TChartValueList& source);

    [[nodiscard]] virtual double ValueAt(int index) const;
    virtual void PutValueAt(int index, double value);
    virtual void RemoveAll();
    virtual int AddInOrder(double value);
    virtual void InsertAt(int index, double value);
    [[nodiscard]] virtual int ItemCount() const;
    virtual void RemoveAt(int index);
    virtual void RotateFirstToEnd();

    [[nodiscard]] double FinalValue() const;
    [[nodiscard]] int FindValue(double value) const;
    void Exchange(int a, int b);

    [[nodiscard]] double Largest() const;
    [[nodiscard]] double Smallest() const;
    [[nodiscard]] double Sum() const;
    [[nodiscard]] double AbsSum() const;
    [[nodiscard]] bool StatsStale() const { return m_statsStale; }
    // How many times the statistics were recomputed; lets tests see the laziness.
    [[nodiscard]] int StatsRefreshCount() const { return m_statsRefreshCount; }

    [[nodiscard]] const std::string& Name() const { return m_name; }
    void SetName(std::string value) { m_name = std::move(value); }
    [[nodiscard]] TChartListOrder Order() const { return m_order; }
    void SetOrder(TChartListOrder value) { m_order = value; }
    [[nodiscard]] bool DateTime() const { return m_dateTime; }
    void SetDateTime(bool value);
    [[nodiscard]] double Multiplier() const { return m_multiplier; }
    void SetMultiplier(double value);
    [[nodiscard]] double PendingValue() const { return m_pendingValue; }
    void SetPendingValue(double value) { m_pendingValue = value; }
    [[nodiscard]] const std::string& ValueSource() const { return m_valueSource; }
    void SetValueSource(std::string value) { m_valueSource = std::move(value); }
    [[nodiscard]] TChartSeries* Owner() const { return m_owner; }
    [[nodiscard]] std::size_t Capacity() const { return m_values.capacity(); }

private:
    void RefreshStats() const;
    void MarkStale() { m_statsStale = true; }

    bool m_dateTime = false;
    std::vector<double> m_values;
    mutable double m_largest = 0;
    mutable double m_smallest = 0;
    double m_multiplier = 1.0;
    std::string m_name;
    TChartListOrder m_order = TChartListOrder::loNone;
    TChartSeries* m_owner = nullptr;
    double m_pendingValue = 0;
    mutable double m_sum = 0;
    mutable double m_absSum = 0;
    std::string m_valueSource;
    mutable bool m_statsStale = true;
    mutable int m_statsRefreshCount = 0;
};

// The value lists of one series, in registration order: entry 0 is X, entry 1 Y.
// Holds no ownership; each list removes itself when it is destroyed.
class TChartValueLists {
public:
    [[nodiscard]] int Count() const { return static_cast<int>(m_lists.size()); }
    [[nodiscard]] TChartValueList* operator[](int index) const { return m_lists[static_cast<std::size_t>(index)]; }
    [[nodiscard]] auto begin() const { return m_lists.begin(); }
    [[nodiscard]] auto end() const { return m_lists.end(); }

private:
    friend class TChartValueList;
    void Add(TChartValueList* list) { m_lists.push_back(list); }
    void Remove(TChartValueList* list);

    std::vector<TChartValueList*> m_lists;
};
