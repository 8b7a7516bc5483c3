#!/usr/bin/env bash
# The run command: installs what is missing, builds the module optimised and
# without sanitizers (build/run), starts the simulated Kestrix stack on a free
# port of 127.0.0.1 and opens the module on it, as the host system would:
# with the agent's address and communities on the command line, and the port
# in the per-device file of a cfg directory that a registry file of this run
# names. Everything of one run lives in a directory of its own, removed at
# the end; closing the module stops the simulator. Arguments go to the
# module after the host's own (for instance /v1 for SNMPv2c).
#
#   scripts/run.sh
#   xvfb-run -a scripts/run.sh      # on a machine without a display
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

build="$root/build/run"
mkdir -p "$build"
# Two runs started together build one after the other.
(
  flock 9
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTRIX_SANITIZE=OFF -DKESTRIX_TESTS=OFF \
    > "$build/configure.log" || { cat "$build/configure.log"; exit 1; }
  cmake --build "$build" -j"$(nproc)" --target kestrix-module kx_simstack
) 9> "$build/.build-lock"

read_community=mirabo
write_community=quesnal
work=$(mktemp -d "${TMPDIR:-/tmp}/kestrix-run-XXXXXX")
stack_pid=
stop() {
  if [ -n "$stack_pid" ] && kill -0 "$stack_pid" 2> /dev/null; then
    kill -TERM "$stack_pid" 2> /dev/null || true
    wait "$stack_pid" 2> /dev/null || true
  fi
  rm -rf "$work"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

"$build/simstack/kx_simstack" --description "$root/simstack/default-stack.json" --state-dir "$work/stack" \
  --port 0 --read-community "$read_community" --write-community "$write_community" \
  > "$work/stack.out" 2> "$work/stack.err" &
stack_pid=$!
port=
for _ in $(seq 600); do
  port=$(sed -n 's/^READY \([0-9]*\)$/\1/p' "$work/stack.out")
  [ -n "$port" ] && break
  if ! kill -0 "$stack_pid" 2> /dev/null; then
    echo "The simulated stack did not start:" >&2
    cat "$work/stack.err" >&2
    exit 1
  fi
  sleep 0.1
done
[ -n "$port" ] || { echo "The simulated stack did not get ready." >&2; exit 1; }
echo "Simulated stack on 127.0.0.1:$port (communities $read_community / $write_community)"

mkdir -p "$work/cfg"
printf '[Program Information]\nAgentPort=%s\n' "$port" > "$work/cfg/127.0.0.1.cfg"
cat > "$work/registry.reg" << REGISTRY
[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelorin\\Zentrik5.1\\MibFile]
"Path"="$work/cfg/"
REGISTRY

# The module's only file of its own, the SNMPv3 boot counter, goes to the
# current directory: this run's.
cd "$work"
status=0
KESTRIX_REGISTRY="$work/registry.reg" "$build/main/kestrix-module" \
  /I127.0.0.1 "/R$read_community" "/W$write_community" "$@" || status=$?
exit "$status"
