#!/usr/bin/env bash
# Usage: a11y_tree_test.sh PROGRAM
# The program's accessible tree, read over AT-SPI as a screen reader reads it: a private
# D-Bus session (whose accessibility bus is started on demand by at-spi-bus-launcher) on a
# private Xvfb display.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/../../scripts/xvfb-session.sh"
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
trap 'cleanup; rm -rf "$XDG_RUNTIME_DIR"' EXIT
# Debian's python3, which has the AT-SPI bindings, whatever python3 comes first on PATH.
dbus-run-session -- /usr/bin/python3 "$here/a11y_tree.py" "$program" 2> >(grep -v 'fd limit' >&2)
