// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <optional>

class QCoreApplication;

namespace sakana {

// The program's command line: its options and what they ask for. The texts
// are in the language of the translators installed when it is made; in a
// language of wide characters (`wideText`) the help is laid out for them.
class CommandLine {
public:
    explicit CommandLine(bool wideText = false);

    // Whether the arguments ask for a run that prints and ends rather than
    // opening a window, and so needs no display: help, the version, the
    // media check, the fish cards, and a command line the parser rejects. Decided from argv
    // alone, before the application exists.
    static bool printsOnly(int argc, char *argv[]);

    // Reads the application's arguments; help, the version and a wrong
    // command line are printed and end the program here.
    void process(const QCoreApplication &app);

    // The help of a language of wide characters, as Qt's parser lays it out
    // but within 80 terminal columns, a wide character counted as two, and
    // broken between characters where the text has no spaces. (Qt's own
    // counts characters and breaks at spaces only: fine for English.)
    QString wideHelpText(const QString &program) const;

    bool checksMedia() const { return parser_.isSet(check_); }
    bool fullScreen() const { return parser_.isSet(fullScreen_); }
    bool kiosk() const { return parser_.isSet(kiosk_); }
    // The drill set the command line names, made absolute from the working
    // directory, if it names one.
    std::optional<QString> drillSet() const;
    // The PDF of fish cards to write, if asked for.
    std::optional<QString> cardsFile() const;
    // The media folder the command line names, if it names one.
    std::optional<QString> mediaFolder() const;

private:
    bool asksToPrint() const;

    bool wideText_;
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    QCommandLineOption media_;
    QCommandLineOption check_;
    QCommandLineOption fullScreen_;
    QCommandLineOption kiosk_;
    QCommandLineOption drillSet_;
    QCommandLineOption cards_;
    QString folderText_;
};

} // namespace sakana
