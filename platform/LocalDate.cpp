#include "LocalDate.h"

#include <QDate>

namespace {
std::optional<TLocalDate> g_override;
}

TLocalDate LocalDate() {
    if (g_override)
        return *g_override;
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

void SetLocalDateForTesting(std::optional<TLocalDate> date) { g_override = date; }
