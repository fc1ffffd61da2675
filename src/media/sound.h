// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace sakana {

// A sound of the media folder, named by its file in the folder "音" ('/'
// between the names of a subfolder and its file). The media folder lists
// the sounds it holds (MediaFolder::sounds()).
class Sound {
public:
    explicit Sound(QString file) : file_(std::move(file)) {}

    const QString &file() const { return file_; }
    friend bool operator==(const Sound &, const Sound &) = default;

    static const Sound Button;  // a button that changes the screen
    static const Sound Name;    // a click on a fish's name, and every new question
    static const Sound Right;   // a right answer
    static const Sound Wrong;   // a wrong answer
    static const Sound Pass;    // a quiz passed with a medal
    static const Sound Fail;    // a quiz failed

private:
    QString file_;
};

inline const Sound Sound::Button{QStringLiteral("oto.wav")};
inline const Sound Sound::Name{QStringLiteral("oto1.wav")};
inline const Sound Sound::Right{QStringLiteral("o.wav")};
inline const Sound Sound::Wrong{QStringLiteral("x.wav")};
inline const Sound Sound::Pass{QStringLiteral("gokaku.wav")};
inline const Sound Sound::Fail{QStringLiteral("dame.wav")};

} // namespace sakana
