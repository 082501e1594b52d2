#include "cookies/frm_cookies.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "controls/palette.h"
#include "controls/program_windows.h"
#include "cookies/cookie_records.h"
#include "platform/folder_entries.h"

namespace brisko::cookies {

namespace {

constexpr controls::Colour kInk = controls::rgb(0, 0, 255);
const char* const kScanning = "Scanning For Cookies... Please Wait";
// Far more than the records of one site take.
constexpr std::size_t kMostReadOfACookie = 1 << 20;

// The names the browser gives its cookie files: "user@site[1].txt" until Windows 8, random
// names ending in ".txt" or ".cookie" since.
bool IsCookieName(const std::string& name) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return name.find(".txt") != std::string::npos || lower.ends_with(".cookie");
}

}  // namespace

FrmCookies::FrmCookies(platform::Services& services, controls::ProgramWindows& windows)
    : Form("frmCookies", "Cookies"), services_(services), windows_(windows) {
    layOut();
    cmdSrch.onClick = [this] {
        ShowFolderList();
        if (found_.empty()) Label1.setCaption("There were no Cookies found.");
    };
    Timer1.onTick = [this] {
        cmdSrch.click();
        Timer1.setEnabled(false);
    };
    Check1.onClick = [this] { selectToggle(); };
    cmdDelCookies.onClick = [this] { deleteSelected(); };
    cmdExt.onClick = [this] { exit(); };
    onHelp = [this] {
        if (windows_.cookiesHelp) windows_.cookiesHelp->showModal(services_.desktop);
    };
    onSystemClose = [this] {
        if (windows_.main) windows_.main->show();
        unload();
    };
}

void FrmCookies::layOut() {
    clientWidth = 6240;
    clientHeight = 4305;
    backColor = controls::kPaper;
    skin = controls::CookieKeeperSkin();
    add(List1);
    add(Label2);
    add(Label1);
    add(Check1);
    add(cmdDelCookies);
    add(cmdExt);
    add(cmdSrch);
    timers.push_back(&Timer1);

    List1.checkBoxes = true;
    List1.rect = {233, 600, 5775, 2505};
    List1.backColor = controls::kPaper;
    List1.foreColor = kInk;
    Label2.rect = {240, 3360, 1455, 195};
    // Wide enough for "Remove Checks from Cookies to keep" in the screen font; ends short of
    // Check1.
    Label1.rect = {1808, 3360, 2940, 195};
    Check1.rect = {4800, 3360, 1215, 195};
    cmdDelCookies.rect = {360, 3720, 1575, 375};
    cmdDelCookies.setCaption("&Delete Selected");
    cmdDelCookies.toolTip = "Delete selected Cookies";
    cmdExt.rect = {4320, 3720, 1575, 375};
    cmdExt.setCaption("&Exit");
    cmdExt.toolTip = "Close me";
    cmdSrch.rect = {2040, clientHeight + 600, 1815, 375};
    cmdSrch.setCaption("&Search for Cookies");
    for (controls::Widget* w :
         {static_cast<controls::Widget*>(&Label1), static_cast<controls::Widget*>(&Label2),
          static_cast<controls::Widget*>(&Check1)})
        w->backColor = controls::kPaper;
}

void FrmCookies::load() {
    // Each opening starts again from the design state.
    List1.clear();
    found_.clear();
    if (Check1.value() != 0) Check1.setValue(0);
    Check1.setCaption("&Select All");
    Check1.setVisible(false);
    Label1.setCaption(kScanning);
    Label2.setCaption("");
    cmdDelCookies.setEnabled(true);
    Timer1.setEnabled(false);

    show();
    int tpp = twipsPerPixelX > 0 ? twipsPerPixelX : 15;
    List1.setHorizontalExtent(
        static_cast<int>(std::lround(static_cast<double>(List1.rect.width) / tpp * 2.0)));
    // The scan waits until the window and its "Please Wait" have been painted.
    Timer1.setEnabled(true);
}

bool FrmCookies::folderExists(const std::string& path) {
    if (path.empty()) return false;
    auto attributes = services_.files.attributes(path);
    return attributes && (*attributes & platform::kAttrDirectory) != 0;
}

void FrmCookies::listCookieFiles(const std::string& folder) {
    const std::uint32_t serial = platform::VolumeSerialOf(services_.files, folder);
    platform::ForEachEntry(services_.files, folder, [&](const platform::FindData& entry) {
        if (!entry.isDirectory() && entry.name.find(".txt") != std::string::npos)
            found_.push_back(
                platform::Found(services_.files, serial, folder + "\\" + entry.name, entry));
    });
}

