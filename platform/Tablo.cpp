#include "platform/Tablo.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <unordered_map>
#include <variant>

#include "platform/TurkceMetin.h"

// ---------------------------------------------------------------- values

namespace {

using Deger = std::variant<std::monostate, long long, double, std::string>;

enum class SutunTuru { Kisa, Tamsayi, Gercel, Metin, Tarih };

struct Sutun {
    std::string ad;
    std::string adBuyuk;  // ASCII upper case, for lookups by name
    SutunTuru tur = SutunTuru::Metin;
    int uzunluk = 0;  // VARCHAR(n): n; 0 = unlimited
    bool anahtar = false;
};

std::string Kirp(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

// Number texts are read without locale: "." is the decimal separator.
bool GercelCoz(const std::string& metin, double& v) {
    std::string s = Kirp(metin);
    if (s.empty()) return false;
    const char* b = s.data();
    const char* e = b + s.size();
    if (*b == '+') ++b;
    if (b == e || (*b == '-' && b + 1 == e)) return false;
    auto r = std::from_chars(b, e, v, std::chars_format::general);
    return r.ec == std::errc() && r.ptr == e && std::isfinite(v);
}

// An integer, or a number with a whole value ("5.0", "1e3"): what an integer
// column takes from a text.
bool TamDegerliSayiCoz(const std::string& metin, long long& v) {
    std::string s = Kirp(metin);
    if (s.empty()) return false;
    const char* b = s.data();
    const char* e = b + s.size();
    if (*b == '+') ++b;
    auto r = std::from_chars(b, e, v);
    if (r.ec == std::errc() && r.ptr == e) return true;
    double d;
    if (GercelCoz(s, d) && d == std::floor(d) && std::fabs(d) < 9.0e18) {
        v = (long long)d;
        return true;
    }
    return false;
}

// The slot of a column name: its length and its first and last letters
// (names of one table mostly differ there: X1/X2, iNoktasi/jNoktasi).
size_t AdKodu(const char* ad, size_t n) {
    if (n == 0) return 0;
    return n * 131u + static_cast<unsigned char>(ad[0]) * 31u + static_cast<unsigned char>(ad[n - 1]);
}

long long Yuvarlak(double d) { return (long long)std::nearbyint(d); }

SutunTuru TurCoz(const std::string& bildirim, int& uzunluk) {
    std::string t = AsciiBuyuk(bildirim);
    uzunluk = 0;
    size_t p = t.find('(');
    if (p != std::string::npos) uzunluk = std::atoi(t.c_str() + p + 1);
    if (t.find("SMALLINT") != std::string::npos || t.find("INT16") != std::string::npos)
        return SutunTuru::Kisa;
    if (t.find("INT") != std::string::npos) return SutunTuru::Tamsayi;
    if (t.find("CHAR") != std::string::npos || t.find("TEXT") != std::string::npos ||
        t.find("CLOB") != std::string::npos || t.find("MEMO") != std::string::npos)
        return SutunTuru::Metin;
    if (t.find("DOUB") != std::string::npos || t.find("REAL") != std::string::npos ||
        t.find("FLOA") != std::string::npos || t.find("NUMERIC") != std::string::npos ||
        t.find("DECIMAL") != std::string::npos)
        return SutunTuru::Gercel;
    if (t.find("DATE") != std::string::npos || t.find("TIME") != std::string::npos)
        return SutunTuru::Tarih;
    return SutunTuru::Metin;
}


std::string Tirnakla(const std::string& ad) {
    std::string r = "\"";
    for (char c : ad) {
        if (c == '"') r += '"';
        r += c;
    }
    return r + "\"";
}

// Encodes a value for the hash indexes; values of one column always have the
// column's own type, so equal keys give equal codes.
void KodEkle(std::string& k, const Deger& d) {
    switch (d.index()) {
    case 0: k += 'n'; break;
    case 1: {
        long long v = std::get<1>(d);
        k += 'i';
        k.append(reinterpret_cast<const char*>(&v), sizeof v);
        break;
    }
    case 2: {
        double v = std::get<2>(d);
        if (v == 0) v = 0;  // -0 and 0 are the same key
        k += 'd';
        k.append(reinterpret_cast<const char*>(&v), sizeof v);
        break;
    }
    default: {
        const std::string& s = std::get<3>(d);
        uint32_t n = (uint32_t)s.size();
        k += 's';
        k.append(reinterpret_cast<const char*>(&n), sizeof n);
        k += s;
    }
    }
}

int Karsilastir(const Deger& a, const Deger& b) {
    if (a.index() == 0 || b.index() == 0) return int(a.index() != 0) - int(b.index() != 0);
    if (a.index() == 3 || b.index() == 3) {
        const std::string sa = a.index() == 3 ? std::get<3>(a) : std::string();
        const std::string sb = b.index() == 3 ? std::get<3>(b) : std::string();
        int c = sa.compare(sb);
        return (c > 0) - (c < 0);
    }
    double x = a.index() == 1 ? double(std::get<1>(a)) : std::get<2>(a);
    double y = b.index() == 1 ? double(std::get<1>(b)) : std::get<2>(b);
    if (a.index() == 1 && b.index() == 1) {
        long long p = std::get<1>(a), q = std::get<1>(b);
        return (p > q) - (p < q);
    }
    return (x > y) - (x < y);
}

struct Satir {
    long long rowid = 0;
    int konum = 0;  // position in the current order; may be stale, see KonumBul
    std::vector<Deger> d;
};

struct SiraAlani {
    int sutun;
    bool azalan;
};

struct HashIndeks {
    std::vector<int> sutunlar;
    std::unordered_map<std::string, std::vector<Satir*>> harita;
    // A one-field key holding a whole number is kept by the number itself.
    std::unordered_map<long long, std::vector<Satir*>> tamHarita;

    // The rows of a key, given by its field values in the index's order;
    // nullptr when there are none (Olustur: an empty list is made).
    std::vector<Satir*>* Liste(const Deger* const* degerler, bool Olustur) {
        if (sutunlar.size() == 1 && degerler[0]->index() == 1) {
            const long long k = std::get<1>(*degerler[0]);
            if (Olustur) return &tamHarita[k];
            auto it = tamHarita.find(k);
            return it == tamHarita.end() ? nullptr : &it->second;
        }
        const std::string k = Kod(degerler);
        if (Olustur) return &harita[k];
        auto it = harita.find(k);
        return it == harita.end() ? nullptr : &it->second;
    }
    void Cikar(const Deger* const* degerler, Satir* s) {
        auto sil = [s](auto& m, auto it) {
            if (it == m.end()) return;
            auto& v = it->second;
            v.erase(std::remove(v.begin(), v.end(), s), v.end());
            if (v.empty()) m.erase(it);
        };
        if (sutunlar.size() == 1 && degerler[0]->index() == 1)
            sil(tamHarita, tamHarita.find(std::get<1>(*degerler[0])));
        else
            sil(harita, harita.find(Kod(degerler)));
    }
    void Temizle() {
        harita.clear();
        tamHarita.clear();
    }

private:
    std::string Kod(const Deger* const* degerler) const {
        std::string k;
        for (size_t i = 0; i < sutunlar.size(); ++i) KodEkle(k, *degerler[i]);
        return k;
    }
};

}  // namespace

std::string GercelAlanMetni(double v) {
    if (!std::isfinite(v)) return std::isnan(v) ? "NAN" : (v > 0 ? "INF" : "-INF");
    if (v == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", v);
    // buf: [-]d.ddddddddddddddde[+-]xx
    std::string s(buf);
    bool eksi = s[0] == '-';
    if (eksi) s.erase(0, 1);
    size_t e = s.find('e');
    int us = std::atoi(s.c_str() + e + 1);
    std::string rakam = s.substr(0, 1) + s.substr(2, e - 2);
    while (rakam.size() > 1 && rakam.back() == '0') rakam.pop_back();
    std::string r;
    if (us >= -4 && us <= 14) {
        if (us < 0) {
            r = "0." + std::string(size_t(-us - 1), '0') + rakam;
        } else if ((int)rakam.size() <= us + 1) {
            r = rakam + std::string(size_t(us + 1 - rakam.size()), '0');
        } else {
            r = rakam.substr(0, size_t(us + 1)) + "." + rakam.substr(size_t(us + 1));
        }
    } else {
        r = rakam.substr(0, 1);
        if (rakam.size() > 1) r += "." + rakam.substr(1);
        r += "E" + std::to_string(us);
    }
    return eksi ? "-" + r : r;
}

// ---------------------------------------------------------------- reasons

namespace {

int kilitEngeliSayisi = 0;

// How long a statement waits for a lock another connection holds.
constexpr int kKilitBeklemesiMs = 2000;

struct SqliteNedeni {
    std::string Metin;
    VeriTabaniEngeli Engel;
};

// The one place where SQLite's results become the program's words: the
// reasons that lie in the file or the disk get a Turkish text (EngelNedeni);
// any other result keeps SQLite's own text.
SqliteNedeni NedenBul(sqlite3* db, int rc) {
    using E = VeriTabaniEngeli;
    E engel = E::Yok;
    switch (rc & 0xFF) {
        case SQLITE_READONLY: engel = E::SaltOkunur; break;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            ++kilitEngeliSayisi;
            engel = E::Kilitli;
            break;
        case SQLITE_FULL: engel = E::DiskDolu; break;
        case SQLITE_IOERR: engel = E::GirdiCikti; break;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB: engel = E::Bozuk; break;
        case SQLITE_CANTOPEN:
        case SQLITE_PERM: engel = E::Acilamadi; break;
        default: return {db ? sqlite3_errmsg(db) : sqlite3_errstr(rc), E::Yok};
    }
    return {EngelNedeni(engel), engel};
}

// The refusal of a statement on a table or a file named Ad.
TabloHatasi SqliteHatasi(sqlite3* db, int rc, const std::string& Ad) {
    SqliteNedeni n = NedenBul(db, rc);
    return TabloHatasi(Ad + ": " + n.Metin, n.Engel);
}

// The same for a failed preparation or read, whose result lies in the
// connection.
TabloHatasi SonHata(sqlite3* db, const std::string& Ad) { return SqliteHatasi(db, sqlite3_extended_errcode(db), Ad); }

}  // namespace

int KilitEngeliSayisi() { return kilitEngeliSayisi; }

std::string EngelNedeni(VeriTabaniEngeli Engel) {
    using E = VeriTabaniEngeli;
    switch (Engel) {
        case E::SaltOkunur: return "veri tabanı dosyası salt okunur, değiştirilemez";
        case E::Kilitli: return "veri tabanı dosyası başka bir program tarafından kilitlenmiş";
        case E::DiskDolu: return "diskte yer kalmadı";
        case E::GirdiCikti: return "veri tabanı dosyası diskte okunamadı veya yazılamadı";
        case E::Bozuk: return "veri tabanı dosyası bozuk";
        case E::Acilamadi: return "veri tabanı dosyası açılamadı";
        case E::Yok: break;
    }
    return {};
}

// ---------------------------------------------------------------- connection

class VeriTabaniBaglantisi {
public:
    sqlite3* db = nullptr;
    std::string yol;
    bool hizli = false;
    int islemDerinligi = 0;
    // Rows in memory changed inside the open transaction: a rollback has to
    // read the tables again.
    bool islemdeDegisti = false;
    std::set<Tablo*> tablolar;

    ~VeriTabaniBaglantisi();

    // Ad names the table or file in a refusal (the file's path by default).
    void Calistir(const char* sql, const std::string& Ad = {}) {
        const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) throw SonHata(db, Ad.empty() ? yol : Ad);
    }

    static std::shared_ptr<VeriTabaniBaglantisi> Al(const std::string& dosya, bool hizli);
};

namespace {
// SQLite counts its memory under a lock on every allocation unless told not
// to before it starts; the program never asks for those counts.
void BellekSayiminiKapat() {
    static const bool kapali = (sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0), true);
    (void)kapali;
}

// Kept until the very end of the process: global table objects close their
// connections while static objects are being destroyed.
std::map<std::string, std::weak_ptr<VeriTabaniBaglantisi>>& Baglantilar() {
    static auto* m = new std::map<std::string, std::weak_ptr<VeriTabaniBaglantisi>>;
    return *m;
}

std::string YolAnahtari(const std::string& dosya) {
    std::error_code ec;
    auto p = std::filesystem::weakly_canonical(std::filesystem::absolute(dosya, ec), ec);
    return ec ? dosya : p.string();
}
}  // namespace

