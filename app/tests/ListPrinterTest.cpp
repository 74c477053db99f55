// The printed list on a recording device and the main window's print command.
// What a real printer receives is e2e/flow-print.sh.
#include "app/ListPrinter.h"
#include "app/PrintCommand.h"
#include "app/tests/MainWindowTest.h"
#include "support/win32/SystemDialogs.h"
#include "support/win32/SystemErrorText.h"
#include "testkit/win32/TestApp.h"

#include <map>

using kolvane::DiscCollection;
using kolvane::ListPrinter;
using kolvane::PrintCommand;
using kolvane::PrintLayout;
using namespace kvtest;

namespace {

// What a recording device was asked to print.
struct PrintLog {
    struct Text {
        UINT align;
        std::string text;
    };
    std::vector<std::string> calls; // "doc <name>", "page", "end page", "end doc", "abort"
    std::vector<std::vector<Text>> pages;
    std::string font;
    UINT alignAfterJob = 0;

    // The entry lines of a page (the texts below the heading, three a line),
    // as "artist|title|year".
    std::vector<std::string> Lines(std::size_t page) const {
        std::vector<std::string> lines;
        const std::vector<Text>& texts = pages.at(page);
        for (std::size_t i = 1; i + 2 < texts.size(); i += 3)
            lines.push_back(texts[i].text + "|" + texts[i + 1].text + "|" + texts[i + 2].text);
        return lines;
    }
    std::vector<std::size_t> LinesPerPage() const {
        std::vector<std::size_t> counts;
        for (std::size_t page = 0; page < pages.size(); ++page)
            counts.push_back(Lines(page).size());
        return counts;
    }
};

// A printer page of 1000 × height device units whose font is 20 units high
// and draws every character 10 units wide. Each call that succeeds clears the
// thread's last error, as a later GDI call may; the call named in failAt
// fails with its error code.
class RecordingDevice : public kolvane::PrintDevice {
public:
    explicit RecordingDevice(PrintLog& log, int height = 1414) : log_(log), height_(height) {}

    // kind: "doc", "page", "text", "end page", "end doc"; nth counted from 1.
    void FailAt(const std::string& kind, int nth, DWORD error) {
        failKind_ = kind;
        failNth_ = nth;
        failError_ = error;
    }

    int PageWidth() const override { return 1000; }
    int PageHeight() const override { return height_; }
    bool SelectFont(const std::string& face, int points) override {
        log_.font = face + " " + std::to_string(points);
        return true;
    }
    SIZE TextExtent(std::string_view text) const override {
        return SIZE{static_cast<LONG>(10 * text.size()), 20};
    }
    UINT SetTextAlign(UINT align) override {
        const UINT previous = align_;
        align_ = align;
        log_.alignAfterJob = align;
        return previous;
    }
    bool PrintText(int, int, std::string_view text) override {
        if (!Succeeds("text"))
            return false;
        EXPECT_FALSE(log_.pages.empty()) << "text outside a page";
        if (!log_.pages.empty())
            log_.pages.back().push_back({align_, std::string(text)});
        return true;
    }
    bool StartDocument(const std::string& name) override { return Record("doc", "doc " + name); }
    bool StartPage() override {
        // A job that does not end fails the test instead of hanging it.
        if (log_.pages.size() >= 1000) {
            ADD_FAILURE() << "more than 1000 pages";
            ::SetLastError(ERROR_PRINT_CANCELLED);
            return false;
        }
        const bool ok = Record("page", "page");
        if (ok)
            log_.pages.emplace_back();
        return ok;
    }
    bool EndPage() override { return Record("end page", "end page"); }
    bool EndDocument() override { return Record("end doc", "end doc"); }
    bool AbortDocument() override { return Record("abort", "abort"); }

private:
    bool Succeeds(const std::string& kind) {
        if (kind == failKind_ && ++counts_[kind] == failNth_) {
            ::SetLastError(failError_);
            return false;
        }
        ::SetLastError(ERROR_SUCCESS);
        return true;
    }
    bool Record(const std::string& kind, const std::string& call) {
        const bool ok = Succeeds(kind);
        log_.calls.push_back(ok ? call : call + " failed");
        return ok;
    }

