#include "model/LibU.h"

#include <unistd.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <thread>

#include "model/Tipler.h"
#include "platform/KullaniciArayuzu.h"
#include "platform/TurkceMetin.h"

namespace {
// An input-output error whose text is the program's own.
class DosyaHatasi : public std::system_error {
public:
    DosyaHatasi(std::error_code ec, std::string metin) : std::system_error(ec), metin_(std::move(metin)) {}
    const char* what() const noexcept override { return metin_.c_str(); }

private:
    std::string metin_;
};

// The Turkish reason of a file error, for the common cases.
std::string HataNedeni(int e) {
    switch (e) {
        case ENOENT: return " (dosya veya klasör yok)";
        case EACCES: case EPERM: return " (erişim izni yok)";
        case ENOSPC: return " (diskte yer yok)";
        case EROFS: return " (salt okunur dosya sistemi)";
        case EISDIR: return " (bir klasör)";
        default: return "";
    }
}

// At most n characters of a UTF-8 text.
std::string Kes(const std::string& s, std::size_t n) { return s.substr(0, Utf8OnekUzunlugu(s, n)); }
}  // namespace

// ------------------------------------------------------------ message box
std::string MesajKutusu(const std::string& Metin, const std::string& Baslik, const std::string& Stil) {
    Arayuz().MesajlariIsle();
    std::string cevap = Arayuz().MesajGoster(Kes(Metin, 255), Kes(Baslik, 255), Stil);
    return cevap.empty() ? std::string(" ") : cevap;
}

// ------------------------------------------------------------ texts
std::string JetBaglantiMetni(const std::string& Dosya) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + Dosya + ";" + "Persist Security Info=False";
}

std::string TurkceBuyukHarf(const std::string& Metin) { return Utf8TurkceBuyuk(Metin); }
std::string TurkceKucukHarf(const std::string& Metin) { return Utf8TurkceKucuk(Metin); }

std::string AyiracOncesi(const std::string& Metin, const std::string& Ayirac) {
    const auto p = Ayirac.empty() ? std::string::npos : Metin.find(Ayirac);
    return p == std::string::npos ? Metin : Metin.substr(0, p);
}

std::string AyiracSonrasi(const std::string& Metin, const std::string& Ayirac) {
    const auto p = Ayirac.empty() ? std::string::npos : Metin.find(Ayirac);
    return p == std::string::npos ? std::string() : Metin.substr(p + Ayirac.size());
}

std::string KelimeAl(std::string& Metin, const std::string& Ayirac) {
    std::string kelime = AyiracOncesi(Metin, Ayirac);
    Metin = AyiracSonrasi(Metin, Ayirac);
    return kelime;
}

std::string BosluklariSil(const std::string& Metin) {
    std::string s;
    s.reserve(Metin.size());
    for (char c : Metin)
        if (c != ' ') s += c;
    return s;
}

std::string SolaDoldur(const std::string& Metin, char Dolgu, int Genislik) {
    if (Genislik <= 0) return {};
    const std::size_t n = Utf8KarakterSayisi(Metin);
    const auto g = static_cast<std::size_t>(Genislik);
    if (n >= g) return Kes(Metin, g);
    return std::string(g - n, Dolgu) + Metin;
}

// ------------------------------------------------------------ number checks
namespace {
// Blanks around a number are ignored, as the number conversion of the
// editors always did.
std::string_view Kirp(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}
}  // namespace

bool GercelSayiMi(const std::string& Metin, double& Deger, double Alt, double Ust) {
    std::string_view s = Kirp(Metin);
    bool eksi = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        eksi = s.front() == '-';
        s.remove_prefix(1);
    }
    // Only digits, one ".", and an exponent: no "inf", "nan", hex or a second sign.
    if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s.front())) || s.front() == '.')) return false;
    for (char c : s)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-'))
            return false;
    double d = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), d, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(d)) return false;
    if (eksi) d = -d;
    if (!(d >= Alt && d <= Ust)) return false;
    Deger = d;
    return true;
}

bool TamSayiCoz(const std::string& Metin, long long& Deger) {
    std::string_view s = Kirp(Metin);
    const bool arti = !s.empty() && s.front() == '+';
    if (arti) s.remove_prefix(1);
    if (s.empty() || (arti && s.front() == '-')) return false;
    long long d = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), d, 10);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return false;
    Deger = d;
    return true;
}

bool TamSayiMi(const std::string& Metin, int Alt, int Ust, int& Deger) {
    long long d = 0;
    if (!TamSayiCoz(Metin, d) || d < Alt || d > Ust) return false;
    Deger = static_cast<int>(d);
    return true;
}

