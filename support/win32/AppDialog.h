#pragma once

#include "support/win32/ResizableDialog.h"

#include <string>

namespace zul::Windows {

// The base of the program's dialogs: a dialog with its own window
// icon and accelerator table (F1 and the short-cut keys work while it has the
// focus), and its help page for the help command of the application object
// current at its construction (its "&Hilfe" button, F1 in its accelerators).
class AppDialog : public ResizableDialog {
public:
    enum class Sizing { Fixed, Resizable };

    // Resource ids; 0 = no icon, no accelerators. Only a Resizable dialog
    // lays itself out again when its size changes.
    AppDialog(UINT iconId, UINT acceleratorsId, UINT templateId, HWND parent = nullptr,
              Sizing sizing = Sizing::Fixed);

    bool SetIcon(UINT iconId);
    bool SetAccelerators(UINT acceleratorsId);
    void SetHelpTopic(const std::string& topic) { helpTopic_ = topic; }
    const std::string& HelpTopic() const { return helpTopic_; }
    bool IsInitialised() const { return initialised_; }

protected:
    bool TranslateKeys(MSG& message) override;
    bool OnInitDialog() override;
    // The help command: the dialog's help page.
    virtual void OnHelpCommand();

private:
    HICON icon_ = nullptr;
    HACCEL accelerators_ = nullptr;
    bool initialised_ = false;
    std::string helpTopic_;
};

} // namespace zul::Windows
