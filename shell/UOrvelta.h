#pragma once
// The main window `TfOrvelta`: the command panels, the data grid over the
// project tables, the report memo, the menus, the deferred set-up after the
// window is on screen, the project commands (open, new, save as) and the
// exit that removes every working file. It is also the user-interface port
// through which the model, the engine and the run reach the screen.
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/QtMesajKutusu.h"

class QAbstractButton;
class QAction;
class QActionGroup;
class QButtonGroup;
class QFileDialog;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;
class QVBoxLayout;
class Tablo;
class TabloModeli;

// Sets Enabled of every direct child control of Panel. Controls marked as
// having no command stay disabled.
void PanelKontrolleriniEtkinlestir(QWidget* Panel, bool Etkin);
// Marks a control as having no command yet: it stays disabled.
void KomutsuzIsaretle(QWidget* Kontrol);

// How long a hint stays on screen, in ms.
constexpr int IpucuGizlemeSuresi = 6000;

// "Kullanılan bellek: ,.# MB" for a size in megabytes.
std::string BellekMetni(double MB);

class TfOrvelta : public QMainWindow, public QtArayuz {
    Q_OBJECT
public:
    // SabitProgramKlasoru: when given, the set-up takes it as the program
    // folder instead of the executable's folder (tests run the window in a
    // temporary folder).
    explicit TfOrvelta(const std::string& SabitProgramKlasoru = {}, QWidget* parent = nullptr);
    ~TfOrvelta() override;

    // ---- deferred set-up
    Q_INVOKABLE void OlusturmaSonrasi();
    Q_INVOKABLE void GosterimSonrasi();
    bool KurulumTamam() const { return kurulumTamam_; }

    // The processor and thread labels from the worker count.
    void IslemciEtiketleriniYaz();

    // ---- memory label and activation
    long long BellekGoster();
    void FormActivate();
    void FormDeactivate();

    // ---- project files and the table set
    void TabloyuBagla(Tablo& T);
    void TablolariAc();
    void TablolariKapat();
    void TabloyuBosalt(Tablo& T);
    void KaralamaTablolariniBosalt();  // XYZ, ED, TYUK, EYUK, SK
    void ProjeKapandiysa(const Tablo& T);
    void VeriTabaniniAc();
    void BitBtn11Click();                  // "Veri tabanı aç"
    void VeriTabaniAc1Click(QAction* Oge); // recent items, "Aç", "Yeni"
    void Farklikaydet1Click();             // "Farklı kaydet"

    // ---- settings, recent list, calculation mode
    void AyarlariOku();
    void AyarlariYaz();
    void SonDosyalarMenusunuGuncelle();
    // The item of menu M (searched depth first) whose caption, as shown on
    // screen, is Baslik; letter case does not count. nullptr when none.
    static QAction* MenuOgesiBul(QMenu* M, const QString& Baslik);
    // The path of recent-project item i (1..5), "" for an empty item. The
    // item's caption shows the path as it is (an "&" in it is no
    // accelerator mark).
    std::string SonDosyaYolu(int i) const;
    void SonDosyaYoluAyarla(int i, const std::string& Yol);
    void YerDegistirmesizClick();

    // ---- "Hesabı durdur"
    void BitBtn3Click();

    // ---- tool buttons, the grid and its commands
    // SpeedButton1Click .. SpeedButton9Click: No is the button's number.
    void SpeedButtonClick(int No);
    void DBGrid1DblClick();
    void BitBtn23Click();  // "Seçili satırları sil"
    void BitBtn4Click();   // "Tüm satırları sil"
    void BitBtn5Click();   // "Tüm verileri sil"
    void BitBtn1Click();   // "Çiz"
    bool VeriGirisiAcikMi() const;
    // The editor tag (1..9) of a project table, 0 for any other table.
    static int TabloEtiketi(const Tablo* T);
    static Tablo* EtiketinTablosu(int Tag);

