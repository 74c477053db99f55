#pragma once

#include "exchange/LegacySettingsCopy.h"
#include "support/win32/WinApp.h"

#include <string>

namespace kolvane {

// Nothing without the file; otherwise copy into the application's store and
// delete the file, with WARNUNG 502 if it stays (the next start then takes
// it over again).
void TakeOverLegacySettings(zul::Windows::WinApp& app);

} // namespace kolvane
