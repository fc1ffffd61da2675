#include "app/application.h"
#include "app/errorreport.h"
#include "screens/drill/drill.h"
#include "support/world.h"

#include <QTest>

using namespace sakana;
using namespace sakana::testing;

namespace {

class RecordingReporter final : public ErrorReporter {
public:
    void report(const RuntimeError &error) override { reports.push_back(error); }
    std::vector<RuntimeError> reports;
};

} // namespace

// A failing step inside any handler reaches the one report of the application,
// and no handler of a screen runs after it. Every event here goes through the
// application object, as in the running program.
class TestErrorReport : public QObject {
    Q_OBJECT
private slots:
    // A failure is final for the application object, so there is one case per run.
    void failingStepIsReported()
    {
        const QString missing = QStringLiteral("画像/maru.gif");
        auto *app = static_cast<Application *>(QCoreApplication::instance());
        RecordingReporter reporter;
        app->setReporter(&reporter);

        World world;
        world.putAllFish(QStringLiteral("small.gif"));
        world.putPicture(QStringLiteral("mark.gif"), QStringLiteral("maru.gif"));
        world.putNameList(QByteArray("x\r\n").repeated(40));
        QFile::remove(world.media(missing));

        world.shell().open(ScreenId::Drill);
        auto *drill = world.screen<ドリル>(ScreenId::Drill);
        QWidget *window = drill->window();
        Label *name = drill->controls()->Label1[0];
        Timer *wait = drill->controls()->Timer2;

        QTest::mouseClick(name, Qt::LeftButton);  // fish 1 is the first question
        QCOMPARE(int(reporter.reports.size()), 1);
        QVERIFY(reporter.reports.front().file().endsWith(missing));
        QVERIFY(app->failure().has_value());
        QVERIFY(!window->isVisible());
        QVERIFY(reportText(reporter.reports.front()).contains(reporter.reports.front().file()));

        // Nothing on the screen reacts any more.
        world.players.log.clear();
        QTest::mouseClick(name, Qt::LeftButton);
        QCOMPARE(int(reporter.reports.size()), 1);
        QVERIFY(world.players.log.isEmpty());
        // The step stopped where it failed: the wait never started.
        QCOMPARE(wait->interval(), 0);
        app->setReporter(nullptr);
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestErrorReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_errorreport.moc"
