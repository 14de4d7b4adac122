#pragma once
// Rules of the element-material-section-hinge editor (project table
// ElemanMalzemeKesitMafsalbagi: ElemanNO, MalzemeNo, KesitNo, MafsalTipi):
// the material and section lists, the hinge check boxes, the hinge codes
// the spring types force, the key prefilled at set-up, and the checks of
// "Kaydet".
//
// Hinge codes: "00" is no hinge; otherwise the ascending concatenation of
// two-digit release codes, "01" normal force, "02" shear force, "03" moment
// at end i, "04", "05", "06" the same at end j (e.g. "0306").
//
// The functions that read tables use the global table set Tablolar:
// MalzemeBilgileri, KesitBilgileri and the scratch table ED must be open.
#include <array>
#include <string>
#include <vector>

// ------------------------------------------------------------ lists

// The material list's items, one per row of MalzemeBilgileri in table
// order: MalzemeNo + ":" + Malzeme ("1:Beton: C25/30").
std::vector<std::string> MalzemeListesi();

// The section list's items, one per row of KesitBilgileri in table order:
// KesitNo + ":" + the part of Kesit after its first ":" (section 7 of type
// "12:IPE profil" gives "7:IPE profil").
std::vector<std::string> KesitListesi();

// The number of a list item: its text before the first ":" ("7:IPE profil"
// gives "7"). Put it into "Malzeme no" / "Kesit no" when an item is chosen.
std::string ListeNumarasi(const std::string& Oge);

// The item of Liste whose number is No ("5" finds "5:Çelik"); -1 when none.
// Select it when a row is shown.
int ListeSirasi(const std::vector<std::string>& Liste, const std::string& No);

// The detail panel's lines while a list is dropped down on the item of
// number No (the text before ":"); empty when the row is not found.
// Material, six lines: "Malzeme no:" + MalzemeNo, "Malzeme:" + Malzeme,
// "E=", "Nu=", "Ro=", "Alfa=" + the field texts.
// Section, ten lines: "Kesit no:" + KesitNo, "Kesit:" + the part of Kesit
// after ":", "A=" + A, "J=" + ix, "Iy=" + iy, "Iz=" + Iz, "b=", "h=", "t=",
// "bw=" + the field texts; Resim := "Kesit" + the part of Kesit before ":"
// (load it when such a picture exists, else clear the picture).
std::vector<std::string> MalzemeAyrintisi(const std::string& No);
std::vector<std::string> KesitAyrintisi(const std::string& No, std::string& Resim);

// ------------------------------------------------------------ hinge boxes

// The hinge boxes CheckBox0 .. CheckBox6: [0] "no hinge" ("00"), [1..6] the
// codes "01" .. "06". Boxes 1..3 stand at end i (left of the picture),
// 4..6 at end j (right).
using MafsalKutulari = std::array<bool, 7>;

// The boxes are usable only in plane-frame projects (system type 30);
// otherwise the box group and "Mafsal tipi" are disabled and the stored
// code is shown as it is.
bool MafsalKutulariEtkin(int SistemTipi);

// The code of the boxes: "00" when box 0 is checked or no box 1..6 is,
// else the codes of the checked boxes 1..6 in box order ("0306").
std::string MafsalKodu(const MafsalKutulari& K);

// A click that sets box Kutu (0..6) to Isaretli, with every rule of the
// boxes; K is updated and the warning to show is returned ("" for none;
// title "Uyarı:", style "TamamUyarı1"). "Mafsal tipi" := MafsalKodu(K).
// - box 0 checked: boxes 1..6 cleared; box 0 unchecked while no box 1..6
//   is checked: box 0 is checked again (it cannot be unchecked by itself);
// - box 1..6 checked: box 0 is cleared, then the box's exclusion is tested
//   and, when it trips, the clicked box is cleared again and its message
//   returned:
//   1 with 4: "Normal kuvvet mafsalı elemanın sadece bir ucunda olabilir";
//   4 with 1: "Normal kuvveti mafsalı elemanın sadece bir ucunda olabilir";
//   2 with 5, or 5 with 2: "Kesme kuvveti mafsalı elemanın sadece bir
//   ucunda olabilir"; otherwise 2 or 5 with both 3 and 6, 3 with 6 and
//   (2 or 5), 6 with 3 and (2 or 5): "İki moment ve bir kesme mafsalı
//   beraber olamaz";
// - box 1..6 unchecked: when no box 1..6 is left, box 0 is checked.
std::string MafsalKutusunaTikla(MafsalKutulari& K, int Kutu, bool Isaretli);

