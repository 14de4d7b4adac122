# Turns every file under KLASOR into a byte array of one generated C++ source
# (CIKTI), reachable by its path relative to KLASOR through KaynakMetni().
# Run as: cmake -DKLASOR=... -DCIKTI=... -P KaynaklariGom.cmake
file(GLOB_RECURSE _dosyalar RELATIVE ${KLASOR} ${KLASOR}/*)
list(SORT _dosyalar)
set(_govde "")
set(_liste "")
set(_n 0)
foreach(_ad ${_dosyalar})
  file(READ ${KLASOR}/${_ad} _hex HEX)
  string(LENGTH "${_hex}" _uzunluk)
  math(EXPR _bayt "${_uzunluk} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _baytlar "${_hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" _baytlar "${_baytlar}")
  string(APPEND _govde "static const unsigned char k${_n}[] = {\n${_baytlar}0};\n")
  string(APPEND _liste "    {\"${_ad}\", k${_n}, ${_bayt}},\n")
  math(EXPR _n "${_n} + 1")
endforeach()
set(_metin "// Generated from the resources folder; do not edit.
#include \"platform/Kaynaklar.h\"

#include <cstddef>

namespace {
${_govde}
struct Kaynak {
    const char* ad;
    const unsigned char* veri;
    std::size_t boyut;
};
const Kaynak kKaynaklar[] = {
${_liste}    {nullptr, nullptr, 0}};
}  // namespace

std::string_view KaynakMetni(std::string_view ad) {
    for (const Kaynak* k = kKaynaklar; k->ad; ++k)
        if (ad == k->ad) return {reinterpret_cast<const char*>(k->veri), k->boyut};
    return {};
}

std::vector<std::string> KaynakAdlari() {
    std::vector<std::string> r;
    for (const Kaynak* k = kKaynaklar; k->ad; ++k) r.emplace_back(k->ad);
    return r;
}
")
# Write only when changed, so that an unchanged resource set rebuilds nothing.
if(EXISTS ${CIKTI})
  file(READ ${CIKTI} _eski)
else()
  set(_eski "")
endif()
if(NOT "${_eski}" STREQUAL "${_metin}")
  file(WRITE ${CIKTI} "${_metin}")
endif()
