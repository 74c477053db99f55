#pragma once

// Every help topic the program can request. A topic is a page in the help folder beside the
// program, optionally followed by "#" and an anchor inside that page. The pages themselves are in
// help/; the help pages test checks that each topic here exists there with its anchor.

#include "resources/resource.h"

#include <array>

namespace kolvane {

// The dialogs' own pages, opened by F1 and their "Hilfe" button.
constexpr const char* HelpTopicMainWindow = "ref_dlg_main.html";
constexpr const char* HelpTopicAddEntry = "ref_dlg_einf.html";
constexpr const char* HelpTopicChangeEntry = "ref_dlg_aend.html";
constexpr const char* HelpTopicShowEntry = "ref_dlg_anz.html";
constexpr const char* HelpTopicSettings = "ref_dlg_einst.html";
constexpr const char* HelpTopicExportFields = "ref_dlg_expfields.html";
constexpr const char* HelpTopicImport = "ref_dlg_import.html";
constexpr const char* HelpTopicImportM3u = "ref_dlg_import_m3u.html";
constexpr const char* HelpTopicInfo = "ref_dlg_info.html";
constexpr const char* HelpTopicSearch = "ref_dlg_such.html";

// The page an empty topic opens ("Hilfe-Startseite ...").
constexpr const char* HelpStartPage = "index.html";

constexpr std::array<const char*, 10> DialogHelpTopics = {
    HelpTopicMainWindow, HelpTopicAddEntry,     HelpTopicChangeEntry, HelpTopicShowEntry,
    HelpTopicSettings,   HelpTopicExportFields, HelpTopicImport,      HelpTopicImportM3u,
    HelpTopicInfo,       HelpTopicSearch,
};

struct MessageHelpTopic {
    int messageId;
    const char* topic;
};

// The explanation of each numbered message: error 2500 + n is "FEHLER 0nn" at anchor l_e0nn,
// warnings 2800..2802 are "WARNUNG 501".."503" at l_w501..l_w503. Registered at start-up, so
// that the message box's "Hilfe" opens the explanation of that very message.
constexpr std::array<MessageHelpTopic, 19> MessageHelpTopics = {{
    {IDS_ERR_000, "ref_meldungen.html#l_e000"},
    {IDS_ERR_001, "ref_meldungen.html#l_e001"},
    {IDS_ERR_002, "ref_meldungen.html#l_e002"},
    {IDS_ERR_003, "ref_meldungen.html#l_e003"},
    {IDS_ERR_004, "ref_meldungen.html#l_e004"},
    {IDS_ERR_005, "ref_meldungen.html#l_e005"},
    {IDS_ERR_006, "ref_meldungen.html#l_e006"},
    {IDS_ERR_007, "ref_meldungen.html#l_e007"},
    {IDS_ERR_008, "ref_meldungen.html#l_e008"},
    {IDS_ERR_009, "ref_meldungen.html#l_e009"},
    {IDS_ERR_010, "ref_meldungen.html#l_e010"},
    {IDS_ERR_011, "ref_meldungen.html#l_e011"},
    {IDS_ERR_012, "ref_meldungen.html#l_e012"},
    {IDS_ERR_013, "ref_meldungen.html#l_e013"},
    {IDS_ERR_014, "ref_meldungen.html#l_e014"},
    {IDS_ERR_015, "ref_meldungen.html#l_e015"},
    {IDS_WARN_501, "ref_meldungen.html#l_w501"},
    {IDS_WARN_502, "ref_meldungen.html#l_w502"},
    {IDS_WARN_503, "ref_meldungen.html#l_w503"},
}};

} // namespace kolvane
