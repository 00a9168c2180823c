#include "masterdata/StamWidgets.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "host/ui/GvlLayout.h"
#include "host/ui/TGridView.h"

namespace {
QPushButton* Knop(QWidget* ouder, const QString& naam, const QString& tekst)
{
    auto* knop = new QPushButton(tekst, ouder);
    knop->setObjectName(naam);
    knop->setAutoDefault(false);
    return knop;
}
}  // namespace

void BindLayout(TGridView& grid, const QString& layout)
{
    grid.SetIniDir(GvlPath() + QStringLiteral("/Tlr"));
    grid.CheckIniFileName(layout);
}

StamLijstDelen MaakStamLijst(QWidget& form, const QString& layout)
{
    StamLijstDelen delen{};
    delen.gvGrid = new TGridView(&form);
    delen.gvGrid->setObjectName(QStringLiteral("gvGrid"));
    BindLayout(*delen.gvGrid, layout);
    delen.pnlKnoppen = new QWidget(&form);
    delen.pnlKnoppen->setObjectName(QStringLiteral("pnlKnoppen"));
    delen.knoppen = new QHBoxLayout(delen.pnlKnoppen);
    delen.knoppen->setContentsMargins(0, 0, 0, 0);
    delen.btnNieuw = Knop(delen.pnlKnoppen, QStringLiteral("btnNieuw"), QStringLiteral("Nieuw"));
    delen.btnWijzig = Knop(delen.pnlKnoppen, QStringLiteral("btnWijzig"), QStringLiteral("Wijzigen"));
    delen.btnVerwijder = Knop(delen.pnlKnoppen, QStringLiteral("btnVerwijder"), QStringLiteral("Verwijderen"));
    delen.btnSluiten = Knop(delen.pnlKnoppen, QStringLiteral("btnSluiten"), QStringLiteral("Sluiten"));
    delen.knoppen->addWidget(delen.btnNieuw);
    delen.knoppen->addWidget(delen.btnWijzig);
    delen.knoppen->addWidget(delen.btnVerwijder);
    delen.knoppen->addStretch(1);
    delen.knoppen->addWidget(delen.btnSluiten);
    return delen;
}

QPushButton* VoegKnopToe(const StamLijstDelen& delen, const QString& naam, const QString& tekst)
{
    QPushButton* knop = Knop(delen.pnlKnoppen, naam, tekst);
    delen.knoppen->insertWidget(delen.knoppen->indexOf(delen.btnVerwijder) + 1, knop);
    return knop;
}

QLineEdit* MaakGetalVeld(QWidget* ouder, const QString& naam, int cijfers)
{
    auto* veld = new QLineEdit(ouder);
    veld->setObjectName(naam);
    veld->setMaxLength(cijfers);
    veld->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(cijfers)), veld));
    veld->setAlignment(Qt::AlignRight);
    return veld;
}

int GetalWaarde(const QLineEdit& veld)
{
    return veld.text().toInt();
}
