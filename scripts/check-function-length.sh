#!/usr/bin/env bash
# Functions a reader can take in at once: none under src/ over 120 lines, none of the
# styler's over 80, none of the editor view's (src/editor/ui) over 60; and no source file
# under src/ over 800 lines. Tables of data (one row a line) are exempt by name below. Needs
# universal-ctags (scripts/deps.sh --test installs it). Usage: check-function-length.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
command -v ctags >/dev/null || { echo "ctags is not installed (scripts/deps.sh --test installs universal-ctags)" >&2; exit 2; }
# name@file of the data tables: the menu rows, the emoji names, the symbol files (a table made
# by a lambda), the commands.
tables='^(table@src/app/ui/MenuTable.cpp|table@src/editor/Emoji.cpp|(table|__anon[0-9a-f]+)@src/platform/ui/Icons.cpp|buildAll@src/commands/CommandRegistry.cpp)$'
status=0
ctags -R -x --languages=C++ --kinds-C++=f --fields=+ne --_xformat='%{end} %n %F %N' src |
  awk -v tables="$tables" '
    {
      length_ = $1 - $2 + 1
      limit = 120
      if ($3 ~ /^src\/styling\/(MarkdownStyler|MarkdownEmphasis|TableStyling)/) limit = 80
      if ($3 ~ /^src\/editor\/ui\//) limit = 60
      if (length_ > limit && ($4 "@" $3) !~ tables) {
        printf "%s:%d: %s is %d lines (at most %d)\n", $3, $2, $4, length_, limit
        long++
      }
    }
    END { if (long) { print long " function(s) too long" > "/dev/stderr"; exit 1 } }' || status=1
# Files a reader can find their way through: none over 800 lines.
find src -type f \( -name '*.cpp' -o -name '*.h' \) -exec wc -l {} + |
  awk '$2 != "total" && $1 > 800 { printf "%s: %d lines (at most 800)\n", $2, $1; long++ }
       END { if (long) { print long " file(s) too long" > "/dev/stderr"; exit 1 } }' || status=1
exit $status
