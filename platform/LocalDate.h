#pragma once
// Today's date on the local clock (local time, not UTC). Tests replace the
// answer with a fixed date for as long as a LocalDateOverride lives.

#include <optional>

struct TLocalDate {
    int Year = 0, Month = 0, Day = 0;
    bool operator==(const TLocalDate&) const = default;
};

[[nodiscard]] TLocalDate LocalDate();

// Replaces the clock's answer; nullopt goes back to the clock.
void SetLocalDateForTesting(std::optional<TLocalDate> date);

class LocalDateOverride {
public:
    explicit LocalDateOverride(TLocalDate date) { SetLocalDateForTesting(date); }
    ~LocalDateOverride() { SetLocalDateForTesting(std::nullopt); }
    LocalDateOverride(const LocalDateOverride&) = delete;
    LocalDateOverride& operator=(const LocalDateOverride&) = delete;
};
