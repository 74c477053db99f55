#pragma once

#include "core/win32/CollectionView.h"
#include "exchange/ExportFieldSet.h"

#include <windows.h>

#include <string>

namespace kolvane {

// The export of the entries selected in a list, in the order the list shows
// them, to a file of another kind: each command asks for the target file and
// writes with the format's writer, which shows every failure itself. The
// view, its collection and its modified state stay as they are.
//
// folder is the start folder of the file dialog; it becomes the chosen file's
// drive and folder as soon as the dialog is confirmed, also when writing
// fails afterwards. A cancelled dialog writes nothing.
//
// openFile is the file of the view's collection (empty while untitled). The
// file dialog refuses it with FEHLER 015 and stays open: an export there
// would replace the collection by the selection, while the window still calls
// it saved.

// A native data file (.kvd); an existing file is replaced only by a complete
// new one.
void ExportSelectedAsNative(const CollectionView& view, const std::string& openFile,
                            std::string& folder);

// CSV with the fields of the set, which the field choice dialog (owned by
// owner) changes first. A confirmed choice stays in fields also when the file
// dialog is cancelled afterwards. An existing file is replaced only by a
// complete new one.
void ExportSelectedAsCsv(const CollectionView& view, const std::string& openFile,
                         std::string& folder, ExportFieldSet& fields, HWND owner);

// Into a cdplayer.ini, without an overwrite question: the discs' sections are
// added or updated, everything else in the file stays.
void ExportSelectedToCdPlayerIni(const CollectionView& view, const std::string& openFile,
                                 std::string& folder);

} // namespace kolvane
