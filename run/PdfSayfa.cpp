#include "run/PdfSayfa.h"

#include <hpdf.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <filesystem>

namespace {

const char* kNormalFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
const char* kKalinFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";

constexpr double kSolKenar = 40, kSagKenarBoslugu = 40, kUstKenar = 40, kAltKenar = 50;
// The writer's bounds of the horizontal scale, in percent.
constexpr double kEnDarOlcek = 10, kTamOlcek = 100;

// Width in points of a CP1254 text in the font and size given, at full width.
double TamGenislik(HPDF_Font font, double boyut, const std::string& cp) {
    if (cp.empty()) return 0;
    HPDF_TextWidth w =
        HPDF_Font_TextWidth(font, reinterpret_cast<const HPDF_BYTE*>(cp.data()), static_cast<HPDF_UINT>(cp.size()));
    return w.width * boyut / 1000.0;
}

// The largest scale, at most Olcek, at which a text of full width Genislik
// fits in Alan points; rounded down to a hundredth of a percent, as the
// writer keeps it.
double SigdiranOlcek(double Genislik, double Alan, double Olcek) {
    if (Genislik * Olcek / kTamOlcek <= Alan) return Olcek;
    double o = std::floor(Alan / Genislik * kTamOlcek * 100) / 100;
    return o < kEnDarOlcek ? kEnDarOlcek : o;
}

// One text at (x, y) on the page, condensed to Olcek percent.
void MetinCiz(HPDF_Page p, HPDF_Font font, double boyut, double x, double y, const std::string& cp, double olcek) {
    HPDF_Page_BeginText(p);
    HPDF_Page_SetFontAndSize(p, font, boyut);
    HPDF_Page_SetHorizontalScalling(p, olcek);
    HPDF_Page_TextOut(p, x, y, cp.c_str());
    HPDF_Page_EndText(p);
}

void HataYakala(HPDF_STATUS hata, HPDF_STATUS ayrinti, void* kullanici) {
    auto* kod = static_cast<unsigned long*>(kullanici);
    if (*kod == 0) *kod = static_cast<unsigned long>(hata) * 0x10000UL + (ayrinti & 0xFFFF);
}

// Code points of CP1254's upper half that differ from Latin-1.
struct Eslesme {
    char32_t kod;
    unsigned char bayt;
};
const Eslesme kOzel[] = {
    {0x011E, 0xD0}, {0x0130, 0xDD}, {0x015E, 0xDE}, {0x011F, 0xF0}, {0x0131, 0xFD},
    {0x015F, 0xFE}, {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84},
    {0x2026, 0x85}, {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89},
    {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C}, {0x2018, 0x91}, {0x2019, 0x92},
    {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
    {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
    {0x0178, 0x9F}};

}  // namespace

std::string Utf8DenCp1254e(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t kod;
        int uzunluk;
        if (c < 0x80) { kod = c; uzunluk = 1; }
        else if ((c & 0xE0) == 0xC0) { kod = c & 0x1F; uzunluk = 2; }
        else if ((c & 0xF0) == 0xE0) { kod = c & 0x0F; uzunluk = 3; }
        else if ((c & 0xF8) == 0xF0) { kod = c & 0x07; uzunluk = 4; }
        else { out += '?'; ++i; continue; }
        if (i + uzunluk > s.size()) { out += '?'; break; }
        bool gecerli = true;
        for (int k = 1; k < uzunluk; ++k) {
            unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) { gecerli = false; break; }
            kod = (kod << 6) | (d & 0x3F);
        }
        if (!gecerli) { out += '?'; ++i; continue; }
        i += uzunluk;
        unsigned char bayt = 0;
        for (const auto& e : kOzel)
            if (e.kod == kod) bayt = e.bayt;
        if (bayt == 0 && kod < 0x80) bayt = static_cast<unsigned char>(kod);
        if (bayt == 0 && kod >= 0xA0 && kod <= 0xFF && kod != 0xD0 && kod != 0xDD &&
            kod != 0xDE && kod != 0xF0 && kod != 0xFD && kod != 0xFE)
            bayt = static_cast<unsigned char>(kod);
        out += bayt ? static_cast<char>(bayt) : '?';
    }
    return out;
}

