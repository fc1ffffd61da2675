// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cardprinter.h"
#include "app/commandline.h"
#include "app/errorreport.h"
#include "app/language.h"
#include "app/screenswitcher.h"
#include "app/startup.h"
#include "media/mediafolder.h"
#include "sound/soundmodule.h"
#include "quiz/clock.h"
#include "quiz/random.h"
#include "screens/menu/menudesign.h"
#include "ui/builtinpictures.h"
#include "ui/fonts.h"
#include "ui/guard.h"
#include "ui/screen.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>
#include <chrono>

int main(int argc, char *argv[])
{
    // The command line is read before any window system is opened: a run
    // that only prints (help, the version, the media check, a wrong command
    // line) gets none.
    const bool printsOnly = sakana::CommandLine::printsOnly(argc, argv);
    sakana::prepareProcess(printsOnly);
    // Named before the window system starts, which takes the names: the X11
    // window class from the application's name (the desktop entry's
    // StartupWMClass), the Wayland app id from the desktop entry's name.
    QApplication::setApplicationName(QStringLiteral("sakana"));
    QApplication::setApplicationVersion(QStringLiteral(SAKANA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.sakana.Sakana"));

    const QLocale language = sakana::messagesLocale();
    QTranslator translator;
    const bool translated = sakana::loadCommandLineLanguage(translator, language);
    const std::unique_ptr<QApplication> app =
        sakana::startApplication(argc, argv, printsOnly, translated ? &translator : nullptr);
    // The menu's pictures are decoded on a thread of their own meanwhile.
    if (!printsOnly)
        sakana::preloadBuiltInPictures(sakana::menu::kWindow, sakana::menu::kControls);

    // Qt's own texts (the command line's usage and errors) first: the
    // program's, installed last, are looked in before them.
    QTranslator qtTranslator;
    if (sakana::loadQtLanguage(qtTranslator, language))
        QCoreApplication::installTranslator(&qtTranslator);
    if (translated)
        QCoreApplication::installTranslator(&translator);
    sakana::CommandLine commandLine(sakana::usesWideText(language));
    commandLine.process(*app);

    const QString programDirectory = QCoreApplication::applicationDirPath();
    const std::optional<QString> named = commandLine.mediaFolder();
    std::optional<sakana::MediaFolder> media =
        named ? std::optional(sakana::MediaFolder(*named)) : sakana::MediaFolder::find(programDirectory);
    if (const std::optional<QString> drillSet = commandLine.drillSet(); drillSet && media)
        media->useDrillSet(*drillSet);
    if (commandLine.checksMedia())
        return sakana::checkMedia(media, programDirectory);
    if (const std::optional<QString> cards = commandLine.cardsFile())
        return sakana::printFishCards(*cards, media, programDirectory);

    // One look on every desktop, in which a button's face shows its colour.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    // The serif faces carried beside the program, where the system lacks the
    // design's own (the Windows zip's IPA faces).
    sakana::addFontsFrom(programDirectory + QStringLiteral("/fonts"));
    sakana::ErrorReport errors(sakana::showReportDialog);
    if (!media) {
        const QStringList places = sakana::MediaFolder::placesFor(programDirectory);
        QTimer::singleShot(0, app.get(), [&errors, places] {
            errors.report(sakana::MediaError(places.join(QStringLiteral("\n")), sakana::MediaError::Problem::NoMediaFolder));
        });
        return QApplication::exec();
    }

    sakana::SystemClock clock;
    sakana::SystemRandom random(clock);
    sakana::ModuleSoundPlayer sounds(*media, QDir::cleanPath(programDirectory + QStringLiteral("/" SAKANA_SOUND_MODULE)));
    sakana::ScreenSwitcher screens({*media, sounds, clock, random, errors}, [] { QCoreApplication::exit(0); },
                                   sakana::windowsFor(QGuiApplication::platformName()));
    screens.setFullScreen(commandLine.fullScreen());
    screens.setKiosk(commandLine.kiosk());

    // The menu opens inside the event loop, where a failing step is reported.
    QTimer::singleShot(0, app.get(), sakana::guarded(errors, [&screens, &sounds] {
        screens.go(sakana::Destination::Menu);
        // The sound system (some thirty libraries and the six sounds) starts
        // a moment after the menu is first painted, so that it does not take
        // the processor from the window system while the window comes up. A
        // click before then still sounds, since playing prepares first.
        using namespace std::chrono_literals;
        if (sakana::Screen *menu = screens.current())
            new sakana::AfterFirstPaint(*menu->window(), 200ms, [&sounds] { sounds.prepare(); });
    }));
    return QApplication::exec();
}
