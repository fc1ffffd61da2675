#include "media/paths.h"

#include <QDir>

namespace sakana {

namespace {
#ifdef Q_OS_WIN
constexpr QChar kSeparator = u'\\';
#else
constexpr QChar kSeparator = u'/';
#endif
} // namespace

QString appDirFrom(const QString &applicationDirectory)
{
    QString dir = QDir::toNativeSeparators(applicationDirectory);
    if (dir.endsWith(kSeparator))
        dir.chop(1);
    return dir;
}

QString mediaPath(const QString &appDir, const QString &literal)
{
    QString tail = literal;
    tail.replace(u'\\', kSeparator);
    return appDir + tail;
}

QString fishPicturePath(const QString &appDir, int fishNo)
{
    return mediaPath(appDir, QStringLiteral("\\画像\\f") + QString::number(fishNo) + QStringLiteral(".gif"));
}

} // namespace sakana
