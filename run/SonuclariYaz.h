#pragma once
// The results report: a list of text lines added to the report memo through
// the user-interface port (five head lines, then eleven sections), the
// element force file and the drawing table. The results window reads the
// lines back by their 0-based numbers and finds each section by its title.

// The whole report, in the fixed order of the sections.
void TumSonuclariYaz();

// Input echoes.
void MalzemeBilgileriniYaz();
void KesitBilgileriniYaz();
void KoordinatlariYaz();
void ElemanNoktaBaginiYaz();
void DugumTekilYukleriniYaz();
void ElemanYukleriniYaz();
void SinirKosullariniYaz();

// Results.
void ElemanKuvvetleriniYaz();
void ReaksiyonlariYaz();
void GerilmeleriYaz();
void YerDegistirmeleriYaz();
