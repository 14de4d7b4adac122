#pragma once
// The record editor every input window is made of: a key edit (`Edit0`) that
// finds and shows the row on every change, value edits (`LabeledEdit1`..),
// an optional "Türet:" group (`LabeledEdit10`..`LabeledEdit14`) whose five
// edits build a generation key, "Kaydet" (`BitBtn3`), "Sil" (`BitBtn2`,
// visible only while a stored row is shown), "Vazgeç" (`BitBtn1`), the
// record stepper (`UpDown1`) and the axis-set picture.
//
// HOW TO MAKE AN EDITOR
//   class TiNputX : public TKayitEditoru {
//     TiNputX(QWidget* Ust) : TKayitEditoru(Ayarlar(), Ust) {
//       DegerEkle(1, "Alan", "Etiket:", "İpucu");   // one per field, in tab order
//       ...                                          // own widgets: DegerDuzeni()
//       TuretGrubunuKur();                           // when Ayarlar().Turet != Yok
//       Bitir();                                     // buttons, tab order, key moves
//     }
//     void Denetle(const std::string& Anahtar, bool Turet) override { ... }
//   };
// The configuration (KayitEditoruAyarlari) names the window, its tag, the
// project table and key field, the scratch table of the existence checks,
// the reader rerun after a change, the delete phrase, the default key and the
// "Türet:" captions and messages.
//
// WHAT RUNS WHEN
// Set-up (queued from the first show and every later show; GosterimSonrasi):
//   position beside the opener (Left offset, Top + 350); the axis-set picture
//   from AnaVeriler.KoordinatSistemiNo ("Eksen<n>"); AlanlariTemizle; key :=
//   the key field of the project table's current row when the table has
//   rows, else VarsayilanAnahtar(); Edit0 := key; BulVeGoster;
//   KurulumSonrasi(); focus Edit0. Editors that need more override
//   KurulumOncesi() (fill lists) and KurulumSonrasi() (fields put in after
//   the find, which would otherwise wipe them).
// Find and show (BulVeGoster, on every change of Edit0):
//   key := Edit0 without blanks; KayitBul(key) (also tries the key's
//   normalised text, so "05" finds row "5"). Found: every value edit := its
//   field's text; a stored generation key is split into the five "Türet:"
//   edits, a plain key sets them to "0"; "Sil" shown; Gosterildi(true).
//   Not found: AlanlariTemizle; Gosterildi(false).
// Clearing (AlanlariTemizle): "Sil" hidden, every value edit := its clear
//   text ("0" unless DegerEkle said otherwise), the "Türet:" edits "0", then
//   EkTemizle().
// Save ("Kaydet"):
//   0. KaydetOncesi() (false: stop).
//   1. Hata := 0. The generation-key builder runs when the start edit is not
//      "0" (its five edits) or when the key edit holds a "," (its five parts):
//      range, pair, step and existence checks with the editor's messages and
//      the shared key check (model/AnahtarDenetimi.h); a failure shows one
//      "HATA:" box and stops; Hata is back at 0 afterwards.
//   2. Otherwise key := Edit0 without blanks; a plain number is written as
//      its integer text.
//   3. HataMesaji := empty; every value edit's text is checked against its
//      column (numbers parse without locale, 16-bit columns in range, texts
//      fit); then Denetle(key, isGenerationKey): the editor's own checks,
//      each assigning HataMesaji through Hatali(); the last one stands and is
//      shown in one "HATA:" box; nothing is written.
//   4. When the shown row is a generation-key row brought up by a find (not
//      the row the last save wrote) and the key changed: a key
//      another row holds is refused with a message; otherwise the user is
//      asked whether to replace it ("Evet": the shown row takes the new key
//      and the values in its place, so the rows after it still override it;
//      any other answer: nothing is written).
//   4a. YazmadanOnce(key, replaced key or empty): a message is shown in one
//      "HATA:" box and nothing is written (checks against the other stored
//      rows, which must not count the row the save replaces).
//   5. One transaction: the replaced row or KayitBul(key) -> Edit, else
//      Append; AnahtarYaz (the key field), every value field := its edit's
//      text, AlanlariYaz() (derived fields); Post. Any failure: Cancel, roll back, message; the
//      table is left browsable and the file unchanged.
//   6. The reader (Okuyucu) reruns, Hata := 0, the saved row is made
//      current, TabloDegistiBildir(table) tells the grid; after a
//      replacement Edit0 := the saved key; Kaydedildi(); focus Edit0.
// Delete ("Sil"): the row the last find located (KayitBul of the stored key
//   text, so a key typed with blanks deletes what was shown): question key + phrase +
//   "\r" + "Devam edeyim mi?" ("SORU:", "EvetHayır2"); "E": Delete in one
//   transaction, reader, Hata := 0, AlanlariTemizle, Silindi(), Edit0 emptied when
//   Ayarlar().SildiktenSonraBosalt, TabloDegistiBildir, focus Edit0.
// Keys: Enter and Down move the focus to the next control, Up to the
//   previous one (the key is swallowed) in Edit0, the value edits, the
//   "Türet:" edits and any widget given to TusSuzgeciEkle; a focused line
//   edit selects its text. A click into the start edit empties Edit0.
// Stepper: up = Prior, down = Next on the project table, then Edit0 := the
//   key field's text (KayitAdimlandi() for editors with a second key edit).
// NOTES FOR EDITORS
// - The opener puts the project table's cursor on the row to show (the
//   grid's current row) before the editor is shown; unmarking grid rows is
//   the main window's business.
// - Fields that are not value edits (lists, check boxes): write them in
//   AlanlariYaz and check their texts in Denetle with
//   T.FieldByName(...).MetinSigar(text), so a save never fails half-way.
// - Staged checks (stop after a stage with a message): return from Denetle
//   once HataMesaji is not empty.
// - Captions and hints of the buttons can be changed after Bitir().
// - Tests may run GosterimSonrasi() directly on a hidden editor; messages go
//   through MesajKutusu, so the headless port answers them.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QGridLayout;
class QGroupBox;
class QPushButton;
class QVBoxLayout;
class QToolButton;
class Tablo;

