#pragma once
// Rules of the element-node editor (project table ElemanNoktaBagi: ElemanNo,
// ElemanTipi, iNoktasi, jNoktasi, kNoktasi, LNoktasi): the element types a
// project offers, the nodes each type needs, and the checks of "Kaydet".
// Messages are shown by the window with title "HATA:", style "TamamHata1".
//
// The checks read the scratch tables of the global table set Tablolar:
// XYZ (nodes: NoktaNo, X1, X2, X3) and ED (elements), which must be open.
#include <array>
#include <string>
#include <vector>

// The items of the element-type list for the project's system type
// (SistemTipi), in list order, as the type list shows them:
// 10 and 50: "10:Düzlem kafes", "11:Eksenel yay",
//            "50:Üçgen levha(düzlem gerilme)", "51:Dörtgen levha(düzlem gerilme)";
// 20: "20:Uzay kafes", "21:Eksenel yay";
// 30: "30:Düzlem çerçeve", "31:Eksenel yay", "32:Dönme yayı", "33:Eksenel ve dönme yayı";
// 40: "40:Uzay çerçeve", "41:Deprem  izolatörü" (two blanks);
// 60: "60:Dörtgen plak"; any other system type: none.
// Select item 0 after filling the list.
std::vector<std::string> SistemElemanTipleri(int SistemTipi);

// The element type of a list text: the integer before ":" ("30:Düzlem
// çerçeve" gives 30); 0 for an empty or unreadable text.
int ElemanTipiKodu(const std::string& ListeMetni);

// The list item of a stored type code among Liste (the first whose code
// equals Kod); -1 when none (the list then keeps its choice).
int ElemanTipiSirasi(const std::vector<std::string>& Liste, int Kod);

// The picture of an element type: "Eleman" + the code ("Eleman30"); load it
// by name into the element picture whenever the chosen type changes.
std::string ElemanResmi(int Kod);

// The nodes the editor asks for: 2 for types 10, 11, 20, 21, 30..33 (i, j);
// 3 for 40, 41, 50 (i, j, k); 4 for 51 and 60 (i, j, k, L); 0 for an
// unknown code. Keep this in ElemanNoktaSayisi when the type changes (an
// unknown code leaves ElemanNoktaSayisi as it was). All four node edits stay
// shown for every type; this count decides which of them are checked.
int ElemanGirilenNoktaSayisi(int Kod);

// Whether node k may be an axis code (-10003..-10001, 10001..10003: the
// third point lies on a global axis from node i) instead of a node: only
// types 40 and 41. Every other node of every type must exist in XYZ.
bool EksenKoduAlir(int Kod);

// What the editor holds when "Kaydet" is pressed.
struct ElemanNoktaGirdisi {
    std::string Anahtar;                // key after the generation-key builder: a
                                        // plain number or a built key "1,9,2,0,0"
    int TipSirasi = -1;                 // selected item of the type list; -1: none
    std::string TipMetni;               // the type list's text
    std::array<std::string, 4> Nokta;   // texts of "i/j/k/L noktası no:"
};

// The values to write on success: ElemanNo (the key text), ElemanTipi and
// the four node numbers (nodes beyond the type's count as typed, normally 0).
struct ElemanNoktaKaydi {
    std::string ElemanNo;
    int ElemanTipi = 0;
    std::array<int, 4> Nokta{};
};

// The checks of "Kaydet" for a plain key (no ","), in stages; the first
// stage with a failure gives the message ("" when the row may be written):
// 1. range, every check runs and the last failing one is returned:
//    key an integer 1..10000, else "Eleman no hatalı"; a type selected,
//    else "Eleman tipi hatalı"; i and j integers 1..10000, else
//    "i noktası hatalı" / "j noktası hatalı"; with 3 or 4 nodes k an integer
//    -10003..10003, else "k noktası hatalı"; with 4 nodes L an integer
//    1..10000, else "L noktası hatalı". Nodes the type does not use must
//    still fit their column (integers -32768..32767), else the same
//    message, so the write cannot fail half-way.
// 2. existence: the type's nodes i, j, k, L in order must be in XYZ; the
//    first missing one gives its number + " noktasının koordinatları
//    verilmemiş". For types 40 and 41 a k of 10001..10003 or
//    -10003..-10001 is an axis code and needs no node.
// 3. distinctness: two equal nodes of the type give
//    "İki farklı nokta aynı numaralı olamaz".
// 4. shape, for membranes and plates (50, 51, 60), with the node
//    coordinates from XYZ: the calculation's own message, the element
//    number followed by e.g. " elemanın bir kenarı sıfır" (or the zero-area
//    triangle, the counter-clockwise or non-rectangular quadrilateral, the
//    plate not parallel to X and Y), so the editor refuses what the
//    calculation would refuse.
// For a generation key (with ",") see ElemanTuretDenetle instead; Kayit is
// filled only when "" is returned, its ElemanNo the key as its integer text
// ("05" gives "5", so both name one row). Show a message in one box; write
// Kayit's values in one go and rerun ElemanNoktaBaginiOku after the post.
std::string ElemanNoktaDenetle(const ElemanNoktaGirdisi& Girdi, ElemanNoktaKaydi& Kayit);

// The checks of "Kaydet" for a generation key that the builder has already
// accepted (five integers, start and ends in ED). The expansion gives the
// generated elements the type of the start element and steps their node
// numbers from the start element to the end elements: i and j for bar types,
// i, j, k and L for membranes and plates (start type 50 and above). Each
// such node number must change by a whole number per step, else
// "<x> noktası numaraları verilen adımla türetilemiyor" (x = i, j, k or L,
// the last failing one); every stepped node must stay in 1..10000, else
// "Türetilen elemanlarda " + number + " nolu nokta 1..10000 aralığında
// değil" (a node that is 0 in all the key's elements is one the type does
// not have and is skipped). Before that, the row's own values, which the
// expansion does not use but the row stores: a type selected, else
// "Eleman tipi hatalı"; each node text fits its column (an integer
// -32768..32767), else "<x> noktası hatalı". "" when the row may be
// written; Kayit then holds the values to write, with ElemanTipi the start
// element's type (the expansion decides by the row's type which nodes to
// step, so the row must carry the type the elements get).
std::string ElemanTuretDenetle(const ElemanNoktaGirdisi& Girdi, ElemanNoktaKaydi& Kayit);
