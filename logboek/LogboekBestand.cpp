#include "logboek/LogboekBestand.h"

#include <QSysInfo>
#include <QTime>

#include "host/base/HuidigeDatum.h"
#include "host/base/MachineSettings.h"
#include "host/base/TDateTime.h"
#include "host/records/TekstLijst.h"
#include "store/RecordCache.h"
#include "store/RecordTekst.h"

namespace logboek {

namespace {

QString Omgeving(const char* naam, const QString& anders)
{
    const QString waarde = qEnvironmentVariable(naam);
    return waarde.isEmpty() ? anders : waarde;
}

QStringList AlsRegels(const std::vector<Wijziging>& wijzigingen)
{
    QStringList regels;
    for (const Wijziging& w : wijzigingen)
        regels << w.veld << w.voor << w.na;
    return regels;
}

std::vector<Wijziging> UitRegels(const QStringList& regels)
{
    std::vector<Wijziging> wijzigingen;
    for (qsizetype i = 0; i + 2 < regels.size(); i += 3)
        wijzigingen.push_back({regels[i], regels[i + 1], regels[i + 2]});
    return wijzigingen;
}

}  // namespace

TDateTime Nu()
{
    return HuidigeDatum::Object().Huidige() + QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
}

// The host application asks a workstation's name once and keeps it there.
QString WerkplekNaam()
{
    const QString gegeven = MachineSettings(QStringLiteral("Werkplek")).ReadString(QStringLiteral("Naam"), QString());
    return Omgeving("RSV_WERKPLEK", gegeven.isEmpty() ? QSysInfo::machineHostName() : gegeven);
}
QString GebruikerNaam() { return Omgeving("USER", QString()); }

void SchrijfLogRegel(const LogRegel& regel)
{
    const int jaar = Jaar(regel.tijd);
    RecordCache<WIN_rsv_logboek> bestand(kBestand, brlib::tfPerJaar, false, false);
    brlib::RecordCacheImpl teksten(sizeof(brlib::DOS_tkst_dsk_strukt), kTekstBestand, brlib::tfPerJaar, false, false);
    const int32_t nr = bestand.RecordCount(jaar) + 1;
    WIN_rsv_logboek rcd{};
    rcd.tijd = DateToDatumTijd(regel.tijd);
    ZetTekst(rcd.werkplek, regel.werkplek);
    ZetTekst(rcd.gebruiker, regel.gebruiker);
    ZetTekst(rcd.actie, regel.actie);
    rcd.resJaar = static_cast<uint16_t>(regel.reservering.jaar);
    rcd.resNr = regel.reservering.nr;
    ZetTekst(rcd.stamSleutel, regel.stamSleutel);
    rcd.tekstNr = brlib::SchrijfTekstLijstFile(teksten, JaarNr(jaar, 0), AlsRegels(regel.wijzigingen), nr);
    bestand.Store(jaar, nr, rcd);
}

std::vector<LogRegel> LeesLogboek(int jaar)
{
    RecordCache<WIN_rsv_logboek> bestand(kBestand, brlib::tfPerJaar, true, true);
    brlib::RecordCacheImpl teksten(sizeof(brlib::DOS_tkst_dsk_strukt), kTekstBestand, brlib::tfPerJaar, true, true);
    std::vector<LogRegel> regels;
    bestand.Scan(jaar, 1, [&](int32_t, int32_t, const WIN_rsv_logboek& rcd) {
        LogRegel regel;
        regel.tijd = DatumTijdToDate(rcd.tijd);
        regel.werkplek = LeesTekst(rcd.werkplek);
        regel.gebruiker = LeesTekst(rcd.gebruiker);
        regel.actie = LeesTekst(rcd.actie);
        const int32_t resNr = rcd.resNr;
        regel.reservering = resNr > 0 ? JaarNr(rcd.resJaar, resNr) : JaarNr();
        regel.stamSleutel = LeesTekst(rcd.stamSleutel);
        const int32_t tekstNr = rcd.tekstNr;
        if (tekstNr > 0)
            regel.wijzigingen = UitRegels(brlib::LeesTekstLijstFile(teksten, JaarNr(jaar, tekstNr)));
        regels.push_back(std::move(regel));
        return true;
    });
    return regels;
}

}  // namespace logboek
