#!/usr/bin/env bash
# The AppStream metainfo: appstreamcli finds nothing to warn about, and it agrees with the desktop
# file, the project's version and the screenshots in the repository.
# Usage: metainfo.sh PROJECT_VERSION
set -u
version=$1
source_dir=$(realpath "$(dirname "$0")/../..")
fail() { echo "FAIL: $*"; exit 1; }
command -v appstreamcli >/dev/null || fail "appstreamcli is not installed (scripts/install-deps.sh)"
id=io.github.felux.Felux
metainfo=$source_dir/resources/$id.metainfo.xml
desktop=$source_dir/resources/$id.desktop
[[ -f $desktop ]] || fail "no desktop file named for the id $id"

# Errors and warnings fail the validation; a hint (a missing content rating is one) fails here too.
report=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1) || fail "validation: $report"
grep -q '^[EWI]:' <<<"$report" && fail "validation hints: $report"

tag() { sed -n "s#.*<$1\\( [^>]*\\)\\?>\\(.*\\)</$1>.*#\\2#p" "$metainfo"; }
[[ $(tag id) == "$id" ]] || fail "id is '$(tag id)'"
[[ $(tag launchable) == "$id.desktop" ]] || fail "launchable is '$(tag launchable)'"
# A software centre offers the player for exactly the types its desktop file opens.
declared=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort)
provided=$(tag mediatype | sort)
[[ $provided == "$declared" ]] || fail "media types differ from the desktop file: $(diff <(echo "$declared") <(echo "$provided"))"
newest=$(sed -n 's#.*<release version="\([^"]*\)".*#\1#p' "$metainfo" | head -n1)
[[ $newest == "$version" ]] || fail "newest release is '$newest', the project is $version"

# Each screenshot is the published copy of one in resources/screenshots, and small.
urls=$(tag image)
[[ -n $urls ]] || fail "no screenshots"
for url in $urls; do
  [[ $url =~ ^https://raw\.githubusercontent\.com/felux/felux/main/(resources/screenshots/[a-z-]+\.png)$ ]] ||
    fail "screenshot URL $url is not the repository's raw path"
  file=$source_dir/${BASH_REMATCH[1]}
  [[ $(identify -format '%m' "$file" 2>/dev/null) == PNG ]] || fail "no PNG at ${BASH_REMATCH[1]}"
  (($(stat -c %s "$file") <= 100 * 1024)) || fail "${BASH_REMATCH[1]} is over 100 KiB"
done
echo "metainfo: 1 passed, 0 failed"
