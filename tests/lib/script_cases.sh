# The bookkeeping of the scripted test runners (end-to-end, setup program): a case collects
# its failures, and its verdict is one PASS or FAIL line, counted. Sourced, not run.

passed=0
failed=0
case_failures=()

fail() { case_failures+=("$*"); }

# Compares a value with its expectation; the difference goes into the case's failures.
expect_eq() {  # what, actual, expected
    [ "$2" == "$3" ] && return 0
    fail "$1: expected [$3], got [$2]"
}

# Waits for a background program to end; its exit status, or 124 after the time.
wait_exit() {  # pid, seconds
    local pid=$1 deadline=$((SECONDS + $2))
    while kill -0 "$pid" 2>/dev/null; do
        if [ $SECONDS -ge $deadline ]; then
            kill "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
            return 124
        fi
        sleep 0.1
    done
    wait "$pid"
}

# Prints the case's verdict (with its failures) and counts it; non-zero when it failed.
report_case() {  # name
    if [ ${#case_failures[@]} -eq 0 ]; then
        echo "PASS  $1"
        passed=$((passed + 1))
        return 0
    fi
    echo "FAIL  $1"
    printf '        %s\n' "${case_failures[@]}"
    failed=$((failed + 1))
    return 1
}
