#!/usr/bin/env bash
# Adds Ribwright to the desktop's application menu for the current user, pointing at this copy.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
apps=${XDG_DATA_HOME:-$HOME/.local/share}/applications
icons=${XDG_DATA_HOME:-$HOME/.local/share}/icons/hicolor/128x128/apps
mkdir -p "$apps" "$icons"
cp "$here/share/ribwright.png" "$icons/ribwright.png"
sed "s|^Exec=.*|Exec=\"$here/ribwright\"|" "$here/share/ribwright.desktop" >"$apps/ribwright.desktop"
echo "Added $apps/ribwright.desktop"
