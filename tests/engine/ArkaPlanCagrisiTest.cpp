// A long library call on a thread of its own: the waiting user-interface
// thread pumps the window messages while it runs, a stop returns at once and
// leaves the call to end in the background, which frees what the call held.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <new>
#include <thread>

#include "TestYardim.h"
#include "engine/ArkaPlanCagrisi.h"
#include "model/Tipler.h"

namespace {

// What a call works on.
struct Veri {
    std::atomic<bool> Devam{false};  // the call ends once this is set
    std::atomic<int> Sonuc{0};
    std::thread::id Is;
};

}  // namespace

TEST(ArkaPlanCagrisi, CalisirkenPompalarDurdurulaninSonucuArkadaBirakilir) {
    BasliksizArayuz& a = TemizBasliksizArayuz();
    int pompa = 0;
    auto veri = std::make_shared<Veri>();
    auto cagri = [](std::shared_ptr<Veri> v) {
        return [v] {
            v->Is = std::this_thread::get_id();
            while (!v->Devam) std::this_thread::yield();
            v->Sonuc = 42;
        };
    };

    // The call can only end after the third pump: the window is served while
    // it runs, once more after it, and its result is there.
    bool sonPompadaBitmisti = false;
    a.IsleKancasi = [&] {
        sonPompadaBitmisti = veri->Sonuc == 42;
        if (++pompa == 3) veri->Devam = true;
    };
    EXPECT_TRUE(ArkaPlandaCalistir(cagri(veri)));
    EXPECT_GE(pompa, 4);
    EXPECT_TRUE(sonPompadaBitmisti);
    EXPECT_EQ(veri->Sonuc, 42);
    EXPECT_NE(veri->Is, std::this_thread::get_id());
    EXPECT_THROW(ArkaPlandaCalistir([] { throw std::bad_alloc(); }), std::bad_alloc);

    // A stop at the first pump returns at once; the call is still waiting
    // and keeps what it works on.
    veri->Devam = false;
    veri->Sonuc = 0;
    pompa = 0;
    a.IsleKancasi = [&] {
        ++pompa;
        Hata = 1;
    };
    EXPECT_FALSE(ArkaPlandaCalistir(cagri(veri)));
    EXPECT_EQ(pompa, 1);
    EXPECT_EQ(ArkaPlandakiCagriSayisi(), 1);
    std::weak_ptr<Veri> izle = veri;
    Veri* ham = veri.get();
    veri.reset();
    EXPECT_FALSE(izle.expired());

    // Waiting for it pumps too, and a stop ends the wait as well.
    pompa = 0;
    EXPECT_FALSE(ArkaPlandakileriBekle());
    EXPECT_EQ(pompa, 1);
    EXPECT_EQ(ArkaPlandakiCagriSayisi(), 1);

    // Once it ends, what it held is freed and nothing is left to wait for.
    Hata = 0;
    a.IsleKancasi = nullptr;
    ham->Devam = true;
    EXPECT_TRUE(ArkaPlandakileriBekle());
    EXPECT_EQ(ArkaPlandakiCagriSayisi(), 0);
    EXPECT_TRUE(izle.expired());
    EXPECT_EQ(Hata, 0);
}
