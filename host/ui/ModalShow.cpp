#include "host/ui/ModalShow.h"

#include "host/ui/TForm.h"

namespace {
ModalResponder& Responder()
{
    static ModalResponder responder;
    return responder;
}
}

int ShowModal(TForm& form)
{
    form.SetModalResult(mrNone);
    if (Responder())
        return Responder()(form);
    form.exec();
    return form.ModalResult();
}

ModalResponderScope::ModalResponderScope(ModalResponder responder) : vorige_(std::move(Responder()))
{
    Responder() = std::move(responder);
}

ModalResponderScope::~ModalResponderScope()
{
    Responder() = std::move(vorige_);
}
