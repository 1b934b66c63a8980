#!/usr/bin/env bash
# Starts the editor on a document under a private X server, waits for its main window and saves a
# picture of the screen: scripts/screenshot-editor.sh [DOCUMENT] [PNG]
# Defaults: build/examples/fashion.lwd and build/editor.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${LW_BUILD_DIR:-$root/build}"
document="${1:-$build/examples/fashion.lwd}"
picture="${2:-$build/editor.png}"
if [ ! -x "$build/lw" ]; then
  echo "screenshot-editor: $build/lw is not built" >&2
  exit 1
fi
rm -f "$picture"
# A fresh settings store each time, so the picture does not depend on earlier runs.
settings="$(mktemp -d)"
trap 'rm -rf "$settings"' EXIT
XDG_CONFIG_HOME="$settings" timeout 60 xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build/lw" --screenshot "$picture" "$document"
if [ ! -s "$picture" ]; then
  echo "screenshot-editor: no picture was written" >&2
  exit 1
fi
echo "$picture"
