# shellcheck shell=bash
# start_session_bus DIR: a D-Bus session bus of our own listening in DIR, as a desktop session
# has one; exports DBUS_SESSION_BUS_ADDRESS and sets SESSION_BUS_PID for the caller to kill.
start_session_bus() {
    local address=unix:path=$1/bus
    dbus-daemon --session --fork --address="$address" --print-pid=3 3>"$1/bus.pid" || return 1
    # shellcheck disable=SC2034 # for the caller
    SESSION_BUS_PID=$(cat "$1/bus.pid")
    export DBUS_SESSION_BUS_ADDRESS=$address
}
