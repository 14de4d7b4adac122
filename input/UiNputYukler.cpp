#include "input/UiNputYukler.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "input/TuretDenetimi.h"
#include "input/YukKurallari.h"
#include "model/LibU.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

namespace {

KayitEditoruAyarlari YukAyarlari() {
    KayitEditoruAyarlari a;
    a.Baslik = "Düğüm tekil yükleri";
    a.Tag = 8;  // the element-load editor's tag: the main window treats both alike
    a.ProjeTablosu = &Tablolar.Yukler;
    a.AnahtarAlani = "NoktaNo";
    a.AnahtarEtiketi = TekilYukNoktaEtiketi;
    a.AnahtarIpucu = TekilYukNoktaIpucu;
    a.VarlikTablosu = &Tablolar.XYZ;
    a.VarlikAlani = "NoktaNo";
    a.SolKaydirma = 250;
    a.Okuyucu = TekilYukleriniOku;
    a.SilmeIfadesi = AyiracOncesi(TekilYukSilmeSorusu(""), "\r");
    a.Turet = TuretTuru::NoktaYuku;
    a.TuretAciklamasi = TekilYukTuretAciklamasi;
    a.SildiktenSonraBosalt = true;
    return a;
}

}  // namespace

TiNputYukler::TiNputYukler(QWidget* Ust) : TKayitEditoru(YukAyarlari(), Ust) {
    setObjectName("iNputYukler");
    int no = 1;
    for (const TekilYukEditi& d : TekilYukEditleri) DegerEkle(no++, d.Alan, d.Etiket, d.Ipucu);
    auto* kural = new QLabel(TekilYukIsaretKurali, this);
    kural->setObjectName("Label2");
    kural->setWordWrap(true);
    DegerDuzeni()->addWidget(kural, DegerDuzeni()->rowCount(), 0, 1, 2);
    TuretGrubunuKur();
    Bitir();
}

void TiNputYukler::Denetle(const std::string& Anahtar, bool Turet) {
    (void)Turet;
    std::array<std::string, 6> degerler;
    for (int k = 0; k < 6; ++k) degerler[static_cast<std::size_t>(k)] = Deger(k + 1)->text().toStdString();
    const std::string mesaj = TekilYukDenetle(Anahtar, degerler, SistemTipi);
    if (!mesaj.empty()) Hatali(mesaj);
}

// A node or element another stored row already holds would stop every
// later run.
std::string TiNputYukler::YazmadanOnce(const std::string& Anahtar, const std::string& Yerine) {
    return TekilYukAnahtariniDenetle(Anahtar, Yerine);
}
