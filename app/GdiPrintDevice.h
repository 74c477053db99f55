#pragma once

#include "app/PrintDevice.h"

#include <windows.h>

namespace kolvane {

// A printer's device context with the real GDI calls. The context stays the
// caller's; the font is this object's and leaves the context with it.
class GdiPrintDevice : public PrintDevice {
public:
    explicit GdiPrintDevice(HDC dc) : dc_(dc) {}
    GdiPrintDevice(const GdiPrintDevice&) = delete;
    GdiPrintDevice& operator=(const GdiPrintDevice&) = delete;
    ~GdiPrintDevice() override;

    int PageWidth() const override;
    int PageHeight() const override;
    bool SelectFont(const std::string& face, int points) override;
    SIZE TextExtent(std::string_view text) const override;
    UINT SetTextAlign(UINT align) override;
    bool PrintText(int x, int y, std::string_view text) override;

    bool StartDocument(const std::string& documentName) override;
    bool StartPage() override;
    bool EndPage() override;
    bool EndDocument() override;
    bool AbortDocument() override;

private:
    void ReleaseFont();

    HDC dc_;
    HFONT font_ = nullptr;
    HGDIOBJ previousFont_ = nullptr;
};

} // namespace kolvane
