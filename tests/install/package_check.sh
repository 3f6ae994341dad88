#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of `make package` from this build with CPack (installed under /usr,
# as `make package` configures it) and checks what dpkg would install: the dependencies that
# dpkg-shlibdeps found, the files, and that the programs run from the unpacked package as
# installed programs although the build was configured for another prefix. When lintian is
# installed, the package must pass it without an error or a warning (information is allowed:
# a Debug build of `make test` lacks the hardening of a Release build).
#
#   package_check.sh BUILD_FOLDER APP_ID
set -uo pipefail
build=$1 appid=$2
stage=$(mktemp -d "${TMPDIR:-/tmp}/tlv6200-package-XXXXXX")
trap 'rm -rf "$stage"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

(cd "$build" && cpack -G DEB -B "$stage/out" -D CPACK_PACKAGING_INSTALL_PREFIX=/usr) \
    >"$stage/cpack.log" 2>&1 || { cat "$stage/cpack.log"; exit 1; }
packages=("$stage"/out/*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || { echo "FAIL: no single .deb"; exit 1; }
deb=${packages[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6serialport6 libqt6svg6 libopencc-data; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
# OpenCC's library is loaded when Traditional Chinese is first needed, not linked: the package
# names it itself (libopencc1.1 for libopencc.so.1.1).
grep -Eq '(^|, )libopencc[0-9]' <<<"$depends" || fail "Depends lacks OpenCC's library: $depends"

dpkg-deb -x "$deb" "$stage/root" || fail "dpkg-deb -x"
for file in usr/bin/tlv6200 usr/bin/tlv6200-cli usr/bin/tlv6200-radio-sim \
    "usr/share/applications/$appid.desktop" "usr/share/metainfo/$appid.metainfo.xml" \
    usr/share/man/man1/tlv6200-cli.1.gz usr/share/doc/tlv6200/manual/en/index.html \
    usr/share/doc/tlv6200/copyright usr/share/doc/tlv6200/changelog.gz; do
    [ -e "$stage/root/$file" ] || fail "the package lacks /$file"
done

home=$stage/home
mkdir -p "$home/.config/TLV6200"
echo "COM9=/dev/tlv6200-packaged" >"$home/.config/TLV6200/ports"
ports=$(HOME=$home XDG_CONFIG_HOME= "$stage/root/usr/bin/tlv6200-cli" ports 2>&1)
grep -q "COM9.*/dev/tlv6200-packaged" <<<"$ports" ||
    fail "the packaged program does not read the ports file of the user: $ports"

if command -v lintian >/dev/null; then
    out=$(lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1) ||
        fail "lintian: $out"
else
    echo "skipped: lintian is not installed"
fi

[ "$failures" -eq 0 ] && echo "package checked: $(basename "$deb")"
exit $((failures > 0))
