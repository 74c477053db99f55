// The field choice of the CSV export, driven through RunModal with real
// clicks and keys.
#include "exchange/win32/ExportFieldsDialog.h"
#include "resources/resource.h"
#include "support/win32/WinApp.h"
#include "testkit/win32/Input.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/Pump.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

using kolvane::ExportFieldsDialog;
using kolvane::ExportFieldSet;
using kvtest::ModalScript;
using zul::Windows::Dialog;

namespace {

HWND Box(Dialog& d, int field) {
    return ::GetDlgItem(d.Handle(), ExportFieldsDialog::FieldBoxIds[field]);
}

// The ticks of the six boxes as a byte, bit i for field i.
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

// Runs the dialog on a set of these bits; the action answers it.
struct Outcome {
    INT_PTR result;
    unsigned bits;
};
Outcome RunDialog(unsigned char bits, ModalScript::DialogAction action) {
    ModalScript script;
    script.Then(std::move(action));
    ExportFieldsDialog dialog(ExportFieldSet::FromByte(bits));
    const INT_PTR result = zul::Windows::WinApp::Current()->RunModal(dialog);
    EXPECT_TRUE(script.Finished());
    return {result, dialog.Fields().ToByte()};
}

} // namespace

TEST(ExportFieldsDialog, ResourceHasTheCaptionTextsAndPositionsInDialogUnits) {
    RunDialog(0x37, [](Dialog& d) {
        EXPECT_EQ(d.GetText(), "Zu exportierende Felder");
        const LONG style = ::GetWindowLongA(d.Handle(), GWL_STYLE);
        EXPECT_FALSE(style & WS_THICKFRAME);
        EXPECT_TRUE(style & WS_SYSMENU);
        const struct {
            int id;
            const char* text;
            RECT units; // x, y, width, height
        } controls[] = {
            {IDC_EXPORT_ARTIST, "Interpret", {11, 11, 42, 10}},
            {IDC_EXPORT_TITLE, "Titel", {11, 23, 29, 10}},
            {IDC_EXPORT_YEAR, "Jahr", {11, 35, 29, 10}},
            {IDC_EXPORT_DISC_ID, "ID (aus cdplayer.ini)", {11, 47, 78, 10}},
            {IDC_EXPORT_TRACKS, "Tracks", {11, 59, 38, 10}},
            {IDC_EXPORT_NOTES, "Anmerkungen", {11, 71, 60, 10}},
            {IDOK, "OK", {7, 93, 50, 14}},
            {IDCANCEL, "Abbrechen", {62, 93, 50, 14}},
            {IDC_HELP_BUTTON, "&Hilfe", {122, 93, 50, 14}},
        };
        for (const auto& c : controls) {
            HWND control = ::GetDlgItem(d.Handle(), c.id);
            ASSERT_NE(control, nullptr) << c.id;
            EXPECT_EQ(kvtest::TextOf(control), c.text);
            RECT pixels = c.units;
            ::MapDialogRect(d.Handle(), &pixels);
            const RECT actual = zul::Windows::Window(control).RectInParent();
            EXPECT_EQ(actual.left, pixels.left) << c.text;
            EXPECT_EQ(actual.top, pixels.top) << c.text;
            EXPECT_EQ(actual.right - actual.left, pixels.right) << c.text;
            EXPECT_EQ(actual.bottom - actual.top, pixels.bottom) << c.text;
            const LONG type = ::GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
            if (c.id == IDOK)
                EXPECT_EQ(type, BS_DEFPUSHBUTTON);
            else if (c.id == IDCANCEL || c.id == IDC_HELP_BUTTON)
                EXPECT_EQ(type, BS_PUSHBUTTON);
            else
                EXPECT_EQ(type, BS_AUTOCHECKBOX) << c.text;
        }
        // The etched frame and the client area.
        RECT frame{7, 7, 165, 80};
        ::MapDialogRect(d.Handle(), &frame);
        HWND etched = kvtest::FindChild(d.Handle(), "Static", "");
        ASSERT_NE(etched, nullptr);
        EXPECT_EQ(::GetWindowLongA(etched, GWL_STYLE) & SS_TYPEMASK, SS_ETCHEDFRAME);
        EXPECT_EQ(zul::Windows::Window(etched).RectInParent().right, frame.left + frame.right);
        RECT size{0, 0, 179, 114};
        ::MapDialogRect(d.Handle(), &size);
        const RECT client = zul::Windows::Window(d.Handle()).ClientRect();
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);
        kvtest::Press(d, IDCANCEL);
    });
}

TEST(ExportFieldsDialog, OpensWithTheSetTickedAndTheFocusOnAnEnabledOk) {
    for (unsigned char bits : {0x37, 0x0A, 0x3F, 0x00}) {
        const Outcome run = RunDialog(bits, [bits](Dialog& d) {
            EXPECT_EQ(Ticks(d), bits);
            EXPECT_TRUE(OkEnabled(d));
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.Handle(), IDOK));
            kvtest::Press(d, IDOK);
        });
        // A stored set without any field can be confirmed as it is.
        EXPECT_EQ(run.result, IDOK);
        EXPECT_EQ(run.bits, bits);
    }
}

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

    // By keyboard: Space unticks the only box, Enter then does not confirm
    // an empty choice; Space ticks it again and Enter confirms.
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

TEST(ExportFieldsDialog, F1AndTheHelpButtonOpenItsPage) {
    kvtest::TestApp app;
    app.SetHelpFolder(kvtest::SourceHelpFolder());
    ModalScript script(app);
    script.Then([](Dialog& d) {
        kvtest::PostKey(d, VK_F1);
        d.Item(IDC_HELP_BUTTON).Post(BM_CLICK);
        d.Item(IDCANCEL).Post(BM_CLICK);
    });
    ExportFieldsDialog dialog(ExportFieldSet{});
    EXPECT_EQ(app.RunModal(dialog), IDCANCEL);
    EXPECT_EQ(app.PagesAsked(), std::vector<std::string>(2, "help/ref_dlg_expfields.html"));
}
