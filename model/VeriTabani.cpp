#include "model/VeriTabani.h"

#include <filesystem>
#include <sstream>

#include "model/Tipler.h"
#include "platform/Kaynaklar.h"

TTabloKumesi Tablolar;

namespace {

// The columns each table object requires of its file.
void AlanlariBildir() {
    auto& T = Tablolar;
    T.AnaVeriler.BeklenenAlanlar({"Sistem", "ProbleminTanimi", "KoordinatSistemiNo", "Tarih"});
    T.MalzemeBilgileri.BeklenenAlanlar({"MalzemeNo", "Malzeme", "E", "Nu", "Ro", "Alfa", "Tarih"});
    T.KesitBilgileri.BeklenenAlanlar({"KesitNo", "Kesit", "A", "ix", "iy", "Iz", "Ay", "hy", "ey",
                                      "Az", "hz", "ez", "Wb", "b", "h", "t", "bw", "Tarih"});
    T.Koordinatlar.BeklenenAlanlar({"NoktaNo", "X1", "X2", "X3", "Tarih"});
    T.ElemanNoktaBagi.BeklenenAlanlar(
        {"ElemanNo", "ElemanTipi", "iNoktasi", "jNoktasi", "kNoktasi", "LNoktasi", "Tarih"});
    T.ElemanMalzemeKesitMafsalbagi.BeklenenAlanlar(
        {"ElemanNO", "MalzemeNo", "KesitNo", "MafsalTipi", "Tarih"});
    T.Yukler.BeklenenAlanlar({"NoktaNo", "Px", "Py", "Pz", "Mx", "My", "Mz", "Tarih"});
    T.ElemanYukleri.BeklenenAlanlar(
        {"ElemanNo", "YukNo", "YukTipi", "Yuk", "aMesafesi", "bMesafesi", "Yuk1", "Tarih"});
    T.SinirKosullari.BeklenenAlanlar({"NoktaNo", "Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz", "Tarih"});
    T.Profiller.BeklenenAlanlar({"Kesit", "h", "b", "bw", "t", "A", "ix", "iy", "iz", "Ay", "hy",
                                 "ey", "Az", "hz", "ez", "Wb"});
    T.XYZ.BeklenenAlanlar({"NoktaNo", "X1", "X2", "X3"});
    T.ED.BeklenenAlanlar({"ElemanNo", "ElemanTipi", "iNoktasi", "jNoktasi", "kNoktasi",
                          "LNoktasi", "MalzemeNo", "KesitNo", "MafsalTipi"});
    T.TYUK.BeklenenAlanlar({"NoktaNo", "Px", "Py", "Pz", "Mx", "My", "Mz"});
    T.EYUK.BeklenenAlanlar(
        {"ElemanNo", "YukNo", "YukTipi", "Yuk", "aMesafesi", "bMesafesi", "Yuk1"});
    T.SK.BeklenenAlanlar({"NoktaNo", "Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz"});
    std::vector<std::string> cizim = {"ElemanNo", "ElemanTipi", "ElemaninNoktadakiKuvvetSayisi",
                                      "iNoktasi", "jNoktasi", "kNoktasi", "LNoktasi"};
    for (int i = 1; i <= 12; ++i) cizim.push_back("S" + std::to_string(i));
    for (int i = 1; i <= 12; ++i) cizim.push_back("u" + std::to_string(i));
    for (const char* a : {"Yedek1", "Yedek2", "Nx", "Vy", "Vz", "Mx", "My", "Mz", "u"})
        cizim.push_back(a);
    T.ElemanKuvvetleriCizim.BeklenenAlanlar(cizim);

    // walking XYZ visits the nodes by X1, then X2, then X3
    T.XYZ.SetIndexFieldNames("X1;X2;X3");
    T.ED.AfterPost = EDAfterPost;
    T.SK.AfterPost = SKAfterPost;
}

const bool kAyarlandi = (AlanlariBildir(), true);

std::string Kaynak(const char* ad) {
    std::string_view v = KaynakMetni(ad);
    if (v.empty()) throw TabloHatasi(std::string(ad) + " kaynağı bulunamadı");
    return std::string(v);
}

// Removes a working database before it is written anew, with a journal that
// a killed process may have left beside it (the journal would otherwise be
// played back into the new file).
void DosyayiKaldir(const std::string& dosya) {
    if (DosyaKullaniliyor(dosya)) throw TabloHatasi(dosya + " kullanımda, yeniden yazılamaz");
    std::error_code ec;
    std::filesystem::remove(dosya, ec);
    std::filesystem::remove(dosya + "-journal", ec);
    if (std::filesystem::exists(dosya)) throw TabloHatasi(dosya + " silinemedi");
}

void SqlIleYaz(const std::string& dosya, const char* kaynak, bool hizli = false) {
    DosyayiKaldir(dosya);
    SqlDosyasiniCalistir(dosya, Kaynak(kaynak), hizli);
}

std::string Birlestir(const std::string& klasor, const char* ad) {
    return (std::filesystem::path(klasor) / ad).string();
}

// Opens the tables of one working database; a file that is missing or cannot
// be opened is written anew once.
void CalismaDosyasiniAc(const std::string& dosya, void (*yaz)(const std::string&),
                        std::initializer_list<Tablo*> tablolar, bool hizli) {
    for (Tablo* t : tablolar) t->DosyaAyarla(dosya, hizli);
    if (!std::filesystem::exists(dosya)) yaz(dosya);
    try {
        for (Tablo* t : tablolar) t->Open();
    } catch (const TabloHatasi&) {
        for (Tablo* t : tablolar) t->Close();
        yaz(dosya);
        for (Tablo* t : tablolar) t->Open();
    }
}

// The catalogue rows from the built-in list into the file.
void ProfilleriDoldur(const std::string& dosya) {
    std::istringstream csv(Kaynak("profiller.csv"));
    auto Bol = [](const std::string& satir) {
        std::vector<std::string> r;
        std::stringstream ss(satir);
        std::string p;
        while (std::getline(ss, p, ',')) r.push_back(p);
        return r;
    };
    std::string satir;
    std::getline(csv, satir);
    if (!satir.empty() && satir.back() == '\r') satir.pop_back();
    std::vector<std::string> basliklar = Bol(satir);
    Tablo t("Profiller");
    t.DosyaAyarla(dosya, true);
    t.Open();
    t.IslemBaslat();
    try {
        while (std::getline(csv, satir)) {
            if (!satir.empty() && satir.back() == '\r') satir.pop_back();
            if (satir.empty()) continue;
            std::vector<std::string> d = Bol(satir);
            t.Append();
            for (size_t i = 0; i < basliklar.size() && i < d.size(); ++i)
                t.FieldByName(basliklar[i]).SetString(d[i]);
            t.Post();
        }
    } catch (...) {
        t.Cancel();
        t.IslemGeriAl();
        t.Close();
        throw;
    }
    t.IslemOnayla();
    t.Close();
}

}  // namespace

