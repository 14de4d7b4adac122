#include "CizimTestYardim.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "drawing/CizimGeometrisi.h"
#include "drawing/KuvvetDiyagramlari.h"
#include "drawing/MeshCiz.h"
#include "run/Hesap.h"

bool Yakininda(const QImage& r, int x, int y, QRgb renk) {
    for (int i = x - 1; i <= x + 1; ++i)
        for (int j = y - 1; j <= y + 1; ++j)
            if (r.valid(i, j) && r.pixel(i, j) == renk) return true;
    return false;
}

int Say(const QImage& r, QRgb renk) {
    int n = 0;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) n += r.pixel(x, y) == renk;
    return n;
}

void CizimArayuzu::SonuclariGoster() {
    BasliksizArayuz::SonuclariGoster();
    ASSERT_TRUE(CizimTablolariniDoldur(600, 600));
    YerDegistirmeleriAl();
    KuvvetDiyagramlariniHesapla();
}

Cizim::Cizim(const std::string& sql, bool yerDegistirmeli, bool hesapla) : proje(sql, yerDegistirmeli) {
    arayuz.YerDegistirmeliHesapAyarla(yerDegistirmeli);
    ArayuzAyarla(&arayuz);
    if (hesapla) {
        HesaplaCalistir();
        rapor = arayuz.SonRapor;
    } else {
        EXPECT_TRUE(CizimTablolariniDoldur(600, 600));
    }
    GorunusVeOlcekHesapla();
    OrijiniAyarla();
}

Cizim::~Cizim() { ArayuzAyarla(nullptr); }

QImage Cizim::Resim(CizimSecenekleri s) {
    QImage r(600, 600, QImage::Format_RGB32);
    Ciz(r, s);
    return r;
}

CizimSecenekleri Secim(CizimTuru t, std::vector<CizimEtiketi>* etiketler) {
    CizimSecenekleri s;
    s.Tur = t;
    s.Etiketler = etiketler;
    return s;
}

std::string BasitKiris(int EksenTakimi) {
    return CerceveKirisi("S 0 S S S S", Sql::ElemanYuku("'1', 1, 1, 10, 0, 0, 0")) +
           "UPDATE SinirKosullari SET Fiz = 'Serbest' WHERE NoktaNo = '1';\n"
           "UPDATE AnaVeriler SET KoordinatSistemiNo = " +
           std::to_string(EksenTakimi) + ";\n";
}

void Penceresinde(bool SadeceGeometri, const std::function<void(TfMeshCiz&)>& Islem) {
    bool bitti = false;
    QTimer zaman;
    zaman.setInterval(10);
    QObject::connect(&zaman, &QTimer::timeout, [&] {
        auto* w = qobject_cast<TfMeshCiz*>(QApplication::activeModalWidget());
        if (!w || w->Resim().isNull() || bitti) return;
        bitti = true;
        EXPECT_TRUE(CizimPenceresiAcik());
        Islem(*w);
        w->BitBtn99->click();
    });
    zaman.start();
    EXPECT_TRUE(CizimPenceresiniGoster(nullptr, SadeceGeometri));
    EXPECT_TRUE(bitti);
    EXPECT_FALSE(CizimPenceresiAcik());
}
