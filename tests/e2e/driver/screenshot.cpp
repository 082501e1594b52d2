#include "tests/e2e/driver/screenshot.h"

#include <filesystem>
#include <fstream>

#include "platform/win32/win32_utf8.h"
#include "tests/e2e/driver/driver.h"

namespace brisko::e2e {

namespace {

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
};
struct MemoryDc {
    HDC dc;
    explicit MemoryDc(HDC like) : dc(CreateCompatibleDC(like)) {}
    ~MemoryDc() { DeleteDC(dc); }
};
struct Bitmap {
    HBITMAP bitmap;
    ~Bitmap() { DeleteObject(bitmap); }
};

}  // namespace

void SaveScreenshot(HWND window, const std::string& name) {
    if (GetDriveTypeW(L"S:\\") == DRIVE_NO_ROOT_DIR || !window) return;
    SetForegroundWindow(window);
    BringWindowToTop(window);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    Pause(600ms);  // let the program paint in its own time

    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return;

    ScreenDc screen;
    MemoryDc memory(screen.dc);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up rows, as BMP files keep them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap bitmap{CreateDIBSection(screen.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0)};
    if (!bitmap.bitmap) return;
    HGDIOBJ old = SelectObject(memory.dc, bitmap.bitmap);
    BitBlt(memory.dc, 0, 0, width, height, screen.dc, r.left, r.top, SRCCOPY);
    SelectObject(memory.dc, old);
    GdiFlush();

    const auto stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const auto pixels = stride * static_cast<DWORD>(height);
    const DWORD header = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const BITMAPFILEHEADER file{0x4D42 /* "BM" */, header + pixels, 0, 0, header};
    std::ofstream out(std::filesystem::path(win32::Wide("S:\\" + name + ".bmp")), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
    out.write(static_cast<const char*>(bits), pixels);
}

}  // namespace brisko::e2e
