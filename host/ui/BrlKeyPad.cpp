#include "host/ui/BrlKeyPad.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QToolButton>
#include <QWidget>

namespace {

const QString kNaam = QStringLiteral("BrlKeyPad");
constexpr int kRand = 8;
constexpr int kKnoppenRij = 48;  // kept free, so that the form's bottom buttons stay in sight

struct Toets {
    const char* tekst;
    int key;
    const char* invoer;  // the text the key types, empty for a control key
};

constexpr Toets kToetsen[4][4] = {
    {{"7", Qt::Key_7, "7"}, {"8", Qt::Key_8, "8"}, {"9", Qt::Key_9, "9"}, {"\u2190", Qt::Key_Backspace, ""}},
    {{"4", Qt::Key_4, "4"}, {"5", Qt::Key_5, "5"}, {"6", Qt::Key_6, "6"}, {"Tab", Qt::Key_Tab, ""}},
    {{"1", Qt::Key_1, "1"}, {"2", Qt::Key_2, "2"}, {"3", Qt::Key_3, "3"}, {"Enter", Qt::Key_Return, ""}},
    {{"0", Qt::Key_0, "0"}, {",", Qt::Key_Comma, ","}, {"-", Qt::Key_Minus, "-"}, {"Esc", Qt::Key_Escape, ""}},
};

void StuurToets(QWidget* form, const Toets& toets)
{
    QWidget* doel = form->focusWidget() ? form->focusWidget() : form;
    const QString invoer = QString::fromUtf8(toets.invoer);
    QKeyEvent druk(QEvent::KeyPress, toets.key, Qt::NoModifier, invoer);
    QKeyEvent los(QEvent::KeyRelease, toets.key, Qt::NoModifier, invoer);
    QCoreApplication::sendEvent(doel, &druk);
    QCoreApplication::sendEvent(doel, &los);
}

// Keeps the keypad in the form's lower right corner and visible with it.
class VolgForm : public QObject {
public:
    VolgForm(QWidget* form, QWidget* keypad) : QObject(keypad), form_(form), keypad_(keypad)
    {
        form->installEventFilter(this);
    }

    void Plaats()
    {
        const QRect vlak(form_->mapToGlobal(QPoint(0, 0)), form_->size());
        keypad_->adjustSize();
        keypad_->move(vlak.right() - keypad_->width() - kRand, vlak.bottom() - keypad_->height() - kKnoppenRij);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            Plaats();
            keypad_->show();
            break;
        case QEvent::Hide:
            keypad_->hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            Plaats();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget* form_;
    QWidget* keypad_;
};

}  // namespace

void BrlKeyPad::Bind(QWidget* form)
{
    if (!form || Of(form))
        return;
    auto* keypad = new QWidget(form, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    keypad->setObjectName(kNaam);
    keypad->setAttribute(Qt::WA_ShowWithoutActivating);
    keypad->setFocusPolicy(Qt::NoFocus);
    auto* raster = new QGridLayout(keypad);
    raster->setContentsMargins(4, 4, 4, 4);
    raster->setSpacing(4);
    for (int rij = 0; rij < 4; ++rij) {
        for (int kolom = 0; kolom < 4; ++kolom) {
            const Toets& toets = kToetsen[rij][kolom];
            auto* knop = new QToolButton(keypad);
            knop->setText(QString::fromUtf8(toets.tekst));
            knop->setFocusPolicy(Qt::NoFocus);
            knop->setMinimumSize(56, 48);
            QObject::connect(knop, &QToolButton::clicked, keypad, [form, &toets] { StuurToets(form, toets); });
            raster->addWidget(knop, rij, kolom);
        }
    }
    auto* volg = new VolgForm(form, keypad);
    if (form->isVisible()) {
        volg->Plaats();
        keypad->show();
    }
}

QWidget* BrlKeyPad::Of(const QWidget* form)
{
    return form ? form->findChild<QWidget*>(kNaam, Qt::FindDirectChildrenOnly) : nullptr;
}
