#pragma once
// Helpers shared by the tests: a temporary folder per test and the headless
// user-interface port, reset before each test.
#include <filesystem>
#include <string>

#include "platform/KullaniciArayuzu.h"

class GeciciKlasor {
public:
    GeciciKlasor();
    ~GeciciKlasor();
    const std::filesystem::path& Yol() const { return yol_; }
    std::string Dosya(const std::string& ad) const { return (yol_ / ad).string(); }

private:
    std::filesystem::path yol_;
};

// Puts a fresh headless port in place and resets the global model state.
BasliksizArayuz& TemizBasliksizArayuz();
