#pragma once
// Holds named locks for a scope, "rsv" among them, so that their writes form
// one action: Commit() releases them and commits; leaving the scope without
// it (an exception) drops every write of the action. The names are always
// taken in one sorted order, so two workstations cannot deadlock on them.
// What the action notes for the audit trail is written just before the commit.

#include <QStringList>

#include "logboek/LogboekActie.h"

namespace incheck {

class SlotActie {
public:
    explicit SlotActie(QStringList namen);
    ~SlotActie();
    SlotActie(const SlotActie&) = delete;
    SlotActie& operator=(const SlotActie&) = delete;

    bool Locked() const { return locked_; }
    // Throws EBrRuntime when the writes could not be saved; the locks are free either way.
    void Commit();

private:
    QStringList namen_;
    bool locked_;
    logboek::LogboekActie logboek_;
};

}  // namespace incheck
