#pragma once
// The one door through which the model, the engine and the run reach the
// screen. The main window implements it; the headless implementation below
// records everything for tests and the command-line driver.
#include <deque>
#include <functional>
#include <string>
#include <vector>

// What the solution hands to the matrix viewer: the chosen item and the
// sizes and calculation mode the run had when its solution started, so that
// the viewer never reads the menus again. The matrices themselves are the
// engine's arrays as the solution left them at that point.
struct MatrisGosterimi {
    int Secim = 0;               // item of "Matris göster...", 1..7
    std::string Baslik;          // its caption ("N denge matrisi", ...)
    int DenklemSayisi = 0;       // m, the equilibrium rows
    int BilinmeyenSayisi = 0;    // n, the unknowns
    bool YerDegistirmesiz = true;  // the calculation without displacements (no B0)
};

class KullaniciArayuzu {
public:
    virtual ~KullaniciArayuzu() = default;

    // Modal message box; returns the answer letter (see MesajKutusu).
    // The text and title arrive already cut to 255 characters.
    virtual std::string MesajGoster(const std::string& Metin, const std::string& Baslik,
                                    const std::string& Stil) = 0;

    // Processes pending window messages (the stop button is served here).
    virtual void MesajlariIsle() {}

    // The report memo `Memo1`.
    virtual void MemoEkle(const std::string& satir) { memo_.push_back(satir); }
    virtual void MemoSonSatiriDegistir(const std::string& satir) {
        if (memo_.empty()) memo_.push_back(satir); else memo_.back() = satir;
    }
    virtual void MemoTemizle() { memo_.clear(); }
    virtual const std::vector<std::string>& MemoSatirlari() const { return memo_; }

    // Progress bar.
    virtual void IlerlemeGoster(bool gorunur) {}
    virtual void IlerlemeMaksimum(int m) {}
    virtual void IlerlemeKonumu(int k) {}

    // Memory label text.
    virtual void BellekEtiketi(const std::string& metin) {}

    // Menu states the engine and the run read.
    virtual bool YerDegistirmeliHesap() const { return yerDegistirmeli_; }
    virtual void YerDegistirmeliHesapAyarla(bool b) { yerDegistirmeli_ = b; }
    // Matrix to show: 0 "Hiçbiri", 1.. the items of "Matris göster..." in order.
    virtual int MatrisGosterSecimi() const { return matrisSecimi_; }
    virtual void MatrisGosterSecimiAyarla(int s) { matrisSecimi_ = s; }

    // Whether a calculation is running (in place of the focus of "Hesapla").
    virtual bool HesapYapiliyor() const { return hesapYapiliyor_; }
    virtual void HesapYapiliyorAyarla(bool b) { hesapYapiliyor_ = b; }
    // Whether the running pass is the geometry-only one of "Çiz" (then
    // "Hesapla" does not have the focus).
    virtual bool SadeceGeometriOkunuyor() const { return sadeceGeometri_; }
    virtual void SadeceGeometriOkunuyorAyarla(bool b) { sadeceGeometri_ = b; }

    // Shows an intermediate matrix of the solution (the matrix viewer),
    // modally. The run ends after it: the caller sets Hata.
    virtual void MatrisGoster(const MatrisGosterimi& M) {}

    // Shows the results window modally after a completed calculation.
    virtual void SonuclariGoster() {}

    // The calculation run's controls: the command panels (enabled when idle),
    // the report memo and the stop button "Hesabı durdur" (shown during a run).
    virtual void KomutPanelleriniEtkinlestir(bool Etkin) {}
    virtual void MemoGorunur(bool gorunur) {}
    virtual void DurdurmaDugmesiGorunur(bool gorunur) {}

protected:
    std::vector<std::string> memo_;
    bool yerDegistirmeli_ = false;
    int matrisSecimi_ = 0;
    bool hesapYapiliyor_ = false;
    bool sadeceGeometri_ = false;
};

// A recorded message box call.
struct KayitliMesaj {
    std::string Metin, Baslik, Stil, Cevap;
};

// Headless implementation: records every message and answers from a script
// (a queue of answer letters; when it is empty, the letter of the box's first
// button: "E" for yes/no questions, "T" for OK boxes).
class BasliksizArayuz : public KullaniciArayuzu {
public:
    std::string MesajGoster(const std::string& Metin, const std::string& Baslik,
                            const std::string& Stil) override;
    void MesajlariIsle() override {
        if (IsleKancasi) IsleKancasi();
    }
    void MatrisGoster(const MatrisGosterimi& M) override {
        GosterilenMatrisler.push_back(M.Baslik);
        SonMatris = M;
    }

    // Keeps the report lines as the results window reads them.
    void SonuclariGoster() override {
        ++SonucGosterimSayisi;
        SonRapor = memo_;
    }

    std::deque<std::string> Cevaplar;          // scripted answers
    std::vector<KayitliMesaj> Mesajlar;        // every message shown
    std::vector<std::string> GosterilenMatrisler;
    MatrisGosterimi SonMatris;                 // the last one handed to the viewer
    std::function<void()> IsleKancasi;         // called on every message pump
    int SonucGosterimSayisi = 0;
    std::vector<std::string> SonRapor;         // memo lines when the results window opened
};

// The port in use. A headless one is in place until the program sets its own.
KullaniciArayuzu& Arayuz();
void ArayuzAyarla(KullaniciArayuzu* a);  // nullptr restores the headless default
BasliksizArayuz& VarsayilanBasliksizArayuz();
