#include "store/Herstel.h"

#include <QDir>
#include <QFile>

#include "host/records/Journal.h"
#include "host/records/Locks.h"
#include "host/records/UpdateCount.h"
#include "host/records/Werkstation.h"
#include "store/AdministratieInhoud.h"
#include "store/HerstelDagKetting.h"
#include "store/HerstelVrijeLijst.h"
#include "store/Integriteit.h"
#include "store/Reservekopie.h"

namespace {

const QString kUpdateCount = QStringLiteral("rsv.upd");

// Copies a hot journal and the files it would write again. Done before the
// lock, because taking it recovers the journal.
bool BewaarHotJournaal(Reservekopie& kopie)
{
    const QString admin = HuidigeAdminDir();
    const std::vector<QString> bestanden = brlib::HotJournalFiles(brlib::CurrentFileSystem(), admin);
    if (bestanden.empty())
        return false;
    for (const QString& b : bestanden)
        kopie.Bewaar(QDir(admin).filePath(b));
    kopie.Bewaar(brlib::JournalPath(admin));
    return true;
}

// The update count file holds one 4-byte count; a torn tail makes every
// workstation's poll fail. Cut back to the count (the raise below follows).
void PlanUpdateCount(HerstelPlan& plan)
{
    const QString pad = QDir(HuidigeAdminDir()).filePath(kUpdateCount);
    const qint64 grootte = QFile(pad).size();
    if (grootte == 0 || grootte == qint64(sizeof(int32_t)))
        return;
    plan.bestanden.insert(pad);
    plan.schrijvers.push_back([pad] {
        QFile f(pad);
        if (!f.resize(f.size() < qint64(sizeof(int32_t)) ? 0 : qint64(sizeof(int32_t))))
            throw EBrRuntime("Het bestand " + pad + " kan niet worden ingekort: " + f.errorString(), "PlanUpdateCount");
    });
    plan.regels << kUpdateCount + ": bijwerkingsnummer hersteld (" + QString::number(grootte) + " bytes, verwacht 4)";
}

void PlanHerstel(AdministratieInhoud& inhoud, HerstelPlan& plan)
{
    PlanUpdateCount(plan);
    for (JaarBestanden& j : inhoud.jaren) {
        PlanVrijeLijst(j.rgl, plan);
        PlanVrijeLijst(j.voorReg, plan);
        PlanVrijeLijst(j.tarief, plan);
        PlanDagKettingen(j.dagHfd, j.hfd, 0, plan);
        PlanDagKettingen(j.dagRgl, j.rgl, 1, plan);
    }
    PlanVrijeLijst(inhoud.groepSub, plan);
    PlanVrijeLijst(inhoud.kamer, plan);
    PlanVrijeLijst(inhoud.kamerType, plan);
    PlanVrijeLijst(inhoud.tariefSoort, plan);
}

void VoerUit(const HerstelPlan& plan, Reservekopie& kopie)
{
    for (const QString& pad : plan.bestanden)
        kopie.Bewaar(pad);
    for (const auto& schrijf : plan.schrijvers)
        schrijf();
    brlib::RsvChangeUpdateCount();
}

}  // namespace

HerstelUitkomst HerstelAdministratie()
{
    HerstelUitkomst uit;
    Reservekopie kopie(HuidigeAdminDir());
    const bool journaal = BewaarHotJournaal(kopie);
    {
        brlib::RsvActie actie;
        if (!actie.Locked())
            return uit;
        uit.slot = true;
        if (journaal)
            uit.hersteld << "rsv.journal: de onafgemaakte actie van een afgebroken werkplek is afgemaakt";
        // The repairs below write the files directly: the journal must not
        // write older bytes over them after a restart.
        brlib::Werkstation::Huidig()->Checkpoint();
        Rapport gelezen;
        AdministratieInhoud inhoud = LeesAdministratie(gelezen);
        HerstelPlan plan;
        PlanHerstel(inhoud, plan);
        if (!plan.schrijvers.empty())
            VoerUit(plan, kopie);
        actie.Commit();
        uit.hersteld << plan.regels;
    }
    uit.reservekopie = kopie.Map();
    uit.over = ControleerAdministratie();
    return uit;
}

std::vector<Bevinding> JournaalBevindingen()
{
    if (!brlib::HotJournal(brlib::CurrentFileSystem(), HuidigeAdminDir()))
        return {};
    return {{QStringLiteral("rsv.journal"), 0, 0, QStringLiteral("er staat een onafgemaakte actie in het journaal")}};
}

QString RaadBij(const Bevinding& b)
{
    if (b.bestand == QLatin1String("rsv.journal"))
        return "rsvcheck --repair maakt de actie af (de volgende opslag op een werkplek ook).";
    if (b.wat.contains("dubbel geboekt"))
        return "verplaats of annuleer een van de twee reserveringen op het planbord.";
    if (b.wat.contains("afgekapt") || b.wat.contains("kan niet gelezen"))
        return "zet dit bestand terug uit de laatste reservekopie en voer wat daarna is ingevoerd opnieuw in.";
    return "niet zonder gissen te herstellen: annuleer de genoemde reservering op het planbord en voer haar "
           "opnieuw in, of zet de laatste reservekopie van de administratie terug.";
}
