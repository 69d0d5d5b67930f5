#include "Formatting.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// ---- numbers -------------------------------------------------------------

// A decimal expansion: digit i has the weight 10^(Exponent - i).
struct TDecimal {
    std::string Digits;
    int Exponent = 0;
    [[nodiscard]] bool IsZero() const { return Digits.find_first_not_of('0') == std::string::npos; }
    [[nodiscard]] char DigitAt(int weight) const {
        int i = Exponent - weight;
        return i >= 0 && i < static_cast<int>(Digits.size()) ? Digits[i] : '0';
    }
};

// The 18 significant digits of the extended value of |v|.
TDecimal ToDecimal(double v) {
    TDecimal d;
    if (v == 0) {
        d.Digits = "0";
        return d;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", static_cast<long double>(std::fabs(v)));
    for (const char* p = buffer; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.Digits.push_back(*p);
    const char* e = std::strchr(buffer, 'e');
    d.Exponent = e ? std::atoi(e + 1) : 0;
    return d;
}

// Half away from zero at the digit of weight 10^-decimals.
void RoundAt(TDecimal& d, int decimals) {
    int keep = d.Exponent + 1 + decimals;
    if (keep >= static_cast<int>(d.Digits.size()))
        return;
    if (keep < 0) {
        d.Digits = "0";
        return;
    }
    bool up = d.Digits[keep] >= '5';
    d.Digits.resize(keep);
    if (!up) {
        if (d.Digits.empty())
            d.Digits = "0";
        return;
    }
    int i = keep - 1;
    while (i >= 0 && d.Digits[i] == '9')
        d.Digits[i--] = '0';
    if (i >= 0) {
        ++d.Digits[i];
    } else {
        d.Digits.insert(d.Digits.begin(), '1');
        ++d.Exponent;
    }
}

struct TNumberElement {
    enum class Kind { Literal, Digit, Point } kind;
    QString text;      // Literal
    bool required = false;  // Digit: "0"
};

struct TNumberSection {
    std::vector<TNumberElement> elements;
    bool grouping = false;
    int integerPlaceholders = 0;
    int minIntegerDigits = 0;  // from the leftmost "0" to the point
    int maxDecimals = 0;
    int minDecimals = 0;
};

std::vector<QString> SplitSections(const QString& pattern) {
    std::vector<QString> sections(1);
    QChar quote;
    for (QChar c : pattern) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u';') {
            sections.emplace_back();
            continue;
        }
        sections.back().append(c);
    }
    return sections;
}

TNumberSection ParseSection(const QString& section) {
    TNumberSection s;
    bool afterPoint = false;
    int integerPlaceholders = 0;
    int leftmostZeroFromLeft = -1;
    for (qsizetype i = 0; i < section.size(); ++i) {
        QChar c = section[i];
        if (c == u'"' || c == u'\'') {
            qsizetype end = section.indexOf(c, i + 1);
            if (end < 0)
                end = section.size();
            s.elements.push_back({TNumberElement::Kind::Literal, section.mid(i + 1, end - i - 1)});
            i = end;
        } else if (c == u'0' || c == u'#') {
            bool required = c == u'0';
            s.elements.push_back({TNumberElement::Kind::Digit, {}, required});
            if (afterPoint) {
                ++s.maxDecimals;
                if (required)
                    s.minDecimals = s.maxDecimals;
            } else {
                if (required && leftmostZeroFromLeft < 0)
                    leftmostZeroFromLeft = integerPlaceholders;
                ++integerPlaceholders;
            }
        } else if (c == u'.' && !afterPoint) {
            afterPoint = true;
            s.elements.push_back({TNumberElement::Kind::Point, {}});
        } else if (c == u',' && !afterPoint) {
            s.grouping = true;
        } else {
            s.elements.push_back({TNumberElement::Kind::Literal, QString(c)});
        }
    }
    s.integerPlaceholders = integerPlaceholders;
    s.minIntegerDigits = leftmostZeroFromLeft < 0 ? 0 : integerPlaceholders - leftmostZeroFromLeft;
    return s;
}

