#pragma once
// Every failure the program defines is one of these; the window's error handler
// catches the base class and shows its message, translated.

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // A message made of a pattern holding "%1" and the argument put in its
    // place; the error box puts the argument into the pattern's translation.
    Exception(const char* pattern, const std::string& argument)
        : std::runtime_error(Filled(pattern, argument)), m_pattern(pattern), m_argument(argument) {}

    // The pattern (a string literal) or null, and its argument.
    [[nodiscard]] const char* Pattern() const { return m_pattern; }
    [[nodiscard]] const std::string& Argument() const { return m_argument; }

private:
    static std::string Filled(std::string pattern, const std::string& argument) {
        if (const std::size_t at = pattern.find("%1"); at != std::string::npos)
            pattern.replace(at, 2, argument);
        return pattern;
    }

    const char* m_pattern = nullptr;
    std::string m_argument;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

class ChartException : public Exception {
public:
    using Exception::Exception;
};

class AxisException : public Exception {
public:
    using Exception::Exception;
};

class BarException : public Exception {
public:
    using Exception::Exception;
};

class LegendException : public Exception {
public:
    using Exception::Exception;
};

class SurfaceException : public Exception {
public:
    using Exception::Exception;
};
