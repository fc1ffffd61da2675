// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"

#include "app/terminaltext.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <cstdlib>

namespace sakana {

namespace {

// Texts of Qt's parser that Qt 6.4's Japanese catalogue lacks: listed here so
// that the program's own catalogue carries them, under the parser's context.
[[maybe_unused]] constexpr const char *kParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

// How Qt's parser lays out its help: the names two columns in, the texts one
// column after the longest names, a line at most 79 columns wide.
constexpr int kIndent = 2;
constexpr int kLineColumns = 79;
constexpr int kMostNameColumns = 50;

QString namesOf(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString joined = names.join(u", ");
    if (!option.valueName().isEmpty())
        joined += QStringLiteral(" <") + option.valueName() + u'>';
    return joined;
}

} // namespace

CommandLine::CommandLine(bool wideText)
    : wideText_(wideText),
      help_(QStringLiteral("help")),
      version_(QStringLiteral("version")),
      media_(QStringLiteral("media"), QCoreApplication::translate("CommandLine", "Use the media folder DIR."), QStringLiteral("DIR")),
      check_(QStringLiteral("check-media"),
             QCoreApplication::translate("CommandLine", "Check the media folder DIR (or the one the program would use), report every problem and end. "
                "Exit status 0: complete; 1: the program would stop; 2: warnings only.")),
      fullScreen_(QStringLiteral("fullscreen"),
                  QCoreApplication::translate("CommandLine", "Start full screen, every screen scaled to fill it. F11 switches, Escape leaves.")),
      folderText_(QCoreApplication::translate("CommandLine", "With --check-media: the folder to check."))
{
    parser_.setApplicationDescription(QCoreApplication::translate("CommandLine", "A program for young children to learn forty kinds of fish."));
    help_ = parser_.addHelpOption();
    version_ = parser_.addVersionOption();
    parser_.addOption(media_);
    parser_.addOption(check_);
    parser_.addOption(fullScreen_);
    parser_.addPositionalArgument(QStringLiteral("DIR"), folderText_,
                                  QStringLiteral("[DIR]"));
}

bool CommandLine::printsOnly(int argc, char *argv[])
{
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
    CommandLine commandLine;
    // A rejected command line is printed (and ends the program) as well.
    return !commandLine.parser_.parse(arguments) || commandLine.asksToPrint();
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
#ifdef _WIN32
    // Qt's parser shows these in a message box when the program was not
    // started with a console; they go to the standard output here, as on
    // other systems, so that a script or a console reads them the same.
    if (parser_.parse(app.arguments()) && (parser_.isSet(version_) || (parser_.isSet(help_) && !wideText_))) {
        if (parser_.isSet(version_))
            QTextStream(stdout) << QCoreApplication::applicationName() << ' '
                                << QCoreApplication::applicationVersion() << '\n';
        else
            QTextStream(stdout) << parser_.helpText();
        std::exit(EXIT_SUCCESS);
    }
#endif
    // The version comes first when both are asked for, as in Qt's parser.
    if (wideText_ && parser_.parse(app.arguments()) && parser_.isSet(help_) && !parser_.isSet(version_)) {
        QTextStream(stdout) << wideHelpText(app.arguments().constFirst());
        std::exit(EXIT_SUCCESS);
    }
    parser_.process(app);
}

QString CommandLine::wideHelpText(const QString &program) const
{
    struct Entry {
        QString names;
        QString text;
    };
    // Qt's parser shows --help-all below --help.
    const std::vector<Entry> options{
        {namesOf(help_), help_.description()},
        {QStringLiteral("--help-all"), QCoreApplication::translate("QCommandLineParser", "Displays help including Qt specific options.")},
        {namesOf(version_), version_.description()},
        {namesOf(media_), media_.description()},
        {namesOf(check_), check_.description()},
        {namesOf(fullScreen_), fullScreen_.description()},
    };
    const std::vector<Entry> arguments{
        {QStringLiteral("DIR"), folderText_}};
    int nameColumns = 0;
    for (const Entry &entry : options)
        nameColumns = std::max(nameColumns, terminalColumns(entry.names) + 1);
    nameColumns = std::min(nameColumns, kMostNameColumns);

    QString help;
    const auto paragraph = [&help](const QString &text) {
        for (const QString &line : wrapForTerminal(text, kLineColumns))
            help += line + u'\n';
    };
    const auto entry = [&help, nameColumns](const Entry &entry) {
        const QString indent(kIndent, u' ');
        const QStringList lines = wrapForTerminal(entry.text, kLineColumns - kIndent - nameColumns - 1);
        const int padding = std::max(nameColumns - terminalColumns(entry.names), 0);
        help += indent + entry.names + QString(padding, u' ') + u' ' + lines.constFirst() + u'\n';
        for (qsizetype k = 1; k < lines.size(); ++k)
            help += indent + QString(nameColumns + 1, u' ') + lines[k] + u'\n';
    };
    paragraph(QCommandLineParser::tr("Usage: %1").arg(program + u' ' + QCommandLineParser::tr("[options]") + QStringLiteral(" [DIR]")));
    paragraph(parser_.applicationDescription());
    help += u'\n' + QCommandLineParser::tr("Options:") + u'\n';
    for (const Entry &option : options)
        entry(option);
    help += u'\n' + QCommandLineParser::tr("Arguments:") + u'\n';
    for (const Entry &argument : arguments)
        entry(argument);
    return help;
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
