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
