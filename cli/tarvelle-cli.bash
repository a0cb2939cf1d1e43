# bash completion for tarvelle-cli: its options, and the names each takes.

_tarvelle_cli() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    local options="--pin --pmin-analog --pmin-digital --pmax-analog --pmax-digital
        --product --cable --plan --units --length --runs --choose --plot --report
        --format --help --version"

    case $prev in
        --product) mapfile -t COMPREPLY < <(compgen -W "balun 8-port 16-port" -- "$cur"); return ;;
        --cable) mapfile -t COMPREPLY < <(compgen -W "cat5e cat6 cat6a cat7" -- "$cur"); return ;;
        --plan) mapfile -t COMPREPLY < <(compgen -W "1 2" -- "$cur"); return ;;
        --units) mapfile -t COMPREPLY < <(compgen -W "dBmV dBuV" -- "$cur"); return ;;
        --format) mapfile -t COMPREPLY < <(compgen -W "text csv json" -- "$cur"); return ;;
        --runs) mapfile -t COMPREPLY < <(compgen -f -- "$cur"); compopt -o filenames; return ;;
        --plot) mapfile -t COMPREPLY < <(compgen -f -X '!*.svg' -- "$cur"; compgen -d -- "$cur")
            compopt -o filenames; return ;;
        --report) mapfile -t COMPREPLY < <(compgen -f -X '!*.html' -- "$cur"; compgen -d -- "$cur")
            compopt -o filenames; return ;;
        --pin | --pmin-analog | --pmin-digital | --pmax-analog | --pmax-digital | --length)
            return ;;
    esac
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
}

complete -F _tarvelle_cli tarvelle-cli
