// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/guard.h"

#include <QString>
#include <functional>

namespace sakana {

// The program's one error report. The first failing step hides every screen
// window (so nothing more of a screen can be clicked), is shown, and ends the
// program with exit status 1; nothing of a screen runs after it.
class ErrorReport final : public ErrorSink {
public:
    using Show = std::function<void(const MediaError &error)>;
    explicit ErrorReport(Show show);

    void report(const MediaError &error) override;
    bool hasFailed() const override { return failed_; }

    static constexpr int kExitStatus = 1;

private:
    Show show_;
    bool failed_ = false;
};

// The text of the report, in Japanese.
QString reportText(const MediaError &error);

// Shows the report to a person: a modal message box, and a line in English
// on stderr (logging category sakana.app).
void showReportDialog(const MediaError &error);

} // namespace sakana
