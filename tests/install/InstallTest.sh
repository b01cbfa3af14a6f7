#!/usr/bin/env bash
# Installs the build into a temporary prefix, as `cmake --install` would for a
# user, and checks what the desktop and the shell get from it: the file list,
# the desktop entry and metainfo as their validators see them, the file type as
# the desktop looks it up, the thumbnailer as a file manager runs it, the
# manual page against td4's own help, and the bash completion; then uninstalls
# and checks that the desktop no longer knows the file type. Needs no root.
#   InstallTest.sh BUILD_DIR EXPECTED_FILES EXAMPLE_DESIGN
set -euo pipefail
build=$1 expected=$2 example=$3
app_id=org.tivora.track_decoder
file_type=application/x-td4-track-design

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
export PATH="$prefix/bin:$PATH"

echo "-- installed files"
# Besides the files a package holds, an install straight into a prefix leaves
# the file-type database and the desktop entries' type index rebuilt.
(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$work/installed.txt"
awk '(!/^share\/mime\// || /^share\/mime\/packages\//) && $0 != "share/applications/mimeinfo.cache"' \
  "$work/installed.txt" | diff -u "$expected" - || fail "the installed files differ from $expected"
for cache in share/mime/mime.cache share/applications/mimeinfo.cache; do
  [ -f "$prefix/$cache" ] || fail "the install did not refresh $cache"
done

echo "-- desktop entry and metainfo"
desktop-file-validate "$share/applications/$app_id.desktop" >"$work/desktop.txt" 2>&1 || true
[ ! -s "$work/desktop.txt" ] || fail "desktop-file-validate: $(cat "$work/desktop.txt")"
appstreamcli validate --no-net --pedantic "$share/metainfo/$app_id.metainfo.xml" >"$work/metainfo.txt" 2>&1 ||
  fail "appstreamcli validate failed"
if grep -E '^[EWIP]: ' "$work/metainfo.txt"; then fail "appstreamcli validate has findings"; fi

echo "-- file type"
# The compiled globs show whether the pattern ignores case, which not every reader of them honours.
globs=$(grep -s ":$file_type:" "$share/mime/globs2" || true)
[ "$globs" = "50:$file_type:*.td4" ] || fail "the file type's globs are not *.td4 regardless of case: $globs"
mkdir -p "$work/home" "$work/designs"
cp "$example" "$work/designs/track.td4"
cp "$example" "$work/designs/TRACK.TD4"
for design in "$work/designs/track.td4" "$work/designs/TRACK.TD4"; do
  found=$(XDG_DATA_HOME="$work/home" XDG_DATA_DIRS="$share" xdg-mime query filetype "$design" || true)
  [ "$found" = "$file_type" ] || fail "xdg-mime calls ${design##*/} $found, not $file_type"
done

echo "-- thumbnailer"
entry="$share/thumbnailers/$app_id.thumbnailer"
[ "$(head -n 1 "$entry")" = "[Thumbnailer Entry]" ] || fail "$entry is not a thumbnailer entry"
grep -qx "MimeType=$file_type;" "$entry" || fail "the thumbnailer is not for $file_type"
try_exec=$(sed -n 's/^TryExec=//p' "$entry")
[ "$(command -v "$try_exec")" = "$prefix/bin/td4" ] || fail "the thumbnailer's TryExec=$try_exec is not the installed td4"
read -ra exec_words <<<"$(sed -n 's/^Exec=//p' "$entry")"
for size in 128 256; do
  # As a file manager runs it: %s the size, %i the design, %o a picture named as it likes.
  thumbnail="$work/thumbnail-$size"
  command=()
  for word in "${exec_words[@]}"; do
    case $word in
      %s) command+=("$size") ;;
      %i) command+=("$work/designs/track.td4") ;;
      %o) command+=("$thumbnail") ;;
      *) command+=("$word") ;;
    esac
  done
  "${command[@]}" || fail "the thumbnailer failed: ${command[*]}"
  picture=$(file -b "$thumbnail" 2>&1)
  [[ $picture == "PNG image data, $size x $((size * 3 / 4)),"* ]] || fail "the thumbnail at $size is $picture"
