#include "host/tillra/KassaPrinter.h"

#include <QFile>
#include <QFileInfo>

#include "host/base/MachineSettings.h"
#include "host/base/RecordCodepage.h"

namespace Tillra {

namespace {
constexpr int kDoorvoerRegels = 4;  // the paper between the print head and the cutter
}

KassaPrinter::KassaPrinter(QString apparaat) : apparaat_(std::move(apparaat)) {}

bool KassaPrinter::Beschikbaar() const
{
    const QFileInfo info(apparaat_);
    if (info.exists())
        return info.isWritable() && !info.isDir();
    return QFileInfo(info.absolutePath()).isWritable();
}

void KassaPrinter::StartBon() { bon_.clear(); }

void KassaPrinter::Regel(const QString& tekst) { bon_ += EncodeRecordText(tekst) + "\r\n"; }

QByteArray KassaPrinter::CutCommando() { return QByteArray("\x1d\x56\x00", 3); }

void KassaPrinter::Cut()
{
    bon_ += QByteArray("\r\n").repeated(kDoorvoerRegels);
    bon_ += CutCommando();
}

bool KassaPrinter::EindBon()
{
    QFile uit(apparaat_);
    const bool gelukt = uit.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered) &&
                        uit.write(bon_) == bon_.size() && uit.flush();
    bon_.clear();
    return gelukt;
}

PrinterLijst PrinterLijst::Object()
{
    const QString apparaat = MachineSettings(QStringLiteral("Kassa")).ReadString(QStringLiteral("BonPrinter"), {}).trimmed();
    PrinterLijst lijst;
    lijst.bonPrinter_ = std::make_shared<KassaPrinter>(apparaat.isEmpty() ? SpoolBestand() : apparaat);
    return lijst;
}

QString PrinterLijst::SpoolBestand() { return MachineSettings::WerkplekDir() + QStringLiteral("/bonprinter.txt"); }

}  // namespace Tillra
