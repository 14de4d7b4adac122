#pragma once
// The outside PDF viewer: opens a file in the desktop's PDF viewer and can
// close again the viewer that this program started (and no other window).
#include <string>
#include <vector>

// The viewers looked for on the path, in this order (ORVELTA_PDF_GOSTERICI,
// when set, names the one to take instead); each is started with the file as
// its one argument and closed with the terminate signal.
const std::vector<std::string>& PdfGostericileri();

// Starts a viewer on Dosya. A missing viewer fails silently: false.
bool DisGostericiyiAc(const std::string& Dosya);
// Closes the viewer started by DisGostericiyiAc, if it still runs.
void DisGostericiyiKapat();
// Whether the viewer started by this program still runs.
bool DisGostericiCalisiyor();
