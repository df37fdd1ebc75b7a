#!/bin/sh
# The icon resource compiled twice from kbdgen.svg with different modification times, as
# two checkouts have them, under the SOURCE_DATE_EPOCH a package build sets: rcc
# writes a file's time into the resource, so without that both compile to other bytes and
# so would /usr/bin/kbdgen.
# Usage: resource_twice.sh RCC SVG CHANGELOG
set -eu
rcc=$1 svg=$2 changelog=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# dpkg-buildpackage takes it from the newest entry's trailer line.
SOURCE_DATE_EPOCH=$(date -d "$(sed -n 's/^ -- .*>  //p' "$changelog" | head -n 1)" +%s)
export SOURCE_DATE_EPOCH

# One folder, so that the path rcc writes in a comment is the same both times.
cp "$svg" "$work/kbdgen.svg"
printf '<RCC><qresource prefix="/"><file>kbdgen.svg</file></qresource></RCC>\n' \
    >"$work/app_icon.qrc"
for time in '2001-02-03 04:05:06' '2026-11-12 13:14:15'; do
    touch -d "$time" "$work/kbdgen.svg"
    (cd "$work" && "$rcc" --name app_icon -o "qrc_app_icon.$(printf %.4s "$time").cpp" app_icon.qrc)
done
if ! cmp "$work/qrc_app_icon.2001.cpp" "$work/qrc_app_icon.2026.cpp"; then
    echo "the icon resource depends on the checkout's file times" >&2
    exit 1
fi
echo "the icon resource is the same for both checkouts"
