// The views in real windows: each control kind kept in step with its model both ways, a burst of
// updates, the caption buttons of a skinned window and of the styled frame, and two lists that
// take turns in one native list.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "controls/form.h"
#include "controls/xp_design.h"
#include "platform/win32/win32_platform.h"
#include "views/binding.h"
#include "views/gdi.h"

namespace {

using namespace brisko;
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
        place(optOne, 300, 900, 1500, 255).setCaption("One");
        place(optTwo, 300, 1200, 1500, 255).setCaption("Two");
        optOne.group = optTwo.group = {&optOne, &optTwo};
        place(lblFit, 300, 1500, 0, 255).setCaption("Fits");
        place(txtShort, 300, 1800, 1500, 315).maxLength = 4;
        place(lstChecks, 2000, 600, 2000, 1200).checkBoxes = true;
        lstChecks.backColor = controls::rgb(250, 240, 200);
        place(cboPick, 2000, 2000, 2000, 315);
        place(fraGroup, 4200, 600, 2500, 1500).setCaption("Group");
        place(chkInside, 200, 300, 1800, 255).setCaption("Inside");
        place(aniClip, 300, 2400, 600, 600);
        place(cmdGo, 300, 3300, 1200, 375).setCaption("Go");
        place(imgPage, 2000, 3300, 900, 900);
        place(lstAll, 4200, 2400, 2500, 1500).toolTip = "Every entry";
        place(lstFound, 4200, 2400, 2500, 1500).toolTip = "What was found";
        lstFound.setVisible(false);
        lstFound.sharesPlaceWith = &lstAll;
    }

    controls::CheckBox chkBox{"chkBox"};
    controls::OptionButton optOne{"optOne"}, optTwo{"optTwo"};
    controls::Label lblFit{"lblFit"};
    controls::TextBox txtShort{"txtShort"};
    controls::ListBox lstChecks{"lstChecks"}, lstAll{"lstAll"}, lstFound{"lstFound"};
    controls::ComboBox cboPick{"cboPick"};
    controls::Frame fraGroup{"fraGroup"};
    controls::CheckBox chkInside{"chkInside", &fraGroup};
    controls::Animation aniClip{"aniClip"};
    controls::PushButton cmdGo{"cmdGo"};
    controls::Image imgPage{"imgPage"};
    int closes = 0, helps = 0, bodyMoves = 0;
    controls::Form bordered{"frmBordered", "Bordered"};  // another window, for a binding to show

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
    static LRESULT Check(HWND h) { return Send(h, BM_GETCHECK); }
    static void Down(HWND h, POINT p = {5, 5}, UINT msg = WM_LBUTTONDOWN) {
        Send(h, msg, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    }
    static void Up(HWND h, POINT p = {5, 5}, UINT msg = WM_LBUTTONUP) {
        Send(h, msg, 0, MAKELPARAM(p.x, p.y));
    }
    static void Move(HWND h, POINT p = {5, 5}) { Send(h, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y)); }
    ButtonImage Image(CaptionButton b) const { return form.skin.image(b); }

    win32::Win32Platform platform;
    platform::Services services = platform.services();
    FormModel form;
    std::unique_ptr<views::Binding> binding;
    HWND window = nullptr;
};

using Views = BoundWindow<KindsForm>;

TEST_F(Views, ButtonsFollowTheirModelsAndTheModelHasTheLastWord) {
    HWND box = Child(L"Button", L"Tick me");
    form.chkBox.setValue(1);
    EXPECT_EQ(Check(box), BST_CHECKED);
    Click(box);
    EXPECT_EQ(form.chkBox.value(), 0);
    form.chkBox.onClick = [&] { form.chkBox.setValue(0); };  // refuses the tick
    Click(box);
    EXPECT_EQ(std::pair(form.chkBox.value(), Check(box)), std::pair(0, LRESULT{BST_UNCHECKED}));
    Click(FindWindowExW(Child(L"Button", L"Group"), nullptr, L"Button", L"Inside"));
    EXPECT_EQ(form.chkInside.value(), 1) << "controls inside a frame reach their models";
    form.optOne.setValue(true);
    Click(Child(L"Button", L"Two"));  // clears the other option, on screen too
    EXPECT_TRUE(form.optTwo.value() && !form.optOne.value());
    EXPECT_EQ(Check(Child(L"Button", L"One")), BST_UNCHECKED);
}