    // ---- help, about, zoom, the list-picture preview
    void Yardm1Click();
    void Hakkinda1Click();
    void FormubuyutKucult1Click();
    std::string YardimDosyasi() const;
    void ComboboxItemNameChange();

    // ---- exit
    void BitBtn99Click() { close(); }
    void Programkapa1Click() { close(); }

    // ---- paths
    std::string VerilerOrtakKlasoru() const;
    std::string TestProjesi() const;
    std::string BosSablon() const;
    std::string ElemanKuvvetleriDosyaYolu() const;
    std::string AyarDosyasi() const;
    // True for the four working databases of the shared data folder.
    bool CalismaDosyasiMi(const std::string& Yol) const;

    // The open and save dialogs. Tests may put their own in place; the
    // function returns false when the dialog was cancelled.
    using DosyaSecici = std::function<bool(bool Kaydet, const std::string& Baslangic, std::string& Secilen)>;
    DosyaSecici DosyaSec;
    QPointer<QFileDialog> AcikDosyaDiyalogu;  // the dialog on screen, if any

    // ---- the user-interface port
    void MemoEkle(const std::string& satir) override;
    void MemoSonSatiriDegistir(const std::string& satir) override;
    void MemoTemizle() override;
    void IlerlemeGoster(bool gorunur) override;
    void IlerlemeMaksimum(int m) override;
    void IlerlemeKonumu(int k) override;
    void BellekEtiketi(const std::string& metin) override;
    bool YerDegistirmeliHesap() const override;
    void YerDegistirmeliHesapAyarla(bool b) override;
    int MatrisGosterSecimi() const override;
    void MatrisGosterSecimiAyarla(int s) override;
    void KomutPanelleriniEtkinlestir(bool Etkin) override;
    void MemoGorunur(bool gorunur) override;
    void DurdurmaDugmesiGorunur(bool gorunur) override;
    void MatrisGoster(const MatrisGosterimi& M) override;
    void SonuclariGoster() override;

    // ---- controls (named as in the window's design)
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    std::array<QToolButton*, 10> SpeedButton{};  // [1..9]
    QButtonGroup* AracDugmeleri = nullptr;
    QPushButton* BitBtn99 = nullptr;  // "Çık"
    QPushButton* BitBtn9 = nullptr;   // "Hesapla"
    QPushButton* BitBtn11 = nullptr;  // "Veri tabanı aç"
    QPushButton* BitBtn1 = nullptr;   // "Çiz"
    QPushButton* BitBtn5 = nullptr;   // "Tüm verileri sil"
    QPushButton* BitBtn23 = nullptr;  // "Seçili satırları sil"
    QPushButton* BitBtn4 = nullptr;   // "Tüm satırları sil"
    QPushButton* BitBtn3 = nullptr;   // "Hesabı durdur"
    QGroupBox* RadioGroup2 = nullptr; // "Veri girişi"
    QRadioButton* VeriGirisiAcik = nullptr;
    QRadioButton* VeriGirisiKapali = nullptr;
    QTableView* DBGrid1 = nullptr;
    TabloModeli* IzgaraModeli = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label2 = nullptr;   // copyright mark
    QLabel* Label4 = nullptr;   // version line
    QLabel* Label7 = nullptr;   // processors
    QLabel* Label8 = nullptr;   // open project path
    QLabel* Label9 = nullptr;   // memory
    QLabel* Label10 = nullptr;  // threads
    QLabel* StaticText1 = nullptr;
    QLineEdit* ComboboxItemName = nullptr;

