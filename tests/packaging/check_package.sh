#!/usr/bin/env bash
# Builds the Debian package from a built tree, checks what it holds, runs each program it
# installs, and has the Debian tools judge the desktop entry, the metainfo, the manual pages
# and the package. Usage: check_package.sh BUILD_DIR WITH_CLI(0|1). Exit 77: skipped.
set -euo pipefail
build="$1"
with_cli="$2"

if ! command -v dpkg-deb >/dev/null; then
  echo "SKIPPED: dpkg-deb is missing, so no Debian package can be built here"
  exit 77
fi
for tool in cpack desktop-file-validate appstreamcli lintian; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/setup installs it)"; exit 1; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; echo "FAIL: cpack"; exit 1; }
debs=("$tmp"/out/nimbrel_*.deb)
[ -f "${debs[0]}" ] || { cat "$tmp/cpack.log"; echo "FAIL: no nimbrel_*.deb"; exit 1; }
deb="${debs[0]}"
echo "package: $(basename "$deb")"

echo "--- contents"
dpkg-deb -c "$deb" | awk '{print $1, $6}' | tee "$tmp/contents"
expected=(
  ./usr/bin/nimbrel
  ./usr/bin/nimbrel-sim
  ./usr/share/applications/example.nimbrel.Nimbrel.desktop
  ./usr/share/metainfo/example.nimbrel.Nimbrel.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/nimbrel.svg
  ./usr/share/icons/hicolor/48x48/apps/nimbrel.png
  ./usr/share/icons/hicolor/256x256/apps/nimbrel.png
  ./usr/share/man/man1/nimbrel.1.gz
  ./usr/share/man/man1/nimbrel-sim.1.gz
  ./usr/share/man/en/man1/nimbrel.1.gz
  ./usr/share/man/en/man1/nimbrel-sim.1.gz
  ./usr/share/doc/nimbrel/copyright
  ./usr/share/doc/nimbrel/changelog.gz
  ./usr/share/doc/nimbrel/README.Debian
)
programs=(nimbrel nimbrel-sim)
if [ "$with_cli" = 1 ]; then
  expected+=(./usr/bin/nimbrel-cli ./usr/share/man/man1/nimbrel-cli.1.gz
             ./usr/share/man/en/man1/nimbrel-cli.1.gz)
  programs+=(nimbrel-cli)
else
  echo "(no nimbrel-cli target in this build: its checks are skipped)"
fi
for path in "${expected[@]}"; do
  grep -qx -- "[-rwx]* $path" "$tmp/contents" || fail "the package lacks $path"
done
for program in "${programs[@]}"; do
  grep -qx -- "-rwxr-xr-x ./usr/bin/$program" "$tmp/contents" || fail "$program is not 0755"
done

echo "--- control"
dpkg-deb -f "$deb" Package Version Architecture Depends Recommends | tee "$tmp/control"
depends="$(dpkg-deb -f "$deb" Depends)"
for dep in fonts-liberation qt6-qpa-plugins libqt6widgets6 libqt6serialport6; do
  [[ "$depends" == *"$dep"* ]] || fail "Depends lacks $dep"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$(sed -n 's/^nimbrel \(.*\)$/\1/p' <<<"$("$build/src/app/nimbrel" --version)")" ] ||
  fail "the package version differs from the program's"

dpkg-deb -x "$deb" "$tmp/root"
root="$tmp/root"

echo "--- versions"
for program in "${programs[@]}"; do
  if ! out="$(QT_QPA_PLATFORM=offscreen timeout 20 "$root/usr/bin/$program" --version 2>&1)"; then
    fail "$program --version failed: $out"
    continue
  fi
  echo "$out"
  [[ "$out" == "$program "[0-9]* ]] || fail "$program --version printed '$out'"
done

echo "--- icons"
for size in 48 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/nimbrel.png"
  [ -f "$png" ] || continue
  # The width and height in the PNG header, big-endian 32-bit at bytes 16 and 20.
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  echo "nimbrel.png ${size}: ${w}x${h}"
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the ${size} px icon is ${w}x${h}"
done
desktop="$root/usr/share/applications/example.nimbrel.Nimbrel.desktop"
grep -qx "Exec=nimbrel" "$desktop" || fail "the desktop entry does not start nimbrel"
grep -qx "Icon=nimbrel" "$desktop" || fail "the desktop entry does not name the nimbrel icon"

echo "--- desktop-file-validate"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
echo "--- appstreamcli validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/example.nimbrel.Nimbrel.metainfo.xml" ||
  fail "appstreamcli validate"

if command -v man >/dev/null; then
  echo "--- manual pages"
  for page in "$root"/usr/share/man/man1/*.1.gz "$root"/usr/share/man/en/man1/*.1.gz; do
    name="${page#"$root"/usr/share/man/}"
    warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)"
    echo "$name: ${warnings:-no warnings}"
    [ -z "$warnings" ] || fail "$name has formatting warnings"
  done
  # man reads en/man1 where the language asked for is English (LANGUAGE here: LANG=en_US.UTF-8
  # needs that locale installed); nimbrel-cli's pages come from its help in each language.
  for page in nimbrel nimbrel-sim $([ "$with_cli" = 1 ] && echo nimbrel-cli); do
    found="$(MANPATH="$root/usr/share/man" LC_ALL=C.UTF-8 LANGUAGE=en man -w "$page")"
    [ "$found" = "$root/usr/share/man/en/man1/$page.1.gz" ] ||
      fail "man $page in English reads $found"
  done
  page_text() { LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$root/usr/share/man/$1"; }
  # The pages in man1 are Russian, help2man's own section names included; those in en/man1
  # English.
  for page in "$root"/usr/share/man/man1/*.1.gz; do
    name="${page#"$root"/usr/share/man/}"
    headings="$(page_text "$name" | grep -E '^[^ ]' | sed 1d | sed '$d')"
    for heading in НАЗВАНИЕ ОБЗОР ОПИСАНИЕ "СМОТРИТЕ ТАКЖЕ"; do
      grep -qx "$heading" <<<"$headings" || fail "$name has no section $heading"
    done
    english="$(LC_ALL=C grep -E '[A-Z]{4}' <<<"$headings" || true)"
    [ -z "$english" ] || fail "$name has English sections: $english"
  done
  for page in "$root"/usr/share/man/en/man1/*.1.gz; do
    name="${page#"$root"/usr/share/man/}"
    page_text "$name" | grep -qx "DESCRIPTION" || fail "$name has no section DESCRIPTION"
  done
  if [ "$with_cli" = 1 ]; then
    page_text en/man1/nimbrel-cli.1.gz | grep -q "Works with a T2x/T7x/T9x marking printer" ||
      fail "the English nimbrel-cli page is not made from the English help"
    page_text man1/nimbrel-cli.1.gz | grep -q "Работа с Маркиратором T2x/T7x/T9x" ||
      fail "the nimbrel-cli page in man1 is not made from the Russian help"
  fi
fi

echo "--- lintian"
lintian --fail-on error --display-level ">=warning" "$deb" || fail "lintian reports errors"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "package checks passed"
