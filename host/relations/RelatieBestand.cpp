#include "host/relations/RelatieBestand.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include "host/base/AdminDir.h"

namespace relaties {

namespace {

QString Pad() { return HuidigeAdminDir() + QStringLiteral("/relaties.txt"); }

const QString kKaartNr = QStringLiteral("kaartnr");
const QString kRelatieNr = QStringLiteral("relatienr");

}  // namespace

QStringList StandaardVeldNamen()
{
    return {QStringLiteral("Naam"),     QStringLiteral("Adres"),   QStringLiteral("Postcode"),
            QStringLiteral("Woonplaats"), QStringLiteral("Land"),  QStringLiteral("Fax"),
            QStringLiteral("Telefoon"), QStringLiteral("Mobiel"),  QStringLiteral("E-mail")};
}

RelatieBestand LeesRelatieBestand()
{
    RelatieBestand bestand;
    QFile f(Pad());
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return bestand;
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    const QStringList kop = in.readLine().split(u'\t');
    if (kop.size() < 2 || kop[0] != kKaartNr || kop[1] != kRelatieNr)
        return bestand;
    bestand.veldNamen = kop.mid(2);
    while (!in.atEnd()) {
        const QStringList velden = in.readLine().split(u'\t');
        if (velden.size() < 2)
            continue;
        bestand.kaarten.push_back({velden[0].toInt(), velden[1].toInt(), velden.mid(2)});
    }
    return bestand;
}

bool SchrijfRelatieBestand(const RelatieBestand& bestand)
{
    QSaveFile f(Pad());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream uit(&f);
    uit.setEncoding(QStringConverter::Utf8);
    uit << (QStringList{kKaartNr, kRelatieNr} + bestand.veldNamen).join(u'\t') << '\n';
    for (const RelatieKaart& kaart : bestand.kaarten)
        uit << (QStringList{QString::number(kaart.kaartNr), QString::number(kaart.relatieNr)} + kaart.velden).join(u'\t')
            << '\n';
    uit.flush();
    return f.commit();
}

}  // namespace relaties
