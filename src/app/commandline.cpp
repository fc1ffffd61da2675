// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"

#include "app/terminaltext.h"

#include <QCoreApplication>
#include <QFileInfo>
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
      kiosk_(QStringLiteral("kiosk"),
             QCoreApplication::translate("CommandLine", "Classroom mode: start full screen and stay so. The window's close button, Alt+F4, "
                "Escape and F11 neither end nor shrink it; the menu's お わ り button ends the program only when held "
                "down for three seconds, counting down on its face.")),
      drillSet_(QStringLiteral("drill-set"),
                QCoreApplication::translate("CommandLine", "Use FILE as the drill set instead of the media folder's 説明/drill.txt: "
                   "one fish a line, by number (1-40) or by name in hiragana, # starting a comment, in UTF-8 or code page 932. "
                   "The drill asks only those fish and dims the other names. Also the set that --check-media checks and "
                   "--print-cards prints."),
                QStringLiteral("FILE")),
      cards_(QStringLiteral("print-cards"),
             QCoreApplication::translate("CommandLine", "Write an A4 PDF of fish cards to FILE and end, without opening a window: "
                "each fish's picture and name with cut lines between the cards, then a page of the names to tick; "
                "all forty fish, or those of the drill set. Nothing is written if it fails (exit status 1). "
                "The only file the program ever writes."),
             QStringLiteral("FILE")),
      folderText_(QCoreApplication::translate("CommandLine", "With --check-media: the folder to check."))
{
    parser_.setApplicationDescription(QCoreApplication::translate("CommandLine", "A program for young children to learn forty kinds of fish."));
    help_ = parser_.addHelpOption();
    version_ = parser_.addVersionOption();
    parser_.addOption(media_);
    parser_.addOption(check_);
    parser_.addOption(fullScreen_);
    parser_.addOption(kiosk_);
    parser_.addOption(drillSet_);
    parser_.addOption(cards_);
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

// Every option but those that say what the window shows prints and ends:
// help, the version, the media check, the fish cards.
bool CommandLine::asksToPrint() const
{
    return std::ranges::any_of(parser_.optionNames(), [this](const QString &name) {
        return !media_.names().contains(name) && !fullScreen_.names().contains(name) &&
               !kiosk_.names().contains(name) && !drillSet_.names().contains(name);
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
        {namesOf(kiosk_), kiosk_.description()},
        {namesOf(drillSet_), drillSet_.description()},
        {namesOf(cards_), cards_.description()},
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

std::optional<QString> CommandLine::drillSet() const
{
    if (!parser_.isSet(drillSet_))
        return std::nullopt;
    return QFileInfo(parser_.value(drillSet_)).absoluteFilePath();
}

std::optional<QString> CommandLine::cardsFile() const
{
    return parser_.isSet(cards_) ? std::optional(parser_.value(cards_)) : std::nullopt;
}

} // namespace sakana
