#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace sakana {

// Why the program's sound player could not play these bytes as a sound, or
// nothing when it can: a RIFF WAVE file of PCM or float samples with at
// least one sample in its data, and every sample its data chunk claims.
// Only the bytes up to the end of the data chunk are looked at.
std::optional<QString> waveProblem(const QByteArray &bytes);

} // namespace sakana