// The boxes of a stored code when a row is shown: "00" checks box 0 only;
// otherwise each two-character group in order ("01" .. "06") is clicked on
// with the rules above (other groups check nothing; no group at all leaves
// box 0 checked). Uyarilar receives the warnings the clicks give, to be
// shown in order; the code of the boxes afterwards (MafsalKodu) replaces
// "Mafsal tipi" (a stored "0104" shows one warning and becomes "01").
MafsalKutulari MafsalKutulariniKur(const std::string& Kod, std::vector<std::string>& Uyarilar);

// ------------------------------------------------------------ set-up

// What the set-up puts into the fields when the link table is empty (after
// the fields were cleared and the key's find ran, so nothing wipes it):
// when the project has exactly one material, "Malzeme no" := its number,
// and exactly one section, "Kesit no" := its number; when both hold and the
// scratch table ED has elements, all of them are prefilled for one "Kaydet":
// with one element "Eleman no" := its number and the five "Türet:" edits
// "0"; with more, "Eleman no" := "1" and the "Türet:" edits := the smallest
// element, the largest element, "1", "0", "0" (elements missing between
// them are skipped by the expansion). Otherwise "Eleman no" := "1", the
// numbers "0" and the five "Türet:" edits "0".
// Bos: false when MalzemeBilgileri or KesitBilgileri has no row: show
// "Önce Malzeme ve kesit bilgilerini vermelisiniz" (title "UYARI:", style
// "TamamUyarı1") and leave the fields as they are (Hata is not set).
struct OnDoluAlanlar {
    bool Bos = false;
    std::string ElemanNo = "1", MalzemeNo = "0", KesitNo = "0";
    std::array<std::string, 5> Turet{"0", "0", "0", "0", "0"};
};
OnDoluAlanlar ElemanMalzemeOnDolgusu();

// ------------------------------------------------------------ save

// The values to write on success.
struct ElemanMalzemeKaydi {
    std::string ElemanNO;  // the key: a plain number or a generation key
    int MalzemeNo = 0, KesitNo = 0;
    std::string MafsalTipi;
};

// The checks of "Kaydet" after the generation-key builder accepted Anahtar
// (a plain number, or a built key "1,10,1,0,0"); the last failing one is
// returned ("" when the row may be written; show it with "HATA:",
// "TamamHata1"):
// - plain key: an integer 1..10000, else "Eleman no hatalı";
// - "Malzeme no" an integer 1..1000 (the numbers the material editor
//   allows), else "Malzeme no hatalı";
// - "Kesit no" an integer 1..1000, else "Kesit no hatalı";
// - "Mafsal tipi" not empty and at most 24 characters, else
//   "Mafsal tipi hatalı";
// - only when these passed: a plain key must be an element of ED, else
//   key + " nolu eleman tanımsız" (a generation key's start and ends were
//   checked by the builder); the material must exist, else the "Malzeme no"
//   text + " nolu malzeme tanımsız"; the section must exist, else the
//   "Kesit no" text + " nolu kesit tanımsız".
// The material, section and hinge checks run for a generation key too.
// On success Kayit holds the values to write; its MafsalTipi is the spring
// code of a plain key's element type ("0306" for type 31, "0405" for 32),
// else the given code. A generation key keeps the given code: the expansion
// sets each spring of the range by its own type.
std::string ElemanMalzemeDenetle(const std::string& Anahtar, const std::string& MalzemeNo,
                                 const std::string& KesitNo, const std::string& MafsalTipi,
                                 ElemanMalzemeKaydi& Kayit);
