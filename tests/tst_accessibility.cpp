#include "support/world.h"
#include "ui/controls.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QStringEncoder>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace sakana;
using namespace sakana::testing;

namespace {

// What a screen reader was told: the object, the event and the object's
// accessible name when it was told.
struct Heard {
    QObject *object = nullptr;
    QAccessible::Event type{};
    QString name;
};
std::vector<Heard> heard;

void hear(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    heard.push_back({event->object(), event->type(), iface ? iface->text(QAccessible::Name) : QString()});
}

// The names given to one object in events of this type, in order.
QStringList namesHeard(const QObject *object, QAccessible::Event type)
{
    QStringList names;
    for (const Heard &h : heard) {
        if (h.object == object && h.type == type)
            names << h.name;
    }
    return names;
}

int fishAt(int question)
{
    return ((question - 1) * 17 + 9) % 40 + 1;
}

struct Fixture {
    explicit Fixture(Destination destination)
    {
        world.putEveryPicture();
        for (int question = 1; question <= 40; ++question)
            world.random.pickFish(fishAt(question));
        world.go(destination);
        world.activate();
        heard.clear();
    }
    QWidget *widget(const QString &role) const { return world.control<QWidget>(role); }
    QAccessibleInterface *iface(const QString &role) const
    {
        return QAccessible::queryAccessibleInterface(widget(role));
    }
    // Answers every question by clicks, the first `right` of them rightly.
    void answerAll(int right)
    {
        for (int question = 1; question <= 40; ++question) {
            QTest::mouseClick(world.name(question <= right ? fishAt(question) : fishAt(question) % 40 + 1),
                              Qt::LeftButton);
            world.endFeedback();
        }
    }

    World world;
};

QString roleName(QAccessible::Role role)
{
    return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(role));
}

