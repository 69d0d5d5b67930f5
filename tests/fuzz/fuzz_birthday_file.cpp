// The birthday file: any bytes read back as a reference splitter of lines
// reads them, and whatever is written reads back as written.

#include "FuzzInput.h"

#include "BirthdayFile.h"
#include "Errors.h"
#include "IntegerText.h"
#include "LocalDate.h"
#include "SpecialFolder.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

namespace fs = std::filesystem;

constexpr TLocalDate Today{2011, 7, 23};
constexpr std::size_t ReadLimit = 1 << 20;

struct TPlace {
    TPlace() {
        // tmpfs when there is one: the writer flushes every file to the disk.
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "fuzz-birthday.XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        fs::create_directories(root / "temp");
        folder = std::make_unique<SpecialFolderOverride>(root.string(), root.string());
    }
    ~TPlace() {
        folder.reset();
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    TPlace(const TPlace&) = delete;
    TPlace& operator=(const TPlace&) = delete;

    fs::path root;
    std::unique_ptr<SpecialFolderOverride> folder;
    LocalDateOverride date{Today};
};

TPlace& Place() {
    static TPlace place;
    return place;
}

fs::path FilePath() { return Place().root / "temp" / "biorhythm.ini"; }

TBirthday Reference(std::string_view bytes) {
    bytes = bytes.substr(0, ReadLimit);
    std::array<std::string, 3> lines;
    std::size_t line = 0;
    for (const char c : bytes) {
        if (c == 26 || line == 3)
            break;
        if (c == '\r')
            ++line;
        else if (c != '\n')
            lines[line] += c;
    }
    TBirthday result{static_cast<std::uint16_t>(Today.Year), static_cast<std::uint16_t>(Today.Month),
                     static_cast<std::uint16_t>(Today.Day)};
    std::uint16_t* fields[] = {&result.Year, &result.Month, &result.Day};
    for (std::size_t i = 0; i < 3; ++i) {
        try {
            *fields[i] = static_cast<std::uint16_t>(StrToInt(lines[i]));
        } catch (const EConvertError&) {
            break;
        }
    }
    return result;
}

void Put(std::string_view bytes) {
    std::ofstream(FilePath(), std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Get() {
    std::ifstream in(FilePath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void CheckRead(std::string_view bytes) {
    const TBirthday read = ReadBirthdayFile();
    const TBirthday expected = Reference(bytes);
    FUZZ_CHECK(read == expected, "read %d/%d/%d, expected %d/%d/%d", read.Year, read.Month, read.Day,
               expected.Year, expected.Month, expected.Day);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput in(data, size);
    Place();
    if (in.Byte() % 2 == 0) {
        const std::string_view bytes = in.Rest();
        Put(bytes);
        CheckRead(bytes);
        return 0;
    }
    const std::string year = in.Text(12);
    const int month = in.Bool() ? in.Raw<std::int32_t>() : static_cast<int>(in.Between(-3, 20));
    const int day = static_cast<int>(in.Between(-3, 40));
    WriteBirthdayFile(year, month, day);
    const std::string expected =
        year + "\r\n" + std::to_string(static_cast<long long>(month) + 1) + "\r\n" + std::to_string(day + 1) + "\r\n";
    const std::string written = Get();
    FUZZ_CHECK(written == expected, "wrote %zu bytes, expected %zu", written.size(), expected.size());
    CheckRead(written);
    FUZZ_CHECK(std::distance(fs::directory_iterator(Place().root / "temp"), {}) == 1, "a temporary was left");
    return 0;
}
