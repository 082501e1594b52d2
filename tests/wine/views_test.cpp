// The views in real windows: the GDI owners, each control kind kept in step with its model both
// ways, and the caption buttons of a skinned window driven by mouse messages.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

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

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

void Fill(HDC dc, RECT r, COLORREF colour) {
    views::GdiObject brush(CreateSolidBrush(colour));
    FillRect(dc, &r, static_cast<HBRUSH>(brush.get()));
}

// The colour of a window's pixel counted from its outer corner: frame and scroll bars included.
COLORREF WindowPixel(HWND hwnd, POINT p) {
    struct WholeDc {
        HWND hwnd;
        HDC dc;
        ~WholeDc() {
            if (dc) ReleaseDC(hwnd, dc);
        }
    } whole{hwnd, GetWindowDC(hwnd)};
    return whole.dc ? GetPixel(whole.dc, p.x, p.y) : CLR_INVALID;
}

// ---- GDI owners

class GdiGuards : public ::testing::Test {
  protected:
    views::WindowDc screen{nullptr};
};

TEST_F(GdiGuards, OwnersPutBackEndAndFreeWhatTheyTook) {
    ASSERT_TRUE(screen);
    HDC dc = nullptr;
    HGDIOBJ bitmap = nullptr;
    {
        views::MemoryDc picture(screen.get(), 4, 4);
        ASSERT_TRUE(picture);
        dc = picture.get();
        bitmap = GetCurrentObject(dc, OBJ_BITMAP);
        ASSERT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
        ASSERT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
        const HGDIOBJ before = GetCurrentObject(dc, OBJ_PEN);
        views::GdiObject pen(CreatePen(PS_SOLID, 1, kRed));
        {
            views::SelectedObject selected(dc, pen.get());
            EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen.get());
        }
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), before);
        {
            views::SelectedObject nothing(dc, nullptr);  // a failed creation selects nothing
            EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), before);
        }
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), before);
    }
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);

    // A paint DC ends the painting it began.
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    InvalidateRect(window, nullptr, FALSE);
    ASSERT_TRUE(GetUpdateRect(window, nullptr, FALSE));
    {
        views::PaintDc paint(window);
        EXPECT_TRUE(paint);
    }
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
    DestroyWindow(window);
}

TEST_F(GdiGuards, PicturesReachTheirTargetOnlyWhenCopiedAndOnlyTheirOwnArea) {
    views::MemoryDc target(screen.get(), 8, 8);
    ASSERT_TRUE(target);
    Fill(target.get(), {0, 0, 8, 8}, kWhite);
    views::MemoryDc picture(screen.get(), 4, 4);
    ASSERT_TRUE(picture);
    Fill(picture.get(), {0, 0, 4, 4}, kRed);
    EXPECT_EQ(GetPixel(target.get(), 1, 1), kWhite);
    picture.copyTo(target.get());
    EXPECT_EQ(GetPixel(target.get(), 1, 1), kRed);
    EXPECT_EQ(GetPixel(target.get(), 3, 3), kRed);
    EXPECT_EQ(GetPixel(target.get(), 4, 4), kWhite);

    // Buffered drawing paints an empty area too, but copies nothing of it.
    Fill(target.get(), {0, 0, 8, 8}, kWhite);
    int painted = 0;
    const auto paintRed = [&](HDC buffer) {
        ++painted;
        Fill(buffer, {0, 0, 8, 8}, kRed);
    };
    views::DrawBuffered(target.get(), 0, 0, paintRed);
    EXPECT_EQ(GetPixel(target.get(), 0, 0), kWhite);
    views::DrawBuffered(target.get(), 6, 2, paintRed);
    EXPECT_EQ(painted, 2);
    EXPECT_EQ(GetPixel(target.get(), 5, 1), kRed);
    EXPECT_EQ(GetPixel(target.get(), 5, 2), kWhite);
    EXPECT_EQ(GetPixel(target.get(), 6, 1), kWhite);
}

// ---- A window with a control of every kind

