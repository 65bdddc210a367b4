#compdef lunara lunara-cli
# zsh completion for lunara and lunara-cli.

local -a where
where=(
  '--place[a city of the time-zone table]:city:'
  '--lat[latitude, north positive]:degrees:'
  '--lon[longitude, east positive]:degrees:'
  '--zone[the time zone of the dates and times]:zone:_time_zone'
  '--hemisphere[the wheel of the year]:hemisphere:(northern southern)'
  '--planets[the planets of the void of course]:planets:(classic modern)'
  '--help[what the command takes]'
)

if (( CURRENT == 2 )); then
  local -a commands
  commands=(
    'now:the moon now'
    'today:the moon now'
    "events:the almanac's events of a range of dates"
    '--background:start with the tray and reminders only'
    '--help:what lunara takes'
    '--version:the version'
  )
  _describe command commands
  return
fi

case $words[2] in
  now|today)
    _arguments -s "${where[@]}" \
      '--format[how it is written]:format:(text json waybar)' \
      '--at[another instant than now]:instant (YYYY-MM-DDTHH\:MM):' \
      '--watch[a new line each time what is shown changes]' \
      '1:command:(now today)'
    ;;
  events)
    _arguments -s "${where[@]}" \
      '--from[the first date]:date (YYYY-MM-DD):' \
      '--to[the last date]:date (YYYY-MM-DD):' \
      '--kinds[the kinds of event]:kinds:_sequence compadd - quarters ingresses void sabbats eclipses stations moons supermoons risings' \
      '--format[how it is written]:format:(text ics json csv)' \
      '--output[write a file instead]:file:_files' \
      '--force[replace the file there]' \
      '1:command:(events)'
    ;;
esac
