#include "board/Verplaatsing.h"

#include <vector>

#include "host/base/DatumTekst.h"
#include "host/brlib/KamerBezetting.h"
#include "host/brlib/VoorRegistratie.h"
#include "logboek/KamerStatus.h"
#include "logboek/LogboekActie.h"
#include "reservation/ReserveringSchrijver.h"

namespace bord {

namespace {

const QString kBezet = QStringLiteral(
    "Kan de verplaatsing niet registreren omdat door tussentijdse wijzigingen (op andere werkplekken) het nieuwe "
    "kamernummer niet meer beschikbaar is in de betreffende periode.\n"
    "De gegevens worden nu opnieuw ingelezen. Probeer het daarna opnieuw.");
const QString kGewijzigd = QStringLiteral(
    "Kan de verplaatsing niet registreren omdat deze reservering tussentijds (op een andere werkplek) is "
    "gewijzigd.\nDe gegevens worden nu opnieuw ingelezen. Probeer het daarna opnieuw.");

// The first guest named for the source room moves along; a split leaves a copy
// of the new room's first guest behind on the source room.
std::vector<brlib::stVoorReg> VerplaatsteVoorRegs(const Verplaatsing& v)
{
    std::vector<brlib::stVoorReg> lijst;
    brlib::RsvGetVoorRegistratie(v.reservering, lijst);
    for (brlib::stVoorReg& voorReg : lijst)
        if (voorReg.kamerNr == v.bronKamer) {
            voorReg.kamerNr = v.nieuweKamer;
            break;
        }
    if (v.vanaf > 0)
        for (const brlib::stVoorReg& voorReg : lijst)
            if (voorReg.kamerNr == v.nieuweKamer) {
                brlib::stVoorReg kopie = voorReg;
                kopie.kamerNr = v.bronKamer;
                lijst.push_back(kopie);
                break;
            }
    return lijst;
}

// The head [old begin, vanaf) stays on the source room and continues on the new one.
void Splits(ReserveringSchrijver& s, const Verplaatsing& v, const WIN_rsv_res_rgl& oud)
{
    const int32_t jaar = v.reservering.jaar;
    s.NeemRegelUitDag(jaar, v.regelNr);
    s.WijzigRegel(jaar, v.regelNr, [&](WIN_rsv_res_rgl& r) {
        r.ZetBeginDatum(v.vanaf);
        r.kamerNr = v.nieuweKamer;
    });
    s.ZetRegelInDag(jaar, v.regelNr);
    s.KopieerRegel(jaar, v.regelNr, [&](WIN_rsv_res_rgl& r) {
        r.ZetBeginDatum(oud.BeginDatum());
        r.ZetEindDatum(v.vanaf);
        r.kamerNr = v.bronKamer;
        r.verplaatstNaar = v.nieuweKamer;
    });
}

// Heads left behind by earlier splits now continue on the new room.
void VolgVervolgKamers(ReserveringSchrijver& s, const Verplaatsing& v)
{
    const int32_t jaar = v.reservering.jaar;
    for (int32_t nr : s.RegelNummers(v.reservering))
        if (s.LeesRegel(jaar, nr).verplaatstNaar == v.bronKamer)
            s.WijzigRegel(jaar, nr, [&](WIN_rsv_res_rgl& r) { r.verplaatstNaar = v.nieuweKamer; });
}

StapUitkomst Schrijf(ReserveringSchrijver& s, const Verplaatsing& v)
{
    // The reservation's own other lines count too: two of its lines on one room may not overlap.
    const TDateTime vanaf = v.vanaf > 0 ? v.vanaf : v.begin;
    if (const QString buiten = logboek::BuitenGebruikMelding(v.nieuweKamer); !buiten.isEmpty())
        return StapUitkomst::Geweigerd(buiten);
    if (!brlib::ZoekKamerBezetting(v.nieuweKamer, vanaf, v.eind, JaarNr()).empty())
        return StapUitkomst::Geweigerd(kBezet);
    if (v.tellerBekend && s.LeesKop(v.reservering).wijzigTeller != v.wijzigTeller)
        return StapUitkomst::Geweigerd(kGewijzigd);
    const int32_t jaar = v.reservering.jaar;
    const WIN_rsv_res_rgl oud = s.LeesRegel(jaar, v.regelNr);
    if (oud.kamerNr != v.bronKamer || oud.hfdNr != v.reservering.nr ||
        (v.vanaf > 0 && (v.vanaf <= oud.BeginDatum() || v.vanaf >= oud.EindDatum())))
        return StapUitkomst::Mislukt();
    const std::vector<brlib::stVoorReg> voorRegs = VerplaatsteVoorRegs(v);
    s.WijzigKop(v.reservering, [&](WIN_rsv_res_hfd& kop) { s.SchrijfVoorRegs(kop, v.reservering, voorRegs); });
    if (v.vanaf > 0)
        Splits(s, v, oud);
    else
        s.WijzigRegel(jaar, v.regelNr, [&](WIN_rsv_res_rgl& r) { r.kamerNr = v.nieuweKamer; });
    VolgVervolgKamers(s, v);
    return {};
}

}  // namespace

QString JaargrensBezwaar(const Verplaatsing& v)
{
    if (v.vanaf <= 0 || Jaar(v.vanaf) == v.reservering.jaar)
        return {};
    return QStringLiteral("Kan niet verplaatsen vanaf ") + FormatDateTime(QStringLiteral("dd-mm-yyyy"), v.vanaf) +
           QStringLiteral(": een reservering uit ") + QString::number(v.reservering.jaar) +
           QStringLiteral(" kan alleen binnen dat jaar gedeeltelijk worden verplaatst.\n"
                          "Verplaats de kamer vanaf een datum in ") +
           QString::number(v.reservering.jaar) + QStringLiteral(" of verplaats de hele kamer.");
}

Afloop RegistreerVerplaatsing(const Verplaatsing& v, const QString& titel)
{
    if (v.nieuweKamer == v.bronKamer)
        return Afloop::Gedaan;
    if (v.reservering.IsLeeg() || v.regelNr < 1)
        return Afloop::Mislukt;
    if (const QString bezwaar = JaargrensBezwaar(v); !bezwaar.isEmpty()) {
        ErrorMsg(bezwaar, titel);
        return Afloop::Gedaan;
    }
    return VoerUit(
        [&](ReserveringSchrijver& s) {
            logboek::NoteerReservering(QStringLiteral("Kamer verplaatsen"), v.reservering);
            return Schrijf(s, v);
        },
        titel);
}

}  // namespace bord
