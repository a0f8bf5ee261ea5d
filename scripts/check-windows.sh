#!/usr/bin/env bash
# The Windows build and its runs under Wine (scripts/windows-steps.sh says which), with a
# summary of the steps at the end. Usage: scripts/check-windows.sh [LINUX_BUILD_DIR], build/
# unless given (for its pluvo-config).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/gate-steps.sh
source scripts/windows-steps.sh
run_windows_steps "${1:-build}"
print_summary
gate_status
