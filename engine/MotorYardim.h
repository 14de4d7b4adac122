#pragma once
// Small services of the engine: the high-resolution counter, the elapsed
// seconds text of the progress lines and the memory label.
#include <cstdint>
#include <string>

std::int64_t MotorSayacFrekansi();  // counts per second
std::int64_t MotorSayaci();

// Elapsed seconds between two counter readings, rounded to two decimals
// (ties to even) and written in the shortest general form ("0.07", "1.5").
std::string GecenSaniyeMetni(std::int64_t Bas, std::int64_t Son, std::int64_t Frekans);

// Resident memory of the process in bytes (0 when unknown).
std::uint64_t CalismaKumesi();
// "Memory used: ,.# MB" for a byte count: thousands separator ",", at most
// one decimal ("Memory used: 1,234.5 MB", "Memory used: 12 MB").
std::string BellekKullanimMetni(std::uint64_t Bayt);
// Writes the memory label through the user-interface port, in the form of
// the solution steps B0 and the displacements ("Memory used: ...").
void BellekEtiketiniYenile();
// "Kullanılan bellek: ,.# MB", the main window's own form of the label.
std::string CalismaBellegiMetni(std::uint64_t Bayt);
// Writes the label in the main window's own form, as the run refreshes it.
void CalismaBellegiGoster();

// Memory the system can still give (MemAvailable), in bytes; 0 when unknown.
std::uint64_t KullanilabilirBellek();
// The message of an allocation that the memory cannot hold.
void BellekYetersizMesaji();
