#pragma once
// What the nodal-load editor ("Düğüm tekil yükleri", table Yukler) and the
// element-load editor ("Eleman yükleri", table ElemanYukleri) show and check:
// their edits with labels and hints, the load types offered in each system
// type with their captions, notes and pictures, the copy rule of the uniform
// temperature change, and the checks of "Kaydet". The generation-key checks
// that run before a row is written are in input/TuretDenetimi.h.
//
// Every check function returns the message of the LAST failing check in the
// order listed ("" when all pass); the editor shows it with title "HATA:",
// style "TamamHata1", and writes nothing. Numbers are read with "." only.
#include <array>
#include <string>
#include <vector>

// ================================================================ nodal loads

// One load edit of the nodal-load editor (LabeledEdit1 .. LabeledEdit6, in
// that order): label, hint, field of Yukler and the word of its message.
struct TekilYukEditi {
    const char* Etiket;  // "Px(kN):" .. "Mz(kNm):"
    const char* Ipucu;   // "Genel X ekseni yönündeki tekil yük", ...
    const char* Alan;    // "Px", "Py", "Pz", "Mx", "My", "Mz"
};
// All six are shown and stored for every system type; the labels do not
// change with it.
extern const std::array<TekilYukEditi, 6> TekilYukEditleri;

// The key edit Edit0: label "Nokta no:", hint.
extern const char* const TekilYukNoktaEtiketi;
extern const char* const TekilYukNoktaIpucu;
// The label under the edits: "Kuvvetler: eksen yönünde pozitif. Momentler:
// sağ el kuralına göre pozitif".
extern const char* const TekilYukIsaretKurali;
// The explanation of the "Türet:" group (edits "Baş nokta", "Son nokta1",
// "Adım1", "Son nokta2", "Adım2").
extern const char* const TekilYukTuretAciklamasi;

// Whether load component k (0..5 = Px, Py, Pz, Mx, My, Mz) acts in a system
// of type SistemTipi: plane truss and plane stress (10, 50) Px, Py; space
// truss (20) Px, Py, Pz; plane frame (30) Px, Py, Mz; space frame (40) all
// six; plate (60) Pz, Mx, My. For any other system type (none chosen) all
// six count.
bool TekilYukSistemde(int SistemTipi, int k);

// The checks of "Kaydet" in the nodal-load editor, in order. Anahtar is the
// key after the generation-key builder (a node number or a generation key
// "Baş,Son1,Adım1,Son2,Adım2"); Degerler the texts of the six load edits.
//  1. only for a key without ",": the node must be in the scratch table XYZ,
//     else key + " noktasının koordinatları tanımsız" (an empty key: "Nokta
//     no tanımsız");
//  2. each value a real in [-1E100, 1E100], else "Px hatalı" .. "Mz hatalı"
//     (a value that fails counts as 0 below);
//  3. every value read and the components that act in the system type all
//     0: "Noktadaki yüklerin tümü sıfır olamaz" ("abc" in Px with the rest 0
//     gives "Px hatalı");
//  4. a non-zero component that does not act in the system type (Pz on a
//     plane frame): its field name + " yükü bu sistem tipinde kullanılamaz,
//     0 olmalıdır" ("Pz yükü ..."; the last such component is named).
// All six texts are still written when the checks pass. Reads Tablolar.XYZ
// (open).
std::string TekilYukDenetle(const std::string& Anahtar, const std::array<std::string, 6>& Degerler,
                            int SistemTipi);

// The question of "Sil": key + " nolu noktanın yükleri veri tabanından
// silinecek" + carriage return + "Devam edeyim mi?" ("SORU:", "EvetHayır2";
// delete on "E"). The editor then reruns TekilYukleriniOku, clears its
// fields and empties Edit0.
std::string TekilYukSilmeSorusu(const std::string& Anahtar);

// ============================================================= element loads

// The edits of the element-load editor that do not depend on the load type.
extern const char* const ElemanYukuElemanEtiketi;  // Edit0 "Eleman no:"
extern const char* const ElemanYukuElemanIpucu;
extern const char* const ElemanYukuNoEtiketi;      // LabeledEdit1 "Yük no:"
extern const char* const ElemanYukuNoIpucu;
extern const char* const ElemanYukuTipiEtiketi;    // ComboBox1 "Yük tipi:"
extern const char* const ElemanYukuTipiIpucu;      // "Yük tipini seç"
extern const char* const ElemanYukuDegerIpucu;     // LabeledEdit2 (Yük) hint
extern const char* const ElemanYukuSekilIpucu;     // hint of a(m):, b(m): and Yük1
extern const char* const ElemanYukuResimIpucu;     // Image1 "Tanımlanacak yük tipi"
extern const char* const ElemanYukuaEtiketi;       // LabeledEdit3 "a(m):"
extern const char* const ElemanYukubEtiketi;       // LabeledEdit4 "b(m):"
// The two labels "x, y, z: yerel eksenler." and "Yükün işaretini şekle
// bakarak verin. ...", and the explanation of the "Türet:" group (edits
// "Baş eleman", "Son eleman1", "Adım1", "Son eleman2", "Adım2").
extern const char* const ElemanYukuEksenNotu;
extern const char* const ElemanYukuIsaretNotu;
extern const char* const ElemanYukuTuretAciklamasi;