VeriTabaniBaglantisi::~VeriTabaniBaglantisi() {
    if (db) sqlite3_close_v2(db);
    auto& m = Baglantilar();
    auto it = m.find(yol);
    if (it != m.end() && it->second.expired()) m.erase(it);
}

std::shared_ptr<VeriTabaniBaglantisi> VeriTabaniBaglantisi::Al(const std::string& dosya,
                                                               bool hizli) {
    std::string anahtar = YolAnahtari(dosya);
    auto& m = Baglantilar();
    auto it = m.find(anahtar);
    if (it != m.end())
        if (auto b = it->second.lock()) return b;

    std::error_code ec;
    if (dosya.empty() || !std::filesystem::is_regular_file(dosya, ec))
        throw TabloHatasi(dosya + " veri tabanı dosyası bulunamadı");
    BellekSayiminiKapat();
    auto b = std::make_shared<VeriTabaniBaglantisi>();
    b->yol = anahtar;
    b->hizli = hizli;
    // A file that nobody may write is only read, also by a user (root) whom
    // the system would let write it anyway.
    using fs = std::filesystem::perms;
    const auto izin = std::filesystem::status(dosya, ec).permissions();
    const bool salt = !ec && (izin & (fs::owner_write | fs::group_write | fs::others_write)) == fs::none;
    const int rc = sqlite3_open_v2(dosya.c_str(), &b->db,
                                   (salt ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        SqliteNedeni n = NedenBul(b->db, rc);
        throw TabloHatasi(dosya + " veri tabanı açılamadı: " + n.Metin, n.Engel);
    }
    // A file another connection holds locked is waited for once, briefly,
    // by every statement (reads and writes alike): a moment's work of
    // another program passes, a project it keeps locked is reported within
    // seconds. The first statement reads the file header: a file that is
    // not a database fails here.
    sqlite3_busy_timeout(b->db, kKilitBeklemesiMs);
    if (hizli)
        b->Calistir("PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF;");
    else
        b->Calistir("PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;");
    m[anahtar] = b;
    return b;
}

bool DosyaKullaniliyor(const std::string& dosya) {
    auto& m = Baglantilar();
    auto it = m.find(YolAnahtari(dosya));
    return it != m.end() && !it->second.expired();
}

// ---------------------------------------------------------------- table internals

struct Tablo::Ic {
    std::shared_ptr<VeriTabaniBaglantisi> bag;
    std::vector<Sutun> sutunlar;
    std::unordered_map<std::string, int> sutunNo;  // upper-case name -> column
    // Columns by their name as declared: an open-addressed table of column
    // numbers (-1 empty), its size a power of two, for the many field reads
    // of the calculation.
    std::vector<int> adTablosu;
    std::vector<std::unique_ptr<Satir>> sira;      // rows in the current order
    size_t kirli = 0;   // positions from here on may be stale
    int konum = 0;      // cursor, 0-based
    bool eof = true, bof = true;
    TabloDurumu durum = TabloDurumu::Gozatma;
    bool degisti = false;
    std::vector<Deger> tampon;  // the row in edit
    std::vector<SiraAlani> siraAlanlari;
    std::map<std::string, HashIndeks> indeksler;
    sqlite3_stmt* ekle = nullptr;
    sqlite3_stmt* sil = nullptr;
    // UPDATE statements by the columns they write ('1' per written column):
    // a row in edit writes back only the fields that changed, so the file's
    // indexes on the others are left alone.
    std::map<std::string, sqlite3_stmt*> guncellemeler;
    std::string tabloSql;  // the table's quoted name
    // Locate's field lists as written by the caller -> their hash index.
    std::unordered_map<std::string, HashIndeks*> aramaIndeksleri;

    ~Ic() { Bitir(); }

    // The phases of Open (ad: the table's name in messages, tabloAdi: its
    // name in the file): the columns and their declared types, refused when
    // the table or an expected column is missing; the rows in the order they
    // were appended; the statements that write rows back.
    void SutunlariOku(const std::string& ad, const std::string& tabloAdi,
                      const std::vector<std::string>& beklenen);
    void SatirlariOku(const std::string& ad, const std::string& tabloAdi);
    void DeyimleriHazirla(const std::string& ad, const std::string& tabloAdi);
    sqlite3_stmt* GuncellemeDeyimi(const std::string& maske, const std::string& ad);

    void Bitir() {
        sqlite3_finalize(ekle);
        sqlite3_finalize(sil);
        ekle = sil = nullptr;
        for (auto& [maske, st] : guncellemeler) sqlite3_finalize(st);
        guncellemeler.clear();
    }

    int KonumBul(Satir* s) {
        if (s->konum >= 0 && size_t(s->konum) < sira.size() && sira[size_t(s->konum)].get() == s)
            return s->konum;
        for (size_t i = kirli; i < sira.size(); ++i) sira[i]->konum = int(i);
        kirli = sira.size();
        return s->konum;
    }
    void KirliIsaretle(size_t p) { kirli = std::min(kirli, p); }

    bool Once(const Satir& a, const Satir& b) const {
        for (const auto& sa : siraAlanlari) {
            int c = Karsilastir(a.d[size_t(sa.sutun)], b.d[size_t(sa.sutun)]);
            if (c != 0) return sa.azalan ? c > 0 : c < 0;
        }
        return a.rowid < b.rowid;
    }

    void Sirala() {
        if (siraAlanlari.empty())
            std::sort(sira.begin(), sira.end(),
                      [](const auto& a, const auto& b) { return a->rowid < b->rowid; });
        else
            std::sort(sira.begin(), sira.end(),
                      [this](const auto& a, const auto& b) { return Once(*a, *b); });
        kirli = 0;
    }

    // Puts a row into the current order and returns its position.
    size_t Yerlestir(std::unique_ptr<Satir> s) {
        size_t p;
        if (siraAlanlari.empty()) {
            auto it = std::upper_bound(sira.begin(), sira.end(), s->rowid,
                                       [](long long r, const auto& x) { return r < x->rowid; });
            p = size_t(it - sira.begin());
        } else {
            auto it = std::upper_bound(sira.begin(), sira.end(), s,
                                       [this](const auto& a, const auto& b) { return Once(*a, *b); });
            p = size_t(it - sira.begin());
        }
        s->konum = int(p);
        if (p == sira.size()) {
            sira.push_back(std::move(s));
        } else {
            sira.insert(sira.begin() + std::ptrdiff_t(p), std::move(s));
            KirliIsaretle(p + 1);
        }
        return p;
    }

    // The row's values of the index's fields, in its order.
    static std::vector<const Deger*> AnahtarDegerleri(const HashIndeks& ix, const Satir* s) {
        std::vector<const Deger*> r;
        r.reserve(ix.sutunlar.size());
        for (int c : ix.sutunlar) r.push_back(&s->d[size_t(c)]);
        return r;
    }
    static void IndekseEkle(HashIndeks& ix, Satir* s) {
        if (ix.sutunlar.size() == 1) {
            const Deger* d = &s->d[size_t(ix.sutunlar[0])];
            ix.Liste(&d, true)->push_back(s);
        } else {
            ix.Liste(AnahtarDegerleri(ix, s).data(), true)->push_back(s);
        }
    }
    void IndekseEkle(Satir* s) {
        for (auto& [ad, ix] : indeksler) IndekseEkle(ix, s);
    }
    void IndekstenCikar(Satir* s) {
        for (auto& [ad, ix] : indeksler) {
            if (ix.sutunlar.size() == 1) {
                const Deger* d = &s->d[size_t(ix.sutunlar[0])];
                ix.Cikar(&d, s);
            } else {
                ix.Cikar(AnahtarDegerleri(ix, s).data(), s);
            }
        }
    }

    const std::vector<Deger>* GecerliDegerler() const {
        if (durum != TabloDurumu::Gozatma) return &tampon;
        if (sira.empty()) return nullptr;
        return &sira[size_t(konum)]->d;
    }
};

// ---------------------------------------------------------------- Tablo

Tablo::Tablo(std::string Ad, std::string TabloAdi)
    : ad_(std::move(Ad)), tabloAdi_(TabloAdi.empty() ? ad_ : std::move(TabloAdi)),
      ic_(std::make_unique<Ic>()) {}

Tablo::~Tablo() {
    try {
        Close();
    } catch (...) {
    }
}

void Tablo::Degisti() {
    static std::uint64_t son = 0;
    degisiklikNo_ = ++son;
}

void Tablo::SatirlarDegisti() {
    Degisti();
    // The open transaction of the file changed rows in memory.
    if (ic_->bag && ic_->bag->islemDerinligi > 0) ic_->bag->islemdeDegisti = true;
}

void Tablo::DosyaAyarla(const std::string& dosya, bool Hizli) {
    if (acik_) Close();
    dosya_ = dosya;
    hizli_ = Hizli;
}

void Tablo::BeklenenAlanlar(std::vector<std::string> alanlar) { beklenen_ = std::move(alanlar); }

TabloDurumu Tablo::Durum() const { return ic_->durum; }
bool Tablo::Modified() const { return ic_->degisti; }

namespace {
std::vector<SiraAlani> SiraCoz(Tablo& t, const std::string& metin, char ayirac);

Deger SqlDegeri(sqlite3_stmt* st, int i, const Sutun& s) {
    int t = sqlite3_column_type(st, i);
    if (t == SQLITE_NULL) return {};
    switch (s.tur) {
    case SutunTuru::Kisa:
    case SutunTuru::Tamsayi:
        if (t == SQLITE_INTEGER) return (long long)sqlite3_column_int64(st, i);
        if (t == SQLITE_FLOAT) return Yuvarlak(sqlite3_column_double(st, i));
        {
            long long v;
            const char* m = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
            if (m && TamDegerliSayiCoz(m, v)) return v;
            return {};
        }
    case SutunTuru::Gercel:
        if (t == SQLITE_INTEGER || t == SQLITE_FLOAT) return sqlite3_column_double(st, i);
        {
            double v;
            const char* m = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
            if (m && GercelCoz(m, v)) return v;
            return {};
        }
    default: {
        const char* m = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
        int n = sqlite3_column_bytes(st, i);
        if (!m || n == 0) return {};  // an empty text reads and locates as NULL
        return std::string(m, size_t(n));
    }
    }
}

// The same value as stored: same type and same bits (a float 0 and -0, or
// two NaNs, are not taken as the same).
bool AyniDeger(const Deger& a, const Deger& b) {
    if (a.index() != b.index()) return false;
    switch (a.index()) {
    case 0: return true;
    case 1: return std::get<1>(a) == std::get<1>(b);
    case 2: {
        const double x = std::get<2>(a), y = std::get<2>(b);
        return std::memcmp(&x, &y, sizeof x) == 0;
    }
    default: return std::get<3>(a) == std::get<3>(b);
    }
}

void Bagla(sqlite3_stmt* st, int i, const Deger& d) {
    switch (d.index()) {
    case 0: sqlite3_bind_null(st, i); break;
    case 1: sqlite3_bind_int64(st, i, std::get<1>(d)); break;
    case 2: sqlite3_bind_double(st, i, std::get<2>(d)); break;
    default: {
        const std::string& s = std::get<3>(d);
        sqlite3_bind_text(st, i, s.data(), int(s.size()), SQLITE_TRANSIENT);
    }
    }
}
}  // namespace

void Tablo::Ic::SutunlariOku(const std::string& ad, const std::string& tabloAdi,
                             const std::vector<std::string>& beklenen) {
    sqlite3* db = bag->db;
    sutunlar.clear();
    sutunNo.clear();
    adTablosu.clear();
    sqlite3_stmt* st = nullptr;
    std::string sql = "PRAGMA table_info(" + Tirnakla(tabloAdi) + ")";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw SonHata(db, ad);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        Sutun s;
        s.ad = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
        const unsigned char* tur = sqlite3_column_text(st, 2);
        s.tur = TurCoz(tur ? reinterpret_cast<const char*>(tur) : "", s.uzunluk);
        if (s.tur != SutunTuru::Metin) s.uzunluk = 0;
        s.anahtar = sqlite3_column_int(st, 5) > 0;
        s.adBuyuk = AsciiBuyuk(s.ad);
        sutunNo[s.adBuyuk] = int(sutunlar.size());
        sutunlar.push_back(std::move(s));
    }
    const int hata = rc == SQLITE_DONE ? SQLITE_OK : sqlite3_extended_errcode(db);
    sqlite3_finalize(st);
    if (hata != SQLITE_OK) throw SqliteHatasi(db, hata, ad);
    if (sutunlar.empty()) throw TabloHatasi(ad + ": " + tabloAdi + " tablosu bulunamadı");
    size_t boy = 16;
    while (boy < 4 * sutunlar.size()) boy *= 2;
    adTablosu.assign(boy, -1);
    for (size_t c = 0; c < sutunlar.size(); ++c) {
        size_t h = AdKodu(sutunlar[c].ad.data(), sutunlar[c].ad.size()) & (boy - 1);
        while (adTablosu[h] >= 0 && sutunlar[size_t(adTablosu[h])].ad != sutunlar[c].ad) h = (h + 1) & (boy - 1);
        if (adTablosu[h] < 0) adTablosu[h] = int(c);  // a repeated name keeps its first column
    }
    for (const auto& b : beklenen)
        if (!sutunNo.count(AsciiBuyuk(b))) throw TabloHatasi(ad + ": " + b + " alanı bulunamadı");
}

