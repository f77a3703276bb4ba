# Bash completion of pelantor: the commands, each command's options, and the
# values of the options that take a word from a list.  File names are
# completed where nothing else is offered.

_pelantor_options() {
  local shared="--help --format --forte"
  local sets="--input --pitch-classes --notes --midi --bits"
  case $1 in
    chart) echo "$shared" ;;
    classes) echo "$shared --card" ;;
    combine) echo "$shared $sets --exclude --option --card" ;;
    compare) echo "$shared $sets --measure --all-classes --card --list --stats --cluster" ;;
    count) echo "$shared $sets --tn" ;;
    draw) echo "--help --forte $sets --names -o" ;;
    icv) echo "$shared --card" ;;
    info) echo "$shared $sets" ;;
    map) echo "$shared $sets --canon --first --partitions" ;;
    subsets) echo "$shared $sets --card" ;;
  esac
}

_pelantor() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  local prev=${COMP_WORDS[COMP_CWORD - 1]}
  COMPREPLY=()
  if [ "$COMP_CWORD" -eq 1 ]; then
    local commands="chart classes combine compare count draw icv info map subsets"
    mapfile -t COMPREPLY < <(compgen -W "$commands --help --version" -- "$cur")
    return
  fi
  local words
  case $prev in
    --format)
      words="text json csv"
      [ "${COMP_WORDS[1]}" = compare ] && words="$words svg"
      ;;
    --measure)
      words="SATSIM TSATSIM SAT%SIM CSATSIM %SAT%SIM Adjusted%SAT%SIM AvgSATSIMn ASIM IcVSIM"
      words="$words ISIM2 ATMEMB REL EMB COV PCycSATSIM ANGLE all"
      ;;
    --names) words="numbers sharps flats" ;;
    --option) words="1 2 3 4 5 6" ;;
    --canon) words="T T,TI T,TI,TM,TMI" ;;
    --input | --list | -o | --card | --exclude | --partitions) return ;;
    *)
      if [[ $cur == -* ]]; then words=$(_pelantor_options "${COMP_WORDS[1]}"); else return; fi
      ;;
  esac
  mapfile -t COMPREPLY < <(compgen -W "$words" -- "$cur")
}

complete -o default -F _pelantor pelantor
