// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/language.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace sakana {

QLocale messagesLocale()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return QLocale(name);
    }
    return QLocale::system();
}

bool loadCommandLineLanguage(QTranslator &translator, const QLocale &locale)
{
    return translator.load(locale.language() == QLocale::Japanese ? QStringLiteral(":/i18n/sakana_ja.qm")
                                                                  : QStringLiteral(":/i18n/sakana_en.qm"));
}

bool loadQtLanguage(QTranslator &translator, const QLocale &locale)
{
    return locale.language() == QLocale::Japanese &&
           translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool usesWideText(const QLocale &locale)
{
    return locale.language() == QLocale::Japanese;
}

} // namespace sakana
