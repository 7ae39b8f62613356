#!/usr/bin/env bash
# Renders the program icon (packaging/icons/tapquill.svg) into the PNG sizes
# of the hicolor icon theme, under packaging/icons/<size>/tapquill.png.
# Needs rsvg-convert (Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../.."
for size in 16 24 32 48 64 128 256; do
  mkdir -p "packaging/icons/${size}"
  rsvg-convert -w "$size" -h "$size" packaging/icons/tapquill.svg -o "packaging/icons/${size}/tapquill.png"
done
