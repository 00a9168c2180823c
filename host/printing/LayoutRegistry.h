#pragma once
// The print layouts that packages offer: a key, a title for the user and a
// factory that makes a fresh data source for each print run. A package
// registers its layouts when it is loaded; registering a key again replaces
// the entry in place, so repeated registration leaves one entry.

#include <memory>
#include <vector>
#include <QString>
#include <QStringList>

#include "host/printing/DataBron.h"

namespace Printing {

// Makes a new data source; the argument is the layout's parameter text.
using DataBronFactory = DataBron* (*)(const QString& param);

struct Layout {
    QString key;
    QString title;
    DataBronFactory factory = nullptr;
};

class LayoutRegistry {
public:
    static LayoutRegistry& GetObject();

    void Register(const QString& key, const QString& title, DataBronFactory factory);
    // A package that is unloaded takes its factories with it.
    void Unregister(const QString& key);

    const Layout* Find(const QString& key) const;  // null when unknown
    QStringList Keys() const;                      // in order of first registration
    // A new data source for `key`, or null when the key is unknown.
    std::unique_ptr<DataBron> Create(const QString& key, const QString& param) const;

private:
    LayoutRegistry() = default;
    std::vector<Layout> layouts_;
};

}  // namespace Printing
