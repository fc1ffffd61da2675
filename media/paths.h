#pragma once

#include <QString>

namespace sakana {

// The program directory without one trailing separator: "C:\" gives "C:",
// "/" gives "", "/opt/sakana/" gives "/opt/sakana". Only one is removed.
QString appDirFrom(const QString &applicationDirectory);

// A media path: the program directory followed directly by a literal written
// the Windows way, "\音\oto.wav". Elsewhere the backslashes become the
// platform's separator "/". Nothing is added, checked or normalised.
QString mediaPath(const QString &appDir, const QString &literal);

// The picture of a fish: "\画像\f" and the fish index in plain digits, ".gif".
QString fishPicturePath(const QString &appDir, int fishNo);

} // namespace sakana
