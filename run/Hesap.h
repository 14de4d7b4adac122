#pragma once
// The calculation run of "Hesapla": from the scratch tables to the report and
// the results window, on the calling (user-interface) thread.
#include <functional>
#include <string>

// The whole run. SadeceGeometri: the geometry-only pass of "Çiz", which ends
// after the model readers. True when the run finished (the results window was
// shown, or the geometry was read); false when it ended early, after its
// message. Hata is 0 afterwards in either case.
bool HesaplaCalistir(bool SadeceGeometri = false);

// Called at the start of each phase of a run ("okuma", "boyutlandırma",
// "kurma", "çözüm", "rapor") and with "son" after the last one; the headless
// driver and the benchmark time the phases with it. Empty by default.
extern std::function<void(const std::string& Asama)> HesapAsamasiBildirimi;
