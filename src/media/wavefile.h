#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace sakana {

// Why the program's sound player could not play these bytes as a sound, or
// nothing when it can: a RIFF WAVE file of PCM or float samples with at
// least one sample in its data.
std::optional<QString> waveProblem(const QByteArray &bytes);

} // namespace sakana
