#include "app/errorreport.h"

#include <QMessageBox>
#include <cstdio>

namespace sakana {

QString reportText(const RuntimeError &error)
{
    return QStringLiteral("実行時エラーが起きたので、プログラムを終わります。\n\nファイル: %1\n理由: %2")
        .arg(error.file(), error.reason());
}

void DialogErrorReporter::report(const RuntimeError &error)
{
    std::fprintf(stderr, "sakana: run-time error: %s: %s\n", qPrintable(error.file()),
                 qPrintable(error.reason()));
    QMessageBox::critical(nullptr, QStringLiteral("sakana"), reportText(error));
}

} // namespace sakana
