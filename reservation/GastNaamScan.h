#pragma once
// The name search over a year: headers and guest data texts are each read in
// large batches, and only the first line of every guest text (the guest's name)
// is looked at, without decoding the others.

#include <cstdint>
#include <functional>
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct WIN_rsv_res_hfd;

namespace zoek {

// Whether a name occurs in a line, ignoring case. ASCII lines, the common case,
// are compared without being decoded.
class NaamFilter {
public:
    explicit NaamFilter(const QString& naam);
    // `regel` holds a line's stored bytes, in the record files' code page.
    bool Past(QByteArrayView regel) const;

private:
    QString naam_;
    QByteArray asciiNaam_;  // empty when the name is not plain ASCII
    mutable QByteArray buffer_;
};

using GastNaamCallback = std::function<void(int32_t nr, const WIN_rsv_res_hfd& kop, QByteArrayView eersteRegel)>;

// Calls `callback` for every reservation of `jaar` that has guest data, in
// number order, with the stored bytes of its first line. A damaged text list
// raises EBrRuntime.
void ScanGastNamen(int32_t jaar, const GastNaamCallback& callback);

}  // namespace zoek
