#pragma once
// What the host's child-window manager may ask of a hosted form. Module forms
// implement it through TbrlAPI<T>; the slot order is part of the host contract.

#include <QString>

class QMenu;
class TForm;

class AbstractChldAPI {
public:
    virtual ~AbstractChldAPI() = default;

    virtual int Tag() const = 0;                            // 1: always 0 for module forms
    virtual QString Caption() const = 0;                    // 2
    virtual void SetCaption(const QString& caption) = 0;    // 3
    virtual void BringToFront() = 0;                        // 4: restores a minimised form first
    virtual void Close() = 0;                               // 5
    virtual void AddMenuItems(QMenu& hostMenu) = 0;         // 6: through the manager's AddMenuItem
    virtual TForm* Form() const = 0;                        // 7
    virtual QString IdentityName() const = 0;               // 8
};
