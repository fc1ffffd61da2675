#pragma once

// The lookup screen's name list: the captions of the forty fish, read from
// "name.txt" (code page 932; see app/textfile.h for how entries are cut and
// decoded). Entry k is the caption of fish k.

#include <QString>

#include <array>

namespace sakana {

inline constexpr int nameListEntries = 40;

using NameList = std::array<QString, 41>;   // element k (1..40) is entry k; element 0 stays empty

// Reads the first forty entries of the file; whatever follows them is never
// read. The file is opened, read and closed within the call. Throws
// RuntimeError naming the file (as given) and what was wrong: the file is
// missing or unreadable, an entry cannot be decoded, or there are fewer than
// forty entries.
NameList readNameList(const QString &path);

} // namespace sakana
