#include "shared/playout_check.h"

#include <unordered_map>
#include <unordered_set>

#include "shared/format.h"
#include "shared/utilities.h"

namespace core {

namespace {

struct DetectionGroup {
    int32_t board = 0;
    std::vector<std::wstring> names;
    std::vector<RecordRef> records;
};

void Add(DetectionGroup* group, const PlayoutDetection& detection) {
    group->names.push_back(detection.name);
    group->records.push_back(detection.record);
}

void AddBoardFindings(const PlayoutInstanceList& instances,
                      const std::vector<PlayoutDetection>& detections, const PlayoutKinds& kinds,
                      const FindingMaker& maker, FindingList* findings) {
    if (detections.empty()) {
        return;
    }
    if (instances.empty()) {
        DetectionGroup all;
        for (const PlayoutDetection& detection : detections) {
            Add(&all, detection);
        }
        findings->push_back(
            maker.Make(kinds.noInstance, maker.Names(all.names), {}, std::move(all.records)));
        return;
    }
    // A table that cannot be read is never written: it keeps no detection's event.
    std::unordered_set<int32_t> boardsWritten;
    for (const PlayoutInstance& instance : instances) {
        if (instance.Stored != StoredTable::Unreadable) {
            boardsWritten.insert(instance.Board);
        }
    }
    std::vector<DetectionGroup> groups;
    std::unordered_map<int32_t, size_t> groupOfBoard;
    for (const PlayoutDetection& detection : detections) {
        // A detection without a board of its own has a finding of its device.
        if (detection.board < 1 || boardsWritten.count(detection.board) != 0) {
            continue;
        }
        const auto inserted = groupOfBoard.emplace(detection.board, groups.size());
        if (inserted.second) {
            groups.push_back(DetectionGroup{detection.board, {}, {}});
        }
        Add(&groups[inserted.first->second], detection);
    }
    for (DetectionGroup& group : groups) {
        findings->push_back(maker.Make(kinds.boardWithoutInstance, maker.Names(group.names),
                                       {group.board}, std::move(group.records)));
    }
}

void AddInstanceFindings(const PlayoutInstanceList& instances,
                         const std::vector<PlayoutDetection>& detections,
                         const std::wstring& toolPrefix, const PlayoutKinds& kinds,
                         const FindingMaker& maker, FindingList* findings) {
    std::unordered_set<std::wstring> detectionNames;
    for (const PlayoutDetection& detection : detections) {
        detectionNames.insert(detection.name);
    }
    for (size_t i = 0; i < instances.size(); ++i) {
        const PlayoutInstance& instance = instances[i];
        const std::vector<RecordRef> record = {
            RecordRef{RecordKind::Instance, static_cast<int>(i)}};
        if (instance.Stored == StoredTable::Unreadable) {
            findings->push_back(
                maker.Make(kinds.unreadableTable, InstanceWhere(instance), {}, record));
            continue;
        }
        if (instance.Stored != StoredTable::Read) {
            continue;  // no settings key: OK creates it with the detections of its board
        }
        if (instance.BoardByDefault) {
            findings->push_back(
                maker.Make(kinds.boardByDefault, InstanceWhere(instance), {}, record));
        }
        if (instance.UnparsedRecords > 0) {
            findings->push_back(maker.Make(kinds.unparsedRecords, InstanceWhere(instance),
                                           {instance.UnparsedRecords}, record));
        }
        std::vector<std::wstring> orphans;
        for (const GpiEventRecord& event : instance.Events) {
            if (StartsWith(toolPrefix, event.Name) && detectionNames.count(event.Name) == 0) {
                orphans.push_back(event.Name);
            }
        }
        if (!orphans.empty()) {
            findings->push_back(maker.Make(kinds.eventsWithoutDetection, InstanceWhere(instance),
                                           {maker.Names(orphans)}, record));
        }
    }
}

}  // namespace

InstalledInputs::InstalledInputs(const StringList& boards) {
    StringList names;
    BuildInputNames(boards, &names);
    for (const auto& name : names) {
        keys_.insert(FoldedKey(name));
    }
}

int32_t InstalledBoard(int32_t board, const StringList& boards) {
    return board >= 1 && static_cast<size_t>(board) <= boards.size() ? board : -1;
}

std::wstring InstanceWhere(const PlayoutInstance& instance) {
    return Format(L"VeZev%s", instance.Name);
}

void AddPlayoutFindings(const PlayoutInstanceList& instances,
                        const std::vector<PlayoutDetection>& detections,
                        const std::wstring& toolPrefix, const PlayoutKinds& kinds,
                        const FindingMaker& maker, FindingList* findings) {
    AddBoardFindings(instances, detections, kinds, maker, findings);
    AddInstanceFindings(instances, detections, toolPrefix, kinds, maker, findings);
}

}  // namespace core
