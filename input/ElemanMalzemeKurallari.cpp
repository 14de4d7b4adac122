#include "input/ElemanMalzemeKurallari.h"

#include <algorithm>
#include <climits>

#include "input/EditorKurallari.h"
#include "model/AnahtarDenetimi.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/TurkceMetin.h"

namespace {

constexpr int EnBuyukElemanNo = 10000;
constexpr std::size_t MafsalTipiUzunlugu = 24;  // characters of the MafsalTipi column

std::string Numara(Tablo& t, const char* alan) { return std::to_string(t.FieldByName(alan).AsInteger()); }

// The row of number No in table t (field alan); false for an unreadable number.
bool NumarayaGit(Tablo& t, const char* alan, const std::string& No) {
    int n = 0;
    return TamSayiMi(BosluklariSil(No), INT_MIN, INT_MAX, n) && t.Locate(alan, n);
}

}  // namespace

// ------------------------------------------------------------ lists

std::vector<std::string> MalzemeListesi() {
    Tablo& t = Tablolar.MalzemeBilgileri;
    std::vector<std::string> l;
    for (t.First(); !t.Eof(); t.Next())
        l.push_back(Numara(t, "MalzemeNo") + ":" + t.FieldByName("Malzeme").AsString());
    return l;
}

std::vector<std::string> KesitListesi() {
    Tablo& t = Tablolar.KesitBilgileri;
    std::vector<std::string> l;
    for (t.First(); !t.Eof(); t.Next())
        l.push_back(Numara(t, "KesitNo") + ":" + AyiracSonrasi(t.FieldByName("Kesit").AsString(), ":"));
    return l;
}

std::string ListeNumarasi(const std::string& Oge) { return AyiracOncesi(Oge, ":"); }

int ListeSirasi(const std::vector<std::string>& Liste, const std::string& No) {
    const std::string n = BosluklariSil(No);
    for (std::size_t s = 0; s < Liste.size(); ++s)
        if (ListeNumarasi(Liste[s]) == n) return static_cast<int>(s);
    return -1;
}

std::vector<std::string> MalzemeAyrintisi(const std::string& No) {
    Tablo& t = Tablolar.MalzemeBilgileri;
    if (!NumarayaGit(t, "MalzemeNo", No)) return {};
    auto f = [&](const char* a) { return t.FieldByName(a).AsString(); };
    return {"Malzeme no:" + f("MalzemeNo"), "Malzeme:" + f("Malzeme"), "E=" + f("E"),
            "Nu=" + f("Nu"), "Ro=" + f("Ro"), "Alfa=" + f("Alfa")};
}

std::vector<std::string> KesitAyrintisi(const std::string& No, std::string& Resim) {
    Resim.clear();
    Tablo& t = Tablolar.KesitBilgileri;
    if (!NumarayaGit(t, "KesitNo", No)) return {};
    auto f = [&](const char* a) { return t.FieldByName(a).AsString(); };
    const std::string kesit = f("Kesit");
    Resim = "Kesit" + AyiracOncesi(kesit, ":");
    return {"Kesit no:" + f("KesitNo"), "Kesit:" + AyiracSonrasi(kesit, ":"), "A=" + f("A"), "J=" + f("ix"),
            "Iy=" + f("iy"), "Iz=" + f("Iz"), "b=" + f("b"), "h=" + f("h"), "t=" + f("t"), "bw=" + f("bw")};
}

// ------------------------------------------------------------ hinge boxes

bool MafsalKutulariEtkin(int SistemTipi) { return SistemTipi == DuzlemCerceveSistemi; }

std::string MafsalKodu(const MafsalKutulari& K) {
    if (K[0]) return "00";
    std::string kod;
    for (int b = 1; b <= 6; ++b)
        if (K[b]) kod += "0" + std::to_string(b);
    return kod.empty() ? "00" : kod;
}

namespace {

const char* const NormalMesaji = "Normal kuvvet mafsalı elemanın sadece bir ucunda olabilir";
const char* const NormaliMesaji = "Normal kuvveti mafsalı elemanın sadece bir ucunda olabilir";
const char* const KesmeMesaji = "Kesme kuvveti mafsalı elemanın sadece bir ucunda olabilir";
const char* const IkiMomentMesaji = "İki moment ve bir kesme mafsalı beraber olamaz";

// The rule of box b just checked; "" when it may stay.
std::string KutuKurali(const MafsalKutulari& K, int b) {
    const bool kesme = K[2] || K[5];
    switch (b) {
        case 1: return K[4] ? NormalMesaji : "";
        case 4: return K[1] ? NormaliMesaji : "";
        case 2:
        case 5:
            if (K[b == 2 ? 5 : 2]) return KesmeMesaji;
            return K[3] && K[6] ? IkiMomentMesaji : "";
        case 3: return K[6] && kesme ? IkiMomentMesaji : "";
        case 6: return K[3] && kesme ? IkiMomentMesaji : "";
        default: return "";
    }
}

bool BiriIsaretli(const MafsalKutulari& K) { return std::any_of(K.begin() + 1, K.end(), [](bool b) { return b; }); }

}  // namespace

