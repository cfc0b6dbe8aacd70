#!/bin/sh
# wine-run.sh PREFIX WINE PROGRAM [ARGS...]: runs a Windows program for CTest under Wine,
# quietly and in the build folder's own Wine prefix. Wine names files on Linux in the
# locale's character set, so a UTF-8 locale is set unless QUARROW_WINE_LOCALE names
# another one (whose language also gives Windows its code page there).
set -e
export WINEPREFIX="$1"
wine="$2"
shift 2
export WINEDEBUG=-all
# No .NET or HTML engine: the prefix is made without asking to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL="${QUARROW_WINE_LOCALE:-C.UTF-8}"
exec "$wine" "$@"
