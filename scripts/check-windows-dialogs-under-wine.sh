#!/usr/bin/env bash
# The Windows setup program and the uninstaller under Wine on a virtual X server, answered from
# the keyboard as a user would:
#  1. the setup run silently (/S) puts pluvo.scr and its uninstall script into the system folder
#     and leaves the product's entry and the machine-wide default settings in the registry;
#  2. "pluvo.scr /c" opens the settings in Chinese; a click on the Drops tab, the ramp-up's
#     mnemonic and Return store settings that differ from the defaults in the ramp-up alone;
#  3. a second "/c" closed with Escape changes nothing;
#  4. "pluvo.scr /uninstall", as Windows' list of programs runs it, hands over to a copy of itself
#     in the temporary folder, asks, shows its wizard and says it is done; then every file the
#     script lists is gone, the entry, the machine's defaults and the user's settings are gone,
#     and another file in the same folder stays.
# PLUVO_PICTURES=DIR keeps pictures of every settings page, in Chinese and in English, and of the
# wizard there.
# Installs Wine when missing; where it cannot be installed, ends with status 77 and says why.
# Usage: scripts/check-windows-dialogs-under-wine.sh [WINDOWS_BUILD_DIR], build-win32/ unless given.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-windows-deps.sh wine
source scripts/virtual-display.sh
build=$(realpath "${1:-build-win32}")
setup=$(scripts/build-windows-setup.sh "$build" | tail -n 1)
work=$(mktemp -d)
xvfb=
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

export WINEPREFIX=$work/prefix PLUVO_WINEPREFIX=$work/prefix HOME=$work/home
export WINEDEBUG=-all WINEARCH=win32 WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$HOME"
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
system=$WINEPREFIX/drive_c/windows/system32
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\{5D1C7A20-3B8E-4F61-9A47-C0E2B6D39F14}'
machine_settings='HKLM\Software\Quorvel\Pluvo Screen Saver'
user_settings='HKCU\Software\Quorvel\Pluvo Screen Saver'

fail() {
    echo "FAIL: $*"
    exit 1
}

start_virtual_display 1280x720
# The prefix is made once; one server then lives for the whole check, as Wine's server ends a
# few seconds after its last program and a program starting just then loses its connection.
scripts/wine-run.sh "$build/tools/pluvo-config.exe" show >/dev/null 2>&1 </dev/null || true
wineserver -w
wineserver -p

# The data of a registry value, or nothing when the key or the value is missing.
value_of() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v name="$2" '$1 == name { sub(/^[ \t]*[^ \t]+[ \t]+[^ \t]+[ \t]+/, ""); print }'
}

key_exists() {
    wine reg query "$1" >/dev/null 2>&1
}

# The X window of a top-level window with the given title, once there is one that is not in
# the list of windows already answered.
wait_for_window() {
    local title=$1 seconds=$2 id
    for _ in $(seq $((seconds * 5))); do
        for id in $(xdotool search --name "^${title}\$" 2>/dev/null); do
            if ! grep -qx "$id" "$work/answered" 2>/dev/null; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.2
    done
    return 1
}

# Gives the window the keyboard and presses the key there, again while the window stays: Wine
# may not have taken the focus yet.
answer() {
    echo "$1" >>"$work/answered"
    for _ in 1 2 3; do
        xdotool windowfocus "$1" 2>/dev/null || true
        sleep 0.3
        xdotool key "$2"
        sleep 1
        xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
    done
}

picture() {
    if [ -n "${PLUVO_PICTURES:-}" ]; then
        mkdir -p "$PLUVO_PICTURES"
        import -window "$1" "$PLUVO_PICTURES/$2"
    fi
}

# 1. The silent setup.
wine "$setup" /S || fail "the setup ended with status $?"
cmp -s "$build/pluvo.scr" "$system/pluvo.scr" || fail "the setup put no pluvo.scr into the system folder"
[ -s "$system/pluvo-uninstall.dat" ] || fail "the setup left no uninstall script"
[ "$(value_of "$entry" DisplayName)" = "Pluvo Screen Saver" ] ||
    fail "the entry's DisplayName is '$(value_of "$entry" DisplayName)'"
[ "$(value_of "$entry" UninstallScript)" = 'C:\windows\system32\pluvo-uninstall.dat' ] ||
    fail "the entry's UninstallScript is '$(value_of "$entry" UninstallScript)'"
command=$(value_of "$entry" UninstallString)
[ "$command" = '"C:\windows\system32\pluvo.scr" /uninstall' ] ||
    fail "the entry's UninstallString is '$command'"
# The user's own settings, as the settings dialog stores them, must hold the same defaults.
scripts/wine-run.sh "$build/tools/pluvo-config.exe" reset >/dev/null
defaults=$(value_of "$machine_settings" Configuration)
[ -n "$defaults" ] || fail "the setup stored no machine-wide settings"
[ "$defaults" = "$(value_of "$user_settings" Configuration)" ] ||
    fail "the machine-wide settings are not the defaults"
echo "The setup put pluvo.scr and its script into the system folder, and the entry and the" \
    "default settings into the registry."

