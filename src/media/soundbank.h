// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/mediaerror.h"
#include "media/mediafolder.h"
#include "media/sound.h"
#include "media/wavefile.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

namespace sakana {

// One sound of the media folder, read and checked once.
struct BankedSound {
    Sound sound;
    QString path;
    // The whole file as it was read and checked; the file itself is never
    // looked at again, whatever happens to it.
    QByteArray bytes{};
    // Its format and samples (a view into `bytes`), when it can be played.
    std::optional<Wave> wave{};
    // Why it stays silent, when it does; `unreadable` when the file itself
    // could not be read, rather than its bytes not being a sound.
    std::optional<MediaError> silence{};
    bool unreadable = false;
};

// Every sound of a media folder, each file read once (refused beyond the
// one size limit of a sound) and checked by the one sound reader, for the
// sound players and the media check alike.
class SoundBank {
public:
    explicit SoundBank(const MediaFolder &media);

    // In the order of MediaFolder::sounds().
    const std::vector<BankedSound> &sounds() const { return sounds_; }
    // Where `sound` is in sounds(), or nothing for a sound the folder does
    // not list.
    std::optional<std::size_t> indexOf(const Sound &sound) const;

    // The sounds play on two lines: the click of a name (and of a new
    // question) has a line of its own; all the other sounds share the
    // second, on which a new sound cuts off the one still playing.
    static constexpr std::size_t kLines = 2;
    static std::size_t lineOf(const Sound &sound) { return sound == Sound::Name ? 0 : 1; }

private:
    std::vector<BankedSound> sounds_;
};

} // namespace sakana
