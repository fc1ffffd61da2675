// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/mediaerror.h"

#include <type_traits>
#include <utility>

namespace sakana {

// Where a failing step goes: the program's one error report.
class ErrorSink {
public:
    virtual ~ErrorSink() = default;
    virtual void report(const MediaError &error) = 0;
    // Once a step has failed, no handler of a screen runs again.
    virtual bool hasFailed() const = 0;
};

// Wraps a handler that Qt calls (a click, a pointer move, a tick, opening a
// screen) so that our code is entered in one way only: nothing runs once a
// step has failed, and a MediaError ends the handler here and goes to the
// error report instead of travelling through Qt's frames.
template <typename Handler>
auto guarded(ErrorSink &errors, Handler handler)
{
    return [&errors, handler = std::move(handler)](auto &&...args) {
        if (errors.hasFailed())
            return;
        try {
            // A handler may leave out what the signal carries, as Qt allows.
            if constexpr (std::is_invocable_v<const Handler &, decltype(args)...>)
                handler(std::forward<decltype(args)>(args)...);
            else if constexpr (std::is_invocable_v<const Handler &>)
                handler();
        } catch (const MediaError &error) {
            errors.report(error);
        }
    };
}

} // namespace sakana
