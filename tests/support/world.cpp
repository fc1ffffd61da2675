#include "support/world.h"

#include "screens/screens.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>

// Q_INIT_RESOURCE must stand outside any namespace.
static void initBuiltInPictures()
{
    Q_INIT_RESOURCE(sakana);
}

namespace sakana::testing {

namespace {

class RecordingPlayer final : public SoundPlayer {
public:
    RecordingPlayer(QString name, QStringList &log) : name_(std::move(name)), log_(log) {}
    void setFileName(const QString &path) override { log_ << name_ + QStringLiteral(" FileName ") + path; }
    void play() override { log_ << name_ + QStringLiteral(" Play"); }
    void stop() override { log_ << name_ + QStringLiteral(" Stop"); }
    void setSetting(int id, int value) override
    {
        log_ << name_ + QStringLiteral(" Setting %1=%2").arg(id).arg(value);
    }

private:
    QString name_;
    QStringList &log_;
};

} // namespace

std::unique_ptr<SoundPlayer> RecordingPlayers::create(const QString &name)
{
    return std::make_unique<RecordingPlayer>(name, log);
}

QString fixture(const QString &name)
{
    return QStringLiteral(SAKANA_TEST_DATA "/") + name;
}

World::World()
{
    initBuiltInPictures();
    QDir root(dir.path());
    root.mkpath(QStringLiteral("音"));
    root.mkpath(QStringLiteral("画像"));
    root.mkpath(QStringLiteral("説明"));
    shell_ = std::make_unique<Shell>(dir.path(), Services{clock, random, players}, makeScreen,
                                     [this] { ++endCalls; });
}

World::~World()
{
    shell_.reset();
    flushClosedWindows();
}

QString World::media(const QString &relative) const
{
    return dir.path() + QLatin1Char('/') + relative;
}

void World::putPicture(const QString &fixtureName, const QString &name)
{
    const QString target = media(QStringLiteral("画像/") + name);
    QFile::remove(target);
    QFile::copy(fixture(fixtureName), target);
}

void World::putAllFish(const QString &fixtureName)
{
    for (int fish = 1; fish <= 40; ++fish)
        putPicture(fixtureName, QStringLiteral("f%1.gif").arg(fish));
}

void World::putNameList(const QByteArray &bytes)
{
    QFile file(media(QStringLiteral("説明/name.txt")));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void World::flushClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace sakana::testing
