#include "app/errorreport.h"
#include "app/screenswitcher.h"
#include "media/effectplayer.h"
#include "media/mediafolder.h"
#include "quiz/clock.h"
#include "quiz/random.h"
#include "ui/guard.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>

int main(int argc, char *argv[])
{
    // The built-in pictures live in the ui library.
    Q_INIT_RESOURCE(sakana);
    QApplication app(argc, argv);
    // One look on every desktop, in which a button's face shows its colour.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);

    const sakana::MediaFolder media = sakana::MediaFolder::besideProgram(QCoreApplication::applicationDirPath());
    sakana::ErrorReport errors(sakana::showReportDialog);
    sakana::SystemClock clock;
    sakana::SystemRandom random;
    sakana::EffectSoundPlayer sounds(media);
    sakana::ScreenSwitcher screens({media, sounds, clock, random, errors}, [] { QCoreApplication::exit(0); });

    // The menu opens inside the event loop, where a failing step is reported.
    QTimer::singleShot(0, &app, sakana::guarded(errors, [&screens] { screens.go(sakana::Destination::Menu); }));
    return QApplication::exec();
}
