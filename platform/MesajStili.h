#pragma once
// How a message style word ("TamamHata1", "EvetHayırSoru2", ...) becomes a
// message box: its buttons, its icon and its default button. The words are
// looked for anywhere in the lower-cased style; the codes are those of the
// classic message-box flags so that the mapping can be checked as numbers.
#include <string>
#include <vector>

struct MesajKutusuBicimi {
    // 0 OK, 1 OK+Cancel, 2 Abort+Retry+Ignore, 3 Yes+No+Cancel, 4 Yes+No, 5 Retry+Cancel
    int Dugmeler = 0;
    // 0 none, 16 stop, 32 question, 48 exclamation, 64 information
    int Simge = 0;
    // 0 first, 256 second, 512 third, 768 fourth button
    int Varsayilan = 0;

    // The answer letters of the buttons in their order ("T", "İ", "D", "Y",
    // "G", "E", "H").
    std::vector<std::string> DugmeHarfleri() const;
    // 0-based index of the default button; the first one when the style names
    // a button the box does not have.
    int VarsayilanSirasi() const;
};

MesajKutusuBicimi MesajStiliniCoz(const std::string& Stil);

// Turkish caption of the button that answers with Harf ("T" -> "Tamam", ...).
std::string DugmeMetni(const std::string& Harf);
