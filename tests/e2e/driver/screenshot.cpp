#include "tests/e2e/driver/screenshot.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

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

template <typename T>
void Put(std::vector<char>& out, std::size_t& at, const T& value) {
    std::memcpy(out.data() + at, &value, sizeof(T));
    at += sizeof(T);
}

}  // namespace

void SaveScreenshot(HWND window, const std::string& name) {
    if (GetDriveTypeW(L"S:\\") == DRIVE_NO_ROOT_DIR || !window) return;
    SetForegroundWindow(window);
    BringWindowToTop(window);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    WaitUntil([] { return false; }, 600ms);  // let the program paint in its own time

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

    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t pixels = stride * static_cast<std::uint32_t>(height);
    const std::uint32_t header = 14 + sizeof(BITMAPINFOHEADER);
    std::vector<char> file(header + pixels);
    std::size_t at = 0;
    Put<std::uint16_t>(file, at, 0x4D42);  // "BM"
    Put<std::uint32_t>(file, at, header + pixels);
    Put<std::uint32_t>(file, at, 0);
    Put<std::uint32_t>(file, at, header);
    Put(file, at, info.bmiHeader);
    std::memcpy(file.data() + at, bits, pixels);
    std::ofstream(std::filesystem::path(win32::Wide("S:\\" + name + ".bmp")), std::ios::binary)
        .write(file.data(), static_cast<std::streamsize>(file.size()));
}

}  // namespace brisko::e2e
