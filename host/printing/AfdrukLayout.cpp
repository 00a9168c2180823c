#include "host/printing/AfdrukLayout.h"

#include <QFile>
#include <QStringList>

#include "host/ui/GvlLayout.h"

namespace Printing {

namespace {

std::optional<std::vector<TabStop>> LeesTabs(const QString& rest)
{
    std::vector<TabStop> tabs;
    for (QString woord : rest.split(u' ', Qt::SkipEmptyParts)) {
        TabStop stop;
        stop.rechts = woord.endsWith(u'r');
        if (stop.rechts)
            woord.chop(1);
        bool ok = false;
        stop.mm = woord.toDouble(&ok);
        if (!ok || stop.mm < 0)
            return std::nullopt;
        tabs.push_back(stop);
    }
    if (tabs.empty())
        return std::nullopt;
    return tabs;
}

class Ontleder {
public:
    explicit Ontleder(const QString& tekst) : regels_(tekst.split(u'\n'))
    {
        // The end of the last line is no empty line of its own.
        if (!regels_.isEmpty() && regels_.back().isEmpty())
            regels_.removeLast();
    }

    std::optional<AfdrukLayout> Ontleed(QString& fout)
    {
        AfdrukLayout layout;
        if (!Lees(layout.regels, false)) {
            fout = QStringLiteral("Regel %1: %2").arg(nr_).arg(fout_);
            return std::nullopt;
        }
        return layout;
    }

private:
    // Reads lines into `doel` up to the end, or up to "@einde" inside a block.
    bool Lees(std::vector<AfdrukRegel>& doel, bool inBlok)
    {
        while (nr_ < regels_.size()) {
            QString regel = regels_[nr_++];
            if (regel.endsWith(u'\r'))
                regel.chop(1);
            if (regel.startsWith(u'#'))
                continue;
            if (regel.trimmed() == QStringLiteral("@einde")) {
                if (inBlok)
                    return true;
                return Fout(QStringLiteral("\"@einde\" zonder \"@herhaal\""));
            }
            if (!Regel(regel, doel))
                return false;
        }
        return !inBlok || Fout(QStringLiteral("\"@herhaal\" zonder \"@einde\""));
    }

    bool Regel(const QString& regel, std::vector<AfdrukRegel>& doel)
    {
        AfdrukRegel uit;
        uit.tabs = tabs_;
        const QString opdracht = regel.section(u' ', 0, 0);
        const QString rest = regel.section(u' ', 1);
        if (!regel.startsWith(u'@')) {
            uit.tekst = regel;
        } else if (opdracht == QStringLiteral("@tabs")) {
            auto tabs = LeesTabs(rest);
            if (!tabs)
                return Fout(QStringLiteral("ongeldige tabposities"));
            tabs_ = *tabs;
            return true;
        } else if (opdracht == QStringLiteral("@vet") || opdracht == QStringLiteral("@groot")) {
            uit.tekst = rest;
            uit.vet = true;
            uit.groot = opdracht == QStringLiteral("@groot");
        } else if (opdracht == QStringLiteral("@lijn") || opdracht == QStringLiteral("@ruimte")) {
            uit.soort = opdracht == QStringLiteral("@lijn") ? AfdrukRegel::Lijn : AfdrukRegel::Ruimte;
        } else if (opdracht == QStringLiteral("@herhaal") && !rest.trimmed().isEmpty()) {
            uit.soort = AfdrukRegel::Blok;
            uit.blokCode = rest.trimmed();
            if (!Lees(uit.blok, true))
                return false;
        } else {
            return Fout(QStringLiteral("onbekende opdracht \"") + opdracht + u'"');
        }
        doel.push_back(std::move(uit));
        return true;
    }

    bool Fout(const QString& tekst)
    {
        fout_ = tekst;
        return false;
    }

    QStringList regels_;
    qsizetype nr_ = 0;
    std::vector<TabStop> tabs_{TabStop{}};
    QString fout_;
};

}  // namespace

std::optional<AfdrukLayout> OntleedLayout(const QString& tekst, QString& fout)
{
    return Ontleder(tekst).Ontleed(fout);
}

std::optional<AfdrukLayout> LeesLayout(const QString& bestand, QString& fout)
{
    QFile f(bestand);
    if (!f.open(QIODevice::ReadOnly)) {
        fout = QStringLiteral("Het bestand \"") + bestand + QStringLiteral("\" kan niet gelezen worden.");
        return std::nullopt;
    }
    return OntleedLayout(QString::fromUtf8(f.readAll()), fout);
}

QString LayoutBestand(const QString& key) { return GvlPath() + QStringLiteral("/Tlr/") + key + QStringLiteral(".lay"); }

}  // namespace Printing
