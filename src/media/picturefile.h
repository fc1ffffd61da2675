#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace sakana {

// Reads a picture file in the format its name gives ("gif" or "ico"), within
// a size and memory limit, so that a missing, broken or gigantic file is a
// MediaError naming the file and never a crash. Of an icon, the largest image
// is read, and only that one. Built-in pictures are named ":/pictures/...".
QImage readPicture(const QString &path);

// How far the bytes of a GIF file hold together: every block in its place up
// to the trailer (bytes after the trailer are ignored), or cut short, or not
// GIF block structure at all.
enum class GifStructure { Complete, CutShort, Malformed };
GifStructure checkGifStructure(const QByteArray &bytes);

// The index of the widest image in an icon file's directory, or -1 when the
// bytes hold no icon directory.
int widestIconEntry(const QByteArray &bytes);

} // namespace sakana
