# bash completion of veloranth-cli: options, formats, and town names from --list.
_veloranth_cli() {
  local cur prev
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD-1]}
  case $prev in
    -f|--format) COMPREPLY=($(compgen -W "text json csv ics" -- "$cur")); return ;;
    --midnight) COMPREPLY=($(compgen -W "standard jafari" -- "$cur")); return ;;
    --seasonal) COMPREPLY=($(compgen -W "none general ahmer abyad" -- "$cur")); return ;;
    -c|--config|-o|--out) COMPREPLY=($(compgen -f -- "$cur")); return ;;
    -t|--town|--select-town)
      local towns
      towns=$("$1" --list 2>/dev/null | awk 'NR > 1 { print $3 }')
      COMPREPLY=($(compgen -W "$towns" -- "$cur")); return ;;
    --convention) COMPREPLY=($(compgen -W "0 1 2 3 4 5 6 7 8" -- "$cur")); return ;;
  esac
  local options
  options=$("$1" --help 2>/dev/null | grep -o -- '--[a-z0-9-]*' | sort -u)
  COMPREPLY=($(compgen -W "$options -h -V -l -m -y -s -q -n -v" -- "$cur"))
}
complete -F _veloranth_cli veloranth-cli
