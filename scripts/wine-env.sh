# Sourced by ./run and ./test: the project's own Wine prefix and, when needed, a private Xvfb.
# shellcheck shell=bash

devtool_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The program is 32-bit. Where this machine cannot execute 32-bit code at all (some sandboxed
# kernels), the same sources built for 64-bit Windows run under 64-bit Wine instead.
if [ -z "${DEVTOOL_WINE_ARCH:-}" ]; then
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
        DEVTOOL_WINE_ARCH=win32
    else
        DEVTOOL_WINE_ARCH=win64
    fi
fi
export DEVTOOL_WINE_ARCH
if [ "$DEVTOOL_WINE_ARCH" = win32 ]; then
    WINE=/usr/lib/wine/wine
    export WINESERVER=/usr/lib/wine/wineserver32
    devtool_win_tree=win
else
    WINE=/usr/lib/wine/wine64
    export WINELOADER=/usr/lib/wine/wine64
    export WINESERVER=/usr/lib/wine/wineserver64
    devtool_win_tree=win64
fi
[ -x "$WINESERVER" ] || export WINESERVER=/usr/lib/wine/wineserver
export WINE
export WINEPREFIX="$devtool_root/build/wineprefix-$DEVTOOL_WINE_ARCH"
export WINEARCH=$DEVTOOL_WINE_ARCH
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Wine draws the glyphs of caption buttons, scroll arrows and check marks with its own symbol
# font Marlett (package fonts-wine, installed by setup.sh); without it they show as letters
# ("0 1 r"). Debian's Wine does not look in the folder that package fills, so the prefix's font
# folder gets a link to Marlett. Only to Marlett: Wine's Tahoma and MS Sans Serif would take those
# names from the CJK font that the replacements below give them, and Chinese text would suffer.
wine_link_symbol_font() {
    local marlett=/usr/share/wine/fonts/marlett.ttf fonts="$WINEPREFIX/drive_c/windows/Fonts"
    [ -f "$marlett" ] && [ -d "$fonts" ] || return 0
    [ -e "$fonts/marlett.ttf" ] || ln -s "$marlett" "$fonts/marlett.ttf"
}

# Sets up the prefix once: serially, because parallel first use of a fresh prefix races.
wine_prepare_prefix() {
    local stamp="$WINEPREFIX/.devtool-ready"
    if [ -f "$stamp" ]; then
        wine_link_symbol_font
        return 0
    fi
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER" -w
    local reg="$WINEPREFIX/devtool.reg"
    {
        echo 'REGEDIT4'
        echo
        echo '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]'
        echo '"Managed"="N"'
        echo '"Decorated"="N"'
        echo
        echo '[HKEY_CURRENT_USER\Software\Wine\WineDbg]'
        echo '"ShowCrashDialog"=dword:00000000'
        echo
        echo '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]'
        for face in "MS Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "SimSun" "宋体"; do
            echo "\"$face\"=\"WenQuanYi Micro Hei\""
        done
    } | iconv -f UTF-8 -t UTF-16LE > "$reg.tmp"
    # regedit wants a byte-order mark in front of UTF-16 files.
    { printf '\xff\xfe'; cat "$reg.tmp"; } > "$reg"
    rm -f "$reg.tmp"
    "$WINE" regedit /S "$reg" >/dev/null 2>&1
    "$WINESERVER" -w
    wine_link_symbol_font
    touch "$stamp"
}

# Starts Xvfb on a free display with a 24-bit screen and waits until it answers.
xvfb_start() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    Xvfb ":$n" -screen 0 1024x768x24 -noreset -nolisten tcp >/dev/null 2>&1 &
    devtool_xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on :$n" >&2
    return 1
}

# Ends this prefix's Wine server before its display goes away, then the display itself.
xvfb_stop() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    "$WINESERVER" -w >/dev/null 2>&1 || true
    if [ -n "${devtool_xvfb_pid:-}" ]; then
        kill "$devtool_xvfb_pid" 2>/dev/null || true
        wait "$devtool_xvfb_pid" 2>/dev/null || true
        devtool_xvfb_pid=
    fi
}
