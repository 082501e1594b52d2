// The GDI owners, and the program's own drawing on a real memory DC, which must agree with the
// in-memory raster pixel for pixel.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "controls/chameleon_button.h"
#include "controls/raster.h"
#include "views/dib_canvas.h"
#include "views/gdi.h"
#include "views/gdi_canvas.h"

namespace {

using namespace brisko;

constexpr COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0);

void Fill(HDC dc, RECT r, COLORREF colour) {
    views::GdiObject brush(CreateSolidBrush(colour));
    FillRect(dc, &r, static_cast<HBRUSH>(brush.get()));
}

class Gdi : public ::testing::Test {
  protected:
    // The button on GDI pixel for pixel against the raster, and against the push buttons' own
    // canvas: a DIB written in memory, larger than the drawing and used again.
    void ExpectSamePictures(const controls::ChameleonButton& b, const std::string& what) {
        controls::Raster raster(b.width(), b.height());
        b.draw(raster);
        views::MemoryDc picture(screen.get(), b.width(), b.height());
        ASSERT_TRUE(picture && dib.reserve(80, 30));
        {
            const HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
            views::SelectedObject onGdi(picture.get(), font), onDib(dib.dc(), font);
            views::GdiCanvas gdi(picture.get());
            views::DibCanvas inMemory(dib, b.width(), b.height());
            b.draw(gdi);
            b.draw(inMemory);
        }
        int differing = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x) {
                const COLORREF gdi = GetPixel(picture.get(), x, y);
                const std::uint32_t p = dib.row(y)[x];
                for (const auto& [name, other] :
                     {std::pair{"raster", b.caption().empty() ? raster.at(x, y) : gdi},
                      std::pair{"DIB", RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF)}})
                    if (other != gdi && ++differing <= 3)
                        ADD_FAILURE() << what << ": (" << x << ", " << y << ") " << name << " "
                                      << std::hex << other << ", GDI " << gdi;
            }
        EXPECT_EQ(differing, 0) << what;
    }

    views::WindowDc screen{nullptr};
    views::DibSurface dib;
};

TEST_F(Gdi, OwnersPutBackEndAndFreeWhatTheyTook) {
    HDC dc = nullptr;
    HGDIOBJ bitmap = nullptr;
    {
        views::MemoryDc picture(screen.get(), 4, 4);
        dc = picture.get();
        bitmap = GetCurrentObject(dc, OBJ_BITMAP);
        ASSERT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
        const HGDIOBJ before = GetCurrentObject(dc, OBJ_PEN);
        views::GdiObject pen(CreatePen(PS_SOLID, 1, kRed));
        {
            views::SelectedObject selected(dc, pen.get());
            EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen.get());
            views::SelectedObject nothing(dc, nullptr);  // a failed creation selects nothing
            EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen.get());
        }
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), before);
    }
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
}

// Drawing off screen reaches its target over its own area only, and over none when it is empty.
TEST_F(Gdi, BufferedDrawingReachesItsTargetOverItsOwnAreaOnly) {
    views::MemoryDc target(screen.get(), 8, 8);
    Fill(target.get(), {0, 0, 8, 8}, kWhite);
    const auto paint = [](COLORREF c) {
        return [c](HDC buffer) { Fill(buffer, {0, 0, 8, 8}, c); };
    };
    views::DrawBuffered(target.get(), 6, 2, paint(kRed));
    views::DrawBuffered(target.get(), 0, 0, paint(kWhite));
    for (const auto& [x, y, colour] :
         {std::tuple{0, 0, kRed}, {5, 1, kRed}, {5, 2, kWhite}, {6, 1, kWhite}})
        EXPECT_EQ(GetPixel(target.get(), x, y), colour) << x << ", " << y;
}

TEST_F(Gdi, TheButtonsDrawingOnGdiAndTheDibIsTheRastersInEveryStyleStateAndSize) {
    // Style 3, the windows' own, in sizes that round its halves both ways, captioned; the others.
    constexpr int kCases[][4] = {{3, 75, 23, 0}, {3, 75, 23, 1}, {3, 20, 20, 0}, {3, 40, 7, 0},
                                 {1, 30, 16, 0}, {2, 30, 16, 0}, {4, 30, 16, 0}, {5, 30, 16, 0},
                                 {6, 30, 16, 0}, {7, 30, 16, 0}};
    for (const auto& [style, w, h, captioned] : kCases) {
        controls::ChameleonButton b;
        b.setButtonType(style);
        if (style == 3) {
            b.setColorScheme(2);
            b.setBackColor(controls::rgb(192, 192, 192));
        }
        b.resize(w, h);
        b.setCaption(captioned ? "&Go" : "");
        const std::string what = "style " + std::to_string(style) + ", " + std::to_string(w) +
                                 " x " + std::to_string(h) + " " + b.caption();
        ExpectSamePictures(b, "normal " + what);
        b.setFocused(true);
        ExpectSamePictures(b, "focused " + what);
        b.showPressed(true);
        ExpectSamePictures(b, "pressed " + what);
        b.showPressed(false);
        b.setEnabled(false);
        ExpectSamePictures(b, "disabled " + what);
    }
}

}  // namespace