class KindsForm : public controls::Form {
  public:
    KindsForm() : Form("frmKinds", "Views test") {
        clientWidth = 7200;
        clientHeight = 6000;
        backColor = controls::rgb(236, 233, 216);
        skin = controls::MainWindowSkin();
        place(chkBox, 300, 600, 1500, 255).setCaption("Tick me");
        place(optOne, 300, 900, 1500, 255).setCaption("One");
        place(optTwo, 300, 1200, 1500, 255).setCaption("Two");
        optOne.group = optTwo.group = {&optOne, &optTwo};
        place(lblFit, 300, 1500, 0, 255).setCaption("Fits");
        place(txtShort, 300, 1800, 1500, 315);
        txtShort.maxLength = 4;
        place(lstChecks, 2000, 600, 2000, 1200);
        lstChecks.checkBoxes = true;
        lstChecks.backColor = controls::rgb(250, 240, 200);
        place(cboPick, 2000, 2000, 2000, 315);
        place(fraGroup, 4200, 600, 2500, 1500).setCaption("Group");
        place(chkInside, 200, 300, 1800, 255).setCaption("Inside");
        place(aniClip, 300, 2400, 600, 600);
        place(cmdGo, 300, 3300, 1200, 375).setCaption("Go");
        cmdGo.toolTip = "Go on";
        place(imgPage, 2000, 3300, 900, 900);
    }

    controls::CheckBox chkBox{"chkBox"};
    controls::OptionButton optOne{"optOne"}, optTwo{"optTwo"};
    controls::Label lblFit{"lblFit"};
    controls::TextBox txtShort{"txtShort"};
    controls::ListBox lstChecks{"lstChecks"};
    controls::ComboBox cboPick{"cboPick"};
    controls::Frame fraGroup{"fraGroup"};
    controls::CheckBox chkInside{"chkInside", &fraGroup};
    controls::Animation aniClip{"aniClip"};
    controls::PushButton cmdGo{"cmdGo"};
    controls::Image imgPage{"imgPage"};

  private:
    template <class W>
    W& place(W& w, int left, int top, int width, int height) {
        w.rect = {left, top, width, height};
        return add(w);
    }
};

// A window model of the test's own, bound to a real window over the real platform.
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
    // The user's mouse on a control, in its own pixels.
    static void Click(HWND h) { SendMessageW(h, BM_CLICK, 0, 0); }
    static LRESULT Check(HWND h) { return SendMessageW(h, BM_GETCHECK, 0, 0); }
    static void Down(HWND h, POINT p = {5, 5}, UINT msg = WM_LBUTTONDOWN) {
        SendMessageW(h, msg, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    }
    static void Up(HWND h, POINT p = {5, 5}, UINT msg = WM_LBUTTONUP) {
        SendMessageW(h, msg, 0, MAKELPARAM(p.x, p.y));
    }
    static void Move(HWND h, POINT p = {5, 5}) {
        SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    }

    win32::Win32Platform platform;
    platform::Services services = platform.services();
    FormModel form;
    std::unique_ptr<views::Binding> binding;
    HWND window = nullptr;
};

