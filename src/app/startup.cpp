// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startup.h"

#include "app/mediacheck.h"
#include "app/sessionenvironment.h"
#include "media/mediafolder.h"

#include <QApplication>
#include <QEvent>
#include <QLoggingCategory>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

// Q_INIT_RESOURCE must stand outside any namespace.
static void initBuiltInPictures()
{
    // The built-in pictures live in the ui library.
    Q_INIT_RESOURCE(sakana);
}

namespace sakana {

void prepareProcess(bool printsOnly)
{
    if (printsOnly && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    quietSession();
    // The sound system's own categories repeat in its words what the player
    // says once in ours (no sound device, a sound that stays silent);
    // QT_LOGGING_RULES still brings them back.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia.*=false"));
    initBuiltInPictures();
}

std::unique_ptr<QApplication> startApplication(int &argc, char *argv[], bool printsOnly)
{
    QLoggingCategory *const general = QLoggingCategory::defaultCategory();
    const bool warns = general->isWarningEnabled();
    if (printsOnly)
        general->setEnabled(QtWarningMsg, false);
    auto app = std::make_unique<QApplication>(argc, argv);
    general->setEnabled(QtWarningMsg, warns);
    return app;
}

int checkMedia(const std::optional<MediaFolder> &media, const QString &programDirectory)
{
    QTextStream out(stdout);
    if (!media) {
        out << QCoreApplication::translate("CommandLine", "No media folder found; looked in: %1")
                   .arg(MediaFolder::placesFor(programDirectory).join(QStringLiteral(", ")))
            << '\n';
        return 1;
    }
    const std::vector<MediaProblem> problems = checkMediaFolder(*media);
    printCheck(*media, problems, out);
    return checkExitStatus(problems);
}

AfterFirstPaint::AfterFirstPaint(QWidget &window, std::chrono::milliseconds delay, std::function<void()> job)
    : QObject(&window), delay_(delay), job_(std::move(job))
{
    window.installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(delay_, qApp, std::move(job_));
    }
    return false;
}

} // namespace sakana
