#pragma once
// The accessors that the chain and free-list operations call, for the record
// types whose link fields are named alike: a head keeps `eerste`/`laatste`, a
// member `vorige`/`volgende`. A record derives as `struct X : KopVelden<X>`;
// the bases are empty, so the record's bytes are its own fields only (the
// records' static_asserts keep that true). Types with one chain ignore the
// chain number.

#include <cstdint>

template <class Rec>
struct KopVelden {
    int ReservedRecs() const { return 0; }
    int32_t GetEerste(int) const { return Zelf().eerste; }
    int32_t GetLaatste(int) const { return Zelf().laatste; }
    void SetEerste(int, int32_t v) { Zelf().eerste = v; }
    void SetLaatste(int, int32_t v) { Zelf().laatste = v; }

private:
    const Rec& Zelf() const { return static_cast<const Rec&>(*this); }
    Rec& Zelf() { return static_cast<Rec&>(*this); }
};

template <class Rec>
struct LidVelden {
    int ReservedRecs() const { return 0; }
    int32_t GetVn(int) const { return Zelf().vorige; }
    int32_t GetAn(int) const { return Zelf().volgende; }
    void SetVn(int, int32_t v) { Zelf().vorige = v; }
    void SetAn(int, int32_t v) { Zelf().volgende = v; }

protected:
    const Rec& Zelf() const { return static_cast<const Rec&>(*this); }
    Rec& Zelf() { return static_cast<Rec&>(*this); }
};

// A member of a file with a free list in record 1: a record is either in a
// chain or free, so the next link doubles as the free-list link.
template <class Rec>
struct VrijLidVelden : LidVelden<Rec> {
    int ReservedRecs() const { return 1; }
    int32_t GetVrijeLijst() const { return this->Zelf().volgende; }
    void SetVrijeLijst(int32_t v) { this->Zelf().volgende = v; }
};
