#include "host/printing/LayoutVuller.h"

#include <QRegularExpression>

#include "host/printing/DataBron.h"

namespace Printing {

namespace {

QString VulVelden(const QString& tekst, DataBron& bron)
{
    static const QRegularExpression veld(QStringLiteral("\\{([^}]*)\\}"));
    QString uit;
    qsizetype vanaf = 0;
    for (const QRegularExpressionMatch& m : veld.globalMatch(tekst)) {
        uit += tekst.mid(vanaf, m.capturedStart() - vanaf);
        QString waarde;
        bron.GetTekst(m.captured(1), waarde);
        uit += waarde;
        vanaf = m.capturedEnd();
    }
    return uit + tekst.mid(vanaf);
}

TabStop StopVoor(const std::vector<TabStop>& tabs, size_t kolom)
{
    if (kolom < tabs.size())
        return tabs[kolom];
    // Beyond the last stop a column gets 30 mm.
    return TabStop{tabs.back().mm + 30.0 * static_cast<double>(kolom + 1 - tabs.size()), false};
}

GevuldeRegel VulRegel(const AfdrukRegel& regel, DataBron& bron)
{
    GevuldeRegel uit{regel.soort, regel.vet, regel.groot, {}};
    if (regel.soort != AfdrukRegel::Tekst)
        return uit;
    const QStringList delen = regel.tekst.split(u'\t');
    for (qsizetype i = 0; i < delen.size(); ++i)
        uit.cellen.push_back({StopVoor(regel.tabs, static_cast<size_t>(i)), VulVelden(delen[i], bron).split(u'\n')});
    return uit;
}

void Vul(const std::vector<AfdrukRegel>& regels, DataBron& bron, std::vector<GevuldeRegel>& uit)
{
    for (const AfdrukRegel& regel : regels) {
        if (regel.soort != AfdrukRegel::Blok) {
            uit.push_back(VulRegel(regel, bron));
            continue;
        }
        DataBron* rijen = bron.GetSubBron(regel.blokCode);
        if (!rijen)
            continue;
        for (int rij = 0; rijen->GaNaar(rij); ++rij)
            Vul(regel.blok, bron, uit);
        rijen->ClearSelectie();
    }
}

}  // namespace

std::vector<GevuldeRegel> VulLayout(const AfdrukLayout& layout, DataBron& bron)
{
    std::vector<GevuldeRegel> uit;
    Vul(layout.regels, bron, uit);
    return uit;
}

QString GevuldeTekst(const std::vector<GevuldeRegel>& regels)
{
    QStringList lijnen;
    for (const GevuldeRegel& regel : regels) {
        QStringList cellen;
        for (const GevuldeCel& cel : regel.cellen)
            cellen << cel.regels.join(u'\n');
        lijnen << cellen.join(u'\t');
    }
    return lijnen.join(u'\n');
}

}  // namespace Printing
