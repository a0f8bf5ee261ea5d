#include "backends/user32/VerboseErrorDialog.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::wstring fieldText(HWND dialog, int field) {
    std::wstring text(4096, L'\0');
    text.resize(static_cast<std::size_t>(
        GetDlgItemTextW(dialog, field, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

// The dialog comes from the program's resources; it needs an X server to be made on (the
// Windows check runs it on a virtual one) and skips without.
TEST(VerboseErrorDialogTest, ShowsTheMessageAndACopyableReportUnderTheCaption) {
    const User32::VerboseErrorReport report{"Pluvo Screen Saver 2.2.17", "Disk on fire",
                                            "PR: Pluvo\r\nDX: 8.1\r\n\r\n->00401000"};
    const HWND dialog = User32::VerboseErrorDialog::open(report);
    if (dialog == nullptr && GetLastError() != ERROR_RESOURCE_NAME_NOT_FOUND) {
        GTEST_SKIP() << "no display to make a window on";
    }
    ASSERT_NE(dialog, nullptr) << "the dialog's template is in the resources";
    wchar_t caption[64] = {};
    GetWindowTextW(dialog, caption, 64);
    EXPECT_EQ(std::wstring(caption), L"Pluvo Screen Saver 2.2.17");
    EXPECT_EQ(fieldText(dialog, User32::VerboseErrorDialog::messageField), L"Disk on fire");
    EXPECT_EQ(fieldText(dialog, User32::VerboseErrorDialog::reportField),
              L"PR: Pluvo\r\nDX: 8.1\r\n\r\n->00401000");
    EXPECT_EQ(
        SendDlgItemMessageW(dialog, User32::VerboseErrorDialog::reportField, EM_GETLINECOUNT, 0, 0),
        4)
        << "each report line is a line of the field";
    DestroyWindow(dialog);
}
