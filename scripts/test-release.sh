#!/usr/bin/env bash
# The release as a technician gets it. Builds the shipped 32-bit release and checks what it
# holds (every file, 32-bit programs and installer, SHA256SUMS). Then, under Wine in a private
# Xvfb and a throw-away copy of the project's prefix, with the release of the tree that runs
# here (the shipped one where Wine runs 32-bit code; else the 64-bit tree's, made by the same
# script with a 64-bit installer, so the packaging is checked on every machine):
# - the zip unpacked into a fresh folder starts the program against the emulator beside it,
#   p2state found through PATH uses the state file beside itself, and "DevTool.exe /version"
#   shows its box and no main window;
# - the installer installs silently per user and for all users, the program starts from the
#   installed place, and the uninstaller removes what it installed and keeps a project2.dll and
#   a db folder that it did not install (also one put in place of ours after installing).
# Screenshots of the windows land in build/screenshots/release-*.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
version=$("$root/scripts/version.sh")
caption="设备调试工具 V$version"
work="$root/build/release-test"
shots="$root/build/screenshots"
rm -rf "$work"
mkdir -p "$work" "$shots"

failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}
# Says "ok" when no check failed since the last checkpoint.
checkpoint=0
pass() {
    [ "$failures" -eq "$checkpoint" ] && echo "ok: $*"
    checkpoint=$failures
}

# The files of a folder, one path a line, sorted; nothing when there is no such folder.
listing() {
    [ -d "$1" ] || return 0
    (cd "$1" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort)
}

# --- The shipped release: 32-bit, complete, with checksums. -------------------------------------
"$root/scripts/release.sh" --tree win --out "$work/dist-win32" >/dev/null
name="DevTool-$version-win32"
zip="$work/dist-win32/$name.zip"
unzip -q "$zip" -d "$work/listed"
expected=(DevTool.exe project2.dll p2state.exe skinpack.exe README.txt docs/windows.md
          docs/linux.md docs/emulator.md docs/records.md docs/skins.md skins/default/default.ini)
for f in "${expected[@]}"; do
    [ -f "$work/listed/$name/$f" ] || fail "the zip has no $f"
done
bmps=$(find "$work/listed/$name/skins/default" -name '*.bmp' | wc -l)
[ "$bmps" -gt 0 ] || fail "the zip has no images of the default skin"
for f in DevTool.exe project2.dll p2state.exe skinpack.exe; do
    i686-w64-mingw32-objdump -f "$work/listed/$name/$f" | grep -q 'file format pei-i386' ||
        fail "$f in the zip is not a 32-bit Windows file"
done
i686-w64-mingw32-objdump -f "$work/dist-win32/$name-setup.exe" | grep -q 'file format pei-i386' ||
    fail "the installer is not a 32-bit Windows program"
