#include "reservation/ZoekInstellingen.h"

#include "host/base/MachineSettings.h"

namespace zoek {

namespace {
const std::array<QString, 3> kSelectieKeys{QStringLiteral("rdbtnJaar"), QStringLiteral("rdbtnDatum"),
                                           QStringLiteral("rdbtnNaam")};
const std::array<QString, 2> kWeergaveKeys{QStringLiteral("rdbtnAlle"), QStringLiteral("rdbtnSelectie")};

QString StatusKey(size_t i) { return QStringLiteral("lstbxWeergaveItem") + QString::number(i); }
}  // namespace

ZoekInstellingen ZoekInstellingen::Lees(const QString& sectie, int huidigJaar, TDateTime vandaag)
{
    const MachineSettings ini(sectie);
    ZoekInstellingen s;
    for (size_t i = 0; i < s.selectie.size(); ++i)
        s.selectie[i] = ini.ReadBool(kSelectieKeys[i], s.selectie[i]);
    for (size_t i = 0; i < s.weergave.size(); ++i)
        s.weergave[i] = ini.ReadBool(kWeergaveKeys[i], s.weergave[i]);
    for (size_t i = 0; i < s.statussen.size(); ++i)
        s.statussen[i] = ini.ReadBool(StatusKey(i), true);
    s.jaar = ini.ReadInteger(QStringLiteral("jaar"), huidigJaar);
    s.datum = DateOf(ini.ReadDate(QStringLiteral("datum"), vandaag));
    s.naam = ini.ReadString(QStringLiteral("naam"), QString());
    s.sorteerKolom = ini.ReadInteger(QStringLiteral("cmbxSort"), 0);
    s.sorteerOrde = ini.ReadInteger(QStringLiteral("cmbxSortOrder"), 0);
    return s;
}

void ZoekInstellingen::Schrijf(const QString& sectie) const
{
    MachineSettings ini(sectie);
    for (size_t i = 0; i < selectie.size(); ++i)
        ini.WriteBool(kSelectieKeys[i], selectie[i]);
    for (size_t i = 0; i < weergave.size(); ++i)
        ini.WriteBool(kWeergaveKeys[i], weergave[i]);
    for (size_t i = 0; i < statussen.size(); ++i)
        ini.WriteBool(StatusKey(i), statussen[i]);
    ini.WriteInteger(QStringLiteral("jaar"), jaar);
    ini.WriteDate(QStringLiteral("datum"), DateOf(datum));
    ini.WriteString(QStringLiteral("naam"), naam);
    ini.WriteInteger(QStringLiteral("cmbxSort"), sorteerKolom);
    ini.WriteInteger(QStringLiteral("cmbxSortOrder"), sorteerOrde);
}

}  // namespace zoek
