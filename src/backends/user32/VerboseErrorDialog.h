#pragma once

#include <string>
#include <windows.h>

namespace User32 {

// The detailed error report as the program's "IDD_VERBOSE_ERROR" dialog shows it: the error's
// message, and the report in a field the user can select and copy from.
struct VerboseErrorReport {
    std::string title;
    std::string message;
    // With the "\r\n" line ends the field shows as line breaks.
    std::string text;
};

class VerboseErrorDialog {
public:
    static constexpr int messageField = 1001;
    static constexpr int reportField = 1003;

    // Modal, owned by no window: the saver's window is gone when an error reaches the top.
    static void show(const VerboseErrorReport& report);
    // The same dialog shown without waiting for it, for tests; the caller destroys it.
    static HWND open(const VerboseErrorReport& report);
};

} // namespace User32
