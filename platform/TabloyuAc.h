#pragma once
// Opens a table unless it is open already (Open on an open table reopens it
// and loses its position).
#include "platform/Tablo.h"

inline void TabloyuAc(Tablo& t) {
    if (!t.Active()) t.Open();
}
