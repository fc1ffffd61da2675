#pragma once

#include <QString>
#include <exception>
#include <string>

namespace sakana {

// A media file that cannot be opened, read or decoded: a picture or the name
// list. It stops the step in progress; the program's one error report shows
// it and ends the program.
class MediaError : public std::exception {
public:
    MediaError(QString file, QString reason)
        : file_(std::move(file)), reason_(std::move(reason)),
          message_((file_ + QStringLiteral(": ") + reason_).toStdString())
    {
    }

    const QString &file() const noexcept { return file_; }
    const QString &reason() const noexcept { return reason_; }
    const char *what() const noexcept override { return message_.c_str(); }

private:
    QString file_;
    QString reason_;
    std::string message_;
};

} // namespace sakana