// The shell's cookie folder and every folder below it, the low-integrity "Low" folder too. Links
// are never entered and no folder twice, so the scan stays in the user's own folder and ends.
void FrmCookies::listUserCookies(const std::string& top) {
    std::set<std::uint64_t> entered;
    const auto topId = services_.files.directoryId(top);
    if (topId) entered.insert(topId->index);
    const std::uint32_t serial = topId ? topId->volumeSerial : 0;
    std::vector<std::string> pending{top};
    while (!pending.empty()) {
        const std::string folder = pending.back();
        pending.pop_back();
        std::vector<std::string> below;
        platform::ForEachEntry(services_.files, folder, [&](const platform::FindData& entry) {
            if (entry.isLink()) return;
            const std::string path = folder + "\\" + entry.name;
            if (!entry.isDirectory()) {
                if (IsCookieName(entry.name))
                    found_.push_back(platform::Found(services_.files, serial, path, entry));
            } else if (entry.fileId == 0 || entered.insert(entry.fileId).second) {
                below.push_back(path);
            }
        });
        pending.insert(pending.end(), below.rbegin(), below.rend());
    }
}

// A file named for its site says so itself; a random name gets the sites from its records.
std::string FrmCookies::entryText(const std::string& path) {
    const std::string name = path.substr(path.find_last_of('\\') + 1);
    if (name.find('@') != std::string::npos) return path;
    const auto content = services_.files.readFile(path, kMostReadOfACookie);
    const std::string sites = content ? CookieSites(*content) : "";
    return sites.empty() ? path : path + "  (" + sites + ")";
}

void FrmCookies::ShowFolderList() {
    const std::string windows = services_.files.windowsDirectory();
    setMousePointer(controls::kPointerHourglass);
    found_.clear();
    const auto userCookies = services_.shell.userFolder(platform::UserFolder::Cookies);
    if (userCookies && folderExists(*userCookies)) listUserCookies(*userCookies);
    // The layout under the Windows folder, where the shell names no cookie folder.
    if (!userCookies && folderExists(windows)) {
        for (const char* sub : {"\\cookies", "\\profiles"}) {
            const std::string p = windows + sub;
            if (!folderExists(p)) continue;
            listCookieFiles(p);
            std::vector<std::string> subfolders;
            // A linked folder leads out of the Windows folder: its files are not ours to offer
            // for deletion.
            platform::ForEachEntry(services_.files, p, [&](const platform::FindData& entry) {
                if (entry.isDirectory() && !entry.isLink())
                    subfolders.push_back(p + "\\" + entry.name);
            });
            for (const std::string& d : subfolders) {
                const std::string q = d + "\\cookies";
                if (folderExists(q)) listCookieFiles(q);
            }
        }
    }
    std::vector<std::string> texts;
    for (const auto& file : found_) texts.push_back(entryText(file.path));
    List1.assign(std::move(texts));
    if (Check1.value() == 1)
        selectToggle();
    else
        Check1.setValue(1);
    setMousePointer(controls::kPointerDefault);
}

void FrmCookies::showCount() {
    Label2.setCaption(std::to_string(List1.count()) + " Cookies");
}

void FrmCookies::selectToggle() {
    const bool all = Check1.value() == 1;
    for (int i = 0; i < List1.count(); ++i) List1.setChecked(i, all);
    List1.setListIndex(0);
    if (all) {
        Check1.setVisible(true);
        Label1.setCaption("Remove Checks from Cookies to keep");
        showCount();
        cmdDelCookies.setEnabled(true);
        Check1.setCaption("&Select None");
    } else {
        Check1.setCaption("&Select All");
    }
}

void FrmCookies::deleteSelected() {
    std::vector<int> rows;
    std::vector<platform::FoundFile> files;
    for (int i = List1.count() - 1; i >= 0; --i) {
        if (!List1.checked(i)) continue;
        const auto row = static_cast<std::size_t>(i);
        rows.push_back(i);
        files.push_back(found_.at(row));
    }
    const auto removals = services_.files.deleteFoundFiles(files);
    for (std::size_t k = 0; k < removals.size(); ++k) {
        // A file that was not deleted (read-only, in use, a link on its path, another file in its
        // place) keeps its entry, still checked, so the list and the count say what is left.
        if (removals[k].result == platform::RemovalResult::Refused) {
            services_.trace.dropped("cookie keeper: could not delete " + files[k].path + ": " +
                                    removals[k].reason);
            continue;
        }
        List1.removeItem(rows[k]);
        found_.erase(found_.begin() + rows[k]);
    }
    showCount();
}

void FrmCookies::exit() {
    Label1.setCaption(kScanning);
    Label2.setCaption("");
    List1.clear();
    found_.clear();
    Check1.setVisible(false);
    if (windows_.main) windows_.main->show();
    unload();
}

}  // namespace brisko::cookies
