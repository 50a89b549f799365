#include "setup/ui/SetupLayout.h"

#include "setup/config/StringTable.h"
#include "setup/ui/Resource.h"

namespace setup {

using namespace framework;
using K = ControlKind;

namespace {

constexpr const char* kFontFace = "MS Sans Serif";
constexpr int kPointSize = 8;

constexpr unsigned kButton = StyleTabStop;

// clang-format off
constexpr CControlTemplate kSetupControls[] = {
    {K::Icon,       IDC_PROGRAM_ICON, 0,                          3,  4,  20, 20, StyleNone},
    {K::Label,      IDC_PRODUCT_TEXT, 0,                         32,  5, 168, 67, StyleWordWrap},
    {K::PushButton, IDC_DESCRIPTION,  IDS_CAPTION_DESCRIPTION,    6, 82,  53, 14, kButton},
    {K::PushButton, IDC_REQUIREMENTS, IDS_CAPTION_REQUIREMENTS,  64, 82,  61, 14, kButton},
    {K::PushButton, IDC_SETUP,        IDS_CAPTION_SETUP,        130, 82,  38, 14, kButton},
    {K::PushButton, CommandOk,        IDS_CAPTION_EXIT,         173, 82,  25, 14, kButton},
};

constexpr CControlTemplate kDirectoryControls[] = {
    {K::Label,      IDC_PROMPT,          0,                       5,  7, 173,  23, StyleWordWrap},
    {K::Label,      IDC_DIRECTORY_LABEL, IDS_CAPTION_DIRECTORY,   5, 39,  33,  12, StyleNone},
    {K::ComboBox,   IDC_DRIVE,           0,                      43, 39,  31, 103,
        StyleTabStop | StyleVScroll},
    {K::Edit,       IDC_DIRECTORY,       0,                      76, 39, 103,  12,
        StyleBorder | StyleTabStop | StyleAutoHScroll},
    {K::PushButton, CommandOk,           IDS_CAPTION_OK,         61, 64,  25,  14,
        kButton | StyleDefaultButton},
    {K::PushButton, CommandCancel,       IDS_CAPTION_CANCEL,     93, 64,  32,  14, kButton},
};

// The bar in the free band between the status text and Cancel shows how much of the
// product has been copied.
constexpr CControlTemplate kProgressControls[] = {
    {K::PushButton,  CommandCancel, IDS_CAPTION_CANCEL, 54, 40,  29, 17, kButton},
    {K::Label,       IDC_STATUS,    0,                   8, 10, 121, 11, StyleNone},
    {K::PushButton,  IDC_START,     0,                   8, 46,  29, 13, StyleHidden},
    {K::ProgressBar, IDC_PROGRESS,  0,                   8, 24, 121,  9, StyleNone},
};

constexpr CControlTemplate kQuestionControls[] = {
    {K::Icon,       IDC_QUESTION_ICON, 0,                        5,  4,  20, 20, StyleNone},
    {K::Label,      IDC_QUESTION,      0,                       31,  5, 185, 41, StyleWordWrap},
    {K::PushButton, IDC_YES,           IDS_CAPTION_YES,         52, 55,  31, 12, kButton},
    {K::PushButton, IDC_NO,            IDS_CAPTION_NO,          89, 55,  31, 12, kButton},
    {K::PushButton, IDC_YES_TO_ALL,    IDS_CAPTION_YES_TO_ALL, 126, 55,  43, 12, kButton},
};
// clang-format on

const CDialogTemplate kSetupDialog = {
    IDD_SETUP,       0, 205, 100, kFontFace, kPointSize, DialogMinimizeBox, kSetupControls,
    &LoadSetupString};
const CDialogTemplate kDirectoryDialog = {
    IDD_DIRECTORY,   0, 186, 85, kFontFace, kPointSize, DialogStyleNone, kDirectoryControls,
    &LoadSetupString};
// Escape and Enter do nothing: the dialog is copying all the while it is open.
const CDialogTemplate kProgressDialog = {
    IDD_PROGRESS,    0, 137, 65, kFontFace, kPointSize, DialogIgnoresEnterAndEscape,
    kProgressControls, &LoadSetupString};
const CDialogTemplate kQuestionDialog = {
    IDD_QUESTION,    0, 221, 72, kFontFace, kPointSize, DialogStyleNone, kQuestionControls,
    &LoadSetupString};

}  // namespace

const CDialogTemplate& SetupDialogTemplate() {
    return kSetupDialog;
}
const CDialogTemplate& DirectoryDialogTemplate() {
    return kDirectoryDialog;
}
const CDialogTemplate& ProgressDialogTemplate() {
    return kProgressDialog;
}
const CDialogTemplate& QuestionDialogTemplate() {
    return kQuestionDialog;
}

}  // namespace setup
