#include "input/TuretDenetimi.h"

#include <set>
#include <vector>

#include "input/YukKurallari.h"
#include "model/AnahtarDenetimi.h"
#include "model/LibU.h"
#include "model/Oku.h"
#include "model/VeriTabani.h"

namespace {

// The first number of the list that the key of another row of the table
// also names; 0 when none. The rows of the key Anahtar (overwritten by the
// save) and of Yerine (replaced by it) do not count, nor the rows Sayilir
// refuses.
template <class Sayilir>
int IlkCakisma(Tablo& t, const char* alan, const std::vector<int>& numaralar, const std::string& Anahtar,
               const std::string& Yerine, Sayilir sayilir) {
    const std::set<int> yeni(numaralar.begin(), numaralar.end());
    std::vector<int> eski;
    for (t.First(); !t.Eof(); t.Next()) {
        const std::string k = t.FieldByName(alan).AsString();
        if (k == Anahtar || k == Yerine || !sayilir(t) || !AnahtarNumaralari(k, eski)) continue;
        for (int n : eski)
            if (yeni.count(n)) return n;
    }
    return 0;
}

std::string NoktaAnahtariniDenetle(Tablo& kaynak, const std::string& Anahtar, const std::string& Yerine,
                                   const char* DuzTekrar, const char* TuretTekrar) {
    std::vector<int> numaralar;
    if (!AnahtarNumaralari(Anahtar, numaralar)) return "";
    const bool turet = TuretAnahtariMi(Anahtar);
    auto mesaj = [&](int n) { return turet ? Anahtar + "->" + std::to_string(n) + TuretTekrar : Anahtar + DuzTekrar; };
    if (turet) {
        for (int n : numaralar)
            if (!Tablolar.XYZ.Locate("NoktaNo", n))
                return Anahtar + "->" + std::to_string(n) + " noktası tanımsız, türet tamamlanamadı";
    }
    const int n = IlkCakisma(kaynak, "NoktaNo", numaralar, Anahtar, Yerine, [](Tablo&) { return true; });
    return n ? mesaj(n) : "";
}

}  // namespace

bool DuzNoktaTanimli(const std::string& Anahtar) {
    if (TuretAnahtariMi(Anahtar)) return true;
    int no = 0;
    return TamSayiMi(Anahtar, 1, 32767, no) && Tablolar.XYZ.Locate("NoktaNo", no);
}

std::string TekilYukAnahtariniDenetle(const std::string& Anahtar, const std::string& Yerine) {
    return NoktaAnahtariniDenetle(Tablolar.Yukler, Anahtar, Yerine, " nolu noktanın yükleri tekrar verilmiş",
                                  " nolu noktada yükler tekrar verilmiş");
}

std::string SinirKosuluAnahtariniDenetle(const std::string& Anahtar, const std::string& Yerine) {
    return NoktaAnahtariniDenetle(Tablolar.SinirKosullari, Anahtar, Yerine,
                                  " nolu noktanın sınır koşulları tekrar verilmiş",
                                  " nolu noktada sınır koşulları tekrar verilmiş");
}

std::string ElemanYukuAnahtariniDenetle(const std::string& Anahtar, const std::string& YukNo,
                                        const std::string& Yerine) {
    std::vector<int> numaralar;
    int yukNo = 0;
    if (!YukNoGecerli(YukNo, yukNo) || !AnahtarNumaralari(Anahtar, numaralar)) return "";
    auto mesaj = [&](int n) {
        return "Eleman=" + std::to_string(n) + " Yük no=" + std::to_string(yukNo) + " yük tekrar tanımlanmiş";
    };
    if (TuretAnahtariMi(Anahtar)) {
        for (int n : numaralar)
            if (!Tablolar.ED.Locate("ElemanNo", n)) return Anahtar + "-> tanımsız elemana yük verilemez";
    }
    const int n = IlkCakisma(Tablolar.ElemanYukleri, "ElemanNo", numaralar, Anahtar, Yerine,
                             [&](Tablo& t) { return t.FieldByName("YukNo").AsInteger() == yukNo; });
    return n ? mesaj(n) : "";
}
