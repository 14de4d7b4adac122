#pragma once
// A small page-report layer over the PDF writer: a header text on every
// page, fixed-pitch lines that flow onto new pages, half-line advances, a
// footer with the page number and page count, and export to a file.
// Texts arrive as UTF-8 and are written in CP1254 with an embedded
// fixed-pitch font, so every Turkish letter shows and can be extracted.
#include <memory>
#include <string>
#include <vector>

enum class KagitBoyutu { A4, A3 };

class PdfSayfaKatmani {
public:
    explicit PdfSayfaKatmani(KagitBoyutu kagit = KagitBoyutu::A4);
    ~PdfSayfaKatmani();
    PdfSayfaKatmani(const PdfSayfaKatmani&) = delete;
    PdfSayfaKatmani& operator=(const PdfSayfaKatmani&) = delete;

    // False, with HataMetni set, when the writer or the font could not be set up.
    bool BelgeyiBaslat();
    void YaziTipiAyarla(double Boyut, bool Kalin);
    // Printed at the top of every page, in the font size at the time of the call.
    void BaslikMetniEkle(const std::string& Metin);
    // One line at the current position; the position moves one line down and
    // a new page begins when the bottom margin is reached. A line wider than
    // the space between the margins is condensed to fit it.
    void SatirYaz(const std::string& Metin);
    // Condenses the lines written after it in the current font by one
    // horizontal scale, so that the widest of Satirlar fits between the
    // margins and the fixed-pitch columns of all of them stay aligned; full
    // width when they all fit.
    void SatirlariSigdir(const std::vector<std::string>& Satirlar);
    void YarimSatirAtla();
    // Right margin position in points from the page's left edge.
    double SagKenar() const;
    // Footer: Metin followed by " - Sayfa: n/N", right-aligned at the right
    // margin of every page. Metin is plain text, never a format.
    void AltBilgiEkle(const std::string& Metin);
    // Draws the footers and writes the file. False with HataMetni on failure.
    bool PdfOlarakKaydet(const std::string& Dosya);

    int SayfaSayisi() const;
    const std::string& HataMetni() const { return hata_; }

private:
    struct Ic;
    std::unique_ptr<Ic> ic_;
    std::string hata_;
    void YeniSayfa();
};

// UTF-8 to CP1254; characters the code page lacks become "?".
std::string Utf8DenCp1254e(const std::string& s);
