#pragma once

#include <QString>
#include <memory>

namespace sakana {

// A player of short sounds, one per player control of a screen.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Takes the file and starts playing it at once; a later file replaces it.
    virtual void setFileName(const QString &path) = 0;
    // Plays the file last assigned from its beginning; returns at once.
    virtual void play() = 0;
    // Silences the player; the file stays assigned, ready for play().
    virtual void stop() = 0;
    // A numeric player setting; stored, with no audible effect.
    virtual void setSetting(int id, int value) = 0;
};

// Makes the players of a screen; the name says which ("drill.MediaPlayer2").
class PlayerFactory {
public:
    virtual ~PlayerFactory() = default;
    virtual std::unique_ptr<SoundPlayer> create(const QString &name) = 0;
};

} // namespace sakana
