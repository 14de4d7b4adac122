// The project template and the scratch database hold exactly the tables,
// columns, types and keys the program's tables are declared with.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <string>
#include <vector>

#include "TestYardim.h"
#include "model/VeriTabani.h"

namespace {

struct Sutun {
    std::string ad, tur;
    bool anahtar = false;
};

// Every table of a database file: its columns in order, their declared types
// and whether they belong to the primary key; then its index names.
struct Sema {
    std::map<std::string, std::vector<Sutun>> tablolar;
    std::map<std::string, std::vector<std::string>> indeksler;  // table -> "name(column)"
};

Sema SemaOku(const std::string& dosya) {
    Sema s;
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open_v2(dosya.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    auto Satirlar = [&](const std::string& sql, auto f) {
        sqlite3_stmt* st = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sql;
        while (sqlite3_step(st) == SQLITE_ROW) f(st);
        sqlite3_finalize(st);
    };
    auto Metin = [](sqlite3_stmt* st, int i) {
        const unsigned char* m = sqlite3_column_text(st, i);
        return m ? std::string(reinterpret_cast<const char*>(m)) : std::string();
    };
    std::vector<std::string> adlar;
    Satirlar("SELECT name FROM sqlite_master WHERE type = 'table'", [&](sqlite3_stmt* st) { adlar.push_back(Metin(st, 0)); });
    for (const auto& t : adlar) {
        Satirlar("PRAGMA table_info(\"" + t + "\")", [&](sqlite3_stmt* st) {
            s.tablolar[t].push_back({Metin(st, 1), Metin(st, 2), sqlite3_column_int(st, 5) > 0});
        });
        Satirlar("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = '" + t + "' AND sql IS NOT NULL",
                 [&](sqlite3_stmt* st) {
                     const std::string ix = Metin(st, 0);
                     std::string sutunlar;
                     Satirlar("PRAGMA index_info(\"" + ix + "\")", [&](sqlite3_stmt* st2) { sutunlar += Metin(st2, 2); });
                     s.indeksler[t].push_back(ix + "(" + sutunlar + ")");
                 });
    }
    sqlite3_close_v2(db);
    return s;
}

// "Ad:TUR" items; a "*" after the type marks a primary-key column.
std::vector<Sutun> Beklenen(std::initializer_list<const char*> ogeler) {
    std::vector<Sutun> v;
    for (std::string o : ogeler) {
        const auto p = o.find(':');
        Sutun s{o.substr(0, p), o.substr(p + 1)};
        if (s.tur.back() == '*') { s.anahtar = true; s.tur.pop_back(); }
        v.push_back(s);
    }
    return v;
}

void Karsilastir(const Sema& s, const std::string& tablo, const std::vector<Sutun>& beklenen) {
    auto it = s.tablolar.find(tablo);
    ASSERT_NE(it, s.tablolar.end()) << tablo;
    const auto& v = it->second;
    ASSERT_EQ(v.size(), beklenen.size()) << tablo;
    for (size_t i = 0; i < v.size(); ++i) {
        EXPECT_EQ(v[i].ad, beklenen[i].ad) << tablo << " " << i;
        EXPECT_EQ(v[i].tur, beklenen[i].tur) << tablo << "." << v[i].ad;
        EXPECT_EQ(v[i].anahtar, beklenen[i].anahtar) << tablo << "." << v[i].ad;
    }
}

}  // namespace

TEST(Sema, ProjeSablonu) {
    GeciciKlasor k;
    const std::string d = k.Dosya("BOS.mdb");
    BosSablonuYaz(d);
    const Sema s = SemaOku(d);
    EXPECT_EQ(s.tablolar.size(), 9u);
    Karsilastir(s, "AnaVeriler", Beklenen({"Sistem:VARCHAR(25)", "ProbleminTanimi:VARCHAR(255)",
                                           "KoordinatSistemiNo:SMALLINT", "Tarih:DATETIME"}));
    Karsilastir(s, "MalzemeBilgileri", Beklenen({"MalzemeNo:SMALLINT", "Malzeme:VARCHAR(15)", "E:DOUBLE", "Nu:DOUBLE",
                                                 "Ro:DOUBLE", "Alfa:DOUBLE", "Tarih:DATETIME"}));
    Karsilastir(s, "KesitBilgileri",
                Beklenen({"KesitNo:SMALLINT", "Kesit:VARCHAR(25)", "A:DOUBLE", "ix:DOUBLE", "iy:DOUBLE", "iz:DOUBLE",
                          "Ay:DOUBLE", "hy:DOUBLE", "ey:DOUBLE", "Az:DOUBLE", "hz:DOUBLE", "ez:DOUBLE", "Wb:DOUBLE",
                          "b:DOUBLE", "h:DOUBLE", "t:DOUBLE", "bw:DOUBLE", "Tarih:DATETIME"}));
    Karsilastir(s, "Koordinatlar",
                Beklenen({"NoktaNo:VARCHAR(25)", "X1:DOUBLE", "X2:DOUBLE", "X3:DOUBLE", "Tarih:DATETIME"}));
    Karsilastir(s, "ElemanNoktaBagi",
                Beklenen({"ElemanNo:VARCHAR(25)", "ElemanTipi:SMALLINT", "iNoktasi:SMALLINT", "jNoktasi:SMALLINT",
                          "kNoktasi:SMALLINT", "LNoktasi:SMALLINT", "Tarih:DATETIME"}));
    Karsilastir(s, "ElemanMalzemeKesitMafsalbagi",
                Beklenen({"ElemanNO:VARCHAR(25)", "MalzemeNo:SMALLINT", "KesitNo:SMALLINT", "MafsalTipi:VARCHAR(24)",
                          "Tarih:DATETIME"}));
    Karsilastir(s, "Yukler", Beklenen({"NoktaNo:VARCHAR(25)", "Px:DOUBLE", "Py:DOUBLE", "Pz:DOUBLE", "Mx:DOUBLE",
                                       "My:DOUBLE", "Mz:DOUBLE", "Tarih:DATETIME"}));
    Karsilastir(s, "ElemanYukleri",
                Beklenen({"ElemanNo:VARCHAR(25)", "YukNo:SMALLINT", "YukTipi:SMALLINT", "Yuk:DOUBLE",
                          "aMesafesi:DOUBLE", "bMesafesi:DOUBLE", "Yuk1:DOUBLE", "Tarih:DATETIME"}));
    Karsilastir(s, "SinirKosullari",
                Beklenen({"NoktaNo:VARCHAR(25)", "Ux:VARCHAR(12)", "Uy:VARCHAR(12)", "Uz:VARCHAR(12)",
                          "Fix:VARCHAR(12)", "Fiy:VARCHAR(12)", "Fiz:VARCHAR(12)", "Tarih:DATETIME"}));
    // project tables have no key and no index
    EXPECT_TRUE(s.indeksler.empty());
}

TEST(Sema, YazBoz) {
    GeciciKlasor k;
    const std::string d = k.Dosya("YazBoz.mdb");
    YazBozYaz(d);
    const Sema s = SemaOku(d);
    EXPECT_EQ(s.tablolar.size(), 5u);
    Karsilastir(s, "ED", Beklenen({"ElemanNo:SMALLINT*", "ElemanTipi:SMALLINT", "iNoktasi:SMALLINT",
                                   "jNoktasi:SMALLINT", "kNoktasi:SMALLINT", "LNoktasi:SMALLINT",
                                   "MalzemeNo:SMALLINT", "KesitNo:SMALLINT", "MafsalTipi:VARCHAR(24)"}));
    Karsilastir(s, "EYUK", Beklenen({"ElemanNo:SMALLINT", "YukNo:SMALLINT", "YukTipi:SMALLINT", "Yuk:DOUBLE",
                                     "aMesafesi:DOUBLE", "bMesafesi:DOUBLE", "Yuk1:DOUBLE"}));
    Karsilastir(s, "SK", Beklenen({"NoktaNo:SMALLINT*", "Ux:VARCHAR(12)", "Uy:VARCHAR(12)", "Uz:VARCHAR(12)",
                                   "Fix:VARCHAR(12)", "Fiy:VARCHAR(12)", "Fiz:VARCHAR(12)"}));
    Karsilastir(s, "TYUK", Beklenen({"NoktaNo:SMALLINT*", "Px:DOUBLE", "Py:DOUBLE", "Pz:DOUBLE", "Mx:DOUBLE",
                                     "My:DOUBLE", "Mz:DOUBLE"}));
    Karsilastir(s, "XYZ", Beklenen({"NoktaNo:SMALLINT*", "X1:DOUBLE", "X2:DOUBLE", "X3:DOUBLE"}));
    // the second indexes; index names are unique per file here, so the one of
    // ED carries its table's name
    EXPECT_EQ(s.indeksler.at("XYZ"), std::vector<std::string>{"NoktaNo(NoktaNo)"});
    EXPECT_EQ(s.indeksler.at("EYUK"), std::vector<std::string>{"ElemanNo(ElemanNo)"});
    EXPECT_EQ(s.indeksler.at("ED"), std::vector<std::string>{"ED_ElemanNo(ElemanNo)"});
    EXPECT_EQ(s.indeksler.count("SK"), 0u);
    EXPECT_EQ(s.indeksler.count("TYUK"), 0u);
}
