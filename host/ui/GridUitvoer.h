#pragma once
// While a GridUitvoerScope lives, TGridView::Print and Export ask nothing:
// they write "<map>/<layout name>.pdf" and "<map>/<layout name>.csv"; the
// same holds for Printing::PrintEnkele. Tests and unattended runs use it; there is no printer or file dialog to answer.

#include <QString>

class GridUitvoerScope {
public:
    explicit GridUitvoerScope(const QString& map);
    ~GridUitvoerScope();
    GridUitvoerScope(const GridUitvoerScope&) = delete;
    GridUitvoerScope& operator=(const GridUitvoerScope&) = delete;

    static const QString* Actief();

private:
    QString map_;
    const QString* vorige_;
};

// The key under which a form's grid keeps its printer choice: the host
// application's registry key followed by the form's identity name.
QString PrinterInstRegKey(const QString& identiteit);
