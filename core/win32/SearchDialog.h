#pragma once

#include "support/win32/AppDialog.h"

#include <string>

namespace kolvane {

// "Suchen": the text to search for and the direction. The caller sets both,
// runs the dialog and reads them back after IDOK; Cancel leaves them as set.
class SearchDialog : public zul::Windows::AppDialog {
public:
    explicit SearchDialog(HWND parent = nullptr);

    const std::string& SearchText() const { return text_; }
    void SetSearchText(const std::string& text) { text_ = text; }
    bool Downwards() const { return downwards_; }
    void SetDownwards(bool downwards) { downwards_ = downwards; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::string text_;
    bool downwards_ = true;
};

} // namespace kolvane
