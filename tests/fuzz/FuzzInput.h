#pragma once
// What every fuzz target shares: a reader that turns the fuzzer's bytes into
// typed values (running out of bytes gives zeros, never an error), and a check
// that reports a wrong result with the input and ends the run, as a crash
// would.

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

class TFuzzInput {
public:
    TFuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    [[nodiscard]] bool Empty() const { return m_pos >= m_size; }
    [[nodiscard]] std::size_t Left() const { return m_size - m_pos; }

    std::uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    template <class T>
    T Raw() {
        unsigned char bytes[sizeof(T)] = {};
        for (unsigned char& b : bytes)
            b = Byte();
        T value;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    bool Bool() { return (Byte() & 1) != 0; }

    // In [low, high].
    long long Between(long long low, long long high) {
        const auto span = static_cast<unsigned long long>(high - low) + 1;
        const auto v = Raw<std::uint64_t>();
        return span == 0 ? low + static_cast<long long>(v) : low + static_cast<long long>(v % span);
    }

    // Any finite double, with the small whole numbers and edges that matter
    // most to dates and scales more likely than raw bit patterns give them.
    double Finite() {
        switch (Byte() % 4) {
        case 0:
            return static_cast<double>(Between(-1000, 1000));
        case 1:
            return static_cast<double>(Raw<std::int32_t>()) / 8;
        default: {
            const double d = Raw<double>();
            return std::isfinite(d) ? d : 0;
        }
        }
    }

    // A string of up to `limit` bytes, ended early by a zero byte.
    std::string Text(std::size_t limit) {
        std::string s;
        while (s.size() < limit && !Empty()) {
            const char c = static_cast<char>(Byte());
            if (c == 0)
                break;
            s += c;
        }
        return s;
    }

    std::string_view Rest() {
        const std::string_view rest(reinterpret_cast<const char*>(m_data) + m_pos, Left());
        m_pos = m_size;
        return rest;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

#define FUZZ_CHECK(condition, ...)                                               \
    do {                                                                         \
        if (!(condition)) {                                                      \
            std::fprintf(stderr, "fuzz check failed: %s\n  ", #condition);       \
            std::fprintf(stderr, __VA_ARGS__);                                   \
            std::fprintf(stderr, "\n");                                          \
            std::abort();                                                        \
        }                                                                        \
    } while (false)
