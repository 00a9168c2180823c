#include "host/printing/LayoutRegistry.h"

#include <algorithm>

namespace Printing {

LayoutRegistry& LayoutRegistry::GetObject()
{
    static LayoutRegistry registry;
    return registry;
}

void LayoutRegistry::Register(const QString& key, const QString& title, DataBronFactory factory)
{
    Layout layout{key, title, factory};
    auto it = std::find_if(layouts_.begin(), layouts_.end(),
                           [&](const Layout& l) { return l.key == key; });
    if (it != layouts_.end())
        *it = std::move(layout);
    else
        layouts_.push_back(std::move(layout));
}

void LayoutRegistry::Unregister(const QString& key)
{
    std::erase_if(layouts_, [&](const Layout& l) { return l.key == key; });
}

const Layout* LayoutRegistry::Find(const QString& key) const
{
    auto it = std::find_if(layouts_.begin(), layouts_.end(),
                           [&](const Layout& l) { return l.key == key; });
    return it == layouts_.end() ? nullptr : &*it;
}

QStringList LayoutRegistry::Keys() const
{
    QStringList keys;
    for (const Layout& l : layouts_)
        keys << l.key;
    return keys;
}

std::unique_ptr<DataBron> LayoutRegistry::Create(const QString& key, const QString& param) const
{
    const Layout* layout = Find(key);
    if (!layout || !layout->factory)
        return nullptr;
    return std::unique_ptr<DataBron>(layout->factory(param));
}

}  // namespace Printing
