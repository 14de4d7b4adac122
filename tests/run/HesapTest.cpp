// The calculation run: its preconditions and messages, the geometry-only
// pass, the stop button, the size messages, progress and clean-up, and
// results that do not depend on the worker count.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "HesapTestYardim.h"
#include "engine/CozumSurucusu.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "run/Hesap.h"

namespace {

const std::string kKesit = Sql::Kesit("A, ix, iy, iz", "1, '100:Diğer', 0.01, 0, 0, 0");
const std::string kBasKafes = Sql::Sistem("10:Düzlem kafes") + Sql::Celik() + kKesit;

// The triangle truss with or without load and supports.
std::string Ucgen(bool yuk, bool mesnet) { return UcgenKafes(kKesit, yuk, mesnet); }

// The truss bridge of 12 panels: 12 redundants.
std::string Kopru() { return Sql::KafesKopru(12); }

// A headless port that also keeps every memo line and progress position.
class KayitliArayuz : public BasliksizArayuz {
public:
    void MemoEkle(const std::string& s) override {
        EklenenSatirlar.push_back(s);
        BasliksizArayuz::MemoEkle(s);
    }
    void IlerlemeKonumu(int k) override { Konumlar.push_back(k); }
    void KomutPanelleriniEtkinlestir(bool e) override { PanellerEtkin = e; }
    void MemoGorunur(bool g) override { MemoAcik = g; }
    void DurdurmaDugmesiGorunur(bool g) override { DurdurAcik = g; }
    void BellekEtiketi(const std::string& s) override { Etiketler.push_back(s); }
    std::vector<std::string> EklenenSatirlar, Etiketler;
    std::vector<int> Konumlar;
    bool PanellerEtkin = true, MemoAcik = false, DurdurAcik = false;
};

void BostaOlmali(const BasliksizArayuz& a) {
    EXPECT_TRUE(a.MemoSatirlari().empty());
    EXPECT_FALSE(a.HesapYapiliyor());
    EXPECT_TRUE(MotorDizileri.NMatrisi.Rows() == 0 && MotorDizileri.Bilinmeyenler.Length() == 0 &&
                MotorDizileri.ElemanBilinmeyenTablosu.Rows() == 0);
}

}  // namespace

// Models that cannot be solved: their messages, no results window and
// nothing allocated.
TEST(Hesap, HesaplanamayanModellerMesajVerir) {
    const std::string hata = "HATA:|TamamHata1";
    const struct {
        std::string sql;
        std::vector<std::string> mesajlar;  // text|title|style
    } durumlar[] = {
        {kBasKafes + Sql::Noktalar({{"1", 0}}), {"Önce koordinatları veriniz|" + hata}},
        {kBasKafes + Sql::Noktalar({{"1", 0}, {"2", 1}}), {"Önce eleman-nokta bağı bilgilerini veriniz|" + hata}},
        {Ucgen(false, false),
         {"Eleman ve/veya düğüm tekil yükü verilmemiş.|UYARI:|TamamUyarı1",
          "Önce sınır(mesnet) koşullarını veriniz.|" + hata}},
        // A node numbered past the node count.
        {Ucgen(true, true) + Sql::Noktalar({{"5", 8}}),
         {"4 nolu nokta tanımsız: nokta numaraları 1'den başlayıp boşluksuz sürmelidir|" + hata}},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.mesajlar[0]);
        TestProjesi p(d.sql);
        p.Hesapla();
        std::vector<std::string> m;
        for (const auto& x : p.arayuz.Mesajlar) m.push_back(x.Metin + "|" + x.Baslik + "|" + x.Stil);
        EXPECT_EQ(m, d.mesajlar);
        // The run has shown its message: the flag does not outlive it.
        EXPECT_EQ(Hata, 0);
        EXPECT_EQ(p.arayuz.SonucGosterimSayisi, 0);
        BostaOlmali(p.arayuz);
    }
}