void Tablo::Ic::SatirlariOku(const std::string& ad, const std::string& tabloAdi) {
    sqlite3* db = bag->db;
    std::string sql = "SELECT rowid";
    for (const auto& s : sutunlar) sql += ", " + Tirnakla(s.ad);
    sql += " FROM " + Tirnakla(tabloAdi) + " ORDER BY rowid";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw SonHata(db, ad);
    sira.clear();
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        auto s = std::make_unique<Satir>();
        s->rowid = sqlite3_column_int64(st, 0);
        s->d.reserve(sutunlar.size());
        for (size_t i = 0; i < sutunlar.size(); ++i) s->d.push_back(SqlDegeri(st, int(i) + 1, sutunlar[i]));
        s->konum = int(sira.size());
        sira.push_back(std::move(s));
    }
    const int hata = rc == SQLITE_DONE ? SQLITE_OK : sqlite3_extended_errcode(db);
    sqlite3_finalize(st);
    if (hata != SQLITE_OK) throw SqliteHatasi(db, hata, ad);
    kirli = sira.size();
}

void Tablo::Ic::DeyimleriHazirla(const std::string& ad, const std::string& tabloAdi) {
    sqlite3* db = bag->db;
    const std::string tablo = Tirnakla(tabloAdi);
    tabloSql = tablo;
    std::string s1 = "INSERT INTO " + tablo + " (", s2 = ") VALUES (";
    for (size_t i = 0; i < sutunlar.size(); ++i) {
        if (i) {
            s1 += ", ";
            s2 += ", ";
        }
        s1 += Tirnakla(sutunlar[i].ad);
        s2 += "?";
    }
    std::string s4 = "DELETE FROM " + tablo + " WHERE rowid = ?";
    s1 += s2 + ")";
    if (sqlite3_prepare_v2(db, s1.c_str(), -1, &ekle, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(db, s4.c_str(), -1, &sil, nullptr) != SQLITE_OK)
        throw SonHata(db, ad);
}

sqlite3_stmt* Tablo::Ic::GuncellemeDeyimi(const std::string& maske, const std::string& ad) {
    auto it = guncellemeler.find(maske);
    if (it != guncellemeler.end()) return it->second;
    std::string sql = "UPDATE " + tabloSql + " SET ";
    bool ilk = true;
    for (size_t i = 0; i < sutunlar.size(); ++i) {
        if (maske[i] != '1') continue;
        if (!ilk) sql += ", ";
        ilk = false;
        sql += Tirnakla(sutunlar[i].ad) + " = ?";
    }
    sql += " WHERE rowid = ?";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(bag->db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        sqlite3_finalize(st);
        throw SonHata(bag->db, ad);
    }
    guncellemeler.emplace(maske, st);
    return st;
}

void Tablo::Open() {
    if (acik_) Close();
    Ic& ic = *ic_;
    try {
        ic.bag = VeriTabaniBaglantisi::Al(dosya_, hizli_);
        ic.SutunlariOku(ad_, tabloAdi_, beklenen_);
        ic.SatirlariOku(ad_, tabloAdi_);
        ic.DeyimleriHazirla(ad_, tabloAdi_);
    } catch (...) {
        ic.Bitir();
        ic.sira.clear();
        ic.sutunlar.clear();
        ic.sutunNo.clear();
        ic.adTablosu.clear();
        ic.bag.reset();
        throw;
    }
    ic.bag->tablolar.insert(this);
    acik_ = true;
    Degisti();
    ic.durum = TabloDurumu::Gozatma;
    ic.degisti = false;
    ic.indeksler.clear();
    ic.aramaIndeksleri.clear();
    // the order settings given before Open take effect now
    ic.siraAlanlari.clear();
    try {
        if (!sort_.empty())
            ic.siraAlanlari = SiraCoz(*this, sort_, ',');
        else if (!indeks_.empty())
            ic.siraAlanlari = SiraCoz(*this, indeks_, ';');
    } catch (...) {
        Close();
        throw;
    }
    ic.Sirala();
    First();
}

void Tablo::Close() {
    Ic& ic = *ic_;
    if (!acik_) return;
    ic.durum = TabloDurumu::Gozatma;
    ic.degisti = false;
    ic.tampon.clear();
    ic.Bitir();
    ic.sira.clear();
    ic.indeksler.clear();
    ic.aramaIndeksleri.clear();
    if (ic.bag) ic.bag->tablolar.erase(this);
    ic.bag.reset();
    acik_ = false;
    Degisti();
    ic.eof = ic.bof = true;
    ic.konum = 0;
}

namespace {
void AcikMi(const Tablo& t, bool acik) {
    if (!acik) throw TabloHatasi(t.Ad() + ": tablo açık değil");
}

// A changed row in edit is posted before the cursor moves, an unchanged one
// is dropped.
void GozatmayaDon(Tablo& t) {
    if (t.Durum() == TabloDurumu::Gozatma) return;
    if (t.Modified())
        t.Post();
    else
        t.Cancel();
}
}  // namespace

void Tablo::First() {
    AcikMi(*this, acik_);
    GozatmayaDon(*this);
    ic_->konum = 0;
    ic_->bof = true;
    ic_->eof = ic_->sira.empty();
}

void Tablo::Last() {
    AcikMi(*this, acik_);
    GozatmayaDon(*this);
    ic_->konum = ic_->sira.empty() ? 0 : int(ic_->sira.size()) - 1;
    ic_->eof = true;
    ic_->bof = ic_->sira.empty();
}

void Tablo::Next() {
    AcikMi(*this, acik_);
    GozatmayaDon(*this);
    Ic& ic = *ic_;
    if (size_t(ic.konum) + 1 < ic.sira.size()) {
        ++ic.konum;
        ic.eof = false;
        ic.bof = false;
    } else {
        ic.eof = true;
    }
}

void Tablo::Prior() {
    AcikMi(*this, acik_);
    GozatmayaDon(*this);
    Ic& ic = *ic_;
    if (ic.konum > 0 && !ic.sira.empty()) {
        --ic.konum;
        ic.bof = false;
        ic.eof = false;
    } else {
        ic.bof = true;
    }
}

bool Tablo::Eof() const { return !acik_ || ic_->eof; }
bool Tablo::Bof() const { return !acik_ || ic_->bof; }
int Tablo::RecordCount() const { return acik_ ? int(ic_->sira.size()) : 0; }
int Tablo::RecNo() const { return acik_ && !ic_->sira.empty() ? ic_->konum + 1 : 0; }

void Tablo::SetRecNo(int No) {
    AcikMi(*this, acik_);
    GozatmayaDon(*this);
    Ic& ic = *ic_;
    if (ic.sira.empty()) return;
    ic.konum = std::clamp(No, 1, int(ic.sira.size())) - 1;
    ic.eof = ic.bof = false;
}

namespace {
const Satir& KonumdakiSatir(const Tablo& t, bool acik, int Satir) {
    AcikMi(t, acik);
    const auto& sira = t.ic().sira;
    if (Satir < 0 || size_t(Satir) >= sira.size())
        throw TabloHatasi(t.Ad() + ": " + std::to_string(Satir + 1) + ". satır yok");
    return *sira[size_t(Satir)];
}
std::string DegerMetni(const Deger& d);
TabloHatasi YazmaHatasi(sqlite3* db, const std::string& ad, const std::vector<Sutun>& sutunlar);
}  // namespace

std::string Tablo::SatirMetni(int Satir, int Sutun) const {
    const ::Satir& s = KonumdakiSatir(*this, acik_, Satir);
    if (Sutun < 0 || size_t(Sutun) >= s.d.size()) throw TabloHatasi(ad_ + ": sütun yok");
    return DegerMetni(s.d[size_t(Sutun)]);
}

long long Tablo::SatirKimligi(int Satir) const { return KonumdakiSatir(*this, acik_, Satir).rowid; }

void Tablo::KimlikleriSil(const std::vector<long long>& Kimlikler) {
    AcikMi(*this, acik_);
    Cancel();
    Ic& ic = *ic_;
    const std::set<long long> silinecek(Kimlikler.begin(), Kimlikler.end());
    IslemBaslat();
    try {
        for (long long k : silinecek) {
            sqlite3_reset(ic.sil);
            sqlite3_bind_int64(ic.sil, 1, k);
            const int rc = sqlite3_step(ic.sil);
            sqlite3_reset(ic.sil);
            if (rc != SQLITE_DONE) throw YazmaHatasi(ic.bag->db, ad_, ic.sutunlar);
        }
    } catch (...) {
        IslemGeriAl();
        throw;
    }
    IslemOnayla();
    // The file holds the deletions: the rows in memory follow.
    for (auto& p : ic.sira)
        if (silinecek.count(p->rowid)) ic.IndekstenCikar(p.get());
    std::erase_if(ic.sira, [&](const auto& p) { return silinecek.count(p->rowid) > 0; });
    ic.kirli = 0;
    SatirlarDegisti();
    First();
}

namespace {
std::vector<std::string> Bol(const std::string& s, char ayirac) {
    std::vector<std::string> r;
    size_t b = 0;
    while (true) {
        size_t e = s.find(ayirac, b);
        std::string p = Kirp(s.substr(b, e == std::string::npos ? std::string::npos : e - b));
        if (!p.empty()) r.push_back(p);
        if (e == std::string::npos) break;
        b = e + 1;
    }
    return r;
}

// Converts a searched value to the type of its column; false when it cannot
// equal any value of the column.
bool AramaDegeri(const Sutun& s, const AnahtarDegeri& a, Deger& d) {
    switch (s.tur) {
    case SutunTuru::Kisa:
    case SutunTuru::Tamsayi:
        if (a.tur == AnahtarDegeri::Tamsayi) {
            d = a.i;
            return true;
        }
        if (a.tur == AnahtarDegeri::Gercel) {
            if (a.d != std::floor(a.d)) return false;
            d = (long long)a.d;
            return true;
        }
        if (Kirp(a.s).empty()) {
            d = {};
            return true;
        }
        {
            long long v;
            if (!TamDegerliSayiCoz(a.s, v)) return false;
            d = v;
            return true;
        }
    case SutunTuru::Gercel:
        if (a.tur == AnahtarDegeri::Tamsayi) {
            d = double(a.i);
            return true;
        }
        if (a.tur == AnahtarDegeri::Gercel) {
            d = a.d;
            return true;
        }
        if (Kirp(a.s).empty()) {
            d = {};
            return true;
        }
        {
            double v;
            if (!GercelCoz(a.s, v)) return false;
            d = v;
            return true;
        }
    default:
        if (a.tur == AnahtarDegeri::Tamsayi)
            d = std::to_string(a.i);
        else if (a.tur == AnahtarDegeri::Gercel)
            d = GercelAlanMetni(a.d);
        else
            d = a.s;
        // an empty text matches an empty or NULL field alike; stored texts are
        // never empty (an empty text is stored as NULL)
        if (std::get<3>(d).empty()) d = {};
        return true;
    }
}
}  // namespace

bool Tablo::Locate(const std::string& Alanlar, const AnahtarDegeri& Deger) {
    return Bul(Alanlar, &Deger, 1);
}

bool Tablo::Locate(const std::string& Alanlar, const std::vector<AnahtarDegeri>& Degerler) {
    return Bul(Alanlar, Degerler.data(), Degerler.size());
}

bool Tablo::Bul(const std::string& Alanlar, const AnahtarDegeri* Degerler, size_t n) {
    AcikMi(*this, acik_);
    GozatmayaDon(*this);
    Ic& ic = *ic_;
    // The field list as the caller wrote it names its index from the
    // second search on.
    HashIndeks* ix = nullptr;
    if (auto onceki = ic.aramaIndeksleri.find(Alanlar); onceki != ic.aramaIndeksleri.end()) {
        ix = onceki->second;
    } else {
        std::vector<std::string> adlar = Bol(Alanlar, ';');
        if (adlar.empty() || adlar.size() != n)
            throw TabloHatasi(ad_ + ": Locate için alan ve değer sayısı uyuşmuyor");
        std::vector<int> sutunlar;
        std::string indeksAdi;
        for (const auto& a : adlar) {
            sutunlar.push_back(FieldByName(a).sutun());
            indeksAdi += AsciiBuyuk(a) + ";";
        }
        auto it = ic.indeksler.find(indeksAdi);
        if (it == ic.indeksler.end()) {
            HashIndeks yeni;
            yeni.sutunlar = sutunlar;
            for (auto& s : ic.sira) Ic::IndekseEkle(yeni, s.get());
            it = ic.indeksler.emplace(indeksAdi, std::move(yeni)).first;
        }
        ix = &it->second;
        ic.aramaIndeksleri.emplace(Alanlar, ix);
    }
    if (ix->sutunlar.size() != n) throw TabloHatasi(ad_ + ": Locate için alan ve değer sayısı uyuşmuyor");
    // the searched values in the types of their columns (one field: no
    // lists to build)
    ::Deger tek;
    std::vector<::Deger> aranan(n > 1 ? n : 0);
    std::vector<const ::Deger*> anahtar(n > 1 ? n : 0);
    const ::Deger* tekAnahtar = &tek;
    for (size_t i = 0; i < n; ++i) {
        ::Deger& d = n > 1 ? aranan[i] : tek;
        if (!AramaDegeri(ic.sutunlar[size_t(ix->sutunlar[i])], Degerler[i], d)) return false;
        if (n > 1) anahtar[i] = &d;
    }
    const std::vector<Satir*>* bulunan = ix->Liste(n > 1 ? anahtar.data() : &tekAnahtar, false);
    if (!bulunan) return false;
    int enKucuk = -1;
    for (Satir* s : *bulunan) {
        int k = ic.KonumBul(s);
        if (enKucuk < 0 || k < enKucuk) enKucuk = k;
    }
    ic.konum = enKucuk;
    ic.eof = false;
    ic.bof = false;
    return true;
}

void Tablo::Edit() {
    AcikMi(*this, acik_);
    Ic& ic = *ic_;
    if (ic.durum != TabloDurumu::Gozatma) return;
    if (ic.sira.empty()) {
        Append();
        return;
    }
    ic.tampon = ic.sira[size_t(ic.konum)]->d;
    ic.durum = TabloDurumu::Duzenleme;
    ic.degisti = false;
}

void Tablo::Append() {
    AcikMi(*this, acik_);
    GozatmayaDon(*this);
    Ic& ic = *ic_;
    ic.tampon.assign(ic.sutunlar.size(), ::Deger{});
    ic.durum = TabloDurumu::Ekleme;
    ic.degisti = false;
}

void Tablo::Cancel() {
    if (!acik_) return;
    ic_->durum = TabloDurumu::Gozatma;
    ic_->degisti = false;
    ic_->tampon.clear();
}

namespace {
TabloHatasi YazmaHatasi(sqlite3* db, const std::string& ad, const std::vector<Sutun>& sutunlar) {
    int genis = sqlite3_extended_errcode(db);
    if (genis == SQLITE_CONSTRAINT_PRIMARYKEY || genis == SQLITE_CONSTRAINT_UNIQUE) {
        std::string alan;
        for (const auto& s : sutunlar)
            if (s.anahtar) alan += (alan.empty() ? "" : ", ") + s.ad;
        return TabloHatasi(ad + ": anahtar değeri tekrar ediyor" + (alan.empty() ? "" : " (" + alan + ")"));
    }
    if (genis == SQLITE_CONSTRAINT_NOTNULL) return TabloHatasi(ad + ": anahtar alanı boş bırakılamaz");
    return SqliteHatasi(db, genis, ad);
}
}  // namespace

void Tablo::Post() {
    AcikMi(*this, acik_);
    Ic& ic = *ic_;
    if (ic.durum == TabloDurumu::Gozatma) return;
    // values the database refuses
    for (size_t i = 0; i < ic.sutunlar.size(); ++i) {
        const Sutun& s = ic.sutunlar[i];
        const ::Deger& d = ic.tampon[i];
        if (s.tur == SutunTuru::Kisa && d.index() == 1) {
            long long v = std::get<1>(d);
            if (v < -32768 || v > 32767)
                throw TabloHatasi(ad_ + "." + s.ad + ": " + std::to_string(v) +
                                  " değeri -32768..32767 aralığının dışında");
        }
    }
    sqlite3* db = ic.bag->db;
    if (ic.durum == TabloDurumu::Ekleme) {
        sqlite3_stmt* st = ic.ekle;
        sqlite3_reset(st);
        for (size_t i = 0; i < ic.tampon.size(); ++i) Bagla(st, int(i) + 1, ic.tampon[i]);
        int rc = sqlite3_step(st);
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
        if (rc != SQLITE_DONE) throw YazmaHatasi(db, ad_, ic.sutunlar);
        auto s = std::make_unique<Satir>();
        s->rowid = sqlite3_last_insert_rowid(db);
        s->d = std::move(ic.tampon);
        Satir* p = s.get();
        ic.IndekseEkle(p);
        ic.konum = int(ic.Yerlestir(std::move(s)));
    } else {
        Satir* p = ic.sira[size_t(ic.konum)].get();
        std::string maske(ic.tampon.size(), '0');
        int yazilan = 0;
        for (size_t i = 0; i < ic.tampon.size(); ++i)
            if (!AyniDeger(p->d[i], ic.tampon[i])) {
                maske[i] = '1';
                ++yazilan;
            }
        // a row whose values are all as stored needs no write
        if (yazilan > 0) {
            sqlite3_stmt* st = ic.GuncellemeDeyimi(maske, ad_);
            sqlite3_reset(st);
            int k = 0;
            for (size_t i = 0; i < ic.tampon.size(); ++i)
                if (maske[i] == '1') Bagla(st, ++k, ic.tampon[i]);
            sqlite3_bind_int64(st, k + 1, p->rowid);
            int rc = sqlite3_step(st);
            sqlite3_reset(st);
            sqlite3_clear_bindings(st);
            if (rc != SQLITE_DONE) throw YazmaHatasi(db, ad_, ic.sutunlar);
        }
        ic.IndekstenCikar(p);
        bool siraDegisti = false;
        for (const auto& sa : ic.siraAlanlari)
            if (Karsilastir(p->d[size_t(sa.sutun)], ic.tampon[size_t(sa.sutun)]) != 0)
                siraDegisti = true;
        p->d = std::move(ic.tampon);
        ic.IndekseEkle(p);
        if (siraDegisti) {
            size_t eski = size_t(ic.konum);
            auto s = std::move(ic.sira[eski]);
            ic.sira.erase(ic.sira.begin() + std::ptrdiff_t(eski));
            ic.KirliIsaretle(eski);
            ic.konum = int(ic.Yerlestir(std::move(s)));
        }
    }
    ic.tampon.clear();
    ic.durum = TabloDurumu::Gozatma;
    ic.degisti = false;
    ic.eof = false;
    ic.bof = false;
    SatirlarDegisti();
    if (AfterPost) AfterPost(*this);
}

void Tablo::Delete() {
    AcikMi(*this, acik_);
    Ic& ic = *ic_;
    if (ic.durum == TabloDurumu::Ekleme) {
        Cancel();
        return;
    }
    Cancel();
    if (ic.sira.empty()) throw TabloHatasi(ad_ + ": silinecek kayıt yok");
    size_t p = size_t(ic.konum);
    Satir* s = ic.sira[p].get();
    sqlite3_stmt* st = ic.sil;
    sqlite3_reset(st);
    sqlite3_bind_int64(st, 1, s->rowid);
    int rc = sqlite3_step(st);
    sqlite3_reset(st);
    if (rc != SQLITE_DONE) throw YazmaHatasi(ic.bag->db, ad_, ic.sutunlar);
    ic.IndekstenCikar(s);
    ic.sira.erase(ic.sira.begin() + std::ptrdiff_t(p));
    ic.KirliIsaretle(p);
    SatirlarDegisti();
    ic.bof = false;
    if (ic.sira.empty()) {
        ic.konum = 0;
        ic.eof = ic.bof = true;
    } else if (p >= ic.sira.size()) {
        ic.konum = int(ic.sira.size()) - 1;
        ic.eof = true;
    } else {
        ic.eof = false;
        ic.bof = p == 0;
    }
}

Alan Tablo::FieldByName(const std::string& ad) { return FieldByName(ad.c_str(), ad.size()); }

Alan Tablo::FieldByName(const char* ad) { return FieldByName(ad, std::strlen(ad)); }

Alan Tablo::FieldByName(const char* ad, size_t uzunluk) {
    AcikMi(*this, acik_);
    const Ic& ic = *ic_;
    const size_t maske = ic.adTablosu.size() - 1;
    for (size_t h = AdKodu(ad, uzunluk) & maske;; h = (h + 1) & maske) {
        const int c = ic.adTablosu[h];
        if (c < 0) break;
        const std::string& sa = ic.sutunlar[size_t(c)].ad;
        if (sa.size() == uzunluk && std::memcmp(sa.data(), ad, uzunluk) == 0) return Alan(*this, c);
    }
    const std::string metin(ad, uzunluk);
    auto it = ic_->sutunNo.find(AsciiBuyuk(metin));
    if (it == ic_->sutunNo.end()) throw TabloHatasi(ad_ + ": " + metin + " alanı bulunamadı");
    return Alan(*this, it->second);
}

bool Tablo::AlanVar(const std::string& ad) const {
    return ic_->sutunNo.count(AsciiBuyuk(ad)) > 0;
}

std::vector<std::string> Tablo::AlanAdlari() const {
    std::vector<std::string> r;
    for (const auto& s : ic_->sutunlar) r.push_back(s.ad);
    return r;
}

namespace {
std::vector<SiraAlani> SiraCoz(Tablo& t, const std::string& metin, char ayirac) {
    std::vector<SiraAlani> r;
    for (const auto& parca : Bol(metin, ayirac)) {
        std::string ad = parca;
        bool azalan = false;
        size_t b = parca.find_last_of(" \t");
        if (b != std::string::npos) {
            std::string yon = AsciiBuyuk(Kirp(parca.substr(b + 1)));
            if (yon == "DESC" || yon == "ASC") {
                azalan = yon == "DESC";
                ad = Kirp(parca.substr(0, b));
            }
        }
        if (ad.size() >= 2 && ad.front() == '[' && ad.back() == ']') ad = ad.substr(1, ad.size() - 2);
        r.push_back({t.FieldByName(ad).sutun(), azalan});
    }
    return r;
}
}  // namespace

void Tablo::SetSort(const std::string& s) {
    if (!acik_) {
        sort_ = s;
        return;
    }
    GozatmayaDon(*this);
    auto alanlar = SiraCoz(*this, s, ',');
    sort_ = s;
    ic_->siraAlanlari = alanlar.empty() && !indeks_.empty() ? SiraCoz(*this, indeks_, ';') : alanlar;
    ic_->Sirala();
    Degisti();
    First();
}

void Tablo::SetIndexFieldNames(const std::string& s) {
    if (!acik_) {
        indeks_ = s;
        return;
    }
    GozatmayaDon(*this);
    auto alanlar = SiraCoz(*this, s, ';');
    indeks_ = s;
    if (sort_.empty()) {
        ic_->siraAlanlari = alanlar;
        ic_->Sirala();
        Degisti();
    }
    First();
}

void Tablo::TumunuSil() {
    AcikMi(*this, acik_);
    Cancel();
    IslemBaslat();
    try {
        std::string sql = "DELETE FROM " + Tirnakla(tabloAdi_);
        ic_->bag->Calistir(sql.c_str(), ad_);
    } catch (...) {
        IslemGeriAl();
        throw;
    }
    IslemOnayla();
    ic_->sira.clear();
    ic_->kirli = 0;
    for (auto& [ad, ix] : ic_->indeksler) ix.Temizle();
    SatirlarDegisti();
    First();
}

void Tablo::IslemBaslat() {
    AcikMi(*this, acik_);
    auto& b = *ic_->bag;
    if (b.islemDerinligi == 0) {
        b.Calistir("BEGIN");
        b.islemdeDegisti = false;
    }
    ++b.islemDerinligi;
}

void Tablo::IslemOnayla() {
    AcikMi(*this, acik_);
    auto& b = *ic_->bag;
    if (b.islemDerinligi == 0) return;
    if (--b.islemDerinligi > 0) return;
    try {
        b.Calistir("COMMIT", ad_);
    } catch (...) {
        // A refused commit leaves the transaction open, for the caller's
        // rollback.
        b.islemDerinligi = 1;
        throw;
    }
}

void Tablo::IslemGeriAl() {
    AcikMi(*this, acik_);
    auto bag = ic_->bag;
    if (bag->islemDerinligi == 0) return;
    bag->islemDerinligi = 0;
    if (!sqlite3_get_autocommit(bag->db)) bag->Calistir("ROLLBACK");
    // The rows in memory follow the file again; when nothing in memory
    // changed they are as the file holds them (a write another program's
    // lock refused leaves every table open). A table that cannot be read
    // again closes every table of the file: none is left with rows the
    // file does not hold.
    if (!bag->islemdeDegisti) return;
    bag->islemdeDegisti = false;
    std::vector<Tablo*> acik(bag->tablolar.begin(), bag->tablolar.end());
    try {
        for (Tablo* t : acik) t->Open();
    } catch (...) {
        for (Tablo* t : acik) t->Close();
        throw;
    }
}

// ---------------------------------------------------------------- fields

namespace {
const Deger& OkunanDeger(const Tablo& t, int sutun) {
    static const Deger bos;
    const auto* d = t.ic().GecerliDegerler();
    if (!d) return bos;
    return (*d)[size_t(sutun)];
}

const Sutun& SutunBilgisi(const Tablo& t, int sutun) { return t.ic().sutunlar[size_t(sutun)]; }

[[noreturn]] void SayiDegil(const Tablo& t, int sutun, const std::string& m) {
    throw TabloHatasi("'" + m + "' geçerli bir sayı değil (" + t.Ad() + "." +
                      SutunBilgisi(t, sutun).ad + ")");
}

void Yaz(Tablo& t, int sutun, Deger d) {
    auto& ic = t.ic();
    if (ic.durum == TabloDurumu::Gozatma)
        throw TabloHatasi(t.Ad() + ": kayıt düzenleme veya ekleme durumunda değil");
    ic.tampon[size_t(sutun)] = std::move(d);
    ic.degisti = true;
}
}  // namespace

int Alan::AsInteger() const {
    const Deger& d = OkunanDeger(t_, sutun_);
    switch (d.index()) {
    case 0: return 0;
    case 1: return int(std::get<1>(d));
    case 2: return int(Yuvarlak(std::get<2>(d)));
    default: {
        const std::string& s = std::get<3>(d);
        long long v;
        if (Kirp(s).empty()) return 0;
        if (!TamDegerliSayiCoz(s, v)) SayiDegil(t_, sutun_, s);
        return int(v);
    }
    }
}

double Alan::AsFloat() const {
    const Deger& d = OkunanDeger(t_, sutun_);
    switch (d.index()) {
    case 0: return 0;
    case 1: return double(std::get<1>(d));
    case 2: return std::get<2>(d);
    default: {
        const std::string& s = std::get<3>(d);
        double v;
        if (Kirp(s).empty()) return 0;
        if (!GercelCoz(s, v)) SayiDegil(t_, sutun_, s);
        return v;
    }
    }
}

namespace {
std::string DegerMetni(const Deger& d) {
    switch (d.index()) {
    case 0: return {};
    case 1: return std::to_string(std::get<1>(d));
    case 2: return GercelAlanMetni(std::get<2>(d));
    default: return std::get<3>(d);
    }
}
}  // namespace

std::string Alan::AsString() const { return DegerMetni(OkunanDeger(t_, sutun_)); }

bool Alan::IsNull() const { return OkunanDeger(t_, sutun_).index() == 0; }

const std::string& Alan::Ad() const { return SutunBilgisi(t_, sutun_).ad; }

void Alan::SetInteger(long long v) {
    const Sutun& s = SutunBilgisi(t_, sutun_);
    switch (s.tur) {
    case SutunTuru::Kisa:
    case SutunTuru::Tamsayi: Yaz(t_, sutun_, v); break;
    case SutunTuru::Gercel: Yaz(t_, sutun_, double(v)); break;
    default: SetString(std::to_string(v));
    }
}

void Alan::SetFloat(double v) {
    const Sutun& s = SutunBilgisi(t_, sutun_);
    if (!std::isfinite(v))
        throw TabloHatasi(t_.Ad() + "." + s.ad + ": sayı değeri geçersiz");
    switch (s.tur) {
    case SutunTuru::Kisa:
    case SutunTuru::Tamsayi:
        if (std::fabs(v) > 9.0e18)
            throw TabloHatasi(t_.Ad() + "." + s.ad + ": " + GercelAlanMetni(v) +
                              " değeri tamsayı alanına sığmıyor");
        Yaz(t_, sutun_, Yuvarlak(v));
        break;
    case SutunTuru::Gercel: Yaz(t_, sutun_, v); break;
    default: SetString(GercelAlanMetni(v));
    }
}

void Alan::SetString(const std::string& v) {
    const Sutun& s = SutunBilgisi(t_, sutun_);
    switch (s.tur) {
    case SutunTuru::Kisa:
    case SutunTuru::Tamsayi: {
        if (Kirp(v).empty()) {
            Yaz(t_, sutun_, {});
            return;
        }
        long long x;
        if (!TamDegerliSayiCoz(v, x)) SayiDegil(t_, sutun_, v);
        Yaz(t_, sutun_, x);
        return;
    }
    case SutunTuru::Gercel: {
        if (Kirp(v).empty()) {
            Yaz(t_, sutun_, {});
            return;
        }
        double x;
        if (!GercelCoz(v, x)) SayiDegil(t_, sutun_, v);
        Yaz(t_, sutun_, x);
        return;
    }
    default:
        if (v.empty()) {
            Yaz(t_, sutun_, {});
            return;
        }
        if (s.uzunluk > 0 && Utf8KarakterSayisi(v) > size_t(s.uzunluk))
            throw TabloHatasi(t_.Ad() + "." + s.ad + ": metin " + std::to_string(s.uzunluk) +
                              " karakterden uzun olamaz");
        Yaz(t_, sutun_, v);
    }
}

void Alan::Clear() { Yaz(t_, sutun_, {}); }

bool Alan::MetinSigar(const std::string& v) const {
    const Sutun& s = SutunBilgisi(t_, sutun_);
    switch (s.tur) {
    case SutunTuru::Kisa:
    case SutunTuru::Tamsayi: {
        if (Kirp(v).empty()) return true;
        long long x;
        if (!TamDegerliSayiCoz(v, x)) return false;
        return s.tur != SutunTuru::Kisa || (x >= -32768 && x <= 32767);
    }
    case SutunTuru::Gercel: {
        if (Kirp(v).empty()) return true;
        double x;
        return GercelCoz(v, x);
    }
    default: return s.uzunluk <= 0 || Utf8KarakterSayisi(v) <= size_t(s.uzunluk);
    }
}

int Alan::Uzunluk() const {
    const Sutun& s = SutunBilgisi(t_, sutun_);
    return s.tur == SutunTuru::Metin ? s.uzunluk : 0;
}

// ---------------------------------------------------------------- schema files

void SqlDosyasiniCalistir(const std::string& dosya, const std::string& sql, bool Hizli) {
    BellekSayiminiKapat();
    sqlite3* db = nullptr;
    const int acildi = sqlite3_open_v2(dosya.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (acildi != SQLITE_OK) {
        SqliteNedeni n = NedenBul(db, acildi);
        sqlite3_close_v2(db);
        throw TabloHatasi(dosya + " oluşturulamadı: " + n.Metin, n.Engel);
    }
    std::string tam = std::string(Hizli ? "PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF;\n" : "") +
                      "BEGIN;\n" + sql + "\n;COMMIT;";
    int rc = sqlite3_exec(db, tam.c_str(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        TabloHatasi hata = SonHata(db, dosya);
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close_v2(db);
        throw hata;
    }
    sqlite3_close_v2(db);
}

void DosyayiDiskeYaz(const std::string& dosya) {
    const int fd = ::open(dosya.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw TabloHatasi(dosya + " açılamadı: " + std::strerror(errno));
    const bool tamam = ::fsync(fd) == 0;
    const int e = errno;
    ::close(fd);
    if (!tamam) throw TabloHatasi(dosya + " diske yazılamadı: " + std::strerror(e));
}
