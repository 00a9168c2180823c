#pragma once
// Records every message box and answers it from a script of results
// (msg::idYes / msg::idNo); a message beyond the script is answered OK / Yes.

#include <deque>
#include <vector>

#include "host/ui/Messages.h"

class ScriptedMessages {
public:
    ScriptedMessages();
    explicit ScriptedMessages(std::deque<int> antwoorden);

    const std::vector<MsgRequest>& Gezien() const { return gezien_; }
    const MsgRequest& Laatste() const { return gezien_.back(); }

private:
    int Antwoord(const MsgRequest& request);

    std::deque<int> antwoorden_;
    std::vector<MsgRequest> gezien_;
    MsgResponderScope scope_;
};
