#!/bin/sh
# Checks the files a DESTDIR install put under PREFIX: exactly the expected set, the texts as in
# the source folder, icons of the sizes their folders claim, and a desktop entry that starts the
# installed program inside the installed texts folder.
# Usage: check_layout.sh STAGE_DIR PREFIX SOURCE_DIR APP_ID HAS_PROGRAM(0|1)
set -eu
stage=$1 prefix=$2 src=$3 app_id=$4 has_program=$5
root=$stage$prefix
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

{
    if [ "$has_program" = 1 ]; then echo bin/cista-mzda; fi
    for text in "$src"/texts/*.txt; do
        if [ -e "$text" ]; then echo "share/cista-mzda/texts/${text##*/}"; fi
    done
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    for size in 16 24 32 48 256; do
        echo "share/icons/hicolor/${size}x$size/apps/cista-mzda.png"
    done
    echo share/icons/hicolor/scalable/apps/cista-mzda.svg
    echo share/doc/cista-mzda/copyright
} | LC_ALL=C sort >"$work/expected"
(cd "$stage" && find . ! -type d | sed "s|^\./${prefix#/}/||; s|^\./|(outside the prefix) |") |
    LC_ALL=C sort >"$work/installed"
diff -u "$work/expected" "$work/installed" || fail "installed files differ from the expected list"

if [ "$has_program" = 1 ]; then
    [ -x "$root/bin/cista-mzda" ] || fail "bin/cista-mzda is not executable"
    [ -f "$root/share/cista-mzda/texts/uvod.txt" ] || fail "uvod.txt, read at start-up, is missing"
fi
for text in "$src"/texts/*.txt; do
    [ -e "$text" ] || continue
    installed=$root/share/cista-mzda/texts/${text##*/}
    if [ -f "$installed" ] && ! cmp -s "$text" "$installed"; then
        fail "$installed differs from $text"
    fi
done

# PNG: the width and height are the big-endian words at bytes 16 and 20.
for size in 16 24 32 48 256; do
    icon=$root/share/icons/hicolor/${size}x$size/apps/cista-mzda.png
    [ -f "$icon" ] || continue
    # shellcheck disable=SC2046 # the eight byte values become $1 to $8
    set -- $(od -An -tu1 -j16 -N8 "$icon")
    width=$(($1 * 16777216 + $2 * 65536 + $3 * 256 + $4))
    height=$(($5 * 16777216 + $6 * 65536 + $7 * 256 + $8))
    [ "$width"x"$height" = "$size"x"$size" ] || fail "$icon is ${width}x$height, not ${size}x$size"
done

entry=$root/share/applications/$app_id.desktop
if [ -f "$entry" ]; then
    grep -qx "Exec=$prefix/bin/cista-mzda" "$entry" || fail "Exec= does not start $prefix/bin/cista-mzda"
    grep -qx "Path=$prefix/share/cista-mzda/texts" "$entry" ||
        fail "Path= is not the installed texts folder $prefix/share/cista-mzda/texts"
    grep -qx "Icon=cista-mzda" "$entry" || fail "Icon= is not the installed icon's name"
fi

[ "$failures" -eq 0 ] || exit 1
echo "installed layout under $root is complete"
