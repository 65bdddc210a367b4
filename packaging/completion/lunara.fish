# fish completion for lunara and lunara-cli.
function __lunara_kinds
    printf '%s\n' quarters ingresses void sabbats eclipses stations moons supermoons risings
end
for program in lunara lunara-cli
    complete -c $program -f
    complete -c $program -n __fish_use_subcommand -a now -d 'the moon now'
    complete -c $program -n __fish_use_subcommand -a today -d 'the moon now'
    complete -c $program -n __fish_use_subcommand -a events -d "the almanac's events of a range of dates"
    complete -c $program -n __fish_use_subcommand -l background -d 'start with the tray and reminders only'
    complete -c $program -n __fish_use_subcommand -l version -d 'the version'
    complete -c $program -l help -d 'what it takes'
    set -l any '__fish_seen_subcommand_from now today events'
    complete -c $program -n $any -l place -x -d 'a city of the time-zone table'
    complete -c $program -n $any -l lat -x -d 'latitude, north positive'
    complete -c $program -n $any -l lon -x -d 'longitude, east positive'
    complete -c $program -n $any -l zone -x -a '(timedatectl list-timezones 2>/dev/null)' -d 'the time zone of the dates and times'
    complete -c $program -n $any -l hemisphere -x -a 'northern southern'
    complete -c $program -n $any -l planets -x -a 'classic modern'
    complete -c $program -n '__fish_seen_subcommand_from now today' -l format -x -a 'text json waybar'
    complete -c $program -n '__fish_seen_subcommand_from now today' -l at -x -d 'another instant: YYYY-MM-DDTHH:MM'
    complete -c $program -n '__fish_seen_subcommand_from now today' -l watch -d 'a new line each time what is shown changes'
    complete -c $program -n '__fish_seen_subcommand_from events' -l format -x -a 'text ics json csv'
    complete -c $program -n '__fish_seen_subcommand_from events' -l from -x -d 'the first date: YYYY-MM-DD'
    complete -c $program -n '__fish_seen_subcommand_from events' -l to -x -d 'the last date: YYYY-MM-DD'
    complete -c $program -n '__fish_seen_subcommand_from events' -l kinds -x -a '(__fish_complete_list , __lunara_kinds)'
    complete -c $program -n '__fish_seen_subcommand_from events' -l output -r -F -d 'write a file instead'
    complete -c $program -n '__fish_seen_subcommand_from events' -l force -d 'replace the file there'
end
