#pragma once

#include <QString>
#include <exception>
#include <string>

namespace sakana {

// A failure that stops the handler in progress: a picture or the name list
// that cannot be opened, read or decoded. It is caught in one central place,
// which shows the run-time error report and ends the program.
class RuntimeError : public std::exception {
public:
    RuntimeError(QString file, QString reason)
        : file_(std::move(file)), reason_(std::move(reason)),
          message_((file_ + QStringLiteral(": ") + reason_).toStdString()) {}

    const QString &file() const noexcept { return file_; }
    const QString &reason() const noexcept { return reason_; }
    const char *what() const noexcept override { return message_.c_str(); }

private:
    QString file_;
    QString reason_;
    std::string message_;
};

} // namespace sakana
