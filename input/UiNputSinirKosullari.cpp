#include "input/UiNputSinirKosullari.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "input/SinirKosuluKurallari.h"
#include "input/TuretDenetimi.h"
#include "model/LibU.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

namespace {

KayitEditoruAyarlari SinirKosuluAyarlari() {
    KayitEditoruAyarlari a;
    a.Baslik = "Sınır(mesnet) koşulları";
    a.ProjeTablosu = &Tablolar.SinirKosullari;
    a.AnahtarAlani = "NoktaNo";
    a.AnahtarEtiketi = SinirKosuluNoktaEtiketi;
    a.AnahtarIpucu = SinirKosuluNoktaIpucu;
    a.VarlikTablosu = &Tablolar.XYZ;
    a.VarlikAlani = "NoktaNo";
    a.SolKaydirma = 250;
    a.Okuyucu = SinirKosullariniOku;
    a.SilmeIfadesi = AyiracOncesi(SinirKosuluSilmeSorusu(""), "\r");
    a.Turet = TuretTuru::NoktaYuku;
    a.TuretAciklamasi = SinirKosuluTuretAciklamasi;
    a.SildiktenSonraBosalt = true;
    return a;
}

}  // namespace

TiNputSinirKosullari::TiNputSinirKosullari(QWidget* Ust) : TKayitEditoru(SinirKosuluAyarlari(), Ust) {
    setObjectName("iNputSinirKosullari");
    // Each degree of freedom: its group holds the two items, the value edit
    // and the edit's unit label.
    for (int k = 0; k < 6; ++k) {
        const SinirKosuluEditi& d = SinirKosuluEditleri[static_cast<std::size_t>(k)];
        auto* grup = new QGroupBox(QString::fromUtf8(d.Baslik), this);
        grup->setObjectName(QString("RadioGroup%1").arg(k + 1));
        grup->setToolTip(d.Ipucu);
        grup->setAccessibleName(grup->title());
        auto* satir = new QHBoxLayout(grup);
        secenekler_[k] = new QButtonGroup(grup);
        for (int s = 0; s < 2; ++s) {
            auto* r = new QRadioButton(QString::fromUtf8(SinirKosuluSecenekleri[static_cast<std::size_t>(s)]), grup);
            r->setToolTip(d.Ipucu);
            secenekler_[k]->addButton(r, s);
            satir->addWidget(r);
        }
        secenekler_[k]->button(0)->setChecked(true);
        // the value edit after its items, in the group
        QLineEdit* e = DegerEkle(k + 1, d.Alan, d.Etiket, d.Ipucu, SerbestMetni);
        QLabel* birim = Etiket(k + 1);
        DegerDuzeni()->removeWidget(e);
        DegerDuzeni()->removeWidget(birim);
        satir->addSpacing(12);
        satir->addWidget(e, 1);
        satir->addWidget(birim);
        // the units take the room of the widest, so the six edits line up
        birim->setMinimumWidth(birim->fontMetrics().horizontalAdvance("rad"));
        e->setAccessibleName(grup->title() + " " + birim->text());
        connect(secenekler_[k], &QButtonGroup::idToggled, this, [this, k](int s, bool secili) {
            if (secili) Deger(k + 1)->setText(QString::fromStdString(SinirKosuluSecimMetni(s)));
        });
        RadioGroup[k] = grup;
        DegerDuzeni()->addWidget(grup, DegerDuzeni()->rowCount(), 0, 1, 2);
    }
    auto* kural = new QLabel(SinirKosuluIsaretKurali, this);
    kural->setObjectName("Label2");
    kural->setWordWrap(true);
    DegerDuzeni()->addWidget(kural, DegerDuzeni()->rowCount(), 0, 1, 2);
    TuretGrubunuKur();
    Bitir();
}

int TiNputSinirKosullari::Secim(int k) const { return secenekler_[k]->checkedId() == 1 ? 1 : 0; }

void TiNputSinirKosullari::Sec(int k, int Secim) { secenekler_[k]->button(Secim ? 1 : 0)->setChecked(true); }

void TiNputSinirKosullari::EkTemizle() {
    for (int k = 0; k < 6; ++k) Sec(k, 0);
}

void TiNputSinirKosullari::Gosterildi(bool Bulundu) {
    if (!Bulundu) return;
    // The item first (it puts its own text in), then the stored text, so an
    // imposed value such as 0.01 stands beside "Yer değiştirme".
    Tablo& t = Tablolar.SinirKosullari;
    for (int k = 0; k < 6; ++k) {
        int secim = 0;
        std::string metin;
        SinirKosuluGoster(t.FieldByName(SinirKosuluEditleri[static_cast<std::size_t>(k)].Alan).AsString(), secim,
                          metin);
        Sec(k, secim);
        Deger(k + 1)->setText(QString::fromStdString(metin));
    }
}

bool TiNputSinirKosullari::KaydetOncesi() {
    const std::string m =
        NoktaNoTanimsizMi(Edit0->text().toStdString(), TuretEdit[0] ? TuretEdit[0]->text().toStdString() : "");
    if (m.empty()) return true;
    Hata = 1;
    MesajKutusu(m, "HATA:", "TamamHata1");
    return false;
}

void TiNputSinirKosullari::Denetle(const std::string& Anahtar, bool Turet) {
    (void)Turet;
    std::array<int, 6> secimler{};
    std::array<std::string, 6> metinler;
    for (int k = 0; k < 6; ++k) {
        secimler[static_cast<std::size_t>(k)] = Secim(k);
        metinler[static_cast<std::size_t>(k)] = Deger(k + 1)->text().toStdString();
    }
    const std::string mesaj = SinirKosuluDenetle(Anahtar, secimler, metinler, SistemTipi);
    if (!mesaj.empty()) Hatali(mesaj);
}

// A node or element another stored row already holds would stop every
// later run.
std::string TiNputSinirKosullari::YazmadanOnce(const std::string& Anahtar, const std::string& Yerine) {
    return SinirKosuluAnahtariniDenetle(Anahtar, Yerine);
}
