#!/usr/bin/env bash
# Checks the pictures that the user's guide names against the ones scripts/screenshots just
# took from the real programs: each was taken, is not blank (16 colours at least) and has the
# size of the committed picture, so that a dialog that changed without its picture is noticed.
#
#   check_guide_pictures.sh FOLDER   (FOLDER: where scripts/screenshots put its pictures)
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
taken=$1
passed=0
failed=0

fail() { echo "FAIL  $1: $2"; failed=$((failed + 1)); }

mapfile -t pictures < <(grep -oE '\]\(images/[^)]+\.png\)' "$ROOT/docs/guide.md" | sed -E 's/^\]\(images\/(.*)\)$/\1/' | sort -u)
[ ${#pictures[@]} -gt 0 ] || fail "docs/guide.md" "names no picture"
for picture in "${pictures[@]}"; do
    committed="$ROOT/docs/images/$picture" fresh="$taken/$picture"
    if [ ! -f "$committed" ]; then fail "$picture" "not committed under docs/images"; continue; fi
    if [ ! -f "$fresh" ]; then fail "$picture" "not taken by scripts/screenshots"; continue; fi
    colours=$(identify -format '%k' "$fresh" 2>/dev/null || echo 0)
    if [ "$colours" -lt 16 ]; then fail "$picture" "blank ($colours colours)"; continue; fi
    want=$(identify -format '%wx%h' "$committed") got=$(identify -format '%wx%h' "$fresh")
    if [ "$want" != "$got" ]; then
        fail "$picture" "the dialog is $got now, the committed picture $want: look at it and run scripts/screenshots --update"
        continue
    fi
    passed=$((passed + 1))
done
echo "guide-pictures: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
