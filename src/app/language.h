// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLocale;
class QTranslator;

namespace sakana {

// The locale that names the language of messages: the first of LC_ALL,
// LC_MESSAGES and LANG that is set, as the C library takes it, and the
// system's locale where none is.
QLocale messagesLocale();

// Loads the language of the command line and of the media check into
// `translator`, one language a run: Japanese in a Japanese locale, English
// (whose counted texts need their plural forms) in any other.
bool loadCommandLineLanguage(QTranslator &translator, const QLocale &locale);

// Loads Qt's own texts in a Japanese locale (its command line parser's
// among them), from Qt's translations folder: none in any other, in which
// they are English.
bool loadQtLanguage(QTranslator &translator, const QLocale &locale);

// Whether the language of messages is written in wide (full-width)
// characters, which a terminal shows two columns wide.
bool usesWideText(const QLocale &locale);

} // namespace sakana
