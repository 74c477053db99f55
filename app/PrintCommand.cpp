#include "app/PrintCommand.h"

#include "app/GdiPrintDevice.h"
#include "app/ListPrinter.h"
#include "core/win32/CollectionView.h"
#include "support/win32/SystemDialogs.h"
#include "support/win32/WaitCursor.h"
#include "support/win32/WinApp.h"

namespace kolvane {

namespace {

// The context and the settings handles the dialog hands over, released when
// the command ends, however it ends.
class PrinterHandles {
public:
    explicit PrinterHandles(PRINTDLGA& data) : data_(data) {}
    PrinterHandles(const PrinterHandles&) = delete;
    PrinterHandles& operator=(const PrinterHandles&) = delete;
    ~PrinterHandles() {
        if (data_.hDC != nullptr)
            ::DeleteDC(data_.hDC);
        if (data_.hDevMode != nullptr)
            ::GlobalFree(data_.hDevMode);
        if (data_.hDevNames != nullptr)
            ::GlobalFree(data_.hDevNames);
        data_.hDC = nullptr;
        data_.hDevMode = data_.hDevNames = nullptr;
    }

private:
    PRINTDLGA& data_;
};

// The program prints each copy itself, within one document; a printer that
// also made the copies from its settings would print copies × copies.
void LeaveCopiesToTheProgram(HDC dc, HGLOBAL devModeHandle) {
    if (devModeHandle == nullptr)
        return;
    auto* mode = static_cast<DEVMODEA*>(::GlobalLock(devModeHandle));
    if (mode == nullptr)
        return;
    if ((mode->dmFields & DM_COPIES) != 0 && mode->dmCopies != 1) {
        mode->dmCopies = 1;
        ::ResetDCA(dc, mode);
    }
    ::GlobalUnlock(devModeHandle);
}

} // namespace

PrintCommand::PrintCommand()
    : deviceFactory_([](HDC dc) { return std::make_unique<GdiPrintDevice>(dc); }) {}

DWORD PrintCommand::DialogFlags(int selectedCount) {
    DWORD flags =
        PD_ALLPAGES | PD_RETURNDC | PD_NOPAGENUMS | PD_COLLATE | PD_USEDEVMODECOPIESANDCOLLATE;
    if (selectedCount <= 0)
        flags |= PD_NOSELECTION;
    return flags;
}

int PrintCommand::CopiesOf(const PRINTDLGA& data) {
    int copies = data.nCopies;
    if ((data.Flags & PD_USEDEVMODECOPIESANDCOLLATE) != 0 && data.hDevMode != nullptr) {
        if (const auto* mode = static_cast<const DEVMODEA*>(::GlobalLock(data.hDevMode))) {
            if ((mode->dmFields & DM_COPIES) != 0)
                copies = mode->dmCopies;
            ::GlobalUnlock(data.hDevMode);
        }
    }
    return copies;
}

int PrintCommand::Run(const CollectionView& view, const std::string& fileName) {
    zul::Windows::WinApp* app = zul::Windows::WinApp::Current();
    if (view.RowCount() == 0 || app == nullptr)
        return 0;
    zul::Windows::PrintDialog dialog;
    PRINTDLGA& data = dialog.Data();
    data.Flags = DialogFlags(view.SelectedCount());
    data.nCopies = 1;
    const INT_PTR answer = app->RunModal(dialog);
    PrinterHandles handles(data);
    if (answer != IDOK || data.hDC == nullptr)
        return 0;

    zul::Windows::WaitCursor wait;
    const int copies = CopiesOf(data);
    LeaveCopiesToTheProgram(data.hDC, data.hDevMode);
    // Goes before the handles: it takes its font out of the context first.
    std::unique_ptr<PrintDevice> device = deviceFactory_(data.hDC);
    ListPrinter printer;
    if ((data.Flags & PD_SELECTION) != 0)
        printer.PrepareSelected(*device, view, fileName);
    else
        printer.PrepareAll(*device, view, fileName);
    return printer.Print(copies);
}

} // namespace kolvane
