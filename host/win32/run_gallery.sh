#!/bin/sh
# run_gallery.sh WINE64 GALLERY_EXE ARGS...: runs the gallery under a private
# Xvfb. WINEPREFIX must name the gallery's own prefix. With no window manager
# on that display, Wine is told to draw window frames and captions itself.
# A Wine server left from an earlier run would still hold the old display,
# so it is stopped first, and this run's server is waited for at the end.
set -e
wine="$1"; shift
wineserver="$(dirname "$wine")/wineserver"
"$wineserver" -k 2>/dev/null || true
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  wine="$1"; wineserver="$2"; shift 2
  "$wine" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
  status=0
  "$wine" "$@" || status=$?
  "$wineserver" -w
  exit $status' run_gallery "$wine" "$wineserver" "$@"
