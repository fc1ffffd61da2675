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

    // The spoken sounds are in the subfolder "声": a fish's name, named by
    // its number as its picture is ("声/f7.wav"), and the spoken prompts.
    static Sound voiceOf(int fishNo) { return Sound(QStringLiteral("声/f%1.wav").arg(fishNo)); }
    bool isVoice() const { return file_.startsWith(QStringLiteral("声/")); }

    static const Sound Button;  // a button that changes the screen
    static const Sound Name;    // a click on a fish's name, and every new question
    static const Sound Right;   // a right answer
    static const Sound Wrong;   // a wrong answer
    static const Sound Pass;    // a quiz passed with a medal
    static const Sound Fail;    // a quiz failed

    static const Sound ChoosePrompt;    // the lookup screen's "choose a fish's name"
    static const Sound QuestionPrompt;  // the drill's "what is this fish called?"
    static const Sound TryAgainPrompt;  // after a grade: "let's try again"

private:
    QString file_;
};

inline const Sound Sound::Button{QStringLiteral("oto.wav")};
inline const Sound Sound::Name{QStringLiteral("oto1.wav")};
inline const Sound Sound::Right{QStringLiteral("o.wav")};
inline const Sound Sound::Wrong{QStringLiteral("x.wav")};
inline const Sound Sound::Pass{QStringLiteral("gokaku.wav")};
inline const Sound Sound::Fail{QStringLiteral("dame.wav")};
inline const Sound Sound::ChoosePrompt{QStringLiteral("声/erande.wav")};
inline const Sound Sound::QuestionPrompt{QStringLiteral("声/nandesuka.wav")};
inline const Sound Sound::TryAgainPrompt{QStringLiteral("声/mouichido.wav")};

} // namespace sakana
