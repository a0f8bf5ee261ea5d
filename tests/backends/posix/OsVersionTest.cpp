#include "backends/posix/OsVersion.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

utsname systemNamed(const char* release) {
    utsname system{};
    std::strncpy(system.sysname, "Linux", sizeof system.sysname);
    std::strncpy(system.release, release, sizeof system.release);
    std::strncpy(system.version, "#1 SMP Debian 6.1.76-1", sizeof system.version);
    std::strncpy(system.machine, "x86_64", sizeof system.machine);
    return system;
}

} // namespace

TEST(OsVersionTextTest, KernelNumbersThenTheSystemsOwnTexts) {
    EXPECT_EQ(Posix::osVersionText(systemNamed("6.1.0-18-amd64")),
              "6.1 (0) Linux 6.1.0-18-amd64 #1 SMP Debian 6.1.76-1 x86_64");
    EXPECT_EQ(Posix::osVersionText(systemNamed("5.15.146+")).substr(0, 11), "5.15 (146) ");
    EXPECT_EQ(Posix::osVersionText(systemNamed("unknown")).substr(0, 14), "0.0 (0) Linux ");

    utsname full = systemNamed("4.19");
    std::memset(full.machine, 'm', sizeof full.machine); // no terminator left
    EXPECT_EQ(Posix::osVersionText(full), "4.19 (0) Linux 4.19 #1 SMP Debian 6.1.76-1 " +
                                              std::string(sizeof full.machine, 'm'));
}
