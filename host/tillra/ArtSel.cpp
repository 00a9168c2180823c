#include "host/tillra/ArtSel.h"

#include <optional>
#include <QColor>
#include <QFile>
#include <QSaveFile>

#include "host/records/Werkstation.h"
#include "host/tillra/KassaBestanden.h"

namespace Tillra {

namespace {

constexpr int kMaxPositie = 100;

std::optional<ArtSelKnop> LeesRegel(const QString& regel)
{
    const QStringList delen = regel.split(QLatin1Char(';'));
    if (delen.size() < 4 || delen.size() > 5)
        return std::nullopt;
    bool okRij = false, okKolom = false, okNr = false;
    ArtSelKnop knop;
    knop.rij = delen[0].trimmed().toInt(&okRij);
    knop.kolom = delen[1].trimmed().toInt(&okKolom);
    knop.artikelNr = delen[2].trimmed().toInt(&okNr);
    knop.tekst = delen[3].trimmed();
    if (delen.size() == 5 && QColor::isValidColorName(delen[4].trimmed()))
        knop.kleur = delen[4].trimmed();
    const bool binnen = knop.rij >= 0 && knop.rij < kMaxPositie && knop.kolom >= 0 && knop.kolom < kMaxPositie;
    if (!okRij || !okKolom || !okNr || !binnen || knop.artikelNr <= 0)
        return std::nullopt;
    return knop;
}

// The administration of the current workstation, as the article cards are read.
QString ArtSelPad()
{
    return brlib::Werkstation::Huidig()->AdminDir() + QLatin1Char('/') + QLatin1String(KassaBestanden::ArtSel);
}

}  // namespace

std::vector<ArtSelKnop> LeesArtSel(const QString& tekst)
{
    std::vector<ArtSelKnop> knoppen;
    for (const QString& regel : tekst.split(QLatin1Char('\n'))) {
        const QString schoon = regel.trimmed();
        if (schoon.isEmpty() || schoon.startsWith(QLatin1Char('#')))
            continue;
        if (auto knop = LeesRegel(schoon))
            knoppen.push_back(*knop);
    }
    return knoppen;
}

std::vector<ArtSelKnop> LeesArtSelBestand()
{
    QFile bestand(ArtSelPad());
    if (!bestand.open(QIODevice::ReadOnly))
        return {};
    return LeesArtSel(QString::fromUtf8(bestand.read(1 << 20)));
}

bool SchrijfArtSelBestand(const std::vector<ArtSelKnop>& knoppen, QString& fout)
{
    QByteArray tekst("# rij;kolom;artikelnummer;tekst;kleur\n");
    for (const ArtSelKnop& knop : knoppen)
        tekst += QStringLiteral("%1;%2;%3;%4;%5\n")
                     .arg(knop.rij)
                     .arg(knop.kolom)
                     .arg(knop.artikelNr)
                     .arg(QString(knop.tekst).replace(QLatin1Char(';'), QLatin1Char(',')), knop.kleur)
                     .toUtf8();
    QSaveFile bestand(ArtSelPad());
    if (bestand.open(QIODevice::WriteOnly) && bestand.write(tekst) == tekst.size() && bestand.commit())
        return true;
    fout = QStringLiteral("De productknoppen (artsel.cfg) konden niet worden geschreven: ") + bestand.errorString();
    return false;
}

}  // namespace Tillra
