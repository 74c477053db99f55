// The record list window's document: new, load, save, save as, the save
// prompt and the title, with real files.
#include "core/win32/tests/TestListWindow.h"

#include "core/NativeFile.h"
#include "core/win32/QuestionDialog.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/ModalScript.h"

#include <filesystem>

using namespace kvtest;
using zul::Windows::FileDialog;
using zul::Windows::SystemDialog;

namespace {

constexpr char App[] = "Kolvane-Verwaltung";
constexpr char NativeFilter[] = "Kolvane-Dateien (*.kvd)|*.kvd|Alle Dateien (*.*)|*.*||";

class DocumentTest : public ListWindowTest {
protected:
    void SetUp() override {
        ListWindowTest::SetUp();
        folder = folderFiles.Path().string() + "\\";
    }

    std::string Title() const { return window.GetText(); }

    std::string WriteCollection(const std::string& name, const std::vector<std::string>& artists) {
        const std::string path = folderFiles.File(name);
        RecordingReporter reporter;
        EXPECT_EQ(kolvane::SaveNativeFile(path, Entries(artists), reporter), 1);
        return path;
    }
    static std::string ArtistsOf(const std::string& path) {
        kolvane::DiscCollection entries;
        RecordingReporter reporter;
        kolvane::LoadNativeFile(path, entries, reporter);
        std::string text;
        for (const auto& e : entries)
            text += e.Artist + ";";
        return text;
    }
    void MakeModified() {
        window.View().Add(Entry("changed"));
        window.RefreshAll();
    }

    TempFolder folderFiles;
    std::string folder; // ends in a backslash
};

} // namespace

TEST_F(DocumentTest, SaveAsDialogTheFileItWritesAndAFailedWrite) {
    window.View().AppendAll(Entries({"b", "a"}), false);
    window.Document().SetWorkDir(folder);
    {
        ModalScript script;
        const DWORD flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                            OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN;
        script.ExpectFileDialog({FileDialog::Kind::Save, NativeFilter, "kvd", flags, folder},
                                folder + "liste.kvd");
        EXPECT_EQ(window.Document().Save(), 1); // untitled: Save is Save As
    }
    EXPECT_EQ(ArtistsOf(folder + "liste.kvd"), "b;a;");
    EXPECT_FALSE(window.View().IsModified());
    EXPECT_EQ(window.Document().FileName(), "liste.kvd");
    EXPECT_EQ(window.Document().WorkDir(), folder);

    // Save As starts with the current name; a failed write keeps the new one.
    MakeModified();
    ModalScript script;
    script.ThenSystem([&](SystemDialog& dialog) {
        EXPECT_EQ(dynamic_cast<FileDialog&>(dialog).Path(), "liste.kvd");
        dialog.Answer(IDCANCEL);
    });
    EXPECT_EQ(window.Document().SaveAs(), 0);
    script.ChooseFile(folder + "fehlt\\neu.kvd").ExpectMessage(IDS_ERR_012);
    EXPECT_EQ(window.Document().SaveAs(), 0);
    EXPECT_EQ(window.Document().FileName(), "neu.kvd");
    EXPECT_EQ(window.Document().WorkDir(), folder + "fehlt\\");
    EXPECT_TRUE(window.View().IsModified());
    EXPECT_EQ(Title(), std::string(" * neu.kvd - ") + App);
}

TEST_F(DocumentTest, NoDiscardsAtOnceEvenWhenTheOpenDialogIsThenCancelled) {
    const std::string path = WriteCollection("a.kvd", {"x", "y"});
    ASSERT_EQ(window.Document().OpenPath(path), 1);
    MakeModified();
    {
        ModalScript script;
        script.Then([](zul::Windows::Dialog& prompt) {
            EXPECT_EQ(prompt.TemplateId(), static_cast<UINT>(IDD_SAVE_PROMPT));
            Press(prompt, IDNO);
        });
        script.CancelSystemDialog();
        EXPECT_EQ(window.Document().LoadWithDialog(), 0);
    }
    EXPECT_TRUE(window.View().Entries().empty());
    EXPECT_EQ(ListView_GetItemCount(list), 0); // the list with it
    EXPECT_EQ(window.Document().FileName(), "");
    EXPECT_FALSE(window.View().IsModified());
    EXPECT_EQ(Title(), App);
    EXPECT_EQ(ArtistsOf(path), "x;y;"); // the file is untouched
}

