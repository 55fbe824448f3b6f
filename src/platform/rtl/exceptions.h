#pragma once
// The exception family of the run-time: every failure carries a message.
#include <QString>

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

// A text that does not convert to the requested number or format.
class EConvertError : public Exception {
    using Exception::Exception;
};

// Misuse of a string list (index out of range, insert into a sorted list, a
// duplicate refused by dupError).
class EStringListError : public Exception {
    using Exception::Exception;
};

// A file that cannot be opened, read or written.
class EFileError : public Exception {
    using Exception::Exception;
};
