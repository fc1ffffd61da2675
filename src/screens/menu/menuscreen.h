// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/screen.h"

namespace sakana {

class SoundPlayer;

// The menu: three buttons, each sounding at once and, after the pause,
// leaving for the lookup screen, the drill or the end of the program.
class MenuScreen final : public Screen {
public:
    MenuScreen(SoundPlayer &sounds, const Clock &clock, Navigator &navigator, ErrorSink &errors);

private:
    void build(const Form &form) override;
};

} // namespace sakana
