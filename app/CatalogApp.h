#pragma once

#include "support/win32/WinApp.h"

namespace kolvane {

// The application object of Kolvane-Verwaltung: prepares the file types,
// help and the numbered messages, takes over an older settings file, then
// runs the main window modally; when it closes, the process ends.
class CatalogApp : public zul::Windows::WinApp {
public:
    CatalogApp();
    // Always false once the main window has closed: the framework is not to
    // run a message loop of its own.
    bool InitInstance() override;
};

} // namespace kolvane
