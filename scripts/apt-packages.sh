# Sourced by the install scripts: sudo_cmd (empty when running as root), apt_update (the first
# call of a run only; later steps reuse its lists) and install_missing PACKAGE..., which installs
# those of the packages that are not installed yet and, when apt refuses, leaves apt's reason in
# apt_reason. After an update that could not fetch every index, unfetched names those indexes.
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

updated=0
apt_reason=
unfetched=

# A mirror in the middle of a sync can serve an index that does not match its release file, for
# hours and often for one architecture only; apt then keeps the lists it had. That must not stop
# the installs that need nothing from that index, so after a second try the update names what it
# could not fetch and goes on. A package that does need it is refused by apt, with apt's reason.
apt_update() {
    ((updated)) && return 0
    updated=1
    local log attempt
    log=$(mktemp)
    for attempt in 1 2; do
        if "${sudo_cmd[@]}" apt-get update 2>&1 | tee "$log"; then
            rm -f "$log"
            return 0
        fi
    done
    unfetched=$(failed_indexes "$log")
    echo "apt-get update could not fetch $unfetched; going on with the package lists apt has"
    rm -f "$log"
}

# "Err:6 http://deb.debian.org/debian-security bookworm-security/main i386 Packages" names the
# index as "bookworm-security/main i386 Packages"; without such lines apt's last error says why.
failed_indexes() {
    local names
    names=$(awk '/^Err:/ { $1 = ""; $2 = ""; sub(/^ +/, ""); print }' "$1" | sort -u |
        paste -sd ',' | sed 's/,/, /g')
    if [ -n "$names" ]; then
        echo "$names"
    else
        echo "its indexes ($(sed -n 's/^E: //p' "$1" | tail -n 1))"
    fi
}

install_missing() {
    local missing=() package log
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    ((${#missing[@]})) || return 0
    echo "Installing: ${missing[*]}"
    apt_update
    log=$(mktemp)
    if ! DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y "${missing[@]}" 2>&1 |
        tee "$log"; then
        apt_reason=$(sed -n 's/^E: //p' "$log" | paste -sd ' ')
        apt_reason=${apt_reason:-apt-get install failed}
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
}
