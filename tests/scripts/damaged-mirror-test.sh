#!/usr/bin/env bash
# The install steps and the gate's verdict where the package mirror serves a damaged index for
# i386 and Wine's i386 libraries cannot be installed. Stand-ins for apt-get, dpkg, dpkg-query and
# sudo come first on PATH, and APT_CONFIG points apt-config at a folder of the test's own, so
# nothing on the machine changes: no architecture added, no package installed, no source written.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

expect_line() {
    local file=$1 pattern=$2
    grep -Eq -- "$pattern" "$file" || fail "no line matching '$pattern' in: $(cat "$file")"
}

make_stand_ins() {
    mkdir -p "$work/bin" "$work/etc/apt/apt.conf.d" "$work/etc/apt/sources.list.d"
    : >"$work/installed"
    : >"$work/architectures"
    : >"$work/apt.log"
    printf 'Dir::Etc "%s/etc/apt";\n' "$work" >"$work/apt.conf"
    printf 'Types: deb\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\n' \
        >"$work/etc/apt/sources.list.d/debian.sources"

    cat >"$work/bin/apt-get" <<STAND_IN
#!/usr/bin/env bash
echo "\$*" >>"$work/apt.log"
case \$1 in
    update)
        echo "Get:1 http://deb.debian.org/debian bookworm InRelease [151 kB]"
        echo "Err:6 http://deb.debian.org/debian-security bookworm-security/main i386 Packages"
        echo "  File has unexpected size (374820 != 376004). Mirror sync in progress?"
        echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
        exit 100 ;;
    install)
        if [[ " \$* " == *" wine32 "* ]]; then
            echo "The following packages have unmet dependencies:"
            echo " libkrb5-3:i386 : Depends: libssl3:i386 (>= 3.0.0) but it is not going to be installed"
            echo "E: Error, pkgProblemResolver::Resolve generated breaks, this may be caused by held packages." >&2
            exit 100
        fi
        shift
        for package; do [[ \$package == -* ]] || echo "\$package" >>"$work/installed"; done ;;
esac
STAND_IN
    cat >"$work/bin/dpkg-query" <<STAND_IN
#!/usr/bin/env bash
grep -qx "\${!#}" "$work/installed" && printf 'install ok installed'
STAND_IN
    cat >"$work/bin/dpkg" <<STAND_IN
#!/usr/bin/env bash
case \$1 in
    --print-foreign-architectures) cat "$work/architectures" ;;
    --add-architecture) echo "\$2" >>"$work/architectures" ;;
    *) exit 2 ;;
esac
STAND_IN
    # sudo's secure_path would take the real programs instead of the stand-ins.
    printf '#!/usr/bin/env bash\nexec "$@"\n' >"$work/bin/sudo"
    chmod +x "$work/bin/"*
}

# The gate's install steps and its Windows steps under Wine, as a gate of their own:
# run_gate REQUIRE_WINE LOG
run_gate() {
    (
        cd "$root"
        export PATH=$work/bin:$PATH APT_CONFIG=$work/apt.conf PLUVO_REQUIRE_WINE=$1
        source scripts/gate-steps.sh
        source scripts/windows-steps.sh
        run_step "Linux packages" scripts/install-deps.sh
        run_step "Windows tools" scripts/install-windows-deps.sh tools
        run_step "Windows tests under Wine" scripts/check-windows-tests-under-wine.sh
        run_step "Wine checks" programs_under_wine
        print_summary
        gate_status
    ) >"$2" 2>&1
}

architectures_before=$(dpkg --print-foreign-architectures)
make_stand_ins

# Without PLUVO_REQUIRE_WINE the gate passes, and says what it skipped and why.
status=0
run_gate "" "$work/gate.log" || status=$?
[ "$status" -eq 0 ] || fail "the gate ended with status $status where only Wine is missing"
sed -n '/^Summary:/,$p' "$work/gate.log" >"$work/summary"
expect_line "$work/gate.log" '^apt-get update could not fetch bookworm-security/main i386 Packages; going on'
expect_line "$work/summary" '^  Linux packages +[0-9]+ s +passed$'
expect_line "$work/summary" '^  Windows tools +[0-9]+ s +passed$'
reason='Wine could not be installed \(apt-get: Error, pkgProblemResolver::Resolve generated breaks, this may be caused by held packages.\) after the update could not fetch bookworm-security/main i386 Packages$'
expect_line "$work/summary" "^  Windows tests under Wine +[0-9]+ s +SKIPPED: $reason"
expect_line "$work/summary" "^  Wine checks +[0-9]+ s +SKIPPED: $reason"
expect_line "$work/summary" '^  total .* passed, 2 skipped$'
[ "$(tail -n 1 "$work/gate.log")" = "$(tail -n 1 "$work/summary")" ] ||
    fail "the summary is not what the gate printed last"

# The update is tried twice, and the install goes on after it; the tools in a transaction of
# their own, so that Wine's refusal takes none of them with it; a step under Wine that finds no
# Wine ends there, without trying again for each of its checks.
[ "$(head -n 3 "$work/apt.log" | cut -d' ' -f1 | paste -sd' ')" = "update update install" ] ||
    fail "apt-get did not update twice and then install: $(head -n 3 "$work/apt.log")"
[ "$(grep -c '^install -y wine wine32$' "$work/apt.log")" -eq 2 ] ||
    fail "Wine was not asked for once in each of the two steps under Wine: $(cat "$work/apt.log")"
grep -qx 'install -y .*g++-mingw-w64-i686-posix.*' "$work/apt.log" ||
    fail "the cross compiler was never installed: $(cat "$work/apt.log")"
if grep -q 'install -y .*mingw.*wine32' "$work/apt.log"; then
    fail "the tools were installed in one transaction with Wine"
fi
grep -qx g++-mingw-w64-i686-posix "$work/installed" || fail "the cross compiler is not installed"
grep -qx i386 "$work/architectures" || fail "the stand-in dpkg never added i386"
grep -q '^Types: deb-src' "$work/etc/apt/sources.list.d/pluvo-sources.sources" ||
    fail "no deb-src entries beside the test's own debian.sources"

# With PLUVO_REQUIRE_WINE=1 a missing Wine fails the gate.
status=0
run_gate 1 "$work/required.log" || status=$?
[ "$status" -ne 0 ] || fail "the gate passed without Wine although PLUVO_REQUIRE_WINE=1"
expect_line "$work/required.log" '^  Windows tests under Wine +[0-9]+ s +failed'
expect_line "$work/required.log" '^  total .* FAILED: 2 of 4 steps failed$'

[ "$(dpkg --print-foreign-architectures)" = "$architectures_before" ] ||
    fail "the machine's architectures changed"

if ((failures)); then
    echo "--- the gate printed:"
    cat "$work/gate.log"
    exit 1
fi
echo "The gate went on past the damaged index and reported the steps under Wine as skipped."
