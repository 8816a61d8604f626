#!/usr/bin/env bash
# Fails when a C++ file under src/, tests/, bench/, tools/ or fuzz/ is not formatted as
# .clang-format says, and names each such file. Fix one with `clang-format -i FILE`.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is not installed (scripts/deps.sh installs it)" >&2; exit 2; }
unformatted=()
while IFS= read -r -d '' f; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done < <(find src tests bench tools fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted (clang-format -i FILE):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
echo "All files formatted."
