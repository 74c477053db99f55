// The main window's help commands are in MainDialogTest, the import windows'
// in their own tests.
#include "app/EntryDialog.h"
#include "app/InfoDialog.h"
#include "app/SettingsDialog.h"
#include "core/win32/SearchDialog.h"
#include "exchange/win32/ExportFieldsDialog.h"
#include "resources/resource.h"
#include "testkit/win32/Input.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>

using zul::Windows::Dialog;

TEST(DialogHelp, F1AndTheHelpButtonOpenTheDialogsOwnPage) {
    using kolvane::EntryDialog;
    const struct {
        std::function<std::unique_ptr<Dialog>()> make;
        const char* page;
    } dialogs[] = {
        {[] { return std::make_unique<EntryDialog>(EntryDialog::AddMode); }, "ref_dlg_einf"},
        {[] { return std::make_unique<EntryDialog>(EntryDialog::ChangeMode); }, "ref_dlg_aend"},
        {[] { return std::make_unique<EntryDialog>(EntryDialog::ShowMode); }, "ref_dlg_anz"},
        {[] { return std::make_unique<kolvane::InfoDialog>(); }, "ref_dlg_info"},
        {[] { return std::make_unique<kolvane::SettingsDialog>(); }, "ref_dlg_einst"},
        {[] { return std::make_unique<kolvane::SearchDialog>(); }, "ref_dlg_such"},
        {[] { return std::make_unique<kolvane::ExportFieldsDialog>(kolvane::ExportFieldSet{}); },
         "ref_dlg_expfields"},
    };
    for (const auto& c : dialogs) {
        kvtest::TestApp app;
        app.SetHelpFolder(kvtest::SourceHelpFolder());
        kvtest::ModalScript script(app);
        script.Then([](Dialog& d) {
            kvtest::PostKey(d, VK_F1);
            d.Item(IDC_HELP_BUTTON).Post(BM_CLICK);
            kvtest::PostKey(d, VK_ESCAPE);
        });
        const std::unique_ptr<Dialog> dialog = c.make();
        EXPECT_EQ(app.RunModal(*dialog), IDCANCEL) << c.page;
        const std::string page = std::string("help/") + c.page + ".html";
        EXPECT_EQ(app.PagesAsked(), std::vector<std::string>(2, page));
    }
}