class Views : public BoundWindow<KindsForm> {
  protected:
    // The control of a window whose text is `text`, anywhere among its descendants.
    HWND Control(const wchar_t* text) const {
        struct Search {
            const wchar_t* text;
            HWND found;
        } search{text, nullptr};
        EnumChildWindows(
            window,
            [](HWND child, LPARAM lp) -> BOOL {
                auto* s = reinterpret_cast<Search*>(lp);
                wchar_t buffer[64] = {};
                GetWindowTextW(child, buffer, 64);
                if (std::wstring(buffer) != s->text) return TRUE;
                s->found = child;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    static std::wstring ClassOf(HWND control) {
        wchar_t name[64] = {};
        GetClassNameW(control, name, 64);
        return name;
    }
    static LONG_PTR Style(HWND control) { return GetWindowLongPtrW(control, GWL_STYLE); }
    static std::wstring Text(HWND control) {
        wchar_t buffer[128] = {};
        GetWindowTextW(control, buffer, 128);
        return buffer;
    }
    // The only control of a window class among the window's own children.
    HWND OnlyOf(const wchar_t* cls, const wchar_t* text = nullptr) const {
        return FindWindowExW(window, nullptr, cls, text);
    }
};

TEST_F(Views, EachKindGetsItsStandardControlFoundByItsText) {
    for (auto [text, type] : {std::pair{L"Tick me", BS_AUTOCHECKBOX},
                              {L"One", BS_AUTORADIOBUTTON},
                              {L"Group", BS_GROUPBOX},
                              {L"Go", BS_OWNERDRAW}}) {
        HWND button = Control(text);
        ASSERT_NE(button, nullptr) << text;
        EXPECT_EQ(ClassOf(button), L"Button");
        EXPECT_EQ(Style(button) & BS_TYPEMASK, type) << text;
    }
    EXPECT_EQ(GetParent(Control(L"Inside")), Control(L"Group")) << "a frame holds its controls";
    ASSERT_NE(Control(L"Fits"), nullptr);
    EXPECT_EQ(ClassOf(Control(L"Fits")), L"Static");
    EXPECT_NE(OnlyOf(L"Static", L""), nullptr) << "the image";
    for (const wchar_t* cls : {L"Edit", L"ListBox", L"ComboBox", L"SysAnimate32"})
        EXPECT_NE(OnlyOf(cls), nullptr) << cls;
    EXPECT_EQ(Style(OnlyOf(L"ListBox")) & LBS_OWNERDRAWFIXED, LBS_OWNERDRAWFIXED);
}

TEST_F(Views, ButtonsFollowTheirModelsAndTheModelHasTheLastWord) {
    HWND box = Control(L"Tick me");
    form.chkBox.setValue(1);
    EXPECT_EQ(Check(box), BST_CHECKED);
    Click(box);
    EXPECT_EQ(form.chkBox.value(), 0);
    // A model that refuses the tick: the box shows what the model holds.
    form.chkBox.onClick = [&] { form.chkBox.setValue(0); };
    Click(box);
    EXPECT_EQ(form.chkBox.value(), 0);
    EXPECT_EQ(Check(box), BST_UNCHECKED);

    Click(Control(L"Inside"));
    EXPECT_EQ(form.chkInside.value(), 1) << "controls inside a frame reach their models";

    // Choosing an option clears the other, on screen too.
    form.optOne.setValue(true);
    Click(Control(L"Two"));
    EXPECT_TRUE(form.optTwo.value());
    EXPECT_FALSE(form.optOne.value());
    EXPECT_EQ(Check(Control(L"One")), BST_UNCHECKED);
    EXPECT_EQ(Check(Control(L"Two")), BST_CHECKED);
}

TEST_F(Views, TextAndComboBoxesShowTheModelAndKeepItsLimit) {
    HWND box = OnlyOf(L"Edit");
    SetWindowTextW(box, L"abcdef");
    EXPECT_EQ(form.txtShort.text(), "abcd");
    EXPECT_EQ(Text(box), L"abcd");
    form.txtShort.setText("xyz");
    EXPECT_EQ(Text(box), L"xyz");

    form.cboPick.addItem("alpha");
    form.cboPick.addItem("beta");
    HWND combo = OnlyOf(L"ComboBox");
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    form.cboPick.setText("beta");
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
}

TEST_F(Views, CheckListTogglesByItsBoxAndTheSpaceBar) {
    form.lstChecks.assign({"first", "second"});
    HWND list = OnlyOf(L"ListBox");
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    // Its entries are one line of its font high, with room for the box.
    TEXTMETRICW tm{};
    {
        views::WindowDc screen(nullptr);
        views::SelectedObject font(screen.get(),
                                   reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
        GetTextMetricsW(screen.get(), &tm);
    }
    const LRESULT height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    EXPECT_EQ(height, tm.tmHeight + 3);

    const LPARAM onBoxOfSecond = MAKELPARAM(2, height + height / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, onBoxOfSecond);
    SendMessageW(list, WM_LBUTTONUP, 0, onBoxOfSecond);
    EXPECT_FALSE(form.lstChecks.checked(0));
    EXPECT_TRUE(form.lstChecks.checked(1));
    EXPECT_EQ(form.lstChecks.listIndex(), 1);
    const LPARAM onTextOfFirst = MAKELPARAM(60, height / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, onTextOfFirst);
    SendMessageW(list, WM_LBUTTONUP, 0, onTextOfFirst);
    EXPECT_FALSE(form.lstChecks.checked(0)) << "a click on the text only selects";
    EXPECT_EQ(form.lstChecks.listIndex(), 0);
    SendMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(form.lstChecks.checked(0));
    form.lstChecks.removeItem(0);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
}

TEST_F(Views, ABurstOfUpdatesReachesTheScreenOnTheBurstsTimer) {
    HWND label = Control(L"Fits");
    HWND list = OnlyOf(L"ListBox");
    ASSERT_TRUE(label && list);
    // A few changes, as one action makes them, show at once.
    form.lblFit.setCaption("one");
    EXPECT_EQ(Text(label), L"one");
    // A long run waits: the screen shows an earlier text until the timer, then the last one.
    for (int i = 0; i < 200; ++i) form.lblFit.setCaption("count " + std::to_string(i));
    EXPECT_NE(Text(label), L"count 199");
    // Entries are there at once (screen readers and tests count them); only drawing waits.
    for (int i = 0; i < 300; ++i) form.lstChecks.addItem("entry " + std::to_string(i));
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 300);
    const ULONGLONG start = GetTickCount64();
    MSG msg;
    while (Text(label) != L"count 199" && GetTickCount64() - start < 5000)
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    EXPECT_EQ(Text(label), L"count 199");
    // Any change but an addition ends the list's burst: it draws again at once.
    form.lstChecks.setChecked(0, true);
    UpdateWindow(list);
    // It shows again, with the vertical scroll bar its 300 entries now need drawn in its frame
    // where its field was.
    EXPECT_TRUE(IsWindowVisible(list));
    SCROLLINFO range{sizeof(range), SIF_RANGE, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &range));
    EXPECT_EQ(range.nMax, 299);
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    ASSERT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &bar));
    EXPECT_FALSE(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    RECT outer{};
    GetWindowRect(list, &outer);
    const POINT onBar{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2 - outer.left,
                      (bar.rcScrollBar.top + bar.rcScrollBar.bottom) / 2 - outer.top};
    const COLORREF barColour = WindowPixel(list, onBar);
    EXPECT_NE(barColour, CLR_INVALID);
    EXPECT_NE(barColour, RGB(250, 240, 200));
    RECT first{};
    SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    views::WindowDc dc(list);
    // The first entry's text is painted (dark ink on the light field) right of its box.
    bool ink = false;
    for (int x = first.left + 20; x < first.right && !ink; ++x)
        for (int y = first.top; y < first.bottom && !ink; ++y)
            ink = GetRValue(GetPixel(dc.get(), x, y)) < 128;
    EXPECT_TRUE(ink);
    // The field keeps the list's own colour, in the rows and below them.
    EXPECT_EQ(GetPixel(dc.get(), first.right - 3, first.top + 2), RGB(250, 240, 200));
}

TEST_F(Views, LabelWithoutAWidthTakesTheWidthOfItsText) {
    HWND label = Control(L"Fits");
    ASSERT_NE(label, nullptr);
    RECT before{};
    GetClientRect(label, &before);
    EXPECT_GT(before.right, 0);
    form.lblFit.setCaption("Fits, and a good deal more besides");
    RECT after{};
    GetClientRect(label, &after);
    EXPECT_GT(after.right, before.right);
    EXPECT_EQ(Text(label), L"Fits, and a good deal more besides");
}

TEST_F(Views, PushButtonClicksOncePerPressWhileEnabledAndItsArrowsMoveTheFocus) {
    int clicks = 0;
    form.cmdGo.onClick = [&] { ++clicks; };
    HWND go = Control(L"Go");
    // The arrow keys move the focus as Tab and Shift+Tab do, and click nothing.
    const HWND next = GetNextDlgTabItem(window, go, FALSE);
    const HWND previous = GetNextDlgTabItem(window, go, TRUE);
    ASSERT_NE(next, go);
    ASSERT_NE(previous, go);
    SetFocus(go);
    ASSERT_EQ(GetFocus(), go);
    SendMessageW(go, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(GetFocus(), next);
    SetFocus(go);
    SendMessageW(go, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(GetFocus(), previous);
    EXPECT_EQ(clicks, 0);

    Down(go);
    Up(go);
    EXPECT_EQ(clicks, 1);
    // A double click shows the press but clicks once.
    Down(go, {5, 5}, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(SendMessageW(go, BM_GETSTATE, 0, 0) & BST_PUSHED);
    Up(go);
    EXPECT_FALSE(SendMessageW(go, BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_EQ(clicks, 1);
    Down(go);
    Up(go);
    EXPECT_EQ(clicks, 2);
    Click(go);
    EXPECT_EQ(clicks, 3);
    form.cmdGo.setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(go));
    Click(go);
    EXPECT_EQ(clicks, 3);
}

TEST_F(Views, PushButtonWindowHasTheModelsRoundedOutlineWithTheWindowShowingInItsCorners) {
    HWND go = Control(L"Go");
    RECT r{};
    GetClientRect(go, &r);
    views::GdiObject region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(go, static_cast<HRGN>(region.get())), ERROR);
    const auto rgn = static_cast<HRGN>(region.get());
    const POINT cut[] = {{0, 0}, {1, 0}, {0, 1}, {r.right - 1, r.bottom - 1}};
    for (POINT p : cut) EXPECT_FALSE(PtInRegion(rgn, p.x, p.y)) << p.x << ", " << p.y;
    for (POINT p : {POINT{2, 0}, POINT{1, 1}, POINT{0, 2}, POINT{r.right / 2, r.bottom / 2}})
        EXPECT_TRUE(PtInRegion(rgn, p.x, p.y)) << p.x << ", " << p.y;
    EXPECT_EQ(form.cmdGo.look().width(), r.right);

    // On screen the cut pixels show the window's paper, the border beside them the button's.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    POINT at{0, 0};
    MapWindowPoints(go, window, &at, 1);
    views::WindowDc screen(window);
    const COLORREF paper = RGB(236, 233, 216);
    for (POINT p : cut)
        EXPECT_EQ(GetPixel(screen.get(), at.x + p.x, at.y + p.y), paper) << p.x << ", " << p.y;
    EXPECT_EQ(GetPixel(screen.get(), at.x + 2, at.y), RGB(0, 60, 115));
    EXPECT_EQ(GetPixel(screen.get(), at.x + 1, at.y + 1), RGB(16, 77, 123));
}

// The button's tool tip, whose mouse messages the button passes on itself, shows under the
// mouse.
TEST_F(Views, PushButtonShowsItsToolTipUnderTheMouse) {
    HWND go = Control(L"Go");
    HWND tips = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            if (ClassOf(h) != TOOLTIPS_CLASSW) return TRUE;
            *reinterpret_cast<HWND*>(lp) = h;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&tips));
    ASSERT_NE(tips, nullptr);
    RECT r{};
    GetWindowRect(go, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Move(go, {(r.right - r.left) / 2, (r.bottom - r.top) / 2});
    const ULONGLONG until = GetTickCount64() + 5000;
    while (!IsWindowVisible(tips) && GetTickCount64() < until) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(50);
    }
    EXPECT_TRUE(IsWindowVisible(tips));
    wchar_t text[32] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.lpszText = text;
    EXPECT_TRUE(SendMessageW(tips, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(tool.uId, reinterpret_cast<UINT_PTR>(go));
    EXPECT_EQ(std::wstring(text), L"Go on");
    SetCursorPos(0, 0);
}

TEST_F(Views, ImageReportsWhichMouseButtonWentDownAndUp) {
    int down = 0, up = 0;
    form.imgPage.onMouseDown = [&](int b) { down = b; };
    form.imgPage.onMouseUp = [&](int b) { up = b; };
    HWND image = OnlyOf(L"Static", L"");
    SendMessageW(image, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    SendMessageW(image, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(down, 2);
    EXPECT_EQ(up, 2);
}

TEST_F(Views, FieldsTakeTheWindowColoursAndLabelsTheWindowsFace) {
    views::WindowDc windowDc(window);
    HDC dc = windowDc.get();
    SendMessageW(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(OnlyOf(L"Edit")));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW));
    SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Control(L"Tick me")));
    EXPECT_EQ(GetBkColor(dc), RGB(236, 233, 216));
    form.txtShort.backColor = controls::rgb(255, 255, 192);
    SendMessageW(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(OnlyOf(L"Edit")));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 192));
}