TEST(Hesap, YuksuzProjeUyariylaSurerYukBolumleriYok) {
    TestProjesi p(Ucgen(false, true));
    std::vector<std::string> r = p.Hesapla();
    ASSERT_EQ(p.arayuz.Mesajlar.size(), 1u);
    EXPECT_EQ(p.arayuz.Mesajlar[0].Metin, "Eleman ve/veya düğüm tekil yükü verilmemiş.");
    ASSERT_FALSE(r.empty());
    EXPECT_TRUE(Bolum(r, "DÜĞÜM TEKİL YÜKLERİ:").empty());
    EXPECT_TRUE(Bolum(r, "ELEMAN YÜKLERİ:").empty());
    // The support section follows the element-node section directly.
    auto it = std::find(r.begin(), r.end(), "SINIR KOŞULLARI:");
    ASSERT_NE(it, r.end());
    EXPECT_EQ(*(it - 2), "     3    10           1           3           0           0           1           1    00");
    EXPECT_EQ(Bolum(r, "ELEMAN KUVVETLERİ:")[3], "       1       1           0");
}

// Models refused by their sizes or supports before position 7, which
// belongs to the allocation: a triangle on one roller (3 bars + 1 reaction
// < 6 equations), and a held rotation in a plane truss.
TEST(Hesap, UygunsuzModelDiziAyrilmadanReddedilir) {
    const struct {
        const char* mesnet1;
        const char* mesnet2;
        std::string mesaj;
    } durumlar[] = {
        {"S 0 S S S S", nullptr,
         "Denklem sayısı bilinmeyen sayısından fazla\rMafsal bilgilerini ve sınır(mesnet) koşullarını kontrol ediniz"},
        {"0 0 S S S 0", "S 0 S S S S",
         "1 nolu noktanın Fiz sınır koşulu bu sistem tipinde kullanılamaz, Serbest olmalıdır"},
    };
    for (const auto& d : durumlar) {
        std::string s = Ucgen(true, false) + Sql::Mesnetler({{"1", d.mesnet1}});
        if (d.mesnet2) s += Sql::Mesnetler({{"2", d.mesnet2}});
        TestProjesi p(s);
        KayitliArayuz k;
        ArayuzAyarla(&k);
        EXPECT_FALSE(HesaplaCalistir());
        ASSERT_EQ(k.Mesajlar.size(), 1u);
        EXPECT_EQ(k.Mesajlar[0].Metin, d.mesaj);
        EXPECT_EQ(k.Mesajlar[0].Baslik, "HATA:");
        EXPECT_EQ(Hata, 0);
        EXPECT_EQ(k.Konumlar, (std::vector<int>{1, 2, 3, 4, 5, 6}));
        BostaOlmali(k);
        ArayuzAyarla(&p.arayuz);
    }
}

TEST(Hesap, BuyukMatrisGosterilemez) {
    // 1001 bars in a row, every node on a roller and node 1 also held along X:
    // n = 1001 + 1003 = 2004 unknowns.
    TestProjesi p(kBasKafes + Sql::Noktalar({{"1", 0}, {"1002", 1001}, {"1,1002,1,0,0", 0}}) +
                  Sql::Elemanlar({{"1", 10, 1, 2}, {"1001", 10, 1001, 1002}, {"1,1001,1,0,0", 10, 1, 2}}) +
                  Sql::Baglar({{"1,1001,1,0,0"}}) + Sql::Yukler({{"1002", 10}}) +
                  Sql::Mesnetler({{"1", "0 0 S S S S"}, {"2,1002,1,0,0", "S 0 S S S S"}}));
    ASSERT_EQ(Hata, 0);
    p.arayuz.MatrisGosterSecimiAyarla(1);
    p.Hesapla();
    ASSERT_EQ(p.arayuz.Mesajlar.size(), 1u);
    EXPECT_EQ(p.arayuz.Mesajlar[0].Metin, "Matris çok büyük, desen gösterilemiyor");
    EXPECT_EQ(p.arayuz.Mesajlar[0].Baslik, "AÇIKLAMA:");
    EXPECT_EQ(p.arayuz.Mesajlar[0].Stil, "TamamAçıklama1");
    EXPECT_EQ(BilinmeyenSayisi, 2004);
    BostaOlmali(p.arayuz);
    // With "Hiçbiri" there is no upper limit.
    p.arayuz.Mesajlar.clear();
    p.arayuz.MatrisGosterSecimiAyarla(0);
    std::vector<std::string> r = p.Hesapla();
    EXPECT_TRUE(p.arayuz.Mesajlar.empty());
    EXPECT_FALSE(r.empty());
}