TEST_F(DocumentTest, YesSavesFirstAndACancelledSaveStopsTheCaller) {
    MakeModified();
    EXPECT_EQ(Title(), std::string(" * ") + App);
    {
        // "&Ja" on an untitled collection: Save As, cancelled: New stops.
        ModalScript script;
        script.Press(IDOK);
        script.CancelSystemDialog();
        EXPECT_EQ(window.Document().NewCollection(), 0);
    }
    EXPECT_EQ(window.View().Entries().size(), 1u);
    EXPECT_TRUE(window.View().IsModified());
    {
        // "&Abbrechen" and Escape stop as well.
        ModalScript script;
        script.Press(IDCANCEL);
        script.Then([](zul::Windows::Dialog& prompt) { PostKey(prompt, VK_ESCAPE); });
        EXPECT_EQ(window.Document().QuerySave(), 0);
        EXPECT_EQ(window.Document().LoadWithDialog(), 0);
    }
    EXPECT_TRUE(window.View().IsModified());
    {
        // "&Ja" with a name chosen: saved, then the new collection.
        ModalScript script;
        script.Press(IDOK);
        script.ChooseFile(folder + "gerettet.kvd");
        EXPECT_EQ(window.Document().NewCollection(), 1);
    }
    EXPECT_EQ(ArtistsOf(folder + "gerettet.kvd"), "changed;");
    EXPECT_TRUE(window.View().Entries().empty());
    EXPECT_EQ(window.Document().FileName(), "");
    EXPECT_EQ(window.Document().WorkDir(), folder); // stays after New
}

// A save over a file that changed since this window read or wrote it asks
// first; Enter keeps the other's version.
TEST_F(DocumentTest, SaveOverAFileChangedSinceItWasReadAsksAndKeepsItByDefault) {
    const std::string path = WriteCollection("a.kvd", {"x"});
    TestListWindow other;
    other.Open();
    ASSERT_EQ(window.Document().OpenPath(path), 1);
    ASSERT_EQ(other.Document().OpenPath(path), 1);
    window.View().Add(Entry("A"));
    other.View().Add(Entry("B"));
    ModalScript script;
    EXPECT_EQ(window.Document().Save(), 1);
    auto question = [](zul::Windows::Dialog& dialog, int key) {
        auto* asked = dynamic_cast<kolvane::QuestionDialog*>(&dialog);
        ASSERT_NE(asked, nullptr);
        EXPECT_EQ(asked->TextId(), static_cast<UINT>(IDS_OVERWRITE_CHANGED_FILE));
        PostKey(dialog, key);
    };
    script.Then([&](zul::Windows::Dialog& d) { question(d, VK_RETURN); });
    EXPECT_EQ(other.Document().Save(), 0);
    EXPECT_EQ(ArtistsOf(path), "x;A;");
    EXPECT_TRUE(other.View().IsModified());

    // Saved by this window, the file is the one it saw: no question.
    EXPECT_EQ(window.Document().Save(), 1);
    // Rewritten elsewhere with the same length: asked again; "&Ja" writes.
    WriteCollection("a.kvd", {"y"});
    window.View().Add(Entry("C"));
    script.Then([&](zul::Windows::Dialog& d) {
        EXPECT_EQ(dynamic_cast<kolvane::QuestionDialog&>(d).TextId(),
                  static_cast<UINT>(IDS_OVERWRITE_CHANGED_FILE));
        Press(d, IDOK);
    });
    EXPECT_EQ(window.Document().Save(), 1);
    EXPECT_EQ(ArtistsOf(path), "x;A;C;");
}

// A save ended before renaming its complete copy: opening offers to restore it.
TEST_F(DocumentTest, OpeningAMissingFileOffersTheCompleteCopyASaveLeft) {
    WriteCollection("a.kv~", {"gerettet"});
    WriteText(folder + "a.k~1", std::string("KOLV\1\0\0\0\5\0\0\0", 12)); // five entries, none there
    const std::string path = folder + "a.kvd";
    ModalScript script;
    auto answer = [](int button) {
        return [button](zul::Windows::Dialog& d) {
            EXPECT_EQ(dynamic_cast<kolvane::QuestionDialog&>(d).TextId(),
                      static_cast<UINT>(IDS_RESTORE_INTERRUPTED_SAVE));
            Press(d, button);
        };
    };
    // Declined, the missing file is reported and its name forgotten.
    script.Then(answer(IDCANCEL)).ExpectMessage(IDS_ERR_008);
    EXPECT_EQ(window.Document().OpenPath(path), 0);
    EXPECT_EQ(window.Document().FileName(), "");
    EXPECT_EQ(window.Document().WorkDir(), folder);
    script.Then(answer(IDOK));
    EXPECT_EQ(window.Document().OpenPath(path), 1);
    EXPECT_EQ(ArtistsOf(path), "gerettet;");
    EXPECT_EQ(window.Document().FileName(), "a.kvd");
    EXPECT_FALSE(std::filesystem::exists(folder + "a.kv~"));
    EXPECT_TRUE(std::filesystem::exists(folder + "a.k~1"));
}
