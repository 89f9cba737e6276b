#!/usr/bin/env bash
# Builds the .deb in a Release build, installs it with apt as a user would, and starts the
# installed program to see that it runs. Needs root (or sudo) and the packages of deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
started=$SECONDS
fail() { echo "package-check: $*" >&2; exit 1; }

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DVEMARILL_WERROR=ON \
    -DVEMARILL_BUILD_TESTS=OFF -DVEMARILL_BUILD_BENCH=OFF
cmake --build build-release -j2
rm -f build-release/vemarill_*.deb
(cd build-release && cpack -G DEB)
debs=(build-release/vemarill_*.deb)
[[ ${#debs[@]} == 1 && -f ${debs[0]} ]] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}
dpkg-deb -f "$deb" Package Version Architecture Depends Recommends

contents=$(dpkg-deb -c "$deb")
for file in usr/bin/vemarill usr/share/applications/org.example.Vemarill.desktop \
    usr/share/metainfo/org.example.Vemarill.metainfo.xml usr/share/man/man1/vemarill.1.gz \
    usr/share/icons/hicolor/256x256/apps/org.example.Vemarill.png \
    usr/lib/vemarill/vemarill-tesseract.so; do
    grep -q " \./$file\$" <<<"$contents" || fail "$deb lacks /$file"
done

# --reinstall: an earlier run's package of the same version would otherwise stay in place.
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y -q --reinstall "./$deb"
dpkg -S /usr/bin/vemarill

# A window that is still up when timeout stops it (124) ran; anything else is a failure.
home=$(mktemp -d)
set +e
env QT_QPA_PLATFORM=offscreen HOME="$home" XDG_CONFIG_HOME="$home/config" \
    XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home" \
    timeout 3 /usr/bin/vemarill
status=$?
set -e
rm -rf "$home"
[[ $status == 124 ]] || fail "/usr/bin/vemarill exited with $status within 3 seconds"
# The translations travel inside the program: a German desktop gets German.
LANGUAGE=de /usr/bin/vemarill --help | grep -q '^Aufruf: vemarill' ||
    fail "/usr/bin/vemarill does not answer in German for LANGUAGE=de"
# Recognition loads its module from where the package put it.
labels=$(mktemp -d)
cp examples/images/title.png "$labels/"
printf 'title.png;;;\r\n' >"$labels/list.csv"
read_back=$(HOME="$labels" /usr/bin/vemarill ocr "$labels/list.csv" --root "$labels" -l eng)
rm -rf "$labels"
grep -q 'Welcome to the Harbour' <<<"$read_back" ||
    fail "/usr/bin/vemarill ocr did not read the example title: $read_back"
echo "package-check: $deb installs and runs ($((SECONDS - started)) s)"
