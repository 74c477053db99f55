#pragma once

#include "support/win32/Dialog.h"

namespace kolvane {

// "Speichern?": save the changes before the collection is given up? Result
// IDOK (1) for "&Ja", IDNO (7) for "&Nein", IDCANCEL (2) for "&Abbrechen",
// Escape and the close box.
class SavePromptDialog : public zul::Windows::Dialog {
public:
    explicit SavePromptDialog(HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
};

} // namespace kolvane
