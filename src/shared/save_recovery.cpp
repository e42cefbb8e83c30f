#include "shared/save_recovery.h"

#include "shared/configuration_file.h"
#include "shared/format.h"
#include "shared/reg_values.h"
#include "shared/text.h"
#include "shared/utilities.h"

namespace core {

InterruptedSave FindInterruptedSave(RegistryPort& registry, FilePort& files,
                                    const SaveTarget& target, const std::wstring& program) {
    InterruptedSave found;
    ScopedRegKey key(registry);
    std::wstring ignored;
    if (!key.Open(RegRoot::CurrentUser, target.settingsKey, RegAccess::Read) ||
        QueryRegString(key, kSaveInProgressValue, &ignored) == kErrorFileNotFound) {
        return found;
    }
    found.kind = InterruptedSaveKind::Unreadable;
    found.backupPath = ReadRegStringWhole(key, kSaveInProgressValue);
    Bytes bytes;
    if (found.backupPath.empty() ||
        files.ReadStart(found.backupPath, kMaxRegFileBytes, &bytes) != kErrorSuccess ||
        ReadRegFile(bytes, &found.backup) != RegFileError::None ||
        (found.backup.summary && !EqualsNoCase(found.backup.summary->program, program)) ||
        !IsConfigurationOf(found.backup, target)) {
        found.backup = RegFile();
        return found;
    }
    found.kind = InterruptedSaveKind::Found;
    const std::optional<DateTime> named = BackupNameTime(program, FileNamePart(found.backupPath));
    if (named) {
        found.savedLocal = *named;
    } else if (found.backup.summary) {
        found.savedLocal = found.backup.summary->utc;
    }
    return found;
}

RecoveryResult RecoverInterruptedSave(ConfigurationSaver& saver, MessageBoxPort& boxes,
                                      WindowHandle owner, const RecoveryTexts& texts,
                                      const SaveTexts& saveTexts) {
    RegistryPort& registry = saver.Registry();
    const SaveTarget& target = saver.Target();
    const InterruptedSave found =
        FindInterruptedSave(registry, saver.Files(), target, saver.Backups().Program());
    switch (found.kind) {
        case InterruptedSaveKind::None:
            return RecoveryResult::NoInterruptedSave;
        case InterruptedSaveKind::Unreadable:
            ShowBoxMessage(boxes, owner,
                           BoxMessage{Format(texts.unreadable, found.backupPath), texts.caption,
                                      kMbOk | kMbIconWarning});
            RemoveSaveMarker(registry, target.settingsKey);
            return RecoveryResult::BackupUnreadable;
        case InterruptedSaveKind::Found:
            break;
    }
    const BoxMessage question{Format(texts.question, FormatSavedTime(found.savedLocal)),
                              texts.caption, kMbYesNo | kMbIconQuestion};
    if (ShowBoxMessage(boxes, owner, question) != kIdYes) {
        RemoveSaveMarker(registry, target.settingsKey);
        return RecoveryResult::KeptAsIs;
    }
    // A refused key is told without the offer of "Save copy...": there is nothing on
    // screen yet to keep.
    SaveTexts restoreTexts = saveTexts;
    restoreTexts.caption = texts.caption;
    const SaveReport report = saver.Save(
        {}, [&](RegistryPort& port) { WriteBackConfiguration(port, found.backup, target); },
        [&] {
            return ShowBoxMessage(boxes, owner,
                                  BackupFailedQuestion(restoreTexts, saver.Backups().Folder())) ==
                   kIdYes;
        });
    if (SaveSucceeded(report)) {
        RemoveSaveMarker(registry, target.settingsKey);
        return RecoveryResult::Restored;
    }
    if (report.status == SaveStatus::CheckFailed) {
        ShowBoxMessage(boxes, owner,
                       BoxMessage{Format(texts.checkFailed, report.keyName), texts.caption,
                                  kMbOk | kMbIconError});
    } else {
        TellSaveReport(boxes, owner, report, restoreTexts);
    }
    // The failed restore removed the value or named its own backup: the next start offers
    // the same backup again.
    WriteSaveMarker(registry, target.settingsKey, found.backupPath);
    return RecoveryResult::RestoreFailed;
}

}  // namespace core
