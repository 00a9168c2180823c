#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include "host/ui/TForm.h"

ScriptedDialogs::ScriptedDialogs() : scope_([this](TForm& form) { return Speel(form); }) {}

int ScriptedDialogs::Speel(TForm& form)
{
    ++getoond_;
    if (scripts_.empty()) {
        ADD_FAILURE() << "unexpected dialog " << form.Caption().toStdString();
        return mrCancel;
    }
    // Taken off first: a script may queue the scripts of the forms it opens.
    const Script script = std::move(scripts_.front());
    scripts_.pop_front();
    return script(form);
}
