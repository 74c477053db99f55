#pragma once

#include "support/win32/Dialog.h"

namespace kolvane {

// "Löschen?": delete the selected entries? Result IDOK (1) for "&Ja", IDCANCEL
// (2) for "&Nein", Escape and the close box. The focus starts on "&Nein", so
// Enter keeps the entries.
class DeleteConfirmDialog : public zul::Windows::Dialog {
public:
    DeleteConfirmDialog(int count, HWND parent = nullptr);

    int Count() const { return count_; }

protected:
    bool OnInitDialog() override;

private:
    int count_;
};

} // namespace kolvane
