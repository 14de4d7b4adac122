#pragma once
// The sixteen table objects of the program (the main window holds them for
// its whole lifetime; headless runs use them the same way), the schema of
// the project and scratch databases, and the two post handlers that count
// hinge releases and support conditions.
#include <string>

#include "platform/Tablo.h"

struct TTabloKumesi {
    // project tables, in binding order
    Tablo AnaVeriler{"AnaVeriler"};
    Tablo MalzemeBilgileri{"MalzemeBilgileri"};
    Tablo KesitBilgileri{"KesitBilgileri"};
    Tablo Koordinatlar{"Koordinatlar"};
    Tablo ElemanNoktaBagi{"ElemanNoktaBagi"};
    Tablo ElemanMalzemeKesitMafsalbagi{"ElemanMalzemeKesitMafsalbagi"};
    Tablo Yukler{"Yukler"};
    Tablo ElemanYukleri{"ElemanYukleri"};
    Tablo SinirKosullari{"SinirKosullari"};
    // catalogue
    Tablo Profiller{"Profiller"};
    // scratch tables
    Tablo XYZ{"XYZ"};
    Tablo ED{"ED"};
    Tablo TYUK{"TYUK"};
    Tablo EYUK{"EYUK"};
    Tablo SK{"SK"};
    // drawing table
    Tablo ElemanKuvvetleriCizim{"ElemanKuvvetleriCizim"};

    // The nine project tables in binding order.
    Tablo* ProjeTablolari[9] = {&AnaVeriler, &MalzemeBilgileri, &KesitBilgileri, &Koordinatlar,
                                &ElemanNoktaBagi, &ElemanMalzemeKesitMafsalbagi, &Yukler,
                                &ElemanYukleri, &SinirKosullari};
};

extern TTabloKumesi Tablolar;

void EDAfterPost(Tablo& DataSet);
void SKAfterPost(Tablo& DataSet);

// The working databases, written from the built-in resources (an existing
// file is replaced; no table may be open on it). Throw TabloHatasi.
void BosSablonuYaz(const std::string& dosya);       // "BOS.mdb": the empty project
void YazBozYaz(const std::string& dosya);           // "YazBoz.mdb": empty scratch tables
void ProfillerYaz(const std::string& dosya);        // "Profiller.mdb": the profile catalogue
void CizimVeriTabaniYaz(const std::string& dosya);  // "ElemanKuvvetleriCizim.mdb"

// Headless binding of the table set. CalismaTablolariniAc writes
// "YazBoz.mdb", "ElemanKuvvetleriCizim.mdb" and "Profiller.mdb" into klasor
// when they are missing (or cannot be opened) and opens the scratch tables
// and the drawing table (both trading durability for speed) and the
// catalogue. ProjeTablolariniAc binds and opens the nine project tables on a
// project file; when one fails the others are still bound (and opened,
// unless another program holds the file locked) and TabloHatasi carries the
// first failing table's message ("<table> dosyası açılamadı. Silinmiş veya
// bozuk olabilir"), with a line "<table>: <reason>" when another program
// held the file locked or the disk failed (EngelNedeni).
void CalismaTablolariniAc(const std::string& klasor);
void ProjeTablolariniAc(const std::string& dosya);
void TumTablolariKapat();
