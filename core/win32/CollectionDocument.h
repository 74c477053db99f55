#pragma once

#include "core/win32/CollectionView.h"
#include "support/FileSystem.h"

#include <windows.h>

#include <string>

namespace kolvane {

// The collection of a record list window as a document: its file (folder and
// name), its modified state (the view's), and New, Load, Save and Save As with
// the save prompt before a modified collection is given up.
//
// Loading has four verbs, each built on the next:
// - LoadWithDialog: asks to save the collection, then asks for a file, then OpenPath;
// - OpenPath: makes the path the document's file (its folder is kept even when
//   reading fails) and reads it with the window's LoadFile;
// - LoadFile (the window's): what the window reads its files with; the main
//   window reads native files, the import window the file of its kind;
// - LoadNativeFile (the view's): reading a .kvd file into the collection.
//
// Opening a missing file beside which a save that was ended left a complete
// copy offers to restore the file from it first.
//
// Save writes over the file only as the document last saw it: a file that
// another program (or another window) has changed since it was loaded or
// saved is overwritten only after a question whose default keeps it.
//
// Results: 1 = done / go on, 0 = failed, cancelled, stop.
class CollectionDocument {
public:
    // What the document needs of its window.
    class Host {
    public:
        virtual HWND DocumentWindow() const = 0; // owner of the document's dialogs
        virtual int LoadFile(const std::string& path) = 0;
        virtual void RefreshAll() = 0;

    protected:
        ~Host() = default;
    };

    CollectionDocument(CollectionView& view, Host& host) : view_(view), host_(host) {}
    CollectionDocument(const CollectionDocument&) = delete;
    CollectionDocument& operator=(const CollectionDocument&) = delete;

    // Name and extension of the file, without folder; empty while untitled.
    const std::string& FileName() const { return fileName_; }
    // Drive and folder of the file, ending in a backslash.
    const std::string& WorkDir() const { return workDir_; }
    // The full path of the file; empty while untitled.
    std::string FilePath() const { return fileName_.empty() ? std::string() : workDir_ + fileName_; }
    void SetWorkDir(const std::string& folder);
    bool IsModified() const { return view_.IsModified(); }

    // "Speichern?" for a modified collection: 1 = go on (saved, or "Nein":
    // the changes are dropped at once), 0 = stop. closing: the window goes
    // next and takes the collection with it, so "Nein" leaves it as it is
    // instead of emptying the list first (Wine's list view takes seconds to
    // empty a list of 100,000 items).
    int QuerySave(bool closing = false);
    int NewCollection();
    // filter: pairs separated by "|"; empty = the native file filter.
    int LoadWithDialog(const std::string& filter = std::string());
    int OpenPath(const std::string& path);
    int Save();
    int SaveAs();
    // An empty, untitled collection; the folder stays.
    void ClearDocument();

private:
    void OfferRestore(const std::string& path);
    // Whether Save may write over the file as it stands now.
    bool MayOverwrite(const std::string& path);

    CollectionView& view_;
    Host& host_;
    zul::FileStamp seen_; // the file as it was loaded or last saved
    std::string fileName_;
    std::string workDir_ = ".\\";
};

} // namespace kolvane
