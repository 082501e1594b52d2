#include "finder/win_seek.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <optional>
#include <thread>
#include <utility>

#include "cleaner/format_kb.h"
#include "cleaner/numbers.h"
#include "cleaner/play_wav.h"
#include "cleaner/settings_keys.h"
#include "cleaner/stored_choice.h"
#include "finder/drives.h"
#include "finder/junk_filters.h"

namespace brisko::finder {

namespace {

using cleaner::kFilters;
using cleaner::kSettingsApp;

constexpr const char* kTitle = "Brisko Scanner";
constexpr const char* kProgress =
    "Searching ... This can take several minutes.  Files found so far ";
constexpr const char* kDots = "Scanning ";
constexpr const char* kNothingSelected = "Nothing Selected";
constexpr const char* kListFull = "You've filled the list box. Abandoning search...";

}  // namespace

WinSeek::WinSeek(platform::Services& services, controls::ProgramWindows& windows)
    : Form("WinSeek", kTitle), services_(services), windows_(windows) {
    layOut();

    for (controls::CheckBox* box : filterBoxes()) box->onClick = [this] { BuildSearchSpec(); };
    chkSelectAll.onClick = [this] { selectAllFilters(); };
    cmdAdvanced.onClick = [this] {
        Filters.setVisible(false);
        Custom.setVisible(true);
        txtCustom.setFocus();
    };
    Command1.onClick = [this] { saveCustomFilters(); };
    Command2.onClick = [this] {
        txtCustom.setText("");
        txtCustom.setFocus();
    };
    txtSearchSpec.onChange = [this] { save("Used", txtSearchSpec.text()); };

    Combo1.onClick = [this] { chooseDrive(); };
    cmdSearch.onClick = [this] {
        if (walking_ || removing_) return;  // a press served during a yield starts nothing
        if (cmdSearch.caption() == "&Reset")
            resetFromButton();
        else
            startSearch();
    };
    cmdExit.onClick = [this] {
        if (removing_)
            stopRemoval_ = true;
        else if (cmdExit.caption() == "Cancel")
            cancelSearch();
        else if (!walking_)  // not while the end of a search is under way
            exit();
    };
    Check1.onClick = [this] { checkAll(); };
    cmdDelete.onClick = [this] { removeChecked(); };
    tmrDots.onTick = [this] { advanceDots(); };
    chameleonButton1.onClick = [this] {
        if (windows_.extens) windows_.extens->show();
    };
    onSystemClose = [this] { closeByCaption(); };
    onHelp = [this] { showHelp(); };
    wireDescriptions();
}

std::array<controls::CheckBox*, 10> WinSeek::filterBoxes() {
    return {&chkGID, &chkTMP, &chkBAK, &chkBAK2, &chkSYD,
            &chkOLD, &chkCHK, &chkFTS, &chkDIZ,  &chkFTG};
}

controls::CheckBox* WinSeek::filterBox(std::string_view name) {
    for (controls::CheckBox* box : filterBoxes())
        if (box->name() == name) return box;
    return nullptr;
}

std::string WinSeek::setting(const std::string& key, const std::string& fallback) {
    return services_.settings.get(kSettingsApp, kFilters, key, fallback);
}

void WinSeek::save(const std::string& key, const std::string& value) {
    services_.settings.save(kSettingsApp, kFilters, key, value);
}

// Load ---------------------------------------------------------------------------------------

void WinSeek::load() {
    Form::show();
    ShowVolumeInfo();
    // Twice the list's own width, so that long paths can be scrolled into view.
    lstFoundFiles.setHorizontalExtent(2 * lstFoundFiles.rect.width / std::max(1, twipsPerPixelX));
    listDrives();
    Label1.setCaption(Label3.caption());
    restoreFilters();
    restoreDeletionChoice();
    if (!txtCustom.text().empty())
        txtSearchSpec.setText(JoinPatterns(txtSearchSpec.text(), txtCustom.text()));
}

void WinSeek::unloading() {
    saveFilters();
    services_.desktop.endProgram();
}

// Filters ------------------------------------------------------------------------------------

void WinSeek::BuildSearchSpec() {
    std::string joined;
    for (const JunkFilter& filter : JunkFilters())
        if (filterBox(filter.box)->value() == 1) joined += std::string(filter.pattern) + ";";
    txtSearchSpec.setText(CutEnds(joined, 0, 1));
}

void WinSeek::selectAllFilters() {
    const int value = chkSelectAll.value() == 1 ? 1 : 0;
    for (std::string_view name : SelectAllOrder()) filterBox(name)->setValue(value);
    chkSelectAll.setCaption(value ? "Select None" : "Select All");
}

void WinSeek::saveCustomFilters() {
    const std::string custom = txtCustom.text();
    if (CustomFiltersRefused(custom)) {
        services_.desktop.messageBox(kSyntaxErrorText, kSyntaxErrorTitle,
                                     platform::kMbOk | platform::kMbIconExclamation);
        txtCustom.setText("");
        return;
    }
    Filters.setVisible(true);
    Custom.setVisible(false);
    if (!custom.empty()) {
        txtSearchSpec.setText(JoinPatterns(txtSearchSpec.text(), custom));
    } else {
        save("Used", txtSearchSpec.text());
        BuildSearchSpec();
    }
}

void WinSeek::restoreFilters() {
    txtCustom.setText(setting("Custom", ""));
    txtSearchSpec.setText(setting("Used", ""));
    cleaner::RestoreCheck(services_, kFilters, chkSelectAll.name(), chkSelectAll);
    for (controls::CheckBox* box : filterBoxes())
        cleaner::RestoreCheck(services_, kFilters, box->name(), *box);
}

void WinSeek::saveFilters() {
    save("Used", txtSearchSpec.text());
    save("Custom", txtCustom.text());
    save("chkSelectAll", std::to_string(chkSelectAll.value()));
    for (controls::CheckBox* box : filterBoxes()) save(box->name(), std::to_string(box->value()));
}

void WinSeek::restoreDeletionChoice() {
    for (controls::OptionButton* option : {&optDelete, &optRecycle}) {
        const std::string text = setting(option->name(), option == &optDelete ? "False" : "True");
        if (text == "True" || text == "False")
            option->setValue(text == "True");
        else
            services_.trace.dropped("settings: " + option->name() + " holds \"" + text +
                                    "\"; kept as it was");
    }
}

void WinSeek::saveDeletionChoice() {
    save("optDelete", optDelete.value() ? "True" : "False");
    save("optRecycle", optRecycle.value() ? "True" : "False");
}

// Drives ----------------------------------------------------------------------------------------

void WinSeek::ShowVolumeInfo() {
    const auto line =
        VolumeLine(services_.files, Combo1.text(), services_.desktop.decimalSeparator());
    if (!line) {
        services_.desktop.messageBox(kNoDiskText, kNoDiskTitle,
                                     platform::kMbOk | platform::kMbIconInformation);
        return;
    }
    Text1.setText(*line);
}

void WinSeek::listDrives() {
    for (const std::string& root : FixedDrives(services_.files)) {
        Combo1.addItem(root);
        List1.addItem(root);
    }
    if (Combo1.items.empty()) return;
    Combo1.setListIndex(0);
    List1.setListIndex(0);
    Label3.setCaption(List1.item(0).substr(0, 3));
    ShowVolumeInfo();
}

void WinSeek::chooseDrive() {
    Label3.setCaption(Combo1.text());
    ShowVolumeInfo();
}

// The search ------------------------------------------------------------------------------------

void WinSeek::startSearch() {
    if (walking_) return;  // a press served during the walk's own yield starts nothing
    Label10.setVisible(false);
    const bool noDrive = Label3.caption().empty();
    if (txtSearchSpec.text().empty() || noDrive) {
        services_.desktop.messageBox(
            noDrive ? "No fixed drive to search" : "You have to select at least one filter",
            kNothingSelected, platform::kMbOk | platform::kMbIconInformation);
        Message.setCaption("");
        Check1.setValue(0);
        return;
    }
    Label7.setVisible(false);
    cmdExit.setCaption("Cancel");
    cmdSearch.setEnabled(false);
    const std::string patternText = txtSearchSpec.text();
    const std::string root = Label3.caption();
    Filters.setVisible(false);
    Custom.setVisible(false);
    Frame2.setVisible(true);
    lblDots.setVisible(true);
    tmrDots.setEnabled(true);
    Animation1.setVisible(true);
    Animation1.open(platform::ProgramFile(services_.processes, "RurivAzavidi.avi"));
    Animation1.play();
    Label1.setVisible(true);
    Label2.setVisible(true);
    Label8.setVisible(false);
    Message.setVisible(true);

    walking_ = true;
    SearchFolder(services_, root, patternText, SearchActive, *this, readAhead);
    endSearch();
    walking_ = false;
}

void WinSeek::endSearch() {
    lblDots.setVisible(false);
    tmrDots.setEnabled(false);
    Animation1.close();
    Animation1.open(platform::ProgramFile(services_.processes, "Check.avi"));
    Animation1.play(1);
    cmdSearch.setCaption("&Reset");
    cmdExit.setCaption("E&xit");
    cmdDelete.setEnabled(true);
    cmdSearch.setEnabled(true);
    Label1.setVisible(false);
    Label2.setVisible(false);
    playSoundAnswering(platform::ProgramFile(services_.processes, "Alarm.wav"));
    Label8.setVisible(false);
    SumWastedSpace();
    Check1.setValue(1);
}

void WinSeek::playSoundAnswering(const std::string& path) {
    // The sound needs no window: it plays on a thread of its own while this one keeps serving
    // the window, and what follows it still comes after it.
    std::atomic<bool> played = false;
    std::jthread player([&] {
        cleaner::PlaySoundFile(services_.media, path);
        played = true;
    });
    while (!played) {
        services_.desktop.yield();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void WinSeek::positioned(const std::string& folder) {
    Label1.setCaption(folder);
}

bool WinSeek::found(const platform::FoundFile& file, std::uint64_t length) {
    if (!lstFoundFiles.addItem(file.path)) {
        services_.desktop.messageBox(kListFull, kSettingsApp, platform::kMbOk);
        return false;
    }
    entries_.push_back({length, file.id});
    const auto count = static_cast<long long>(cleaner::LeadingNumber(lblCount.caption())) + 1;
    lblCount.setCaption(std::string(" ").append(std::to_string(count)));
    Label2.setCaption(kProgress + lblCount.caption());
    return true;
}

void WinSeek::cancelSearch() {
    Label2.setVisible(false);
    Label1.setVisible(false);
    Label7.setVisible(false);
    Label8.setVisible(true);
    SearchActive = false;
    checkAll();
    cmdSearch.setEnabled(true);
}

void WinSeek::advanceDots() {
    // "Scanning " and then one " ." more at each tick, up to sixteen; then from the start.
    const std::string caption = lblDots.caption();
    std::string next = kDots;
    const std::string dots = caption.size() >= 9 ? caption.substr(9) : "";
    bool known = caption.compare(0, 9, kDots) == 0 && dots.size() % 2 == 0 && dots.size() <= 32;
    for (std::size_t i = 0; known && i < dots.size(); i += 2) known = dots.compare(i, 2, " .") == 0;
    if (known && dots.size() < 32) next = caption + " .";
    lblDots.setCaption(next);
}

void WinSeek::SumWastedSpace() {
    if (lstFoundFiles.count() == 0) return;
    double sum = cleaner::LeadingNumber(txtSize.text());
    for (int i = 0; i < lstFoundFiles.count(); ++i) {
        if (lstFoundFiles.checked(i)) continue;
        // 64-bit lengths, from the walk's own listing; read again only for an entry the walk
        // did not add. A file whose length cannot be read adds nothing.
        std::optional<std::uint64_t> length;
        if (entries_.size() == static_cast<std::size_t>(lstFoundFiles.count()))
            length = entries_[static_cast<std::size_t>(i)].length;
        else
            length = services_.files.fileLength(lstFoundFiles.item(i));
        sum = cleaner::AddTotals(sum, length ? static_cast<double>(*length) : 0.0);
    }
    keepWasted(sum);
    showWasted(sum);
}

void WinSeek::keepWasted(double wasted) {
    txtSize.setText(std::string(wasted >= 0 ? " " : "").append(cleaner::DecimalText(wasted)));
    Text2.setText(txtSize.text());
}

void WinSeek::showWasted(double wasted) {
    Message.setCaption(
        cleaner::FormatBytes(wasted, services_.desktop.decimalSeparator()).value_or("") +
        " Wasted Space  " + lblCount.caption() + " Files found");
}

void WinSeek::showTotals(double wasted) {
    lblCount.setCaption(std::string(" ").append(std::to_string(lstFoundFiles.count())));
    showWasted(wasted);
}

void WinSeek::ResetSearch() {
    lstFoundFiles.clear();
    entries_.clear();
    Label7.setVisible(true);
    lblCount.setCaption("0");
    txtSize.setText("");
    Animation1.setVisible(false);
    Frame2.setVisible(false);
    Custom.setVisible(false);
    Filters.setVisible(true);
    Message.setVisible(false);
    Label2.setCaption(std::string(kProgress) + "0");
    cmdSearch.setCaption("&Search");
    cmdExit.setCaption("E&xit");
    Label1.setCaption(Label3.caption());
}

void WinSeek::resetFromButton() {
    ResetSearch();
    Message.setCaption("");
    Check1.setValue(0);
    Label10.setVisible(true);
    cmdDelete.setEnabled(false);
}

// Removal -----------------------------------------------------------------------------------------

void WinSeek::checkAll() {
    const bool all = Check1.value() == 1;
    lstFoundFiles.setAllChecked(all);
    if (lstFoundFiles.count() > 0) lstFoundFiles.setListIndex(0);
    Check1.setCaption(all ? "&Select None" : "&Select All");
}

int WinSeek::ShellDelete(const std::vector<std::string>& paths) {
    return services_.shell.deleteFiles(0, paths, platform::kFofAllowUndo);
}

void WinSeek::removeChecked() {
    if (walking_ || removing_) return;  // a press served during a yield starts nothing
    removing_ = true;
    stopRemoval_ = false;
    setMousePointer(controls::kPointerHourglass);
    // Nothing else starts meanwhile; Exit becomes Cancel, which stops between two files.
    std::vector<std::pair<controls::Widget*, bool>> held;
    for (controls::Widget* w : std::initializer_list<controls::Widget*>{
             &cmdSearch, &cmdDelete, &Check1, &Combo1, &optDelete, &optRecycle, &lstFoundFiles}) {
        held.emplace_back(w, w->enabled());
        w->setEnabled(false);
    }
    cmdExit.setCaption("Cancel");

    // From the last entry to the first, so that taking one out leaves the others' places.
    std::vector<int> rows;
    std::vector<platform::FoundFile> files;
    for (int i = lstFoundFiles.count() - 1; i >= 0; --i) {
        if (!lstFoundFiles.checked(i)) continue;
        const auto row = static_cast<std::size_t>(i);
        rows.push_back(i);
        // An entry the walk did not add has no identity, and is never removed.
        files.push_back(
            {lstFoundFiles.item(i), row < entries_.size() ? entries_[row].id : platform::FileId{}});
    }
    double removed = 0;
    double wasted = cleaner::LeadingNumber(txtSize.text());
    const int countBefore = lstFoundFiles.count();
    // Each file's entry is settled as soon as it is done, and the window answers between files.
    auto settle = [&](std::size_t k, const platform::Removal& removal) {
        // A file that was not removed (read-only, in use, the shell's question refused, a link
        // on its path, another file in its place) stays listed and checked; one already gone
        // leaves the list, and only what was really removed counts as reclaimed.
        if (removal.result == platform::RemovalResult::Refused) {
            services_.trace.dropped("junk finder: could not remove " + files[k].path + ": " +
                                    removal.reason);
        } else {
            removed += static_cast<double>(removal.length);
            const auto row = static_cast<std::size_t>(rows[k]);
            lstFoundFiles.removeItem(rows[k]);
            if (row < entries_.size()) {
                wasted -= static_cast<double>(entries_[row].length);
                entries_.erase(entries_.begin() + rows[k]);
            }
            showTotals(std::max(0.0, wasted));
        }
        services_.desktop.yield();
        return !stopRemoval_;
    };
    auto& fs = services_.files;
    if (optDelete.value())
        fs.deleteFoundFiles(files, settle);
    else
        fs.recycleFoundFiles(
            files, [this](const std::string& path) { ShellDelete({path}); }, settle);

    // The hidden sum holders once at the end: each change of a text box's text reaches its
    // window at once, which costs more than the removal of a file.
    if (lstFoundFiles.count() != countBefore) keepWasted(std::max(0.0, wasted));
    for (auto& [w, enabled] : held) w->setEnabled(enabled);
    cmdExit.setCaption("E&xit");
    setMousePointer(controls::kPointerDefault);
    const double total = cleaner::AddTotals(cleaner::StoredTotal(setting("Scnsv", "")), removed);
    save("Scnsv", cleaner::DecimalText(total));
    chooseDrive();
    removing_ = false;
    if (std::exchange(closeAfterRemoval_, false)) closeByCaption();
}

// Leaving
// ------------------------------------------------------------------------------------------

void WinSeek::exit() {
    saveFilters();
    saveDeletionChoice();
    ResetSearch();
    Message.setCaption("");
    Check1.setValue(0);
    Label10.setVisible(true);
    cmdDelete.setEnabled(false);
    hide();
    if (windows_.main) windows_.main->show();
}

void WinSeek::closeByCaption() {
    if (removing_) {  // the removal stops after the file under way, and the window closes then
        stopRemoval_ = closeAfterRemoval_ = true;
        return;
    }
    if (walking_) cancelSearch();  // a search goes no further in a window nobody sees
    saveFilters();
    saveDeletionChoice();
    hide();
    if (windows_.main) windows_.main->show();
}

void WinSeek::showHelp() {
    if (windows_.finderHelp) windows_.finderHelp->showModal(services_.desktop);
}

}  // namespace brisko::finder
