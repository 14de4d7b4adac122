#pragma once
// Length and 3 x 3 rotation matrix of the current element (rows: the local
// x, y, z axes in global components). The element lookup fills the
// current-element globals first; callers test Hata before using the results.

// Bars in the global X-Y plane.
void DuzlemTransformasyonMatrisi();
// Space bars; the local y axis lies in the plane of i, j and the third point
// (a node, or one of the axis codes 10001..10003, -10001..-10003).
void UzayTransformasyonMatrisi();
