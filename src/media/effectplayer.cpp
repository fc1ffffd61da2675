#include "media/effectplayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <cstdio>

namespace sakana {

struct EffectSoundPlayer::Effect {
    QString path;
    QSoundEffect sound;
    // A play asked for while the file is still being decoded waits for it.
    bool playWhenReady = false;
    bool warned = false;
};

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
