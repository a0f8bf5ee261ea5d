#pragma once

#include <string>

// The running system for the error report, as its back end describes it; on Linux "<major>.<minor>
// (<patch>) <system> <release> <version> <machine>", for example "6.1 (0) Linux 6.1.0-18-amd64
// #1 SMP ... x86_64".
std::string osVersionText();