QString Render(const TNumberSection& s, const TDecimal& d) {
    QString integer;
    for (int w = std::max(d.Exponent, 0); w >= 0; --w)
        if (d.Exponent >= 0)
            integer.append(QChar(d.DigitAt(w)));
    while (integer.size() > 1 && integer.startsWith(u'0'))
        integer.remove(0, 1);
    if (integer == u"0")
        integer.clear();
    while (integer.size() < s.minIntegerDigits)
        integer.prepend(u'0');

    QString fraction;
    for (int j = 1; j <= s.maxDecimals; ++j)
        fraction.append(QChar(d.DigitAt(-j)));
    while (fraction.size() > s.minDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);

    const int digitCount = static_cast<int>(integer.size());
    auto emitIntegerDigit = [&](QString& out, int index) {  // index from the left
        out.append(integer[index]);
        int fromRight = digitCount - 1 - index;
        if (s.grouping && fromRight > 0 && fromRight % 3 == 0)
            out.append(u',');
    };

    QString out;
    int integerSeen = 0;
    int fractionSeen = 0;
    bool afterPoint = false;
    for (const auto& e : s.elements) {
        switch (e.kind) {
        case TNumberElement::Kind::Literal:
            out.append(e.text);
            break;
        case TNumberElement::Kind::Point:
            afterPoint = true;
            for (int i = 0; s.integerPlaceholders == 0 && i < digitCount; ++i)
                emitIntegerDigit(out, i);
            if (!fraction.isEmpty())
                out.append(u'.');
            break;
        case TNumberElement::Kind::Digit:
            if (afterPoint) {
                if (fractionSeen < fraction.size())
                    out.append(fraction[fractionSeen]);
                ++fractionSeen;
            } else {
                // Digits are right-aligned on the placeholders; the first one
                // takes every digit the pattern has no placeholder for.
                int fromRight = s.integerPlaceholders - 1 - integerSeen;
                int first = integerSeen == 0 ? 0 : digitCount - 1 - fromRight;
                int last = digitCount - 1 - fromRight;
                for (int i = std::max(first, 0); i <= last; ++i)
                    emitIntegerDigit(out, i);
                ++integerSeen;
            }
            break;
        }
    }
    return out;
}

// ---- dates ---------------------------------------------------------------

constexpr qint64 JulianDayOfSerialZero = 2415019;  // 1899-12-30
constexpr const char* ShortDayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr const char* LongDayNames[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                        "Friday", "Saturday", "Sunday"};
constexpr const char* ShortMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* LongMonthNames[] = {"January", "February", "March",     "April",
                                          "May",     "June",     "July",      "August",
                                          "September", "October", "November", "December"};

struct TDateTimeParts {
    QDate date;
    int hour = 0, minute = 0, second = 0, msec = 0;
    bool hasTime = false;
};

QString Padded(int v, int width) { return QString::number(v).rightJustified(width, u'0'); }

int RunLength(const QString& p, qsizetype i) {
    QChar c = p[i].toLower();
    int n = 1;
    while (i + n < p.size() && p[i + n].toLower() == c)
        ++n;
    return n;
}

bool StartsWithNoCase(const QString& p, qsizetype i, const char* word) {
    return p.mid(i).startsWith(QLatin1String(word), Qt::CaseInsensitive);
}

