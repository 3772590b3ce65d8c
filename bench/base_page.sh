#!/bin/sh
# The page to set beside this one in `make web-bench BASE=...`: a page's path
# as it is, or a commit's page, built in a tree of its own outside the
# repository (by its hash, under the temporary folder, built once and kept).
# Prints the page's path; the build talks on stderr.
#     bench/base_page.sh COMMIT|PAGE
set -eu

base=$1
if [ -f "$base" ]; then
    echo "$base"
    exit 0
fi
if ! commit=$(git rev-parse --verify --quiet "$base^{commit}"); then
    echo "base_page.sh: '$base' is neither a page nor a commit" >&2
    exit 2
fi
tree=${TMPDIR:-/tmp}/quorvel-base-$commit
page=$tree/build/web/quorvel.html
if [ ! -f "$page" ]; then
    # The commit's files alone: nothing of the repository is touched.
    rm -rf "$tree"
    mkdir -p "$tree"
    git archive "$commit" | tar -x -C "$tree"
    (cd "$tree" && cmake --preset web && cmake --build --preset web -j "${JOBS:-2}") >&2
fi
echo "$page"
