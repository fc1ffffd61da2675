// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/errorreport.h"

#include "ui/screenwindow.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>

namespace sakana {

namespace {

Q_LOGGING_CATEGORY(lcApp, "sakana.app")

} // namespace

ErrorReport::ErrorReport(Show show) : show_(std::move(show)) {}

void ErrorReport::report(const MediaError &error)
{
    if (failed_)
        return;
    failed_ = true;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<ScreenWindow *>(widget) || qobject_cast<WindowHost *>(widget))
            widget->hide();
    }
    if (show_)
        show_(error);
    QCoreApplication::exit(kExitStatus);
}

QString reportText(const MediaError &error)
{
    return QStringLiteral("実行時エラーが起きたので、プログラムを終わります。\n\nファイル: %1\n理由: %2")
        .arg(error.file(), error.reason());
}

void showReportDialog(const MediaError &error)
{
    qCCritical(lcApp, "run-time error: %s", error.what());
    QMessageBox::critical(nullptr, QStringLiteral("sakana"), reportText(error));
}

} // namespace sakana
