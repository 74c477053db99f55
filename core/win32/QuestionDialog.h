#pragma once

#include "support/win32/Dialog.h"

namespace kolvane {

// A question about a file before the program acts on it, in the style of the
// other questions: the program's icon, the text, "&Ja" and "&Nein". Result
// IDOK (1) for "&Ja"; IDCANCEL (2) for "&Nein", Escape and the close box.
// The focus starts on the answer given as the safe one, so that Enter gives
// it.
class QuestionDialog : public zul::Windows::Dialog {
public:
    enum class Safe { Yes, No };
    QuestionDialog(UINT captionId, UINT textId, Safe safe, HWND parent = nullptr);

    UINT TextId() const { return textId_; }

protected:
    bool OnInitDialog() override;

private:
    UINT captionId_;
    UINT textId_;
    Safe safe_;
};

} // namespace kolvane