(cd "$work/dist-win32" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match"
[ "$(wc -l < "$work/dist-win32/SHA256SUMS")" -eq 2 ] || fail "SHA256SUMS does not name both files"
grep -q "project2.dll" "$work/listed/$name/README.txt" || fail "README.txt says nothing of the library"
pass "the 32-bit release holds every file, 32-bit, with checksums"

# --- The release that runs here. ---------------------------------------------------------------
if [ "$devtool_win_tree" = win ]; then
    dist="$work/dist-win32"
else
    "$root/scripts/release.sh" --tree win64 --out "$work/dist-win64" >/dev/null
    dist="$work/dist-win64"
    name="DevTool-$version-win64"
    echo "SKIPPED: running the 32-bit program and installer (this machine runs no 32-bit code);" \
         "the same release and installer script are run from the 64-bit tree instead"
fi
echo "running the release $name"

xvfb_start
wine_prepare_prefix
# A copy of the project's prefix, so installing leaves the project's prefix untouched. No menu
# entries on the host's desktop for the shortcuts the installer makes.
cp -a "$WINEPREFIX" "$work/prefix"
export WINEPREFIX="$work/prefix"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
finish() {
    xvfb_stop
    rm -rf "$work/prefix" # some 600 MB
}
trap finish EXIT
drive_c="$WINEPREFIX/drive_c"

# Prints the id of the top-level window captioned $1 once it shows, or nothing after $2 seconds.
window_with_caption() {
    local id
    for _ in $(seq 1 $(($2 * 4))); do
        id=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$1\"" | awk '{print $1}' | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.25
    done
}

# Starts the program at Windows path $1 with the arguments after it; the main window must show.
# $shot names the screenshot.
starts() {
    local exe=$1 shot=$2 id pid
    (cd "$work" && exec "$WINE" "$exe") >/dev/null 2>&1 &
    pid=$!
    id=$(window_with_caption "$caption" 60)
    if [ -n "$id" ]; then
        sleep 1
        import -window "$id" "$shots/release-$shot.png" 2>/dev/null || true
        pass "the program starts from $exe"
    else
        fail "the program from $exe shows no main window"
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    "$WINESERVER" -k >/dev/null 2>&1 || true
    "$WINESERVER" -w >/dev/null 2>&1 || true
}

# --- The zip, unpacked into a fresh folder. ----------------------------------------------------
unzip -q "$dist/$name.zip" -d "$drive_c/unpacked"
mkdir -p "$drive_c/elsewhere"
# The emulator keeps its state beside itself, in the unpacked folder.
unset PROJECT2_STATE PROJECT2_TRACE
starts "C:\\unpacked\\$name\\DevTool.exe" zip

# p2state found through PATH, started in another folder: the state file beside the program.
out=$(cd "$drive_c/elsewhere" &&
      { WINEPATH="C:\\unpacked\\$name" timeout 60 "$WINE" p2state.exe show 2>&1 || true; } | tr -d '\r')
case "$out" in
    "state file C:\\unpacked\\$name\\project2.state"*) pass "p2state through PATH uses the state file beside it" ;;
    *) fail "p2state through PATH: $(head -n 1 <<<"$out")" ;;
esac
[ ! -e "$drive_c/elsewhere/project2.state" ] || fail "p2state made a state file in the current folder"

# /version: one box captioned with the application title, no main window, the process waits.
(cd "$work" && exec "$WINE" "C:\\unpacked\\$name\\DevTool.exe" /version) >/dev/null 2>&1 &
pid=$!
id=$(window_with_caption "Devtool" 60)
if [ -n "$id" ]; then
    sleep 1
    import -window "$id" "$shots/release-version.png" 2>/dev/null || true
    if window_with_caption "$caption" 1 | grep -q .; then
        fail "/version opened the main window"
    else
        pass "/version shows its box and no main window"
    fi
    kill -0 "$pid" 2>/dev/null || fail "/version did not wait for its box"
else
    fail "/version shows no box"
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
"$WINESERVER" -k >/dev/null 2>&1 || true
"$WINESERVER" -w >/dev/null 2>&1 || true

# --- The installer. ----------------------------------------------------------------------------
setup="$dist/$name-setup.exe"
# A site's vendor library, as far as the installer can tell: another file of that name (ours
# with bytes after it, so the program still loads it).
vendor="$work/vendor-project2.dll"
{ cat "$drive_c/unpacked/$name/project2.dll"; printf 'vendor library'; } > "$vendor"
installed_files=$(listing "$drive_c/unpacked/$name" | grep -v -e '^project2\.state$')

install_into() { # folder (under C:\), mode switch
    (cd "$work" && timeout 120 "$WINE" "$setup" /S "$2" "/D=C:\\$1") >/dev/null 2>&1 ||
        fail "the installer ended with an error ($1)"
    "$WINESERVER" -w >/dev/null 2>&1 || true
}
uninstall_from() { # folder
    # The uninstaller copies itself away and runs from there; the server ends with it.
    (cd "$work" && timeout 120 "$WINE" "C:\\$1\\Uninstall.exe" /S) >/dev/null 2>&1 ||
        fail "the uninstaller ended with an error ($1)"
    "$WINESERVER" -w >/dev/null 2>&1 || true
}
# Every file of the release is in place, the uninstaller too.
check_installed() { # folder
    local f missing=0
    while read -r f; do
        [ "$f" = project2.dll ] && continue
        [ -e "$drive_c/$1/$f" ] || missing=1
    done <<<"$installed_files"
    [ -f "$drive_c/$1/Uninstall.exe" ] || missing=1
    [ "$missing" -eq 0 ] || fail "files missing after installing into $1"
}
menu_folder() { # current|all
    if [ "$1" = all ]; then
        echo "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/DevTool"
    else
        find "$drive_c/users" -path '*/Start Menu/Programs/DevTool' -type d 2>/dev/null | head -n 1
    fi
}

