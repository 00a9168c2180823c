#pragma once
// The till's settings that forms of other modules consult. A till is a
// machine, so they live in the workstation's settings: section "Kassa" for the
// till itself, "KassaServer" for the till server this workstation talks to.

#include <QString>

namespace Tillra {

class TlrSettings {
public:
    // Read afresh on every call, so that a changed setting counts at the next form.
    static TlrSettings Object();

    // Touch-screen tills: forms shown stand-alone get the on-screen keypad.
    bool SchermToetsenbord() const { return schermToetsenbord_; }
    // Stored product lines show the current description of their article card
    // instead of the one they were booked with (the flag for InlezenBonRegels).
    bool OmschrijvingVanKaart() const { return omschrijvingVanKaart_; }
    // The till server; an empty host name means none is set up.
    const QString& KassaServerHost() const { return kassaServerHost_; }
    int KassaServerPoort() const { return kassaServerPoort_; }

    static constexpr int kStandaardPoort = 2224;

private:
    bool schermToetsenbord_ = false;
    bool omschrijvingVanKaart_ = false;
    QString kassaServerHost_;
    int kassaServerPoort_ = kStandaardPoort;
};

}  // namespace Tillra
