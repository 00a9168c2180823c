#pragma once
// Event handlers of the forms run through here. An error of the record layer
// (EBrRuntime: a damaged chain, a file that cannot be read or written) that
// left a handler would pass through the Qt event loop and end the program.
// Here it becomes an error box instead. Nothing is lost by stopping the
// handler there: readers only fill the handler's own copies, and a write
// action that did not commit was rolled back.

#include <functional>
#include <type_traits>
#include <QString>

#include "host/ui/TForm.h"

// Runs `handler`; on an error shows its message titled `titel` and returns false.
bool RunGuarded(const QString& titel, const std::function<void()>& handler);

// connect() for a handler of `form`, run through RunGuarded with the form's
// caption. The handler takes the signal's arguments or none.
template <class Sender, class Signal, class Handler>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, TForm* form, Handler handler)
{
    auto guarded = [form, handler](auto... args) -> void
        requires std::is_invocable_v<Handler, decltype(args)...>
    {
        RunGuarded(form->Caption(), [&] { handler(args...); });
    };
    return QObject::connect(sender, signal, form, guarded);
}
