#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace kolvane {

// What the list printer needs of a printer: its page, one font, text output
// and the print-job calls. The program prints through GdiPrintDevice; tests
// put a recorder in its place. The job calls answer false on failure with
// the reason in the thread's last system error, as GDI does.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // The printable area in device units (HORZRES, VERTRES).
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    // Creates the font for the device's resolution and selects it.
    virtual bool SelectFont(const std::string& face, int points) = 0;
    // Size of a one-line text in the selected font.
    virtual SIZE TextExtent(std::string_view text) const = 0;
    // TA_* flags; the previous ones.
    virtual UINT SetTextAlign(UINT align) = 0;
    virtual bool PrintText(int x, int y, std::string_view text) = 0;

    virtual bool StartDocument(const std::string& documentName) = 0;
    virtual bool StartPage() = 0;
    virtual bool EndPage() = 0;
    virtual bool EndDocument() = 0;
    virtual bool AbortDocument() = 0;
};

} // namespace kolvane
