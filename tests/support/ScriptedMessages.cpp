#include "tests/support/ScriptedMessages.h"

ScriptedMessages::ScriptedMessages() : ScriptedMessages(std::deque<int>{}) {}

ScriptedMessages::ScriptedMessages(std::deque<int> antwoorden)
    : antwoorden_(std::move(antwoorden)),
      scope_([this](const MsgRequest& request) { return Antwoord(request); })
{
}

int ScriptedMessages::Antwoord(const MsgRequest& request)
{
    gezien_.push_back(request);
    if (antwoorden_.empty())
        return request.knoppen == msg::mbYesNo ? msg::idYes : msg::idOK;
    const int antwoord = antwoorden_.front();
    antwoorden_.pop_front();
    return antwoord;
}
