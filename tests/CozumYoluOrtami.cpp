// With ORVELTA_TEST_COZUM=seyrek in its environment a test program that
// links this file (the engine and run tests) solves every structure,
// whatever its size, by the sparse solution: ctest runs those tests, with
// their hand-calculated results and report lines, a second time so.
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
