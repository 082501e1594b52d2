// The views in real windows: controls kept in step with their models both ways, a burst of
// updates, the caption buttons of the skins and of the styled frame, and two lists in one.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "controls/form.h"
#include "controls/raster.h"
#include "controls/xp_design.h"
#include "platform/win32/win32_platform.h"
#include "views/binding.h"
#include "views/gdi.h"

namespace {

using namespace brisko;
using namespace std::string_literals;
using controls::ButtonImage;
using controls::CaptionButton;

class KindsForm : public controls::Form {
  public:
    KindsForm() : Form("frmKinds", "Views test") {
        clientWidth = 7200;
        clientHeight = 6000;
        backColor = controls::rgb(236, 233, 216);
        skin = controls::MainWindowSkin();
        onSystemClose = [this] { ++closes; };
        onHelp = [this] { ++helps; };
        onMouseMove = [this] { ++bodyMoves; };
        place(chkBox, 300, 600, 1500, 255).setCaption("Tick me");
        place(lblFit, 300, 1500, 0, 255).setCaption("Fits");
        place(txtShort, 300, 1800, 1500, 315);
        place(lstChecks, 2000, 600, 2000, 1200).checkBoxes = true;
        lstChecks.backColor = controls::rgb(250, 240, 200);
        place(aniClip, 300, 2400, 600, 600);
        place(cmdGo, 300, 3300, 1200, 375).setCaption("Go");
        cmdGo.toolTip = "Go on";
        place(lstAll, 4200, 2400, 2500, 1500).toolTip = "Every entry";
        place(lstFound, 4200, 2400, 2500, 1500).toolTip = "What was found";
        lstFound.setVisible(false);
        lstFound.sharesPlaceWith = &lstAll;
    }

    controls::CheckBox chkBox{"chkBox"};
    controls::Label lblFit{"lblFit"};
    controls::TextBox txtShort{"txtShort"};
    controls::ListBox lstChecks{"lstChecks"}, lstAll{"lstAll"}, lstFound{"lstFound"};
    controls::Animation aniClip{"aniClip"};
    controls::PushButton cmdGo{"cmdGo"};
    int closes = 0, helps = 0, bodyMoves = 0;

  private:
    template <class W>
    W& place(W& w, int left, int top, int width, int height) {
        w.rect = {left, top, width, height};
        return add(w);
    }
};

// A window model of the test's own, bound to a real window over the real platform, and the
// user's keyboard and mouse on its controls, in their own pixels.
template <class FormModel>
class BoundWindow : public ::testing::Test {
  protected:
    void Open() {
        binding = std::make_unique<views::Binding>(GetModuleHandleW(nullptr), services);
        binding->attach(form);
        form.show();
        window = reinterpret_cast<HWND>(form.hwnd);
        ASSERT_NE(window, nullptr);
    }
    void SetUp() override { Open(); }
    void TearDown() override { binding.reset(); }

