#!/usr/bin/env bash
# The package as a shop's PC gets it: dpkg installs it into a root of its own (its maintainer
# scripts run as on a real system, below DPKG_ROOT), ordinary users work with it without any
# variable of the suite set, and dpkg upgrades, removes and purges it.
#
#   - Three users of their own (uids no account of this machine has): alice and bob are members
#     of the group tk73, carol is not.
#   - User mode 2 (the stores shared in /var/lib/tk73): alice creates a store, sets a price,
#     saves an archive into her documents and opens it again as a second store; bob changes the
#     store alice made, whatever her umask was; carol is refused and changes nothing.
#   - User mode 0 (each user's own store): alice opens the archive with a double click, as a file
#     manager does it (xdg-open through the installed MIME type and desktop entry, GIO finding
#     them); the shell starts offscreen with the archive and loads it into her own store.
#   - Nothing is written but the installed data folder and the users' XDG folders: the root's
#     listing is the same before and after, and every file the users own lies in those folders.
#   - The completion offers tk73's commands and options.
#   - Installing again keeps the machine hive and the data, remove keeps them, purge removes them.
#
# usage: package_test.sh <folder that holds the package>
set -euo pipefail
trap 'echo "package_test.sh: line $LINENO failed" >&2' ERR
folder=${1:?folder of the package}

if [ "$(id -u)" != 0 ]; then
    echo "package_test.sh: installing a package and working as other users needs root; skipped"
    exit 77
