// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace sakana {

CommandLine::CommandLine()
    : media_(QStringLiteral("media"), QCoreApplication::translate("CommandLine", "Use the media folder DIR."), QStringLiteral("DIR")),
      check_(QStringLiteral("check-media"),
             QCoreApplication::translate("CommandLine", "Check the media folder DIR (or the one the program would use), report every problem and end. "
                "Exit status 0: complete; 1: the program would stop; 2: warnings only.")),
      fullScreen_(QStringLiteral("fullscreen"),
                  QCoreApplication::translate("CommandLine", "Start full screen, every screen scaled to fill it. F11 switches, Escape leaves."))
{
    parser_.setApplicationDescription(QCoreApplication::translate("CommandLine", "A program for young children to learn forty kinds of fish."));
    parser_.addHelpOption();
    parser_.addVersionOption();
    parser_.addOption(media_);
    parser_.addOption(check_);
    parser_.addOption(fullScreen_);
    parser_.addPositionalArgument(QStringLiteral("DIR"), QCoreApplication::translate("CommandLine", "With --check-media: the folder to check."),
                                  QStringLiteral("[DIR]"));
}

bool CommandLine::printsOnly(int argc, char *argv[])
{
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
    CommandLine commandLine;
    // A command line the parser rejects still counts the options it knows.
    commandLine.parser_.parse(arguments);
    return commandLine.asksToPrint();
}

// Every option but those that say how the window opens prints and ends:
// help, the version, the media check.
bool CommandLine::asksToPrint() const
{
    return std::ranges::any_of(parser_.optionNames(), [this](const QString &name) {
        return !media_.names().contains(name) && !fullScreen_.names().contains(name);
    });
}

void CommandLine::process(const QCoreApplication &app)
{
    parser_.process(app);
}

std::optional<QString> CommandLine::mediaFolder() const
{
    if (checksMedia() && !parser_.positionalArguments().isEmpty())
        return parser_.positionalArguments().constFirst();
    if (parser_.isSet(media_))
        return parser_.value(media_);
    return std::nullopt;
}

} // namespace sakana
