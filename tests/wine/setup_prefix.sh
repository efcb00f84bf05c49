#!/bin/sh
# setup_prefix.sh WINE64: makes (or refreshes) the Wine prefix named by
# WINEPREFIX and selects Wine's null display driver in it, so that windows and
# dialogs can be created without an X server.
set -e
wine="$1"
"$wine" wineboot -i
"$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
"$wine" wineboot -s 2>/dev/null || true
