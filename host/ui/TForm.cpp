#include "host/ui/TForm.h"

#include <QCloseEvent>

#include "host/ui/HandlerGuard.h"

TForm::TForm(QWidget* owner) : QDialog(owner)
{
    // A form is a window of its own, also when it has an owner.
    setWindowFlags(Qt::Window);
}

void TForm::SetModalResult(int result)
{
    modalResult_ = result;
    if (result != mrNone && isVisible())
        done(result);
}

void TForm::done(int result)
{
    if (sluitBijResultaat_) {
        if (!close())
            SetModalResult(mrNone);
        return;
    }
    modalResult_ = result;
    QDialog::done(result);
}

void TForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(Caption(), [this] { FormShow(); });
}

void TForm::closeEvent(QCloseEvent* event)
{
    // A hook that fails lets the form close as if it had agreed.
    bool magSluiten = true;
    RunGuarded(Caption(), [&] { magSluiten = FormCloseQuery(); });
    if (!magSluiten) {
        event->ignore();
        return;
    }
    TCloseAction action = TCloseAction::caHide;
    RunGuarded(Caption(), [&] { FormClose(action); });
    if (action == TCloseAction::caNone) {
        event->ignore();
        return;
    }
    event->accept();
    if (modalResult_ == mrNone)
        modalResult_ = mrCancel;
    QDialog::done(modalResult_);
    if (action == TCloseAction::caFree)
        deleteLater();
}

void TForm::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    const bool nuActief = isActiveWindow();
    if (nuActief == active_)
        return;
    active_ = nuActief;
    RunGuarded(Caption(), [this] {
        if (active_)
            FormActivate();
        else
            FormDeactivate();
    });
}
