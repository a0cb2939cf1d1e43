# bash completion for tarvelle-cli: its options, and the names each takes.
# Safe under `set -eu`: no command's failure ends it, no unset name is read.

# Files whose name ends in $1 (any case), and folders, completing $2.
_tarvelle_cli_files() {
    local suffix=$1 cur=$2 name
    COMPREPLY=()
    while IFS= read -r name; do
        if [[ -d $name || ${name,,} == *"$suffix" ]]; then
            COMPREPLY+=("$name")
        fi
    done < <(compgen -f -- "$cur" || true)
    compopt -o filenames 2>/dev/null || true
}

_tarvelle_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]:-}
    local prev=""
    if ((COMP_CWORD > 0)); then
        prev=${COMP_WORDS[COMP_CWORD-1]:-}
    fi
    # --product=8 is split at "=" by COMP_WORDBREAKS, or not; when not, the
    # replies keep the option in front.
    local front=""
    if [[ $cur == --*=* ]]; then
        prev=${cur%%=*}
        front=$prev=
        cur=${cur#*=}
    elif [[ $cur == = && $prev == --* ]]; then
        cur=""
    elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then
        prev=${COMP_WORDS[COMP_CWORD-2]:-}
    fi
    _tarvelle_cli_words "$prev" "$cur"
    if [[ -n $front ]]; then
        COMPREPLY=("${COMPREPLY[@]/#/$front}")
    fi
    return 0
}

# The replies to $2 after the word $1.
_tarvelle_cli_words() {
    local prev=$1 cur=$2
    local options="--pin --pmin-analog --pmin-digital --pmax-analog --pmax-digital
        --product --cable --plan --units --length --runs --choose --feed-range --plot --report
        --project --site --prepared-by --format -h --help --version"
    local words=""
    case $prev in
        --product) words="balun 8-port 16-port" ;;
        --cable) words="cat5e cat6 cat6a cat7" ;;
        --plan) words="1 2" ;;
        --units) words="dBmV dBuV" ;;
        --format) words="text csv json" ;;
        --runs) _tarvelle_cli_files "" "$cur"; return 0 ;;
        --plot) _tarvelle_cli_files .svg "$cur"; return 0 ;;
        --report) _tarvelle_cli_files .html "$cur"; return 0 ;;
        --pin | --pmin-analog | --pmin-digital | --pmax-analog | --pmax-digital | --length | \
            --project | --site | --prepared-by)
            COMPREPLY=(); return 0 ;;
        *) words=$options ;;
    esac
    mapfile -t COMPREPLY < <(compgen -W "$words" -- "$cur" || true)
}

complete -F _tarvelle_cli tarvelle-cli