TEST_F(Views, TextsShowTheModelBothWaysWithItsLimitAndALabelFitsItsText) {
    HWND box = Child(L"Edit"), combo = Child(L"ComboBox"), label = Child(L"Static", L"Fits");
    SetWindowTextW(box, L"abcdef");
    EXPECT_EQ(form.txtShort.text(), "abcd");
    EXPECT_EQ(Text(box), L"abcd");
    form.txtShort.setText("xyz");
    EXPECT_EQ(Text(box), L"xyz");
    form.cboPick.addItem("alpha");
    form.cboPick.addItem("beta");
    form.cboPick.setText("beta");
    EXPECT_EQ(Send(combo, CB_GETCOUNT), 2);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);
    RECT before{}, after{};
    GetClientRect(label, &before);
    form.lblFit.setCaption("Fits, and a good deal more besides");
    GetClientRect(label, &after);
    EXPECT_GT(before.right, 0) << "a label without a width takes the width of its text";
    EXPECT_GT(after.right, before.right);
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
    form.lstChecks.removeItem(0);
    EXPECT_EQ(Send(list, LB_GETCOUNT), 1);
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
    MSG msg;
    for (const ULONGLONG end = GetTickCount64() + 5000;
         Text(label) != L"count 199" && GetTickCount64() < end;)
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
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
    for (const auto& [x, y, inside] : {std::tuple{0, 0, false},
                                       {1, 0, false},
                                       {0, 1, false},
                                       {2, 0, true},
                                       {1, 1, true},
                                       {0, 2, true},
                                       {int{r.right} - 1, int{r.bottom} - 1, false}})
        EXPECT_EQ(PtInRegion(rgn, x, y) != FALSE, inside) << x << ", " << y;
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

    int down = 0, up = 0;
    form.imgPage.onMouseDown = [&](int b) { down = b; };
    form.imgPage.onMouseUp = [&](int b) { up = b; };
    Down(Child(L"Static", L""), {5, 5}, WM_RBUTTONDOWN);
    Up(Child(L"Static", L""), {5, 5}, WM_RBUTTONUP);
    EXPECT_EQ(std::pair(down, up), std::pair(2, 2)) << "an image tells which button it was";
}

TEST_F(Views, FieldsTakeTheWindowColoursAndLabelsTheWindowsFace) {
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
    unsigned char h[44] = {};
    FILE* wave = _wfopen(L"C:\\brisko\\Alarm.wav", L"rb");
    ASSERT_NE(wave, nullptr);
    EXPECT_EQ(fread(h, 1, sizeof h, wave), sizeof h);
    fclose(wave);
    const auto text = [&](int at, int size) {
        return std::string(reinterpret_cast<char*>(h + at), size);
    };
    EXPECT_EQ(text(0, 4) + text(8, 8), "RIFFWAVEfmt ");
    EXPECT_EQ(h[20], 1) << "PCM";
    const double seconds =
        (h[40] | h[41] << 8 | h[42] << 16) / ((h[24] | h[25] << 8 | h[26] << 16) * 2.0);
    EXPECT_TRUE(seconds > 0.3 && seconds < 1.5) << seconds;
}

TEST_F(Views, CaptionButtonsActWhenReleasedOrClickedWithAnyMouseButton) {
    HWND help = Caption(L"Help me"), close = Caption(L"Close"), minimise = Caption(L"Minimize");
    Down(close);
    EXPECT_EQ(form.closes, 0) << "pressing alone does nothing";
    EXPECT_EQ(Image(CaptionButton::Close), ButtonImage::Pressed);
    Up(close);
    Down(help);
    Up(help);
    EXPECT_EQ(std::pair(form.helps, form.closes), std::pair(1, 1));
    EXPECT_EQ(Image(CaptionButton::Help), ButtonImage::Normal);
    Click(help);
    Click(close);
    EXPECT_EQ(std::pair(form.helps, form.closes), std::pair(2, 2));
    // Any mouse button presses; after the restore the minimise button is normal again.
    Down(minimise, {5, 5}, WM_RBUTTONDOWN);
    Up(minimise, {5, 5}, WM_RBUTTONUP);
    ASSERT_EQ(form.state(), controls::WindowState::Minimized);
    EXPECT_EQ(Image(CaptionButton::Minimise), ButtonImage::Pressed);
    ShowWindow(window, SW_RESTORE);
    EXPECT_EQ(form.state(), controls::WindowState::Normal);
    EXPECT_EQ(Image(CaptionButton::Minimise), ButtonImage::Normal);
}

