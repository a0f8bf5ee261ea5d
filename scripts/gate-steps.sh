# Sourced by the gate and by the scripts it runs as steps.
#
# A script that cannot do its work on this machine, for a reason that is not a fault of the
# program (Wine cannot be installed here), calls skip_step REASON: it prints the reason and ends
# with status 77, and the gate notes the step as skipped with that reason.
#
# The gate runs each step with run_step NAME COMMAND..., which notes it as passed, failed or
# skipped with its time and goes on with the next one, so that one run tells about every step;
# print_summary prints one line a step and the total, and gate_status is 0 unless a step failed.
skip_status=77

skip_step() {
    echo "SKIPPED: $1"
    if [ -n "${PLUVO_STEP_NOTE:-}" ]; then
        printf '%s\n' "$1" >"$PLUVO_STEP_NOTE"
    fi
    exit "$skip_status"
}

step_names=()
step_results=()
step_seconds=()
gate_started=$SECONDS

# COMMAND may be a function of the caller's. It runs in a shell of its own with errexit on: in
# a subshell, a caller's `if` or `||` would switch errexit off for everything inside it.
run_step() {
    local name=$1 started=$SECONDS status=0 note result
    shift
    note=$(mktemp)
    echo "=== $name"
    if declare -F "$1" >/dev/null; then
        export -f "$1"
    fi
    PLUVO_STEP_NOTE=$note bash -euo pipefail -c '"$@"' "$1" "$@" || status=$?
    case $status in
        0) result=passed ;;
        "$skip_status") result="SKIPPED: $(cat "$note")" ;;
        *) result="failed (status $status)" ;;
    esac
    [ "$result" != "SKIPPED: " ] || result="SKIPPED: no reason given"
    rm -f "$note"
    echo "=== $name: $result"
    step_names+=("$name")
    step_results+=("$result")
    step_seconds+=($((SECONDS - started)))
}

# skip_named_step NAME REASON notes a step that the gate itself leaves out.
skip_named_step() {
    echo "=== $1: SKIPPED: $2"
    step_names+=("$1")
    step_results+=("SKIPPED: $2")
    step_seconds+=(0)
}

duration() {
    local seconds=$1
    if ((seconds >= 60)); then
        echo "$((seconds / 60)) min $((seconds % 60)) s"
    else
        echo "$seconds s"
    fi
}

gate_status() {
    local result
    for result in "${step_results[@]}"; do
        [[ $result == failed* ]] && return 1
    done
    return 0
}

print_summary() {
    local i failed=0 skipped=0 verdict
    echo
    echo "Summary:"
    for i in "${!step_names[@]}"; do
        printf '  %-26s %-11s %s\n' "${step_names[i]}" "$(duration "${step_seconds[i]}")" \
            "${step_results[i]}"
        case ${step_results[i]} in
            failed*) failed=$((failed + 1)) ;;
            SKIPPED*) skipped=$((skipped + 1)) ;;
        esac
    done
    if ((failed)); then
        verdict="FAILED: $failed of ${#step_names[@]} steps failed"
    else
        verdict="passed"
    fi
    if ((skipped)); then
        verdict+=", $skipped skipped"
    fi
    printf '  %-26s %-11s %s\n' total "$(duration $((SECONDS - gate_started)))" "$verdict"
}