    PrintLog& log_;
    int height_;
    UINT align_ = TA_BASELINE | TA_RIGHT; // as a test of the restore at the end
    std::string failKind_;
    int failNth_ = 0;
    DWORD failError_ = 0;
    std::map<std::string, int> counts_;
};

DiscCollection Numbered(int count) {
    DiscCollection entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(Entry("Artist " + std::to_string(i), "Titel " + std::to_string(i),
                                "19" + std::to_string(10 + i % 90)));
    return entries;
}

HGLOBAL SettingsWithCopies(short copies) {
    HGLOBAL handle = ::GlobalAlloc(GHND, sizeof(DEVMODEA));
    auto* mode = static_cast<DEVMODEA*>(::GlobalLock(handle));
    mode->dmSize = sizeof(DEVMODEA);
    mode->dmFields = DM_COPIES;
    mode->dmCopies = copies;
    ::GlobalUnlock(handle);
    return handle;
}

} // namespace

TEST(PrintLayout, MarginGapAndColumnsArePartsOfThePageWidthRoundedDown) {
    // "margin gap, x width of each column, lines".
    const auto shown = [](int width, int height, int lineHeight) {
        const PrintLayout layout = PrintLayout::For(width, height, lineHeight);
        std::string text = std::to_string(layout.margin) + " " + std::to_string(layout.gap);
        for (const PrintLayout::Column& column : layout.columns)
            text += ", " + std::to_string(column.x) + " " + std::to_string(column.width);
        return text + ", " + std::to_string(layout.LinesPerPage());
    };
    EXPECT_EQ(shown(1000, 1414, 20), "50 10, 50 410, 470 410, 890 60, 64"); // 1274 / 20 = 63.7
    EXPECT_EQ(shown(1000, 1340, 20), "50 10, 50 410, 470 410, 890 60, 60"); // exactly 60
    EXPECT_EQ(shown(2479, 3508, 33), "123 24, 123 1016, 1163 1016, 2203 148, 97");
    // A page too small for a line below the heading still takes one.
    EXPECT_EQ(shown(1000, 120, 20), "50 10, 50 410, 470 410, 890 60, 1");
}

// Each copy from a new page and the first entry; 64 lines fit a page of 1414.
TEST(ListPrinter, EachCopyPrintsEveryPageWithTheHeadingAndTheNextEntriesInOrder) {
    kvtest::TestApp app;
    ModalScript noMessages(app);
    struct Case {
        int copies, height, entries;
        std::vector<std::size_t> lines;
    };
    const Case cases[] = {{1, 1414, 150, {64, 64, 22}},
                          {2, 1414, 70, {64, 6, 64, 6}},
                          {0, 1414, 70, {}},
                          {-1, 1414, 70, {}},
                          {2, 100, 3, {1, 1, 1, 1, 1, 1}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.copies);
        const DiscCollection entries = Numbered(c.entries);
        PrintLog log;
        RecordingDevice device(log, c.height);
        ListPrinter printer;
        printer.Prepare(device, entries, "a.kvd");
        EXPECT_EQ(log.font, "Arial 8");
        EXPECT_EQ(printer.Layout().lineHeight, 20); // the height of "Hg"
        EXPECT_EQ(printer.Print(c.copies), 1);

        std::vector<std::string> calls = {"doc - a.kvd -"};
        for (std::size_t page = 0; page < c.lines.size(); ++page)
            calls.insert(calls.end(), {"page", "end page"});
        calls.push_back("end doc");
        EXPECT_EQ(log.calls, calls);
        EXPECT_EQ(log.LinesPerPage(), c.lines);
        std::size_t next = 0;
        for (std::size_t page = 0; page < log.pages.size(); ++page) {
            EXPECT_EQ(log.pages[page].front().text, "- a.kvd -") << page;
            EXPECT_EQ(log.pages[page].front().align, static_cast<UINT>(TA_CENTER | TA_TOP));
            EXPECT_EQ(log.pages[page].back().align, static_cast<UINT>(TA_LEFT | TA_TOP));
            for (const std::string& line : log.Lines(page)) {
                const kolvane::DiscEntry& e = entries[next];
                EXPECT_EQ(line, e.Artist + "|" + e.Title + "|" + e.Year) << page;
                next = (next + 1) % entries.size();
            }
        }
        // The alignment the context had before each page is back afterwards.
        EXPECT_EQ(log.alignAfterJob, log.pages.empty() ? 0u : UINT{TA_BASELINE | TA_RIGHT});
    }
}