// Which messages and captions the "Türet:" group uses.
enum class TuretTuru {
    Yok,        // no generation key
    Koordinat,  // node captions; the coordinate editor's messages
    NoktaYuku,  // node captions; the nodal-load and support messages
    Eleman,     // element captions and messages
};

struct KayitEditoruAyarlari {
    QString Baslik;                      // window caption
    int Tag = 0;                         // property "Tag" for the main window
    Tablo* ProjeTablosu = nullptr;
    std::string AnahtarAlani;            // "NoktaNo"
    QString AnahtarEtiketi;              // "Nokta no:"
    QString AnahtarIpucu;
    Tablo* VarlikTablosu = nullptr;      // XYZ or ED: existence of ends
    std::string VarlikAlani;             // "NoktaNo" / "ElemanNo"
    int SolKaydirma = 250;               // Left offset beside the opener
    std::function<void()> Okuyucu;       // reader rerun after save/delete
    std::string SilmeIfadesi;            // " nolu ... veri tabanından silinecek"
    std::function<std::string()> VarsayilanAnahtar;  // key of an empty table
    TuretTuru Turet = TuretTuru::Yok;
    QString TuretBasligi = "Türet:";     // the group's caption
    QString TuretAciklamasi;             // the group's explanation (and its hint)
    bool EksenResmi = true;              // shows the axis-set picture
    QString EksenResmiAdi = "Image1";    // its object name
    bool SildiktenSonraBosalt = false;   // Edit0 emptied after a delete
    // false: an editor of the table's one row (main data): the key edit and
    // the stepper are hidden, "Sil" never shows, Edit0 holds
    // VarsayilanAnahtar() for KayitBul, no key field is written, and the
    // focus goes to the first field given to AlanEkle.
    bool AnahtarEditi = true;
};

class TKayitEditoru : public QDialog {
    Q_OBJECT
public:
    TKayitEditoru(KayitEditoruAyarlari Ayar, QWidget* Ust);

    const KayitEditoruAyarlari& Ayarlar() const { return ayar_; }

    // Controls, for the editor and for tests.
    QLineEdit* Edit0 = nullptr;
    QPushButton* BitBtn1 = nullptr;  // "Vazgeç"
    QPushButton* BitBtn2 = nullptr;  // "Sil"
    QPushButton* BitBtn3 = nullptr;  // "Kaydet"
    QWidget* UpDown1 = nullptr;
    QLabel* EksenResmi = nullptr;
    QGroupBox* TuretGrubu = nullptr;
    QLineEdit* TuretEdit[5] = {};    // LabeledEdit10..14
    // The value edit of the number given to DegerEkle (nullptr when none).
    QLineEdit* Deger(int No) const;
    // The label of value edit No (to change a unit caption).
    QLabel* Etiket(int No) const;