// Load numbers per element: 1..10. The key edit holds "1" when the window is
// created; clearing never changes it.
constexpr int EnBuyukYukNo = 10;

// Size of the list icons, pixels.
constexpr int YukSimgeGenisligi = 32;
constexpr int YukSimgeYuksekligi = 12;

// The items of the load-type list in a project of the system type, in list
// order (texts as in YukTipleri): plane and space truss (10, 20) types 14,
// 15, 16; plane frame (30) 1..20; space frame (40) 21..24; plate (60) 25;
// plane stress (50) and any other type: none (no item selected; every save
// then ends with "Yük tipi hatalı").
std::vector<std::string> SistemYukTipleri(int SistemTipi);

// The nodes per element the editor's set-up stores in ElemanNoktaSayisi:
// 2 for 10, 20, 30; 3 for 40; 4 for 50, 60; 0 for another system type
// (leave ElemanNoktaSayisi as it is).
int SistemElemanNoktaSayisi(int SistemTipi);

// The load type of a list text: the number before ":" without blanks when
// it is an integer 1..25; 0 otherwise (no item, an empty list).
int YukTipiKodu(const std::string& YukTipiMetni);

// What the editor shows for a load type (the list's change handler, also run
// after every find). Apply in this order: hide the note; when the code is 0
// stop there; set the two captions; show the note when it is not empty; when
// Yuk1YukKopyasi, Yük1 := the text of Yük; enable Yük1 only when
// Yuk1Etkin; load the picture Resim into Image1.
struct YukTipiDuzeni {
    int Kod = 0;                 // 1..25; 0: not a load type, nothing applies
    std::string YukEtiketi;      // LabeledEdit2: "Yük(kN/m)", "Yük(kN)", "Yük(kNm)", "Yük(°C)", "Yük(m)", "Yük(kN/m²)"
    std::string Yuk1Etiketi;     // LabeledEdit5: the same unit, "Yük1(kN/m)", ...
    std::string Not;             // the note BitBtn4 (types 13 and 14, lines split by "\n"); "" hidden
    bool Yuk1Etkin = false;      // Yük1 can be typed: types 11 and 13 only
    bool Yuk1YukKopyasi = false; // type 14: Yük1 takes the value of Yük
    std::string Resim;           // the big picture "Yuk" + code ("Yuk1" .. "Yuk25")
    std::string Simge;           // the list icon "YukKucuk" + code, 32 × 12
};
YukTipiDuzeni YukTipiDuzeniBul(int Kod);

// The uniform temperature change (type 14) has one value and no distances:
// when Kod is 14, Yuk1 := Yuk, a := "0", b := "0" and true is returned;
// otherwise nothing changes and false is returned. Run it when the text of
// Yük changes while type 14 is chosen, and at the start of "Kaydet" (before
// the checks, so that the copied texts are checked and written).
bool UniformSicaklikKopyasi(int Kod, const std::string& Yuk, std::string& a, std::string& b, std::string& Yuk1);

// The load number of the key: an integer 1..10. False (and No untouched) for
// anything else: 0, 11, letters, empty. The find clears the value fields at
// once for a false; the save refuses it with "Yük no hatalı".
bool YukNoGecerli(const std::string& YukNoMetni, int& No);

// The texts of the element-load editor's fields for "Kaydet".
struct ElemanYukuGirdisi {
    std::string Anahtar;      // key after the generation-key builder (element number or generation key)
    std::string YukNo;        // LabeledEdit1
    std::string YukTipi;      // the selected list text; "" when none is selected
    std::string Yuk, a, b, Yuk1;  // LabeledEdit2 .. LabeledEdit5
};

// The checks of "Kaydet" in the element-load editor, in order (run
// UniformSicaklikKopyasi first):
//  1. only for a key without ",": an integer 1..10000, else "Eleman no hatalı";
//  2. the load number an integer 1..10, else "Yük no hatalı";
//  3. a load type selected, else "Yük tipi hatalı";
//  4. Yük a real in [-1E100, 1E100], else "Yük hatalı"; a and b in
//     [0, 1E100], else "a hatalı", "b hatalı"; Yük1 in [-1E100, 1E100], else
//     "Yük1 hatalı";
//  5. only for a key that passed check 1: the element must be in the scratch
//     table ED, else key + " nolu eleman-nokta bağı tanımsız" (an empty or
//     unreadable number keeps "Eleman no hatalı");
//  6. a readable Yük of 0: "Yük=0 olamaz"; for types 11 (partial trapezoid) and 13
//     (temperature difference) only when Yük1 is 0 as well;
//  7. the element type takes no element load (ElemanYukuAlir of the calculation): a plain key
//     gives "Bu eleman tipine eleman yükü verilemez"; a generation key gives
//     key + "-> " + the numbers of the elements it cannot load, joined by
//     ", " (at most ten, then ", ...") + " nolu elemanların tipine eleman
//     yükü verilemez".
// Reads Tablolar.ED (open); the value checks run for a generation key too.
std::string ElemanYukuDenetle(const ElemanYukuGirdisi& g);

// The question of "Sil": key + " nolu elemanın bu yükü veri tabanından
// silinecek" + carriage return + "Devam edeyim mi?".
std::string ElemanYukuSilmeSorusu(const std::string& Anahtar);
