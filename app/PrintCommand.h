#pragma once

#include "app/PrintDevice.h"

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <memory>
#include <string>

namespace kolvane {

class CollectionView;

// The main window's print command: the system's print dialog, then all
// entries or the selected ones, in list order, on the chosen printer.
class PrintCommand {
public:
    // The device the list is printed on, over the printer's context from the
    // dialog; the program's is GdiPrintDevice, tests record instead.
    using DeviceFactory = std::function<std::unique_ptr<PrintDevice>(HDC)>;

    PrintCommand();
    void SetDeviceFactory(DeviceFactory factory) { deviceFactory_ = std::move(factory); }

    // 1 when printed; 0 when there was nothing to print, the dialog was
    // cancelled or the job failed (its message has been shown).
    int Run(const CollectionView& view, const std::string& fileName);

    // The print dialog: no page ranges, collated, copies and collation kept
    // in the printer's settings; the selection offered only with one.
    static DWORD DialogFlags(int selectedCount);
    // The copies the user asked for: the printer's settings when the dialog
    // kept them there, else the dialog's own number.
    static int CopiesOf(const PRINTDLGA& data);

private:
    DeviceFactory deviceFactory_;
};

} // namespace kolvane
