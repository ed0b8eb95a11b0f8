// Prints how long the window outline of the shipped skin takes to build by
// the run-by-run rule (a pixel read and a region union at a time) and by the
// one-block routine, and whether both give the same region.
//
//   region_benchmark.exe SETUP_EXE
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <vector>

#include "controls/BitmapRegion.h"
#include "resource.h"
#include "win/GdiObject.h"

namespace {

const COLORREF kKey = RGB(255, 0, 255);
const int kRounds = 20;

double Milliseconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Average time of one build, in milliseconds.
double Time(HRGN (*build)(HBITMAP, COLORREF), HBITMAP skin)
{
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    ::QueryPerformanceCounter(&start);
    for (int round = 0; round < kRounds; ++round)
        win::Region region(build(skin, kKey));
    ::QueryPerformanceCounter(&end);
    return Milliseconds(start, end) / kRounds;
}

std::vector<BYTE> RegionData(HRGN region)
{
    std::vector<BYTE> data(::GetRegionData(region, 0, nullptr));
    if (!data.empty())
        ::GetRegionData(region, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
    return data;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fwprintf(stderr, L"usage: region_benchmark SETUP_EXE\n");
        return 2;
    }
    HMODULE setup = ::LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    win::Bitmap skin(setup != nullptr ? ::LoadBitmapW(setup, MAKEINTRESOURCEW(IDB_SKIN)) : nullptr);
    if (skin.IsNull()) {
        std::fwprintf(stderr, L"cannot load the skin from %ls\n", argv[1]);
        return 1;
    }
    const double runByRun = Time(CreateRegionRunByRun, skin);
    const double oneBlock = Time(CreateRegionFromBitmap, skin);
    win::Region reference(CreateRegionRunByRun(skin, kKey));
    win::Region fast(CreateRegionFromBitmap(skin, kKey));
    const bool same = RegionData(reference) == RegionData(fast);
    std::wprintf(L"skin outline, average of %d builds\n", kRounds);
    std::wprintf(L"  run by run (GetPixel, CombineRgn per run): %8.2f ms\n", runByRun);
    std::wprintf(L"  one block (GetDIBits, ExtCreateRegion):    %8.2f ms\n", oneBlock);
    std::wprintf(L"  same region data: %ls\n", same ? L"yes" : L"NO");
    ::FreeLibrary(setup);
    return same ? 0 : 1;
}
