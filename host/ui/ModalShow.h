#pragma once
// Every modal show of a module form goes through here. A test installs a
// responder that gets the form instead of a nested event loop, works it like a
// user would and returns the modal result.

#include <functional>

class TForm;

using ModalResponder = std::function<int(TForm&)>;

int ShowModal(TForm& form);

class ModalResponderScope {
public:
    explicit ModalResponderScope(ModalResponder responder);
    ~ModalResponderScope();
    ModalResponderScope(const ModalResponderScope&) = delete;
    ModalResponderScope& operator=(const ModalResponderScope&) = delete;

private:
    ModalResponder vorige_;
};
