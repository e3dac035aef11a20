#!/bin/sh
# Builds the Debian package into a scratch folder and checks it against the DESTDIR install: the
# same files, a menu entry with the same paths, and the runtime packages among its dependencies.
# Usage: check_package.sh CPACK BUILD_DIR WORK_DIR STAGE_DIR
set -eu
cpack=$1 build=$2 work=$3 stage=$4
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$work"
mkdir -p "$work"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    exit 1
}
set -- "$work"/*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "FAIL: expected one .deb in $work, found: $*" >&2
    exit 1
fi
deb=$1
echo "built $(basename "$deb")"

dpkg-deb -x "$deb" "$work/root"
(cd "$work/root" && find . ! -type d | LC_ALL=C sort) >"$work/packaged"
(cd "$stage" && find . ! -type d | LC_ALL=C sort) >"$work/installed"
diff -u "$work/installed" "$work/packaged" || fail "the package's files differ from a plain install"
for entry in "$work"/root/usr/share/applications/*.desktop; do
    cmp -s "$entry" "$stage/usr/share/applications/${entry##*/}" ||
        fail "the packaged menu entry differs from the installed one"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 qt6-qpa-plugins fonts-wine fonts-liberation2; do
    case ", $depends," in
        *", $package "* | *", $package,"*) ;;
        *) fail "the package does not depend on $package" ;;
    esac
done
[ "$(dpkg-deb -f "$deb" Package)" = cista-mzda ] || fail "the package is not named cista-mzda"

[ "$failures" -eq 0 ]