// ---- Caption buttons of a skinned window

class CaptionButtons : public Views {
  protected:
    void SetUp() override {
        Views::SetUp();
        form.onSystemClose = [&] { ++closes; };
        form.onHelp = [&] { ++helps; };
        form.onMouseMove = [&] { ++bodyMoves; };
        help = Control(L"Help me");
        minimise = Control(L"Minimize");
        close = Control(L"Close");
    }
    // A point on the middle piece of the title strip.
    POINT Middle() const {
        RECT r{};
        GetClientRect(window, &r);
        return {r.right / 2, 8};
    }
    controls::ButtonImage Image(controls::CaptionButton b) const { return form.skin.image(b); }

    HWND help = nullptr, minimise = nullptr, close = nullptr;
    controls::Form bordered{"frmBordered", "Bordered"};  // outlives the binding's view of it
    int closes = 0, helps = 0, bodyMoves = 0;
};

TEST_F(CaptionButtons, AreChildWindowsNamedByTheirTipsAtTheStripsRightEnd) {
    for (HWND b : {help, minimise, close}) {
        ASSERT_TRUE(b);
        EXPECT_EQ(GetParent(b), window);
        EXPECT_EQ(ClassOf(b), L"BriskoCaptionButton");
    }
    RECT client{}, h{}, m{}, c{};
    GetClientRect(window, &client);
    GetWindowRect(help, &h);
    GetWindowRect(minimise, &m);
    GetWindowRect(close, &c);
    EXPECT_LT(h.right, m.left);
    EXPECT_LT(m.right, c.left);
    POINT corner{c.right, c.bottom};
    ScreenToClient(window, &corner);
    EXPECT_GT(corner.x, client.right - 20);
    EXPECT_LT(corner.y, 40) << "on the title strip";
}

