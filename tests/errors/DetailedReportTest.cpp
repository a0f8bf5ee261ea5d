#include "errors/DetailedReport.h"

#include "errors/DiagnosticText.h"
#include "errors/ModuleLocation.h"
#include "errors/OsVersion.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

class ErrorWithDetails : public VerboseError {
public:
    ErrorWithDetails(std::string message, std::string details)
        : VerboseError(std::move(message), std::move(details)) {}
};

} // namespace

TEST(DetailedReportTest, ReportFieldLayout) {
    const ErrorWithDetails error("Disk on fire", "->details\r\n");
    EXPECT_EQ(detailedReportText(error, "PR: Pluvo 2.2.17\r\nDX: 5.0"),
              "PR: Pluvo 2.2.17\r\nDX: 5.0\r\n\r\nDisk on fire\r\n\r\nOS: " + osVersionText() +
                  " " + memoryText(error.memoryStatus()) +
                  "\r\nMB: " + hexWordText(programModuleBase()) + "\r\n\r\n->details\r\n\r\n");

    // The module base is where the program's file header was loaded.
#ifdef _WIN32
    const char magic[] = {'M', 'Z'};
#else
    const char magic[] = {0x7F, 'E', 'L', 'F'};
#endif
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(programModuleBase()), magic, sizeof magic),
              0);
}
