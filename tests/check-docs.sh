#!/usr/bin/env bash
# The rule as the game plays it, in every text a player reads: up to five
# cards selected, a drop of exactly five that make a hand. A text that lets
# fewer cards be dropped ("pick up to five ... and drop them") is wrong.
# usage: check-docs.sh SOURCE_FOLDER
set -u
source=$1
status=0
for doc in README.md data/pelmora.6 data/org.example.pelmora.metainfo.xml data/windows/README.txt.in; do
  # Lines joined, so a wrapped sentence is read whole.
  text=$(tr -s '\n\t ' '   ' < "$source/$doc")
  if grep -Eiq 'pick up to five|up to five( free)? cards[^.;]*(and|to) drop|drop (up to|any) ' <<< "$text"; then
    echo "$doc lets fewer than five cards be dropped"; status=1
  fi
  grep -Eiq 'exactly five' <<< "$text" || { echo "$doc does not say a drop needs exactly five cards"; status=1; }
done
exit $status
