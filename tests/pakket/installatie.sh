#!/usr/bin/env bash
# Unpacks the package of build directory $1 into a scratch root and runs its
# programs from there: they must find the module, the host libraries and the
# grid layouts inside the root, not in the build tree.
set -euo pipefail
build=$1
deb=$(ls "$build"/reservering_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "geen pakket in $build: eerst cpack"; exit 1; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
bin=$root/opt/reservering/bin
unset LD_LIBRARY_PATH RSV_GVL_PATH
export QT_QPA_PLATFORM=offscreen RSV_MACHINE_CONFIG=$root/werkplek

fail() { echo "FOUT: $*"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6network6 fonts-dejavu-core; do
  grep -q "$p" <<<"$depends" || fail "Depends mist $p: $depends"
done
# A fresh Debian 12 gets only what Depends pulls in: every library the
# programs load must come from one of those packages.
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces \
            --no-enhances $(sed 's/([^)]*)//g; s/,/ /g' <<<"$depends") | grep -v '^ ' | tr -d '<>' | sed 's/:.*//' | sort -u)
# By name: /lib and /usr/lib are one directory, dpkg knows only one of the two paths.
mapfile -t libs < <(find "$root/opt" -type f \( -perm -u+x -o -name '*.so' \) -exec ldd {} \; 2>/dev/null |
                    awk '/=> \//{print $3}' | grep -v "^$root" | xargs -r -n1 basename | sort -u)
[ ${#libs[@]} -gt 10 ] || fail "ldd vond te weinig bibliotheken: ${libs[*]}"
eigenaars=$(dpkg -S "${libs[@]/#/*/}" 2>/dev/null || true)
for lib in "${libs[@]}"; do
  pakketten=$(grep "/$lib\$" <<<"$eigenaars" | sed 's/: .*//; s/, /\n/g; s/:[a-z0-9]*//g' | sort -u)
  grep -qxF -f <(echo "$closure") <<<"$pakketten" ||
    fail "$lib (van '$(echo $pakketten)') valt buiten wat Depends binnenhaalt"
done

for f in usr/share/man/man1/rsvhost.1 usr/share/man/man1/rsvcheck.1 usr/share/applications/reservering.desktop \
         usr/share/icons/hicolor/scalable/apps/reservering.svg opt/reservering/share/gvl/Tlr/RsvKamer.gvl; do
  [ -f "$root/$f" ] || fail "$f ontbreekt"
done
[ "$(readlink "$root/usr/bin/rsvhost")" = /opt/reservering/bin/rsvhost ] || fail "/usr/bin/rsvhost wijst elders heen"
if ldd "$bin/rsvhost" | grep -q "$build"; then fail "rsvhost laadt bibliotheken uit de bouwmap"; fi

admin=$root/admin
"$bin/rsvdemo" "$admin" >/dev/null
functies=$("$bin/rsvhost" --admin "$admin" --list-functions)
grep -qx rsv_ovres <<<"$functies" || fail "rsvhost --list-functions: $functies"
[ "$("$bin/rsvcheck" "$admin")" = OK ] || fail "rsvcheck vindt fouten in de demo-administratie"
"$bin/rsvhost" --admin "$admin" --open rsv_kamer --screenshot "$root/kamers.png" || fail "rsvhost kan de kamers niet tonen"
echo "pakket in orde: $(basename "$deb")"
