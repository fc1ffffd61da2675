// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startup.h"

#include "app/mediacheck.h"
#include "app/sessionenvironment.h"
#include "app/windowsystem.h"
#include "media/mediafolder.h"

#include <QApplication>
#include <QEvent>
#include <QLoggingCategory>
#include <QMutex>
#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <vector>

// Q_INIT_RESOURCE must stand outside any namespace.
static void initBuiltInPictures()
{
    // The built-in pictures live in the ui library.
    Q_INIT_RESOURCE(sakana);
}

namespace sakana {

namespace {

// What Qt says while the application is being made, held back: passed on as
// it was once the window system has started, and dropped for the one line of
// startFailed() when none can.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

struct StartWatch {
    QMutex mutex;
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
    const QTranslator *translator = nullptr;
};
StartWatch startWatch;

void passOnHeld()
{
    for (const HeldMessage &message : startWatch.held) {
        const QMessageLogContext context(message.file.constData(), message.line, message.function.constData(),
                                         message.category.constData());
        startWatch.previous(message.type, context, message.text);
    }
    startWatch.held.clear();
}

// Qt ends the process with abort() once no platform plugin has started.
// Here that becomes one line of what is missing, and an exit status.
[[noreturn]] void startFailed()
{
    QStringList folders;
    const QString asked = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    if (!asked.isEmpty())
        folders << asked;
    for (const QString &path : QCoreApplication::libraryPaths())
        folders << path + QStringLiteral("/platforms");
    const WindowSystemFault fault =
        whyNoWindowSystem(QProcessEnvironment::systemEnvironment(), installedPlatforms(folders));
    const QString line = QStringLiteral("sakana: ") + describeFault(fault, startWatch.translator) + u'\n';
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(nullptr);
    // Not exit(): the application is half made, and its statics must not be
    // torn down from here.
    std::_Exit(1);
}

void watchStart(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Qt's report that no platform plugin could start; any other fatal
    // message goes on as Qt says it.
    if (type == QtFatalMsg && text.contains(u"platform plugin"))
        startFailed();
    QMutexLocker lock(&startWatch.mutex);
    if (type == QtFatalMsg) {
        passOnHeld();
        startWatch.previous(type, context, text);
        return;
    }
    startWatch.held.push_back({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

void prepareProcess(bool printsOnly)
{
    // A run that prints answers the same with a display or without one,
    // whatever platform the session asks for.
    if (printsOnly)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    quietSession();
    // The sound system's own categories repeat in its words what the player
    // says once in ours (no sound device, a sound that stays silent);
    // QT_LOGGING_RULES still brings them back.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia.*=false"));
    initBuiltInPictures();
}

std::unique_ptr<QApplication> startApplication(int &argc, char *argv[], bool printsOnly, const QTranslator *messages)
{
    QLoggingCategory *const general = QLoggingCategory::defaultCategory();
    const bool warns = general->isWarningEnabled();
    if (printsOnly)
        general->setEnabled(QtWarningMsg, false);
    startWatch.translator = messages;
    startWatch.previous = qInstallMessageHandler(watchStart);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(startWatch.previous);
    {
        QMutexLocker lock(&startWatch.mutex);
        passOnHeld();
    }
    general->setEnabled(QtWarningMsg, warns);
    return app;
}

int checkMedia(const std::optional<MediaFolder> &media, const QString &programDirectory)
{
    QTextStream out(stdout);
    if (!media) {
        out << QCoreApplication::translate("CommandLine", "No media folder found; looked in: %1")
                   .arg(MediaFolder::placesFor(programDirectory).join(QStringLiteral(", ")))
            << '\n';
        return 1;
    }
    const std::vector<MediaProblem> problems = checkMediaFolder(*media);
    printCheck(*media, problems, out);
    return checkExitStatus(problems);
}

AfterFirstPaint::AfterFirstPaint(QWidget &window, std::chrono::milliseconds delay, std::function<void()> job)
    : QObject(&window), delay_(delay), job_(std::move(job))
{
    window.installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(delay_, qApp, std::move(job_));
    }
    return false;
}

} // namespace sakana
