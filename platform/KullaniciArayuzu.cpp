#include "platform/KullaniciArayuzu.h"

#include "platform/MesajStili.h"

std::string BasliksizArayuz::MesajGoster(const std::string& Metin, const std::string& Baslik,
                                         const std::string& Stil) {
    std::string cevap;
    if (!Cevaplar.empty()) {
        cevap = Cevaplar.front();
        Cevaplar.pop_front();
    } else {
        cevap = MesajStiliniCoz(Stil).DugmeHarfleri().front();
    }
    Mesajlar.push_back({Metin, Baslik, Stil, cevap});
    return cevap;
}

namespace {
KullaniciArayuzu* gecerli = nullptr;
}

BasliksizArayuz& VarsayilanBasliksizArayuz() {
    static BasliksizArayuz a;
    return a;
}

KullaniciArayuzu& Arayuz() { return gecerli ? *gecerli : VarsayilanBasliksizArayuz(); }

void ArayuzAyarla(KullaniciArayuzu* a) { gecerli = a; }
