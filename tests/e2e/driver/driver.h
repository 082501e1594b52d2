#pragma once
// Drives the real Brisko.exe from another process, as a user and a screen reader would see it:
// windows and controls are found by their window texts, pressed with the controls' own
// messages, and read back with WM_GETTEXT and the list-box messages.
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

// Where the end-to-end set-up puts the program's folder inside the prefix.
inline constexpr char kProgramFolder[] = "C:\\brisko";

// Polls `done` (pumping this thread's messages) until it holds or `limit` passes.
bool WaitUntil(const std::function<bool()>& done, Duration limit = 20s);
// Lets `span` pass, pumping this thread's messages.
void Pause(Duration span);

// A started program; ends it on destruction if it is still running.
class Program {
  public:
    // Starts `exe` with `folder` as its working directory.
    Program(const std::string& exe, const std::string& folder);
    ~Program();
    Program(Program&&) = default;

    bool running() const;
    // The exit code once it has ended within `limit`.
    std::optional<DWORD> waitExit(Duration limit = 20s) const;
    DWORD id() const { return id_; }

  private:
    win32::UniqueKernel process_;
    DWORD id_ = 0;
};

// Brisko.exe from the program folder.
Program StartBrisko();

// Brisko started with its disclaimer accepted on an earlier start (preset in the store), and its
// main window (null if it did not show).
struct Session {
    Program brisko;
    HWND main = nullptr;
};
Session StartAccepted();
// Presses the main window's "Cl&ose" button; the exit code once the program has ended.
std::optional<DWORD> CloseMain(const Program& brisko, HWND main);

// The visible top-level window of process `pid` whose title is `title`, waited for.
HWND WaitWindow(DWORD pid, const std::string& title, Duration limit = 20s);
// Whether process `pid` shows a top-level window with that title.
bool HasWindow(DWORD pid, const std::string& title);

// The `nth` descendant of `parent` whose window text is `text` (and, if given, whose class is
// `windowClass`), waited for.
HWND Control(HWND parent, const std::string& text, const char* windowClass = nullptr, int nth = 0,
             Duration limit = 10s);
// Every descendant of `parent` of class `windowClass`, in creation order.
std::vector<HWND> Controls(HWND parent, const char* windowClass);

// A message sent with a time-out, so that a hung program does not hold the driver; its result.
DWORD_PTR Send(HWND window, UINT msg, WPARAM wp = 0, LPARAM lp = 0);
SIZE WindowSize(HWND window);

std::string Text(HWND window);
bool Visible(HWND window);
// A button press as a click makes it (posted, so that a handler that opens a modal window or
// runs long does not hold the driver).
void Click(HWND button);
// A press and release of the left mouse button at the control's centre (posted).
void MouseClick(HWND control);
bool Checked(HWND box);
// A drag with the real mouse, as a user makes it: the left button pressed at the centre of
// `handle`, the pointer moved by (dx, dy) in small steps, the button released there.
void MouseDrag(HWND handle, int dx, int dy);

// A left click near the start of list entry `index`, which must be in view: on its check box
// when it has one (posted).
void ClickEntry(HWND list, int index);

// The list box's entries.
std::vector<std::string> ListItems(HWND list);

// The output and exit code of a command line run to its end (for "reg query", say).
struct CommandResult {
    DWORD exitCode = 1;
    std::string output;
};
CommandResult RunCommand(const std::string& commandLine);
// Sets the REG_SZ value `name` of registry key `key` with reg.exe; whether it worked.
bool RegAdd(const std::string& key, const std::string& name, const std::string& data);

// The files and folders of a folder (names only), or nothing if it cannot be listed.
std::optional<std::vector<std::string>> FolderEntries(const std::string& folder);
bool Exists(const std::string& path);

}  // namespace brisko::e2e
