#!/usr/bin/env bash
# Runs every tool example of the documents and compares what the tool prints
# with what the document shows, so the documents cannot drift from the tool.
#
# An example is a fenced block opened with ```console: each line "$ tolmer
# ARGS" is a command (as a shell reads it), the lines after it up to the next
# "$ " line or the end of the block are what it prints, standard output and
# standard error together, and a last line "(exit code N)" gives a non-zero
# exit code. Trailing spaces and trailing empty lines are not compared.
#
# Usage: scripts/check-docs.sh [--update] [--tolmer PATH] [FILE...]
#   --update   rewrite each example's output with what the tool prints now
#   --tolmer   the tool to run (default build/tools/tolmer; scripts/run.sh
#              builds it)
#   FILE       the documents (default README.md docs/tool.md)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

update=0
tool="$root/build/tools/tolmer"
files=()
while (($#)); do
  case "$1" in
    --update) update=1 ;;
    --tolmer) tool="$2"; shift ;;
    -h|--help) sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) files+=("$1") ;;
  esac
  shift
done
((${#files[@]})) || files=("$root/README.md" "$root/docs/tool.md")
[ -x "$tool" ] || { echo "check-docs: no tool at $tool (build it: scripts/run.sh --version)"; exit 2; }

# What a command line prints, with its exit code as the last line when not 0.
run_example() {
  local command="$1" output code=0
  output="$(cd "$root" && tolmer() { "$tool" "$@"; } && eval "$command" 2>&1 </dev/null)" || code=$?
  printf '%s\n' "$output"
  if ((code != 0)); then printf '(exit code %d)\n' "$code"; fi
}

# Lines without trailing spaces, and without trailing empty lines.
normalised() { sed -e 's/[[:space:]]*$//' | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}'; }

examples=0
failures=0
for file in "${files[@]}"; do
  rewritten="$(mktemp)"
  in_block=0
  command=""
  shown=""
  shown_lines=0
  finish() {  # the example in progress: compare, and write it out when updating
    [ -n "$command" ] || return 0
    examples=$((examples + 1))
    local actual
    actual="$(run_example "${command#\$ }")"
    if [ "$(printf '%s\n' "$shown" | normalised)" != "$(printf '%s\n' "$actual" | normalised)" ]; then
      if ((update)); then
        echo "updated: ${file#"$root"/}: $command"
      else
        failures=$((failures + 1))
        echo "FAIL ${file#"$root"/}: $command"
        diff <(printf '%s\n' "$shown" | normalised) <(printf '%s\n' "$actual" | normalised) |
          sed 's/^/    /' || true
      fi
    fi
    if ((update)); then
      printf '%s\n' "$command" >>"$rewritten"
      printf '%s\n' "$actual" | normalised >>"$rewritten"
      # Keep the empty line that separates it from the next example.
      if ((shown_lines > 0)) && [ -z "$(printf '%s\n' "$shown" | tail -n 1)" ]; then echo >>"$rewritten"; fi
    else
      printf '%s\n' "$command" >>"$rewritten"
      ((shown_lines == 0)) || printf '%s\n' "$shown" >>"$rewritten"
    fi
    command=""
    shown=""
    shown_lines=0
  }
  while IFS= read -r line || [ -n "$line" ]; do
    if ((in_block)); then
      if [[ "$line" == '```'* ]]; then
        finish
        in_block=0
        printf '%s\n' "$line" >>"$rewritten"
      elif [[ "$line" == '$ '* ]]; then
        finish
        if [[ "$line" != '$ tolmer '* && "$line" != '$ tolmer' ]]; then
          failures=$((failures + 1))
          echo "FAIL ${file#"$root"/}: a console block runs something other than tolmer: $line"
        fi
        command="$line"
        shown=""
      elif [ -n "$command" ]; then
        if ((shown_lines == 0)); then shown="$line"; else shown+=$'\n'"$line"; fi
        shown_lines=$((shown_lines + 1))
      else
        printf '%s\n' "$line" >>"$rewritten"
      fi
    else
      [[ "$line" == '```console' ]] && in_block=1
      printf '%s\n' "$line" >>"$rewritten"
    fi
  done <"$file"
  if ((update)); then
    cat "$rewritten" >"$file"
  fi
  rm -f "$rewritten"
done

echo "check-docs: $examples examples, $failures failed"
((failures == 0))
