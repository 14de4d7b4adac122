#pragma once
// Turkish upper and lower case of UTF-8 text, and character counting.
// Letters handled: ASCII, the Turkish letters (İ ı Ş ş Ğ ğ Ç ç Ö ö Ü ü) and
// the other letters of the Turkish Windows code page (À..Þ / à..þ, Š š, Œ œ,
// Ÿ ÿ). Everything else, including bytes that are not valid UTF-8, is kept.
#include <cstddef>
#include <string>

// "i" -> "İ", "ı" -> "I", then the other letters to upper case.
std::string Utf8TurkceBuyuk(const std::string& Metin);
// "I" -> "ı", "İ" -> "i", then the other letters to lower case.
std::string Utf8TurkceKucuk(const std::string& Metin);

// Only the ASCII letters a..z to upper case, every other byte kept (names of
// columns, pictures and windows).
std::string AsciiBuyuk(std::string Metin);

// Number of characters (code points) in a UTF-8 text; a stray byte counts as one.
std::size_t Utf8KarakterSayisi(const std::string& Metin);
// Byte length of the first n characters (the whole text when it is shorter).
std::size_t Utf8OnekUzunlugu(const std::string& Metin, std::size_t n);