struct PdfSayfaKatmani::Ic {
    HPDF_Doc pdf = nullptr;
    unsigned long hataKodu = 0;
    KagitBoyutu kagit;
    HPDF_Font normal = nullptr, kalin = nullptr;
    double boyut = 7;
    bool kalinMi = false;
    std::vector<HPDF_Page> sayfalar;
    double y = 0;  // baseline of the next line
    struct Baslik {
        std::string metin;
        double boyut;
        bool kalin;
    };
    std::vector<Baslik> basliklar;
    std::string altBilgi;
    bool altBilgiVar = false;
    double altBilgiBoyutu = 7;
    double genislik = 0, yukseklik = 0;
    double olcek = kTamOlcek;  // horizontal scale of the lines, in percent

    double SatirYuksekligi() const { return boyut * 1.2; }
    HPDF_Font Font() const { return kalinMi ? kalin : normal; }
    double YaziAlani() const { return genislik - kSagKenarBoslugu - kSolKenar; }
    // A line at the left margin, condensed further when it is still too wide.
    void SatirCiz(HPDF_Page p, HPDF_Font font, double boyut, double y, const std::string& cp, double o) const {
        MetinCiz(p, font, boyut, kSolKenar, y, cp, SigdiranOlcek(TamGenislik(font, boyut, cp), YaziAlani(), o));
    }
};

PdfSayfaKatmani::PdfSayfaKatmani(KagitBoyutu kagit) : ic_(std::make_unique<Ic>()) {
    ic_->kagit = kagit;
}

PdfSayfaKatmani::~PdfSayfaKatmani() {
    if (ic_->pdf) HPDF_Free(ic_->pdf);
}

bool PdfSayfaKatmani::BelgeyiBaslat() {
    ic_->pdf = HPDF_New(HataYakala, &ic_->hataKodu);
    if (!ic_->pdf) {
        hata_ = "PDF belgesi oluşturulamadı";
        return false;
    }
    HPDF_SetCompressionMode(ic_->pdf, HPDF_COMP_ALL);
    const char* n = HPDF_LoadTTFontFromFile(ic_->pdf, kNormalFont, HPDF_TRUE);
    const char* b = HPDF_LoadTTFontFromFile(ic_->pdf, kKalinFont, HPDF_TRUE);
    if (!n || !b || ic_->hataKodu) {
        hata_ = "Yazı tipi yüklenemedi: " + std::string(kNormalFont);
        return false;
    }
    ic_->normal = HPDF_GetFont(ic_->pdf, n, "CP1254");
    ic_->kalin = HPDF_GetFont(ic_->pdf, b, "CP1254");
    if (!ic_->normal || !ic_->kalin || ic_->hataKodu) {
        hata_ = "Yazı tipi yüklenemedi: " + std::string(kNormalFont);
        return false;
    }
    YeniSayfa();
    return ic_->hataKodu == 0;
}

void PdfSayfaKatmani::YaziTipiAyarla(double Boyut, bool Kalin) {
    ic_->boyut = Boyut;
    ic_->kalinMi = Kalin;
}

void PdfSayfaKatmani::YeniSayfa() {
    HPDF_Page p = HPDF_AddPage(ic_->pdf);
    HPDF_Page_SetSize(p, ic_->kagit == KagitBoyutu::A3 ? HPDF_PAGE_SIZE_A3 : HPDF_PAGE_SIZE_A4,
                      HPDF_PAGE_PORTRAIT);
    ic_->sayfalar.push_back(p);
    ic_->genislik = HPDF_Page_GetWidth(p);
    ic_->yukseklik = HPDF_Page_GetHeight(p);
    ic_->y = ic_->yukseklik - kUstKenar;
    for (const auto& b : ic_->basliklar) {
        ic_->SatirCiz(p, b.kalin ? ic_->kalin : ic_->normal, b.boyut, ic_->y - b.boyut, Utf8DenCp1254e(b.metin),
                      kTamOlcek);
        ic_->y -= b.boyut * 1.2;
    }
    if (!ic_->basliklar.empty()) ic_->y -= ic_->SatirYuksekligi() / 2;
}

