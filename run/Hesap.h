#pragma once
// The calculation run of "Hesapla": from the scratch tables to the report and
// the results window, on the calling (user-interface) thread.
#include <functional>
#include <string>

// The whole run. SadeceGeometri: the geometry-only pass of "Çiz", which ends
// after the model readers. Hata is 1 afterwards when the run did not finish.
void HesaplaCalistir(bool SadeceGeometri = false);

// Called at the start of each phase of a run ("okuma", "boyutlandırma",
// "kurma", "çözüm", "rapor") and with "son" after the last one; the headless
// driver and the benchmark time the phases with it. Empty by default.
extern std::function<void(const std::string& Asama)> HesapAsamasiBildirimi;
