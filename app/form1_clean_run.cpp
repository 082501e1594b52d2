#include "app/form1_clean_run.h"

#include <memory>
#include <string>
#include <utility>

#include "app/form1.h"
#include "app/texts.h"
#include "cleaner/catalogue.h"
#include "cleaner/clean_run.h"
#include "cleaner/format_kb.h"
#include "cleaner/numbers.h"
#include "cleaner/play_wav.h"
#include "cleaner/resume.h"
#include "cleaner/settings_keys.h"

namespace brisko::app {

namespace {

using cleaner::kPresets;
using cleaner::kSettingsApp;

void SetNotices(Form1& form, bool visible) {
    form.Label6.setVisible(visible);
    form.Label7.setVisible(visible);
    form.Label8.setVisible(visible);
}

// What the engine needs of the window, read as the run starts: nothing can change it while the
// run erases, which never yields.
cleaner::CleanRequest Request(Form1& form) {
    cleaner::CleanRequest request;
    for (const cleaner::TrackItem& item : cleaner::Catalogue())
        if (const controls::CheckBox* box = TrackBox(form, item.checkbox); box && box->value() == 1)
            request.ticked.emplace_back(item.checkbox);
    request.where = form.where();
    request.owner = form.hwnd;
    return request;
}

// The bytes gone from the items the run began with, each measured again now that its removal
// has ended; the new sizes become the items' own, so that a second run counts nothing twice. An
// item that grew meanwhile adds nothing.
double Reclaimed(Form1& form, const RunningClean& run) {
    double total = 0;
    for (int i = 0; i < cleaner::kSizedItems; ++i) {
        if (!run.before[i]) continue;
        const auto item = static_cast<cleaner::SizedItem>(i);
        const auto now = cleaner::MeasureItem(item, form.services(), run.where);
        const double after = now ? now->bytes : *run.before[i];
        if (*run.before[i] > after) total += *run.before[i] - after;
        if (form.itemSize(item)) form.itemSize(item) = after;
    }
    return total;
}

void BeginRun(Form1& form) {
    platform::Services& services = form.services();
    auto step = [&](auto&& f) { cleaner::Resume(services.trace, "clean run", f); };
    auto run = std::make_unique<RunningClean>();
    step([&] {
        form.Animation1.setVisible(true);
        form.Animation1.open(platform::ProgramFile(services.processes, "RurivAzavidi.avi"));
        form.Animation1.play();
    });
    step([&] {
        const cleaner::CleanRequest request = Request(form);
        run->where = request.where;
        run->before = form.itemSizes;
        run->removals = cleaner::EraseTrackItems(services, request);
    });
    form.cleaning = std::move(run);
}

void ShowResult(Form1& form, double reclaimed) {
    platform::Services& services = form.services();
    auto step = [&](auto&& f) { cleaner::Resume(services.trace, "clean run", f); };
    step([&] { form.setMousePointer(controls::kPointerDefault); });
    step([&] {
        form.Animation1.close();
        form.Animation1.open(platform::ProgramFile(services.processes, "Check.avi"));
        form.Animation1.play(1);
    });
    step([&] { SetNotices(form, false); });
    step([&] {
        form.lblSize.setCaption(
            cleaner::FormatBytes(reclaimed, services.desktop.decimalSeparator()).value_or("") +
            " Reclaimed");
    });
    step([&] { form.Label1.setCaption(cleaner::DecimalText(reclaimed)); });
    step([&] {
        const double saved =
            cleaner::StoredTotal(services.settings.get(kSettingsApp, kPresets, "CleanSave", ""));
        const double total =
            cleaner::AddTotals(saved, cleaner::LeadingNumber(form.Label1.caption()));
        services.settings.save(kSettingsApp, kPresets, "CleanSave", cleaner::DecimalText(total));
    });
    step([&] {
        cleaner::PlaySoundFile(services.media,
                               platform::ProgramFile(services.processes, "Alarm.wav"));
    });
    step([&] { form.Timer1.setEnabled(true); });
}

}  // namespace

controls::CheckBox* TrackBox(Form1& form, std::string_view name) {
    using Box = controls::CheckBox Form1::*;
    static constexpr std::pair<std::string_view, Box> boxes[] = {
        {"chkDocuments", &Form1::chkDocuments},
        {"chkRunMenu", &Form1::chkRunMenu},
        {"chkUrls", &Form1::chkUrls},
        {"chkTemp", &Form1::chkTemp},
        {"chkCookies", &Form1::chkCookies},
        {"chIECache", &Form1::chIECache},
        {"chkHistory", &Form1::chkHistory},
        {"chkWord", &Form1::chkWord},
        {"chkExcel", &Form1::chkExcel},
        {"chkAccess", &Form1::chkAccess},
        {"chkPowerPoint", &Form1::chkPowerPoint},
        {"chkRecBin", &Form1::chkRecBin},
        {"chkMenu", &Form1::chkMenu},
        {"chkFav", &Form1::chkFav},
        {"chkWzip1", &Form1::chkWzip1},
        {"chkWzip2", &Form1::chkWzip2},
        {"chkVb", &Form1::chkVb},
        {"NetScape1", &Form1::NetScape1},
        {"netscape2", &Form1::netscape2},
        {"netscape3", &Form1::netscape3},
        {"chkWordPad", &Form1::chkWordPad},
        {"chkPbrush", &Form1::chkPbrush},
        {"chkMediaPlayer", &Form1::chkMediaPlayer},
    };
    for (const auto& [boxName, member] : boxes)
        if (boxName == name) return &(form.*member);
    return nullptr;
}

void TickEveryItem(Form1& form) {
    for (const cleaner::TrackItem& item : cleaner::Catalogue())
        if (controls::CheckBox* box = TrackBox(form, item.checkbox)) box->setValue(1);
}

void StartCleanRun(Form1& form) {
    platform::Trace& trace = form.services().trace;
    cleaner::Resume(trace, "clean click", [&] { form.showPanel(1); });
    cleaner::Resume(trace, "clean click",
                    [&] { form.setMousePointer(controls::kPointerHourglass); });
    cleaner::Resume(trace, "clean click", [&] { SetNotices(form, true); });
    // A second click before the tick only enables the armed timer again: one run follows.
    cleaner::Resume(trace, "clean click", [&] { form.Timer2.setEnabled(true); });
}

void CleanRunTick(Form1& form) {
    if (!form.cleaning) BeginRun(form);
    RunningClean& run = *form.cleaning;
    // Timer2 stays on and looks in again on its next tick; a tick during the measuring below
    // (which yields) waits for it.
    if (run.finishing || !cleaner::RemovalsEnded(run.removals, form.services().trace)) return;
    run.finishing = true;
    double reclaimed = 0;
    cleaner::Resume(form.services().trace, "clean run", [&] { reclaimed = Reclaimed(form, run); });
    ShowResult(form, reclaimed);
    form.cleaning.reset();
    form.Timer2.setEnabled(false);
}

void EndCleanDisplay(Form1& form) {
    auto step = [&](auto&& f) { cleaner::Resume(form.services().trace, "clean display", f); };
    step([&] { SetNotices(form, false); });
    step([&] {
        form.Label6.setCaption(kCleaningNotice);
        form.Label7.setCaption(kCleaningNotice);
        form.Label8.setCaption(kCleaningNotice);
    });
    step([&] { form.Animation1.setVisible(false); });
    form.Timer1.setEnabled(false);
}

}  // namespace brisko::app
