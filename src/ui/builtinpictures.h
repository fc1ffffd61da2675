// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/design.h"

#include <QPixmap>
#include <span>

namespace sakana {

// The window icon of every screen, one of the built-in pictures.
inline constexpr char kWindowIcon[] = "fish.ico";

// Starts decoding, on a thread of its own, the built-in pictures a screen
// shows (its window icon, background and picture boxes) that are not decoded
// yet, so that building the screen's text meanwhile need not wait for them.
// Call it once the application object exists.
void preloadBuiltInPictures(const WindowDesign &window, std::span<const ControlDesign> controls);

// A built-in picture, decoded once (or taken from the preloading, waited for
// if it is still running) and kept for every later screen. Throws MediaError
// when it cannot be decoded.
const QPixmap &builtInPicture(const char *name);

} // namespace sakana
