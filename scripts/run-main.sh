#!/usr/bin/env bash
# Starts the most useful program that exists: the editor on the example document when it is
# built, otherwise lwtool describing the example, otherwise the platform self-check.
set -euo pipefail
cd "$(dirname "$0")/../build"
if [ -x ./lw ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a ./lw examples/fashion.lwd
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
