#include "platform/Pencereler.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/TurkceMetin.h"

namespace {

bool X11Masaustu() {
    return QGuiApplication::instance() != nullptr &&
           QGuiApplication::platformName() == QLatin1String("xcb");
}

struct Baglanti {
    xcb_connection_t* c = nullptr;
    xcb_window_t kok = 0;
    Baglanti() {
        int ekran = 0;
        c = xcb_connect(nullptr, &ekran);
        if (xcb_connection_has_error(c)) { xcb_disconnect(c); c = nullptr; return; }
        auto it = xcb_setup_roots_iterator(xcb_get_setup(c));
        for (int i = 0; i < ekran && it.rem; ++i) xcb_screen_next(&it);
        if (!it.rem) { xcb_disconnect(c); c = nullptr; return; }
        kok = it.data->root;
    }
    ~Baglanti() { if (c) xcb_disconnect(c); }

    // Waits until the server has carried out every request sent so far: a
    // connection closed right after its last request may lose that request.
    void Bekle() {
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    }
    Baglanti(const Baglanti&) = delete;
    Baglanti& operator=(const Baglanti&) = delete;

    xcb_atom_t Atom(const char* ad) {
        auto cevap = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(ad), ad), nullptr);
        if (!cevap) return XCB_ATOM_NONE;
        const xcb_atom_t a = cevap->atom;
        std::free(cevap);
        return a;
    }

    // A property's bytes; empty when it is missing.
    std::string Ozellik(xcb_window_t w, xcb_atom_t ad, xcb_atom_t tur) {
        auto cevap = xcb_get_property_reply(c, xcb_get_property(c, 0, w, ad, tur, 0, 4096), nullptr);
        if (!cevap) return {};
        std::string s(static_cast<const char*>(xcb_get_property_value(cevap)),
                      static_cast<std::size_t>(xcb_get_property_value_length(cevap)));
        std::free(cevap);
        return s;
    }

    std::string Baslik(xcb_window_t w) {
        std::string s = Ozellik(w, Atom("_NET_WM_NAME"), Atom("UTF8_STRING"));
        if (s.empty()) s = Ozellik(w, XCB_ATOM_WM_NAME, XCB_ATOM_ANY);
        while (!s.empty() && s.back() == '\0') s.pop_back();
        return s;
    }

    std::vector<xcb_window_t> Cocuklar(xcb_window_t w) {
        std::vector<xcb_window_t> v;
        auto cevap = xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr);
        if (!cevap) return v;
        const xcb_window_t* p = xcb_query_tree_children(cevap);
        v.assign(p, p + xcb_query_tree_children_length(cevap));
        std::free(cevap);
        return v;
    }

    // Client windows: the window manager's list, or else the titled windows
    // among the root's children and their children (frames of a window
    // manager that keeps no list).
    std::vector<xcb_window_t> Istemciler() {
        std::vector<xcb_window_t> v;
        const std::string liste = Ozellik(kok, Atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
        if (liste.size() >= 4) {
            v.resize(liste.size() / 4);
            std::memcpy(v.data(), liste.data(), v.size() * 4);
            return v;
        }
        // Only mapped windows: unmapped helper windows may carry titles too.
        for (xcb_window_t w : Cocuklar(kok)) {
            if (!Gorunur(w)) continue;
            v.push_back(w);
            for (xcb_window_t w2 : Cocuklar(w))
                if (Gorunur(w2)) v.push_back(w2);
        }
        return v;
    }

    bool Gorunur(xcb_window_t w) {
        auto cevap = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
        if (!cevap) return false;
        const bool g = cevap->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(cevap);
        return g;
    }
};

}  // namespace

std::vector<UstPencere> UstPencereler() {
    std::vector<UstPencere> sonuc;
    if (!X11Masaustu()) return sonuc;
    Baglanti b;
    if (!b.c) return sonuc;
    for (xcb_window_t w : b.Istemciler()) {
        std::string t = b.Baslik(w);
        if (!t.empty()) sonuc.push_back({w, std::move(t)});
    }
    return sonuc;
}

unsigned long UstPencereBul(const std::string& Metin) {
    // An empty text is contained in no title.
    if (Metin.empty()) return 0;
    const std::string aranan = AsciiBuyuk(Metin);
    for (const auto& p : UstPencereler())
        if (AsciiBuyuk(p.Baslik).find(aranan) != std::string::npos) return p.Kimlik;
    return 0;
}

void UstPencereyiKapat(unsigned long Pencere) {
    if (Pencere == 0 || !X11Masaustu()) return;
    Baglanti b;
    if (!b.c) return;
    xcb_client_message_event_t o;
    std::memset(&o, 0, sizeof o);
    o.response_type = XCB_CLIENT_MESSAGE;
    o.format = 32;
    o.window = static_cast<xcb_window_t>(Pencere);
    o.type = b.Atom("WM_PROTOCOLS");
    o.data.data32[0] = b.Atom("WM_DELETE_WINDOW");
    o.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(b.c, 0, o.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&o));
    xcb_flush(b.c);
    b.Bekle();
}

void UstPencereyiOneGetir(unsigned long Pencere) {
    if (Pencere == 0 || !X11Masaustu()) return;
    Baglanti b;
    if (!b.c) return;
    const auto w = static_cast<xcb_window_t>(Pencere);
    xcb_map_window(b.c, w);
    const uint32_t ust = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(b.c, w, XCB_CONFIG_WINDOW_STACK_MODE, &ust);
    // Ask the window manager to activate it (source 2: a pager-like request).
    xcb_client_message_event_t o;
    std::memset(&o, 0, sizeof o);
    o.response_type = XCB_CLIENT_MESSAGE;
    o.format = 32;
    o.window = w;
    o.type = b.Atom("_NET_ACTIVE_WINDOW");
    o.data.data32[0] = 2;
    o.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(b.c, 0, b.kok,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&o));
    xcb_flush(b.c);
    b.Bekle();
}
