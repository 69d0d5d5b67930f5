// A full paint of either chart, once its caches know the data, allocates
// nothing: every heap allocation on the painting thread is counted. Outside
// the sanitizer build, malloc itself is wrapped, so Qt's own allocations count
// too; under the sanitizer, which owns malloc, the C++ allocations do.

#include "PaintTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <vector>

namespace {

thread_local bool t_counting = false;
long g_allocations = 0;

void Count() {
    if (t_counting)
        ++g_allocations;
}

// Allocations made by f on this thread.
template <typename F>
long AllocationsOf(F&& f) {
    g_allocations = 0;
    t_counting = true;
    f();
    t_counting = false;
    return g_allocations;
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
void* operator new(std::size_t n) {
    Count();
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
#else
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void __libc_free(void*);

void* malloc(std::size_t n) {
    Count();
    return __libc_malloc(n);
}
void* calloc(std::size_t n, std::size_t size) {
    Count();
    return __libc_calloc(n, size);
}
void* realloc(void* p, std::size_t n) {
    Count();
    return __libc_realloc(p, n);
}
void free(void* p) { __libc_free(p); }
}
#endif

TEST(PaintAllocations, CountingSeesAllocations) {
    static std::vector<int>* volatile sink = nullptr;
    EXPECT_GE(AllocationsOf([] { sink = new std::vector<int>(100); }), 1);
    delete sink;
    EXPECT_EQ(AllocationsOf([] {}), 0);
}

TEST(PaintAllocations, FullPaintsOfKnownDataAllocateNothing) {
    for (const bool fourWeek : {true, false})
        for (const bool window : {false, true}) {
            SCOPED_TRACE(fourWeek ? "4-week chart" : "today chart");
            SCOPED_TRACE(window ? "the window's paint" : "paint onto another surface");
            PaintedChart p(fourWeek);
            TDrawSurface target(776, 391);
            // The first round meets every label, date and value text once.
            for (int round = 0; round < 2; ++round)
                for (int shift = 0; shift < 7; ++shift) {
                    p.Fill(shift);
                    const int redraws = p.chart.RedrawCount();
                    const long allocations = AllocationsOf([&] {
                        if (!window) {
                            p.chart.DrawChartOn(&target, {0, 0, 776, 391});
                            return;
                        }
                        // A full paint into the chart's buffer and window image, then one from the buffer.
                        p.chart.HandlePaint();
                        p.chart.HandlePaint();
                    });
                    EXPECT_EQ(p.chart.RedrawCount(), redraws + 1);
                    if (round == 1) {
                        EXPECT_EQ(allocations, 0) << "data set " << shift;
                    }
                }
        }
}
