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

utsname systemNamed(const char* release) {
    utsname system{};
    std::strncpy(system.sysname, "Linux", sizeof system.sysname);
    std::strncpy(system.release, release, sizeof system.release);
    std::strncpy(system.version, "#1 SMP Debian 6.1.76-1", sizeof system.version);
    std::strncpy(system.machine, "x86_64", sizeof system.machine);
    return system;
}

} // namespace

TEST(DetailedReportTest, ReportFieldLayout) {
    const ErrorWithDetails error("Disk on fire", "->details\r\n");
    EXPECT_EQ(detailedReportText(error, "PR: Pluvo 2.2.17\r\nDX: 5.0"),
              "PR: Pluvo 2.2.17\r\nDX: 5.0\r\n\r\nDisk on fire\r\n\r\nOS: " + osVersionText() +
                  " " + memoryText(error.memoryStatus()) + "\r\nMB: " + hex16(programModuleBase()) +
                  "\r\n\r\n->details\r\n\r\n");

    // The module base is where the program's ELF header was loaded.
    const char elfMagic[] = {0x7F, 'E', 'L', 'F'};
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(programModuleBase()), elfMagic, 4), 0);
}

TEST(OsVersionTextTest, KernelNumbersThenTheSystemsOwnTexts) {
    EXPECT_EQ(osVersionText(systemNamed("6.1.0-18-amd64")),
              "6.1 (0) Linux 6.1.0-18-amd64 #1 SMP Debian 6.1.76-1 x86_64");
    EXPECT_EQ(osVersionText(systemNamed("5.15.146+")).substr(0, 11), "5.15 (146) ");
    EXPECT_EQ(osVersionText(systemNamed("unknown")).substr(0, 14), "0.0 (0) Linux ");

    utsname full = systemNamed("4.19");
    std::memset(full.machine, 'm', sizeof full.machine); // no terminator left
    EXPECT_EQ(osVersionText(full), "4.19 (0) Linux 4.19 #1 SMP Debian 6.1.76-1 " +
                                       std::string(sizeof full.machine, 'm'));
}
