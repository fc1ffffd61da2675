#include "media/soundmodule.h"

#include "media/logging.h"

namespace sakana {

ModuleSoundPlayer::ModuleSoundPlayer(MediaFolder media, QString modulePath)
    : media_(std::move(media)), module_(std::move(modulePath))
{
}

ModuleSoundPlayer::~ModuleSoundPlayer() = default;

void ModuleSoundPlayer::prepare()
{
    if (prepared_)
        return;
    prepared_ = true;
    const auto make = reinterpret_cast<SoundModuleFactory>(module_.resolve(kSoundModuleFactory));
    if (!make) {
        qCWarning(lcSound, "cannot load the sound module (%s); the program runs without sound",
                  qPrintable(module_.errorString()));
        return;
    }
    player_.reset(make(&media_));
    // The sound system, which starts here, says in Qt's general category
    // what it cannot find (no server, no device), and the player says that
    // once in its own: the general category's warnings are off meanwhile.
    QLoggingCategory *const general = QLoggingCategory::defaultCategory();
    const bool warns = general->isWarningEnabled();
    general->setEnabled(QtWarningMsg, false);
    player_->prepare();
    general->setEnabled(QtWarningMsg, warns);
}

void ModuleSoundPlayer::play(Sound sound)
{
    prepare();
    if (player_)
        player_->play(sound);
}

} // namespace sakana
