#!/usr/bin/env bash
# The manual page keeps step with the program: its OPTIONS section lists exactly the options
# of --help, the Qt options it names exist in --help-all, and its version is the program's.
#   test_man_page.sh <tavrin> <tavrin.6>
set -euo pipefail
exe=$1 page=$2
export -n DISPLAY

# Option names in a roff section: the first words of the lines that follow .TP.
man_options() {
    sed -n "/^\.S[HS] $1\$/,/^\.S[HS] /p" "$page" |
        awk 'after_tp { print; after_tp = 0 } /^\.TP/ { after_tp = 1 }' |
        sed 's/\\-/-/g' | grep -oE '(^|[ "])--?[a-z][a-z-]*' | tr -d ' "' | sort -u
}
# Option names in help text: the words that start with a dash on the option lines.
help_options() {
    grep -E '^  +-' | sed 's/^ *//; s/  .*//' | tr ',' '\n' | sed 's/ <.*//; s/ //g' | sort -u
}

status=0
if ! differences=$(diff <(man_options OPTIONS) <("$exe" --help | help_options)); then
    echo "FAIL: OPTIONS in $page (<) differ from tavrin --help (>):"
    echo "$differences"
    status=1
fi

qt_all=$("$exe" --help-all | help_options)
for option in $(sed -n '/^\.SS Qt options$/,/^\.SH /p' "$page" | sed 's/\\-/-/g' |
    grep -oE '^\.BI? -[a-z]+' | awk '{ print $2 }'); do
    grep -qx -- "-$option" <<<"$qt_all" || {
        echo "FAIL: $page names the Qt option $option, which --help-all does not list"
        status=1
    }
done

page_version=$(sed -n 's/^\.TH .*"Tavrin \([^"]*\)".*/\1/p' "$page")
program_version=$("$exe" --version | awk '{ print $2 }')
if [ "$page_version" != "$program_version" ]; then
    echo "FAIL: $page is for version '$page_version', the program is $program_version"
    status=1
fi
[ $status -eq 0 ] && echo "PASS: $(man_options OPTIONS | wc -l) options, version $program_version"
exit $status
