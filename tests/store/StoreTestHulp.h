#pragma once
// Shared by the store tests: raw file bytes, little-endian fields, and the
// integrity check as readable text for assertion messages.

#include <cstdint>
#include <cstring>
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include "host/base/AdminDir.h"
#include "host/records/RecordPad.h"
#include "store/Integriteit.h"
#include "tests/support/ProgrammaMap.h"

inline QByteArray BestandBytes(const char* naam, int format, int32_t jaar)
{
    QFile f(brlib::RecordPad(HuidigeAdminDir(), naam, format, jaar));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <class V>
V LeesLe(const QByteArray& bytes, int offset)
{
    V v{};
    std::memcpy(&v, bytes.constData() + offset, sizeof v);
    return v;
}

template <class V>
void SchrijfLe(QByteArray& bytes, int offset, V v)
{
    std::memcpy(bytes.data() + offset, &v, sizeof v);
}

inline QString Bevindingen()
{
    QStringList regels;
    for (const Bevinding& b : ControleerAdministratie())
        regels << b.Regel();
    return regels.join('\n');
}
