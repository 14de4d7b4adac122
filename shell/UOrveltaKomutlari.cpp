// The main window's commands around the data grid: the nine tool buttons
// with their editors, the grid's double click and Delete key, the row
// deletions, "Tüm verileri sil", "Çiz", help, about, the zoom window and the
// picture preview of the editors' drop-down lists.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

#include "drawing/MeshCiz.h"
#include "input/Editorler.h"
#include "model/LibU.h"
#include "model/ModelOku.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/DisGosterici.h"
#include "platform/Resimler.h"
#include "platform/TabloBildirimi.h"
#include "run/Hesap.h"
#include "shell/FormBuyutKucult.h"
#include "shell/Hakkinda.h"
#include "shell/TabloModeli.h"
#include "shell/UOrvelta.h"

namespace {

const char* const kGirisUyarisi = "Değişiklik yapmak istiyorsanız, veri girişini açın";
const char* const kProjeYok = "Veri tabanı açılmamış, önce bir veri tabanı açın";

void Hatali(const std::string& Metin) { MesajKutusu(Metin, "HATA:", "TamamHata1"); }
void GirisUyarisi() { MesajKutusu(kGirisUyarisi, "UYARI:", "TamamUyarı1"); }

// Tool button number -> editor tag, as the buttons were laid out.
int DugmeEtiketi(int No) {
    static const int etiket[10] = {0, 1, 2, 3, 6, 5, 4, 7, 8, 9};
    return No >= 1 && No <= 9 ? etiket[No] : 0;
}

// The reader that rebuilds the scratch table of a project table (none for
// the main data, materials and sections).
void (*Okuyucusu(const Tablo* T))() {
    if (T == &Tablolar.Koordinatlar) return KoordinatlariOku;
    if (T == &Tablolar.ElemanNoktaBagi) return ElemanNoktaBaginiOku;
    if (T == &Tablolar.Yukler) return TekilYukleriniOku;
    if (T == &Tablolar.ElemanMalzemeKesitMafsalbagi) return ElemanMalzemeKesitMafsalBaginiOku;
    if (T == &Tablolar.ElemanYukleri) return ElemanYukleriniOku;
    if (T == &Tablolar.SinirKosullari) return SinirKosullariniOku;
    return nullptr;
}

// Connects every drop-down list that comes on screen to the preview: the
// item under the mouse (or the keys) goes to the main window.
class ListeGozcusu : public QObject {
public:
    explicit ListeGozcusu(TfOrvelta* p, std::function<void(QObject*, const QString&)> f)
        : QObject(p), bildir_(std::move(f)) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            auto* c = qobject_cast<QComboBox*>(o);
            if (c && !c->property("OnizlemeBagli").toBool()) {
                c->setProperty("OnizlemeBagli", true);
                connect(c, &QComboBox::textHighlighted, this, [this, c](const QString& t) { bildir_(c, t); });
            }
        }
        return false;
    }

private:
    std::function<void(QObject*, const QString&)> bildir_;
};

}  // namespace

int TfOrvelta::TabloEtiketi(const Tablo* T) {
    for (int tag = 1; tag <= 9; ++tag)
        if (T && EtiketinTablosu(tag) == T) return tag;
    return 0;
}

Tablo* TfOrvelta::EtiketinTablosu(int Tag) {
    switch (Tag) {
        case 1: return &Tablolar.AnaVeriler;
        case 2: return &Tablolar.MalzemeBilgileri;
        case 3: return &Tablolar.KesitBilgileri;
        case 4: return &Tablolar.Koordinatlar;
        case 5: return &Tablolar.ElemanNoktaBagi;
        case 6: return &Tablolar.ElemanMalzemeKesitMafsalbagi;
        case 7: return &Tablolar.Yukler;
        case 8: return &Tablolar.ElemanYukleri;
        case 9: return &Tablolar.SinirKosullari;
        default: return nullptr;
    }
}

bool TfOrvelta::VeriGirisiAcikMi() const { return VeriGirisiAcik->isChecked(); }

