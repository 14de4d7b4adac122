#pragma once
// A table of a database file, used the way the program uses its datasets:
// a static cursor over the rows held in memory in their order, with every
// Post and Delete written through to the SQLite file at once.
//
// Column types are read from the table's declaration: SMALLINT columns are
// 16-bit integers (values outside -32768..32767 are refused), VARCHAR(n)
// columns texts of at most n characters, DOUBLE columns floats, DATETIME
// columns date texts. A primary key refuses repeats. Every refusal throws
// TabloHatasi, which callers may catch as they would a database error.
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;

// What in the database file itself kept a table from doing what was asked.
enum class VeriTabaniEngeli {
    Yok,          // anything else (a refused value, a missing table, ...)
    SaltOkunur,   // the file may only be read
    Kilitli,      // another connection or program holds the file
    DiskDolu,     // no room left on the disk
    GirdiCikti,   // the disk failed to read or write the file
    Bozuk,        // the file is damaged or not a database
    Acilamadi,    // the file could not be opened
};

class TabloHatasi : public std::runtime_error {
public:
    explicit TabloHatasi(const std::string& Metin, VeriTabaniEngeli Engel = VeriTabaniEngeli::Yok)
        : std::runtime_error(Metin), engel_(Engel) {}
    VeriTabaniEngeli Engel() const { return engel_; }

private:
    VeriTabaniEngeli engel_;
};

// The program's words for an obstacle in the file ("veri tabanı dosyası
// salt okunur, değiştirilemez", ...); empty for Yok.
std::string EngelNedeni(VeriTabaniEngeli Engel);

// How many times the database refused a table because another connection
// held its file locked, after the whole wait of about two seconds (for
// tests: each such refusal costs the user one wait).
int KilitEngeliSayisi();

// One database file, shared by every table object opened on it.
class VeriTabaniBaglantisi;

class Tablo;

// Field access by name, as a small proxy: t.FieldByName("X1").AsFloat().
class Alan {
public:
    Alan(Tablo& t, int sutun) : t_(t), sutun_(sutun) {}
    int AsInteger() const;             // NULL reads 0; a text is converted
    double AsFloat() const;            // NULL reads 0
    std::string AsString() const;      // NULL reads empty
    std::string Text() const { return AsString(); }
    bool IsNull() const;
    void SetInteger(long long v);
    void SetFloat(double v);
    void SetString(const std::string& v);  // into a number column: converted, or refused
    void SetText(const std::string& v) { SetString(v); }
    void Clear();                          // NULL
    // Whether SetString(v) and a later Post would take this text: a number
    // column needs a number (16-bit columns one in -32768..32767), a text
    // column a text no longer than its length. An empty text (NULL) fits.
    bool MetinSigar(const std::string& v) const;
    // The length of a text column (0 for other columns or no limit).
    int Uzunluk() const;
    const std::string& Ad() const;
    int sutun() const { return sutun_; }

private:
    Tablo& t_;
    int sutun_;
};

// A key value for Locate: an integer, a float or a text.
struct AnahtarDegeri {
    enum Tur { Tamsayi, Gercel, Metin } tur;
    long long i = 0;
    double d = 0;
    std::string s;
    AnahtarDegeri(int v) : tur(Tamsayi), i(v) {}
    AnahtarDegeri(long long v) : tur(Tamsayi), i(v) {}
    AnahtarDegeri(double v) : tur(Gercel), d(v) {}
    AnahtarDegeri(const char* v) : tur(Metin), s(v) {}
    AnahtarDegeri(std::string v) : tur(Metin), s(std::move(v)) {}
};

enum class TabloDurumu { Gozatma, Duzenleme, Ekleme };

class Tablo {
public:
    // Name is the component name used in messages ("AnaVeriler", "XYZ", ...);
    // by default the table name is the same.
    explicit Tablo(std::string Ad = {}, std::string TabloAdi = {});
    ~Tablo();
    Tablo(const Tablo&) = delete;
    Tablo& operator=(const Tablo&) = delete;

    const std::string& Ad() const { return ad_; }
    const std::string& TabloAdi() const { return tabloAdi_; }

    // The database file this table lives in. Hizli: the file may trade
    // durability for speed (scratch and drawing databases).
    void DosyaAyarla(const std::string& dosya, bool Hizli = false);
    const std::string& Dosya() const { return dosya_; }
    bool Hizli() const { return hizli_; }

    // The columns Open requires; a missing one makes Open fail.
    void BeklenenAlanlar(std::vector<std::string> alanlar);

    // Throws TabloHatasi when the file or the table is missing or damaged, or
    // when another connection holds the file locked for longer than the one
    // wait of every statement (about two seconds). A file without any write
    // permission is opened for reading only, whoever runs the program: every
    // write to it is then refused as read-only.
    void Open();
    void Close();
    bool Active() const { return acik_; }
    // A number of its own after every change of what the table holds or of
    // its order (a post, a delete, emptying, an open, a close, a new order):
    // what was read from it (column numbers found by name too) holds while
    // this stays the same.
    std::uint64_t DegisiklikNo() const { return degisiklikNo_; }
    TabloDurumu Durum() const;
    bool Modified() const;  // a field was set since Edit or Append

