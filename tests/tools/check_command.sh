#!/bin/sh
# check_command.sh QUILLO_SITE : the command line of `quillo-site check`:
# exit status 1 and one line per problem on a faulty tree, 0 on a clean one.
set -u
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

"$tool" init "$dir" >/dev/null || { echo "init failed"; exit 1; }
"$tool" check "$dir" >/dev/null || { echo "a starter tree does not pass check"; exit 1; }

printf 'on' > "$dir/ads/ksqd.html"
rm "$dir/ads/btsj.html"
out=$("$tool" check "$dir" 2>/dev/null)
rc=$?
echo "$out"
[ "$rc" -eq 1 ] || { echo "exit status $rc, expected 1"; exit 1; }
[ "$(echo "$out" | wc -l)" -eq 2 ] || { echo "expected two lines"; exit 1; }
echo "$out" | grep -q "^ads/ksqd.html: .*; fix: quillo-site set $dir ads/ksqd.html on (or off)$" \
  || { echo "no line for ads/ksqd.html with its fix"; exit 1; }
echo "$out" | grep -q "^ads/btsj.html: missing" || { echo "no line for ads/btsj.html"; exit 1; }

"$tool" set "$dir" ads/ksqd.html off >/dev/null || { echo "set failed"; exit 1; }
"$tool" set "$dir" ads/btsj.html 60 >/dev/null || { echo "set failed"; exit 1; }
"$tool" check "$dir" >/dev/null || { echo "the mended tree does not pass check"; exit 1; }
"$tool" set "$dir" ads/ksqd.html maybe 2>/dev/null && { echo "a bad switch value was taken"; exit 1; }
"$tool" bogus 2>/dev/null; [ $? -eq 2 ] || { echo "usage error must exit 2"; exit 1; }

# Options answer and write nothing, for the tool and for each command.
cd "$dir" || exit 1
for words in "--help" "--version" "init --help" "init --version" "check --help" "set --help"; do
  # shellcheck disable=SC2086
  out=$("$tool" $words) || { echo "'$words' did not exit 0"; exit 1; }
  [ -n "$out" ] || { echo "'$words' printed nothing"; exit 1; }
done
[ ! -e "$dir/--help" ] && [ ! -e "$dir/--version" ] || { echo "an option was taken for a directory"; exit 1; }
"$tool" --version | grep -q '^quillo-site [0-9][0-9.]*$' || { echo "no version line"; exit 1; }
"$tool" init --bogus 2>/dev/null; [ $? -eq 2 ] || { echo "an unknown option must exit 2"; exit 1; }
"$tool" init -- --starter >/dev/null && [ -f "$dir/--starter/index.html" ] \
  || { echo "init -- --starter did not write the tree"; exit 1; }
exit 0
