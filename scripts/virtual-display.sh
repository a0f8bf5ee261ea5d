# Sourced by the checks: start_virtual_display SIZE [XVFB_OPTION...] starts Xvfb with one screen
# of SIZE (WIDTHxHEIGHT, 24 bits), sets xvfb to its process and DISPLAY to it. The server picks a
# free display number itself, so that checks running side by side never share one; -noreset
# keeps its root picture when the last client leaves. Needs $work for the server's log.
start_virtual_display() {
    local size=$1
    shift
    local fd number
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "${size}x24" -nolisten tcp -noreset "$@" \
        >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    read -r -t 10 number <&"$fd" || { echo "FAIL: Xvfb did not start"; exit 1; }
    exec {fd}<&-
    export DISPLAY=:$number
}
