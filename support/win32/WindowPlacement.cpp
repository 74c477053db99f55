#include "support/win32/WindowPlacement.h"

#include <algorithm>
#include <cstring>

namespace zul::Windows {

void SavePlacement(const ResizableDialog& dialog, StoredPlacement& placement) {
    WINDOWPLACEMENT place{};
    place.length = sizeof(place);
    ::GetWindowPlacement(dialog.Handle(), &place);
    place.length = sizeof(place);
    std::memcpy(placement, &place, sizeof(place));
}

int RestorePlacement(ResizableDialog& dialog, const StoredPlacement& placement, bool keepHidden) {
    WINDOWPLACEMENT place{};
    std::memcpy(&place, placement, sizeof(place));
    RECT& normal = place.rcNormalPosition;
    const LayoutMetrics& m = dialog.Metrics();
    normal.right = std::max<LONG>(normal.right, normal.left + m.minimumWidth);
    normal.bottom = std::max<LONG>(normal.bottom, normal.top + m.minimumHeight);
    const int showCommand = static_cast<int>(place.showCmd);
    if (keepHidden)
        place.showCmd = SW_HIDE;
    ::SetWindowPlacement(dialog.Handle(), &place);
    return showCommand;
}

} // namespace zul::Windows
