#include "media/effectplayer.h"

#include <QSoundEffect>
#include <QUrl>
#include <cstdio>

namespace sakana {

namespace {

std::unique_ptr<QSoundEffect> makeEffect(const QString &path)
{
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(path));
    return effect;
}

class EffectPlayer final : public SoundPlayer {
public:
    explicit EffectPlayer(EffectPlayerFactory &factory) : factory_(factory) {}

    void setFileName(const QString &path) override
    {
        if (current_)
            current_->stop();
        current_ = effectFor(path);
        start();
    }

    void play() override
    {
        if (!current_)
            return;
        current_->stop();
        start();
    }

    void stop() override
    {
        playWhenReady_ = false;
        if (current_)
            current_->stop();
    }

    void setSetting(int id, int value) override { settings_[id] = value; }

private:
    QSoundEffect *effectFor(const QString &path)
    {
        auto found = effects_.find(path);
        if (found != effects_.end())
            return found->second.get();
        auto effect = makeEffect(path);
        QSoundEffect *raw = effect.get();
        QObject::connect(raw, &QSoundEffect::statusChanged, raw, [this, raw, path] {
            if (raw->status() == QSoundEffect::Error) {
                factory_.warnOnce(path);
            } else if (raw->status() == QSoundEffect::Ready && raw == current_ && playWhenReady_) {
                playWhenReady_ = false;
                raw->play();
            }
        });
        effects_.emplace(path, std::move(effect));
        return raw;
    }

    // Plays at once when the sound is decoded; while it is still being
    // decoded, as soon as it is ready. Never waits.
    void start()
    {
        switch (current_->status()) {
        case QSoundEffect::Ready:
            playWhenReady_ = false;
            current_->play();
            break;
        case QSoundEffect::Error:
            playWhenReady_ = false;
            break;
        default:
            playWhenReady_ = true;
            break;
        }
    }

    EffectPlayerFactory &factory_;
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect *current_ = nullptr;
    bool playWhenReady_ = false;
    std::map<int, int> settings_;
};

} // namespace

EffectPlayerFactory::EffectPlayerFactory() = default;
EffectPlayerFactory::~EffectPlayerFactory() = default;

std::unique_ptr<SoundPlayer> EffectPlayerFactory::create(const QString &)
{
    return std::make_unique<EffectPlayer>(*this);
}

void EffectPlayerFactory::preload(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (preloaded_.count(path))
            continue;
        auto effect = makeEffect(path);
        QSoundEffect *raw = effect.get();
        QObject::connect(raw, &QSoundEffect::statusChanged, raw, [this, raw, path] {
            if (raw->status() == QSoundEffect::Error)
                warnOnce(path);
        });
        preloaded_.emplace(path, std::move(effect));
    }
}

void EffectPlayerFactory::warnOnce(const QString &path)
{
    if (warned_.contains(path))
        return;
    warned_.insert(path);
    std::fprintf(stderr, "sakana: cannot play %s; it stays silent\n", qPrintable(path));
}

} // namespace sakana