    // The pattern's steps (public so that the main window and tests can run them).
    Q_INVOKABLE void GosterimSonrasi();
    void AlanlariTemizle();
    virtual void BulVeGoster();      // Edit0Change
    void Kaydet();                   // BitBtn3Click
    void Sil();                      // BitBtn2Click
    void KayitAdimla(bool Sonraki);  // UpDown1Click

    // The generation-key builder on five texts: the normalised key, or empty
    // after its message was shown (Hata is left at 0).
    std::string TuretAnahtariniKur(const std::string Parca[5]);

protected:
    // ---- building (constructor of the editor)
    // A value edit LabeledEdit<No> for Alan, with its label (also its
    // accessible name), hint, and the text AlanlariTemizle puts in.
    QLineEdit* DegerEkle(int No, const std::string& Alan, const QString& Etiket,
                         const QString& Ipucu, const QString& Temiz = "0");
    // Any other field (a list, a check box) as a row "label | widget": the
    // label's text becomes its accessible name and it gets the key moves.
    QLabel* AlanEkle(QWidget* W, const QString& Etiket);
    QGridLayout* DegerDuzeni() const { return degerDuzeni_; }  // label | edit rows
    QVBoxLayout* SagSutun() const { return sagSutun_; }        // right of the values
    void TuretGrubunuKur();
    void Bitir();
    void TusSuzgeciEkle(QWidget* W);

    // ---- hooks
    // The editor's own checks; each failing one calls Hatali(message).
    virtual void Denetle(const std::string& Anahtar, bool Turet) {
        (void)Anahtar;
        (void)Turet;
    }
    static void Hatali(const std::string& Mesaj);
    // Fields derived from others, written after the value fields (in edit).
    virtual void AlanlariYaz(Tablo& T) { (void)T; }
    // Reset beyond the value and "Türet:" edits.
    virtual void EkTemizle() {}
    // After a find: Bulundu says whether a row is shown.
    virtual void Gosterildi(bool Bulundu) { (void)Bulundu; }
    // Before the set-up's clearing (fill lists by system type).
    virtual void KurulumOncesi() {}
    // End of the set-up, after its find.
    virtual void KurulumSonrasi() {}
    // After a delete (row gone, reader run, fields cleared).
    virtual void Silindi() {}
    // Finds the row of a key (the current row becomes it); the element-load
    // editor adds its load number.
    virtual bool KayitBul(const std::string& Anahtar);
    // Writes the key field(s) of the row in edit.
    virtual void AnahtarYaz(Tablo& T, const std::string& Anahtar);
    // After the stepper moved the table, before Edit0 is set.
    virtual void KayitAdimlandi() {}
    // First step of a save, before the builder: false stops the save (the
    // editor has shown its message).
    virtual bool KaydetOncesi() { return true; }
    // Last check before the row is written, after the question whether the
    // shown generation-key row is replaced (Yerine: its key, which the row
    // written gives up; empty when none): a message stops the save.
    virtual std::string YazmadanOnce(const std::string& Anahtar, const std::string& Yerine) {
        (void)Anahtar;
        (void)Yerine;
        return {};
    }
    // After a successful save (row written, reader run, grid told).
    virtual void Kaydedildi() {}
    // The question of "Sil" for the stored key shown: default key + the
    // delete phrase + "\r" + "Devam edeyim mi?".
    virtual std::string SilmeSorusuMetni(const std::string& Anahtar);

    bool eventFilter(QObject* O, QEvent* E) override;
    void showEvent(QShowEvent* E) override;

private:
    struct DegerEditi {
        int No;
        std::string Alan;
        QString Temiz;
        QLineEdit* Edit;
        QLabel* EtiketYazisi;
    };
    bool Yaz(const std::string& Anahtar, const std::string& Eski);
    void AnahtaraOdaklan();
    void Degisti(const std::string& Anahtar = {});
    bool BaskaSatirinAnahtari(const std::string& Anahtar, const std::string& Yerine);
    bool VarMi(long long No);

    KayitEditoruAyarlari ayar_;
    std::vector<DegerEditi> degerler_;
    QGridLayout* degerDuzeni_ = nullptr;
    QVBoxLayout* sagSutun_ = nullptr;
    QVBoxLayout* solSutun_ = nullptr;
    QWidget* ilkAlan_ = nullptr;  // first widget given to AlanEkle
    std::string bulunan_;  // stored key of the row the last find showed
    // The row shown was brought up by a find (the key edit, the stepper, the
    // set-up), not just saved: only such a row is offered for replacement.
    bool degistirilecek_ = false;
};
