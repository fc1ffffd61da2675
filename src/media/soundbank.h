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
    // Whether the file has been read: a spoken sound of a bank that reads
    // them when first needed is not, until then.
    bool read = true;
};

// Every sound of a media folder, each file read once (refused beyond the
// one size limit of a sound) and checked by the one sound reader, for the
// sound players and the media check alike.
class SoundBank {
public:
    // Every file read at once, or the spoken sounds (the larger part of the
    // bank) each only when it is first needed, so that a player holds in
    // memory only the voices that have been heard.
    enum class Reading { AllAtOnce, VoicesWhenNeeded };
    explicit SoundBank(const MediaFolder &media, Reading reading = Reading::AllAtOnce);

    // In the order of MediaFolder::sounds(); a voice not yet needed is not
    // `read`.
    const std::vector<BankedSound> &sounds() const { return sounds_; }
    // The sound at `index`, its file read now if it has not been.
    const BankedSound &need(std::size_t index);
    // Where `sound` is in sounds(), or nothing for a sound the folder does
    // not list.
    std::optional<std::size_t> indexOf(const Sound &sound) const;

    // The sounds play on three lines, on each of which a new sound cuts off
    // the one still playing: the click of a name (and of a new question) has
    // a line of its own; the spoken names and prompts have the third; all
    // the other sounds share the second.
    //
    // A voice never talks over another sound: it starts once the sounds
    // playing on the other lines have ended, so that a name is heard after
    // its click, or after the mark of an answer. A sound of the second line
    // cuts off the voice still playing, so that nothing talks over a mark.
    static constexpr std::size_t kLines = 3;
    static constexpr std::size_t kClickLine = 0;
    static constexpr std::size_t kEffectLine = 1;
    static constexpr std::size_t kVoiceLine = 2;
    static std::size_t lineOf(const Sound &sound)
    {
        return sound == Sound::Name ? kClickLine : sound.isVoice() ? kVoiceLine : kEffectLine;
    }

private:
    std::vector<BankedSound> sounds_;
};

} // namespace sakana
