#!/usr/bin/env bash
# Writes lorvane-cli's manual page (section 1, gzipped) from its --help text:
#   man-page.sh CLI VERSION OUTPUT.gz
# The help text's layout carries the page: its first line "name - summary", a line
# "usage: ...", plain paragraphs, one-word headings ending in ":" that open a section, and
# entries indented by two spaces (a term, then its description after two or more spaces or on
# lines indented further). The section "Examples" is kept line by line.
set -euo pipefail
cli=$1
version=$2
output=$3

help=$("$cli" --help)
printf '%s\n' "$help" | awk -v version="$version" '
function roff(text) {
    gsub(/\\/, "\\e", text)
    gsub(/-/, "\\-", text)
    if (text ~ /^[.\047]/)
        text = "\\&" text
    return text
}
function closeBlock() {
    if (verbatim && inBlock)
        print ".fi\n.RE"
    inBlock = 0
    paragraph = 0
}
NR == 1 {
    print ".TH LORVANE\\-CLI 1 \"\" \"Lorvane " version "\" \"User Commands\""
    print ".nh"
    print ".SH NAME"
    print roff($0)
    next
}
/^usage: / {
    closeBlock()
    sub(/^usage: [^ ]+ */, "")
    print ".SH SYNOPSIS"
    print ".B lorvane\\-cli"
    print "\\fI" roff($0) "\\fR"
    print ".SH DESCRIPTION"
    next
}
/^$/ { closeBlock(); next }
/^[A-Z][a-z]*:$/ {
    closeBlock()
    heading = toupper(substr($0, 1, length($0) - 1))
    print ".SH " heading
    verbatim = heading == "EXAMPLES"
    next
}
/^[^ ]/ {
    if (!paragraph)
        print ".PP"
    paragraph = 1
    print roff($0)
    next
}
verbatim {
    if (!inBlock)
        print ".RS\n.nf"
    inBlock = 1
    sub(/^ +/, "")
    print roff($0)
    next
}
/^  [^ ]/ {
    closeBlock()
    line = substr($0, 3)
    term = line
    text = ""
    if (match(line, /  +/)) {
        term = substr(line, 1, RSTART - 1)
        text = substr(line, RSTART + RLENGTH)
    }
    split(term, words, " ")
    rest = substr(term, length(words[1]) + 1)
    print ".TP"
    print "\\fB" roff(words[1]) "\\fR" roff(rest)
    if (text != "")
        print roff(text)
    next
}
{
    sub(/^ +/, "")
    print roff($0)
}
END {
    closeBlock()
    print ".SH SEE ALSO"
    print ".BR lorvane (1)"
}
' | gzip -9n >"$output.tmp"
mv "$output.tmp" "$output"
