#include "model/LibU.h"

#include <thread>

std::uint16_t IslemciSayisi() {
    unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<std::uint16_t>(n);
}
