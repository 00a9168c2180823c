#include "host/app/ModulePackage.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kBestand = QStringLiteral("libReservering.so");

QString PackageName(const QString& file)
{
    QString name = QFileInfo(file).completeBaseName();
    if (name.startsWith(QLatin1String("lib")))
        name.remove(0, 3);
    return name;
}
}

bool ModulePackage::Load(const QString& binDir, QString& fout)
{
    const QStringList kandidaten{QDir(binDir).filePath(kBestand), QDir(binDir).filePath("../lib/" + kBestand)};
    for (const QString& pad : kandidaten) {
        if (!QFileInfo::exists(pad))
            continue;
        lib_.setFileName(QDir::cleanPath(pad));
        if (!lib_.load()) {
            fout = QStringLiteral("Het pakket %1 kan niet worden geladen: %2").arg(pad, lib_.errorString());
            return false;
        }
        auto registreer = reinterpret_cast<TRegisterFunc>(lib_.resolve("RegisterFunc"));
        if (!registreer) {
            fout = QStringLiteral("Het pakket %1 heeft geen functie RegisterFunc.").arg(pad);
            return false;
        }
        registreer(&ModulePackage::RegisterCallback, this);
        return true;
    }
    fout = QStringLiteral("Het pakket %1 is niet gevonden in %2 of in %3.")
               .arg(kBestand, QDir::cleanPath(binDir), QDir::cleanPath(binDir + "/../lib"));
    return false;
}

bool ModulePackage::RegisterCallback(void* context, const QString& key, TOpenFunc open)
{
    static_cast<ModulePackage*>(context)->functions_.push_back({key, open});
    return true;
}

TOpenFunc ModulePackage::FindFunction(const QString& key) const
{
    for (const Function& f : functions_)
        if (f.key == key)
            return f.open;
    return nullptr;
}

bool ModulePackage::Matches(const QString& packageFile) const
{
    return PackageName(packageFile).compare(PackageName(lib_.fileName()), Qt::CaseInsensitive) == 0;
}

QFunctionPointer ModulePackage::Resolve(const QString& symbol)
{
    const QString naam = symbol.startsWith(u'_') ? symbol.mid(1) : symbol;
    return lib_.resolve(naam.toLatin1().constData());
}