void TfOrvelta::KomutlariBagla() {
    for (int i = 1; i <= 9; ++i)
        connect(SpeedButton[i], &QToolButton::clicked, this, [this, i] { SpeedButtonClick(i); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
    connect(BitBtn23, &QPushButton::clicked, this, [this] { BitBtn23Click(); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, [this] { DBGrid1DblClick(); });
    connect(Yardm1, &QAction::triggered, this, [this] { Yardm1Click(); });
    connect(Hakkinda1, &QAction::triggered, this, [this] { Hakkinda1Click(); });
    connect(FormubuyutKucult1, &QAction::triggered, this, [this] { FormubuyutKucult1Click(); });

    // The row the user moves to in the grid is the table's current row,
    // which the editors show; a refresh puts the grid back on the table's row.
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) {
                if (!izgaraYenileniyor_ && i.isValid()) IzgaraSatirinaGit(i.row());
            });
    connect(IzgaraModeli, &QAbstractItemModel::modelReset, this, [this] { IzgaraSatiriniGoster(); });
    // An editor's save or delete, or a deletion here: the grid reads its table again.
    tabloDinlemeNo_ = TabloDegistiDinle([this](Tablo& T) {
        ProjeKapandiysa(T);
        if (&T == IzgaraTablosu()) IzgarayiYenile();
    });

    connect(ComboboxItemName, &QLineEdit::textChanged, this, [this] { ComboboxItemNameChange(); });
    listeGozcusu_ = new ListeGozcusu(this, [this](QObject* l, const QString& t) { ListeOgesiUzerinde(l, t); });
    qApp->installEventFilter(listeGozcusu_);
}

void TfOrvelta::IzgaraSatirinaGit(int Satir) {
    Tablo* t = IzgaraTablosu();
    // A row in edit is never posted by a move of the grid, and a running
    // calculation keeps its cursors.
    if (!t || !t->Active() || t->Durum() != TabloDurumu::Gozatma || HesapYapiliyor()) return;
    if (Satir >= 0 && Satir < t->RecordCount()) t->SetRecNo(Satir + 1);
}

void TfOrvelta::IzgaraSatiriniGoster() {
    Tablo* t = IzgaraTablosu();
    if (!t || !t->Active() || t->RecordCount() == 0) return;
    izgaraYenileniyor_ = true;
    DBGrid1->selectionModel()->setCurrentIndex(IzgaraModeli->index(t->RecNo() - 1, 0),
                                               QItemSelectionModel::NoUpdate);
    izgaraYenileniyor_ = false;
}

// The editor opens on the grid's current row, which is no longer marked: a
// "Seçili satırları sil" after "Vazgeç" does not take the row just looked at.
// (A save refreshes the grid, which unmarks every row.)
void TfOrvelta::EditoruAc(int Tag) {
    const QModelIndex i = DBGrid1->currentIndex();
    if (i.isValid()) DBGrid1->selectionModel()->select(i, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    EditoruGoster(Tag, this);
}

// The tool button of the table the grid lists is the one pressed down.
void TfOrvelta::IzgaraDugmesiniGoster() {
    const int tag = TabloEtiketi(IzgaraTablosu());
    for (int i = 1; i <= 9; ++i)
        if (DugmeEtiketi(i) == tag) SpeedButton[i]->setChecked(true);
}

// ------------------------------------------------------------------ tool buttons

void TfOrvelta::SpeedButtonClick(int No) {
    const int tag = DugmeEtiketi(No);
    if (tag == 0) return;
    SpeedButton[No]->setChecked(true);
    if (tag != 1) {
        bool okundu = false;
        if (!Tablolar.AnaVeriler.Active()) {
            Hatali(kProjeYok);
        } else {
            try {
                okundu = SistemTipiniOku();
            } catch (const std::exception& e) {
                Hatali(e.what());
            }
        }
        // The reader has shown why; the table stays as it was listed.
        if (!okundu) {
            Hata = 0;
            IzgaraDugmesiniGoster();
            return;
        }
        if (tag == 8 && SistemTipi == LevhaSistemi) {
            MesajKutusu("Levha sistemde eleman yükü öngörülmemeiştir.\rSadece düğümlerde tekil yük olabilir",
                        "UYARI:", "TamamUyarı1");
            IzgaraDugmesiniGoster();
            return;
        }
    }
    IzgaraTablosunuAyarla(EtiketinTablosu(tag));
    if (!VeriGirisiAcikMi()) {
        GirisUyarisi();
        return;
    }
    const int malzeme = Tablolar.MalzemeBilgileri.RecordCount(), kesit = Tablolar.KesitBilgileri.RecordCount();
    const int nokta = Tablolar.XYZ.RecordCount(), eleman = Tablolar.ED.RecordCount();
    const char* const noktaMesaji = "Önce noktaların koordinatlarını verin";
    const char* const elemanMesaji = "Önce eleman-nokta bağı bilgilerini verin";
    switch (tag) {
        case 1:
            if (AcikVeriTabani.empty()) return Hatali(kProjeYok);
            break;
        case 5:
        case 7:
        case 9:
            if (nokta < 2) return Hatali(noktaMesaji);
            break;
        case 6:
            if (malzeme < 1) return Hatali("Önce malzeme bilgilerini verin");
            if (kesit < 1) return Hatali("Önce kesit bilgilerini verin");
            if (nokta < 2) return Hatali(noktaMesaji);
            if (eleman < 1) return Hatali(elemanMesaji);
            break;
        case 8:
            if (eleman < 1) return Hatali(elemanMesaji);
            break;
    }
    EditoruAc(tag);
}

void TfOrvelta::DBGrid1DblClick() {
    // An editor's save would rewrite the scratch tables under the solver.
    if (HesapYapiliyor()) return;
    Tablo* t = IzgaraTablosu();
    const int tag = TabloEtiketi(t);
    if (tag == 0 || !t->Active()) return;
    if (!VeriGirisiAcikMi()) {
        GirisUyarisi();
        return;
    }
    const QModelIndex i = DBGrid1->currentIndex();
    if (i.isValid()) IzgaraSatirinaGit(i.row());
    EditoruAc(tag);
}

bool TfOrvelta::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return QMainWindow::eventFilter(o, e);
    const auto* k = static_cast<QKeyEvent*>(e);
    if (o == DBGrid1 && k->key() == Qt::Key_Delete) {
        if (!HesapYapiliyor()) BitBtn23Click();
        return true;
    }
    // Enter on the grid is its double click: the editor of the current row.
    if (o == DBGrid1 && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)) {
        if (!k->isAutoRepeat()) DBGrid1DblClick();
        return true;
    }
    auto* b = qobject_cast<QAbstractButton*>(o);
    if (b && AracDugmeleri->buttons().contains(b) && AracDugmesineGec(b, k)) return true;
    return QMainWindow::eventFilter(o, e);
}

