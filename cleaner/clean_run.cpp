#include "cleaner/clean_run.h"

#include <algorithm>

#include "cleaner/catalogue.h"
#include "cleaner/clean_it.h"
#include "cleaner/file_pattern.h"
#include "cleaner/reg32.h"
#include "cleaner/resume.h"
#include "cleaner/shell_removal.h"

namespace brisko::cleaner {

namespace {

void Perform(const Step& step, platform::Services& services, SystemKind kind,
             platform::WindowHandle owner, std::vector<FolderRemoval>& removals) {
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
            else if (auto process = StartShellRemoval(services.processes, kind, step.path))
                removals.push_back({step.path, std::move(process)});
            else
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

std::vector<FolderRemoval> EraseTrackItems(platform::Services& services,
                                           const CleanRequest& request) {
    std::vector<FolderRemoval> removals;
    for (const TrackItem& item : Catalogue()) {
        Resume(services.trace, "clean run", [&] {
            if (!Ticked(request, item.checkbox)) return;
            for (const Step& step : Steps(item, request.where))
                Resume(services.trace, "clean run", [&] {
                    Perform(step, services, request.where.kind, request.owner, removals);
                });
        });
    }
    return removals;
}

bool RemovalsEnded(std::vector<FolderRemoval>& removals, platform::Trace& trace) {
    bool ended = true;
    for (FolderRemoval& removal : removals) {
        if (!removal.process) continue;
        const auto code = removal.process->exitCode();
        if (!code) {
            ended = false;
            continue;
        }
        if (*code != 0)
            trace.dropped("clean run: the removal of " + removal.folder + " ended with code " +
                          std::to_string(*code) + "; what it could not remove stays");
        removal.process.reset();
    }
    return ended;
}

}  // namespace brisko::cleaner
