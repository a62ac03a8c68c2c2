#!/usr/bin/env bash
# Runs the listening tests with a PulseAudio server of their own: a private runtime folder, a
# null sink whose monitor the test records with parec, no system daemon touched. Works as root
# (CI) and with no standard input. Usage: SoundPlayback.sh <test program>
set -euo pipefail
program=$1
dir=$(mktemp -d)
chmod 700 "$dir"
server=
finish() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$dir"
}
trap finish EXIT

export HOME=$dir XDG_RUNTIME_DIR=$dir PULSE_RUNTIME_PATH=$dir/pulse PULSE_STATE_PATH=$dir/state
export PULSE_SERVER=unix:$dir/native
# Sound runs in real time: on a machine busy with builds, the server, the player and parec are
# put ahead of them where the user may do so (root, as CI is), so that no buffer comes late.
ahead=()
if [ "$(id -u)" -eq 0 ]; then ahead=(nice -n -10); fi
# As root the server warns that it is meant for system mode; --system=false keeps it a
# private one all the same, and --disallow-exit keeps a client from ending it.
"${ahead[@]}" pulseaudio --daemonize=no -n --system=false --disallow-exit --exit-idle-time=-1 --use-pid-file=no \
  --disable-shm=yes --realtime=no --high-priority=no --log-target=stderr \
  -L "module-null-sink sink_name=resam_test rate=48000 channels=1" \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$dir/native" </dev/null >"$dir/server.log" 2>&1 &
server=$!
for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  echo "SoundPlayback.sh: the private PulseAudio server did not start:" >&2
  cat "$dir/server.log" >&2
  exit 1
fi
pactl set-default-sink resam_test
run() { RESAM_TEST_SINK=resam_test "${ahead[@]}" "$program" --gtest_filter='ListeningWindow.*:SoundPlayback.*' </dev/null; }
# A recording can lose a buffer when the machine is busy (two cores shared with a build): one
# more try tells that apart from a sound that is wrong every time.
if ! run; then
  echo "SoundPlayback.sh: a second try, in case the first lost a buffer under load" >&2
  run
fi
