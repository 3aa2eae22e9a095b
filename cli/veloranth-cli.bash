# bash completion of veloranth-cli: its options and their values, as --opt=value or
# --opt value, town names (also as a plain argument), zone names and the conventions of
# the data.cfg the command line reads. The options come from the program's own table.
_veloranth_cli() {
  local cli=${COMP_WORDS[0]} cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  local table option="" prefix="" values="" config=() i
  table=$("$cli" --list-options 2>/dev/null) || return
  # The data.cfg of the command line, for its towns and conventions.
  for ((i = 1; i < COMP_CWORD; i++)); do
    case ${COMP_WORDS[i]} in
      -c | --config) [ "${COMP_WORDS[i+1]}" = "=" ] && i=$((i + 1))
                     config=(--config "${COMP_WORDS[i+1]}") ;;
      --config=*) config=("${COMP_WORDS[i]}") ;;
    esac
  done
  # Which option's value is being typed: readline splits --opt=value at the "=".
  if [ "$cur" = "=" ]; then
    option=$prev cur=""
  elif [ "$prev" = "=" ] && [ "$COMP_CWORD" -gt 1 ]; then
    option=${COMP_WORDS[COMP_CWORD-2]}
  elif [[ $cur == --*=* ]]; then
    option=${cur%%=*} prefix=${cur%%=*}= cur=${cur#*=}
  elif grep -q -- "^$prev=" <<<"$table"; then
    option=$prev
  fi
  # --add-town's zone and convention, the fifth and sixth words after it.
  for ((i = 1; i <= 6 && i < COMP_CWORD; i++)); do
    [ "${COMP_WORDS[COMP_CWORD-i]}" = --add-town ] && case $i in
      5) values=@zones ;;
      6) values=@conventions ;;
      *) return ;;
    esac
  done
  if [ -n "$option" ]; then
    values=$(sed -n "s/^$option= *//p" <<<"$table")
  elif [ -z "$values" ] && [[ $cur == -* ]]; then
    values=$(sed 's/=.*//' <<<"$table")
  elif [ -z "$values" ]; then
    values=@towns  # a town given as a plain argument
  fi
  case $values in
    @towns)  # as the program compares them: without regard to case
      mapfile -t COMPREPLY < <("$cli" "${config[@]}" --list 2>/dev/null |
        awk -v cur="$cur" 'NR > 1 && index(tolower($3), tolower(cur)) == 1 { print $3 }')
      return ;;
    @zones) values=$("$cli" --list-zones 2>/dev/null) ;;
    @conventions) values=$("$cli" "${config[@]}" --list-conventions 2>/dev/null |
                           awk '/^ *[0-9]/ { print $1 }') ;;
    @files) mapfile -t COMPREPLY < <(compgen -f -- "$cur"); return ;;
    @folders) mapfile -t COMPREPLY < <(compgen -d -- "$cur"); return ;;
  esac
  mapfile -t COMPREPLY < <(compgen -P "$prefix" -W "$values" -- "$cur")
}
complete -F _veloranth_cli veloranth-cli