void EDAfterPost(Tablo& DataSet) {
    MafsalSayisi += static_cast<int>(
        MafsalKodlari(DataSet.FieldByName("ElemanTipi").AsInteger(), DataSet.FieldByName("MafsalTipi").AsString())
            .size());
}

void SKAfterPost(Tablo& DataSet) {
    for (const char* a : {"Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz"})
        if (SinirKosuluTutar(DataSet.FieldByName(a).AsString())) ++SinirKosuluSayisi;
}

void BosSablonuYaz(const std::string& dosya) { SqlIleYaz(dosya, "BOS.sql"); }
// The scratch and drawing databases are written anew whenever they cannot be
// opened: no need to wait for the disk.
void YazBozYaz(const std::string& dosya) { SqlIleYaz(dosya, "YazBoz.sql", true); }
void CizimVeriTabaniYaz(const std::string& dosya) { SqlIleYaz(dosya, "ElemanKuvvetleriCizim.sql", true); }

// The catalogue is written beside its place without waiting for the disk,
// made durable once, and then put in its place whole: a file in its place is
// always complete.
void ProfillerYaz(const std::string& dosya) {
    DosyayiKaldir(dosya);
    const std::string yeni = dosya + ".yeni";
    SqlIleYaz(yeni, "Profiller.sql", true);
    ProfilleriDoldur(yeni);
    DosyayiDiskeYaz(yeni);
    std::error_code ec;
    std::filesystem::rename(yeni, dosya, ec);
    if (ec) throw TabloHatasi(dosya + " yazılamadı: " + ec.message());
}

void CalismaTablolariniAc(const std::string& klasor) {
    auto& T = Tablolar;
    std::error_code ec;
    std::filesystem::create_directories(klasor, ec);
    CalismaDosyasiniAc(Birlestir(klasor, "YazBoz.mdb"), YazBozYaz,
                       {&T.XYZ, &T.ED, &T.TYUK, &T.EYUK, &T.SK}, true);
    CalismaDosyasiniAc(Birlestir(klasor, "ElemanKuvvetleriCizim.mdb"), CizimVeriTabaniYaz,
                       {&T.ElemanKuvvetleriCizim}, true);
    CalismaDosyasiniAc(Birlestir(klasor, "Profiller.mdb"), ProfillerYaz, {&T.Profiller}, false);
}

void ProjeTablolariniAc(const std::string& dosya) {
    std::string ilkHata;
    bool kilitli = false;
    for (Tablo* t : Tablolar.ProjeTablolari) {
        t->DosyaAyarla(dosya, false);
        // A file another program holds locked would keep every later table
        // waiting as long again: they are bound but not opened.
        if (kilitli) continue;
        try {
            t->Open();
        } catch (const TabloHatasi& e) {
            // A reason the message does not name already (a file another
            // program holds locked, a disk that failed) follows on a line
            // of its own.
            if (ilkHata.empty()) {
                ilkHata = t->Ad() + " dosyası açılamadı. Silinmiş veya bozuk olabilir";
                using E = VeriTabaniEngeli;
                if (e.Engel() == E::Kilitli || e.Engel() == E::GirdiCikti || e.Engel() == E::DiskDolu)
                    ilkHata += "\r" + t->Ad() + ": " + EngelNedeni(e.Engel());
            }
            kilitli = e.Engel() == VeriTabaniEngeli::Kilitli;
        }
    }
    if (!ilkHata.empty()) throw TabloHatasi(ilkHata);
}

void TumTablolariKapat() {
    auto& T = Tablolar;
    for (Tablo* t : T.ProjeTablolari) t->Close();
    for (Tablo* t : {&T.Profiller, &T.XYZ, &T.ED, &T.TYUK, &T.EYUK, &T.SK, &T.ElemanKuvvetleriCizim})
        t->Close();
}