// ------------------------------------------------------------ paths and files
void DosyaAdiParcala(const std::string& Yol, std::string& TamAd, std::string& Surucu,
                     std::string& Klasor, std::string& Ad, std::string& Uzanti) {
    namespace fs = std::filesystem;
    const std::string kucuk = TurkceKucukHarf(Yol);
    std::error_code ec;
    fs::path p = fs::absolute(fs::path(kucuk), ec);
    if (ec) p = fs::path(kucuk);
    p = p.lexically_normal();
    TamAd = p.string();
    Surucu = TamAd.substr(0, 2);
    const auto bolu = TamAd.rfind('/');
    Klasor = bolu == std::string::npos ? std::string() : TamAd.substr(0, bolu + 1);
    Ad = bolu == std::string::npos ? TamAd : TamAd.substr(bolu + 1);
    const auto nokta = Ad.rfind('.');
    Uzanti = nokta == std::string::npos ? std::string() : Ad.substr(nokta);
}

void ProgramYollariniBelirle() {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) throw fs::filesystem_error("Program yolu okunamadı", ec);
    std::string klasor;
    DosyaAdiParcala(exe.string(), ProgramTamAdi, ProgramSurucusu, klasor, ProgramAdi, ProgramUzantisi);
    Surucu = ProgramSurucusu;
    // The folder keeps its real letter case: on this file system a lower-cased
    // folder name would name a different (usually missing) folder.
    ProgramKlasoru = exe.lexically_normal().parent_path().string();
    if (ProgramKlasoru.size() > 1 && ProgramKlasoru.back() == '/') ProgramKlasoru.pop_back();
    VerilerKlasoru = ProgramKlasoru;
    fs::current_path(ProgramKlasoru);  // throws on failure
}

bool DosyaVarMi(const std::string& Yol) {
    std::error_code ec;
    return !Yol.empty() && std::filesystem::is_regular_file(Yol, ec);
}

void DosyaKopyala(const std::string& Kaynak, const std::string& Hedef, bool Sor) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!DosyaVarMi(Kaynak)) {
        MesajKutusu(Kaynak + " dosyası bulunamadı", "HATA:", "TamamHata1");
        Hata = 1;
        return;
    }
    // A copy onto the source itself would empty the file before reading it.
    if (fs::equivalent(fs::path(Kaynak), fs::path(Hedef), ec))
        throw DosyaHatasi(std::make_error_code(std::errc::invalid_argument),
                          Kaynak + " dosyası kendi üzerine kopyalanamaz");
    if (Sor && fs::exists(fs::path(Hedef), ec)) {
        const std::string cevap = MesajKutusu(
            Hedef + " dosyası zaten var" + "\r\r" + "Kopya işlemine devam edeyim mi ?", "SORU:", "EvetHayırSoru2");
        if (cevap == "H") return;
    }
    std::FILE* g = std::fopen(Kaynak.c_str(), "rb");
    if (!g) {
        const int e = errno;
        throw DosyaHatasi(std::error_code(e, std::generic_category()),
                          Kaynak + " dosyası okunamadı" + HataNedeni(e));
    }
    std::FILE* c = std::fopen(Hedef.c_str(), "wb");
    if (!c) {
        const int e = errno;
        std::fclose(g);
        throw DosyaHatasi(std::error_code(e, std::generic_category()),
                          Hedef + " dosyası oluşturulamadı" + HataNedeni(e));
    }
    std::array<char, 4096> blok;
    bool hata = false;
    int hataKodu = 0;
    for (;;) {
        const std::size_t n = std::fread(blok.data(), 1, blok.size(), g);
        if (n == 0) {
            if (std::ferror(g)) { hata = true; hataKodu = errno; }
            break;
        }
        if (std::fwrite(blok.data(), 1, n, c) != n) { hata = true; hataKodu = errno; break; }
    }
    std::fclose(g);
    if (std::fclose(c) != 0 && !hata) { hata = true; hataKodu = errno; }
    if (hata) {
        const int e = hataKodu ? hataKodu : EIO;
        throw DosyaHatasi(std::error_code(e, std::generic_category()),
                          Hedef + " dosyasına yazılamadı" + HataNedeni(e));
    }
}

std::uint16_t IslemciSayisi() {
    long n = ::sysconf(_SC_NPROCESSORS_ONLN);
    if (n < 1) n = static_cast<long>(std::thread::hardware_concurrency());
    if (n < 1) return 1;
    return static_cast<std::uint16_t>(n > 65535 ? 65535 : n);
}

