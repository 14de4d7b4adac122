// With ORVELTA_TEST_COZUM=seyrek in its environment this test program solves
// every structure, whatever its size, by the sparse solution: ctest runs the
// report tests, with their hand-calculated lines, a second time so.
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
