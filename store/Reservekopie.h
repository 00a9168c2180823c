#pragma once
// The copies a repair makes before it changes files: a folder
// "herstel-YYYYMMDD-HHMMSS" in the administration, made on the first copy,
// holding each file under its path relative to the administration.

#include <QString>

class Reservekopie {
public:
    explicit Reservekopie(const QString& adminDir);

    // Copies the file (absolute path inside the administration) once;
    // throws EBrRuntime when the copy cannot be made, before anything changed.
    void Bewaar(const QString& pad);
    QString Map() const { return gemaakt_ ? map_ : QString(); }

private:
    QString adminDir_;
    QString map_;
    bool gemaakt_ = false;
};
