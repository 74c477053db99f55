#include "exchange/OemText.h"

#include <windows.h>

namespace kolvane {

void ConvertOemToAnsi(std::string& text) {
    if (text.empty())
        return;
    // The system converts in place when source and target are the same.
    OemToCharBuffA(text.data(), text.data(), static_cast<DWORD>(text.size()));
}

} // namespace kolvane
