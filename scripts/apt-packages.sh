# Sourced by the install scripts: sudo_cmd (empty when running as root), apt_update (the first
# call of a run only; later steps reuse its lists) and install_missing PACKAGE..., which installs
# those of the packages that are not installed yet.
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

updated=0
apt_update() {
    if ((!updated)); then
        "${sudo_cmd[@]}" apt-get update
        updated=1
    fi
}

install_missing() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        apt_update
        DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y "${missing[@]}"
    fi
}
