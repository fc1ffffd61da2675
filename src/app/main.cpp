// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/errorreport.h"
#include "app/language.h"
#include "app/mediacheck.h"
#include "app/screenswitcher.h"
#include "app/sessionenvironment.h"
#include "media/mediafolder.h"
#include "sound/soundmodule.h"
#include "quiz/clock.h"
#include "quiz/random.h"
#include "screens/menu/menudesign.h"
#include "ui/builtinpictures.h"
#include "ui/guard.h"
#include "ui/screen.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEvent>
#include <QLoggingCategory>
#include <QStyleFactory>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include <chrono>
#include <cstring>
#include <functional>

namespace {

// The ways of running that print and end rather than open a window; they need
// no display.
bool printsOnly(int argc, char *argv[])
{
    for (int k = 1; k < argc; ++k) {
        for (const char *option : {"--check-media", "--help", "-h", "--help-all", "--version", "-v"}) {
            if (std::strcmp(argv[k], option) == 0)
                return true;
        }
    }
    return false;
}


// Runs a job once, from the event loop, a while after the window's first
// paint.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget &window, std::chrono::milliseconds delay, std::function<void()> job)
        : QObject(&window), delay_(delay), job_(std::move(job))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(delay_, qApp, std::move(job_));
        }
        return false;
    }

private:
    std::chrono::milliseconds delay_;
    std::function<void()> job_;
};

} // namespace

int main(int argc, char *argv[])
{
    if (printsOnly(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    sakana::quietSession();
    // The sound system's own categories repeat in its words what the player
    // says once in ours (no sound device, a sound that stays silent);
    // QT_LOGGING_RULES still brings them back.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia.*=false"));
    // The built-in pictures live in the ui library.
    Q_INIT_RESOURCE(sakana);
    // Starting the window system, Qt looks for a sandbox marker in the
    // session's runtime folder and, when the session names none, says so in
    // its general category; the runs that only print use neither, and print
    // nothing but their own.
    QLoggingCategory *const general = QLoggingCategory::defaultCategory();
    const bool warns = general->isWarningEnabled();
    if (printsOnly(argc, argv))
        general->setEnabled(QtWarningMsg, false);
    QApplication app(argc, argv);
    general->setEnabled(QtWarningMsg, warns);
    // The menu's pictures are decoded on a thread of their own meanwhile.
    if (!printsOnly(argc, argv))
        sakana::preloadBuiltInPictures(sakana::menu::kWindow, sakana::menu::kControls);
    QApplication::setApplicationName(QStringLiteral("sakana"));
    QApplication::setApplicationVersion(QStringLiteral(SAKANA_VERSION));

    QTranslator translator;
    if (sakana::loadCommandLineLanguage(translator, sakana::messagesLocale()))
        QCoreApplication::installTranslator(&translator);

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine", "A program for young children to learn forty kinds of fish."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption mediaOption(QStringLiteral("media"), QCoreApplication::translate("CommandLine", "Use the media folder DIR."), QStringLiteral("DIR"));
    const QCommandLineOption checkOption(
        QStringLiteral("check-media"),
        QCoreApplication::translate("CommandLine", "Check the media folder DIR (or the one the program would use), report every problem and end. "
           "Exit status 0: complete; 1: the program would stop; 2: warnings only."));
    const QCommandLineOption fullScreenOption(
        QStringLiteral("fullscreen"),
        QCoreApplication::translate("CommandLine", "Start full screen, every screen scaled to fill it. F11 switches, Escape leaves."));
    parser.addOption(mediaOption);
    parser.addOption(checkOption);
    parser.addOption(fullScreenOption);
    parser.addPositionalArgument(QStringLiteral("DIR"), QCoreApplication::translate("CommandLine", "With --check-media: the folder to check."),
                                 QStringLiteral("[DIR]"));
    parser.process(app);

    const QString programDirectory = QCoreApplication::applicationDirPath();
    std::optional<sakana::MediaFolder> media;
    if (parser.isSet(checkOption) && !parser.positionalArguments().isEmpty())
        media = sakana::MediaFolder(parser.positionalArguments().constFirst());
    else if (parser.isSet(mediaOption))
        media = sakana::MediaFolder(parser.value(mediaOption));
    else
        media = sakana::MediaFolder::find(programDirectory);

    if (parser.isSet(checkOption)) {
        QTextStream out(stdout);
        if (!media) {
            out << QCoreApplication::translate("CommandLine", "No media folder found; looked in: %1")
                       .arg(sakana::MediaFolder::placesFor(programDirectory).join(QStringLiteral(", ")))
                << '\n';
            return 1;
        }
        const std::vector<sakana::MediaProblem> problems = sakana::checkMediaFolder(*media);
        sakana::printCheck(*media, problems, out);
        return sakana::checkExitStatus(problems);
    }

    // One look on every desktop, in which a button's face shows its colour.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    sakana::ErrorReport errors(sakana::showReportDialog);
    if (!media) {
        const QStringList places = sakana::MediaFolder::placesFor(programDirectory);
        QTimer::singleShot(0, &app, [&errors, places] {
            errors.report(sakana::MediaError(places.join(QStringLiteral("\n")), sakana::MediaError::Problem::NoMediaFolder));
        });
        return QApplication::exec();
    }

    sakana::SystemClock clock;
    sakana::SystemRandom random;
    sakana::ModuleSoundPlayer sounds(*media, QDir::cleanPath(programDirectory + QStringLiteral("/" SAKANA_SOUND_MODULE)));
    sakana::ScreenSwitcher screens({*media, sounds, clock, random, errors}, [] { QCoreApplication::exit(0); });
    screens.setFullScreen(parser.isSet(fullScreenOption));

    // The menu opens inside the event loop, where a failing step is reported.
    QTimer::singleShot(0, &app, sakana::guarded(errors, [&screens, &sounds] {
        screens.go(sakana::Destination::Menu);
        // The sound system (some thirty libraries and the six sounds) starts
        // a moment after the menu is first painted, so that it does not take
        // the processor from the window system while the window comes up. A
        // click before then still sounds, since playing prepares first.
        using namespace std::chrono_literals;
        if (sakana::Screen *menu = screens.current())
            new AfterFirstPaint(*menu->window(), 200ms, [&sounds] { sounds.prepare(); });
    }));
    return QApplication::exec();
}
