#!/usr/bin/env bash
# Starts the most useful program that exists: the editor on the example document when it is
# built, otherwise lwtool describing the example, otherwise the platform self-check.
set -euo pipefail
cd "$(dirname "$0")/../build"
if [ -x ./lw ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    # No display: the editor starts under a private X server, its screen is saved, and it closes.
    picture="$(../scripts/screenshot-editor.sh "$PWD/examples/fashion.lwd" "$PWD/editor.png" 2>/dev/null)"
    echo "No display: the editor ran under Xvfb on examples/fashion.lwd; its main window is in $picture"
    exit 0
  fi
  exec ./lw examples/fashion.lwd
fi
if [ -x ./lwtool ]; then
  if [ -f examples/fashion.lwd ]; then
    ./lwtool info examples/fashion.lwd
    exec ./lwtool render examples/fashion.lwd -o fashion.gif
  fi
  exec ./lwtool --help
fi
echo "Neither the editor nor lwtool is built yet; running the test suite instead." >&2
exec ctest --test-dir . --output-on-failure
