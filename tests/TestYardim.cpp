#include "TestYardim.h"

#include <cstdlib>
#include <random>

#include "model/Tipler.h"

GeciciKlasor::GeciciKlasor() {
    // A folder of its own: a name another test already holds is drawn again.
    std::random_device rd;
    const auto kok = std::filesystem::temp_directory_path();
    do {
        yol_ = kok / ("orvelta-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    } while (!std::filesystem::create_directory(yol_));
}

GeciciKlasor::~GeciciKlasor() {
    std::error_code ec;
    if (!std::getenv("ORVELTA_TEST_SAKLA")) std::filesystem::remove_all(yol_, ec);
}

BasliksizArayuz& TemizBasliksizArayuz() {
    static BasliksizArayuz a;
    a = BasliksizArayuz();
    ArayuzAyarla(&a);
    ModelDurumunuSifirla();
    return a;
}