    // Next past the last row sets Eof and stays on the last row; Prior before
    // the first sets Bof. Last sets Eof.
    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const;
    bool Bof() const;
    int RecordCount() const;
    int RecNo() const;  // 1-based position, 0 when empty
    // Moves the cursor to a 1-based position (clamped to the rows).
    void SetRecNo(int No);

    // Reads of a row by its 0-based position in the current order that leave
    // the cursor and a row in edit as they are (a view may read the rows
    // while an editor holds the table in edit). The field text reads as
    // AsString does; the row's id stays with the row until it is deleted.
    std::string SatirMetni(int Satir, int Sutun) const;
    long long SatirKimligi(int Satir) const;
    // Deletes the rows with these ids in one transaction: all of them, or,
    // when the database refuses one, none (the rows are read again from the
    // file and the refusal is thrown).
    void KimlikleriSil(const std::vector<long long>& Kimlikler);

    // Exact, case-sensitive. One field, or several separated by ";". The value
    // is compared as the column's type ("5" finds the integer 5, 5 the text
    // "5"); an empty text finds an empty field. Found: the first such row in
    // the current order becomes current. Not found: the cursor stays.
    bool Locate(const std::string& Alanlar, const AnahtarDegeri& Deger);
    bool Locate(const std::string& Alanlar, const std::vector<AnahtarDegeri>& Degerler);

    void Edit();     // on an empty table: Append
    void Append();
    // Post throws TabloHatasi on a refused value or key (a 16-bit value out
    // of range, a repeated primary key); the row then stays in edit. Setting a
    // field refuses at once a text that does not fit its column and a text
    // that is not a number for a number column. Moving the cursor while a
    // changed row is in edit posts it first.
    void Post();
    void Cancel();
    // The cursor moves to the next row; after the last row the cursor stands
    // on the new last row with Eof set.
    void Delete();

    Alan FieldByName(const std::string& ad);
    Alan FieldByName(const char* ad);  // the same, without a text object
    bool AlanVar(const std::string& ad) const;
    std::vector<std::string> AlanAdlari() const;

    // "ElemanNo, YukNo" style (ASC/DESC allowed); empty restores append order
    // (or the index order). Equal rows keep their append order; a posted row
    // takes its place in the order. Setting it moves to the first row.
    void SetSort(const std::string& s);
    const std::string& Sort() const { return sort_; }
    // "X1;X2;X3" style: the rows are kept in this order after every post.
    void SetIndexFieldNames(const std::string& s);

    // Removes every row in one transaction; the table stays open.
    void TumunuSil();

    // Groups many posts into one transaction on this table's file (every
    // table open on the same file shares it; calls may nest). A refused
    // commit leaves the transaction for IslemGeriAl. A rollback reloads
    // every open table of the file when rows in memory changed inside the
    // transaction; when one cannot be read, all of them are closed and the
    // refusal is thrown.
    void IslemBaslat();
    void IslemOnayla();
    void IslemGeriAl();

    std::function<void(Tablo&)> AfterPost;

    // Internal access for Alan.
    struct Ic;
    Ic& ic() { return *ic_; }
    const Ic& ic() const { return *ic_; }

private:
    bool Bul(const std::string& Alanlar, const AnahtarDegeri* Degerler, size_t n);
    Alan FieldByName(const char* ad, size_t uzunluk);
    void Degisti();
    // Degisti for a post or a deletion: rows in memory differ from the file
    // until the open transaction commits.
    void SatirlarDegisti();

    std::string ad_, tabloAdi_, dosya_, sort_, indeks_;
    std::vector<std::string> beklenen_;
    bool hizli_ = false;
    bool acik_ = false;
    std::uint64_t degisiklikNo_ = 0;
    std::unique_ptr<Ic> ic_;
};

// Whether a table is open on this database file.
bool DosyaKullaniliyor(const std::string& dosya);

// Runs one statement list (schema SQL) on a database file, creating it,
// in one transaction. Hizli: without a journal on disk and without waiting
// for the disk (scratch and drawing databases, written anew when damaged).
void SqlDosyasiniCalistir(const std::string& dosya, const std::string& sql, bool Hizli = false);

// Waits until the disk holds a database file written without waiting (no
// table may be writing to it). Throws TabloHatasi when it cannot.
void DosyayiDiskeYaz(const std::string& dosya);

// The text of a float field: up to 15 significant digits, "." separator,
// plain decimals when the decimal exponent lies in -4..14, otherwise the
// "1.42E-6" / "1E15" style.
std::string GercelAlanMetni(double v);
