#pragma once
// Files of the resources folder, built into the program: schema SQL, the
// profile catalogue data, pictures and texts.
#include <string>
#include <string_view>
#include <vector>

// The whole content of the named resource ("BOS.sql", "profiller.csv", a
// path below the resources folder for files in subfolders); an empty view
// for an unknown name.
std::string_view KaynakMetni(std::string_view ad);

// The names of every built-in resource.
std::vector<std::string> KaynakAdlari();
