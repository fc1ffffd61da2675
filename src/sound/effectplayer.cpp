// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/effectplayer.h"

#include "sound/logging.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace sakana {

struct EffectSoundPlayer::Effect {
    const BankedSound &banked;
    // Declared before the sound, which may read it until it goes.
    QFile checked;
    QSoundEffect sound;
    // A play asked for while the file is still being decoded waits for it.
    bool playWhenReady = false;
    // A file that is not a whole sound the player can play is never handed
    // to the decoder, which waits for ever on an empty or cut-short file and
    // then hangs the program when the sound is destroyed.
    bool broken = false;
    bool warned = false;
};

namespace {

// Where the decoder reads a checked sound from: a sealed file in the
// process's memory holding the very bytes that were checked, so that nothing
// done to the media folder meanwhile (a file swapped for a pipe, or cut
// short) reaches the decoder. `held` keeps it open. Where the system has no
// such files, the sound's own file.
QUrl decoderSource(const QString &path, const QByteArray &bytes, QFile &held)
{
#ifdef Q_OS_LINUX
    const int fd = ::memfd_create("sakana-sound", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd >= 0 && held.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
        if (held.write(bytes) == bytes.size() && held.flush() &&
            ::fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL) == 0)
            return QUrl::fromLocalFile(QStringLiteral("/proc/self/fd/%1").arg(fd));
        held.close();
    } else if (fd >= 0) {
        ::close(fd);
    }
#else
    Q_UNUSED(bytes);
    Q_UNUSED(held);
#endif
    return QUrl::fromLocalFile(path);
}

} // namespace

EffectSoundPlayer::EffectSoundPlayer(const MediaFolder &media) : media_(media) {}

EffectSoundPlayer::~EffectSoundPlayer() = default;

void EffectSoundPlayer::prepare()
{
    if (prepared_)
        return;
    prepared_ = true;
    hasDevice_ = !QMediaDevices::audioOutputs().isEmpty();
    if (!hasDevice_) {
        qCWarning(lcSound, "no sound device found; the program runs without sound");
        return;
    }
    bank_ = std::make_unique<const SoundBank>(media_);
    for (const BankedSound &banked : bank_->sounds())
        effects_.push_back(makeEffect(banked));
}

std::unique_ptr<EffectSoundPlayer::Effect> EffectSoundPlayer::makeEffect(const BankedSound &banked)
{
    auto made = std::make_unique<Effect>(banked);
    Effect *effect = made.get();
    if (!banked.wave) {
        effect->broken = true;
        warnOnce(*effect);
        return made;
    }
    QObject::connect(&effect->sound, &QSoundEffect::statusChanged, &effect->sound, [this, effect] {
        if (effect->sound.status() == QSoundEffect::Error) {
            effect->playWhenReady = false;
            warnOnce(*effect);
        } else if (effect->sound.status() == QSoundEffect::Ready && effect->playWhenReady) {
            effect->playWhenReady = false;
            effect->sound.play();
        }
    });
    effect->sound.setSource(decoderSource(banked.path, banked.bytes, effect->checked));
    return made;
}

void EffectSoundPlayer::warnOnce(Effect &effect)
{
    if (effect.warned)
        return;
    effect.warned = true;
    saySilent(effect.banked);
}

void EffectSoundPlayer::play(const Sound &sound)
{
    prepare();
    if (!hasDevice_)
        return;
    std::optional<std::size_t> &line = lines_[SoundBank::lineOf(sound)];
    if (line) {
        Effect &previous = *effects_[*line];
        previous.playWhenReady = false;
        previous.sound.stop();
    }
    line = bank_->indexOf(sound);
    if (!line || effects_[*line]->broken)
        return;
    Effect &next = *effects_[*line];
    next.sound.stop();
    switch (next.sound.status()) {
    case QSoundEffect::Ready:
        next.playWhenReady = false;
        next.sound.play();
        break;
    case QSoundEffect::Error:
        next.playWhenReady = false;
        break;
    default:
        next.playWhenReady = true;
        break;
    }
}

} // namespace sakana
