#!/usr/bin/env bash
# Programs a store from scratch with tk73 alone, as a dealer's script would: create it, set the
# PLU prices, export the PLU file, save the store as an archive, open the archive as a second
# store and compare the two, then send the store to a register (the register simulator on a
# loopback address), receive it from there into a third store and compare again: there must be
# no difference.
#
# usage: program_store.sh <tk73> <tk73stage> <tk73regsim>
set -euo pipefail
tk73=${1:?tk73 program}
stage=${2:?tk73stage program}
regsim=${3:?tk73regsim program}

work=$(mktemp -d "${TMPDIR:-/tmp}/tk73script-XXXXXX")
register_pid=
cleanup() {
    if [ -n "$register_pid" ]; then
        kill "$register_pid" 2>/dev/null || true
        wait "$register_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work"/{common,local,documents,temp,run}
"$stage" "$work/stage" --mode 2 >/dev/null
export TK73_MACHINE_HIVE="$work/stage/machine.reg"
export TK73_USER_HIVE="$work/user.reg"
export TK73_COMMON_APPDATA="$work/common"
export TK73_LOCAL_APPDATA="$work/local"
export TK73_DOCUMENTS="$work/documents"
export TK73_TEMP="$work/temp"
export TK73_MEDIA_FOLDERS="$work/media"
export XDG_RUNTIME_DIR="$work/run"

fail() {
    echo "program_store.sh: $*" >&2
    exit 1
}

store=$("$tk73" store create --name "Corner Market" --model 150)
[ "$store" = 1 ] || fail "the first store got number $store"

# A price list: PLU n costs n euros and 99 cents.
for plu in 1 2 3 4 5 6 7 8 9 10; do
    "$tk73" set --store "$store" --file 4 --field "Unit price" --record "$plu" --value "${plu}99"
done
"$tk73" set --store "$store" --file 4 --field "Unit price" --records 11-20 --value 100
[ "$("$tk73" get --store "$store" --file 4 --field "Unit price" --records 9-11)" = \
  "$(printf '9\t999\n10\t1099\n11\t100')" ] || fail "the prices were not set"

"$tk73" export --store "$store" --file 4 --out "$work/plu.csv"
grep -q '^000010,"[0-9]*","[^"]*","[0-9]*","00001099",' "$work/plu.csv" ||
    fail "the export does not carry the prices"

"$tk73" save --store "$store" --out "$work/corner.crp"
second=$("$tk73" open "$work/corner.crp" --name "Corner Market 2" --model 150)
[ "$second" = 2 ] || fail "the opened archive became store $second"

differences=$("$tk73" diff --store "$store" --with "$second") ||
    fail "the stores differ: $differences"
[ -z "$differences" ] || fail "diff printed: $differences"
"$tk73" export --store "$second" --file 4 --out "$work/plu2.csv"
cmp -s "$work/plu.csv" "$work/plu2.csv" || fail "the second store's PLU file differs"

# The register: the store's files go there and come back into a fresh store of the same model.
# The transfers start once the register says it is listening (a slow start, as under the
# sanitizers, would otherwise refuse the connection); timeout bounds each transfer all the same.
register=127.24.9.1
mkdir -p "$work/register"
"$regsim" "$register" "$work/register" >"$work/register.log" &
register_pid=$!
for _ in $(seq 600); do
    grep -q '^listening' "$work/register.log" && break
    kill -0 "$register_pid" 2>/dev/null || fail "the register did not start"
    sleep 0.1
done
grep -q '^listening' "$work/register.log" || fail "the register did not listen within 60 s"
sent=$(timeout 120 "$tk73" send --store "$store" "$register") || fail "the send failed: $sent"
[ "$sent" = "$(printf '%s\tdone\tNormal End.\t' "$register")" ] || fail "the send said: $sent"
third=$("$tk73" store create --name "Corner Market 3" --model 150)
received=$(timeout 120 "$tk73" receive --store "$third" "$register") ||
    fail "the receive failed: $received"
[ "$received" = "$(printf '%s\tdone\tNormal End.\t' "$register")" ] ||
    fail "the receive said: $received"
differences=$("$tk73" diff --store "$store" --with "$third") ||
    fail "the received store differs: $differences"
[ -z "$differences" ] || fail "diff printed: $differences"
echo "program_store.sh: a store programmed, archived, opened, sent and received without a difference"
