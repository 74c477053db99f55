#pragma once

#include "support/win32/Dialog.h"

namespace zul::Windows {

// Metrics of a dialog in pixels, measured from its own dialog font once the
// window exists, so that every dialog places its controls with the same
// margins, gaps and button sizes.
struct LayoutMetrics {
    int layoutWidth = 0; // the larger of the initial client size and the last layout size
    int layoutHeight = 0;
    int baseUnitX = 0; // 4 horizontal dialog units: one average character width
    int baseUnitY = 0; // 8 vertical dialog units: one character height
    int marginX = 0;   // 7 dialog units
    int marginY = 0;
    int gapX = 0; // 5 dialog units
    int gapY = 0;
    int buttonWidth = 0; // 50 x 14 dialog units
    int buttonHeight = 0;
    int minimumWidth = 0; // outer window size right after creation
    int minimumHeight = 0;
    int initialClientWidth = 0;
    int initialClientHeight = 0;

    // Margins, gaps and button size from the base units, integer divisions
    // after the multiplication.
    void DeriveFromBaseUnits(int x, int y);
};

// A dialog that can be resized but never made smaller than it was created,
// and that calls Layout on every size change. It places no control itself.
// A dialog of fixed size (SetResizable(false)) only measures its metrics.
class ResizableDialog : public Dialog {
public:
    using Dialog::Dialog;

    // The dialog's placement as its settings store it: the bytes of a
    // WINDOWPLACEMENT record.
    using StoredPlacement = unsigned char[sizeof(WINDOWPLACEMENT)];

    const LayoutMetrics& Metrics() const { return metrics_; }
    bool IsResizable() const { return resizable_; }

    virtual void MeasureLayout();
    // Layout with the current client size.
    virtual void Relayout();
    // Derived dialogs place their controls here, as a rule calling the base
    // too. The window and its controls are repainted afterwards.
    virtual void Layout(int width, int height);

    // The size-tracking correction: the proposed window rectangle while edge
    // (WMSZ_*) is dragged, kept at the minimum size with the opposite side fixed.
    static void KeepMinimumSize(UINT edge, RECT& rect, int minimumWidth, int minimumHeight);

    // The dialog's placement now, to be stored.
    void SavePlacement(StoredPlacement& placement) const;
    // Places the dialog as stored. A normal size smaller than the dialog's
    // minimum (a larger font, a higher resolution than the one it was stored at)
    // is enlarged to it, so that the whole layout shows. With keepHidden the
    // window stays hidden; the answer is the stored show command either way.
    int RestorePlacement(const StoredPlacement& placement, bool keepHidden = false);

protected:
    bool OnInitDialog() override;
    void OnSize(UINT kind, int width, int height) override;
    bool OnSizing(UINT edge, RECT& rect) override;

    void SetResizable(bool resizable) { resizable_ = resizable; }
    // While held, size changes lay nothing out: a window setting itself up
    // (placement, settings, contents) lays out once, when it is done.
    void HoldLayout(bool hold) { layoutHeld_ = hold; }

    LayoutMetrics metrics_;

private:
    void LayoutAndRepaint(int width, int height);

    bool resizable_ = true;
    bool layoutHeld_ = false;
};

} // namespace zul::Windows