TEST_F(CaptionButtons, EachButtonActsWhenReleasedOrClicked) {
    using enum controls::CaptionButton;
    Down(close);
    EXPECT_EQ(closes, 0) << "pressing alone does nothing";
    EXPECT_EQ(Image(Close), controls::ButtonImage::Pressed);
    Up(close);
    EXPECT_EQ(closes, 1);
    Down(help);
    Up(help);
    EXPECT_EQ(helps, 1);
    EXPECT_EQ(Image(Help), controls::ButtonImage::Normal);
    EXPECT_EQ(closes, 1);
    Click(help);
    Click(close);
    EXPECT_EQ(helps, 2);
    EXPECT_EQ(closes, 2);
    // Any mouse button presses; after the restore the minimise button is normal again.
    Down(minimise, {5, 5}, WM_RBUTTONDOWN);
    Up(minimise, {5, 5}, WM_RBUTTONUP);
    ASSERT_EQ(form.state(), controls::WindowState::Minimized);
    EXPECT_EQ(Image(Minimise), controls::ButtonImage::Pressed);
    ShowWindow(window, SW_RESTORE);
    EXPECT_EQ(form.state(), controls::WindowState::Normal);
    EXPECT_EQ(Image(Minimise), controls::ButtonImage::Normal);
}

