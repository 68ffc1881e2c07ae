#!/usr/bin/env bash
# Builds the desktop program and runs it. With no printer attached it brings up a simulated Q470
# printer instead (another model: scripts/run.sh q470-usb | z3m | z3m-usb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default
cmake --build --preset default --target z3mq-setting-tool
exec build/default/src/gui/z3mq-setting-tool --simulate-if-absent "${1:-q470}"
