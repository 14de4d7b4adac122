#pragma once
// The high-resolution counter and the memory use of the process.
#include <cstdint>

// Counter value and its ticks per second (a monotonic clock).
std::int64_t SayacDegeri();
std::int64_t SayacFrekansiOku();

// Resident memory of this process in bytes; 0 when it cannot be read.
std::uint64_t KullanilanBellek();
