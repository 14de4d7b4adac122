// With ORVELTA_TEST_COZUM=seyrek in its environment this test program solves
// every structure, whatever its size, by the sparse solution: ctest runs the
// solution tests, with their hand and stiffness-method results, a second
// time so (without those that look into the dense matrix itself).
#include <cstdlib>
#include <string>

#include "engine/SeyrekCozum.h"

namespace {

struct CozumYoluOrtami {
    CozumYoluOrtami() {
        const char* yol = std::getenv("ORVELTA_TEST_COZUM");
        if (yol && std::string(yol) == "seyrek") CozumYolu = CozumYoluSecimi::Seyrek;
    }
} ortam;

}  // namespace
