// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace sakana {

// What the program sets in its own environment before any library starts,
// (Qt among them),
// so that none of them starts a process that outlives the program or writes
// a file, whether or not the session provides a message bus and a runtime
// folder:
// - Qt, without a runtime folder, makes one in /tmp: the user's runtime
//   folder under /run/user is taken when it is there, and otherwise the home
//   folder when only its owner may enter it (Qt only looks into it);
// - the message bus library, without a session bus address, launches a bus
//   of its own, which stays after the program, and notes it in the home
//   folder: the session's bus in its runtime folder is used when it is
//   there, and otherwise none;
// - the sound system's client library, left to find its server, makes
//   folders in the home folder and /tmp without a runtime folder, and writes
//   a key file there when it finds none: it is given the session's server
//   socket (the same path whether or not the server runs yet, so that the
//   sound player connects to it once it does), and, when the home folder
//   holds none of its files, no settings file and a key file of zeros
//   (with none, or an empty one, it would write a key file into the home
//   folder once it reaches a server; the server knows the program's user by
//   its socket anyway). The sound player itself never lets it start a
//   server of its own.
// Variables already set are kept. `exists` says whether a path exists,
// `isPrivateFolder` whether it is a folder of the user's that only the user
// may enter.
using EnvironmentSettings = std::vector<std::pair<QByteArray, QByteArray>>;
using PathTest = std::function<bool(const QString &)>;
EnvironmentSettings quietSessionSettings(const QProcessEnvironment &environment, uint userId, const PathTest &exists,
                                         const PathTest &isPrivateFolder);

// Sets those settings in the program's environment.
void quietSession();

} // namespace sakana
