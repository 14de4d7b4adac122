// The worked example of the help text followed in the real editors: every
// field it names as "label = value" is a field the window shows under that
// label, and holds that value once the step is done; the list items and
// groups it quotes are the window's own.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <map>
#include <sstream>

#include "EditorYardim.h"
#include "input/UiNputKesitBilgileri.h"
#include "input/UiNputMalzemeBilgileri.h"
#include "input/UiNputSinirKosullari.h"
#include "input/UiNputYukler.h"
#include "model/Oku.h"

namespace {

std::string Yardim() { return KaynakMetni("OrveltaYardim.txt"); }

// The line of the text that begins with Bas (empty when none).
std::string SatirBul(const std::string& Metin, const std::string& Bas) {
    std::istringstream s(Metin);
    std::string l;
    while (std::getline(s, l))
        if (l.rfind(Bas, 0) == 0) return l;
    return {};
}

// Step No of the worked example.
std::string Adim(int No) {
    const std::string metin = Yardim();
    const std::string ornek = metin.substr(std::min(metin.find("# 4. "), metin.size()));
    return SatirBul(ornek, "  " + std::to_string(No) + ". ");
}

// The "name = value" pairs of a step, in order.
std::vector<std::pair<std::string, std::string>> Atamalar(const std::string& Adim) {
    std::vector<std::pair<std::string, std::string>> l;
    for (std::size_t i = Adim.find(" = "); i != std::string::npos; i = Adim.find(" = ", i + 3)) {
        const std::size_t bas = Adim.find_last_of(" \"", i - 1) + 1;
        const std::size_t son = Adim.find_first_of(" ,;", i + 3);
        std::string deger = Adim.substr(i + 3, son == std::string::npos ? std::string::npos : son - i - 3);
        if (!deger.empty() && deger.back() == '.') deger.pop_back();
        l.emplace_back(Adim.substr(bas, i - bas), deger);
    }
    return l;
}

// The value edits the editor shows, by their labels without the ":".
std::map<std::string, QLineEdit*> Alanlar(TKayitEditoru& e) {
    std::map<std::string, QLineEdit*> m;
    for (int no = 1; no <= 20; ++no) {
        QLineEdit* d = e.Deger(no);
        if (!d || !d->isVisibleTo(&e)) continue;
        std::string ad = e.Etiket(no)->text().toStdString();
        if (!ad.empty() && ad.back() == ':') ad.pop_back();
        m[ad] = d;
    }
    return m;
}

// The item of the list that the step quotes.
QString AlintilananOge(const std::string& Adim, QComboBox* Liste) {
    for (int i = 0; i < Liste->count(); ++i)
        if (!Liste->itemText(i).isEmpty() && Adim.find('"' + Liste->itemText(i).toStdString() + '"') != std::string::npos)
            return Liste->itemText(i);
    return {};
}

class YardimMetni : public ProjeDenemesi {
protected:
    // The editor on a project of these rows, shown and set up.
    template <class Editor>
    std::unique_ptr<Editor> Kur(const std::string& Satirlar) {
        ProjeyiAc(Satirlar);
        KoordinatlariOku();
        auto e = std::make_unique<Editor>(nullptr);
        e->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(e.get()));
        QTest::qWait(20);
        ui->Mesajlar.clear();
        return e;
    }
};

}  // namespace

// Material: the preset the step names gives the values it quotes, and the
// material fields are described under the labels the window shows.
TEST_F(YardimMetni, MalzemeAdimiListeninOnAyariniSoyler) {
    auto e = Kur<TiNputMalzemeBilgileri>("");
    const std::string adim = Adim(3);
    ASSERT_NE(adim.find("Malzeme bilgileri"), std::string::npos) << adim;
    const QString oge = AlintilananOge(adim, e->ComboBox1);
    ASSERT_FALSE(oge.isEmpty()) << "no item of the list quoted: " << adim;
    ListedenSec(e->ComboBox1, oge);
    const auto alanlar = Alanlar(*e);
    const auto atamalar = Atamalar(adim);
    EXPECT_EQ(atamalar.size(), alanlar.size()) << adim;
    for (const auto& [ad, deger] : atamalar) {
        SCOPED_TRACE(ad);
        ASSERT_TRUE(alanlar.count(ad)) << "no such field in the window";
        EXPECT_EQ(alanlar.at(ad)->text().toStdString(), deger);
    }
    const std::string tanim = SatirBul(Yardim(), "Malzeme bilgileri:");
    for (const auto& [ad, d] : alanlar) EXPECT_NE(tanim.find(ad), std::string::npos) << ad << " in: " << tanim;
    // Ro is what its hint asks for, a density
    EXPECT_EQ(e->Deger(3)->toolTip(), "Malzeme yoğunluğunu ver");
    EXPECT_EQ(Yardim().find("birim hacim ağırlığı"), std::string::npos);
}