std::string MafsalKutusunaTikla(MafsalKutulari& K, int Kutu, bool Isaretli) {
    if (Kutu < 0 || Kutu > 6) return "";
    K[Kutu] = Isaretli;
    std::string uyari;
    if (Kutu == 0) {
        if (Isaretli)
            std::fill(K.begin() + 1, K.end(), false);
    } else if (Isaretli) {
        K[0] = false;
        uyari = KutuKurali(K, Kutu);
        if (!uyari.empty()) K[Kutu] = false;
    }
    if (!BiriIsaretli(K)) K[0] = true;
    return uyari;
}

MafsalKutulari MafsalKutulariniKur(const std::string& Kod, std::vector<std::string>& Uyarilar) {
    Uyarilar.clear();
    MafsalKutulari K{true, false, false, false, false, false, false};
    if (Kod == "00") return K;
    // all boxes clear, then each group checks its box with the rules
    K[0] = false;
    for (std::size_t p = 0; p + 1 < Kod.size(); p += 2) {
        int b = 0;
        if (!TamSayiMi(Kod.substr(p, 2), 1, 6, b)) continue;
        const std::string u = MafsalKutusunaTikla(K, b, true);
        if (!u.empty()) Uyarilar.push_back(u);
    }
    if (!BiriIsaretli(K)) K[0] = true;
    return K;
}

// ------------------------------------------------------------ set-up

OnDoluAlanlar ElemanMalzemeOnDolgusu() {
    OnDoluAlanlar a;
    Tablo& m = Tablolar.MalzemeBilgileri;
    Tablo& k = Tablolar.KesitBilgileri;
    if (m.RecordCount() < 1 || k.RecordCount() < 1) {
        a.Bos = true;
        return a;
    }
    if (m.RecordCount() == 1) {
        m.First();
        a.MalzemeNo = Numara(m, "MalzemeNo");
    }
    if (k.RecordCount() == 1) {
        k.First();
        a.KesitNo = Numara(k, "KesitNo");
    }
    Tablo& ed = Tablolar.ED;
    if (m.RecordCount() != 1 || k.RecordCount() != 1 || ed.RecordCount() < 1) return a;
    int enKucuk = INT_MAX, enBuyuk = INT_MIN;
    for (ed.First(); !ed.Eof(); ed.Next()) {
        const int n = ed.FieldByName("ElemanNo").AsInteger();
        enKucuk = std::min(enKucuk, n);
        enBuyuk = std::max(enBuyuk, n);
    }
    if (enKucuk == enBuyuk)
        a.ElemanNo = std::to_string(enKucuk);
    else
        a.Turet = {std::to_string(enKucuk), std::to_string(enBuyuk), "1", "0", "0"};
    return a;
}

// ------------------------------------------------------------ save

std::string ElemanMalzemeDenetle(const std::string& Anahtar, const std::string& MalzemeNo,
                                 const std::string& KesitNo, const std::string& MafsalTipi,
                                 ElemanMalzemeKaydi& Kayit) {
    ElemanMalzemeKaydi k;
    k.ElemanNO = BosluklariSil(Anahtar);
    const bool turet = TuretAnahtariMi(k.ElemanNO);
    std::string mesaj;
    int eleman = 0;
    if (!turet && !TamSayiMi(k.ElemanNO, 1, EnBuyukElemanNo, eleman)) mesaj = "Eleman no hatalı";
    if (!turet) k.ElemanNO = std::to_string(eleman);
    if (!TamSayiMi(MalzemeNo, EnKucukMalzemeKesitNo, EnBuyukMalzemeKesitNo, k.MalzemeNo))
        mesaj = "Malzeme no hatalı";
    if (!TamSayiMi(KesitNo, EnKucukMalzemeKesitNo, EnBuyukMalzemeKesitNo, k.KesitNo)) mesaj = "Kesit no hatalı";
    if (MafsalTipi.empty() || Utf8KarakterSayisi(MafsalTipi) > MafsalTipiUzunlugu) mesaj = "Mafsal tipi hatalı";
    if (!mesaj.empty()) return mesaj;

    Tablo& ed = Tablolar.ED;
    int tip = 0;
    if (!turet) {
        if (ed.Locate("ElemanNo", eleman))
            tip = ed.FieldByName("ElemanTipi").AsInteger();
        else
            mesaj = BosluklariSil(Anahtar) + " nolu eleman tanımsız";
    }
    if (!Tablolar.MalzemeBilgileri.Locate("MalzemeNo", k.MalzemeNo)) mesaj = MalzemeNo + " nolu malzeme tanımsız";
    if (!Tablolar.KesitBilgileri.Locate("KesitNo", k.KesitNo)) mesaj = KesitNo + " nolu kesit tanımsız";
    if (!mesaj.empty()) return mesaj;

    const std::string yay = YayMafsalTipi(tip);
    k.MafsalTipi = yay.empty() ? MafsalTipi : yay;
    Kayit = k;
    return "";
}
