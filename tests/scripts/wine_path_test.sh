#!/bin/sh
# The choice between running Wine here and running it in the Debian guest,
# and the benchmark's choice of build.
set -u
. "$(dirname "$0")/../../scripts/env"

failures=0
expect() {
    got=$(choose_wine_path "$1" "$2")
    if [ "$got" != "$3" ]; then
        echo "choose_wine_path '$1' '$2': got '$got', expected '$3'"
        failures=$((failures + 1))
    fi
}
# Decided by the kernel when nobody forces it.
expect "" yes native
expect "" no guest
# QUORVEL_GUEST forces either way.
expect 1 yes guest
expect 1 no guest
expect 0 yes native
expect 0 no native

# The benchmark: the 32-bit build where it runs natively; elsewhere the
# x86-64 build, or the 32-bit one in the guest when asked for.
expect_bench() {
    got=$(choose_bench_run "$1" "$2")
    if [ "$got" != "$3" ]; then
        echo "choose_bench_run '$1' '$2': got '$got', expected '$3'"
        failures=$((failures + 1))
    fi
}
expect_bench native "" i686-native
expect_bench native 1 i686-native
expect_bench guest "" x86-64-native
expect_bench guest 0 x86-64-native
expect_bench guest 1 i686-emulated

# The real probe agrees with the kernel: where this test runs, Wine runs,
# so i386 code runs (natively, or inside the guest).
if ! runs_i386; then
    echo "runs_i386 says no on a machine that is running Wine"
    failures=$((failures + 1))
fi
[ $failures -eq 0 ] && echo "wine path and bench choices: all cases pass"
exit $failures