void FormatInto(QString& out, const QString& p, const TDateTimeParts& t, int depth) {
    const bool twelveHour = p.contains(QLatin1String("am/pm"), Qt::CaseInsensitive) ||
                            p.contains(QLatin1String("a/p"), Qt::CaseInsensitive) ||
                            p.contains(QLatin1String("ampm"), Qt::CaseInsensitive);
    auto nested = [&](const char* pattern) {
        if (depth < 2)
            FormatInto(out, QString::fromLatin1(pattern), t, depth + 1);
    };
    bool lastWasHour = false;
    for (qsizetype i = 0; i < p.size();) {
        const QChar c = p[i];
        const char16_t lc = c.toLower().unicode();
        if (c == u'"' || c == u'\'') {
            qsizetype end = p.indexOf(c, i + 1);
            if (end < 0)
                end = p.size();
            out.append(p.mid(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (c == u'/') {
            out.append(DateSeparator);
            ++i;
            continue;
        }
        if (c == u':') {
            out.append(TimeSeparator);
            ++i;
            continue;
        }
        const bool letter = (lc >= u'a' && lc <= u'z');
        const int n = letter ? RunLength(p, i) : 1;
        const bool minuteAfterHour = lc == u'm' && lastWasHour;
        if (letter)
            lastWasHour = lc == u'h';
        switch (lc) {
        case u'd':
            if (n == 1 || n == 2)
                out.append(Padded(t.date.day(), n));
            else if (n == 3)
                out.append(QLatin1String(ShortDayNames[t.date.dayOfWeek() - 1]));
            else if (n == 4)
                out.append(QLatin1String(LongDayNames[t.date.dayOfWeek() - 1]));
            else if (n == 5)
                nested(ShortDateFormat);
            else
                nested(LongDateFormat);
            break;
        case u'm':
            if (minuteAfterHour)
                out.append(Padded(t.minute, n == 1 ? 1 : 2));
            else if (n <= 2)
                out.append(Padded(t.date.month(), n));
            else
                out.append(QLatin1String((n == 3 ? ShortMonthNames
                                                 : LongMonthNames)[t.date.month() - 1]));
            break;
        case u'y':
            out.append(n <= 2 ? Padded(t.date.year() % 100, 2) : Padded(t.date.year(), 4));
            break;
        case u'h': {
            int h = t.hour;
            if (twelveHour)
                h = h % 12 == 0 ? 12 : h % 12;
            out.append(Padded(h, n == 1 ? 1 : 2));
            break;
        }
        case u'n':
            out.append(Padded(t.minute, n == 1 ? 1 : 2));
            break;
        case u's':
            out.append(Padded(t.second, n == 1 ? 1 : 2));
            break;
        case u'z':
            out.append(Padded(t.msec, n < 3 ? 1 : 3));
            break;
        case u't':
            nested(n == 1 ? ShortTimeFormat : LongTimeFormat);
            break;
        case u'c':
            nested(ShortDateFormat);
            if (t.hasTime) {
                out.append(u' ');
                nested(LongTimeFormat);
            }
            break;
        case u'a':
            if (StartsWithNoCase(p, i, "am/pm")) {
                out.append(QLatin1String(t.hour < 12 ? "am" : "pm"));
                i += 5;
                continue;
            }
            if (StartsWithNoCase(p, i, "a/p")) {
                out.append(QLatin1String(t.hour < 12 ? "a" : "p"));
                i += 3;
                continue;
            }
            if (StartsWithNoCase(p, i, "ampm")) {
                out.append(QLatin1String(t.hour < 12 ? "AM" : "PM"));
                i += 4;
                continue;
            }
            out.append(p.mid(i, n));
            break;
        default:
            out.append(p.mid(i, n));
            break;
        }
        i += n;
    }
}

}  // namespace

QString FormatFloat(const QString& pattern, double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");

    const std::vector<QString> sections = SplitSections(pattern);
    const bool negative = value < 0;
    TNumberSection section = ParseSection(sections[0]);
    bool sectionHasSign = false;
    if (negative && sections.size() > 1 && !sections[1].isEmpty()) {
        section = ParseSection(sections[1]);
        sectionHasSign = true;
    }
    TDecimal d = ToDecimal(value);
    RoundAt(d, section.maxDecimals);
    if (d.IsZero() && sections.size() > 2 && !sections[2].isEmpty()) {
        section = ParseSection(sections[2]);
        d = ToDecimal(0);
        sectionHasSign = true;
    }
    QString text = Render(section, d);
    if (negative && !sectionHasSign && !d.IsZero())
        text.prepend(u'-');
    return text;
}

std::optional<QDate> SerialToQDate(double serial) {
    if (!std::isfinite(serial) || serial <= -693594 || serial >= 2958466)
        return std::nullopt;
    const QDate date = QDate::fromJulianDay(static_cast<qint64>(std::trunc(serial)) + JulianDayOfSerialZero);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

double QDateToSerial(const QDate& date) {
    return static_cast<double>(date.toJulianDay() - JulianDayOfSerialZero);
}

QString FormatDateTime(const QString& pattern, double serial) {
    const std::optional<QDate> date = SerialToQDate(serial);
    if (!date)
        return {};
    const double day = std::trunc(serial);
    TDateTimeParts t;
    t.date = *date;
    long long ms = std::llround(std::fabs(serial - day) * 86400000.0);
    if (ms >= 86400000)
        ms = 86399999;
    t.hasTime = ms != 0;
    t.hour = static_cast<int>(ms / 3600000);
    t.minute = static_cast<int>(ms / 60000 % 60);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.msec = static_cast<int>(ms % 1000);
    QString out;
    FormatInto(out, pattern, t, 0);
    return out;
}
