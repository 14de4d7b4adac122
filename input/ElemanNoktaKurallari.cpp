#include "input/ElemanNoktaKurallari.h"

#include <cstdlib>

#include "engine/LevhaPlakMatrisleri.h"
#include "input/EditorKurallari.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

namespace {

constexpr int EnBuyukNo = 10000;
constexpr int EksenKodu = 10000;  // |k| above this is an axis code
const char* const NoktaAdlari[4] = {"i", "j", "k", "L"};
const char* const NoktaAlanlari[4] = {"iNoktasi", "jNoktasi", "kNoktasi", "LNoktasi"};

std::string NoktaHatasi(int x) { return std::string(NoktaAdlari[x]) + " noktası hatalı"; }

// A node text the type does not use: any value its 16-bit column holds.
bool SutunaSigar(const std::string& Metin, int& Deger) { return TamSayiMi(Metin, -32768, 32767, Deger); }

}  // namespace

std::vector<std::string> SistemElemanTipleri(int SistemTipi) {
    std::vector<std::string> liste;
    for (int k : SistemElemanTipKodlari(SistemTipi)) liste.push_back(ElemanTipiBul(k)->Metin);
    return liste;
}

int ElemanTipiKodu(const std::string& ListeMetni) { return ListeKodu(ListeMetni, 99); }

int ElemanTipiSirasi(const std::vector<std::string>& Liste, int Kod) {
    for (std::size_t n = 0; n < Liste.size(); ++n)
        if (ElemanTipiKodu(Liste[n]) == Kod) return static_cast<int>(n);
    return -1;
}

std::string ElemanResmi(int Kod) { return "Eleman" + std::to_string(Kod); }

int ElemanGirilenNoktaSayisi(int Kod) {
    const ElemanTipiBilgisi* t = ElemanTipiBul(Kod);
    return t ? t->GirilenNoktaSayisi : 0;
}

bool EksenKoduAlir(int Kod) { return Kod == UzayCerceveElemani || Kod == DepremIzolatoru; }

std::string ElemanNoktaDenetle(const ElemanNoktaGirdisi& Girdi, ElemanNoktaKaydi& Kayit) {
    ElemanNoktaKaydi k;
    std::string mesaj;
    int no = 0;
    if (!TamSayiMi(Girdi.Anahtar, 1, EnBuyukNo, no)) mesaj = "Eleman no hatalı";
    k.ElemanNo = std::to_string(no);
    k.ElemanTipi = Girdi.TipSirasi >= 0 ? ElemanTipiKodu(Girdi.TipMetni) : 0;
    if (k.ElemanTipi == 0) mesaj = "Eleman tipi hatalı";
    const int n = ElemanGirilenNoktaSayisi(k.ElemanTipi);
    for (int x = 0; x < 4; ++x) {
        bool iyi;
        if (x < 2)
            iyi = TamSayiMi(Girdi.Nokta[x], 1, EnBuyukNo, k.Nokta[x]);
        else if (x == 2 && n > 2)
            iyi = TamSayiMi(Girdi.Nokta[x], -EksenKodu - 3, EksenKodu + 3, k.Nokta[x]);
        else if (x == 3 && n == 4)
            iyi = TamSayiMi(Girdi.Nokta[x], 1, EnBuyukNo, k.Nokta[x]);
        else
            iyi = SutunaSigar(Girdi.Nokta[x], k.Nokta[x]);
        if (!iyi) mesaj = NoktaHatasi(x);
    }
    if (!mesaj.empty()) return mesaj;

    Tablo& xyz = Tablolar.XYZ;
    double X[4][2] = {};
    for (int x = 0; x < n; ++x) {
        const int nokta = k.Nokta[x];
        if (xyz.Locate("NoktaNo", nokta)) {
            X[x][0] = xyz.FieldByName("X1").AsFloat();
            X[x][1] = xyz.FieldByName("X2").AsFloat();
        } else if (!(x == 2 && EksenKoduAlir(k.ElemanTipi) && std::abs(nokta) > EksenKodu)) {
            return std::to_string(nokta) + " noktasının koordinatları verilmemiş";
        }
    }
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            if (k.Nokta[a] == k.Nokta[b]) return "İki farklı nokta aynı numaralı olamaz";

    const std::string sekil = LevhaPlakGeometriHatasi(k.ElemanTipi, X);
    if (!sekil.empty()) return k.ElemanNo + sekil;
    Kayit = k;
    return "";
}

