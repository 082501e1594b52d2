#include "cleaner/clean_run.h"

#include <exception>
#include <string_view>
#include <utility>

#include "app/form1.h"
#include "app/numbers.h"
#include "cleaner/catalogue.h"
#include "cleaner/clean_it.h"
#include "cleaner/file_pattern.h"
#include "cleaner/get_win_dir_size.h"
#include "cleaner/play_wav.h"
#include "cleaner/reg32.h"
#include "cleaner/shell_removal.h"

namespace brisko::cleaner {

namespace {

constexpr const char* kApp = "Brisko";
constexpr const char* kPresets = "Presets";
constexpr const char* kNotice = "Cleaning ... Please Wait";

// Every step of the run goes on after a failing one: the failure is dropped, as the user is
// never shown one, and the next step runs.
template <class F>
void Resume(F&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

void SetNotices(app::Form1& form, bool visible) {
    form.Label6.setVisible(visible);
    form.Label7.setVisible(visible);
    form.Label8.setVisible(visible);
}

std::string MediaPath(platform::Services& services, const char* file) {
    return services.processes.programFolder() + "\\" + file;
}

void Perform(const Step& step, app::Form1& form, SystemKind kind) {
    platform::Services& services = form.services();
    switch (step.kind) {
        case Step::Kind::DeleteValue:
            DeleteRegValue(services.registry, step.root, step.key, step.name);
            break;
        case Step::Kind::Routine:
            RunRoutine(step.routine, services, form.hwnd);
            break;
        case Step::Kind::RemoveTree:
            StartShellRemoval(services.processes, kind, step.path);
            break;
        case Step::Kind::DeleteFiles:
            DeleteFilesByPattern(services.files, step.path);
            break;
    }
}

void EraseTrackItems(app::Form1& form) {
    for (const TrackItem& item : Catalogue()) {
        Resume([&] {
            const controls::CheckBox* box = TrackBox(form, item.checkbox);
            if (!box || box->value() != 1) return;
            Where where;
            if (RemovesFolders(item)) {
                // Decided afresh for each folder item, from the start-up values.
                where.kind = SystemKindOf(form.Winder.caption());
                where.windowsDir = GetWinDir(form.services().files);
                where.drive = form.DrvLetter.caption();
            }
            for (const Step& step : Steps(item, where))
                Resume([&] { Perform(step, form, where.kind); });
        });
    }
}

double RunTotal(app::Form1& form) {
    double total = 0;
    for (const auto& size : form.itemSizes) total += size.value_or(0);
    return total;
}

}  // namespace

// The check box of each track item, by the name the catalogue gives it.
controls::CheckBox* TrackBox(app::Form1& form, std::string_view name) {
    using Box = controls::CheckBox app::Form1::*;
    static constexpr std::pair<std::string_view, Box> boxes[] = {
        {"chkDocuments", &app::Form1::chkDocuments},
        {"chkRunMenu", &app::Form1::chkRunMenu},
        {"chkUrls", &app::Form1::chkUrls},
        {"chkTemp", &app::Form1::chkTemp},
        {"chkCookies", &app::Form1::chkCookies},
        {"chIECache", &app::Form1::chIECache},
        {"chkHistory", &app::Form1::chkHistory},
        {"chkWord", &app::Form1::chkWord},
        {"chkExcel", &app::Form1::chkExcel},
        {"chkAccess", &app::Form1::chkAccess},
        {"chkPowerPoint", &app::Form1::chkPowerPoint},
        {"chkRecBin", &app::Form1::chkRecBin},
        {"chkMenu", &app::Form1::chkMenu},
        {"chkFav", &app::Form1::chkFav},
        {"chkWzip1", &app::Form1::chkWzip1},
        {"chkWzip2", &app::Form1::chkWzip2},
        {"chkVb", &app::Form1::chkVb},
        {"NetScape1", &app::Form1::NetScape1},
        {"netscape2", &app::Form1::netscape2},
        {"netscape3", &app::Form1::netscape3},
        {"chkWordPad", &app::Form1::chkWordPad},
        {"chkPbrush", &app::Form1::chkPbrush},
        {"chkMediaPlayer", &app::Form1::chkMediaPlayer},
    };
    for (const auto& [boxName, member] : boxes)
        if (boxName == name) return &(form.*member);
    return nullptr;
}

void TickEveryItem(app::Form1& form) {
    for (const TrackItem& item : Catalogue())
        if (controls::CheckBox* box = TrackBox(form, item.checkbox)) box->setValue(1);
}

void StartCleanRun(app::Form1& form) {
    Resume([&] { form.showPanel(1); });
    Resume([&] { form.setMousePointer(controls::kPointerHourglass); });
    Resume([&] { SetNotices(form, true); });
    // A second click before the tick only enables the armed timer again: one run follows.
    Resume([&] { form.Timer2.setEnabled(true); });
}

void CleanRunTick(app::Form1& form) {
    platform::Services& services = form.services();
    Resume([&] {
        form.Animation1.setVisible(true);
        form.Animation1.open(MediaPath(services, "RurivAzavidi.avi"));
        form.Animation1.play();
    });
    Resume([&] { EraseTrackItems(form); });
    Resume([&] { form.setMousePointer(controls::kPointerDefault); });
    Resume([&] {
        form.Animation1.close();
        form.Animation1.open(MediaPath(services, "Check.avi"));
        form.Animation1.play(1);
    });
    Resume([&] { SetNotices(form, false); });
    Resume([&] {
        form.lblSize.setCaption(services.settings.get(kApp, kPresets, "TotSav", "") + " Reclaimed");
    });
    Resume([&] { form.Label1.setCaption(app::DecimalText(RunTotal(form))); });
    Resume([&] {
        const double saved =
            app::LeadingNumber(services.settings.get(kApp, kPresets, "CleanSave", ""));
        const double total = saved + app::LeadingNumber(form.Label1.caption());
        services.settings.save(kApp, kPresets, "CleanSave", app::DecimalText(total));
    });
    Resume([&] { PlaySoundFile(services.media, MediaPath(services, "Alarm.wav")); });
    Resume([&] { form.Timer1.setEnabled(true); });
    form.Timer2.setEnabled(false);
}

void EndCleanDisplay(app::Form1& form) {
    Resume([&] { SetNotices(form, false); });
    Resume([&] {
        form.Label6.setCaption(kNotice);
        form.Label7.setCaption(kNotice);
        form.Label8.setCaption(kNotice);
    });
    Resume([&] { form.Animation1.setVisible(false); });
    form.Timer1.setEnabled(false);
}

}  // namespace brisko::cleaner
