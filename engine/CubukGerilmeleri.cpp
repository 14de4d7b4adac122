#include "engine/CubukGerilmeleri.h"

void CubukGerilmeleriniYaz(int) {}
