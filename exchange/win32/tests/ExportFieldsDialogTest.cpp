#include "exchange/win32/ExportFieldsDialog.h"
#include "resources/resource.h"
#include "testkit/win32/ModalScript.h"

#include <gtest/gtest.h>

#include <functional>

using kolvane::ExportFieldsDialog;
using kolvane::ExportFieldSet;
using kvtest::ModalScript;
using zul::Windows::Dialog;

namespace {

HWND Box(Dialog& d, int field) {
    return ::GetDlgItem(d.Handle(), ExportFieldsDialog::FieldBoxIds[field]);
}

// Bit i for field i.
unsigned Ticks(Dialog& d) {
    unsigned bits = 0;
    for (int field = 0; field < kolvane::DiscEntry::FieldCount; ++field)
        if (::SendMessageA(Box(d, field), BM_GETCHECK, 0, 0) == BST_CHECKED)
            bits |= 1u << field;
    return bits;
}

bool OkEnabled(Dialog& d) {
    return ::IsWindowEnabled(::GetDlgItem(d.Handle(), IDOK)) != FALSE;
}

struct Outcome {
    INT_PTR result;
    unsigned bits;
};
Outcome RunDialog(unsigned char bits, ModalScript::DialogAction action) {
    ModalScript script;
    script.Then(std::move(action));
    ExportFieldsDialog dialog(ExportFieldSet::FromByte(bits));
    const INT_PTR result = zul::Windows::WinApp::Current()->RunModal(dialog);
    return {result, dialog.Fields().ToByte()};
}

} // namespace

TEST(ExportFieldsDialog, OkIsDisabledWhileNoBoxIsTickedAndTakesTheTicks) {
    const Outcome run = RunDialog(0x37, [](Dialog& d) {
        for (int field : {0, 1, 2, 4})
            kvtest::Press(d, ExportFieldsDialog::FieldBoxIds[field]);
        EXPECT_EQ(Ticks(d), 0x20u);
        EXPECT_TRUE(OkEnabled(d));
        kvtest::Press(d, IDC_EXPORT_NOTES);
        EXPECT_EQ(Ticks(d), 0u);
        EXPECT_FALSE(OkEnabled(d));
        kvtest::Press(d, IDC_EXPORT_DISC_ID);
        EXPECT_TRUE(OkEnabled(d));
        kvtest::Press(d, IDOK);
    });
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(run.bits, 0x08u);

    // By keyboard: Enter does not confirm an empty choice.
    const Outcome keys = RunDialog(0x02, [](Dialog& d) {
        ::SetFocus(Box(d, 1));
        kvtest::PostKey(d, VK_SPACE);
        kvtest::Drain(d);
        EXPECT_EQ(Ticks(d), 0u);
        EXPECT_FALSE(OkEnabled(d));
        kvtest::PostKey(d, VK_RETURN);
        kvtest::Drain(d);
        EXPECT_EQ(d.Result(), IDCANCEL); // not ended
        kvtest::PostKey(d, VK_SPACE);
        kvtest::Drain(d);
        EXPECT_EQ(Ticks(d), 0x02u);
        EXPECT_TRUE(OkEnabled(d));
        kvtest::PostKey(d, VK_RETURN);
    });
    EXPECT_EQ(keys.result, IDOK);
    EXPECT_EQ(keys.bits, 0x02u);
}

TEST(ExportFieldsDialog, CancelButtonEscapeAndCloseBoxLeaveTheSet) {
    const std::function<void(Dialog&)> cancels[] = {
        [](Dialog& d) { kvtest::Press(d, IDCANCEL); },
        [](Dialog& d) {
            ::SetFocus(Box(d, 3));
            kvtest::PostKey(d, VK_ESCAPE);
        },
        [](Dialog& d) { ::PostMessageA(d.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& cancel : cancels) {
        const Outcome run = RunDialog(0x37, [&](Dialog& d) {
            kvtest::Press(d, IDC_EXPORT_ARTIST);
            kvtest::Press(d, IDC_EXPORT_DISC_ID);
            cancel(d);
        });
        EXPECT_EQ(run.result, IDCANCEL);
        EXPECT_EQ(run.bits, 0x37u);
    }
}
