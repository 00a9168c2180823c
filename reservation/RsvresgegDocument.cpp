// The details form's "Afdrukken" and "E-mail": the reservation's document.

#include <QPushButton>

#include "host/printing/EmailReservering.h"
#include "host/printing/PrintEnkele.h"
#include "reservation/Rsvresgegunit.h"

namespace {

// The button stays disabled while its document is made, so a second click
// cannot start a second run; it comes back also when the run fails.
class KnopBezig {
public:
    explicit KnopBezig(QPushButton* knop) : knop_(knop) { knop_->setEnabled(false); }
    ~KnopBezig() { knop_->setEnabled(true); }
    KnopBezig(const KnopBezig&) = delete;
    KnopBezig& operator=(const KnopBezig&) = delete;

private:
    QPushButton* knop_;
};

}  // namespace

void TfrmRsvResGeg::btnAfdrukkenClick()
{
    const KnopBezig bezig(btnAfdrukken);
    Printing::PrintEnkele(QStringLiteral("rsv"), reservering_);
}

void TfrmRsvResGeg::btnEmailClick()
{
    const KnopBezig bezig(btnEmail);
    EmailReservering(reservering_);
}
