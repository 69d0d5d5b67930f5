// The integer conversion against a reference made of std::from_chars.

#include "FuzzInput.h"

#include "Errors.h"
#include "IntegerText.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace {

bool IsDigitOf(char c, int base) {
    if (c >= '0' && c <= '9')
        return true;
    return base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

std::optional<int> Reference(std::string_view text) {
    std::string_view rest = text;
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    int base = 10;
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
        base = 16;
        rest.remove_prefix(1);
    } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
        base = 16;
        rest.remove_prefix(2);
    }
    if (rest.empty())
        return std::nullopt;
    for (const char c : rest) {
        if (!IsDigitOf(c, base))
            return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude, base);
    if (error != std::errc() || end != rest.data() + rest.size())
        return std::nullopt;
    const long long value = negative ? -static_cast<long long>(std::min<std::uint64_t>(magnitude, 1ULL << 40))
                                     : static_cast<long long>(std::min<std::uint64_t>(magnitude, 1ULL << 40));
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<int> expected = Reference(text);
    try {
        const int value = StrToInt(text);
        FUZZ_CHECK(expected && *expected == value, "StrToInt gave %d for a text the reference %s", value,
                   expected ? "reads differently" : "refuses");
    } catch (const EConvertError& e) {
        FUZZ_CHECK(!expected, "StrToInt refused a text the reference reads as %d", expected.value_or(0));
        // what() is a C string: a NUL in the text ends the message there.
        const std::string message = "'" + std::string(text) + "' is not a valid integer value";
        FUZZ_CHECK(std::string(e.what()) == message.substr(0, message.find('\0')), "message %s", e.what());
    }
    return 0;
}
