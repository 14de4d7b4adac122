// Times the expansion of a plane frame of 10,000 nodes and 20,000 elements,
// entered as generation keys, with nodal loads, element loads and supports.
//
// The nodes form a 100 x 100 grid (node = 1 + c + 100 r, at x = c, y = r);
// elements 1..9900 are the horizontal bars, 9901..19800 the vertical ones and
// 19801..20000 a row of diagonals.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/KullaniciArayuzu.h"

namespace {

void Koordinat(const std::string& no, double x, double y) {
    Tablo& t = Tablolar.Koordinatlar;
    t.Append();
    t.FieldByName("NoktaNo").SetString(no);
    t.FieldByName("X1").SetFloat(x);
    t.FieldByName("X2").SetFloat(y);
    t.FieldByName("X3").SetFloat(0);
    t.Post();
}

void Eleman(const std::string& no, int i, int j) {
    Tablo& t = Tablolar.ElemanNoktaBagi;
    t.Append();
    t.FieldByName("ElemanNo").SetString(no);
    t.FieldByName("ElemanTipi").SetInteger(30);
    t.FieldByName("iNoktasi").SetInteger(i);
    t.FieldByName("jNoktasi").SetInteger(j);
    t.FieldByName("kNoktasi").SetInteger(0);
    t.FieldByName("LNoktasi").SetInteger(0);
    t.Post();
}

void MalzemeKesitMafsal(const std::string& no, const std::string& mafsal) {
    Tablo& t = Tablolar.ElemanMalzemeKesitMafsalbagi;
    t.Append();
    t.FieldByName("ElemanNO").SetString(no);
    t.FieldByName("MalzemeNo").SetInteger(1);
    t.FieldByName("KesitNo").SetInteger(1);
    t.FieldByName("MafsalTipi").SetString(mafsal);
    t.Post();
}

void ProjeyiDoldur() {
    Tablo& ana = Tablolar.AnaVeriler;
    ana.First();
    ana.Edit();
    ana.FieldByName("Sistem").SetString("30:Düzlem çerçeve");
    ana.Post();

    Tablo& m = Tablolar.MalzemeBilgileri;
    m.Append();
    m.FieldByName("MalzemeNo").SetInteger(1);
    m.FieldByName("E").SetFloat(2.1e8);
    m.Post();
    Tablo& k = Tablolar.KesitBilgileri;
    k.Append();
    k.FieldByName("KesitNo").SetInteger(1);
    k.FieldByName("A").SetFloat(0.01);
    k.FieldByName("iz").SetFloat(1e-4);
    k.Post();

    Koordinat("1", 0, 0);
    Koordinat("100", 99, 0);
    Koordinat("9901", 0, 99);
    Koordinat("1,100,1,9901,100", 0, 0);

    Eleman("1", 1, 2);
    Eleman("99", 99, 100);
    Eleman("9802", 9901, 9902);
    Eleman("1,99,1,9802,99", 0, 0);
    Eleman("9901", 1, 101);
    Eleman("10000", 100, 200);
    Eleman("19701", 9801, 9901);
    Eleman("9901,10000,1,19701,100", 0, 0);
    Eleman("19801", 1, 102);
    Eleman("20000", 200, 301);
    Eleman("19801,20000,1,0,0", 0, 0);

    MalzemeKesitMafsal("1,20000,1,0,0", "00");
    MalzemeKesitMafsal("9901,19800,100,0,0", "03");  // hinges at the foot of the first column

    Tablo& y = Tablolar.Yukler;
    y.Append();
    y.FieldByName("NoktaNo").SetString("9901,10000,1,0,0");
    y.FieldByName("Px").SetFloat(10);
    y.FieldByName("Py").SetFloat(-5);
    y.Post();

    Tablo& ey = Tablolar.ElemanYukleri;
    ey.Append();
    ey.FieldByName("ElemanNo").SetString("1,99,1,9802,99");
    ey.FieldByName("YukNo").SetInteger(1);
    ey.FieldByName("YukTipi").SetInteger(1);
    ey.FieldByName("Yuk").SetFloat(-20);
    ey.Post();

    Tablo& s = Tablolar.SinirKosullari;
    s.Append();
    s.FieldByName("NoktaNo").SetString("1,100,1,0,0");
    for (const char* a : {"Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz"}) s.FieldByName(a).SetString("0");
    s.Post();
}

}  // namespace

int main() {
    std::random_device rd;
    const auto klasor = std::filesystem::temp_directory_path() / ("orvelta-acilim-" + std::to_string(rd()));
    std::filesystem::create_directories(klasor);
    const std::string proje = (klasor / "Olcum.mdb").string();
    int sonuc = 0;
    try {
        BosSablonuYaz(proje);
        ProjeTablolariniAc(proje);
        CalismaTablolariniAc(klasor.string());
        ProjeyiDoldur();

        Arayuz().HesapYapiliyorAyarla(true);
        NoktaSerbestlikSayisi = 3;
        const auto bas = std::chrono::steady_clock::now();
        KoordinatlariOku();
        if (Hata == 0) ElemanNoktaBaginiOku();
        if (Hata == 0) ElemanMalzemeKesitMafsalBaginiOku();
        if (Hata == 0) TekilYukleriniOku();
        if (Hata == 0) ElemanYukleriniOku();
        if (Hata == 0) SinirKosullariniOku();
        const double sure = std::chrono::duration<double>(std::chrono::steady_clock::now() - bas).count();

        std::printf("nodes %d, elements %d, hinge releases %d, nodal loads %d, element loads %d, "
                    "support conditions %d\n",
                    NoktaSayisi, ElemanSayisi, MafsalSayisi, Tablolar.TYUK.RecordCount(),
                    Tablolar.EYUK.RecordCount(), SinirKosuluSayisi);
        std::printf("expansion: %.3f s\n", sure);
        if (Hata != 0 || NoktaSayisi != 10000 || ElemanSayisi != 20000 || MafsalSayisi != 99 ||
            Tablolar.TYUK.RecordCount() != 100 || Tablolar.EYUK.RecordCount() != 9900 ||
            SinirKosuluSayisi != 600) {
            std::printf("unexpected result (Hata %d)\n", Hata);
            sonuc = 1;
        }
    } catch (const std::exception& e) {
        std::printf("error: %s\n", e.what());
        sonuc = 1;
    }
    TumTablolariKapat();
    std::error_code ec;
    std::filesystem::remove_all(klasor, ec);
    return sonuc;
}
