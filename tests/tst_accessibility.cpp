// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
    // What was said through the screen's notification, in order.
    QStringList said() const
    {
        return namesHeard(world.window()->findChild<QWidget *>(QStringLiteral("announcer")), QAccessible::ObjectShow);
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
        QTest::newRow("menu button") << Destination::Menu << "quitButton" << QAccessible::Button << "おわり";
        QTest::newRow("menu title") << Destination::Menu << "titleGlyph" << QAccessible::Graphic << "魚";
        QTest::newRow("lookup button") << Destination::Lookup << "toDrillButton" << QAccessible::Button << "魚ドリル";
        QTest::newRow("lookup names") << Destination::Lookup << "nameKeys" << QAccessible::List << "さかなのなまえ";
        QTest::newRow("lookup first name") << Destination::Lookup << "name1" << QAccessible::ListItem << "あいなめ";
        QTest::newRow("lookup last name") << Destination::Lookup << "name40" << QAccessible::ListItem << "わかさぎ";
        QTest::newRow("drill four-kana name") << Destination::Drill << "name27" << QAccessible::ListItem << "どじょう";
        QTest::newRow("drill button") << Destination::Drill << "toMenuButton" << QAccessible::Button << "メニュー";
        QTest::newRow("question picture") << Destination::Drill << "questionPicture" << QAccessible::Graphic
                                          << "もんだいのさかな";
        QTest::newRow("restart picture") << Destination::Drill << "restartPicture" << QAccessible::Button
                                         << "はじめから";
        QTest::newRow("fail notice") << Destination::Drill << "failNotice" << QAccessible::Button << "ふごうかく";
        QTest::newRow("review button") << Destination::Drill << "reviewButton" << QAccessible::Button
                                       << "まちがえた魚をもういちど";
        QTest::newRow("remaining count") << Destination::Drill << "remainingCount" << QAccessible::StaticText
                                         << "のこり39";
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
        for (int k = 0; k < 2; ++k) {
            f.world.key(Qt::Key_Down);
            QCoreApplication::processEvents();
        }
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
        // The picture is named by its caption, and that is said.
        QCOMPARE(f.iface(QStringLiteral("fishPicture"))->text(QAccessible::Name), QStringLiteral("さかな5"));
        QCOMPARE(f.said(), QStringList{"さかな5"});
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
        QTest::addColumn<QString>("said");
        QTest::newRow("right") << true << "せいかい" << "せいかい。せいかいりつ100％。のこり39";
        QTest::newRow("wrong, with the right name") << false << "まちがい" << "まちがい。うなぎ。せいかいりつ0％。のこり39";
    }
    void answersAreAnnounced()
    {
        QFETCH(bool, right);
        QFETCH(QString, mark);
        QFETCH(QString, said);
        Fixture f(Destination::Drill);
        QTest::mouseClick(f.world.name(right ? fishAt(1) : fishAt(1) % 40 + 1), Qt::LeftButton);
        QCOMPARE(f.said(), QStringList{said});
        // Named before it shows, never by the mark before.
        QCOMPARE(namesHeard(f.widget(QStringLiteral("answerMark")), QAccessible::ObjectShow), QStringList{mark});
        // A second answer in the wait is said again, though it may be the same.
        QTest::mouseClick(f.world.name(fishAt(1) % 40 + 1), Qt::LeftButton);
        QCOMPARE(f.said().size(), 2);
        // The next question changes the count silently: it was said with the answer.
        f.world.endFeedback();
        QCOMPARE(f.said().size(), 2);
        QCOMPARE(f.iface(QStringLiteral("remainingCount"))->text(QAccessible::Name), QStringLiteral("のこり38"));
        // Never the answer.
        QCOMPARE(f.iface(QStringLiteral("questionPicture"))->text(QAccessible::Name), QStringLiteral("もんだいのさかな"));
    }

    // A medal is said as it shows; the fail notice is said as the keyboard
    // comes to it. Either way the keyboard goes on to what starts again.
    void gradeIsAnnounced_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("focus");
        QTest::newRow("gold") << 36 << "きんメダル" << "restartPicture";
        QTest::newRow("silver") << 30 << "ぎんメダル" << "restartPicture";
        QTest::newRow("copper") << 20 << "どうメダル" << "restartPicture";
        QTest::newRow("fail") << 19 << "" << "failNotice";
    }
    void gradeIsAnnounced()
    {
        QFETCH(int, right);
        QFETCH(QString, said);
        QFETCH(QString, focus);
        Fixture f(Destination::Drill);
        f.answerAll(right);
        QCOMPARE(f.said().size(), 40 + !said.isEmpty());
        if (!said.isEmpty()) {
            QCOMPARE(f.said().last(), said);
            QCOMPARE(namesHeard(f.widget(QStringLiteral("medal")), QAccessible::ObjectShow), QStringList{said});
        }
        QCOMPARE(f.world.window()->focusWidget(), f.widget(focus));
        QCOMPARE(namesHeard(f.widget(focus), QAccessible::Focus).size(), 1);
    }

    // What a point finds is what lies on top there, as the bridge descends.
    void hitTesting_data()
    {
        QTest::addColumn<QString>("at");      // the control whose middle is pointed at
        QTest::addColumn<QString>("found");
        QTest::newRow("the count's caption") << "remainingCaption" << "remainingCount";
        QTest::newRow("the percent sign") << "percentSign" << "scorePercent";
        QTest::newRow("the question picture, between the columns") << "questionPicture" << "questionPicture";
        QTest::newRow("a name") << "name5" << "name5";
        QTest::newRow("the restart picture") << "restartPicture" << "restartPicture";
    }
    void hitTesting()
    {
        QFETCH(QString, at);
        QFETCH(QString, found);
        Fixture f(Destination::Drill);
        const QPoint point = f.widget(at)->mapToGlobal(f.widget(at)->rect().center());
        QAccessibleInterface *hit = QAccessible::queryAccessibleInterface(f.world.window());
        for (QAccessibleInterface *next = hit; next; next = hit->childAt(point.x(), point.y()))
            hit = next;
        QCOMPARE(hit->object()->objectName(), found);
        QCOMPARE(hit->text(QAccessible::Name), f.iface(found)->text(QAccessible::Name));
    }

    // The name chosen is the one selected, and the only one red, however
    // the highlight got elsewhere before.
    void selectionFollowsTheChoice()
    {
        Fixture f(Destination::Drill);
        QAccessibleInterface *list = f.iface(QStringLiteral("nameKeys"));
        for (int k = 0; k < 3; ++k)
            f.world.key(Qt::Key_Up);  // to しいら
        f.world.key(Qt::Key_Tab);
        list->child(fishAt(1) - 1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        for (int fishNo = 1; fishNo <= 40; ++fishNo)
            QCOMPARE(list->child(fishNo - 1)->state().selected, fishNo == fishAt(1));
    }

    // Tabbing onto the list, the reader is told of the name last, not the list.
    void focusEndsOnTheName()
    {
        Fixture f(Destination::Lookup);
        for (int k = 0; k < 3; ++k)
            f.world.key(Qt::Key_Tab);
        QCoreApplication::processEvents();
        QObject *last = nullptr;
        for (const Heard &h : heard) {
            if (h.type == QAccessible::Focus)
                last = h.object;
        }
        QCOMPARE(last, f.world.name(1));
    }

    // Prints each screen's tree (see the test log) and checks its outline.
    void treeOfEachScreen_data()
    {
        QTest::addColumn<Destination>("screen");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("menu") << Destination::Menu
                              << QStringList{"Window \"メニュー\"", "  Button \"魚しらべ\" (focusable) [Press,SetFocus]"};
        QTest::newRow("lookup") << Destination::Lookup
                                << QStringList{"Window \"魚しらべ\"", "  List \"さかなのなまえ\" (focusable) [SetFocus]",
                                               "    ListItem \"あいなめ\" (focusable) [Press]",
                                               "  Graphic \"\" (hidden)"};
        QTest::newRow("drill") << Destination::Drill
                               << QStringList{"Window \"魚ドリル\"", "  Graphic \"もんだいのさかな\"",
                                              "  StaticText \"のこり39\"",
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
