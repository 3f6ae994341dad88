#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary staging folder (DESTDIR), as `cmake --install` would
# install it for a user, and checks what the desktop, man, bash and the programs find there.
#
#   install_check.sh BUILD_FOLDER PREFIX BINDIR DATADIR MANDIR DOCDIR UDEV_RULES_DIR APP_ID VERSION
#
# The folders are the configured ones (GNUInstallDirs, relative to PREFIX except the udev
# folder). The desktop-file and AppStream validators are run when they are installed.
set -uo pipefail
build=$1 prefix=$2 bindir=$3 datadir=$4 mandir=$5 docdir=$6 udevdir=$7 appid=$8 version=$9
stage=$(mktemp -d "${TMPDIR:-/tmp}/tlv6200-install-XXXXXX")
trap 'rm -rf "$stage"' EXIT
root=$stage$prefix
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

DESTDIR=$stage cmake --install "$build" >"$stage.log" 2>&1 || fail "cmake --install: $(cat "$stage.log")"
rm -f "$stage.log"

# The files of the installation.
for program in tlv6200 tlv6200-cli tlv6200-radio-sim; do
    [ -x "$root/$bindir/$program" ] || fail "program $bindir/$program"
    [ -f "$root/$mandir/man1/$program.1.gz" ] || fail "man page $mandir/man1/$program.1.gz"
done
expected=(
    "$datadir/applications/$appid.desktop"
    "$datadir/metainfo/$appid.metainfo.xml"
    "$datadir/icons/hicolor/scalable/apps/$appid.svg"
    "$datadir/bash-completion/completions/tlv6200-cli"
    "$docdir/70-tlv6200-programming-cable.rules"
    "$docdir/manual/index.html"
    "$docdir/manual/manual.css"
)
for size in 48 64 128 256; do
    expected+=("$datadir/icons/hicolor/${size}x$size/apps/$appid.png")
done
for file in "${expected[@]}"; do
    [ -s "$root/$file" ] || fail "missing $file"
done
for size in 48 64 128 256; do
    file -b "$root/$datadir/icons/hicolor/${size}x$size/apps/$appid.png" | grep -q "$size x $size" ||
        fail "icon ${size}x$size is not $size pixels square"
done

# The udev rule only on request: not in a default installation, but as its own component.
if grep -q '^TLV_INSTALL_UDEV_RULES:BOOL=ON' "$build/CMakeCache.txt"; then
    [ -f "$stage$udevdir/70-tlv6200-programming-cable.rules" ] || fail "udev rule not installed"
else
    [ ! -e "$stage$udevdir" ] || fail "udev rule installed without TLV_INSTALL_UDEV_RULES"
    DESTDIR=$stage cmake --install "$build" --component udev-rules >/dev/null ||
        fail "cmake --install --component udev-rules"
    [ -f "$stage$udevdir/70-tlv6200-programming-cable.rules" ] || fail "udev-rules component"
fi

# The programs run from the installation.
[ "$("$root/$bindir/tlv6200-cli" --version)" = "tlv6200-cli $version" ] || fail "tlv6200-cli --version"
[ "$("$root/$bindir/tlv6200-radio-sim" --version)" = "tlv6200-radio-sim $version" ] ||
    fail "tlv6200-radio-sim --version"
# The window program answers --help and --version without a display, and without one it says
# so in one line and ends with 1 (Qt alone would abort).
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[ "$("${nodisplay[@]}" "$root/$bindir/tlv6200" --version)" = "tlv6200 $version" ] || fail "tlv6200 --version"
"${nodisplay[@]}" "$root/$bindir/tlv6200" --help | head -1 | grep -q '^Usage: tlv6200 ' || fail "tlv6200 --help"
out=$("${nodisplay[@]}" "$root/$bindir/tlv6200" 2>&1)
status=$?
[ "$status" -eq 1 ] && [ "$(wc -l <<<"$out")" -eq 1 ] && grep -q '^tlv6200: no display' <<<"$out" ||
    fail "tlv6200 without a display (exit code $status): $out"

