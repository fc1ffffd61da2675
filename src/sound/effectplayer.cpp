#include "sound/effectplayer.h"

#include "media/wavefile.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>
#include <cstdio>

namespace sakana {

struct EffectSoundPlayer::Effect {
    QString path;
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

// Whether the data chunk holds all the bytes its header claims: the decoder
// waits for ever for the rest of a file cut short.
bool hasWholeData(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    for (qint64 pos = 12; pos + 8 <= bytes.size();) {
        const qint64 length = qFromLittleEndian<quint32>(data + pos + 4);
        if (bytes.mid(pos, 4) == "data")
            return pos + 8 + length <= bytes.size();
        pos += 8 + length + (length & 1);
    }
    return false;
}

bool isPlayableWave(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(kMaxSoundBytes + 1);
    return bytes.size() <= kMaxSoundBytes && !waveProblem(bytes) && hasWholeData(bytes);
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
        std::fprintf(stderr, "sakana: no sound device found; the program runs without sound\n");
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
    if (!isPlayableWave(effect->path)) {
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
    effect->sound.setSource(QUrl::fromLocalFile(effect->path));
    return *effect;
}

void EffectSoundPlayer::warnOnce(Effect &effect)
{
    if (effect.warned)
        return;
    effect.warned = true;
    std::fprintf(stderr, "sakana: cannot play %s; it stays silent\n", qPrintable(effect.path));
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
