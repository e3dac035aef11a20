#!/bin/sh
# Starts the installed program the way the applications menu does, the Exec= command in the
# Path= folder of its desktop entry (both under the scratch DESTDIR), headless and with the
# start-up probe preloaded, and checks that its panel shows the introduction, uvod.txt, and that
# no error box opened.
# Usage: start_from_entry.sh STAGE_DIR DESKTOP_ENTRY PROBE_LIBRARY
set -eu
stage=$1 entry=$2 probe=$3
program=$stage$(sed -n 's/^Exec=//p' "$entry" | head -n 1)
folder=$stage$(sed -n 's/^Path=//p' "$entry" | head -n 1)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$folder"
# A sanitizer build would refuse a preloaded library ahead of its runtime; the probe is harmless.
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 \
    QT_QPA_PLATFORM=offscreen LD_PRELOAD=$probe \
    timeout 60 "$program" >"$work/panel" || {
    echo "FAIL: $program, started in $folder, exited with status $?" >&2
    exit 1
}

# The panel turns every line break into CR LF and drops the UTF-8 byte-order mark.
sed '1s/^\xEF\xBB\xBF//' uvod.txt | tr -d '\r' >"$work/expected"
tr -d '\r' <"$work/panel" >"$work/shown"
if ! cmp -s "$work/expected" "$work/shown"; then
    echo "FAIL: the panel does not show $folder/uvod.txt; it shows:" >&2
    head -c 600 "$work/panel" >&2
    exit 1
fi
echo "started from the menu entry in $folder with the introduction shown"
