#include "shared/save_configuration.h"

#include "shared/format.h"
#include "shared/registry_overlay.h"

namespace core {

std::vector<ReadValue> ReadStartupImage(RegistryPort& registry,
                                        const std::function<void(RegistryPort&)>& load) {
    RegistryOverlay overlay(registry);
    load(overlay);
    return overlay.ValuesRead();
}

SaveReport ConfigurationSaver::Save(const std::vector<ReadValue>& startupImage,
                                    const ConfigurationWriter& write,
                                    const std::function<bool()>& saveWithoutBackup) {
    SaveReport report;
    ScopedSaveLock lock(lock_);
    if (!lock.Held()) {
        report.status = SaveStatus::Busy;
        return report;
    }
    RegistryOverlay overlay(registry_);
    write(overlay);
    const SavePlan plan = overlay.Plan();
    if (plan.Empty()) {
        return report;
    }
    // What was read at start comes first: it is what the plug-ins read, whatever the
    // writing code read again.
    std::vector<ReadValue> image = startupImage;
    image.insert(image.end(), overlay.ValuesRead().begin(), overlay.ValuesRead().end());
    RegFile backup = BackupContent(image, plan, target_, RegFileSummary());
    backup.summary = summarize_(backup);
    SaveTransaction transaction(registry_, backups_, target_, windows64_);
    return transaction.Run(plan, backup, saveWithoutBackup);
}

BoxMessage BackupFailedQuestion(const SaveTexts& texts, const std::wstring& folder) {
    return BoxMessage{Format(texts.backupFailed, folder), texts.caption,
                      kMbYesNo | kMbIconWarning | kMbDefButton2};
}

bool SaveReportNeedsMessage(const SaveReport& report) {
    switch (report.status) {
        case SaveStatus::CheckFailed:
        case SaveStatus::NotSaved:
        case SaveStatus::RollbackFailed:
        case SaveStatus::Busy:
            return true;
        case SaveStatus::NothingToSave:
        case SaveStatus::Saved:
        case SaveStatus::BackupDeclined:
            break;
    }
    return false;
}

BoxMessage SaveReportMessage(const SaveReport& report, const SaveTexts& texts) {
    switch (report.status) {
        case SaveStatus::CheckFailed:
            return BoxMessage{Format(texts.checkFailed, report.keyName), texts.caption,
                              kMbYesNo | kMbIconWarning};
        case SaveStatus::NotSaved:
            return BoxMessage{Format(texts.notSaved, report.keyName), texts.caption,
                              kMbOk | kMbIconError};
        case SaveStatus::RollbackFailed: {
            const std::wstring& backup =
                report.backupPath.empty() ? texts.noBackupWritten : report.backupPath;
            return BoxMessage{Format(texts.rollbackFailed, report.keyName, backup), texts.caption,
                              kMbOk | kMbIconError};
        }
        case SaveStatus::Busy:
            return BoxMessage{texts.busy, texts.caption, kMbOk | kMbIconWarning};
        case SaveStatus::NothingToSave:
        case SaveStatus::Saved:
        case SaveStatus::BackupDeclined:
            break;
    }
    return BoxMessage{};
}

SaveFollowUp TellSaveReport(MessageBoxPort& boxes, WindowHandle owner, const SaveReport& report,
                            const SaveTexts& texts) {
    if (!SaveReportNeedsMessage(report)) {
        return SaveFollowUp::None;
    }
    const int answer = ShowBoxMessage(boxes, owner, SaveReportMessage(report, texts));
    return report.status == SaveStatus::CheckFailed && answer == kIdYes ? SaveFollowUp::SaveCopy
                                                                        : SaveFollowUp::None;
}

SaveReport SaveAndTell(ConfigurationSaver& saver, MessageBoxPort& boxes, WindowHandle owner,
                       const SaveTexts& texts, const std::vector<ReadValue>& startupImage,
                       const ConfigurationWriter& write, SaveFollowUp* followUp) {
    const SaveReport report = saver.Save(startupImage, write, [&] {
        return ShowBoxMessage(boxes, owner,
                              BackupFailedQuestion(texts, saver.Backups().Folder())) == kIdYes;
    });
    const SaveFollowUp next = TellSaveReport(boxes, owner, report, texts);
    if (followUp) {
        *followUp = next;
    }
    return report;
}

}  // namespace core
