// The table set of the main window and the project commands: open, new,
// save as.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <filesystem>

#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/ModelOku.h"
#include "model/Oku.h"
#include "model/VeriTabani.h"
#include "shell/UOrvelta.h"

namespace fs = std::filesystem;

namespace {

bool AyniDosya(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (DosyaVarMi(a) && DosyaVarMi(b)) return fs::equivalent(a, b, ec);
    return fs::weakly_canonical(fs::absolute(a, ec), ec) == fs::weakly_canonical(fs::absolute(b, ec), ec);
}

// The part of a path before the first ".mdb" (any case).
std::string MdbOncesi(const std::string& yol) {
    QString q = QString::fromStdString(yol);
    int i = q.indexOf(".mdb", 0, Qt::CaseInsensitive);
    return i < 0 ? yol : q.left(i).toStdString();
}

bool MdbIcerir(const std::string& yol) {
    return QString::fromStdString(yol).contains(".mdb", Qt::CaseInsensitive);
}

}  // namespace

// The catalogue, scratch and drawing tables live in the shared data folder of
// the folder the program runs from.
void TfOrvelta::CalismaTablolariniHazirla() {
    const std::string k = VerilerOrtakKlasoru();
    Tablolar.Profiller.DosyaAyarla(k + "/Profiller.mdb");
    for (Tablo* t : {&Tablolar.XYZ, &Tablolar.ED, &Tablolar.TYUK, &Tablolar.EYUK, &Tablolar.SK})
        t->DosyaAyarla(k + "/YazBoz.mdb", true);
    Tablolar.ElemanKuvvetleriCizim.DosyaAyarla(k + "/ElemanKuvvetleriCizim.mdb", true);
}

void TfOrvelta::TabloyuBagla(Tablo& T) {
    try {
        T.Close();
        T.DosyaAyarla(AcikVeriTabani);
        T.Open();
    } catch (const std::exception&) {
        Hata = 1;
        MesajKutusu(T.Ad() + " dosyası açılamadı. Silinmiş veya bozuk olabilir", "HATA:", "TamamHata1");
    }
}

void TfOrvelta::TablolariAc() {
    // Opening a project is a fresh start: a flag left by an earlier run or a
    // failed open must not keep this project from being expanded.
    Hata = 0;
    TablolariKapat();
    // Every project table is bound to the chosen file even when one of them
    // fails; a damaged file gives one message, that of its first table that
    // cannot be opened, and leaves no project table open.
    try {
        ProjeTablolariniAc(AcikVeriTabani);
    } catch (const std::exception& e) {
        Hata = 1;
        AcikVeriTabani.clear();
        for (Tablo* t : Tablolar.ProjeTablolari) t->Close();
        MesajKutusu(e.what(), "HATA:", "TamamHata1");
    }
    Tablolar.Profiller.Open();
    // The scratch tables start empty: rows of the project open before must
    // not stand for this one when its file or its expansion fails.
    KaralamaTablolariniBosalt();
    YolEtiketiniYaz(AcikVeriTabani);
    Ayarlar.VeriTabaniAdi = AcikVeriTabani;
    SonDosyalarMenusunuGuncelle();
    if (Hata == 0) ProjeyiGenislet();
    if (IzgaraTablosu()) IzgarayiYenile();
}

void TfOrvelta::TablolariKapat() {
    Tablo* sira[] = {&Tablolar.AnaVeriler, &Tablolar.MalzemeBilgileri, &Tablolar.KesitBilgileri,
                     &Tablolar.Koordinatlar, &Tablolar.ElemanNoktaBagi,
                     &Tablolar.ElemanMalzemeKesitMafsalbagi, &Tablolar.Yukler,
                     &Tablolar.ElemanYukleri, &Tablolar.SinirKosullari, &Tablolar.Profiller,
                     &Tablolar.XYZ, &Tablolar.ED, &Tablolar.TYUK, &Tablolar.EYUK, &Tablolar.SK,
                     &Tablolar.ElemanKuvvetleriCizim};
    for (Tablo* t : sira) {
        try {
            t->Close();
        } catch (const std::exception&) {
        }
    }
    if (IzgaraTablosu()) IzgarayiYenile();
}

void TfOrvelta::TabloyuBosalt(Tablo& T) {
    T.Close();
    T.Open();
    T.TumunuSil();
    if (!T.Active()) T.Open();
    if (IzgaraTablosu() == &T) IzgarayiYenile();
}

void TfOrvelta::KaralamaTablolariniBosalt() {
    for (Tablo* t : {&Tablolar.XYZ, &Tablolar.ED, &Tablolar.TYUK, &Tablolar.EYUK, &Tablolar.SK}) TabloyuBosalt(*t);
}

