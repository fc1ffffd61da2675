#pragma once

#include "app/runtimeerror.h"

#include <QApplication>
#include <optional>

namespace sakana {

class ErrorReporter;

// The application object. Every handler of every screen runs inside notify(),
// so this is the one place where a failing step is caught: the handler stops,
// the screens receive nothing more, the error report is shown and the program
// ends with exit status 1.
class Application : public QApplication {
public:
    Application(int &argc, char **argv);

    void setReporter(ErrorReporter *reporter) { reporter_ = reporter; }
    const std::optional<RuntimeError> &failure() const { return failure_; }

    bool notify(QObject *receiver, QEvent *event) override;

    static constexpr int kFailureExitCode = 1;

private:
    void fail(const RuntimeError &error);

    ErrorReporter *reporter_ = nullptr;
    std::optional<RuntimeError> failure_;
};

} // namespace sakana