// The arrow keys on a tool button move the focus to the button above or
// below it and open nothing (a group of buttons that stay down would press
// the next one); the editor opens on Space, Enter or a click. At either end
// the focus stays (with Shift or Ctrl as well: the stock handling would
// press the next button then too).
bool TfOrvelta::AracDugmesineGec(QAbstractButton* Dugme, const QKeyEvent* Tus) {
    int adim = 0;
    switch (Tus->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: adim = -1; break;
        case Qt::Key_Down:
        case Qt::Key_Right: adim = 1; break;
        default: return false;
    }
    const QList<QAbstractButton*> sira = AracDugmeleri->buttons();  // in the panel's order
    for (int i = static_cast<int>(sira.indexOf(Dugme)) + adim; i >= 0 && i < sira.size(); i += adim) {
        if (sira[i]->isEnabled() && sira[i]->isVisible()) {
            sira[i]->setFocus(adim > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            break;
        }
    }
    return true;
}

// ------------------------------------------------------------------ deletions

void TfOrvelta::BitBtn23Click() { SatirlariSil(false); }
void TfOrvelta::BitBtn4Click() { SatirlariSil(true); }

void TfOrvelta::SatirlariSil(bool Tumu) {
    if (SpeedButton[1]->isChecked() || HesapYapiliyor()) return;
    if (!VeriGirisiAcikMi()) {
        GirisUyarisi();
        return;
    }
    Tablo* t = IzgaraTablosu();
    if (!t || !t->Active() || t->RecordCount() == 0 || t == &Tablolar.AnaVeriler) return;
    if (MesajKutusu(Tumu ? "Tüm satırlar silinecek\n\rDevam edeyim mi?" : "Seçili satırlar silinecek\n\rDevam edeyim mi?",
                    "SORU:", "EvetHayırSoru2") != "E")
        return;
    if (t->Durum() == TabloDurumu::Ekleme) {
        t->Cancel();
        return;
    }
    // The rows are taken by their ids before anything is deleted: positions
    // shift with every deletion.
    std::vector<long long> kimlikler;
    if (!Tumu) {
        for (const QModelIndex& i : DBGrid1->selectionModel()->selectedRows())
            if (i.row() < t->RecordCount()) kimlikler.push_back(t->SatirKimligi(i.row()));
        if (kimlikler.empty()) return;
    }
    try {
        t->IslemBaslat();
        if (Tumu) t->TumunuSil();
        else t->KimlikleriSil(kimlikler);
        t->IslemOnayla();
    } catch (const std::exception& e) {
        try {
            t->IslemGeriAl();
        } catch (const std::exception&) {
        }
        TabloDegistiBildir(*t);
        Hatali(std::string("Satırlar silinemedi, tablo değiştirilmedi:\r") + e.what());
        return;
    }
    TabloDegistiBildir(*t);
    // The scratch table follows its project table; a reader that fails has
    // shown its message.
    if (auto oku = Okuyucusu(t)) {
        try {
            oku();
        } catch (const std::exception& e) {
            Hatali(e.what());
        }
        Hata = 0;
    }
}

void TfOrvelta::BitBtn5Click() {
    if (HesapYapiliyor()) return;
    if (!VeriGirisiAcikMi()) {
        GirisUyarisi();
        return;
    }
    if (AcikVeriTabani.empty() || !Tablolar.AnaVeriler.Active()) return Hatali(kProjeYok);
    // The file the project tables are bound to is the one that is emptied.
    const std::string dosya = Tablolar.MalzemeBilgileri.Dosya();
    if (MesajKutusu(dosya + "\r\r" + "Yukarıdaki veri tabanının tüm kayıtları silinecek, sadece ana veriler kalacak\r" +
                        "Devam edeyim mi?",
                    "UYARI:", "EvetHayır2") != "E")
        return;
    Tablo* sira[] = {&Tablolar.MalzemeBilgileri, &Tablolar.KesitBilgileri, &Tablolar.ElemanMalzemeKesitMafsalbagi,
                     &Tablolar.ElemanNoktaBagi, &Tablolar.Koordinatlar, &Tablolar.Yukler,
                     &Tablolar.ElemanYukleri, &Tablolar.SinirKosullari};
    // All tables or none.
    try {
        Tablolar.AnaVeriler.IslemBaslat();
        for (Tablo* t : sira) t->TumunuSil();
        Tablolar.AnaVeriler.IslemOnayla();
    } catch (const std::exception& e) {
        try {
            Tablolar.AnaVeriler.IslemGeriAl();
        } catch (const std::exception&) {
        }
        for (Tablo* t : sira) TabloDegistiBildir(*t);
        return Hatali(std::string("Veriler silinemedi, veri tabanı değiştirilmedi:\r") + e.what());
    }
    for (Tablo* t : sira) TabloDegistiBildir(*t);
    // The scratch tables match the now empty project also when the open
    // dialog below is cancelled.
    KaralamaTablolariniBosalt();
    NoktaSayisi = ElemanSayisi = MafsalSayisi = SinirKosuluSayisi = 0;
    BitBtn11Click();
    SpeedButtonClick(1);
}

// ------------------------------------------------------------------ "Çiz"

void TfOrvelta::BitBtn1Click() {
    if (CizimPenceresiAcik() || HesapYapiliyor()) return;
    // The geometry-only pass; the drawing window opens also when it failed.
    HesaplaCalistir(true);
    ProgressBar1->hide();
    Memo1->hide();
    CizimPenceresiniGoster(this, true);
}

// ------------------------------------------------------------------ help, about, zoom

std::string TfOrvelta::YardimDosyasi() const { return VerilerOrtakKlasoru() + "/OrveltaYardım.pdf"; }

void TfOrvelta::Yardm1Click() {
    const std::string d = YardimDosyasi();
    if (!DosyaVarMi(d)) return Hatali("Yardım dosyası bulunamadı:\r" + d);
    // Only the viewer this program started is closed first.
    if (!DisGostericiyiAc(d))
        MesajKutusu("PDF dosyalarını gösterecek bir program bulunamadı.\rYardım dosyası: " + d, "BİLGİ:",
                    "TamamBilgi1");
}

void TfOrvelta::Hakkinda1Click() {
    TfHakkinda h(this);
    h.exec();
}

void TfOrvelta::FormubuyutKucult1Click() {
    TFormBuyutKucult f(this);
    f.exec();
}

// ------------------------------------------------------------------ list-picture preview

void TfOrvelta::ListeOgesiUzerinde(QObject* Liste, const QString& Metin) {
    sonListe_ = Liste;
    const QString m = Metin.left(128);
    // The same text again (another list): the picture is still refreshed.
    if (ComboboxItemName->text() == m) ComboboxItemNameChange();
    else ComboboxItemName->setText(m);
}

void TfOrvelta::ComboboxItemNameChange() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activeWindow();
    if (!w) return;
    const int tag = w->property("Tag").toInt();
    if (tag != 1 && tag != 3 && tag != 5 && tag != 8) return;
    const QString metin = ComboboxItemName->text();
    const int iki = metin.indexOf(':');
    bool sayi = false;
    const int n = (iki < 0 ? metin : metin.left(iki)).toInt(&sayi);
    auto resim = [w](const char* ad) { return w->findChild<QLabel*>(ad); };
    if (!sayi || n < 1 || n > 99) {
        if (tag == 3)
            if (QLabel* r = resim("Image1")) r->hide();
        return;
    }
    const std::string no = std::to_string(n);
    // The list whose item is under the mouse is the one with the focus.
    QObject* liste = sonListe_ ? sonListe_.data() : QApplication::focusWidget();
    const QString listeAdi = liste ? liste->objectName() : QString();
    switch (tag) {
        case 1:
            if (listeAdi == "ComboBox1") ResmiGoster(resim("Image1"), "Sistem" + no);
            else if (listeAdi == "ComboBox2") ResmiGoster(resim("Image2"), "Eksen" + no);
            break;
        case 3: ResmiGoster(resim("Image1"), "Kesit" + no); break;
        case 5: ResmiGoster(resim("Image1"), "Eleman" + no); break;
        case 8: ResmiGoster(resim("Image1"), "Yuk" + no); break;
    }
}