# An installed program keeps its files in the per-user configuration folder, even when it may
# write its own folder (as root may): the ports file there is the one it reads.
home=$stage/home
mkdir -p "$home/.config/TLV6200"
echo "COM7=/dev/tlv6200-per-user" >"$home/.config/TLV6200/ports"
ports=$(HOME=$home XDG_CONFIG_HOME= "$root/$bindir/tlv6200-cli" ports 2>&1)
grep -q "COM7.*/dev/tlv6200-per-user" <<<"$ports" || fail "ports file of the user not read: $ports"
[ ! -e "$root/$bindir/parameter" ] && [ ! -e "$root/$bindir/ports" ] ||
    fail "a file was written beside the installed programs"

# The desktop's and the software centres' validators.
if command -v desktop-file-validate >/dev/null; then
    # Hints are suggestions, not faults ("HamRadio" could be joined by Network or Audio).
    out=$(desktop-file-validate "$root/$datadir/applications/$appid.desktop" 2>&1) ||
        fail "desktop-file-validate: $out"
    out=$(grep -v ': hint: ' <<<"$out")
    [ -z "$out" ] || fail "desktop-file-validate: $out"
else
    echo "skipped: desktop-file-validate is not installed"
fi
if command -v appstreamcli >/dev/null; then
    out=$(appstreamcli validate --no-net "$root/$datadir/metainfo/$appid.metainfo.xml" 2>&1) ||
        fail "appstreamcli validate: $out"
else
    echo "skipped: appstreamcli is not installed"
fi

# The man pages render without a warning.
for page in "$root/$mandir"/man1/tlv6200*.1.gz; do
    out=$(gzip -dc "$page" | LC_ALL=C.UTF-8 groff -man -ww -z 2>&1)
    [ -z "$out" ] || fail "groff warnings in $(basename "$page"): $out"
    gzip -dc "$page" | grep -q "TLV6200 $version" || fail "$(basename "$page") does not name version $version"
done

# The licence and the releases, where Debian keeps them.
[ -s "$root/$docdir/copyright" ] || fail "missing $docdir/copyright"
gzip -dc "$root/$docdir/changelog.gz" | head -1 | grep -q "^tlv6200 ($version) " ||
    fail "$docdir/changelog.gz does not start with release $version"

# The manual: the same pages in the three languages, in their languages, and every link and
# picture of every page leads to a file of the installation.
manual=$root/$docdir/manual
for language in zh-CN zh-TW; do
    diff <(cd "$manual/en" && ls) <(cd "$manual/$language" && ls) >/dev/null ||
        fail "the $language manual has other pages than the English one"
done
for page in "$manual"/zh-TW/*.html; do
    grep -q '<html lang="zh-TW">' "$page" || fail "zh-TW/$(basename "$page") is not marked zh-TW"
    cmp -s "$page" "$manual/zh-CN/$(basename "$page")" && fail "zh-TW/$(basename "$page") is not converted"
done
while IFS= read -r page; do
    # A link to another language's page is marked with that language.
    grep -o -E 'href="\.\./[^/"]+/[^"]*" hreflang="[^"]*"' "$page" |
        sed -E 's#^href="\.\./([^/]+)/.*hreflang="(.*)"$#\1 \2#' |
        while read -r folder language; do
            [ "$folder" = "$language" ] || echo "${page#"$manual"/}: link to $folder/ marked $language"
        done | grep . && fail "language links marked with the wrong language"
    folder=$(dirname "$page")
    while IFS= read -r target; do
        target=${target%%#*}
        case $target in "" | *:*) continue ;; esac
        [ -e "$folder/$target" ] || fail "${page#"$manual"/} links to missing $target"
    done < <(grep -o -E '(href|src)="[^"]*"' "$page" | sed -E 's/^(href|src)="(.*)"$/\2/')
done < <(find "$manual" -name '*.html')

[ "$failures" -eq 0 ] && echo "installation checked: $root"
exit $((failures > 0))
