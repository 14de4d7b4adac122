#include "TestYardim.h"

#include <cstdlib>
#include <random>

#include "model/Tipler.h"

GeciciKlasor::GeciciKlasor() {
    std::random_device rd;
    yol_ = std::filesystem::temp_directory_path() / ("orvelta-test-" + std::to_string(rd()));
    std::filesystem::create_directories(yol_);
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