TEST_F(CaptionButtons, TheReleaseBelongsToThePressedButtonUntilTheMouseIsLost) {
    Down(help);
    EXPECT_EQ(GetCapture(), help);
    Up(help, {-300, 200});
    EXPECT_EQ(helps, 1);
    EXPECT_EQ(GetCapture(), nullptr);
    Up(help);
    EXPECT_EQ(helps, 1) << "a release with nothing pressed does nothing";

    Down(close);
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetCapture(other);
    ReleaseCapture();
    EXPECT_EQ(Image(controls::CaptionButton::Close), controls::ButtonImage::Normal);
    Up(close);
    EXPECT_EQ(closes, 0);
    DestroyWindow(other);
}

TEST_F(CaptionButtons, ImagesLightUnderTheMouseAndOnlyMovesOverTheBodyReachTheModel) {
    using enum controls::CaptionButton;
    Move(help);
    Move(close);
    EXPECT_EQ(Image(Help), controls::ButtonImage::Highlighted);
    EXPECT_EQ(Image(Close), controls::ButtonImage::Highlighted);
    Move(window, {4, 8});  // the left piece leaves them lit
    EXPECT_EQ(Image(Close), controls::ButtonImage::Highlighted);
    Move(window, Middle());
    EXPECT_EQ(Image(Help), controls::ButtonImage::Normal);
    EXPECT_EQ(Image(Close), controls::ButtonImage::Normal);

    bodyMoves = 0;
    Move(window, Middle());
    EXPECT_EQ(bodyMoves, 0);
    Move(window, {40, 200});
    EXPECT_EQ(bodyMoves, 1);
    Down(close);
    Move(window, {40, 200});
    EXPECT_EQ(bodyMoves, 1) << "not while a caption button is held";
    Up(close);
}

TEST_F(CaptionButtons, AWindowWithBordersOnlyHasNoneAndNoSystemCaption) {
    bordered.clientWidth = 3000;
    bordered.clientHeight = 2000;
    bordered.skin = controls::DisclaimerSkin();
    binding->attach(bordered);
    bordered.show();
    HWND h = reinterpret_cast<HWND>(bordered.hwnd);
    ASSERT_TRUE(h);
    EXPECT_FALSE(FindWindowExW(h, nullptr, L"BriskoCaptionButton", nullptr));
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
        frame.onHelp = [this] { ++helps; };
        frame.onClose = [this] { ++closes; };
        frame.onMinimise = [this] { ++minimises; };
    }
    controls::XPDesign frame{"XPDesign1"};
    int helps = 0, closes = 0, minimises = 0;
};

class StyledFrame : public BoundWindow<FramedForm> {
  protected:
    HWND Child(const wchar_t* cls, const wchar_t* text) const {
        return FindWindowExW(window, nullptr, cls, text);
    }
    // The model's rectangle in the window's pixels.
    RECT Pixels(const controls::Rect& r) const {
        const int dpi = GetDeviceCaps(ScreenDc(), LOGPIXELSX);
        return {MulDiv(r.left, dpi, 1440), MulDiv(r.top, dpi, 1440),
                MulDiv(r.left + r.width, dpi, 1440), MulDiv(r.top + r.height, dpi, 1440)};
    }
    static HDC ScreenDc() {
        static HDC dc = GetDC(nullptr);
        return dc;
    }
    void LightAll() {
        for (const wchar_t* tip : {L"Help", L"Minimize", L"Close"})
            Move(Child(L"BriskoCaptionButton", tip), {3, 3});
    }
    bool AllNormal() const {
        for (auto b : {controls::CaptionButton::Help, controls::CaptionButton::Minimise,
                       controls::CaptionButton::Close})
            if (form.skin.image(b) != controls::ButtonImage::Normal) return false;
        return true;
    }
};

