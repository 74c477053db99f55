#pragma once

#include "support/win32/Dialog.h"

#include <windows.h>

#include <string>
#include <vector>

namespace zul::Windows {

class MessageDialog;

// What the message box asks of its help handler; userValue is the message id
// the box shows.
enum class HelpRequest { Destroyed = 0, Help = 5 };
using HelpRequestHandler = void (*)(HelpRequest request, int userValue, void* context,
                                    MessageDialog* box);

enum class MessageKind { Error = 1, Warning = 2 };

// The box of numbered messages and errors: our own dialog from a template in
// memory, with the kind's icon and sound, "&Schließen" and, where help exists,
// "&Hilfe". Results: 1 (close button), 2 (Escape, close box).
class MessageDialog : public Dialog {
public:
    MessageDialog(HWND owner, std::string text, std::string caption, MessageKind kind);

    void SetHelpHandler(HelpRequestHandler handler, int userValue, void* context) {
        handler_ = handler;
        userValue_ = userValue;
        context_ = context;
    }

    const std::string& Text() const { return text_; }
    const std::string& Caption() const { return caption_; }
    MessageKind Kind() const { return kind_; }
    bool HasHelp() const { return handler_ != nullptr; }
    int UserValue() const { return userValue_; }

protected:
    bool TranslateKeys(MSG& message) override;
    bool OnInitDialog() override;
    bool OnHelp(HELPINFO& info) override;
    void OnDestroy() override;

private:
    void RequestHelp();
    HWND CreateChild(const char* className, const char* text, DWORD style, int id, RECT units);

    std::string text_;
    std::string caption_;
    MessageKind kind_;
    HICON icon_;
    UINT sound_;
    bool beep_ = true;
    HelpRequestHandler handler_ = nullptr;
    int userValue_ = 0;
    void* context_ = nullptr;
    std::vector<WORD> description_; // the in-memory template, zero-filled
};

} // namespace zul::Windows
