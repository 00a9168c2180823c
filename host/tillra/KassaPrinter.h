#pragma once
// The till's receipt printer. Its device is the workstation setting
// "BonPrinter" of section "Kassa" (a character device or file such as
// "/dev/usb/lp0"); without one, receipts go to the spool file "bonprinter.txt"
// in the workstation's settings directory, so that a till without a printer
// still shows what it would have printed.
//
//   std::shared_ptr<KassaPrinter> p = PrinterLijst::Object().getBonPrinter();
//   if (p && p->Beschikbaar()) { p->StartBon(); p->Regel("..."); p->Cut(); p->EindBon(); }
//
// A job is collected in memory and written in one go by EindBon, so that a
// failing device never gets half a receipt. Text is sent in code page 1252.

#include <memory>
#include <QByteArray>
#include <QString>

namespace Tillra {

class KassaPrinter {
public:
    explicit KassaPrinter(QString apparaat);

    const QString& Apparaat() const { return apparaat_; }
    // The device can be written to now: an existing writable device, or a spool
    // file in a writable directory.
    bool Beschikbaar() const;

    void StartBon();
    // One line of text, ended with "\r\n".
    void Regel(const QString& tekst);
    // Feeds the paper past the cutter and cuts it.
    void Cut();
    // Sends the job; false when the device could not be written.
    bool EindBon();

    // The bytes of the cut command.
    static QByteArray CutCommando();

private:
    QString apparaat_;
    QByteArray bon_;
};

class PrinterLijst {
public:
    // Read afresh on every call, so that a changed setting counts at the next form.
    static PrinterLijst Object();

    // The receipt printer of this workstation; never null.
    std::shared_ptr<KassaPrinter> getBonPrinter() const { return bonPrinter_; }

    static QString SpoolBestand();

private:
    std::shared_ptr<KassaPrinter> bonPrinter_;
};

}  // namespace Tillra
