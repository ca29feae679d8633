#!/usr/bin/env bash
# format.sh fix|check: formats the tree's C++ sources with clang-format
# (.clang-format), or lists the files that are not formatted and fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.cc' '*.hpp')
[ ${#files[@]} -eq 0 ] && exit 0
case "${1:-check}" in
  fix)
    clang-format -i "${files[@]}"
    ;;
  check)
    bad=()
    for f in "${files[@]}"; do
      clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
    done
    if [ ${#bad[@]} -gt 0 ]; then
      printf 'not formatted (./qv format fixes it): %s\n' "${bad[@]}"
      exit 1
    fi
    echo "format: ${#files[@]} files formatted"
    ;;
esac
