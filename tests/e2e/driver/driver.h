#pragma once
// Drives the real Brisko.exe from another process as a user and a screen reader see it: controls
// found by their texts, pressed with their own messages or the mouse, read with WM_GETTEXT.
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/win32_handles.h"

namespace brisko::e2e {

using namespace std::chrono_literals;
using Duration = std::chrono::milliseconds;

// Polls `done`, pumping this thread's messages, until it holds or `limit` passes.
bool WaitUntil(const std::function<bool()>& done, Duration limit = 20s);

// A started program, ended on destruction if it still runs.
class Program {
  public:
    // A command line started in `folder` (the current one when empty).
    explicit Program(const std::string& commandLine, const std::string& folder = {});
    // One that another started (the shell, say), from its process handle, which it owns.
    explicit Program(HANDLE process) : process_(process), id_(GetProcessId(process)) {}
    ~Program();
    Program(Program&&) = default;
    std::optional<DWORD> waitExit(Duration limit = 20s) const;  // the exit code once ended
    DWORD id() const { return id_; }

  private:
    win32::UniqueKernel process_;
    DWORD id_ = 0;
};

// C:\brisko\Brisko.exe, where the set-up puts it, started in its folder.
Program StartBrisko();
// Brisko started with its disclaimer accepted on an earlier start, and its main window.
struct Session {
    Program brisko;
    HWND main = nullptr;
};
Session StartAccepted();
// Presses the main window's "Cl&ose"; the exit code once the program has ended.
std::optional<DWORD> CloseMain(const Program& brisko, HWND main);

// The visible top-level window of process `pid` titled `title`, waited for (or null).
HWND WaitWindow(DWORD pid, const std::string& title, Duration limit = 20s);
// The `nth` descendant of `parent` with text `text` (and class `windowClass`), waited for.
HWND Control(HWND parent, const std::string& text, const char* windowClass = nullptr, int nth = 0,
             Duration limit = 10s);
std::vector<HWND> Controls(HWND parent, const char* windowClass);  // in creation order

// A message sent with a time-out, so that a hung program does not hold the driver.
DWORD_PTR Send(HWND window, UINT msg, WPARAM wp = 0, LPARAM lp = 0);
std::string Text(HWND window);
bool Visible(HWND window);
bool Checked(HWND box);
// Posted, so that a handler that opens a modal window does not hold the driver.
void Click(HWND button);
bool Tick(HWND box);  // clicks the box and waits until it shows the tick
// The left button pressed and released (posted) at MAKELPARAM(x, y) in the control, or its centre.
void MouseClick(HWND control, LPARAM at = 0);
// A drag with the real mouse: pressed at the centre of `handle`, moved by (dx, dy), released.
void MouseDrag(HWND handle, int dx, int dy);
std::vector<std::string> ListItems(HWND list);
// Clicks the check box of the list's entry `text`, scrolled into view, until the caret is there.
bool ToggleEntry(HWND list, const std::string& text);

// A value of the settings store, HKCU\Software\VB and VBA Program Settings\Brisko\<section>.
std::optional<std::string> Stored(const std::string& section, const std::string& name);
bool Exists(const std::string& path);  // a file or folder

// Saves what the screen shows of `window`, brought to the front, as S:\<name>.bmp, where S: exists.
void SaveScreenshot(HWND window, const std::string& name);

}  // namespace brisko::e2e
