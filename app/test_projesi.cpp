// Build step: writes the test project "Test.mdb" from the empty project
// template and the rows of resources/test_projesi.sql, only when the file is
// missing, so that a user's own edits are never overwritten.
//   orvelta_test_projesi <target Test.mdb> <rows .sql>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "model/VeriTabani.h"
#include "platform/Tablo.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "kullanım: orvelta_test_projesi <Test.mdb> <satırlar.sql>\n";
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path hedef = argv[1];
    if (fs::exists(hedef)) return 0;
    std::ifstream f(argv[2], std::ios::binary);
    if (!f) {
        std::cerr << argv[2] << " okunamadı\n";
        return 1;
    }
    std::stringstream ss;
    ss << f.rdbuf();
    try {
        fs::create_directories(hedef.parent_path());
        const fs::path gecici = hedef.string() + ".yaziliyor";
        fs::remove(gecici);
        BosSablonuYaz(gecici.string());
        SqlDosyasiniCalistir(gecici.string(), ss.str());
        fs::rename(gecici, hedef);
    } catch (const std::exception& e) {
        std::cerr << hedef.string() << " yazılamadı: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
