#include "host/printing/DataBron.h"

#include <QSettings>
#include <QXmlStreamReader>

namespace Printing {

namespace {
const QString kDispCodes = QStringLiteral("DispCodes");
}

bool DataBron::SelecteerIL(const std::vector<JaarNr>& lijst)
{
    SetSelectie(lijst);
    return Aantal() > 0 && Eerste();
}

void DataBron::SelectObject(const JaarNr& object) { SetSelectie({object}); }

bool DataBron::Eerste()
{
    volgende_ = 1;
    return GaNaar(0);
}

bool DataBron::Volgende() { return GaNaar(volgende_++); }

void DataBron::SaveSettings(QSettings& settings) const { settings.setValue(kDispCodes, dispCodes_); }

void DataBron::LoadSettings(QSettings& settings) { SetDispCodes(settings.value(kDispCodes, false).toBool()); }

QString DataBron::SaveSettingsXML() const
{
    return QStringLiteral("<DataBron DispCodes=\"%1\"/>").arg(dispCodes_ ? 1 : 0);
}

void DataBron::LoadSettingsXML(const QString& xml)
{
    QXmlStreamReader lezer(xml);
    while (lezer.readNextStartElement()) {
        if (lezer.name() == QStringLiteral("DataBron")) {
            SetDispCodes(lezer.attributes().value(kDispCodes) == QStringLiteral("1"));
            return;
        }
        lezer.skipCurrentElement();
    }
}

bool DataBron::DoeLeesData() { return Eerste(); }

bool DataBron::DoeLeesData(int positie) { return GaNaar(positie); }

bool DataBron::DoeLeesData(const JaarNr& object)
{
    SelectObject(object);
    return Eerste();
}

bool DataBron::DoeLeesData(const std::vector<JaarNr>& objecten) { return SelecteerIL(objecten); }

QString DataBron::Naam(const QString& enkelvoud, const QString& meervoud, bool alsMeervoud, bool hoofdletter)
{
    const QString naam = alsMeervoud ? meervoud : enkelvoud;
    return hoofdletter ? naam.front().toUpper() + naam.mid(1) : naam;
}

void DataBron::SetDispCodes(bool tonen)
{
    dispCodes_ = tonen;
    DispCodeChange();
}

}  // namespace Printing
