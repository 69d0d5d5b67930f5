#include "IntegerText.h"

#include "Errors.h"

#include <QtGlobal>

#include <cstdint>
#include <string>

namespace {

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

[[noreturn]] void Refuse(std::string_view text) {
    throw EConvertError(QT_TRANSLATE_NOOP("Errors", "'%1' is not a valid integer value"), std::string(text));
}

}  // namespace

int StrToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        Refuse(text);

    // The magnitude may reach 2^31 for the most negative value; stop before
    // it could overflow 64 bits.
    constexpr std::int64_t Limit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int d = DigitValue(text[i], base);
        if (d < 0)
            Refuse(text);
        magnitude = magnitude * base + d;
        if (magnitude > Limit)
            Refuse(text);
    }
    if (!negative && magnitude == Limit)
        Refuse(text);
    return static_cast<int>(negative ? -magnitude : magnitude);
}
