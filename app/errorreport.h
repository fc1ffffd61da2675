#pragma once

#include "app/runtimeerror.h"

namespace sakana {

// Shows the run-time error report.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void report(const RuntimeError &error) = 0;
};

// The report a person sees: a line on stderr and a modal message box in Japanese.
class DialogErrorReporter final : public ErrorReporter {
public:
    void report(const RuntimeError &error) override;
};

// The text of the report.
QString reportText(const RuntimeError &error);

} // namespace sakana