// A project table left closed by a write that failed (its file could not
// be read again) takes the whole project with it: no table of it stays
// open, and the window shows neither its path nor its rows. The failed
// write has shown its message.
void TfOrvelta::ProjeKapandiysa(const Tablo& T) {
    if (T.Active() || AcikVeriTabani.empty() || TabloEtiketi(&T) == 0) return;
    AcikVeriTabani.clear();
    for (Tablo* t : Tablolar.ProjeTablolari) t->Close();
    KaralamaTablolariniBosalt();
    YolEtiketiniYaz(AcikVeriTabani);
    if (IzgaraTablosu()) IzgarayiYenile();
}

void TfOrvelta::VeriTabaniniAc() {
    try {
        // 1. The test project, recreated from the template when it is missing.
        const std::string test = TestProjesi();
        if (!DosyaVarMi(test)) {
            std::error_code ec;
            fs::create_directories(fs::path(test).parent_path(), ec);
            DosyaKopyala(BosSablon(), test, true);
        }
        // 2. The project itself, or the test project in its place. A working
        // database of the program is never opened as a project.
        if (DosyaVarMi(AcikVeriTabani) && !CalismaDosyasiMi(AcikVeriTabani)) {
            TablolariAc();
        } else {
            Hata = 0;
            AcikVeriTabani = test;
            TablolariAc();
            if (Hata) {
                MesajKutusu(test + " veritabanı dosyası silinmiş", "HATA:", "TamamHata1");
                AcikVeriTabani.clear();
            }
        }
        // The system type was read by the expansion of the opened project;
        // reading it again would only repeat its message.
    } catch (const std::exception&) {
        Hata = 1;
        AcikVeriTabani.clear();
        MesajKutusu("Dosyalar açılamadı. Silinmiş veya bozuk olabilir", "HATA:", "TamamHata1");
    }
    YolEtiketiniYaz(AcikVeriTabani);
    // Every failure of the open has been shown; the flag goes no further.
    Hata = 0;
}

bool TfOrvelta::ProjeOlarakAcilabilir(const std::string& Yol) {
    if (CalismaDosyasiMi(Yol)) {
        MesajKutusu(Yol + " programın çalışma dosyasıdır, veri tabanı olarak açılamaz", "HATA:",
                    "TamamHata1");
        return false;
    }
    return true;
}

bool TfOrvelta::DosyaDiyalogu(bool Kaydet, const std::string& Baslangic, std::string& Secilen) {
    if (DosyaSec) return DosyaSec(Kaydet, Baslangic, Secilen);
    QFileDialog d(this);
    AcikDosyaDiyalogu = &d;
    d.setObjectName(Kaydet ? "SaveDialog1" : "OpenDialog1");
    d.setWindowTitle(Kaydet ? "Farklı kaydet" : "Veri tabanı aç");
    d.setOption(QFileDialog::DontUseNativeDialog, true);
    d.setAcceptMode(Kaydet ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::AnyFile);
    d.setNameFilter("Veri tabanı dosyaları (*.mdb)");
    d.setDefaultSuffix("mdb");
    // The save dialog asks before overwriting; the program asks again before
    // the copy, so the dialog's own question is left out.
    d.setOption(QFileDialog::DontConfirmOverwrite, true);
    // Room for the file list's columns (size, type, date) in full.
    d.resize(820, 500);
    QFileInfo fi(QString::fromStdString(Baslangic));
    if (!Baslangic.empty()) {
        d.setDirectory(fi.absolutePath());
        if (!fi.fileName().contains('*')) d.selectFile(fi.fileName());
    }
    int sonuc = d.exec();
    AcikDosyaDiyalogu = nullptr;
    if (sonuc != QDialog::Accepted || d.selectedFiles().isEmpty()) return false;
    Secilen = d.selectedFiles().first().toStdString();
    return !Secilen.empty();
}

void TfOrvelta::BitBtn11Click() { ProjeSeciliyken(AcikVeriTabani); }

