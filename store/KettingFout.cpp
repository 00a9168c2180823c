#include "store/KettingFout.h"

#include "host/base/EBrRuntime.h"

namespace {

QString BestandsNaam(brlib::RecordCacheImpl& cache)
{
    return cache.NaamDeel1() + "." + cache.NaamDeel2();
}

}  // namespace

void GooiNeemUitFout(NeemUitFout fout, CacheVorm vorm, brlib::RecordCacheImpl& cache, int32_t eerste, int32_t recNr)
{
    QString tekst = fout == NeemUitFout::GeenVorige ? "vn is 0 terwijl eerste ongelijk aan recnr is!"
                                                   : "an is 0 terwijl laatste ongelijk aan recnr is!";
    if (vorm == CacheVorm::PerJaar) {
        tekst += "Bestand: " + BestandsNaam(cache) + " eerste = " + QString::number(eerste) +
                 " recnr = " + QString::number(recNr);
        throw EBrRuntime(tekst, "RecordCache<tp_Rec>::NeemUitKetting(int,long,int,long,long)");
    }
    throw EBrRuntime(tekst, "RecordCache<tp_Rec>::NeemUitKetting(long,int,long,long)");
}

void GooiKettingLus(brlib::RecordCacheImpl& cache, int32_t jaar, const char* operatie)
{
    QString tekst = "Ketting in " + BestandsNaam(cache);
    if (jaar != 0)
        tekst += " (jaar " + QString::number(jaar) + ")";
    tekst += " is langer dan het bestand; het bestand is beschadigd.";
    throw EBrRuntime(tekst, QString("RecordCache<tp_Rec>::") + operatie);
}