TEST_F(StyledFrame, HasNoSystemCaptionAndItsButtonsStandWhereTheFrameLaysThemOut) {
    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION);
    for (auto [tip, b] : {std::pair{L"Help", controls::CaptionButton::Help},
                          std::pair{L"Minimize", controls::CaptionButton::Minimise},
                          std::pair{L"Close", controls::CaptionButton::Close}}) {
        HWND h = Child(L"BriskoCaptionButton", tip);
        ASSERT_TRUE(h) << static_cast<int>(b);
        RECT r{};
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        const RECT expected = Pixels(form.frame.button(b));
        EXPECT_EQ(r.left, expected.left);
        EXPECT_EQ(r.top, expected.top);
        EXPECT_EQ(r.right, expected.right);
    }
    // The texts are windows whose text is the text shown.
    EXPECT_TRUE(Child(L"Static", L"Framed title"));
    EXPECT_TRUE(Child(L"Static", L"Framed status"));
}

TEST_F(StyledFrame, MovesOverTheTitleOrTheTextsTurnTheButtonsOffAndTheButtonsActOnTheFrame) {
    const RECT title = Pixels(form.frame.element(controls::FrameElement::RoundEnd));
    const RECT bottom = Pixels(form.frame.element(controls::FrameElement::BottomBar));
    LightAll();
    ASSERT_FALSE(AllNormal());
    Move(window, {bottom.right - 2, bottom.bottom - 2});  // the bottom bar leaves them lit
    EXPECT_FALSE(AllNormal());
    Move(window, {title.right - 4, title.bottom - 4});
    EXPECT_TRUE(AllNormal());
    LightAll();
    Move(Child(L"Static", L"Framed status"), {2, 2});
    EXPECT_TRUE(AllNormal());

    Click(Child(L"BriskoCaptionButton", L"Help"));
    EXPECT_EQ(form.helps, 1);
    EXPECT_TRUE(AllNormal());
    Click(Child(L"BriskoCaptionButton", L"Minimize"));
    EXPECT_EQ(form.minimises, 1);
    Click(Child(L"BriskoCaptionButton", L"Close"));
    EXPECT_EQ(form.closes, 1);
}

TEST_F(StyledFrame, WithoutItsHelpAndQuitPropertiesOnlyMinimiseRemains) {
    binding.reset();
    form.frame.sethlpbutton(false);
    form.frame.setQuitButton(false);
    form.unload();
    Open();
    EXPECT_FALSE(Child(L"BriskoCaptionButton", L"Help"));
    EXPECT_FALSE(Child(L"BriskoCaptionButton", L"Close"));
    EXPECT_TRUE(Child(L"BriskoCaptionButton", L"Minimize"));
}

TEST_F(StyledFrame, DrawsItsBarsWithARoundTitleEnd) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client{};
    GetClientRect(window, &client);
    views::MemoryDc picture(ScreenDc(), client.right, client.bottom);
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(picture.get()),
                 PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
    const COLORREF background = GetPixel(picture.get(), client.right / 2, client.bottom / 2);
    const RECT title = Pixels(form.frame.element(controls::FrameElement::TitleBody));
    const RECT bottom = Pixels(form.frame.element(controls::FrameElement::BottomBar));
    const RECT side = Pixels(form.frame.element(controls::FrameElement::LeftSide));
    EXPECT_NE(GetPixel(picture.get(), title.right / 2, title.bottom / 2), background);
    EXPECT_NE(GetPixel(picture.get(), 200, (bottom.top + bottom.bottom) / 2 + 1), background);
    EXPECT_NE(GetPixel(picture.get(), side.left, client.bottom / 2), background);
    // The top right corner is cut round: the pixel in the corner is the window's surface.
    EXPECT_EQ(GetPixel(picture.get(), client.right - 1, 0), background);
}

// ---- Two lists in one place

class TwoListsForm : public controls::Form {
  public:
    TwoListsForm() : Form("frmTwoLists", "Two lists") {
        clientWidth = 4000;
        clientHeight = 3000;
        lstAll.rect = lstFound.rect = {200, 200, 3000, 1500};
        add(lstAll);
        add(lstFound);
        lstFound.setVisible(false);
        lstFound.sharesPlaceWith = &lstAll;
        lstAll.toolTip = "Every entry";
        lstFound.toolTip = "What was found";
    }
    controls::ListBox lstAll{"lstAll"}, lstFound{"lstFound"};
};