// Section: the step names the dimensions of the chosen type by their labels
// and, after "Hesapla", the values the window computed from them.
TEST_F(YardimMetni, KesitAdimiTipinBoyutlariniVeSonucunuSoyler) {
    auto e = Kur<TiNputKesitBilgileri>(Sql::Sistem("30:Düzlem çerçeve"));
    const std::string adim = Adim(4);
    ASSERT_NE(adim.find("Kesit bilgileri"), std::string::npos) << adim;
    const QString oge = AlintilananOge(adim, e->ComboBox1);
    ASSERT_FALSE(oge.isEmpty()) << "no item of the list quoted: " << adim;
    ListedenSec(e->ComboBox1, oge);
    const auto alanlar = Alanlar(*e);
    std::map<std::string, std::string> atama;
    for (const auto& [ad, deger] : Atamalar(adim)) {
        EXPECT_TRUE(alanlar.count(ad)) << ad << ": no such field in the window";
        atama[ad] = deger;
    }
    // every dimension the type shows is given
    for (int no = 12; no <= 15; ++no) {
        if (!e->Deger(no)->isVisibleTo(e.get())) continue;
        std::string ad = e->Etiket(no)->text().toStdString();
        ad.pop_back();
        ASSERT_TRUE(atama.count(ad)) << ad << " not given: " << adim;
        Yaz(e->Deger(no), QString::fromStdString(atama[ad]));
    }
    QTest::mouseClick(e->BitBtn4, Qt::LeftButton);
    EXPECT_TRUE(ui->Mesajlar.empty());
    for (const auto& [ad, deger] : atama) {
        if (alanlar.count(ad)) {
            EXPECT_EQ(alanlar.at(ad)->text().toStdString(), deger) << ad;
        }
    }
}

// Nodal loads: the load is named by its label.
TEST_F(YardimMetni, TekilYukAdimiEtiketiKullanir) {
    auto e = Kur<TiNputYukler>(Sql::Sistem("30:Düzlem çerçeve"));
    const std::string adim = Adim(8);
    ASSERT_NE(adim.find("Düğüm tekil yükleri"), std::string::npos) << adim;
    const auto alanlar = Alanlar(*e);
    const auto atamalar = Atamalar(adim);
    EXPECT_FALSE(atamalar.empty()) << adim;
    for (const auto& [ad, deger] : atamalar) EXPECT_TRUE(alanlar.count(ad)) << ad << ": no such field in the window";
}

// Supports: the groups and the item the step quotes, chosen in the window,
// hold the node in X, in Y and against rotation about Z, as the frame's
// fixed feet are.
TEST_F(YardimMetni, SinirKosuluAdimiGruplariVeSecenegiAdlandirir) {
    auto e = Kur<TiNputSinirKosullari>(Sql::Sistem("30:Düzlem çerçeve") + Sql::Noktalar({{"1", 0}, {"4", 6}}));
    const std::string adim = Adim(10);
    ASSERT_NE(adim.find("Sınır koşulları"), std::string::npos) << adim;
    Yaz(e->Edit0, "1");
    int secilen = 0;
    for (QGroupBox* g : e->RadioGroup) {
        if (adim.find('"' + g->title().toStdString() + '"') == std::string::npos) continue;
        for (QRadioButton* r : g->findChildren<QRadioButton*>())
            if (r->text() != "Serbest" && adim.find('"' + r->text().toStdString() + '"') != std::string::npos) {
                QTest::mouseClick(r, Qt::LeftButton);
                ++secilen;
            }
    }
    EXPECT_EQ(secilen, 3) << adim;
    QTest::mouseClick(e->BitBtn3, Qt::LeftButton);
    EXPECT_TRUE(ui->Mesajlar.empty()) << ui->Mesajlar.at(0).Metin;
    Tablo& t = Tablolar.SinirKosullari;
    ASSERT_TRUE(t.Locate("NoktaNo", "1"));
    std::string kosullar;
    for (const char* a : {"Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz"}) kosullar += t.FieldByName(a).AsString() + " ";
    EXPECT_EQ(kosullar, "0 0 Serbest Serbest Serbest 0 ");
}
