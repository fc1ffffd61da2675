// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/effectplayer.h"

#include "media/logging.h"
#include "media/mediaerror.h"
#include "media/mediafile.h"
#include "media/wavefile.h"

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
    QString path;
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

// A sound of the program lasts a few seconds; a far larger file is refused.
constexpr qint64 kMaxSoundBytes = 16 * 1024 * 1024;

// The bytes of a sound, checked, or nothing when the file cannot be read or
// is not a whole sound the player can play.
std::optional<QByteArray> playableWave(const QString &path)
{
    try {
        QByteArray bytes = readMediaFile(path, kMaxSoundBytes);
        if (!waveProblem(bytes))
            return bytes;
    } catch (const MediaError &) {
    }
    return std::nullopt;
}

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
    for (Sound sound : kAllSounds)
        effect(sound);
}

EffectSoundPlayer::Effect &EffectSoundPlayer::effect(Sound sound)
{
    auto &slot = effects_[std::size_t(sound)];
    if (slot)
        return *slot;
    slot = std::make_unique<Effect>();
    Effect *effect = slot.get();
    effect->path = media_.sound(sound);
    const std::optional<QByteArray> bytes = playableWave(effect->path);
    if (!bytes) {
        effect->broken = true;
        warnOnce(*effect);
        return *effect;
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
    effect->sound.setSource(decoderSource(effect->path, *bytes, effect->checked));
    return *effect;
}

void EffectSoundPlayer::warnOnce(Effect &effect)
{
    if (effect.warned)
        return;
    effect.warned = true;
    qCWarning(lcSound, "cannot play %s; it stays silent", qPrintable(effect.path));
}

void EffectSoundPlayer::play(Sound sound)
{
    prepare();
    if (!hasDevice_)
        return;
    std::optional<Sound> &line = sound == Sound::Name ? nameLine_ : otherLine_;
    if (line) {
        Effect &previous = effect(*line);
        previous.playWhenReady = false;
        previous.sound.stop();
    }
    line = sound;

    Effect &next = effect(sound);
    if (next.broken)
        return;
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