// The open command with the dialog's proposed name. The open project stays
// as it is until a name is accepted.
void TfOrvelta::ProjeSeciliyken(const std::string& Oneri) {
    PanelKontrolleriniEtkinlestir(Panel1, false);
    PanelKontrolleriniEtkinlestir(Panel2, false);
    // This program's own drawing window shows the project that is closing.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "TfMeshCiz" && w->isVisible()) w->close();
    try {
        std::string N;
        if (DosyaDiyalogu(false, Oneri, N) && ProjeOlarakAcilabilir(N)) {
            if (DosyaVarMi(N)) {
                AcikVeriTabani = N;
                VeriTabaniniAc();
            } else if (MesajKutusu(N + " yok, oluşturulsun mu?", "SORU:", "EvetHayırSoru2") == "E") {
                Hata = 0;
                std::error_code ec;
                fs::create_directories(fs::path(N).parent_path(), ec);
                DosyaKopyala(BosSablon(), N, true);
                if (Hata == 0 && DosyaVarMi(N)) {
                    AcikVeriTabani = N;
                    VeriTabaniniAc();
                }
            }
        }
    } catch (const std::exception& e) {
        MesajKutusu(e.what(), "HATA:", "TamamHata1");
    }
    PanelKontrolleriniEtkinlestir(Panel1, true);
    PanelKontrolleriniEtkinlestir(Panel2, true);
    SonDosyalarMenusunuGuncelle();
}

void TfOrvelta::VeriTabaniAc1Click(QAction* Oge) {
    // A recent item stands for its path; "Aç" and "Yeni" for the pattern of
    // the "Veriler" folder and the proposed new name.
    std::string oneri;
    if (Oge == Yeni1) oneri = ProgramKlasoru + "/Veriler/YENİ.mdb";
    else if (Oge == Ac1) oneri = ProgramKlasoru + "/Veriler/*.mdb";
    else if (Oge) oneri = Oge->data().toString().toStdString();
    if (oneri.empty()) {
        SonDosyalarMenusunuGuncelle();
        return;
    }
    ProjeSeciliyken(oneri);
}

void TfOrvelta::Farklikaydet1Click() {
    if (AcikVeriTabani.empty()) return;
    SonVeriTabani = AcikVeriTabani;
    FarkliKaydetAdi = MdbOncesi(SonVeriTabani) + "-KOPYA.mdb";
    std::string ad;
    if (!DosyaDiyalogu(true, FarkliKaydetAdi, ad) || ad.empty()) return;
    if (!MdbIcerir(ad)) ad += ".mdb";
    FarkliKaydetAdi = ad;
    // A copy onto the open file itself would empty it.
    if (AyniDosya(FarkliKaydetAdi, SonVeriTabani)) {
        MesajKutusu(FarkliKaydetAdi + " açık olan veri tabanıdır, kendi üzerine kopyalanamaz",
                    "HATA:", "TamamHata1");
        return;
    }
    if (!ProjeOlarakAcilabilir(FarkliKaydetAdi)) return;
    if (DosyaVarMi(FarkliKaydetAdi) &&
        MesajKutusu(FarkliKaydetAdi + " dosyası zaten var\r\rKopya işlemine devam edeyim mi ?",
                    "SORU:", "EvetHayırSoru2") != "E")
        return;

    TablolariKapat();
    Hata = 0;
    bool kopyalandi = false;
    try {
        std::error_code ec;
        fs::create_directories(fs::path(FarkliKaydetAdi).parent_path(), ec);
        DosyaKopyala(SonVeriTabani, FarkliKaydetAdi, false);
        kopyalandi = Hata == 0 && DosyaVarMi(FarkliKaydetAdi);
    } catch (const std::exception& e) {
        MesajKutusu(e.what(), "HATA:", "TamamHata1");
    }
    // A failed copy leaves the project that was open, open again.
    if (kopyalandi) AcikVeriTabani = FarkliKaydetAdi;
    else AcikVeriTabani = SonVeriTabani;
    Hata = 0;
    VeriTabaniniAc();
}

void TfOrvelta::YolEtiketiniYaz(const std::string& Yol) {
    acikYolEtiketi_ = Yol;
    // Break opportunities after each "/" so a long path wraps in the panel.
    QString g = QString::fromStdString(Yol);
    g.replace("/", QString("/") + QChar(0x200B));
    Label8->setText(g);
    Label8->setToolTip(QString::fromStdString(Yol));
    Label8->setProperty("Yol", QString::fromStdString(Yol));
}

// The expansion of the open project into the scratch tables, each step only
// while no error was found.
void TfOrvelta::ProjeyiGenislet() {
    if (Hata == 0) SistemTipiniOku();
    if (Hata == 0) KoordinatlariOku();
    if (Hata == 0) ElemanNoktaBaginiOku();
    if (Hata == 0) ElemanMalzemeKesitMafsalBaginiOku();
    if (Hata == 0) TekilYukleriniOku();
    if (Hata == 0) ElemanYukleriniOku();
    if (Hata == 0) SinirKosullariniOku();
}
