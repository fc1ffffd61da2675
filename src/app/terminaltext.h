// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace sakana {

// The columns a text takes on a terminal: two for each wide (East Asian
// full-width) character, one for any other.
int terminalColumns(QStringView text);

// Breaks a text into lines of at most `columns` terminal columns: at a
// space, which goes, and between two characters of which one is wide, but
// never before closing punctuation (、。）」 and the like) or after opening
// punctuation (（「 ...). A run without a break that is wider than a line is
// cut where the line ends.
QStringList wrapForTerminal(QStringView text, int columns);

} // namespace sakana