std::string ElemanTuretDenetle(const ElemanNoktaGirdisi& Girdi, ElemanNoktaKaydi& Kayit) {
    ElemanNoktaKaydi k;
    k.ElemanNo = Girdi.Anahtar;
    std::string mesaj;
    if (Girdi.TipSirasi < 0 || ElemanTipiKodu(Girdi.TipMetni) == 0) mesaj = "Eleman tipi hatalı";
    for (int x = 0; x < 4; ++x)
        if (!SutunaSigar(Girdi.Nokta[x], k.Nokta[x])) mesaj = NoktaHatasi(x);
    if (!mesaj.empty()) return mesaj;

    // start, first end, first step, second end, second step
    std::string kalan = Girdi.Anahtar;
    int p[5] = {};
    for (int& d : p)
        if (!TamSayiMi(KelimeAl(kalan, ","), -32768, 32767, d)) return "Eleman no hatalı";
    if (p[2] < 1 || p[4] < 0) return "Eleman no hatalı";
    const bool ikiYon = p[4] != 0;
    const int m1 = std::abs(p[1] - p[0]) / p[2];
    const int m2 = ikiYon ? std::abs(p[3] - p[0]) / p[4] : 0;
    if (m1 == 0 || (ikiYon && m2 == 0)) return "Verilen adımla başlangıçtan sona varılamıyor";

    Tablo& ed = Tablolar.ED;
    int N[3][4] = {};
    int tip = 0;
    for (int u = 0; u < (ikiYon ? 3 : 2); ++u) {
        const int eleman = p[u == 0 ? 0 : (u == 1 ? 1 : 3)];
        if (!ed.Locate("ElemanNo", eleman))
            return u == 0 ? "Baş eleman tanımsız" : (u == 1 ? "Son eleman1 tanımsız" : "Son eleman2 tanımsız");
        if (u == 0) tip = ed.FieldByName("ElemanTipi").AsInteger();
        for (int x = 0; x < 4; ++x) N[u][x] = ed.FieldByName(NoktaAlanlari[x]).AsInteger();
    }
    // The expansion gives every element the start element's type and picks
    // the nodes to step by the row's type: the row takes the start's type.
    k.ElemanTipi = tip;
    const int adimli = YuzeyElemaniMi(tip) ? 4 : 2;
    for (int x = 0; x < adimli; ++x) {
        const int f1 = N[1][x] - N[0][x];
        const int f2 = ikiYon ? N[2][x] - N[0][x] : 0;
        if (N[0][x] == 0 && f1 == 0 && f2 == 0) continue;  // a node the type does not have
        if (f1 % m1 != 0 || (ikiYon && f2 % m2 != 0)) {
            mesaj = std::string(NoktaAdlari[x]) + " noktası numaraları verilen adımla türetilemiyor";
            continue;
        }
        // the numbers change monotonically: the four corners bound them
        for (int J : {0, m2})
            for (int I : {0, m1}) {
                const int v = N[0][x] + I * (f1 / m1) + J * (ikiYon ? f2 / m2 : 0);
                if (v < 1 || v > EnBuyukNo)
                    mesaj = "Türetilen elemanlarda " + std::to_string(v) + " nolu nokta 1..10000 aralığında değil";
            }
    }
    if (!mesaj.empty()) return mesaj;
    Kayit = k;
    return "";
}
