#include "cleaner/clean_run.h"

#include <algorithm>

#include "cleaner/catalogue.h"
#include "cleaner/clean_it.h"
#include "cleaner/file_pattern.h"
#include "cleaner/get_win_dir_size.h"
#include "cleaner/reg32.h"
#include "cleaner/resume.h"
#include "cleaner/shell_removal.h"

namespace brisko::cleaner {

namespace {

void Perform(const Step& step, platform::Services& services, SystemKind kind,
             platform::WindowHandle owner) {
    switch (step.kind) {
        case Step::Kind::DeleteValue:
            DeleteRegValue(services.registry, step.root, step.key, step.name);
            break;
        case Step::Kind::Routine:
            RunRoutine(step.routine, services, owner);
            break;
        case Step::Kind::RemoveTree:
            // A folder on the way that became a link since the estimate would send the removal
            // into the link's target.
            if (const auto link = services.files.linkOnPath(step.path))
                services.trace.dropped("clean run: " + *link + " is a link; " + step.path +
                                       " is not removed");
            else if (!StartShellRemoval(services.processes, kind, step.path))
                services.trace.dropped("clean run: no removal started for " + step.path);
            break;
        case Step::Kind::DeleteFiles:
            DeleteFilesByPattern(services.files, step.path, services.trace);
            break;
    }
}

bool Ticked(const CleanRequest& request, std::string_view name) {
    return std::find(request.ticked.begin(), request.ticked.end(), name) != request.ticked.end();
}

}  // namespace

void EraseTrackItems(platform::Services& services, const CleanRequest& request) {
    for (const TrackItem& item : Catalogue()) {
        Resume(services.trace, "clean run", [&] {
            if (!Ticked(request, item.checkbox)) return;
            Where where;
            if (RemovesFolders(item)) {
                // Decided afresh for each folder item.
                where.kind = SystemKindOf(request.winder);
                where.windowsDir = GetWinDir(services.files);
                where.drive = request.drive;
            }
            for (const Step& step : Steps(item, where))
                Resume(services.trace, "clean run",
                       [&] { Perform(step, services, where.kind, request.owner); });
        });
    }
}

}  // namespace brisko::cleaner