    QMenu* Veri = nullptr;  // "Dosya"
    std::array<QAction*, 7> VeriTabaniAc{};  // [1..6]
    QActionGroup* SonDosyaGrubu = nullptr;
    QAction* Ac1 = nullptr;
    QAction* Yeni1 = nullptr;
    QAction* Farklikaydet1 = nullptr;
    QAction* Programkapa1 = nullptr;
    QMenu* Ayarlar1 = nullptr;
    QAction* YerDegistirmesiz = nullptr;
    QAction* YerDegistirmeli = nullptr;
    QMenu* MatrisGoster1 = nullptr;
    QAction* NGoster = nullptr;
    QAction* indirgenmisNGoster = nullptr;
    QAction* B0Goster = nullptr;
    QAction* BxTGoster = nullptr;
    QAction* NBxTGoster = nullptr;
    QAction* NBxTfGoster = nullptr;
    QAction* indirgenmisNbxTfGoster = nullptr;
    QAction* HicbiriGoster = nullptr;
    QAction* Yardm1 = nullptr;
    QAction* Hakkinda1 = nullptr;
    QAction* FormubuyutKucult1 = nullptr;

    // The table the grid lists.
    Tablo* IzgaraTablosu() const;
    void IzgaraTablosunuAyarla(Tablo* T);
    void IzgarayiYenile();

    // Scales the window by P/Q: its size, the fonts and the sizes fixed in
    // its design. Scalings add up; scaling back returns the design exactly.
    void ScaleBy(int P, int Q);
    // The scale the window has now (1 = as designed).
    double Olcek() const { return static_cast<double>(olcekPay_) / static_cast<double>(olcekPayda_); }

    // Brings the window to the front (a second start asked for it).
    void OneGetir();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void ArayuzuKur();
    void AracPaneliniKur(QWidget* Ebeveyn);
    void IzgaraVeMemoyuKur(QWidget* Sag, QVBoxLayout* Duzen);
    void IlerlemeSatiriniKur(QWidget* Sag, QVBoxLayout* Duzen);
    void SilmePaneliniKur(QWidget* Sag);
    void DurumCubugunuKur();
    void DurumCubugunuOlcekle(int Genislik);
    void IzgaraSutunlariniSigdir();
    void MenuleriKur();
    void YolEtiketiniYaz(const std::string& Yol);
    bool DosyaDiyalogu(bool Kaydet, const std::string& Baslangic, std::string& Secilen);
    bool ProjeOlarakAcilabilir(const std::string& Yol);
    void ProjeSeciliyken(const std::string& Oneri);
    void CalismaTablolariniHazirla();
    void CalismaDosyalariniSil();
    void ProjeyiGenislet();
    void KomutlariBagla();
    void SatirlariSil(bool Tumu);
    void IzgaraDugmesiniGoster();
    void IzgaraSatiriniGoster();
    void IzgaraSatirinaGit(int Satir);
    void EditoruAc(int Tag);
    void ListeOgesiUzerinde(QObject* Liste, const QString& Metin);
    bool AracDugmesineGec(QAbstractButton* Dugme, const QKeyEvent* Tus);
    int tabloDinlemeNo_ = 0;
    bool izgaraYenileniyor_ = false;
    QPointer<QObject> sonListe_;  // the drop-down list whose item is under the mouse
    QPointer<QWidget> panelOdagi_;  // the panel control that had the focus when the panels went off
    QObject* listeGozcusu_ = nullptr;

    std::string sabitProgramKlasoru_;
    bool ilkGosterim_ = true;
    bool kurulumTamam_ = false;
    bool kapandi_ = false;
    bool kapanisBekliyor_ = false;  // a stopped calculation is closing the window when it ends
    void KapanisiBekle();
    bool ayarlarOkundu_ = false;       // the settings file may be written back
    bool calismaDosyalariVar_ = false; // the working files are to be removed
    std::string acikYolEtiketi_;
    long long olcekPay_ = 1, olcekPayda_ = 1;
    struct KontrolBoyutu {
        QPointer<QWidget> Kontrol;
        QSize EnAz, EnCok;
    };
    struct {
        bool Kayitli = false;
        double Yazi = 0;
        QSize Pencere;
        int SatirYuksekligi = 0;
        std::vector<KontrolBoyutu> Boyutlar;
    } tasarim_;
};

// The main window while the program runs (nullptr otherwise).
extern TfOrvelta* fOrvelta;
