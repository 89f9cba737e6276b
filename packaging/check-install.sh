#!/usr/bin/env bash
# Installs the build into a staging folder as a package would lay it out, and checks the
# installed files with the tools that desktops and software centres read them with.
# Usage: check-install.sh BUILD_DIR STAGE_DIR VERSION "ICON_SIZES"
set -euo pipefail
build=$1 stage=$2 version=$3 sizes=$4
id=org.example.Vemarill

rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr
fail() { echo "FAIL: $*" >&2; exit 1; }

# Hints are advice (two main categories, Graphics and Office, on purpose); warnings are not.
out=$(desktop-file-validate "$usr/share/applications/$id.desktop" 2>&1) || fail "$out"
if grep -E 'error|warning' <<<"$out"; then fail "desktop-file-validate"; fi

# Warnings and errors fail validation by themselves; infos point at missing metadata too.
# Pedantic notes (the capital in the reverse-DNS id) are left.
out=$(appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" 2>&1) || fail "$out"
if grep -E '^I:' <<<"$out"; then fail "appstreamcli validate"; fi

for size in $sizes; do
    png=$usr/share/icons/hicolor/${size}x$size/apps/$id.png
    [[ -s $png ]] || fail "no icon $png"
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    read -r -a dims <<<"$(od -An -tu1 -j16 -N8 "$png")"
    w=$(((dims[0] << 24) + (dims[1] << 16) + (dims[2] << 8) + dims[3]))
    h=$(((dims[4] << 24) + (dims[5] << 16) + (dims[6] << 8) + dims[7]))
    [[ $w == "$size" && $h == "$size" ]] || fail "$png is ${w}x$h"
done
grep -q '<svg' "$usr/share/icons/hicolor/scalable/apps/$id.svg" || fail "no scalable icon"

if command -v update-mime-database >/dev/null; then
    mime=$stage/mime
    mkdir -p "$mime/packages"
    cp "$usr/share/mime/packages/$id.xml" "$mime/packages/"
    update-mime-database "$mime" >/dev/null 2>&1
    grep -qx 'application/x-xliff+xml application/xliff+xml' "$mime/aliases" ||
        fail "the XLIFF alias is not declared"
    grep -qx 'urn:oasis:names:tc:xliff:document:2.0 xliff application/xliff+xml' \
        "$mime/XMLnamespaces" || fail "XLIFF 2.0 files are not recognised"
fi

page=$usr/share/man/man1/vemarill.1.gz
if command -v help2man >/dev/null; then
    gzip -dc "$page" | grep -q 'convert IN OUT' || fail "the man page does not list the commands"
fi

out=$("$usr/bin/vemarill" --version) || fail "vemarill --version exited with $?"
[[ $out == *"$version"* ]] || fail "vemarill --version says '$out', not $version"
echo "installed files of vemarill $version check out"
