#pragma once

#include "exchange/ExportFieldSet.h"
#include "resources/resource.h"
#include "support/win32/AppDialog.h"

#include <windows.h>

namespace kolvane {

// "Zu exportierende Felder": which entry fields a CSV export writes, one check
// box per field. The dialog works on a copy of the set; after OK the caller
// takes Fields() back, after Cancel the set it gave stays as it was.
class ExportFieldsDialog : public zul::Windows::AppDialog {
public:
    ExportFieldsDialog(ExportFieldSet fields, HWND parent = nullptr);

    ExportFieldSet Fields() const { return fields_; }

    // The check box of each entry field, in field order.
    static constexpr int FieldBoxIds[DiscEntry::FieldCount] = {
        IDC_EXPORT_ARTIST,  IDC_EXPORT_TITLE,  IDC_EXPORT_YEAR,
        IDC_EXPORT_DISC_ID, IDC_EXPORT_TRACKS, IDC_EXPORT_NOTES};

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    bool AnyBoxTicked() const;

    ExportFieldSet fields_;
};

} // namespace kolvane
