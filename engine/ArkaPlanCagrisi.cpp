#include "engine/ArkaPlanCagrisi.h"

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "model/Tipler.h"
#include "platform/KullaniciArayuzu.h"

namespace {

// The wait between two pumps of the window messages.
constexpr auto kBekleme = std::chrono::milliseconds(10);

// A call left behind by a stop: its thread and whether it has ended.
struct Birakilan {
    std::thread Is;
    std::shared_ptr<std::atomic<bool>> Bitti;
};

// The calls left behind; used by the user-interface thread only. At the
// end of the program every one of them is waited for, so that none is
// still working while the process goes down.
struct Birakilanlar {
    std::vector<Birakilan> Liste;
    ~Birakilanlar() {
        for (auto& b : Liste)
            if (b.Is.joinable()) b.Is.join();
    }
};

Birakilanlar& BirakilanCagrilar() {
    static Birakilanlar b;
    return b;
}

// Joins the calls left behind that have ended.
void BitenleriTopla() {
    auto& l = BirakilanCagrilar().Liste;
    for (auto it = l.begin(); it != l.end();) {
        if (it->Bitti->load()) {
            it->Is.join();
            it = l.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace

bool ArkaPlandaCalistir(std::function<void()> is) {
    BitenleriTopla();
    auto cagri = std::make_shared<std::function<void()>>(std::move(is));
    auto bitti = std::make_shared<std::atomic<bool>>(false);
    auto soz = std::make_shared<std::promise<void>>();
    std::future<void> sonuc = soz->get_future();
    std::thread t;
    try {
        t = std::thread([cagri, bitti, soz]() mutable {
            try {
                (*cagri)();
                soz->set_value();
            } catch (...) {
                soz->set_exception(std::current_exception());
            }
            // What the call holds is freed here, on its own thread, once
            // the caller has let go of it.
            cagri.reset();
            soz.reset();
            bitti->store(true);
        });
    } catch (const std::system_error&) {
        // No thread can be had: the call runs here, without pumping.
        (*cagri)();
        Arayuz().MesajlariIsle();
        return Hata == 0;
    }
    cagri.reset();
    // Whatever ends the wait without the call having been joined (a stop, or
    // an error raised while the messages are pumped) leaves the call to end
    // in the background, and its result is dropped.
    struct Birak {
        std::thread& t;
        std::shared_ptr<std::atomic<bool>>& bitti;
        ~Birak() {
            if (t.joinable()) BirakilanCagrilar().Liste.push_back({std::move(t), std::move(bitti)});
        }
    } birak{t, bitti};
    for (;;) {
        const bool hazir = sonuc.wait_for(kBekleme) == std::future_status::ready;
        Arayuz().MesajlariIsle();
        if (Hata != 0) return false;
        if (hazir) break;
    }
    t.join();
    sonuc.get();
    return true;
}

bool ArkaPlandakileriBekle() {
    for (;;) {
        BitenleriTopla();
        if (BirakilanCagrilar().Liste.empty()) return true;
        std::this_thread::sleep_for(kBekleme);
        Arayuz().MesajlariIsle();
        if (Hata != 0) return false;
    }
}

int ArkaPlandakiCagriSayisi() {
    BitenleriTopla();
    return static_cast<int>(BirakilanCagrilar().Liste.size());
}
