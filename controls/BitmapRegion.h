#pragma once
#include <windows.h>

// The region of the pixels of a bitmap that differ from a key colour: the
// union of every maximal horizontal run of non-key pixels, one rectangle one
// pixel high per run. A pixel belongs to the region unless it equals the key
// exactly (0x00BBGGRR, all three channels).

// Builds the region by the reference rule: pixels read one by one (GetPixel)
// and one union per run (CombineRgn, RGN_OR), in row order, left to right.
// Slow on a large picture; kept as the definition the fast way must match.
HRGN CreateRegionRunByRun(HBITMAP bitmap, COLORREF key);

// The same region, built from the pixels read in one block (GetDIBits) and
// made in one call (ExtCreateRegion) from the list of runs. The bitmap must
// not be selected into a device context while it is read. Null when the
// bitmap cannot be read that way.
HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF key);
