#include "input/EditorKurallari.h"

#include <algorithm>
#include <set>
#include <vector>

#include "model/LibU.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

int ListeKodu(const std::string& Oge, int EnBuyuk) {
    int kod = 0;
    return TamSayiMi(BosluklariSil(AyiracOncesi(Oge, ":")), 1, EnBuyuk, kod) ? kod : 0;
}

int EnKucukBosNumara(Tablo& t, const std::string& Alan) {
    std::vector<bool> dolu(EnBuyukMalzemeKesitNo + 1, false);
    for (t.First(); !t.Eof(); t.Next()) {
        const int n = t.FieldByName(Alan).AsInteger();
        if (n >= EnKucukMalzemeKesitNo && n <= EnBuyukMalzemeKesitNo) dolu[n] = true;
    }
    for (int n = EnKucukMalzemeKesitNo; n <= EnBuyukMalzemeKesitNo; ++n)
        if (!dolu[n]) return n;
    return 0;
}

int KullananElemanSayisi(const std::string& Alan, int No) {
    Tablo& bag = Tablolar.ElemanMalzemeKesitMafsalbagi;
    Tablo& ed = Tablolar.ED;
    std::set<int> elemanlar;
    int okunamayan = 0;
    std::vector<int> numaralar;
    for (bag.First(); !bag.Eof(); bag.Next()) {
        if (bag.FieldByName(Alan).AsInteger() != No) continue;
        const std::string anahtar = bag.FieldByName("ElemanNO").AsString();
        if (!AnahtarNumaralari(anahtar, numaralar)) {
            ++okunamayan;
            continue;
        }
        if (numaralar.size() == 1) {
            elemanlar.insert(numaralar[0]);
            continue;
        }
        bool biri = false;
        for (int n : numaralar)
            if (ed.Active() && ed.Locate("ElemanNo", n)) {
                elemanlar.insert(n);
                biri = true;
            }
        if (!biri) elemanlar.insert(numaralar[0]);
    }
    return static_cast<int>(elemanlar.size()) + okunamayan;
}

std::string SilmeSorusu(bool Malzeme, const std::string& NoMetni, int KullananSayisi) {
    std::string s = NoMetni + (Malzeme ? " nolu malzeme" : " nolu kesit") + " veri tabanından silinecek\r";
    if (KullananSayisi > 0)
        s += std::to_string(KullananSayisi) + (Malzeme ? " eleman bu malzemeyi" : " eleman bu kesiti") +
             " kullanıyor; silinirse hesap yapılamaz\r";
    return s + "Devam edeyim mi?";
}

bool ProjedeVeriVar() {
    auto& T = Tablolar;
    for (Tablo* t : {&T.MalzemeBilgileri, &T.KesitBilgileri, &T.ElemanMalzemeKesitMafsalbagi,
                     &T.ElemanNoktaBagi, &T.Koordinatlar, &T.Yukler, &T.ElemanYukleri, &T.SinirKosullari})
        if (t->Active() && t->RecordCount() > 0) return true;
    return false;
}

bool SistemDegisebilirMi(const std::string& Yeni, const std::string& Eski, std::string& Mesaj) {
    Mesaj.clear();
    // a stored system that is none of the six has no type to protect: the
    // user must be able to pick one
    const bool eskiGecerli = std::find(SistemTipleri.begin() + 1, SistemTipleri.end(), Eski) != SistemTipleri.end();
    if (Yeni == Eski || !eskiGecerli || !ProjedeVeriVar()) return true;
    Mesaj = AyiracSonrasi(Eski, ":") +
            " verileri var, sistemi değiştiremezsiniz.\rYa tüm verileri silin ya da yeni boş bir veri tabanı açın";
    return false;
}
