#!/usr/bin/env bash
# Names the source line that wrote a line of the launcher's log. A line's
# "<tag>(<number>)" is the LOG_TAG of the file and the line of its
# VLOG_<LEVEL> call, or the number the call passes; several files share a tag,
# so the level and the start of the message decide between them. Prints
# <file>:<line> for each call that fits (one, unless two calls of a tag
# share a number and a start); exits 1 when none does.
#   Usage: scripts/log-source.sh '<a line of launcher.log>'
#   e.g.   scripts/log-source.sh "$(grep -m1 ERROR ~/.VelmoraDrive/log/launcher.log)"
set -euo pipefail
cd "$(dirname "$0")/.."
logged=${1:?usage: scripts/log-source.sh '<a line of launcher.log>'}
if ! [[ $logged =~ \[([A-Z]+)\]\ ([a-zA-Z/_.-]+)\(([0-9]+)\):\ ?(.*)$ ]]; then
    echo "log-source: no '[LEVEL] tag(line):' in: $logged" >&2
    exit 2
fi
level=${BASH_REMATCH[1]} tag=${BASH_REMATCH[2]} number=${BASH_REMATCH[3]} message=${BASH_REMATCH[4]}

# Each logging statement of a file, joined up to its ");", as
# <file>:<line>:<logged number>:<level>:<the message's fixed start>.
calls() {
    awk -v file="$1" '
        function report(   args, number, level, start) {
            match(statement, /VLOG_[A-Z]+\(/)
            level = substr(statement, RSTART + 5, RLENGTH - 6)
            args = substr(statement, RSTART + RLENGTH)
            number = args
            sub(/,.*/, "", number)
            gsub(/[ \t]/, "", number)
            if (number == "__LINE__") number = first
            else if (number !~ /^[0-9]+$/) number = "*"  # counted at run time
            start = args
            sub(/^[^,]*,[ \t]*"/, "", start)
            sub(/[%"\\].*/, "", start)
            print file ":" first ":" number ":" level ":" start
        }
        /VLOG_[A-Z]+\(/ { first = FNR; statement = "" }
        first { statement = statement $0; if ($0 ~ /\);[ \t]*$/) { report(); first = 0 } }
    ' "$1"
}

found=0
while IFS= read -r file; do
    while IFS=: read -r path line logged_number logged_level start; do
        if [[ ($logged_number == "$number" || $logged_number == "*") && $logged_level == "$level" && $message == "$start"* ]]; then
            echo "$path:$line"
            found=1
        fi
    done < <(calls "$file")
done < <(grep -rlF --include='*.cpp' "#define LOG_TAG \"$tag\"" lib ui-client tools)
[ "$found" = 1 ] || { echo "log-source: no call logs '[$level] $tag($number)' with that message" >&2; exit 1; }