# A: per user into an empty folder: our library comes along, and everything goes again.
install_into devtool-a /CurrentUser
check_installed devtool-a
cmp -s "$drive_c/devtool-a/project2.dll" "$drive_c/unpacked/$name/project2.dll" ||
    fail "the installer did not put our project2.dll into an empty folder"
menu=$(menu_folder current)
if [ -z "$menu" ] || [ ! -f "$menu/设备调试工具 DevTool.lnk" ]; then
    fail "no Start-menu entry for the user"
fi
# The emulator's state elsewhere, so the folder holds only what was installed.
PROJECT2_STATE='C:\state-a.state' starts "C:\\devtool-a\\DevTool.exe" installed
uninstall_from devtool-a
if [ -e "$drive_c/devtool-a" ]; then
    fail "the uninstaller left $(listing "$drive_c/devtool-a" | tr '\n' ' ')"
fi
[ -z "$(menu_folder current)" ] || fail "the uninstaller left the Start-menu entries"
grep -q 'CurrentVersion\\\\Uninstall\\\\DevTool' "$WINEPREFIX/user.reg" &&
    fail "the uninstaller left its registry key"
pass "per-user install and uninstall leave nothing behind"

# B: for all users into a site's folder with a vendor library and records: both stay.
mkdir -p "$drive_c/devtool-b/db"
cp "$vendor" "$drive_c/devtool-b/project2.dll"
printf 'record\r\n' > "$drive_c/devtool-b/db/数据2024-5-6(123045).txt"
install_into devtool-b /AllUsers
check_installed devtool-b
cmp -s "$drive_c/devtool-b/project2.dll" "$vendor" || fail "the installer replaced a vendor library"
[ -f "$(menu_folder all)/设备调试工具 DevTool.lnk" ] || fail "no Start-menu entry for all users"
PROJECT2_STATE='C:\state-b.state' starts "C:\\devtool-b\\DevTool.exe" installed-all-users
uninstall_from devtool-b
cmp -s "$drive_c/devtool-b/project2.dll" "$vendor" || fail "the uninstaller removed a vendor library"
[ -f "$drive_c/devtool-b/db/数据2024-5-6(123045).txt" ] || fail "the uninstaller removed the db folder"
left=$(listing "$drive_c/devtool-b" | tr '\n' ' ')
[ "$left" = "db db/数据2024-5-6(123045).txt project2.dll " ] ||
    fail "after uninstalling, the site's folder holds: $left"
[ ! -e "$(menu_folder all)" ] || fail "the uninstaller left the all-users Start-menu entries"
grep -q 'CurrentVersion\\\\Uninstall\\\\DevTool' "$WINEPREFIX/system.reg" &&
    fail "the uninstaller left its all-users registry key"
pass "install and uninstall keep a vendor library and the db folder"

# C: our library replaced by the vendor's after installing, as on site: it stays.
install_into devtool-c /CurrentUser
cp "$vendor" "$drive_c/devtool-c/project2.dll"
uninstall_from devtool-c
left=$(listing "$drive_c/devtool-c" | tr '\n' ' ')
if [ "$left" != "project2.dll " ] || ! cmp -s "$drive_c/devtool-c/project2.dll" "$vendor"; then
    fail "after replacing the library and uninstalling, the folder holds: $left"
fi
pass "a vendor library put in place of ours outlives the uninstaller"

if [ "$failures" -ne 0 ]; then
    echo "release checks: $failures failed" >&2
    exit 1
fi
echo "release checks: all passed"
