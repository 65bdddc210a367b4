# bash completion for lunara and lunara-cli: the commands, their options, and the values of
# --kinds, --format, --hemisphere, --planets, --zone and --place.

_lunara_kinds="quarters ingresses void sabbats eclipses stations moons supermoons risings"

_lunara() {
    local cur prev command word i
    COMPREPLY=()
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    command=
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case $word in
        now | today | events)
            command=$word
            break
            ;;
        esac
    done
    case $prev in
    --format)
        if [ "$command" = events ]; then
            mapfile -t COMPREPLY < <(compgen -W "text ics json csv" -- "$cur")
        else
            mapfile -t COMPREPLY < <(compgen -W "text json waybar" -- "$cur")
        fi
        return
        ;;
    --kinds)
        # A list: complete the kind after the last comma, keeping what comes before it.
        local done=${cur%"${cur##*,}"} last=${cur##*,} kind
        for kind in $_lunara_kinds; do
            [[ $kind == "$last"* && ,$done != *",$kind,"* ]] && COMPREPLY+=("$done$kind")
        done
        compopt -o nospace 2>/dev/null
        return
        ;;
    --hemisphere)
        mapfile -t COMPREPLY < <(compgen -W "northern southern" -- "$cur")
        return
        ;;
    --planets)
        mapfile -t COMPREPLY < <(compgen -W "classic modern" -- "$cur")
        return
        ;;
    --zone)
        [ -r /usr/share/zoneinfo/tzdata.zi ] &&
            mapfile -t COMPREPLY < <(compgen -W "$(awk '$1 == "Z" || $1 == "L" { print $NF }' /usr/share/zoneinfo/tzdata.zi)" -- "$cur")
        return
        ;;
    --place)
        # The cities of the time-zone table, by the last part of their zone.
        [ -r /usr/share/zoneinfo/zone.tab ] &&
            mapfile -t COMPREPLY < <(compgen -W "$(awk '!/^#/ { n = split($3, p, "/"); print p[n] }' /usr/share/zoneinfo/zone.tab)" -- "$cur")
        return
        ;;
    --output)
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        compopt -o filenames 2>/dev/null
        return
        ;;
    --from | --to | --at | --lat | --lon)
        return
        ;;
    esac
    case $command in
    '')
        mapfile -t COMPREPLY < <(compgen -W "now today events --background --help --version" -- "$cur")
        ;;
    now | today)
        mapfile -t COMPREPLY < <(compgen -W "--place --lat --lon --zone --hemisphere --planets --format --at --watch --help" -- "$cur")
        ;;
    events)
        mapfile -t COMPREPLY < <(compgen -W "--place --lat --lon --zone --hemisphere --planets --from --to --kinds --format --output --force --help" -- "$cur")
        ;;
    esac
}
complete -F _lunara lunara lunara-cli
