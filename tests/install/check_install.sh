#!/usr/bin/env bash
# Installs the build into a temporary prefix ("install") or builds the Debian package ("deb")
# and checks that every file lands on its freedesktop path and that the desktop entry and the
# AppStream metadata validate.
set -euo pipefail
build=$1
mode=$2
id=org.example.scrivant
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

files=(bin/scrivant-editor share/applications/$id.desktop share/metainfo/$id.metainfo.xml
       share/icons/hicolor/scalable/apps/$id.svg share/doc/scrivant/help/index.html
       share/doc/scrivant/help/files.html lib/scrivant/scrivant-webengine.so)
sizes=(16 22 24 32 48 64 128 256 512)
for s in "${sizes[@]}"; do files+=("share/icons/hicolor/${s}x${s}/apps/$id.png"); done

fail() { echo "FAIL: $*"; exit 1; }

case $mode in
install)
  cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
  for f in "${files[@]}"; do [ -f "$tmp/prefix/$f" ] || fail "not installed: $f"; done
  [ -x "$tmp/prefix/bin/scrivant-editor" ] || fail "program not executable"
  for s in "${sizes[@]}"; do
    file "$tmp/prefix/share/icons/hicolor/${s}x${s}/apps/$id.png" | grep -q "PNG image data, $s x $s" \
      || fail "icon ${s}x${s} is not a ${s}x${s} PNG"
  done
  desktop=$tmp/prefix/share/applications/$id.desktop
  desktop-file-validate "$desktop" || fail "desktop entry does not validate"
  for type in text/html application/xhtml+xml text/plain; do
    grep -q "^MimeType=.*$type;" "$desktop" || fail "desktop entry does not declare $type"
  done
  appstreamcli validate --no-net "$tmp/prefix/share/metainfo/$id.metainfo.xml" >/dev/null \
    || fail "AppStream metadata does not validate"
  ;;
deb)
  cpack --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack failed"; }
  deb=$(ls "$tmp"/scrivant_*.deb)
  listing=$(dpkg-deb -c "$deb")
  for f in "${files[@]}"; do grep -q " \./usr/$f\$" <<<"$listing" || fail "not in the package: /usr/$f"; done
  depends=$(dpkg-deb -f "$deb" Depends)
  for p in libqscintilla2-qt6 libqt6widgets6 libqt6webenginewidgets6 libhunspell hunspell-en-us; do
    grep -q "$p" <<<"$depends" || fail "the package does not depend on $p: $depends"
  done
  # Every dependency can be met from the archive this machine installs from.
  apt-get install -s "$deb" >/dev/null 2>&1 || fail "apt cannot install the package: $(apt-get install -s "$deb" 2>&1 | tail -3)"
  ;;
*) fail "unknown mode $mode" ;;
esac
echo "ok: $mode"