done

echo "-- manual pages"
for page in td4 tivora-track-decoder; do
  groff -man -ww -z "$share/man/man1/$page.1" 2>"$work/groff.txt" || true
  [ ! -s "$work/groff.txt" ] || fail "groff warns on $page.1: $(cat "$work/groff.txt")"
done
# The page as a reader sees its words: roff's escaped hyphens and font changes undone.
sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$share/man/man1/td4.1" >"$work/td4.1.txt"
commands=$(td4 --help | sed -n '/^Subcommands:/,$s/^  \([a-z][a-z]*\) .*/\1/p')
[ -n "$commands" ] || fail "td4 --help lists no commands"
options_of() { "$@" --help | grep -oE -- '(^|[ ,])--?[a-zA-Z][-a-zA-Z]*' | sed 's/^[ ,]//' | sort -u; }
for command in $commands; do
  grep -qE "^\.BI? \"?$command( |\"|$)" "$work/td4.1.txt" || fail "td4.1 has no entry for the command $command"
  for option in $(options_of td4 "$command"); do
    grep -qE -- "(^|[^-a-zA-Z])$option([^-a-zA-Z]|$)" "$work/td4.1.txt" || fail "td4.1 does not name $option of td4 $command"
  done
done
for option in $(options_of td4); do
  grep -qE -- "(^|[^-a-zA-Z])$option([^-a-zA-Z]|$)" "$work/td4.1.txt" || fail "td4.1 does not name $option of td4"
done
version=$(td4 --version | awk '{ print $NF }')
grep -q "\"td4 $version\"" "$share/man/man1/td4.1" || fail "td4.1 is not of version $version"
grep -q "<release version=\"$version\"" "$share/metainfo/$app_id.metainfo.xml" ||
  fail "the metainfo does not name release $version"

echo "-- bash completion"
touch "$work/designs/notes.txt" "$work/designs/view.png"
complete_line() {
  (cd "$work/designs" && bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    shift
    COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE="$*" && COMP_POINT=${#COMP_LINE}
    _td4 td4 "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
    printf "%s\n" "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd " "' _ "$share/bash-completion/completions/td4" "$@")
}
check_completion() {
  local expected=$1 found
  shift
  found=$(complete_line "$@")
  [ "$found" = "$expected" ] || fail "completing '$*' gives '$found', not '$expected'"
}
check_completion "list" td4 li
check_completion "--json" td4 list --j
check_completion "--output" td4 mirror --o
check_completion "TRACK.TD4 track.td4" td4 check ""
check_completion "TRACK.TD4 notes.txt track.td4 view.png" td4 export track.td4 ""
check_completion "" td4 thumbnail -s ""
check_completion "TRACK.TD4 track.td4" td4 thumbnail -s 256 ""
check_completion "view.png" td4 thumbnail -s 256 track.td4 ""
check_completion "catalog check" td4 c
check_completion "--jobs --json" td4 catalog --j
check_completion "" td4 catalog --jobs ""

echo "-- uninstall"
cmake --build "$build" --target uninstall >/dev/null
left=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | LC_ALL=C comm -12 - "$expected")
[ -z "$left" ] || fail "the uninstall left $(echo $left)"
for design in "$work/designs/track.td4" "$work/designs/TRACK.TD4"; do
  found=$(XDG_DATA_HOME="$work/home" XDG_DATA_DIRS="$share" xdg-mime query filetype "$design" || true)
  [ "$found" != "$file_type" ] || fail "after the uninstall xdg-mime still calls ${design##*/} $file_type"
done
if grep -qs "$app_id" "$share/applications/mimeinfo.cache"; then
  fail "after the uninstall the desktop's type index still names $app_id"
fi

[ "$failures" -eq 0 ] || { echo "$failures failures" >&2; exit 1; }
echo "all installed files check out"
