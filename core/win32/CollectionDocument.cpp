#include "core/win32/CollectionDocument.h"

#include "core/InterruptedSave.h"
#include "core/win32/FileTypeTable.h"
#include "core/win32/QuestionDialog.h"
#include "core/win32/SavePromptDialog.h"
#include "resources/resource.h"
#include "support/PathName.h"
#include "support/win32/AppMessageReporter.h"
#include "support/win32/StatusLineProgress.h"
#include "support/win32/SystemDialogs.h"
#include "support/win32/WaitCursor.h"
#include "support/win32/WinApp.h"

namespace kolvane {

using zul::Windows::FileDialog;
using zul::Windows::WinApp;

void CollectionDocument::SetWorkDir(const std::string& folder) {
    workDir_ = zul::WithTrailingBackslash(folder);
}

int CollectionDocument::QuerySave(bool closing) {
    if (!content_.IsModified())
        return 1;
    SavePromptDialog prompt(host_.DocumentWindow());
    const INT_PTR answer = WinApp::Current()->RunModal(prompt);
    if (answer == IDOK)
        return Save();
    if (answer == IDNO) {
        // The changes go now, even if the caller stops later on.
        if (!closing)
            ClearDocument();
        return 1;
    }
    return 0;
}

int CollectionDocument::NewCollection() {
    const int result = QuerySave();
    if (result == 1)
        ClearDocument();
    return result;
}

void CollectionDocument::ClearDocument() {
    content_.Clear();
    host_.CollectionReplaced();
    fileName_.clear();
    seen_ = {};
    host_.RefreshAll();
}

int CollectionDocument::LoadWithDialog(const std::string& filter) {
    const int goOn = QuerySave();
    if (goOn != 1)
        return goOn;
    const FileTypeTable& types = FileTypeTable::Shared();
    FileDialog dialog(
        FileDialog::Kind::Open, filter.empty() ? types.Filter(FileKind::Native) : filter,
        std::string(), std::string(),
        OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_READONLY);
    dialog.SetInitialFolder(workDir_);
    if (WinApp::Current()->RunModal(dialog) != IDOK)
        return 0;
    return OpenPath(dialog.Path());
}

int CollectionDocument::OpenPath(const std::string& path) {
    const zul::PathName parts(zul::PathName(path).FullPath());
    workDir_ = parts.GetDrive() + parts.GetFolder();
    fileName_ = parts.GetBaseName() + parts.GetExtension();
    const std::string full = workDir_ + fileName_;
    OfferRestore(full);
    // Seen before it is read: a change made meanwhile counts as a change.
    seen_ = zul::StampOfFile(full);
    const int result = host_.LoadFile(full);
    if (result != 1)
        fileName_.clear();
    host_.RefreshAll();
    return result;
}

void CollectionDocument::OfferRestore(const std::string& path) {
    const std::string copy = FindInterruptedSave(path);
    if (copy.empty())
        return;
    QuestionDialog question(IDS_RESTORE_CAPTION, IDS_RESTORE_INTERRUPTED_SAVE,
                            QuestionDialog::Safe::Yes, host_.DocumentWindow());
    // A restore that fails leaves the file missing, which the load then reports.
    if (WinApp::Current()->RunModal(question) == IDOK)
        RestoreInterruptedSave(copy, path);
}

bool CollectionDocument::MayOverwrite(const std::string& path) {
    const zul::FileStamp now = zul::StampOfFile(path);
    if (!now.exists || now == seen_)
        return true;
    QuestionDialog question(IDS_OVERWRITE_CAPTION, IDS_OVERWRITE_CHANGED_FILE,
                            QuestionDialog::Safe::No, host_.DocumentWindow());
    return WinApp::Current()->RunModal(question) == IDOK;
}

int CollectionDocument::Save() {
    if (fileName_.empty())
        return SaveAs();
    const std::string path = workDir_ + fileName_;
    int result = 0;
    if (MayOverwrite(path))
        result = Write(path);
    host_.RefreshAll();
    return result;
}

int CollectionDocument::Write(const std::string& path) {
    zul::Windows::WaitCursor wait;
    zul::Windows::AppMessageReporter reporter(*WinApp::Current());
    zul::Windows::StatusLineProgress progress(host_.DocumentWindow(), IDS_PROGRESS_SAVE);
    const int result = content_.SaveNativeFile(path, reporter, &progress);
    if (result == 1)
        seen_ = zul::StampOfFile(path);
    return result;
}

int CollectionDocument::SaveAs() {
    const FileTypeTable::FileType& native = FileTypeTable::Shared().Get(FileKind::Native);
    FileDialog dialog(FileDialog::Kind::Save, native.filter, native.defaultExtension, fileName_,
                      OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                          OFN_NOREADONLYRETURN);
    dialog.SetInitialFolder(workDir_);
    int result = 0;
    if (WinApp::Current()->RunModal(dialog) == IDOK) {
        // The new name stays even when writing fails; the collection then
        // stays modified.
        const zul::PathName parts(dialog.Path());
        workDir_ = parts.GetDrive() + parts.GetFolder();
        fileName_ = parts.GetBaseName() + parts.GetExtension();
        const std::string path = workDir_ + fileName_;
        // The dialog asked before an existing file is replaced: the file as
        // it stands now is the one the user agreed to, also for the next Save
        // when this one fails.
        seen_ = zul::StampOfFile(path);
        result = Write(path);
    }
    host_.RefreshAll();
    return result;
}

} // namespace kolvane
