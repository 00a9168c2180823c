#pragma once
// Base of every module form: the contract with the host's child-window manager.
//
// A form given a manager is hosted: it creates its adapter TbrlAPI<T> at
// construction, registers with the manager when it is first shown, reports its
// activation, and on close unregisters and frees itself. A form given no manager
// is stand-alone (a modal dialog): it never calls a manager and whoever created
// it deletes it.
//
// Forms that extend a hook call the base first (FormShow, FormActivate,
// FormDeactivate) or last (FormClose, which may set caFree):
//   class TfrmRsvKamer : public THostedForm<TfrmRsvKamer> { ... };

#include <memory>
#include <QString>

#include "host/ui/ChildWindowManager.h"
#include "host/ui/TForm.h"
#include "host/ui/TbrlAPI.h"

class QMenu;

template <class T>
class THostedForm : public TForm {
public:
    THostedForm(QWidget* owner, TChildWindowManager* manager, const QString& identityName)
        : TForm(owner), manager_(manager), identityName_(identityName)
    {
        if (manager_)
            api_ = std::make_unique<TbrlAPI<T>>(this);
    }

    // The section of the form's workstation settings and the name of its grid layout.
    QString IdentityName() const { return identityName_; }
    bool IsHosted() const { return manager_ != nullptr; }
    TChildWindowManager* Manager() const { return manager_; }
    AbstractChldAPI* Api() const { return api_.get(); }

    // Entries of the form's own in the host's menu, added through the manager.
    virtual void AddHostMenuItems(QMenu&) {}

protected:
    void FormShow() override
    {
        if (!manager_ || registered_)
            return;
        registered_ = true;
        manager_->RegisterChild(api_.get());
    }

    void FormClose(TCloseAction& action) override
    {
        if (!manager_)
            return;
        if (registered_)
            manager_->UnregisterChild(api_.get());
        registered_ = false;
        action = TCloseAction::caFree;
    }

    void FormActivate() override
    {
        if (manager_)
            manager_->ChildActivated(api_.get());
    }

    void FormDeactivate() override
    {
        if (manager_)
            manager_->ChildDeactivated(api_.get());
    }

private:
    TChildWindowManager* manager_;
    std::unique_ptr<TbrlAPI<T>> api_;
    QString identityName_;
    bool registered_ = false;
};