// The limit of a chosen matrix is 1000 unknowns: 499 bars in a row, node 1
// pinned, the others on rollers (1000 unknowns, the matrix is shown); node
// 500 pinned too makes 1001, refused before anything is allocated.
TEST(Hesap, BinBilinmeyenliMatrisGosterilirBinBirReddedilir) {
    for (const bool mafsal : {false, true}) {
        TestProjesi p(kBasKafes + Sql::Noktalar({{"1", 0}, {"500", 499}, {"1,500,1,0,0", 0}}) +
                      Sql::Elemanlar({{"1", 10, 1, 2}, {"499", 10, 499, 500}, {"1,499,1,0,0", 10, 1, 2}}) +
                      Sql::Baglar({{"1,499,1,0,0"}}) + Sql::Yukler({{"500", 10}}) +
                      Sql::Mesnetler({{"1", "0 0 S S S S"}, {"2,499,1,0,0", "S 0 S S S S"},
                                      {"500", mafsal ? "0 0 S S S S" : "S 0 S S S S"}}));
        ASSERT_EQ(Hata, 0);
        p.arayuz.MatrisGosterSecimiAyarla(NGoster);
        p.Hesapla();
        EXPECT_EQ(BilinmeyenSayisi, mafsal ? 1001 : 1000);
        if (mafsal) {
            EXPECT_TRUE(p.arayuz.GosterilenMatrisler.empty());
            ASSERT_EQ(p.arayuz.Mesajlar.size(), 1u);
            EXPECT_EQ(p.arayuz.Mesajlar[0].Metin, "Matris çok büyük, desen gösterilemiyor");
            EXPECT_EQ(p.arayuz.Mesajlar[0].Baslik, "AÇIKLAMA:");
        } else {
            EXPECT_TRUE(p.arayuz.Mesajlar.empty()) << p.arayuz.Mesajlar[0].Metin;
            EXPECT_EQ(p.arayuz.GosterilenMatrisler, std::vector<std::string>{"N denge matrisi"});
            EXPECT_EQ(p.arayuz.SonMatris.BilinmeyenSayisi, 1000);
        }
        BostaOlmali(p.arayuz);
    }
}

TEST(Hesap, CizGecisiOkuyuculardanSonraBiter) {
    // Without supports: the geometry-only pass never looks at them.
    TestProjesi p(Ucgen(false, false));
    KayitliArayuz k;
    ArayuzAyarla(&k);
    EXPECT_TRUE(HesaplaCalistir(true));
    EXPECT_TRUE(k.Mesajlar.empty());
    EXPECT_EQ(Hata, 0);
    EXPECT_EQ(k.EklenenSatirlar,
              (std::vector<std::string>{"Ana veriler okunuyor", "Koordinatlar okunuyor", "Eleman bilgileri okunuyor",
                                        "Eleman-malzeme-kesit-mafsal bilgileri okunuyor"}));
    EXPECT_EQ(k.Konumlar, (std::vector<int>{1, 2, 3}));
    BostaOlmali(k);
    EXPECT_TRUE(k.PanellerEtkin);
    EXPECT_FALSE(k.MemoAcik);
    EXPECT_FALSE(k.DurdurAcik);
    ArayuzAyarla(&p.arayuz);
}

// An empty element-material table is reported by "Hesapla" only: the
// geometry-only pass of "Çiz" reads it quietly.
TEST(Hesap, BosMalzemeBagiYalnizcaHesaptaBildirilir) {
    TestProjesi p(Ucgen(true, true));
    Tablolar.ElemanMalzemeKesitMafsalbagi.TumunuSil();
    HesaplaCalistir(true);
    EXPECT_TRUE(p.arayuz.Mesajlar.empty());
    EXPECT_EQ(Hata, 0);
    EXPECT_FALSE(p.arayuz.SadeceGeometriOkunuyor());

    EXPECT_TRUE(p.Hesapla().empty());
    ASSERT_EQ(p.arayuz.Mesajlar.size(), 1u);
    EXPECT_EQ(p.arayuz.Mesajlar[0].Metin, "Eleman-Malzeme-Kesit-Mafsal bağı bilgileri verilmemiş");
    EXPECT_EQ(p.arayuz.Mesajlar[0].Baslik, "HATA:");
    EXPECT_EQ(p.arayuz.Mesajlar[0].Stil, "TamamHata1");
    EXPECT_EQ(Hata, 0);
    BostaOlmali(p.arayuz);
}

