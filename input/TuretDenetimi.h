#pragma once
// Checks of a key against the rows already stored, run by the nodal-load,
// support-condition and element-load editors after their save checks passed
// and before they write the row. The readers that expand these tables into
// the scratch tables refuse a node or element given twice, so a row that
// overlaps another would make every later calculation fail; such a key is
// refused here instead, with the message the reader would give.
//
// Each function returns "" when the key may be written, else the message to
// show ("HATA:", "TamamHata1"; nothing is written). The key is the one the
// save will write: a plain number, or a generation key
// "Baş,Son1,Adım1,Son2,Adım2" (already accepted by the generation-key
// builder). A key that does not expand to numbers is left to the other
// checks ("" here). The row that has exactly this key (and, for element
// loads, this load number) is the one the save overwrites and is not
// compared; nor is the row of the key Yerine (a generation-key row the save
// replaces: that row takes the new key in its place; empty when none). The
// project table's current row is not kept: locate the row again before
// writing. Reads the global table set Tablolar (the project tables, XYZ and
// ED open).
#include <string>

// A plain key (no ",") that is a node number held by the scratch table XYZ;
// true for a generation key as well (its nodes are checked below).
bool DuzNoktaTanimli(const std::string& Anahtar);

// A key that names a number twice is refused before these run, by the
// shared key check (model/AnahtarDenetimi.h); such a key gives "" here.
// Nodal loads (Yukler), in this order:
//  - a generation key naming a node missing from XYZ:
//    key + "->" + node + " noktası tanımsız, türet tamamlanamadı";
//  - a node of the key that another stored row already loads: for a
//    generation key key + "->" + node + " nolu noktada yükler tekrar
//    verilmiş"; for a plain key
//    key + " nolu noktanın yükleri tekrar verilmiş".
std::string TekilYukAnahtariniDenetle(const std::string& Anahtar, const std::string& Yerine = {});

// Supports (SinirKosullari): as the nodal loads, with the messages
// key + "->" + node + " nolu noktada sınır koşulları tekrar verilmiş" and
// key + " nolu noktanın sınır koşulları tekrar verilmiş".
std::string SinirKosuluAnahtariniDenetle(const std::string& Anahtar, const std::string& Yerine = {});

// Element loads (ElemanYukleri), for the load number YukNo (text of the
// load-number edit; anything but an integer 1..10 gives ""), in this order:
//  - a generation key naming an element missing from ED:
//    key + "-> tanımsız elemana yük verilemez";
//  - an element that another stored row already loads with the same load
//    number:
//    "Eleman=" + element + " Yük no=" + YukNo + " yük tekrar tanımlanmiş"
//    (plain keys too).
std::string ElemanYukuAnahtariniDenetle(const std::string& Anahtar, const std::string& YukNo,
                                        const std::string& Yerine = {});
