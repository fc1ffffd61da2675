#pragma once

#include "media/soundplayer.h"

#include <QSet>
#include <QString>
#include <map>
#include <memory>

class QSoundEffect;

namespace sakana {

// Sound players on short, preloaded WAV effects. A file is decoded once and
// kept, so that a click sounds at once. Without an audio device, or with a
// missing or unreadable file, a player stays silent and the program goes on;
// each such file is reported once on stderr.
class EffectPlayerFactory final : public PlayerFactory {
public:
    EffectPlayerFactory();
    ~EffectPlayerFactory() override;

    std::unique_ptr<SoundPlayer> create(const QString &name) override;
    // Decodes these files ahead of their first use and keeps them decoded.
    void preload(const QStringList &paths);

    void warnOnce(const QString &path);

private:
    QSet<QString> warned_;
    std::map<QString, std::unique_ptr<QSoundEffect>> preloaded_;
};

} // namespace sakana
