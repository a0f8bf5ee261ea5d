# Sourced by the gate and by scripts/check-windows.sh, after scripts/gate-steps.sh:
# run_windows_steps LINUX_BUILD_DIR runs the Windows build and its runs under Wine as steps.
#  1. the cross build of build-win32 with every program, test program and the setup program
#     (scripts/build-windows.sh, scripts/build-windows-setup.sh): it needs no Wine, so a change
#     that breaks the Windows build fails the gate on any machine;
#  2. its tests under Wine and the registry's bytes (scripts/check-windows-tests-under-wine.sh);
#  3. pluvo.scr run under Wine (scripts/check-windows-under-wine.sh), and installed and removed
#     with its setup program and its uninstaller (scripts/check-windows-dialogs-under-wine.sh).
# Where Wine cannot be installed, steps 2 and 3 are skipped and say why; with
# PLUVO_REQUIRE_WINE=1 they fail instead.
build_windows() {
    scripts/build-windows.sh build-win32
    scripts/build-windows-setup.sh build-win32 >/dev/null
}

programs_under_wine() {
    scripts/check-windows-under-wine.sh build-win32
    scripts/check-windows-dialogs-under-wine.sh build-win32
}

run_windows_steps() {
    run_step "Windows build" build_windows
    run_step "Windows tests under Wine" scripts/check-windows-tests-under-wine.sh build-win32 "$1"
    run_step "Wine checks" programs_under_wine
}
