#include "host/ui/GvlLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include "host/base/MachineSettings.h"

namespace {

bool JaNee(const QString& tekst, bool standaard)
{
    const QString t = tekst.toLower();
    if (t == u"ja" || t == u"1" || t == u"true")
        return true;
    if (t == u"nee" || t == u"0" || t == u"false")
        return false;
    return standaard;
}

Uitlijning UitlijningVan(const QString& tekst)
{
    const QString t = tekst.toLower();
    if (t == u"links")
        return Uitlijning::Links;
    if (t == u"rechts")
        return Uitlijning::Rechts;
    if (t == u"midden")
        return Uitlijning::Midden;
    return Uitlijning::Standaard;
}

void ZetEigenschap(GvlKolom& kolom, const QString& sleutel, const QString& waarde)
{
    const QString s = sleutel.toLower();
    if (s == u"titel")
        kolom.titel = waarde;
    else if (s == u"breedte")
        kolom.breedte = qMax(0, waarde.toInt());
    else if (s == u"formaat")
        kolom.formaat = waarde;
    else if (s == u"uitlijning")
        kolom.uitlijning = UitlijningVan(waarde);
    else if (s == u"zichtbaar")
        kolom.zichtbaar = JaNee(waarde, true);
    else if (s == u"bewerkbaar")
        kolom.bewerkbaar = JaNee(waarde, false);
    else if (s == u"vet")
        kolom.vet = JaNee(waarde, false);
    else if (s == u"kleur")
        kolom.kleur = waarde;
    else if (s == u"kolom")
        kolom.kolom = waarde;
}

std::vector<GvlKolom> Ontleed(QTextStream& in)
{
    std::vector<GvlKolom> kolommen;
    while (!in.atEnd()) {
        const QString regel = in.readLine().trimmed();
        if (regel.isEmpty() || regel.startsWith(u';') || regel.startsWith(u'#'))
            continue;
        if (regel.startsWith(u'[') && regel.endsWith(u']')) {
            const QString naam = regel.mid(1, regel.size() - 2).trimmed();
            kolommen.emplace_back();
            kolommen.back().naam = naam;
            kolommen.back().titel = naam;
            continue;
        }
        const qsizetype is = regel.indexOf(u'=');
        if (is > 0 && !kolommen.empty())
            ZetEigenschap(kolommen.back(), regel.left(is).trimmed(), regel.mid(is + 1).trimmed());
    }
    return kolommen;
}

}  // namespace

QString GvlPath()
{
    const QString uitOmgeving = qEnvironmentVariable("RSV_GVL_PATH");
    if (!uitOmgeving.isEmpty())
        return uitOmgeving;
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/gvl"));
}

std::optional<std::vector<GvlKolom>> LeesGvl(const QString& bestand)
{
    QFile f(bestand);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream in(&f);
    return Ontleed(in);
}

QString WerkplekGvl(const QString& bestand)
{
    return MachineSettings::WerkplekDir() + QStringLiteral("/gvl/") + QFileInfo(bestand).fileName();
}

void LeesWerkplekBreedtes(const QString& bestand, std::vector<GvlKolom>& kolommen)
{
    const auto eigen = LeesGvl(WerkplekGvl(bestand));
    if (!eigen)
        return;
    for (const GvlKolom& e : *eigen)
        for (GvlKolom& k : kolommen)
            if (k.naam.compare(e.naam, Qt::CaseInsensitive) == 0)
                k.breedte = e.breedte;
}

bool SchrijfWerkplekBreedtes(const QString& bestand, const std::vector<GvlKolom>& kolommen)
{
    const QString pad = WerkplekGvl(bestand);
    QDir().mkpath(QFileInfo(pad).absolutePath());
    QSaveFile f(pad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream uit(&f);
    for (const GvlKolom& k : kolommen)
        uit << '[' << k.naam << "]\nbreedte=" << k.breedte << '\n';
    uit.flush();
    return f.commit();
}
