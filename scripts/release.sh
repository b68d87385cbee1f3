#!/usr/bin/env bash
# Builds a release of the tool into a folder: DevTool-<version>-<arch>.zip (the program with our
# emulator library beside it, so it runs as unpacked; p2state, skinpack, the default skin's
# files and the user documentation), the installer DevTool-<version>-<arch>-setup.exe, and
# SHA256SUMS for both.
#   scripts/release.sh [--tree win|win64] [--out FOLDER]
# win (the default) is the shipped 32-bit program, the only one that can load a vendor's 32-bit
# project2.dll. win64 makes the same release of the 64-bit tree, for machines that cannot run
# 32-bit code (the release test runs it there). ./package calls this after its set-up.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tree=win
out="$root/dist"
while [ $# -gt 0 ]; do
    case "$1" in
        --tree) tree=$2; shift 2 ;;
        --out) out=$2; shift 2 ;;
        *) echo "usage: $0 [--tree win|win64] [--out FOLDER]" >&2; exit 2 ;;
    esac
done
case "$tree" in
    win) arch=win32; nsis_target=x86-unicode; strip=i686-w64-mingw32-strip ;;
    win64) arch=win64; nsis_target=amd64-unicode; strip=x86_64-w64-mingw32-strip ;;
    *) echo "release.sh: unknown tree $tree (win or win64)" >&2; exit 2 ;;
esac
version=$("$root/scripts/version.sh")
name="DevTool-$version-$arch"

"$root/scripts/build.sh" "$tree:DevTool" "$tree:p2state" "$tree:skinpack" "$tree:project2"

build="$root/build/$tree"
work="$build/release"
stage="$work/$name"
rm -rf "$work"
mkdir -p "$stage/docs" "$stage/skins/default" "$out"
out=$(cd "$out" && pwd)

install -m 644 "$build/bin/DevTool.exe" "$build/bin/project2.dll" "$build/bin/p2state.exe" \
    "$stage/"
install -m 644 "$build/tools/skinpack.exe" "$stage/"
# Without their symbols and debugging sections; the exports, resources and code stay.
"$strip" "$stage"/*.exe "$stage/project2.dll"
# Notepad wants CR LF.
sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$root/packaging/README.txt" > "$stage/README.txt"
install -m 644 "$root"/docs/*.md "$stage/docs/"
# The default skin as skinpack packs it: its description and the images drawn for it.
install -m 644 "$build"/skins/default/* "$stage/skins/default/"

# The zip holds one folder named after the release.
rm -f "$out/$name.zip"
(cd "$work" && find "$name" -print | LC_ALL=C sort | zip -q -X -D "$out/$name.zip" -@)

# The installer names every file it installs and removes, listed from the staged folder; the
# library is handled on its own (installed only where none is).
lists="$work/nsis"
mkdir -p "$lists"
winpath() { echo "${1//\//\\}"; }
(
    cd "$stage"
    find . -mindepth 1 -type d -printf '%P\n' | LC_ALL=C sort > "$lists/dirs"
    find . -type f ! -path ./project2.dll -printf '%P\n' | LC_ALL=C sort > "$lists/files"
)
{
    echo "SetOutPath \"\$INSTDIR\""
    while read -r f; do
        case "$f" in */*) continue ;; esac
        echo "File \"$stage/$f\""
    done < "$lists/files"
    while read -r d; do
        echo "SetOutPath \"\$INSTDIR\\$(winpath "$d")\""
        while read -r f; do
            if [ "$(dirname "$f")" = "$d" ]; then echo "File \"$stage/$f\""; fi
        done < "$lists/files"
    done < "$lists/dirs"
} > "$lists/install-files.nsh"
{
    while read -r f; do echo "Delete \"\$INSTDIR\\$(winpath "$f")\""; done < "$lists/files"
    # Deepest folders first; RMDir leaves a folder that still holds something not ours.
    LC_ALL=C sort -r "$lists/dirs" | while read -r d; do
        echo "RMDir \"\$INSTDIR\\$(winpath "$d")\""
    done
} > "$lists/uninstall-files.nsh"

setup="$out/$name-setup.exe"
rm -f "$setup"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DTARGET="$nsis_target" \
    -DSTAGE="$stage" -DLISTS="$lists" -DOUTFILE="$setup" "$root/packaging/DevTool.nsi" >/dev/null

(cd "$out" && sha256sum "$name.zip" "$name-setup.exe" > SHA256SUMS)
echo "$out/$name.zip"
echo "$setup"
echo "$out/SHA256SUMS"
