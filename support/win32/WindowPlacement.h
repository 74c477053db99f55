#pragma once

#include "support/win32/ResizableDialog.h"

#include <windows.h>

namespace zul::Windows {

// A resizable dialog's placement as its settings store it: the bytes of a
// WINDOWPLACEMENT record.
using StoredPlacement = unsigned char[sizeof(WINDOWPLACEMENT)];

// The dialog's placement now, to be stored.
void SavePlacement(const ResizableDialog& dialog, StoredPlacement& placement);

// Places the dialog as stored. A normal size smaller than the dialog's
// minimum (a larger font, a higher resolution than the one it was stored at)
// is enlarged to it, so that the whole layout shows. With keepHidden the
// window stays hidden; the answer is the stored show command either way.
int RestorePlacement(ResizableDialog& dialog, const StoredPlacement& placement,
                     bool keepHidden = false);

} // namespace zul::Windows