TEST_F(Views, ACaptionButtonsReleaseIsItsOwnUntilTheMouseIsLost) {
    HWND help = Caption(L"Help me"), close = Caption(L"Close");
    Down(help);
    EXPECT_EQ(GetCapture(), help);
    Up(help, {-300, 200});
    EXPECT_EQ(GetCapture(), nullptr);
    Up(help);  // with nothing pressed: nothing
    EXPECT_EQ(form.helps, 1);
    Down(close);
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetCapture(other);
    ReleaseCapture();
    EXPECT_EQ(Image(CaptionButton::Close), ButtonImage::Normal);
    Up(close);
    EXPECT_EQ(form.closes, 0);
    DestroyWindow(other);
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

    controls::Form& bordered = form.bordered;
    bordered.clientWidth = 3000;
    bordered.clientHeight = 2000;
    bordered.skin = controls::DisclaimerSkin();
    binding->attach(bordered);
    bordered.show();
    HWND h = reinterpret_cast<HWND>(bordered.hwnd);
    ASSERT_TRUE(h);
    EXPECT_FALSE(FindWindowExW(h, nullptr, L"BriskoCaptionButton", nullptr)) << "borders only";
    EXPECT_FALSE(GetWindowLongPtrW(h, GWL_STYLE) & WS_CAPTION);
    bordered.unload();
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
        frame.onHelp = [this] { ++acted[0]; };
        frame.onMinimise = [this] { ++acted[1]; };
        frame.onClose = [this] { ++acted[2]; };
    }
    controls::XPDesign frame{"XPDesign1"};
    int acted[3] = {};
};

class StyledFrame : public BoundWindow<FramedForm> {
  protected:
    static constexpr std::pair<const wchar_t*, CaptionButton> kButtons[] = {
        {L"Help", CaptionButton::Help},
        {L"Minimize", CaptionButton::Minimise},
        {L"Close", CaptionButton::Close}};
    // The model's rectangle in the window's pixels.
    static RECT Pixels(const controls::Rect& r) {
        views::WindowDc screen(nullptr);
        const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSX);
        return {MulDiv(r.left, dpi, 1440), MulDiv(r.top, dpi, 1440),
                MulDiv(r.left + r.width, dpi, 1440), MulDiv(r.top + r.height, dpi, 1440)};
    }
    RECT Element(controls::FrameElement e) const { return Pixels(form.frame.element(e)); }
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

TEST_F(StyledFrame, ItsButtonsActOnItAndGoOutOverItsTitleAndTexts) {
    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION);
    EXPECT_TRUE(Child(L"Static", L"Framed title") && Child(L"Static", L"Framed status"));
    for (int i = 0; i < 3; ++i) {
        Click(Caption(kButtons[i].first));
        EXPECT_EQ(form.acted[i], 1) << i;
    }
    const RECT title = Element(controls::FrameElement::RoundEnd);
    const RECT bottom = Element(controls::FrameElement::BottomBar);
    EXPECT_TRUE(LitAfter([&] { Move(window, {bottom.right - 2, bottom.bottom - 2}); }));
    EXPECT_FALSE(LitAfter([&] { Move(window, {title.right - 4, title.bottom - 4}); }));
    HWND status = Child(L"Static", L"Framed status");
    EXPECT_FALSE(LitAfter([&] { Move(status, {2, 2}); }));
    EXPECT_FALSE(LitAfter([&] { Move(status, {2, 2}), Click(Caption(L"Help")); })) << "clicked";
}

