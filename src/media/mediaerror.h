// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <exception>
#include <string>

namespace sakana {

// A media file that cannot be opened, read or decoded. A picture or the name
// list stops the step in progress; the program's one error report shows it
// and ends the program. A sound stays silent, and the program goes on.
//
// It carries what went wrong as a value; the sentence that says it is made
// here alone, from English source texts that translations/sakana_*.ts
// translate.
class MediaError : public std::exception {
public:
    enum class Problem {
        Missing,           // no file under the name
        Unreadable,        // there, but it cannot be opened or read
        NotAFile,          // a folder, a pipe, a socket or a device
        TooLarge,          // beyond what a media file of its kind may hold
        EmptyPicture,
        PictureCutShort,
        NotAPicture,       // not a picture format the program reads, whatever its name
        PictureBroken,     // the decoder gave up: a damaged or gigantic picture
        EntryTooLong,      // name list entry `entry`, longer than `limit` bytes
        EntryNotShiftJis,  // name list entry `entry` is not code page 932
        EntryNotUtf8,      // name list entry `entry` is not UTF-8, in a UTF-8 file
        NoShiftJis,        // the system cannot decode code page 932 at all
        TooFewEntries,     // only `entry` entries where `limit` are needed
        UnknownFish,       // drill set line `entry` names no fish: `text`
        NoFishChosen,      // the drill set names no fish at all
        NoMediaFolder,     // none of the places looked in holds the media folders
        NotAWave,          // a sound that is not a RIFF WAVE file
        WaveFormatCutShort,
        WaveFormatUnplayable,  // not a sample format the sound players play
        WaveWithoutFormat,     // samples before any format block
        WaveWithoutSamples,    // not one whole sample frame
        WaveCutShort,          // fewer samples than it claims, or no samples chunk
    };
    // What stands under the name when it is not a regular file.
    enum class FileKind { Folder, Pipe, Socket, Device, Other, Unknown };

    MediaError(QString file, Problem problem, int entry = 0, int limit = 0);
    MediaError(QString file, FileKind kind);
    // A line of a text file and what stands on it.
    MediaError(QString file, Problem problem, int line, QString text);

    const QString &file() const noexcept { return file_; }
    Problem problem() const noexcept { return problem_; }

    // What went wrong, in Japanese: the language of the program's windows
    // and of the error report the child sees, whatever the locale.
    QString reason() const;
    // The same in the language of the translators the application has
    // installed, English without one: for the command line.
    QString translatedReason() const;
    // The file and the English sentence, for diagnostics.
    const char *what() const noexcept override { return message_.c_str(); }

private:
    QString file_;
    Problem problem_;
    FileKind kind_ = FileKind::Unknown;
    int entry_ = 0;
    int limit_ = 0;
    QString text_;
    std::string message_;
};

} // namespace sakana
