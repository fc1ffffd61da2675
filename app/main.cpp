#include "app/application.h"
#include "app/clock.h"
#include "app/errorreport.h"
#include "app/random.h"
#include "app/screen.h"
#include "app/shell.h"
#include "media/effectplayer.h"
#include "media/paths.h"
#include "screens/screens.h"

#include <QStyleFactory>
#include <QTimer>

int main(int argc, char *argv[])
{
    // The built-in pictures live in the core library.
    Q_INIT_RESOURCE(sakana);
    sakana::Application app(argc, argv);
    // One look on every desktop, in which a button's face shows its colour.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setQuitOnLastWindowClosed(false);

    sakana::DialogErrorReporter reporter;
    app.setReporter(&reporter);

    const QString appDir = sakana::appDirFrom(QCoreApplication::applicationDirPath());

    sakana::SystemClock clock;
    sakana::SystemRandom random;
    sakana::EffectPlayerFactory players;
    players.preload({
        sakana::mediaPath(appDir, QStringLiteral("\\音\\oto.wav")),
        sakana::mediaPath(appDir, QStringLiteral("\\音\\oto1.wav")),
        sakana::mediaPath(appDir, QStringLiteral("\\音\\o.wav")),
        sakana::mediaPath(appDir, QStringLiteral("\\音\\x.wav")),
        sakana::mediaPath(appDir, QStringLiteral("\\音\\gokaku.wav")),
        sakana::mediaPath(appDir, QStringLiteral("\\音\\dame.wav")),
    });

    sakana::Shell shell(appDir, {clock, random, players}, sakana::makeScreen,
                        [] { QCoreApplication::exit(0); });
    // The menu opens inside the event loop, where a failing step is reported.
    QTimer::singleShot(0, &app, [&shell] { shell.open(sakana::ScreenId::Menu); });
    return app.exec();
}