TEST_F(StyledFrame, DrawsItsBarsWithARoundTitleEndAndOnlyTheButtonsItsPropertiesAllow) {
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
    const RECT bottom = Element(controls::FrameElement::BottomBar);
    const RECT side = Element(controls::FrameElement::LeftSide);
    EXPECT_NE(at(title.right / 2, title.bottom / 2), background);
    EXPECT_NE(at(200, (bottom.top + bottom.bottom) / 2 + 1), background);
    EXPECT_NE(at(side.left, client.bottom / 2), background);
    EXPECT_EQ(at(client.right - 1, 0), background) << "the top right corner is cut round";

    binding.reset();
    form.frame.sethlpbutton(false);
    form.frame.setQuitButton(false);
    form.unload();
    Open();
    EXPECT_FALSE(Caption(L"Help") || Caption(L"Close"));
    EXPECT_TRUE(Caption(L"Minimize"));
}

// ---- Two lists in one place, one native list

// What the native list shows: its entries, selection, top entry and tool tip.
struct Shown {
    std::vector<std::wstring> entries;
    LRESULT selected, top;
    std::wstring tip;
    bool operator==(const Shown&) const = default;
};

class SharedLists : public Views {
  protected:
    // The native list after the check list.
    HWND List() const { return FindWindowExW(window, Child(L"ListBox"), L"ListBox", nullptr); }
    Shown Now() const {
        HWND list = List();
        Shown s{{}, Send(list, LB_GETCURSEL), Send(list, LB_GETTOPINDEX), {}};
        wchar_t text[80] = {};
        for (LRESULT i = 0; i < Send(list, LB_GETCOUNT); ++i)
            if (Send(list, LB_GETTEXTLEN, i) < 80 && Send(list, LB_GETTEXT, i, LPARAM(text)) >= 0)
                s.entries.emplace_back(text);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = window;
        tool.uId = UINT_PTR(list);
        tool.lpszText = text;
        text[0] = 0;
        Send(FindWindowW(TOOLTIPS_CLASSW, nullptr), TTM_GETTEXTW, 80, LPARAM(&tool));
        s.tip = text;
        return s;
    }
    // The user selects entry `index`, as a click does.
    void Select(int index) const {
        HWND list = List();
        Send(list, LB_SETCURSEL, index);
        Send(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), LPARAM(list));
    }
};

TEST_F(SharedLists, TakeTurnsInOneNativeListEachWithItsEntriesSelectionScrollAndTip) {
    HWND list = List();
    EXPECT_EQ(FindWindowExW(window, list, L"ListBox", nullptr), nullptr) << "one native list";
    std::vector<std::string> all;
    std::vector<std::wstring> allShown;
    for (int i = 0; i < 100; ++i) {
        all.push_back("entry " + std::to_string(i));
        allShown.push_back(L"entry " + std::to_wstring(i));
    }
    form.lstAll.assign(all);
    Send(list, LB_SETTOPINDEX, 40);
    Select(42);
    EXPECT_EQ(form.lstAll.listIndex(), 42);
    EXPECT_EQ(Now(), (Shown{allShown, 42, 40, L"Every entry"}));

    // The hidden list's entries wait for its turn; then they alone are shown, unselected, and
    // its selection reaches it alone, while a change of the hidden one waits.
    form.lstFound.assign({"found one", "found two"});
    EXPECT_EQ(Now().entries.size(), 100u);
    form.lstFound.setVisible(true);
    form.lstAll.setVisible(false);
    const std::vector<std::wstring> found = {L"found one", L"found two"};
    EXPECT_EQ(Now(), (Shown{found, LB_ERR, 0, L"What was found"}));
    Select(1);
    form.lstAll.setListIndex(43);
    EXPECT_EQ(std::pair(form.lstFound.listIndex(), Now().selected), std::pair(1, LRESULT{1}));

    // Back to the full list as it was left; neither shown hides the native list.
    form.lstAll.setVisible(true);
    form.lstFound.setVisible(false);
    EXPECT_EQ(Now(), (Shown{allShown, 43, 40, L"Every entry"}));
    form.lstAll.setVisible(false);
    EXPECT_FALSE(IsWindowVisible(list));
    form.lstFound.setVisible(true);
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(Now(), (Shown{found, 1, 0, L"What was found"}));
}

}  // namespace
