#pragma once
// The adapter between a module form and the host's child-window manager: one
// instantiation per form class, holding only a pointer back to its form.
// The form creates it in its constructor when it gets a manager and deletes it
// in its destructor.
//
// T derives from TForm and provides IdentityName() and AddHostMenuItems(QMenu&).
// The pointer is kept as TForm* because the adapter is made while T is still
// being constructed; it is only turned into T* when the manager calls.

#include "host/ui/AbstractChldAPI.h"
#include "host/ui/TForm.h"

template <class T>
class TbrlAPI final : public AbstractChldAPI {
public:
    explicit TbrlAPI(TForm* form) : form_(form) {}

    int Tag() const override { return 0; }
    QString Caption() const override { return form_->Caption(); }
    void SetCaption(const QString& caption) override { form_->SetCaption(caption); }

    void BringToFront() override
    {
        if (form_->isMinimized())
            form_->showNormal();
        form_->raise();
        form_->activateWindow();
        form_->setFocus();
    }

    void Close() override { form_->close(); }
    void AddMenuItems(QMenu& hostMenu) override { Typed()->AddHostMenuItems(hostMenu); }
    TForm* Form() const override { return form_; }
    QString IdentityName() const override { return Typed()->IdentityName(); }

private:
    T* Typed() const { return static_cast<T*>(form_); }

    TForm* form_;
};
