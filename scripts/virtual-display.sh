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

# paint_desktop SIZE SEED FILE puts a picture without drops of its own on the root window, so
# that any drop on the screen is the saver's, and writes the screen as it then shows to FILE
# (xwd). The plasma is made at a quarter of the size and enlarged: at full size it takes seconds.
paint_desktop() {
    local size=$1 seed=$2 file=$3
    local width=${size%x*} height=${size#*x}
    convert -size "$((width / 4))x$((height / 4))" -seed "$seed" plasma:fractal \
        -resize "${size}!" -blur 0x2 "$work/desktop-picture.png"
    hsetroot -fill "$work/desktop-picture.png" >/dev/null
    xwd -root -silent >"$file"
}