TEST(Hesap, TamHesaptaIlerlemeVeSonDurum) {
    TestProjesi p(Ucgen(true, true), true);
    KayitliArayuz k;
    k.YerDegistirmeliHesapAyarla(true);
    ArayuzAyarla(&k);
    bool calisirkenKapali = false;
    k.IsleKancasi = [&] { calisirkenKapali = !k.PanellerEtkin && k.HesapYapiliyor() && k.DurdurAcik; };
    HesaplaCalistir();
    EXPECT_TRUE(calisirkenKapali);
    EXPECT_EQ(k.SonucGosterimSayisi, 1);
    ASSERT_GE(k.Konumlar.size(), 8u);
    EXPECT_EQ(std::vector<int>(k.Konumlar.begin(), k.Konumlar.begin() + 8),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(k.Konumlar.back(), 16);
    // The readers announce themselves in order.
    std::vector<std::string> okuma(k.EklenenSatirlar.begin(), k.EklenenSatirlar.begin() + 7);
    EXPECT_EQ(okuma, (std::vector<std::string>{"Ana veriler okunuyor", "Koordinatlar okunuyor",
                                                "Eleman bilgileri okunuyor",
                                                "Eleman-malzeme-kesit-mafsal bilgileri okunuyor",
                                                "Tekil yükler okunuyor", "Eleman yükleri okunuyor",
                                                "Sınır koşulları okunuyor"}));
    // The report's last line is the timing line: seconds with at most two decimals.
    const std::string& son = k.SonRapor.back();
    ASSERT_EQ(son.rfind("HESAP SÜRESİ: ", 0), 0u);
    std::string sure = son.substr(std::string("HESAP SÜRESİ: ").size());
    sure = sure.substr(0, sure.size() - std::string(" Saniye").size());
    double x = 0;
    ASSERT_TRUE(GercelSayiMi(sure, x, 0, 1000));
    EXPECT_EQ(GenelSayiMetni(Yuvarla(x, 2)), sure);
    // The memory label: the main window's form at the start, after the
    // allocation, after the solution, after the report, after the results
    // window and at the clean-up; the solution's own form in B0 and the
    // displacements.
    std::vector<std::string> etiketler;
    for (const auto& e : k.Etiketler) {
        ASSERT_EQ(e.substr(e.size() - 3), " MB") << e;
        etiketler.push_back(e.substr(0, e.find(':') + 1));
    }
    const std::string K = "Kullanılan bellek:", M = "Memory used:";
    EXPECT_EQ(etiketler, (std::vector<std::string>{K, K, M, M, K, K, K, K}));
    BostaOlmali(k);
    EXPECT_EQ(k.SonucGosterimSayisi, 1);
    ArayuzAyarla(&p.arayuz);
}

TEST(Hesap, DurdurmaDugmesiElemeSirasinda) {
    TestProjesi p(Kopru());
    int pompa = 0, durdurulan = 0;
    bool ikinciHesap = false;
    p.arayuz.IsleKancasi = [&] {
        // The first pump is the assembly's; the next ones are the elimination's columns.
        if (++pompa == 3) {
            // Pressing "Hesapla" again meanwhile starts nothing.
            HesaplaCalistir();
            ikinciHesap = p.arayuz.HesapYapiliyor();
            if (MesajKutusu("Hesabı durdurmak istiyor musunz?", "SORU:", "EvetHayır2") == "E") Hata = 1;
            durdurulan = pompa;  // the question box pumps once itself
        }
    };
    p.Hesapla();
    EXPECT_TRUE(ikinciHesap);
    EXPECT_EQ(pompa, durdurulan);  // no column of the elimination ran after the press
    EXPECT_EQ(p.arayuz.SonucGosterimSayisi, 0);
    ASSERT_EQ(p.arayuz.Mesajlar.size(), 1u);
    EXPECT_EQ(p.arayuz.Mesajlar[0].Baslik, "SORU:");
    // Stopped and cleaned up: the next run starts afresh.
    EXPECT_EQ(Hata, 0);
    BostaOlmali(p.arayuz);
}

// The sparse solution of a bridge of 200 panels (1004 unknowns): "Hesabı
// durdur" pressed once its factorization of the compatibility equations is
// done, while the unknowns are solved for. "Evet": the run ends quietly
// without a report or results window, and the next run starts afresh;
// "Hayır": the run goes on to its results, whose equilibrium is checked
// when the window opens.
TEST(Hesap, DurdurmaDugmesiSeyrekCozumdeRapordanOnce) {
    TestProjesi p(Sql::KafesKopru(200));
    for (const char* cevap : {"E", "H"}) {
        SCOPED_TRACE(cevap);
        p.arayuz.Mesajlar.clear();
        p.arayuz.SonucGosterimSayisi = 0;
        bool soruldu = false;
        p.arayuz.IsleKancasi = [&] {
            const auto& memo = p.arayuz.MemoSatirlari();
            if (soruldu || memo.empty() || memo.back() != "Bilinmeyenler hesaplanıyor") return;
            soruldu = true;
            p.arayuz.Cevaplar.push_back(cevap);
            if (MesajKutusu("Hesabı durdurmak istiyor musunz?", "SORU:", "EvetHayır2") == "E") Hata = 1;
        };
        const std::vector<std::string> rapor = p.Hesapla();
        EXPECT_EQ(BilinmeyenSayisi, 1004);
        ASSERT_EQ(p.arayuz.Mesajlar.size(), 1u);
        EXPECT_EQ(p.arayuz.Mesajlar[0].Metin, "Hesabı durdurmak istiyor musunz?");
        EXPECT_EQ(p.arayuz.Mesajlar[0].Cevap, cevap);
        EXPECT_EQ(p.arayuz.SonucGosterimSayisi, cevap[0] == 'E' ? 0 : 1);
        EXPECT_EQ(rapor.empty(), cevap[0] == 'E');
        if (!rapor.empty()) {
            EXPECT_EQ(rapor[4], "Denklem sayısı: 804,  Bilinmeyen yayısı: 1004,  Hiperstatiklik derecesi: 200");
        }
        EXPECT_EQ(Hata, 0);
        BostaOlmali(p.arayuz);
    }
}

TEST(Hesap, TestProjesiHesaplanir) {
    // The project shipped as "Test.mdb": a portal frame with 20 kN/m on its
    // 6 m beam and 10 kN sideways at the top of the left column.
    TestProjesi p(KaynakMetni("test_projesi.sql"), true);
    std::vector<std::string> r = p.Hesapla();
    ASSERT_TRUE(p.arayuz.Mesajlar.empty()) << p.arayuz.Mesajlar[0].Metin;
    // Its equilibrium is checked when the results window opens.
    EXPECT_EQ(Bolum(r, "REAKSİYONLAR:").size(), 5u);
    EXPECT_EQ(r[4], "Denklem sayısı: 12,  Bilinmeyen yayısı: 15,  Hiperstatiklik derecesi: 3");
}

TEST(Hesap, TabloHatasiTemizlikSonrasiGosterilir) {
    // The drawing database cannot be opened: the error ends the run, the
    // clean-up runs and the error is shown in a box of its own.
    TestProjesi p(Ucgen(true, true));
    Tablolar.ElemanKuvvetleriCizim.Close();
    Tablolar.ElemanKuvvetleriCizim.DosyaAyarla(p.klasor.Dosya("yok/Cizim.mdb"), true);
    KayitliArayuz k;
    ArayuzAyarla(&k);
    EXPECT_FALSE(HesaplaCalistir());
    ASSERT_EQ(k.Mesajlar.size(), 1u);
    EXPECT_EQ(k.Mesajlar[0].Baslik, "HATA:");
    EXPECT_FALSE(k.Mesajlar[0].Metin.empty());
    EXPECT_EQ(Hata, 0);
    EXPECT_EQ(k.SonucGosterimSayisi, 0);
    EXPECT_TRUE(k.PanellerEtkin);
    EXPECT_FALSE(k.MemoAcik);
    BostaOlmali(k);
    ArayuzAyarla(&p.arayuz);
}
