#!/usr/bin/env bash
# Validates the desktop entry and the metainfo, installs into a temporary DESTDIR and checks the
# installed tree, and checks that the man page matches the table tool's --help.
set -u
source_dir=$1 build_dir=$2
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

id=org.zudozurize.ZudozUrize
desktop-file-validate "$source_dir/data/$id.desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$source_dir/data/$id.metainfo.xml" || fail "metainfo does not validate"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build_dir" --prefix /usr >/dev/null || fail "cmake --install"
for path in bin/zudozurize bin/zudozurize-table; do
    [ -x "$root/usr/$path" ] || fail "$path is not installed as a program"
done
for path in share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
    share/icons/hicolor/256x256/apps/$id.png share/man/man1/zudozurize-table.1.gz; do
    [ -s "$root/usr/$path" ] || fail "$path is missing"
done
unexpected=$(cd "$root/usr" && find . -type f | grep -v -E '^\./(bin|share/(applications|metainfo|icons|man))/')
[ -z "$unexpected" ] || fail "unexpected files installed: $unexpected"

entry=$root/usr/share/applications/$id.desktop
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
[ "$(sed -n 's/^Icon=//p' "$entry")" = "$id" ] || fail "Icon is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo does not launch the desktop entry"
file "$root/usr/share/icons/hicolor/256x256/apps/$id.png" | grep -q "256 x 256" || fail "256 icon size"

rows=$("$root/usr/bin/zudozurize-table" 1 0 1 1 | tail -n 1)
[ "$rows" = "1.00    0.36788" ] || fail "installed table tool prints '$rows'"

# The man page tells what --help tells: every equation and every exit status.
man_page=$root/man.1
gzip -dc "$root/usr/share/man/man1/zudozurize-table.1.gz" >"$man_page" || fail "man page is not gzip"
help=$("$root/usr/bin/zudozurize-table" --help)
while IFS= read -r equation; do
    grep -qxF "$equation" "$man_page" || fail "man page lacks equation '$equation'"
done < <(printf '%s\n' "$help" | sed -n 's/^  [1-6]  //p')
for status in 0 1 2; do
    grep -q "^\.B $status\$" "$man_page" || fail "man page lacks exit status $status"
done
grep -qF -- '\-\-help' "$man_page" || fail "man page lacks --help"

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "install: all checks passed"
