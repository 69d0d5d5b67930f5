#pragma once
// Every failure the program defines is one of these; the window's error handler
// catches the base class and shows its message.

#include <stdexcept>

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
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
