#pragma once
// Answers each modal form with the next script of a queue, instead of a nested
// event loop. A script works the form as a user would and returns its modal
// result; a form beyond the queue fails the test and counts as cancelled.

#include <deque>
#include <functional>

#include "host/ui/ModalShow.h"

class ScriptedDialogs {
public:
    using Script = std::function<int(TForm&)>;

    ScriptedDialogs();

    void Voeg(Script script) { scripts_.push_back(std::move(script)); }
    int Getoond() const { return getoond_; }

private:
    int Speel(TForm& form);

    std::deque<Script> scripts_;
    int getoond_ = 0;
    ModalResponderScope scope_;
};
