// The save prompt, the delete question and the search dialog from their
// resources, answered as a person would.
#include "core/win32/DeleteConfirmDialog.h"
#include "core/win32/QuestionDialog.h"
#include "core/win32/SavePromptDialog.h"
#include "core/win32/SearchDialog.h"
#include "resources/resource.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include "support/win32/WinApp.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kvtest;
using zul::Windows::Dialog;
using zul::Windows::WinApp;

namespace {

INT_PTR RunAnswered(zul::Windows::Modal& dialog, std::function<void(Dialog&)> answer) {
    ModalScript script;
    script.Then(std::move(answer));
    const INT_PTR result = WinApp::Current()->RunModal(dialog);
    EXPECT_TRUE(script.Finished());
    return result;
}

void CloseBox(Dialog& dialog) {
    ::PostMessageA(dialog.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

} // namespace

TEST(SavePromptDialog, ControlsAndFocusOnYes) {
    kolvane::SavePromptDialog prompt;
    RunAnswered(prompt, [](Dialog& d) {
        EXPECT_EQ(d.GetText(), "Speichern?");
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.Handle(), IDOK));
        EXPECT_EQ(TextOf(::GetDlgItem(d.Handle(), IDOK)), "&Ja");
        EXPECT_EQ(TextOf(::GetDlgItem(d.Handle(), IDNO)), "&Nein");
        EXPECT_EQ(TextOf(::GetDlgItem(d.Handle(), IDCANCEL)), "&Abbrechen");
        EXPECT_NE(::SendDlgItemMessageA(d.Handle(), IDC_QUESTION_ICON, STM_GETICON, 0, 0), 0);
        EXPECT_NE(FindChild(d.Handle(), "Static",
                            "Die Daten wurden seit der letzten \xC4nderung noch nicht "
                            "gespeichert.\n\nSoll die Speicherung jetzt durchgef\xFChrt werden?"),
                  nullptr);
        Press(d, IDOK);
    });
}

TEST(SavePromptDialog, ResultsOfEveryWayOut) {
    kolvane::SavePromptDialog prompt;
    EXPECT_EQ(RunAnswered(prompt, [](Dialog& d) { Press(d, IDOK); }), IDOK);
    EXPECT_EQ(RunAnswered(prompt, [](Dialog& d) { Press(d, IDNO); }), IDNO);
    EXPECT_EQ(RunAnswered(prompt, [](Dialog& d) { Press(d, IDCANCEL); }), IDCANCEL);
    EXPECT_EQ(RunAnswered(prompt, [](Dialog& d) { PostKey(d, VK_ESCAPE); }), IDCANCEL);
    EXPECT_EQ(RunAnswered(prompt, CloseBox), IDCANCEL);
    EXPECT_EQ(RunAnswered(prompt, [](Dialog& d) { PostKey(d, VK_RETURN); }), IDOK);
}

TEST(DeleteConfirmDialog, TextsForOneAndForMany) {
    kolvane::DeleteConfirmDialog one(1);
    RunAnswered(one, [](Dialog& d) {
        EXPECT_EQ(d.GetText(), "L\xF6schen?");
        EXPECT_EQ(TextOf(::GetDlgItem(d.Handle(), IDC_DELETE_TEXT)),
                  "Sie haben einen Eintrag ausgew\xE4hlt.\n\nSoll dieser jetzt wirklich "
                  "gel\xF6scht werden?");
        Press(d, IDCANCEL);
    });
    kolvane::DeleteConfirmDialog twelve(12);
    RunAnswered(twelve, [](Dialog& d) {
        EXPECT_EQ(TextOf(::GetDlgItem(d.Handle(), IDC_DELETE_TEXT)),
                  "Sie haben 12 Eintr\xE4ge ausgew\xE4hlt.\n\nSollen diese jetzt wirklich "
                  "gel\xF6scht werden?");
        Press(d, IDCANCEL);
    });
}

TEST(DeleteConfirmDialog, EnterAndEscapeKeepTheEntries) {
    kolvane::DeleteConfirmDialog question(3);
    EXPECT_EQ(RunAnswered(question,
                          [](Dialog& d) {
                              EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.Handle(), IDCANCEL));
                              PostKey(d, VK_RETURN);
                          }),
              IDCANCEL);
    EXPECT_EQ(RunAnswered(question, [](Dialog& d) { PostKey(d, VK_ESCAPE); }), IDCANCEL);
    EXPECT_EQ(RunAnswered(question, CloseBox), IDCANCEL);
    EXPECT_EQ(RunAnswered(question, [](Dialog& d) { Press(d, IDOK); }), IDOK);
}