// The document is aborted once it was started; nothing is printed after it.
TEST(ListPrinter, AFailingJobCallShowsItsSystemErrorAndAbortsTheDocument) {
    struct Case {
        const char* kind;
        int nth;
        DWORD error;
        std::vector<std::string> calls;
    };
    const std::string doc = "doc - a.kvd -";
    const Case cases[] = {
        {"doc", 1, ERROR_NOT_ENOUGH_MEMORY, {doc + " failed"}},
        {"page", 2, ERROR_OUT_OF_PAPER, {doc, "page", "end page", "page failed", "abort"}},
        {"end page", 1, ERROR_PRINT_CANCELLED, {doc, "page", "end page failed", "abort"}},
        // The heading of page 2 (text 1 + 3 × 64 + 1).
        {"text", 194, ERROR_DISK_FULL, {doc, "page", "end page", "page", "end page", "abort"}},
        {"text", 5, ERROR_WRITE_FAULT, {doc, "page", "end page", "abort"}},
        {"end doc", 1, ERROR_NOT_READY, {doc, "page", "end page", "page", "end page", "page",
                                         "end page", "page", "end page", "end doc failed",
                                         "abort"}},
    };
    for (const Case& c : cases) {
        kvtest::TestApp app;
        ModalScript script(app);
        const std::string text = zul::Windows::SystemErrorText(c.error);
        ASSERT_FALSE(text.empty()) << c.error;
        script.ExpectMessage(text);
        PrintLog log;
        RecordingDevice device(log);
        device.FailAt(c.kind, c.nth, c.error);
        ListPrinter printer;
        printer.Prepare(device, Numbered(70), "a.kvd");
        EXPECT_EQ(printer.Print(2), 0) << c.kind;
        EXPECT_EQ(log.calls, c.calls) << c.kind;
    }
}

TEST(PrintCommand, TheCopiesComeFromThePrinterSettingsWhenTheDialogKeptThemThere) {
    PRINTDLGA data{};
    data.nCopies = 1;
    data.Flags = PD_USEDEVMODECOPIESANDCOLLATE;
    data.hDevMode = SettingsWithCopies(3);
    EXPECT_EQ(PrintCommand::CopiesOf(data), 3);
    data.Flags = 0;
    data.nCopies = 2;
    EXPECT_EQ(PrintCommand::CopiesOf(data), 2);
    ::GlobalFree(data.hDevMode);
    data.Flags = PD_USEDEVMODECOPIESANDCOLLATE;
    data.hDevMode = nullptr;
    EXPECT_EQ(PrintCommand::CopiesOf(data), 2);
}

namespace {

using PrintCommandTest = MainWindowTest;

constexpr DWORD AlwaysAsked =
    PD_RETURNDC | PD_NOPAGENUMS | PD_COLLATE | PD_USEDEVMODECOPIESANDCOLLATE;

// The dialog's answer: OK with a memory context standing in for the
// printer's, two copies in the printer's settings.
void ChooseTwoCopies(zul::Windows::SystemDialog& dialog) {
    auto& print = dynamic_cast<zul::Windows::PrintDialog&>(dialog);
    PRINTDLGA& data = print.Data();
    EXPECT_EQ(data.nCopies, 1);
    EXPECT_EQ(data.hDC, nullptr);
    data.hDC = ::CreateCompatibleDC(nullptr);
    data.hDevMode = SettingsWithCopies(2);
    print.Answer(IDOK);
}

} // namespace

// On a recording device over whatever context the dialog's answer hands over.
TEST_F(PrintCommandTest, AJobPrintsTheCopiesOfThePrintersSettingsAndReleasesThePrinter) {
    PrintLog log;
    std::vector<HDC> devices;
    Show();
    main.Printing().SetDeviceFactory([&](HDC dc) {
        devices.push_back(dc);
        return std::make_unique<RecordingDevice>(log);
    });
    const auto print = [this] {
        kvtest::PressKey(main, 'P', kvtest::Ctrl);
        kvtest::Drain(main);
    };
    ModalScript script;
    print(); // an empty list: no dialog
    Load(kvtest::Entries({"Abba"})); // the menu item, and with it Ctrl+P, enabled
    DWORD flags = 0;
    script.ThenSystem([&](zul::Windows::SystemDialog& dialog) {
        flags = dynamic_cast<zul::Windows::PrintDialog&>(dialog).Data().Flags;
        dialog.Answer(IDCANCEL);
    });
    print();
    // Nothing selected: no selection choice, all pages.
    EXPECT_EQ(flags, AlwaysAsked | PD_ALLPAGES | PD_NOSELECTION);
    EXPECT_TRUE(devices.empty());

    script.ThenSystem(&ChooseTwoCopies);
    print();
    EXPECT_EQ(log.calls, (std::vector<std::string>{"doc -  -", "page", "end page", "page",
                                                   "end page", "end doc"}));
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(::GetObjectType(devices[0]), 0u); // released
    EXPECT_FALSE(main.View().IsModified());
}