void PdfSayfaKatmani::BaslikMetniEkle(const std::string& Metin) {
    ic_->basliklar.push_back({Metin, ic_->boyut, ic_->kalinMi});
    // The header also stands on the page that is already open.
    HPDF_Page p = ic_->sayfalar.back();
    ic_->SatirCiz(p, ic_->Font(), ic_->boyut, ic_->y - ic_->boyut, Utf8DenCp1254e(Metin), kTamOlcek);
    ic_->y -= ic_->SatirYuksekligi() * 1.5;
}

void PdfSayfaKatmani::SatirYaz(const std::string& Metin) {
    if (ic_->y - ic_->SatirYuksekligi() < kAltKenar) YeniSayfa();
    HPDF_Page p = ic_->sayfalar.back();
    if (!Metin.empty()) ic_->SatirCiz(p, ic_->Font(), ic_->boyut, ic_->y - ic_->boyut, Utf8DenCp1254e(Metin), ic_->olcek);
    ic_->y -= ic_->SatirYuksekligi();
}

void PdfSayfaKatmani::SatirlariSigdir(const std::vector<std::string>& Satirlar) {
    double enGenis = 0;
    for (const auto& s : Satirlar) enGenis = std::max(enGenis, TamGenislik(ic_->Font(), ic_->boyut, Utf8DenCp1254e(s)));
    ic_->olcek = SigdiranOlcek(enGenis, ic_->YaziAlani(), kTamOlcek);
}

void PdfSayfaKatmani::YarimSatirAtla() { ic_->y -= ic_->SatirYuksekligi() / 2; }

double PdfSayfaKatmani::SagKenar() const { return ic_->genislik - kSagKenarBoslugu; }

void PdfSayfaKatmani::AltBilgiEkle(const std::string& Metin) {
    ic_->altBilgi = Metin;
    ic_->altBilgiVar = true;
    ic_->altBilgiBoyutu = ic_->boyut;
}

int PdfSayfaKatmani::SayfaSayisi() const { return static_cast<int>(ic_->sayfalar.size()); }

bool PdfSayfaKatmani::PdfOlarakKaydet(const std::string& Dosya) {
    if (!ic_->pdf) {
        hata_ = "PDF belgesi oluşturulamadı";
        return false;
    }
    // The page count is known only now: every footer is drawn at the end.
    if (ic_->altBilgiVar) {
        const int toplam = SayfaSayisi();
        for (int i = 0; i < toplam; ++i) {
            HPDF_Page p = ic_->sayfalar[i];
            std::string metin = Utf8DenCp1254e(ic_->altBilgi + " - Sayfa: " + std::to_string(i + 1) +
                                               "/" + std::to_string(toplam));
            const double tam = TamGenislik(ic_->normal, ic_->altBilgiBoyutu, metin);
            const double o = SigdiranOlcek(tam, ic_->YaziAlani(), kTamOlcek);
            MetinCiz(p, ic_->normal, ic_->altBilgiBoyutu, SagKenar() - tam * o / kTamOlcek, kAltKenar / 2, metin, o);
        }
        ic_->altBilgiVar = false;
    }
    if (ic_->hataKodu) {
        hata_ = "PDF belgesi hazırlanırken hata oluştu (kod " + std::to_string(ic_->hataKodu) + ")";
        return false;
    }
    // Written beside the target first, so a failure leaves no half file.
    const std::string gecici = Dosya + ".yaziliyor";
    if (HPDF_SaveToFile(ic_->pdf, gecici.c_str()) != HPDF_OK || ic_->hataKodu) {
        std::error_code ec;
        std::filesystem::remove(gecici, ec);
        hata_ = Dosya + " dosyası yazılamadı";
        ic_->hataKodu = 0;
        HPDF_ResetError(ic_->pdf);
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(gecici, Dosya, ec);
    if (ec) {
        std::filesystem::remove(gecici, ec);
        hata_ = Dosya + " dosyası yazılamadı";
        return false;
    }
    return true;
}
