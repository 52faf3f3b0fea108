#!/usr/bin/env bash
# Takes the README's screenshot: starts the built editor in a virtual X display with a sample
# page whose tags are coloured, and saves the main window as a PNG.
# Usage: scripts/screenshot.sh [build folder] [output PNG]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=$(realpath -m "${2:-docs/screenshot.png}")
program=$(realpath "$build/scrivant-editor")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Settings of a fresh user who likes coloured tags: colours are decimal 0x00BBGGRR, sizes twips.
cat >"$work/The Corvane Scrivant.ini" <<'INI'
[Window Options]
ColorConvert=True
LinkColor=11817472
TextColor=3355443
TheFontName=DejaVu Sans Mono
TheFontSize=10
TemplateWindowState=2
MainFormLeft=0
MainFormTop=0
MainFormWidth=14400
MainFormHeight=9600
TheToolBar=False
INI

cat >"$work/index.html" <<'HTML'
<!--This document was created with The Corvane Scrivant-->
<HTML>
<HEAD>
<TITLE>Harbour Walks</TITLE>
</HEAD>
<BODY BGCOLOR="#FFFFFF" TEXT="#202020" LINK="#1E5FD0">
<H1>Harbour Walks</H1>
<P>Three short walks along the old harbour, each under an hour.</P>
<IMG SRC="images\harbour.jpg" WIDTH="320" HEIGHT="200" ALT="The harbour at dawn">
<H2>The routes</H2>
<UL>
<LI><A HREF="lighthouse.html">To the lighthouse</A> - 2.5 km, flat</LI>
<LI><A HREF="fort.html">Round the fort</A> - 3 km, one climb</LI>
<LI><A HREF="market.html">Fish market and back</A> - 1.8 km</LI>
</UL>
<TABLE BORDER="1" CELLPADDING="4">
<TR><TH>Walk</TH><TH>Start</TH><TH>Best time</TH></TR>
<TR><TD>Lighthouse</TD><TD>Quay steps</TD><TD>Evening</TD></TR>
<TR><TD>Fort</TD><TD>Bus stop 12</TD><TD>Morning</TD></TR>
</TABLE>
<P><B>Tip:</B> the tide tables are on the <A HREF="tides.html">tides page</A>.</P>
</BODY>
</HTML>
HTML

export SCRIVANT_CONFIG_DIR=$work QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
xvfb-run -a -s "-screen 0 1024x700x24" bash -c '
  "$0" "$1" & pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  for i in $(seq 1 100); do
    id=$(xdotool search --name "^The Corvane Scrivant Pro$" 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "main window did not appear"; exit 1; }
  sleep 2 # let the document open and paint
  import -window "$id" "$2"
' "$program" "$work/index.html" "$out"
echo "wrote $out"
