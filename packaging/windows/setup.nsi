; The setup program of the Windows build: scripts/build-windows-setup.sh makes it.
;
; It puts pluvo.scr into the system folder, where the system's screen-saver settings list it, and
; lets pluvo-setup.exe register the install: the machine-wide default settings, the uninstall
; script in the program's own object-stream format, and the product's entry, which names that
; script and gives Windows' list of programs "pluvo.scr /uninstall" to run. So the program's own
; uninstall wizard does the removal, and this setup writes no uninstaller of its own.
; Run with /S it asks nothing and leaves the current screen saver as it is.

Unicode true
!ifndef BUILD_DIR | OUTPUT
    !error "usage: makensis -DBUILD_DIR=WINDOWS_BUILD_DIR -DOUTPUT=SETUP_EXE setup.nsi"
!endif

!define PRODUCT "Pluvo Screen Saver"
!define VERSION "2.2.17"
!define SAVER "$SYSDIR\pluvo.scr"
!define SCRIPT "$SYSDIR\pluvo-uninstall.dat"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTPUT}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
InstallDir "$SYSDIR"
Caption "${PRODUCT} ${VERSION} Setup"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "Quorvel"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Quorvel"

Page instfiles

Section "Pluvo"
    SetOutPath "$SYSDIR"
    File "${BUILD_DIR}\pluvo.scr"

    InitPluginsDir
    File "/oname=$PLUGINSDIR\pluvo-setup.exe" "${BUILD_DIR}\tools\pluvo-setup.exe"
    ; The files the uninstall script removes, one a line.
    FileOpen $0 "$PLUGINSDIR\installed-files.txt" w
    FileWrite $0 "${SAVER}$\r$\n"
    FileClose $0
    DetailPrint "Registering ${PRODUCT}"
    nsExec::ExecToLog '"$PLUGINSDIR\pluvo-setup.exe" register --hive HKEY_LOCAL_MACHINE --script "${SCRIPT}" --manifest "$PLUGINSDIR\installed-files.txt" --uninstall-command "\"${SAVER}\" /uninstall"'
    Pop $1
    StrCmp $1 "0" registered
        MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} could not be registered (pluvo-setup.exe ended with $1); the details above say why." /SD IDOK
        SetErrorLevel 2
        Abort
    registered:

    MessageBox MB_YESNO|MB_ICONQUESTION "Do you want ${PRODUCT} to be your screen saver now?" /SD IDNO IDNO done
        WriteRegStr HKCU "Control Panel\Desktop" "SCRNSAVE.EXE" "${SAVER}"
        WriteRegStr HKCU "Control Panel\Desktop" "ScreenSaveActive" "1"
    done:
SectionEnd
