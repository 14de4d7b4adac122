#pragma once
// The high-resolution counter, the memory use of the process and the
// allocator's setting.
#include <cstdint>

// Counter value and its ticks per second (a monotonic clock).
std::int64_t SayacDegeri();
std::int64_t SayacFrekansiOku();

// Resident memory of this process in bytes; 0 when it cannot be read.
std::uint64_t KullanilanBellek();

// Lets the C library's allocator keep up to 16 MB freed at the top of the
// heap instead of giving it back to the system at once: a calculation frees
// and allocates its large arrays step after step, and memory given back is
// faulted in again page by page (a thousand faults, some 8 % of a run of
// 0.07 s). Called once at the start of a program.
void BellekAyiriciniAyarla();