fi
debs=("$folder"/tk73_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || { echo "no single package in $folder" >&2; exit 1; }
deb=${debs[0]}

work=$(mktemp -d "${TMPDIR:-/tmp}/tk73-package-XXXXXX")
chmod 755 "$work"
root="$work/root"
test_uids=
cleanup() {
    local id pid
    for id in $test_uids; do
        for pid in $(pgrep -u "$id"); do
            kill "$pid" 2>/dev/null || true
        done
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "package_test.sh: $*" >&2
    exit 1
}

# --- A fresh root: an empty package database and the accounts of a fresh system.
mkdir -p "$root"/var/lib/dpkg/{info,updates,triggers} "$root/etc" "$root/var/log"
: >"$root/var/lib/dpkg/status"
echo 'root:x:0:0:root:/root:/bin/sh' >"$root/etc/passwd"
echo 'root:*:20000:0:99999:7:::' >"$root/etc/shadow"
echo 'root:x:0:' >"$root/etc/group"
echo 'root:*::' >"$root/etc/gshadow"
chmod 640 "$root/etc/shadow" "$root/etc/gshadow"

# dpkg below the root, the maintainer scripts outside a chroot with DPKG_ROOT set; the libraries
# the package depends on are this machine's.
dpkg_root() {
    dpkg --root="$root" --force-script-chrootless --force-depends --force-unsafe-io "$@" \
        >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg $* failed"; }
}
dpkg_root --install "$deb"

hive="$root/etc/tk73/machine.reg"
data="$root/var/lib/tk73"
[ -x "$root/usr/bin/tk73" ] && [ -x "$root/usr/bin/tk73hub" ] || fail "no programs in usr/bin"
[ -f "$hive" ] || fail "the installation wrote no machine hive"
grep -qF "\"InstallPath\"=\"$root/usr/share/tk73\"" "$hive" || fail "the hive names: $(cat "$hive")"
gid=$(sed -n 's/^tk73:[^:]*:\([0-9]*\):.*/\1/p' "$root/etc/group")
[ -n "$gid" ] || fail "the installation made no group tk73"
[ "$(stat -c '%u %g %a' "$data")" = "0 $gid 2770" ] || fail "data folder: $(stat -c '%u %g %a' "$data")"
[ -z "$(find "$root/usr/share/tk73" -perm /022)" ] || fail "the installation is writable"

# What the triggers of the MIME and desktop entry databases do on a real system.
XDG_DATA_DIRS="$root/usr/share" update-mime-database "$root/usr/share/mime"
update-desktop-database "$root/usr/share/applications"

# --- The users: uids of their own, a home with a documents folder and a session folder each.
base=$((30000 + $$ % 10000 * 3))
declare -A uid=([alice]=$base [bob]=$((base + 1)) [carol]=$((base + 2)))
declare -A groups=([alice]="--groups=$gid" [bob]="--groups=$gid" [carol]="--clear-groups")
test_uids="${uid[*]}"
for name in alice bob carol; do
    mkdir -p "$work/home/$name/Documents" "$work/run/$name"
    chown -R "${uid[$name]}:${uid[$name]}" "$work/home/$name" "$work/run/$name"
    chmod 700 "$work/run/$name"
done
# as NAME COMMAND...: the command as the user, in a clean desktop session's environment (one that
# says it is GNOME, so files open through GIO) with the installed programs on the path, umask 022.
as() {
    local name=$1
    shift
    (cd "$work/home/$name" && umask 022 &&
        env -i HOME="$work/home/$name" USER="$name" LANG=C.UTF-8 \
            PATH="$root/usr/bin:/usr/bin:/bin" XDG_RUNTIME_DIR="$work/run/$name" \
            XDG_DATA_DIRS="$root/usr/share:/usr/share" XDG_CURRENT_DESKTOP=GNOME \
            QT_QPA_PLATFORM=offscreen \
            setpriv --reuid="${uid[$name]}" --regid="${uid[$name]}" "${groups[$name]}" \
            --inh-caps=-all -- "$@")
}

# Everything in the root but the shared data folder, with its kind, rights, size and time.
listing() {
    find "$root" -path "$data" -prune -o -printf '%p %y %m %u %g %s %T@\n' | sort
}
# Every file the test's users own where they could write; a file of a run killed earlier that
# had the same uids is in the list taken before the users start. Other programs come and go in
# /tmp meanwhile, so find may miss a file that vanished under it: that is no failure.
owned() {
    {
        find "$work" /tmp /var/tmp /dev/shm -xdev \( -uid "${uid[alice]}" -o -uid "${uid[bob]}" \
            -o -uid "${uid[carol]}" \) -print 2>/dev/null || true
    } | sort -u
}
owned >"$work/owned-before"
# The files the users made outside the folders they may write: their XDG folders, their
# documents, their session folder and the installed data folder.
strays() {
    local name allowed=("^$data(/|$)")
    for name in alice bob carol; do
        local home="$work/home/$name"
        allowed+=("^$home(/\.config(/tk73(/.*)?)?|/\.local(/share(/tk73(/.*)?)?)?)?$"
            "^$home/(\.cache|Documents)(/.*)?$" "^$work/run/$name(/.*)?$")
    done
    owned | comm -13 "$work/owned-before" - | grep -Ev "$(IFS='|' && echo "${allowed[*]}")" || true
}

# The administrator sets the user mode of the register tool in the machine hive.
user_mode() {
    sed -i "/TK73TOOL\\\\SYSTEM\\]/,/^\\[/ s/\"UserMode\"=dword:.*/\"UserMode\"=dword:0000000$1/" \
        "$hive"
}

# price NAME [--store N]: PLU 12's price as the user reads it.
price() {
    local name=$1
    shift
    as "$name" tk73 get "$@" --file 4 --field "Unit price" --record 12 2>/dev/null | cut -f2
}

# --- User mode 2: the shared stores.
user_mode 2
listing >"$work/before"
store=$(as alice tk73 store create --name "Corner Market" --model 301) || fail "no store: $store"
[ "$store" = 1 ] || fail "the first store got number $store"
as alice tk73 set --store "$store" --file 4 --field "Unit price" --record 12 --value 349
archive="$work/home/alice/Documents/corner.crp"
as alice tk73 save --store "$store" --out "$archive" --yes
second=$(as alice tk73 open "$archive" --name "Corner Market 2")
[ "$second" = 2 ] || fail "the archive opened as store $second"
[ "$(price alice --store "$second")" = 349 ] || fail "the opened archive lost the price"
[ -n "$(find "$data" -mindepth 1 -perm /020)" ] && [ -z "$(find "$data" -mindepth 1 ! -perm -060)" ] ||
    fail "the stores are not all the group's: $(find "$data" -mindepth 1 ! -perm -060 | head -3)"
as bob tk73 set --store "$store" --file 4 --field "Unit price" --record 12 --value 350 ||
    fail "a member of tk73 cannot change a store another member made"
[ "$(price alice --store "$store")" = 350 ] || fail "bob's price did not reach alice"
shared=$(find "$data" -type f -printf '%p %s %T@\n' | sort)
if as carol tk73 set --store "$store" --file 4 --field "Unit price" --record 12 --value 1 \
    2>"$work/carol.err"; then
    fail "a user outside tk73 changed a shared store"
fi
[ "$(find "$data" -type f -printf '%p %s %T@\n' | sort)" = "$shared" ] ||
    fail "the refused user changed the shared data"
listing | diff "$work/before" - || fail "the users changed the installation"

# --- User mode 0: the user's own store, and the archive opened from the file manager.
user_mode 0
listing >"$work/before"
[ "$(as alice xdg-mime query filetype "$archive")" = application/x-tk73-archive ] ||
    fail "the archive is of type $(as alice xdg-mime query filetype "$archive")"
[ "$(as alice xdg-mime query default application/x-tk73-archive)" = com.kelvo.tk73tool.desktop ] ||
    fail "the shell does not open archives"
# The shell draws offscreen all the same.
as alice xdg-open "$archive" >"$work/open.log" 2>&1 ||
    fail "xdg-open failed: $(cat "$work/open.log")"
for _ in $(seq 600); do
    [ "$(price alice)" = 349 ] && break
    sleep 0.1
done
[ "$(price alice)" = 349 ] || fail "the shell did not load the archive within 60 s"
shell=$(pgrep -u "${uid[alice]}" -x tk73hub) || fail "the shell is not running"
[ "$(tr '\0' ' ' </proc/"$shell"/cmdline)" = "tk73hub $archive " ] ||
    fail "the shell was started as: $(tr '\0' ' ' </proc/"$shell"/cmdline)"
[ -d "$work/home/alice/.local/share/tk73/TK73DB/S001" ] || fail "the store is not in the XDG folder"
kill "$shell"
while kill -0 "$shell" 2>/dev/null; do sleep 0.1; done
listing | diff "$work/before" - || fail "the shell changed the installation"
leftover=$(strays)
[ -z "$leftover" ] || fail "written outside the data and XDG folders: $leftover"

# --- The completion reads tk73's help.
completions() {
    # shellcheck disable=SC1091
    PATH="$root/usr/bin:$PATH" bash -c '
        source "$0"; COMP_WORDS=("${@}"); COMP_CWORD=$(($# - 1)); _tk73
        printf "%s\n" "${COMPREPLY[@]}"' "$root/usr/share/bash-completion/completions/tk73" "$@" |
        sort | xargs
}
[ "$(completions tk73 st)" = "store stores" ] || fail "tk73 st completes to $(completions tk73 st)"
[ "$(completions tk73 store c)" = "copy create" ] || fail "store c: $(completions tk73 store c)"
[[ " $(completions tk73 save --) " == *" --out "* ]] || fail "save --: $(completions tk73 save --)"

# --- Installing again keeps the hive and the data, remove keeps them, purge removes them.
sum() { find "$root/etc/tk73" "$data" -type f -exec md5sum {} + | sort; }
kept=$(sum)
dpkg_root --install "$deb"
[ "$(sum)" = "$kept" ] || fail "installing again changed the hive or the data"
dpkg_root --remove tk73
[ ! -e "$root/usr/lib/tk73" ] || fail "remove left the programs"
[ "$(sum)" = "$kept" ] || fail "remove changed the hive or the data"
dpkg_root --purge tk73
[ ! -e "$root/etc/tk73" ] && [ ! -e "$data" ] || fail "purge left the hive or the data"
echo "package_test.sh: installed, used by members and others in both modes, and purged cleanly"
