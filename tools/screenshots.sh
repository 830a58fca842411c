#!/usr/bin/env bash
# Usage: tools/screenshots.sh OUTDIR
#
# Pictures of the program as a person sees it, for looking over by eye: the
# main window, its menus and every tool window and dialog, in light and
# dark, in English and German, on a 1024x768 and a 1920x1080 screen. Each
# of the eight runs starts the real program (tools/screenshots/main.cpp)
# on a virtual X server with a fresh data folder filled with sample and
# generated data, and writes OUTDIR/<lang>-<theme>-<WxH>/NN-name.png plus
# shots.txt (size and title of each window; "LARGER THAN SCREEN" marks a
# window that does not fit). A developer tool, not a test.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
mkdir -p "$1"
out="$(cd "$1" && pwd)"
cd "$(dirname "$0")/.."

if ! command -v xvfb-run >/dev/null; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
  fi
  echo "Installing: xvfb"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends xvfb xauth
fi

tools/build.sh tallyra_screenshots
program="$PWD/build/tools/screenshots/tallyra_screenshots"

declare -A locales=([en]=en_US.UTF-8 [de]=de_DE.UTF-8)
failed=0
for lang in en de; do
  for theme in light dark; do
    for size in 1024x768 1920x1080; do
      name="$lang-$theme-$size"
      dir="$out/$name"
      rm -rf "$dir"
      mkdir -p "$dir"
      work="$(mktemp -d)"
      mkdir -p "$work/config/Lumora" "$work/runtime"
      chmod 700 "$work/runtime"
      printf '[ui]\nlanguage=%s\n' "$lang" >"$work/config/Lumora/Tallyra.conf"
      echo "== $name"
      # Online services point at a closed local port: nothing leaves the machine.
      if ! env -u LC_ALL -u LC_MESSAGES LANG="${locales[$lang]}" LANGUAGE="$lang" \
        HOME="$work/home" TALLYRA_DATA_DIR="$work/data" \
        XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/share" XDG_CACHE_HOME="$work/cache" \
        XDG_RUNTIME_DIR="$work/runtime" \
        AUTH_BASE_URL=http://127.0.0.1:9 ACCOUNT_API_URL=http://127.0.0.1:9 \
        SYNC_API_URL=http://127.0.0.1:9 ACCOUNT_PORTAL_URL=http://127.0.0.1:9 \
        QT_QPA_PLATFORM=xcb \
        xvfb-run --auto-servernum -s "-screen 0 ${size}x24" "$program" "$dir" "$theme"; then
        echo "$name: the run failed (see $dir/shots.txt)" >&2
        failed=1
      fi
      rm -rf "$work"
      pictures=$(find "$dir" -name '*.png' | wc -l)
      listed=$(grep -vc MISSING "$dir/shots.txt" || true)
      echo "$name: $pictures pictures"
      if [ "$pictures" -ne "$listed" ]; then
        echo "$name: $listed listed in shots.txt but $pictures written" >&2
        failed=1
      fi
      grep -H 'LARGER THAN SCREEN' "$dir/shots.txt" || true
    done
  done
done

counts=$(for d in "$out"/*-*-*x*/; do find "$d" -name '*.png' | wc -l; done | sort -u | wc -l)
if [ "$counts" -ne 1 ]; then
  echo "The runs took different numbers of pictures." >&2
  failed=1
fi
exit $failed
