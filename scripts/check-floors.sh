#!/usr/bin/env bash
# The floor check: every file below SRC includes headers of its own floor or of floors
# below it, never of a floor above. The floors are given lowest first, as src/CMakeLists.txt
# lists them in PX_FLOORS; a folder of SRC that is not a floor is refused too, so that no
# file escapes the check. Each offending include is named with its file and line.
#
#   check-floors.sh SRC FLOOR...
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "Uso: $0 SRC ANDAR..." >&2
  exit 2
fi
src=$1
shift
declare -A rank=()
n=0
for floor in "$@"; do
  rank[$floor]=$n
  n=$((n + 1))
done

status=0
for dir in "$src"/*/; do
  name=$(basename "$dir")
  if [ -z "${rank[$name]+set}" ]; then
    echo "src/$name/: pasta que não é andar (acrescente-a a PX_FLOORS)"
    status=1
  fi
done

# Lines as FILE:LINE:#include "FOLDER/...": only includes that name a folder of src/.
while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  include=${rest#*:}
  relative=${file#"$src"/}
  from=${relative%%/*}
  target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"/]+)\/.*/\1/' <<<"$include")
  [ -n "${rank[$target]+set}" ] || continue
  [ -n "${rank[$from]+set}" ] || continue
  if [ "${rank[$target]}" -gt "${rank[$from]}" ]; then
    echo "src/$relative:$line: o andar $from inclui $target, um andar acima dele: $include"
    status=1
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' "$src" --include='*.h' --include='*.cpp' || true)

if [ $status -eq 0 ]; then echo "andares: nenhum include sobe ($n andares)"; fi
exit $status
