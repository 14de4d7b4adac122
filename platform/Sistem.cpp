#include "platform/Sistem.h"

#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <chrono>
#include <cstdio>

std::int64_t SayacDegeri() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::int64_t SayacFrekansiOku() { return 1000000000; }

std::uint64_t KullanilanBellek() {
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return 0;
    unsigned long long toplam = 0, yerlesik = 0;
    const int n = std::fscanf(f, "%llu %llu", &toplam, &yerlesik);
    std::fclose(f);
    if (n != 2) return 0;
    const long sayfa = ::sysconf(_SC_PAGESIZE);
    return yerlesik * static_cast<std::uint64_t>(sayfa > 0 ? sayfa : 4096);
}

void BellekAyiriciniAyarla() {
#if defined(__GLIBC__)
    mallopt(M_TOP_PAD, 16 << 20);
#endif
}
