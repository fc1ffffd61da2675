// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QApplication;
class QTranslator;
class QWidget;

namespace sakana {

class MediaFolder;

// Prepares the process before the application exists: a run that only
// prints gets no display (whatever QT_QPA_PLATFORM says), the session's and the sound system's needless
// messages are silenced, and the built-in pictures are registered.
void prepareProcess(bool printsOnly);

// The application. Starting the window system, Qt looks for a sandbox marker
// in the session's runtime folder and, when the session names none, says so
// in its general category; the runs that only print use neither, and print
// nothing but their own. When no window system can start, the program ends
// with status 1 and one line, in the language of `messages`, that says what
// is missing (see windowsystem.h) instead of Qt's abort; what Qt says on the
// way is held back until the window system has started.
std::unique_ptr<QApplication> startApplication(int &argc, char *argv[], bool printsOnly, const QTranslator *messages);

// The run of --check-media: prints what is wrong with the folder (none: no
// folder was found in the places for the program's folder) and gives the
// exit status.
int checkMedia(const std::optional<MediaFolder> &media, const QString &programDirectory);

// Runs a job once, from the event loop, a while after the window's first
// paint.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget &window, std::chrono::milliseconds delay, std::function<void()> job);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::chrono::milliseconds delay_;
    std::function<void()> job_;
};

} // namespace sakana