# 2. and 3. The settings, in Chinese. Wine draws Chinese with the fonts it links to its own for
# the characters they lack.
font_links='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for font in Tahoma "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2"; do
    wine reg add "$font_links" /v "$font" /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei" /f >/dev/null
done
settings() {
    scripts/wine-run.sh "$build/tools/pluvo-config.exe" show | tr -d '\r'
}
before=$(settings)

# open_settings LANGUAGE: the sheet of "pluvo.scr /c" in that language, its window's id and
# place in sheet, sheet_x and sheet_y.
# Where the tabs lie in the sheet's window, with the prefix's fonts; the tabs of both languages
# are as wide as the narrowest tab Wine draws.
tab_x=(32 87 142 197 251 305)
tabs_y=17

open_settings() {
    LC_ALL=$1 wine 'C:\windows\system32\pluvo.scr' /c >"$work/settings.log" 2>&1 &
    settings_program=$!
    sheet=$(wait_for_window "Pluvo Screen Saver 2.2.17" 30) || fail "the settings did not open"
    eval "$(xdotool getwindowgeometry --shell "$sheet" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    sheet_x=$X
    sheet_y=$Y
    sheet_size=${WIDTH}x$HEIGHT
    sleep 1
}

# Waits for the settings to end. The X server gives the next program's windows the ids this
# one's had, so the windows answered are forgotten with it.
close_settings() {
    for _ in $(seq 100); do
        if ! kill -0 "$settings_program" 2>/dev/null; then
            rm -f "$work/answered"
            return 0
        fi
        sleep 0.2
    done
    fail "the settings did not close"
}

# Pictures of every page, each opened by a click on its tab.
picture_pages() {
    [ -n "${PLUVO_PICTURES:-}" ] || return 0
    local page tab=0
    for page in about drops lightning display sound control; do
        xdotool mousemove $((sheet_x + tab_x[tab])) $((sheet_y + tabs_y)) click 1
        sleep 0.5
        picture "$sheet" "settings-$page-$1.png"
        tab=$((tab + 1))
    done
}

if [ -n "${PLUVO_PICTURES:-}" ]; then
    for language in en_US.UTF-8 zh_CN.UTF-8; do
        open_settings "$language"
        picture_pages "${language%%_*}"
        answer "$sheet" Escape
        close_settings
    done
fi

open_settings zh_CN.UTF-8
xdotool mousemove $((sheet_x + tab_x[1])) $((sheet_y + tabs_y)) click 1
sleep 0.5
if [ -n "${PLUVO_PICTURES:-}" ]; then
    # F1 shows what the control with the keyboard is for.
    xdotool key F1
    sleep 1
    # The help is a window of its own over the sheet: the picture is taken of the screen.
    import -window root -crop "$sheet_size+$sheet_x+$sheet_y" +repage \
        "$PLUVO_PICTURES/settings-help-zh.png"
fi
xdotool key alt+g
sleep 0.3
answer "$sheet" Return
close_settings
after=$(settings)
changed=$(diff <(echo "$before") <(echo "$after") | grep '^[<>]' || true)
[ "$(echo "$changed" | grep -c '^>')" = 1 ] && echo "$changed" | grep -q '^> *densityRampUp' ||
    fail "OK stored more or less than the ramp-up: $changed"

open_settings zh_CN.UTF-8
answer "$sheet" Escape
close_settings
[ "$(settings)" = "$after" ] || fail "the settings closed with Escape changed the stored ones"
echo "The settings opened in Chinese; a click on the Drops tab, Alt+G and Return stored the" \
    "ramp-up alone, and Escape stored nothing."

# 4. The removal, as the system's list of programs starts it. The server lives only as long as
# the programs, so that its end tells when the copy in the temporary folder has ended too.
touch "$system/keep-me.txt"
wineserver -k
wine 'C:\windows\system32\pluvo.scr' /uninstall >"$work/uninstall.log" 2>&1 &
question=$(wait_for_window "Add/Remove Programs" 30) || fail "the uninstaller asked nothing"
answer "$question" Return
wizard=$(wait_for_window "Pluvo Screen Saver 2.2.17" 20) || fail "the wizard did not open"
picture "$wizard" uninstall-wizard.png
done_box=$(wait_for_window "Add/Remove Programs" 30) || fail "the uninstaller did not say it was done"
picture "$done_box" uninstall-done.png
answer "$done_box" Return
timeout 60 wineserver -w || fail "the uninstaller did not end"
wineserver -p

for file in pluvo.scr pluvo-uninstall.dat; do
    [ ! -e "$system/$file" ] || fail "$file is still in the system folder"
done
[ -e "$system/keep-me.txt" ] || fail "the uninstaller removed a file it did not install"
! key_exists "$entry" || fail "the product's entry is still there"
! key_exists "$machine_settings" || fail "the machine-wide settings are still there"
! key_exists "$user_settings" || fail "the user's settings are still there"
echo "The uninstaller removed pluvo.scr, its script, the entry and both settings, and kept" \
    "another file of the system folder."
