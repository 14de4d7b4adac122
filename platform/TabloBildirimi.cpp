#include "platform/TabloBildirimi.h"

#include <map>

namespace {
std::map<int, std::function<void(Tablo&)>>& Dinleyiciler() {
    static std::map<int, std::function<void(Tablo&)>> d;
    return d;
}
int sonNo = 0;
}  // namespace

void TabloDegistiBildir(Tablo& T) {
    // A copy: a listener may add or remove listeners while it runs.
    const auto dinleyiciler = Dinleyiciler();
    for (const auto& [no, f] : dinleyiciler)
        if (f) f(T);
}

int TabloDegistiDinle(std::function<void(Tablo&)> Dinleyici) {
    Dinleyiciler()[++sonNo] = std::move(Dinleyici);
    return sonNo;
}

void TabloDinlemesiniBirak(int No) { Dinleyiciler().erase(No); }
