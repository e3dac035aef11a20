#!/bin/sh
# Installs the build tree afresh under a scratch DESTDIR.
# Usage: stage.sh CMAKE BUILD_DIR STAGE_DIR PREFIX
set -eu
cmake=$1 build=$2 stage=$3 prefix=$4
rm -rf "$stage"
DESTDIR=$stage "$cmake" --install "$build" --prefix "$prefix"
