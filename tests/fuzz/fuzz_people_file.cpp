// The people file's reader: any bytes give either a whole-file problem and
// nobody, or people who could all be kept, one per usable entry, each named
// once; and what is written of them reads back the same.

#include "FuzzInput.h"

#include "People.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TPeopleRead read = PeopleFromJson(json, 1910, 2010);
    FUZZ_CHECK(read.FileProblem.isEmpty() || (read.People.empty() && read.Skipped.isEmpty()),
               "a whole-file problem with %zu people read", read.People.size());
    QSet<QString> names;
    for (const TPerson& person : read.People) {
        FUZZ_CHECK(NameProblem(person.Name).isEmpty() && CleanName(person.Name) == person.Name, "name %s kept",
                   qPrintable(person.Name));
        FUZZ_CHECK(!names.contains(person.Name.toCaseFolded()), "name %s twice", qPrintable(person.Name));
        names.insert(person.Name.toCaseFolded());
        const int year = SerialToDate(person.Birth).Year;
        FUZZ_CHECK(year >= 1910 && year <= 2010, "birth year %d kept", year);
    }
    const TPeopleRead again = PeopleFromJson(PeopleToJson(read.People), 1910, 2010);
    FUZZ_CHECK(!again.Damaged() && again.People == read.People, "%zu people do not read back as written",
               read.People.size());
    return 0;
}
