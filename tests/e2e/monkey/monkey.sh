#!/bin/bash
# The monkey test: random real X input on the game under the openbox window manager in a
# private Xvfb, restarting the game whenever it ends (see monkey.py for what it checks).
#
#   monkey.sh <tavrin executable> <data dir> ACTIONS [SEED]
#
# Installs openbox and wmctrl when they are missing (as root or through sudo); without them
# it exits 77, which ctest counts as skipped. The games' logs and output and the list of
# actions stay in e2e-artifacts/monkey/.
here=$(cd "$(dirname "$0")" && pwd)
actions=${3:?usage: $0 <tavrin> <data dir> ACTIONS [SEED]}
seed=${4:-1}

missing=()
for tool in openbox wmctrl; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "[monkey] SKIP: ${missing[*]} missing (tools/install-deps.sh test installs them)" >&2
    exit 77
fi

# shellcheck source=../lib.sh
source "$here/../lib.sh"
e2e_init "$1" "$2"

# The status window's shields and the end window's links open web and mail addresses: the
# monkey's clicks only note them, instead of starting a browser each time.
mkdir "$E2E_WORK/bin"
for opener in xdg-open xdg-email; do
    printf '#!/bin/sh\necho "%s $*" >>"%s"\n' "$opener" "$E2E_ARTIFACTS/opened.txt" \
        >"$E2E_WORK/bin/$opener"
    chmod +x "$E2E_WORK/bin/$opener"
done
export PATH="$E2E_WORK/bin:$PATH" BROWSER="$E2E_WORK/bin/xdg-open"

openbox --sm-disable --config-file "$here/openbox-rc.xml" >"$E2E_WORK/openbox.log" 2>&1 &
WM_PID=$! # stopped with the rest by the test's own clean-up
for ((i = 0; i < $(_ticks 10); i++)); do
    wmctrl -m >/dev/null 2>&1 && break
    sleep 0.1
done
wmctrl -m >/dev/null 2>&1 || fail "openbox did not start"

note "$actions actions, seed $seed, under $(wmctrl -m | sed -n 's/^Name: //p')"
python3 "$here/monkey.py" "$E2E_EXE" "$E2E_DATA" "$actions" "$seed" "$E2E_ARTIFACTS" ||
    fail "see above; games and actions in $E2E_ARTIFACTS"
pass