// The texts are set at run time: each must fit its box, which the check of
// the dialog resources cannot see. Enter gives the safe answer.
TEST(QuestionDialog, EachQuestionFitsAndEnterGivesTheSafeAnswer) {
    using Safe = kolvane::QuestionDialog::Safe;
    const struct {
        UINT caption, text;
        Safe safe;
        const char* title;
    } questions[] = {
        {IDS_OVERWRITE_CAPTION, IDS_OVERWRITE_CHANGED_FILE, Safe::No, "\xDC" "berschreiben?"},
        {IDS_RESTORE_CAPTION, IDS_RESTORE_INTERRUPTED_SAVE, Safe::Yes, "Wiederherstellen?"},
    };
    for (const auto& q : questions) {
        kolvane::QuestionDialog question(q.caption, q.text, q.safe);
        const int safeButton = q.safe == Safe::Yes ? IDOK : IDCANCEL;
        EXPECT_EQ(RunAnswered(question,
                              [&](Dialog& d) {
                                  EXPECT_EQ(d.GetText(), q.title);
                                  EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.Handle(), safeButton));
                                  HWND text = ::GetDlgItem(d.Handle(), IDC_QUESTION_TEXT);
                                  RECT box{};
                                  ::GetClientRect(text, &box);
                                  RECT needed{0, 0, box.right, 0};
                                  HDC dc = ::GetDC(text);
                                  HGDIOBJ old = ::SelectObject(
                                      dc, reinterpret_cast<HGDIOBJ>(
                                              ::SendMessageA(text, WM_GETFONT, 0, 0)));
                                  ::DrawTextA(dc, TextOf(text).c_str(), -1, &needed,
                                              DT_CALCRECT | DT_WORDBREAK);
                                  ::SelectObject(dc, old);
                                  ::ReleaseDC(text, dc);
                                  EXPECT_LE(needed.bottom, box.bottom) << TextOf(text);
                                  PostKey(d, VK_RETURN);
                              }),
                  safeButton);
        EXPECT_EQ(RunAnswered(question, [](Dialog& d) { PostKey(d, VK_ESCAPE); }), IDCANCEL);
    }
}

TEST(SearchDialog, FirstRunEmptyDownwardsWithTheFocusInTheEdit) {
    kolvane::SearchDialog search;
    const INT_PTR result = RunAnswered(search, [](Dialog& d) {
        EXPECT_EQ(d.GetText(), "Suchen");
        EXPECT_EQ(TextOf(::GetDlgItem(d.Handle(), IDC_SEARCH_TEXT)), "");
        EXPECT_TRUE(d.IsItemChecked(IDC_SEARCH_DOWN));
        EXPECT_FALSE(d.IsItemChecked(IDC_SEARCH_UP));
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.Handle(), IDC_SEARCH_TEXT));
        d.SetItemText(IDC_SEARCH_TEXT, "\xFC"
                                       "ber");
        ::SendDlgItemMessageA(d.Handle(), IDC_SEARCH_UP, BM_CLICK, 0, 0);
        Press(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(search.SearchText(), "\xFC"
                                   "ber");
    EXPECT_FALSE(search.Downwards());
}

TEST(SearchDialog, PresetValuesAndCancelKeepsThem) {
    kolvane::SearchDialog search;
    search.SetSearchText("Bach");
    search.SetDownwards(false);
    const INT_PTR result = RunAnswered(search, [](Dialog& d) {
        EXPECT_EQ(TextOf(::GetDlgItem(d.Handle(), IDC_SEARCH_TEXT)), "Bach");
        EXPECT_TRUE(d.IsItemChecked(IDC_SEARCH_UP));
        d.SetItemText(IDC_SEARCH_TEXT, "anders");
        PostKey(d, VK_ESCAPE);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(search.SearchText(), "Bach");
    EXPECT_FALSE(search.Downwards());
}

TEST(SearchDialog, HelpButtonAndF1ShowTheSearchPage) {
    TestApp app;
    TempFolder help;
    WriteText(help.File("ref_dlg_such.html"), "<html></html>");
    app.SetHelpFolder(help.Path().string() + "\\");
    kolvane::SearchDialog search;
    RunAnswered(search, [](Dialog& d) {
        d.Item(IDC_SEARCH_TEXT).SetFocus();
        PostKey(d, VK_F1);
        ::PostMessageA(::GetDlgItem(d.Handle(), IDC_HELP_BUTTON), BM_CLICK, 0, 0);
        ::PostMessageA(::GetDlgItem(d.Handle(), IDCANCEL), BM_CLICK, 0, 0);
    });
    ASSERT_EQ(app.helpCalls.size(), 2u);
    const std::string tail = "/ref_dlg_such.html\"";
    for (const auto& call : app.helpCalls) {
        ASSERT_GE(call.address.size(), tail.size());
        EXPECT_EQ(call.address.substr(call.address.size() - tail.size()), tail) << call.address;
    }
}
