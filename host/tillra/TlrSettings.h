#pragma once
// The till's settings that forms of other modules consult. A till is a
// machine, so they live in the workstation's settings, section "Kassa".

namespace Tillra {

class TlrSettings {
public:
    // Read afresh on every call, so that a changed setting counts at the next form.
    static TlrSettings Object();

    // Touch-screen tills: forms shown stand-alone get the on-screen keypad.
    bool SchermToetsenbord() const { return schermToetsenbord_; }

private:
    bool schermToetsenbord_ = false;
};

}  // namespace Tillra