// ------------------------------------------------------------ number texts
namespace {
// Decimal digits (no trailing zeros) and exponent of x rounded to 15
// significant digits: x = 0.d1d2... * 10^(us+1), that is d1.d2... * 10^us.
void OnBesBasamak(double x, std::string& basamaklar, int& us) {
    char tampon[64] = {};
    // d.dddddddddddddde±XX, with "." whatever the locale
    std::to_chars(tampon, tampon + sizeof tampon - 1, x, std::chars_format::scientific, 14);
    const char* p = tampon;
    basamaklar.clear();
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') basamaklar += *p;
    us = (*p == 'e') ? std::atoi(p + 1) : 0;
    while (basamaklar.size() > 1 && basamaklar.back() == '0') basamaklar.pop_back();
}

// The general text of a number from its significant digits (no trailing
// zeros) and its decimal exponent.
std::string BasamaklardanMetin(bool eksi, const std::string& d, int us);
}  // namespace

std::string GenelSayiMetni(double x) {
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
    if (x == 0) return "0";
    std::string d;
    int us = 0;
    OnBesBasamak(std::fabs(x), d, us);
    return BasamaklardanMetin(x < 0, d, us);
}

std::string OndalikSifirlariAt(std::string Metin) {
    if (Metin.find('.') == std::string::npos) return Metin;
    while (!Metin.empty() && Metin.back() == '0') Metin.pop_back();
    if (!Metin.empty() && Metin.back() == '.') Metin.pop_back();
    return Metin;
}

std::string YuvarlanmisSayiMetni(double x, int k) {
    const double y = Yuvarla(x, k);
    if (y == 0) return "0";
    if (k >= 0 && k <= 15 && std::isfinite(y)) {
        const double t = std::nearbyint(std::fabs(y) * std::pow(10.0, k));
        if (t < 1e15) {
            // y is the double nearest to t / 10^k, a decimal of at most 15
            // significant digits: its 15-digit text has those digits.
            char tampon[24];
            const auto r = std::to_chars(tampon, tampon + sizeof tampon, static_cast<unsigned long long>(t));
            std::string d(tampon, r.ptr);
            const int us = static_cast<int>(d.size()) - 1 - k;
            while (d.size() > 1 && d.back() == '0') d.pop_back();
            return BasamaklardanMetin(y < 0, d, us);
        }
    }
    return GenelSayiMetni(y);
}

namespace {
std::string BasamaklardanMetin(bool eksi, const std::string& d, int us) {
    std::string s;
    if (eksi) s = "-";
    const int n = static_cast<int>(d.size());
    if (us < -4 || us >= 15) {
        // mantissa, "E", exponent without leading zeros
        s += d[0];
        if (n > 1) { s += '.'; s += d.substr(1); }
        s += 'E';
        s += std::to_string(us);
        return s;
    }
    if (us < 0) {
        s += "0.";
        s += std::string(static_cast<std::size_t>(-us - 1), '0');
        s += d;
    } else if (n <= us + 1) {
        s += d;
        s += std::string(static_cast<std::size_t>(us + 1 - n), '0');
    } else {
        s += d.substr(0, static_cast<std::size_t>(us + 1));
        s += '.';
        s += d.substr(static_cast<std::size_t>(us + 1));
    }
    return s;
}
}  // namespace

double Yuvarla(double x, int k) {
    if (!std::isfinite(x)) return x;
    const double p = std::pow(10.0, std::abs(k));
    if (k >= 0) {
        const double y = x * p;
        if (!std::isfinite(y)) return x;  // beyond the range: already whole at this scale
        return std::nearbyint(y) / p;
    }
    return std::nearbyint(x / p) * p;
}

std::string BilimselSayiMetni23(double x) {
    auto sag = [](std::string s) { return s.size() < 23 ? std::string(23 - s.size(), ' ') + s : s; };
    if (std::isnan(x)) return sag("Nan");
    if (std::isinf(x)) return sag(x > 0 ? "+Inf" : "-Inf");
    char tampon[64] = {};
    std::to_chars(tampon, tampon + sizeof tampon - 1, std::fabs(x), std::chars_format::scientific, 14);
    const char* e = std::strchr(tampon, 'e');
    const int us = e ? std::atoi(e + 1) : 0;
    std::string s;
    s += (std::signbit(x) && x != 0) ? '-' : ' ';
    s.append(tampon, e ? static_cast<std::size_t>(e - tampon) : std::strlen(tampon));
    // "E+0012": the sign and four digits of the exponent
    const int u = us < 0 ? -us : us;
    const char ust[7] = {'E', us < 0 ? '-' : '+', char('0' + u / 1000 % 10), char('0' + u / 100 % 10),
                         char('0' + u / 10 % 10), char('0' + u % 10), '\0'};
    s += ust;
    return s;
}
