// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
#include "ui/guard.h"
#include "ui/screen.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>
#include <chrono>

int main(int argc, char *argv[])
{
    const bool printsOnly = sakana::CommandLine::printsOnly(argc, argv);
    sakana::prepareProcess(printsOnly);
    const std::unique_ptr<QApplication> app = sakana::startApplication(argc, argv, printsOnly);
    // The menu's pictures are decoded on a thread of their own meanwhile.
    if (!printsOnly)
        sakana::preloadBuiltInPictures(sakana::menu::kWindow, sakana::menu::kControls);
    QApplication::setApplicationName(QStringLiteral("sakana"));
    QApplication::setApplicationVersion(QStringLiteral(SAKANA_VERSION));

    QTranslator translator;
    if (sakana::loadCommandLineLanguage(translator, sakana::messagesLocale()))
        QCoreApplication::installTranslator(&translator);
    sakana::CommandLine commandLine;
    commandLine.process(*app);

    const QString programDirectory = QCoreApplication::applicationDirPath();
    const std::optional<QString> named = commandLine.mediaFolder();
    const std::optional<sakana::MediaFolder> media =
        named ? std::optional(sakana::MediaFolder(*named)) : sakana::MediaFolder::find(programDirectory);
    if (commandLine.checksMedia())
        return sakana::checkMedia(media, programDirectory);

    // One look on every desktop, in which a button's face shows its colour.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
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