// The accessible tree under an interface, one line an object: its role, its
// name, and whether it is hidden or takes the focus.
void dump(QAccessibleInterface *iface, int depth, QStringList &lines)
{
    const QAccessible::State state = iface->state();
    QString line = QString(depth * 2, QLatin1Char(' ')) + roleName(iface->role()) + QStringLiteral(" \"") +
                   iface->text(QAccessible::Name) + QLatin1Char('"');
    if (state.invisible)
        line += QStringLiteral(" (hidden)");
    if (state.focusable)
        line += QStringLiteral(" (focusable)");
    if (state.disabled)
        line += QStringLiteral(" (disabled)");
    if (QAccessibleActionInterface *actions = iface->actionInterface(); actions && !actions->actionNames().isEmpty())
        line += QStringLiteral(" [") + actions->actionNames().join(QLatin1Char(',')) + QLatin1Char(']');
    lines << line;
    for (int k = 0; k < iface->childCount(); ++k)
        dump(iface->child(k), depth + 1, lines);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
        QAccessible::installUpdateHandler(&hear);
        QVERIFY(QAccessible::isActive());
    }

    void rolesAndNames_data()
    {
        QTest::addColumn<Destination>("screen");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QAccessible::Role>("accessibleRole");
        QTest::addColumn<QString>("name");
        QTest::newRow("menu button") << Destination::Menu << "quitButton" << QAccessible::Button << "お わ り";
        QTest::newRow("lookup button") << Destination::Lookup << "toDrillButton" << QAccessible::Button << "魚ドリル";
        QTest::newRow("lookup names") << Destination::Lookup << "nameKeys" << QAccessible::List << "さかなの なまえ";
        QTest::newRow("lookup first name") << Destination::Lookup << "name1" << QAccessible::ListItem << "あいなめ";
        QTest::newRow("lookup last name") << Destination::Lookup << "name40" << QAccessible::ListItem << "わかさぎ";
        QTest::newRow("drill four-kana name") << Destination::Drill << "name27" << QAccessible::ListItem << "どじょう";
        QTest::newRow("drill button") << Destination::Drill << "toMenuButton" << QAccessible::Button << "メニュー";
        QTest::newRow("question picture") << Destination::Drill << "questionPicture" << QAccessible::Graphic
                                          << "もんだいの さかな";
        QTest::newRow("restart picture") << Destination::Drill << "restartPicture" << QAccessible::Button
                                         << "はじめから";
        QTest::newRow("fail notice") << Destination::Drill << "failNotice" << QAccessible::Button << "ふごうかく";
        QTest::newRow("review button") << Destination::Drill << "reviewButton" << QAccessible::Button
                                       << "まちがえた 魚を もういちど";
        QTest::newRow("remaining count") << Destination::Drill << "remainingCount" << QAccessible::StaticText
                                         << "のこり 39";
        QTest::newRow("score before an answer") << Destination::Drill << "scorePercent" << QAccessible::StaticText
                                                << "せいかいりつ";
    }
    void rolesAndNames()
    {
        QFETCH(Destination, screen);
        QFETCH(QString, role);
        QFETCH(QAccessible::Role, accessibleRole);
        QFETCH(QString, name);
        Fixture f(screen);
        QAccessibleInterface *iface = f.iface(role);
        QVERIFY(iface);
        QCOMPARE(roleName(iface->role()), roleName(accessibleRole));
        QCOMPARE(iface->text(QAccessible::Name), name);
    }

    // The names hang under the list, not under the window, each once.
    void theListHoldsTheFortyNames_data()
    {
        QTest::addColumn<Destination>("screen");
        QTest::addColumn<QSize>("display");  // full screen on one of this size; none: windowed
        QTest::addColumn<QRect>("lastName");  // where the reader says the fortieth name is
        QTest::newRow("lookup") << Destination::Lookup << QSize() << QRect(600, 440, 155, 19);
        QTest::newRow("drill") << Destination::Drill << QSize() << QRect(600, 440, 155, 19);
        QTest::newRow("drill, full screen 1920 x 1080") << Destination::Drill << QSize(1920, 1080)
                                                        << QRect(96 + 1350, 990, 349, 43);
    }
    void theListHoldsTheFortyNames()
    {
        QFETCH(Destination, screen);
        QFETCH(QSize, display);
        QFETCH(QRect, lastName);
        Fixture f(screen);
        f.world.showOn(display);
        const QPoint origin = f.world.window()->mapToGlobal(QPoint(0, 0));
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(f.world.window());
        QAccessibleInterface *list = f.iface(QStringLiteral("nameKeys"));
        QCOMPARE(list->parent(), window);
        QVERIFY(window->indexOfChild(list) >= 0);
        QCOMPARE(window->child(window->indexOfChild(list)), list);
        QCOMPARE(list->childCount(), 40);
        for (int fishNo = 1; fishNo <= 40; ++fishNo) {
            QAccessibleInterface *item = list->child(fishNo - 1);
            QCOMPARE(item->object(), f.world.name(fishNo));
            QCOMPARE(item->parent(), list);
            QCOMPARE(list->indexOfChild(item), fishNo - 1);
            QCOMPARE(window->indexOfChild(item), -1);
        }
        QCOMPARE(list->child(39)->rect(), lastName.translated(origin));
        for (int k = 0; k < window->childCount(); ++k)
            QVERIFY(!window->child(k)->object()->objectName().startsWith(QStringLiteral("name")) ||
                    window->child(k) == list);
    }

    void arrowsMoveTheFocusToANamedItem()
    {
        Fixture f(Destination::Lookup);
        f.world.key(Qt::Key_Down);
        f.world.key(Qt::Key_Down);
        QAccessibleInterface *list = f.iface(QStringLiteral("nameKeys"));
        QCOMPARE(namesHeard(f.world.name(1), QAccessible::Focus), QStringList{"あいなめ"});
        QCOMPARE(namesHeard(f.world.name(2), QAccessible::Focus), QStringList{"あじ"});
        QCOMPARE(list->focusChild(), list->child(1));
        QVERIFY(list->child(1)->state().focused);
        QVERIFY(!list->child(0)->state().focused);
    }

    void pressingANameIsAClick()
    {
        Fixture f(Destination::Lookup);
        QAccessibleInterface *item = f.iface(QStringLiteral("name5"));
        QCOMPARE(item->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.world.sounds.played, std::vector<Sound>{Sound::Name});
        QCOMPARE(f.world.control<QLabel>(QStringLiteral("captionLine"))->text(), QStringLiteral("さかな5"));
        // The picture is named by its caption, and that is announced.
        QCOMPARE(f.iface(QStringLiteral("fishPicture"))->text(QAccessible::Name), QStringLiteral("さかな5"));
        QCOMPARE(namesHeard(f.widget(QStringLiteral("fishPicture")), QAccessible::NameChanged),
                 QStringList{"さかな5"});
    }

    void coveredNamesCannotBePressed()
    {
        Fixture f(Destination::Drill);
        f.answerAll(40);
        const std::size_t sounds = f.world.sounds.played.size();
        QAccessibleInterface *item = f.iface(QStringLiteral("name3"));
        QVERIFY(item->state().disabled);
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.world.sounds.played.size(), sounds);
        // The restart picture can be pressed instead.
        f.iface(QStringLiteral("restartPicture"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!f.iface(QStringLiteral("name3"))->state().disabled);
        QCOMPARE(f.world.control<QLabel>(QStringLiteral("remainingCount"))->text(), QStringLiteral("39"));
    }

    void answersAreAnnounced_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("score");
        QTest::newRow("right") << true << "せいかい" << "せいかいりつ 100％";
        QTest::newRow("wrong") << false << "まちがい" << "せいかいりつ 0％";
    }
    void answersAreAnnounced()
    {
        QFETCH(bool, right);
        QFETCH(QString, mark);
        QFETCH(QString, score);
        Fixture f(Destination::Drill);
        QTest::mouseClick(f.world.name(right ? fishAt(1) : fishAt(1) % 40 + 1), Qt::LeftButton);
        QCOMPARE(namesHeard(f.widget(QStringLiteral("answerMark")), QAccessible::NameChanged), QStringList{mark});
        QCOMPARE(namesHeard(f.widget(QStringLiteral("scorePercent")), QAccessible::NameChanged), QStringList{score});
        QCOMPARE(namesHeard(f.widget(QStringLiteral("remainingCount")), QAccessible::NameChanged), QStringList());
        // A second answer in the wait is heard again, though the mark may be
        // the same.
        QTest::mouseClick(f.world.name(fishAt(1) % 40 + 1), Qt::LeftButton);
        QCOMPARE(namesHeard(f.widget(QStringLiteral("answerMark")), QAccessible::NameChanged).size(), 2);
        f.world.endFeedback();
        QCOMPARE(namesHeard(f.widget(QStringLiteral("remainingCount")), QAccessible::NameChanged),
                 QStringList{"のこり 38"});
        // Never the answer.
        QCOMPARE(f.iface(QStringLiteral("questionPicture"))->text(QAccessible::Name), QStringLiteral("もんだいの さかな"));
    }

    void gradeIsAnnounced_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("gold") << 36 << "medal" << "きんメダル";
        QTest::newRow("silver") << 30 << "medal" << "ぎんメダル";
        QTest::newRow("copper") << 20 << "medal" << "どうメダル";
        QTest::newRow("fail") << 19 << "failNotice" << "ふごうかく";
    }
    void gradeIsAnnounced()
    {
        QFETCH(int, right);
        QFETCH(QString, role);
        QFETCH(QString, name);
        Fixture f(Destination::Drill);
        f.answerAll(right);
        QVERIFY(f.widget(role)->isVisible());
        QCOMPARE(namesHeard(f.widget(role), QAccessible::NameChanged), QStringList{name});
        QCOMPARE(f.iface(role)->text(QAccessible::Name), name);
    }

    // Prints each screen's tree (see the test log) and checks its outline.
    void treeOfEachScreen_data()
    {
        QTest::addColumn<Destination>("screen");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("menu") << Destination::Menu
                              << QStringList{"Window \"メニュー\"", "  Button \"魚しらべ\" (focusable) [Press,SetFocus]"};
        QTest::newRow("lookup") << Destination::Lookup
                                << QStringList{"Window \"魚しらべ\"", "  List \"さかなの なまえ\" (focusable) [SetFocus]",
                                               "    ListItem \"あいなめ\" (focusable) [Press]",
                                               "  Graphic \"\" (hidden)"};
        QTest::newRow("drill") << Destination::Drill
                               << QStringList{"Window \"魚ドリル\"", "  Graphic \"もんだいの さかな\"",
                                              "  StaticText \"のこり 39\"",
                                              "  Button \"ふごうかく\" (hidden) (focusable) [Press]",
                                              "    ListItem \"わかさぎ\" (focusable) [Press]"};
    }
    void treeOfEachScreen()
    {
        QFETCH(Destination, screen);
        QFETCH(QStringList, expected);
        Fixture f(screen);
        QStringList lines;
        dump(QAccessible::queryAccessibleInterface(f.world.window()), 0, lines);
        qInfo().noquote() << QStringLiteral("\n") + lines.join(QLatin1Char('\n'));
        for (const QString &line : expected)
            QVERIFY2(lines.contains(line), qPrintable(line));
        QCOMPARE(lines.first(), expected.first());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