class SharedLists : public BoundWindow<TwoListsForm> {
  protected:
    void SetUp() override {
        BoundWindow::SetUp();
        // Made in the models' order.
        all = FindWindowExW(window, nullptr, L"ListBox", nullptr);
        found = FindWindowExW(window, all, L"ListBox", nullptr);
    }
    static std::vector<std::wstring> Entries(HWND list) {
        std::vector<std::wstring> entries;
        const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t text[64] = {};
            if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 64)
                SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(text));
            entries.emplace_back(text);
        }
        return entries;
    }
    // The user selects entry `index`, as a click does.
    void Select(HWND list, int index) const {
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    static LRESULT Selected(HWND list) { return SendMessageW(list, LB_GETCURSEL, 0, 0); }
    static LRESULT Top(HWND list) { return SendMessageW(list, LB_GETTOPINDEX, 0, 0); }
    // The tool tip that the window's tip control holds for the list.
    std::wstring Tip(HWND list) const {
        HWND tips = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND h, LPARAM lp) -> BOOL {
                wchar_t cls[64] = {};
                GetClassNameW(h, cls, 64);
                if (std::wstring(cls) != TOOLTIPS_CLASSW) return TRUE;
                *reinterpret_cast<HWND*>(lp) = h;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&tips));
        wchar_t text[80] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(list);
        tool.lpszText = text;
        if (tips) SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
        return text;
    }
    // Paints whatever waits, then reports whether a swap of the lists left the window behind
    // them to repaint, and whether `shown` has its own repaint to come.
    void Swap(controls::ListBox& show, controls::ListBox& hide, HWND shown) {
        UpdateWindow(window);
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        show.setVisible(true);
        hide.setVisible(false);
        EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE)) << "nothing behind the lists";
        EXPECT_TRUE(GetUpdateRect(shown, nullptr, FALSE)) << "the list that shows";
    }
    HWND all = nullptr, found = nullptr;
};

TEST_F(SharedLists, TakeTurnsInOnePlaceEachWithItsOwnEntriesSelectionScrollAndTip) {
    std::vector<std::string> all100;
    for (int i = 0; i < 100; ++i) all100.push_back("entry " + std::to_string(i));
    form.lstAll.assign(all100);
    ASSERT_TRUE(all && found);
    RECT a{}, b{};
    GetWindowRect(all, &a);
    GetWindowRect(found, &b);
    EXPECT_TRUE(EqualRect(&a, &b)) << "one place";
    for (HWND list : {all, found})  // a swap or a refill never changes their frames
        EXPECT_TRUE(GetWindowLongPtrW(list, GWL_STYLE) & LBS_DISABLENOSCROLL);
    EXPECT_TRUE(IsWindowVisible(all));
    EXPECT_FALSE(IsWindowVisible(found));
    EXPECT_EQ(Entries(all).size(), 100u);
    EXPECT_EQ(Tip(all), L"Every entry");
    EXPECT_EQ(Tip(found), L"What was found");
    // The user scrolls and selects in the full list.
    SendMessageW(all, LB_SETTOPINDEX, 40, 0);
    Select(all, 42);
    EXPECT_EQ(form.lstAll.listIndex(), 42);
    ASSERT_EQ(Top(all), 40);

    // The hidden list takes its entries out of sight; the swap draws only the list that shows.
    form.lstFound.assign({"found one", "found two"});
    EXPECT_FALSE(IsWindowVisible(found));
    EXPECT_EQ(Entries(found), (std::vector<std::wstring>{L"found one", L"found two"}));
    Swap(form.lstFound, form.lstAll, found);
    EXPECT_TRUE(IsWindowVisible(found));
    EXPECT_FALSE(IsWindowVisible(all));
    EXPECT_EQ(Selected(found), LB_ERR);
    Select(found, 1);
    EXPECT_EQ(form.lstFound.listIndex(), 1);
    EXPECT_EQ(form.lstAll.listIndex(), 42) << "a selection belongs to its own list";
    form.lstAll.setListIndex(43);

    // Back to the full list: its entries, its selection and where it was scrolled.
    Swap(form.lstAll, form.lstFound, all);
    EXPECT_FALSE(IsWindowVisible(found));
    EXPECT_EQ(Entries(all).size(), 100u);
    EXPECT_EQ(Selected(all), 43);
    EXPECT_EQ(Top(all), 40);

    // Neither list shown hides both; either shown brings it back with its own state.
    form.lstAll.setVisible(false);
    EXPECT_FALSE(IsWindowVisible(all) || IsWindowVisible(found));
    form.lstFound.setVisible(true);
    EXPECT_TRUE(IsWindowVisible(found));
    EXPECT_EQ(Entries(found).size(), 2u);
    EXPECT_EQ(Selected(found), 1);
}

}  // namespace