    HWND Child(const wchar_t* cls, const wchar_t* text = nullptr) const {
        return FindWindowExW(window, nullptr, cls, text);
    }
    HWND Caption(const wchar_t* tip) const { return Child(L"BriskoCaptionButton", tip); }
    static std::wstring Text(HWND h) {
        wchar_t buffer[128] = {};
        GetWindowTextW(h, buffer, 128);
        return buffer;
    }
    static LRESULT Send(HWND h, UINT msg, WPARAM w = 0, LPARAM l = 0) {
        return SendMessageW(h, msg, w, l);
    }
    static void Click(HWND h) { Send(h, BM_CLICK); }
    static void Down(HWND h, POINT p = {5, 5}, UINT msg = WM_LBUTTONDOWN) {
        Send(h, msg, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    }
    static void Up(HWND h, POINT p = {5, 5}, UINT msg = WM_LBUTTONUP) {
        Send(h, msg, 0, MAKELPARAM(p.x, p.y));
    }
    static void Move(HWND h, POINT p = {5, 5}) { Send(h, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y)); }
    // Serves the thread's messages until `done`, five seconds at the most.
    template <class Done>
    static void Serve(Done done) {
        MSG msg;
        for (const ULONGLONG end = GetTickCount64() + 5000; !done() && GetTickCount64() < end;)
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    // The tip of `tool` (TTM_GETTEXTW), or of the tool under the mouse (TTM_GETCURRENTTOOLW).
    std::wstring Tip(UINT message, HWND tool = nullptr) const {
        wchar_t tip[80] = {};
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.uId = UINT_PTR(tool);
        info.lpszText = tip;
        Send(FindWindowW(TOOLTIPS_CLASSW, nullptr), message, 80, LPARAM(&info));
        return tip;
    }
    ButtonImage Image(CaptionButton b) const { return form.skin.image(b); }

    win32::Win32Platform platform;
    platform::Services services = platform.services();
    FormModel form;
    std::unique_ptr<views::Binding> binding;
    HWND window = nullptr;
};

using Views = BoundWindow<KindsForm>;

TEST_F(Views, ABoxFollowsItsModelALabelFitsItsTextAndBothTakeTheirColours) {
    HWND box = Child(L"Button", L"Tick me");
    form.chkBox.setValue(1);
    EXPECT_EQ(Send(box, BM_GETCHECK), BST_CHECKED);
    Click(box);
    EXPECT_EQ(form.chkBox.value(), 0);
    form.chkBox.onClick = [&] { form.chkBox.setValue(0); };  // refuses the tick
    Click(box);
    EXPECT_EQ(std::pair(form.chkBox.value(), Send(box, BM_GETCHECK)),
              std::pair(0, LRESULT{BST_UNCHECKED}));

    HWND label = Child(L"Static", L"Fits");
    RECT before{}, after{};
    GetClientRect(label, &before);
    form.lblFit.setCaption("Fits, and a good deal more besides");
    GetClientRect(label, &after);
    EXPECT_GT(before.right, 0) << "a label without a width takes the width of its text";
    EXPECT_GT(after.right, before.right);

    // Fields take the window colours unless their model has its own, labels the window's face.
    views::WindowDc dc(window);
    const auto background = [&](UINT msg, HWND control) {
        Send(window, msg, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(control));
        return GetBkColor(dc.get());
    };
    EXPECT_EQ(background(WM_CTLCOLOREDIT, Child(L"Edit")), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(background(WM_CTLCOLORSTATIC, Child(L"Button", L"Tick me")), RGB(236, 233, 216));
    form.txtShort.backColor = controls::rgb(255, 255, 192);
    EXPECT_EQ(background(WM_CTLCOLOREDIT, Child(L"Edit")), RGB(255, 255, 192));
}

TEST_F(Views, CheckListTogglesByItsBoxAndTheSpaceBarOnly) {
    form.lstChecks.assign({"first", "second"});
    HWND list = Child(L"ListBox");
    const int height = static_cast<int>(Send(list, LB_GETITEMHEIGHT));
    // A click on the second entry's box ticks it; one on the first entry's text selects only.
    for (const auto& [at, index] : {std::pair{POINT{2, height * 3 / 2}, 1}, {POINT{60, 5}, 0}}) {
        Down(list, at);
        Up(list, at);
        EXPECT_EQ(std::pair(form.lstChecks.checked(0), form.lstChecks.checked(1)),
                  std::pair(false, true));
        EXPECT_EQ(form.lstChecks.listIndex(), index);
    }
    Send(list, WM_KEYDOWN, VK_SPACE);
    EXPECT_TRUE(form.lstChecks.checked(0));
}

TEST_F(Views, ABurstOfUpdatesReachesTheScreenOnItsTimerAndTheListDrawsWholeAfterIt) {
    HWND label = Child(L"Static", L"Fits"), list = Child(L"ListBox");
    form.lblFit.setCaption("one");
    EXPECT_EQ(Text(label), L"one") << "a few changes show at once";
    for (int i = 0; i < 200; ++i) form.lblFit.setCaption("count " + std::to_string(i));
    EXPECT_NE(Text(label), L"count 199") << "a long run waits for the timer";
    // Entries are there at once (screen readers and tests count them); only drawing waits.
    for (int i = 0; i < 300; ++i) form.lstChecks.addItem("entry " + std::to_string(i));
    EXPECT_EQ(Send(list, LB_GETCOUNT), 300);
    Serve([&] { return Text(label) == L"count 199"; });
    EXPECT_EQ(Text(label), L"count 199");
    // Any change but an addition ends the list's burst: it draws again at once, with the scroll
    // bar its entries now need drawn in its frame, its texts, and its own colour.
    form.lstChecks.setChecked(0, true);
    UpdateWindow(list);
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    ASSERT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &bar));
    EXPECT_FALSE(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    views::WindowDc screen(nullptr), dc(list);
    const COLORREF onBar =
        GetPixel(screen.get(), (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2,
                 (bar.rcScrollBar.top + bar.rcScrollBar.bottom) / 2);
    EXPECT_NE(onBar, CLR_INVALID);
    EXPECT_NE(onBar, RGB(250, 240, 200));
    RECT first{};
    Send(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    bool ink = false;  // dark ink on the light field, right of the box
    for (int x = first.left + 20; x < first.right; ++x)
        for (int y = first.top; y < first.bottom; ++y)
            ink = ink || GetRValue(GetPixel(dc.get(), x, y)) < 128;
    EXPECT_TRUE(ink);
    EXPECT_EQ(GetPixel(dc.get(), first.right - 3, first.top + 2), RGB(250, 240, 200));
}

TEST_F(Views, PushButtonHasTheModelsOutlineClicksOncePerPressWhileEnabledAndArrowsMoveFocus) {
    int clicks = 0;
    form.cmdGo.onClick = [&] { ++clicks; };
    HWND go = Child(L"Button", L"Go");
    RECT r{};
    GetClientRect(go, &r);
    EXPECT_EQ(form.cmdGo.look().width(), r.right);
    views::GdiObject region(CreateRectRgn(0, 0, 0, 0));
    const auto rgn = static_cast<HRGN>(region.get());
    ASSERT_NE(GetWindowRgn(go, rgn), ERROR);
    // On screen its cut corners show the window behind it, the rest its model's picture.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    controls::Raster drawn(r.right, r.bottom);
    form.cmdGo.look().draw(drawn);
    POINT at{};
    MapWindowPoints(go, window, &at, 1);
    views::WindowDc dc(window);
    for (const auto& [x, y] :
         {std::pair{0, 0}, {1, 0}, {0, 1}, {r.right - 1, r.bottom - 1}, {2, 0}, {1, 1}, {0, 2}}) {
        const bool cut = x + y < 2 || x == r.right - 1;
        EXPECT_EQ(std::pair(!PtInRegion(rgn, x, y), GetPixel(dc.get(), at.x + x, at.y + y)),
                  std::pair(cut, cut ? RGB(236, 233, 216) : COLORREF{drawn.at(x, y)}))
            << x << ", " << y;
    }
    // Its tool tip, to which it passes the mouse itself, shows under the mouse.
    GetWindowRect(go, &r);
    SetCursorPos(r.left + 8, r.top + 8);
    Move(go, {8, 8});
    Serve([&] { return IsWindowVisible(FindWindowW(TOOLTIPS_CLASSW, nullptr)); });
    EXPECT_EQ(Tip(TTM_GETCURRENTTOOLW), L"Go on");
    SetCursorPos(0, 0);
    // The arrow keys move the focus as Tab and Shift+Tab do, and click nothing.
    for (const auto& [key, back] : {std::pair{VK_DOWN, FALSE}, std::pair{VK_LEFT, TRUE}}) {
        const HWND expected = GetNextDlgTabItem(window, go, back);
        SetFocus(go);
        Send(go, WM_KEYDOWN, key);
        EXPECT_TRUE(GetFocus() == expected && expected != go) << key;
    }
    Down(go);
    Up(go);
    Down(go, {5, 5}, WM_LBUTTONDBLCLK);  // shows the press but clicks no second time
    EXPECT_TRUE(Send(go, BM_GETSTATE) & BST_PUSHED);
    Up(go);
    EXPECT_FALSE(Send(go, BM_GETSTATE) & BST_PUSHED);
    EXPECT_EQ(clicks, 1);
    Click(go);
    EXPECT_EQ(clicks, 2);
    form.cmdGo.setEnabled(false);
    Click(go);
    EXPECT_FALSE(IsWindowEnabled(go));
    EXPECT_EQ(clicks, 2);
}

// The clips made for the program open in the animation control as its model says (the control
// plays only a clip it has open), and the alarm is a short PCM wave.
TEST_F(Views, TheProgramsClipsOpenInTheAnimationAndTheAlarmIsAShortWave) {
    const auto opened = [clip = Child(L"SysAnimate32")] { return Send(clip, ACM_PLAY, 1) != 0; };
    for (const char* file : {"RurivAzavidi.avi", "Check.avi", "missing.avi"}) {
        form.aniClip.open(std::string("C:\\brisko\\") + file);
        form.aniClip.play();
        EXPECT_EQ(opened(), file[0] != 'm') << file;
        form.aniClip.close();
        EXPECT_FALSE(opened()) << file;
    }
    std::ifstream wave("C:\\brisko\\Alarm.wav", std::ios::binary);
    std::string h(44, '\0');
    ASSERT_TRUE(wave.read(h.data(), 44)) << "Alarm.wav";
    const auto number = [&](int at) {  // three bytes, little-endian
        const auto byte = [&](int i) { return int{static_cast<unsigned char>(h[at + i])}; };
        return byte(0) | byte(1) << 8 | byte(2) << 16;
    };
    EXPECT_EQ(h.substr(0, 4) + h.substr(8, 8), "RIFFWAVEfmt ");
    EXPECT_EQ(h[20], 1) << "PCM";
    const double seconds = number(40) / (number(24) * 2.0);
    EXPECT_TRUE(seconds > 0.3 && seconds < 1.5) << seconds;
}

// A caption button acts on its release, wherever that happens, or on BM_CLICK, pressed by any
// mouse button; it holds the mouse meanwhile, and acts on nothing once the mouse is lost.
TEST_F(Views, CaptionButtonsActOnTheirReleaseOrClickUnlessTheMouseIsLost) {
    HWND help = Caption(L"Help me"), close = Caption(L"Close"), minimise = Caption(L"Minimize");
    Down(help);
    EXPECT_EQ(Image(CaptionButton::Help), ButtonImage::Pressed);
    EXPECT_EQ(std::pair(form.helps, GetCapture()), std::pair(0, help));
    Up(help, {-300, 200});
    Up(help);  // with nothing pressed: nothing
    EXPECT_EQ(std::pair(form.helps, GetCapture()), std::pair(1, HWND{}));
    EXPECT_EQ(Image(CaptionButton::Help), ButtonImage::Normal);
    Click(close);
    EXPECT_EQ(form.closes, 1);
    Down(close);
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetCapture(other);
    ReleaseCapture();
    EXPECT_EQ(Image(CaptionButton::Close), ButtonImage::Normal);
    Up(close);
    EXPECT_EQ(form.closes, 1);
    DestroyWindow(other);
    // After the restore the minimise button is normal again.
    Down(minimise, {5, 5}, WM_RBUTTONDOWN);
    Up(minimise, {5, 5}, WM_RBUTTONUP);
    ASSERT_EQ(form.state(), controls::WindowState::Minimized);
    EXPECT_EQ(Image(CaptionButton::Minimise), ButtonImage::Pressed);
    ShowWindow(window, SW_RESTORE);
    EXPECT_EQ(form.state(), controls::WindowState::Normal);
    EXPECT_EQ(Image(CaptionButton::Minimise), ButtonImage::Normal);
}

TEST_F(Views, CaptionButtonsLightUnderTheMouseAndOnlyMovesOverTheBodyReachTheModel) {
    RECT r{};
    GetClientRect(window, &r);
    Move(Caption(L"Help me"));
    Move(Caption(L"Close"));
    Move(window, {4, 8});  // the title strip's left piece leaves them lit
    EXPECT_EQ(Image(CaptionButton::Help), ButtonImage::Highlighted);
    EXPECT_EQ(Image(CaptionButton::Close), ButtonImage::Highlighted);
    form.bodyMoves = 0;
    Move(window, {r.right / 2, 8});  // its middle piece puts them out
    EXPECT_EQ(Image(CaptionButton::Help), ButtonImage::Normal);
    EXPECT_EQ(Image(CaptionButton::Close), ButtonImage::Normal);
    EXPECT_EQ(form.bodyMoves, 0);
    Move(window, {40, 200});
    EXPECT_EQ(form.bodyMoves, 1);
    Down(Caption(L"Close"));
    Move(window, {40, 200});  // not while a caption button is held
    Up(Caption(L"Close"));
    EXPECT_EQ(form.bodyMoves, 1);
}

// ---- The styled frame drawn over a whole window

class FramedForm : public controls::Form {
  public:
    FramedForm() : Form("frmFramed", "Framed") {
        clientWidth = 6000;
        clientHeight = 3000;
        frame.attach(*this);
        frame.place({0, 0, clientWidth, clientHeight});
        frame.Initialise(this);
        frame.setCaption("Framed title");
        frame.setStexte("Framed status");
    }
    controls::XPDesign frame{"XPDesign1"};
};

class StyledFrame : public BoundWindow<FramedForm> {
  protected:
    static constexpr std::pair<const wchar_t*, CaptionButton> kButtons[] = {
        {L"Help", CaptionButton::Help},
        {L"Minimize", CaptionButton::Minimise},
        {L"Close", CaptionButton::Close}};
    // An element of the frame, in the window's pixels.
    RECT Element(controls::FrameElement e) const {
        const controls::Rect r = form.frame.element(e);
        views::WindowDc dc(window);
        const auto px = [dpi = GetDeviceCaps(dc.get(), LOGPIXELSX)](int twips) {
            return MulDiv(twips, dpi, 1440);
        };
        return {px(r.left), px(r.top), px(r.left + r.width), px(r.top + r.height)};
    }
    // Whether a button is still lit after all were lit and `then` happened.
    template <class Then>
    bool LitAfter(Then then) {
        for (const auto& [tip, b] : kButtons) Move(Caption(tip), {3, 3});
        then();
        for (const auto& [tip, b] : kButtons)
            if (Image(b) != ButtonImage::Normal) return true;
        return false;
    }
};

TEST_F(StyledFrame, DrawsItsBarsItsButtonsActOnItGoOutOverItsTitleAndTextsAndFollowItsProperties) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client{};
    GetClientRect(window, &client);
    views::WindowDc screen(nullptr);
    views::MemoryDc picture(screen.get(), client.right, client.bottom);
    Send(window, WM_PRINT, reinterpret_cast<WPARAM>(picture.get()),
         PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
    const auto at = [&](int x, int y) { return GetPixel(picture.get(), x, y); };
    const COLORREF background = at(client.right / 2, client.bottom / 2);
    const RECT title = Element(controls::FrameElement::TitleBody);
    const RECT end = Element(controls::FrameElement::RoundEnd);
    const RECT bottom = Element(controls::FrameElement::BottomBar);
    const RECT side = Element(controls::FrameElement::LeftSide);
    EXPECT_NE(at(title.right / 2, title.bottom / 2), background);
    EXPECT_NE(at(200, (bottom.top + bottom.bottom) / 2 + 1), background);
    EXPECT_NE(at(side.left, client.bottom / 2), background);
    EXPECT_EQ(at(client.right - 1, 0), background) << "the top right corner is cut round";

    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION);
    HWND status = Child(L"Static", L"Framed status");
    EXPECT_TRUE(status && Child(L"Static", L"Framed title"));
    EXPECT_TRUE(LitAfter([&] { Move(window, {bottom.right - 2, bottom.bottom - 2}); }));
    EXPECT_FALSE(LitAfter([&] { Move(window, {end.right - 4, end.bottom - 4}); }));
    EXPECT_FALSE(LitAfter([&] { Move(status, {2, 2}); }));
    EXPECT_FALSE(LitAfter([&] { Move(status, {2, 2}), Click(Caption(L"Help")); })) << "clicked";

    binding.reset();
    form.frame.sethlpbutton(false);
    form.frame.setQuitButton(false);
    form.unload();
    Open();
    EXPECT_FALSE(Caption(L"Help") || Caption(L"Close"));
    EXPECT_TRUE(Caption(L"Minimize"));
}

// ---- Two lists in one place

// The lookup window's full list and results take turns in one place, each a native list that
// keeps its own entries, selection, scrolling and tip; a swap repaints nothing behind them, and
// their scroll bars stay shown whatever they hold, so that no swap or refill changes a frame.
TEST_F(Views, TwoListsInOnePlaceTakeTurnsEachKeepingItsOwnStateAndRepaintNothingBehind) {
    HWND all = FindWindowExW(window, Child(L"ListBox"), L"ListBox", nullptr);  // after lstChecks
    HWND found = FindWindowExW(window, all, L"ListBox", nullptr);
    RECT a{}, b{};
    ASSERT_TRUE(GetWindowRect(all, &a) && GetWindowRect(found, &b) && EqualRect(&a, &b));
    EXPECT_TRUE(GetWindowLongPtrW(all, GWL_STYLE) & GetWindowLongPtrW(found, GWL_STYLE) &
                LBS_DISABLENOSCROLL);
    const auto shown = [&] {
        HWND list = IsWindowVisible(all) ? all : found;
        return std::tuple{IsWindowVisible(all) != IsWindowVisible(found) ? list : nullptr,
                          Send(list, LB_GETCOUNT), Send(list, LB_GETCURSEL),
                          Send(list, LB_GETTOPINDEX), Tip(TTM_GETTEXTW, list)};
    };
    const auto swap = [&](controls::ListBox& show, controls::ListBox& hide) {
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        show.setVisible(true);
        hide.setVisible(false);
        EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE)) << "nothing behind the lists";
    };
    form.lstAll.assign(std::vector<std::string>(100, "all"));
    form.lstAll.setListIndex(42);
    Send(all, LB_SETTOPINDEX, 40);
    form.lstFound.assign({"found"});  // out of sight
    EXPECT_EQ(shown(), std::tuple(all, 100, 42, 40, L"Every entry"s));
    swap(form.lstFound, form.lstAll);
    form.lstAll.setListIndex(43);  // out of sight
    EXPECT_EQ(shown(), std::tuple(found, 1, LB_ERR, 0, L"What was found"s));
    swap(form.lstAll, form.lstFound);
    EXPECT_EQ(shown(), std::tuple(all, 100, 43, 40, L"Every entry"s));
    form.lstAll.setVisible(false);
    EXPECT_FALSE(IsWindowVisible(all) || IsWindowVisible(found)) << "neither list shown";
    form.lstFound.setVisible(true);
    EXPECT_EQ(std::get<0>(shown()), found);
}

}  // namespace
