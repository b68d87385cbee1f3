#!/usr/bin/env bash
# Checks the 32-bit terminal library contract from the built files alone, so that machines that
# cannot execute 32-bit code still prove it:
#   - project2.dll exports exactly the 46 names, undecorated;
#   - each export removes from the stack exactly the bytes of its arguments (the "ret N" that
#     ends a stdcall function; a currency argument passed by value counts 8 bytes);
#   - DevTool.exe imports from project2.dll exactly those names and nothing decorated;
#   - the import library DevTool.exe was linked against carries the same argument sizes in its
#     decorated symbols, so the program's declarations push what the library pops.
# The argument sizes below are written out from the library's interface table, not read from
# our own headers, so a wrong declaration in either file shows as a mismatch.
# CONTRACT_TREE names the build tree (default win); CONTRACT_DLL and CONTRACT_EXE point at
# other files to check.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tree=$root/build/${CONTRACT_TREE:-win}
dll=${CONTRACT_DLL:-$tree/bin/project2.dll}
exe=${CONTRACT_EXE:-$tree/bin/DevTool.exe}
implib=${CONTRACT_IMPLIB:-$tree/devlib/libproject2_import.a}
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}

# Export name and the bytes of its arguments: int and text 4 each, currency 8.
read -r -d '' contract <<'EOF'
newreadcard 16
newwritecard 20
writekh 16
tolvane 68
newreadje 12
addje 16
jk 16
money 12
downmmre 12
readmm 4
settime 12
cleardata 12
clearallhmd 12
clearallhmd1 12
clearallczj 12
gettime 12
getxx 12
downlssjrecd1 12
getnum 12
getje 12
getmaxnum 12
hfdata 16
gskh 16
jgkh 16
gskh1 16
jgkh1 16
clearczj 16
setglk 16
downmaxje 16
downsjjg 16
setxfms 16
updateyy 16
downlogin 16
downloginxb 16
setsq 16
mmkg 16
downlssjrecd 16
cleardbdata 16
downczj 32
downcd 28
setzk 20
downpassword 20
setjh 16
setbtl 16
opencom1 8
closecom 0
EOF

failures=0
fail() {
    echo "contract32: $*" >&2
    failures=$((failures + 1))
}

for file in "$dll" "$exe" "$implib"; do
    if [ ! -f "$file" ]; then
        echo "contract32: missing $file (build the 32-bit tree first)" >&2
        exit 1
    fi
done
if ! "$objdump" -f "$dll" | grep -q 'file format pei-i386'; then
    echo "contract32: $dll is not a 32-bit Windows file" >&2
    exit 1
fi

declare -A expected
while read -r name bytes; do expected[$name]=$bytes; done <<<"$contract"
[ "${#expected[@]}" -eq 46 ] || fail "the contract table holds ${#expected[@]} names, not 46"

# --- Exports: "[Ordinal/Name Pointer] Table" lines give the names, the export address table
# the entry points by ordinal.
dump=$("$objdump" -p "$dll")
image_base=$(awk '/^ImageBase/ {print $2}' <<<"$dump")
declare -A rva_of_index
while read -r index rva; do rva_of_index[$index]=$rva; done < <(
    sed -n '/^Export Address Table -- Ordinal Base/,/^$/p' <<<"$dump" |
        sed -nE 's/^\t\[ *([0-9]+)\] \+base\[ *[0-9]+\] ([0-9a-f]+) Export RVA$/\1 \2/p')
declare -A exported
while read -r index name; do exported[$name]=$index; done < <(
    sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" |
        sed -nE 's/^\t\[ *([0-9]+)\] (.+)$/\1 \2/p')
[ "${#exported[@]}" -eq 46 ] || fail "project2.dll exports ${#exported[@]} names, not 46"
for name in "${!exported[@]}"; do
    [ -n "${expected[$name]+x}" ] || fail "project2.dll exports $name, which is not in the contract"
    case $name in *@* | _* | \?*) fail "project2.dll exports the decorated name $name" ;; esac
done

# Each export's first return instruction: "ret $0x10" pops 16 bytes, a plain "ret" none. The
# functions are small shells, so their first return lies well inside the window read here.
for name in "${!expected[@]}"; do
    index=${exported[$name]:-}
    if [ -z "$index" ]; then
        fail "project2.dll does not export $name"
        continue
    fi
    rva=${rva_of_index[$index]:-}
    if [ -z "$rva" ]; then
        fail "no entry point for $name"
        continue
    fi
    start=$((0x$image_base + 0x$rva))
    ret=$("$objdump" -d --no-show-raw-insn --start-address=$start --stop-address=$((start + 4096)) \
              "$dll" | grep -m1 -E $'\t''ret[lw]? ?' )
    if [[ $ret =~ ret[lw]?[[:space:]]+\$(0x[0-9a-f]+) ]]; then
        popped=$((BASH_REMATCH[1]))
    elif [[ $ret =~ ret ]]; then
        popped=0
    else
        fail "no return instruction found in $name"
        continue
    fi
    [ -z "${CONTRACT_VERBOSE:-}" ] || printf '%-14s rva %-6s ret %s\n' "$name" "$rva" "$popped"
    [ "$popped" -eq "${expected[$name]}" ] ||
        fail "$name removes $popped bytes from the stack, its arguments take ${expected[$name]}"
done

# --- Imports of the program from project2.dll.
imports=$("$objdump" -p "$exe" | awk '
    /DLL Name:/ {on = (tolower($3) == "project2.dll"); next}
    on && /^$/ {on = 0}
    on && /^\t[0-9a-f]+\t/ {print $NF}' | sort)
count=$(grep -c . <<<"$imports")
[ "$count" -eq 46 ] || fail "DevTool.exe imports $count names from project2.dll, not 46"
while read -r name; do
    [ -n "$name" ] || continue
    case $name in *@* | _* | \?*) fail "DevTool.exe imports the decorated name $name" ;; esac
    [ -n "${expected[$name]+x}" ] || fail "DevTool.exe imports $name, which is not in the contract"
done <<<"$imports"
for name in "${!expected[@]}"; do
    grep -qx "$name" <<<"$imports" || fail "DevTool.exe does not import $name"
done

# --- The import library: the program's declarations had to match its decorated symbols
# (__imp__name@N) to link, so N is what the program's calls leave for the library to pop.
symbols=$("$objdump" -t "$implib" | grep -oE '__imp__[A-Za-z0-9_]+@[0-9]+' | sort -u)
for name in "${!expected[@]}"; do
    decorated=$(grep -E "^__imp__${name}@[0-9]+$" <<<"$symbols")
    if [ -z "$decorated" ]; then
        fail "the import library has no stdcall symbol for $name"
        continue
    fi
    [ "${decorated##*@}" -eq "${expected[$name]}" ] ||
        fail "DevTool.exe calls $name with ${decorated##*@} bytes of arguments, not ${expected[$name]}"
done

if [ "$failures" -ne 0 ]; then
    echo "contract32: $failures problems" >&2
    exit 1
fi
echo "contract32: 46 exports undecorated, stack cleanup and imports as declared"
