#!/usr/bin/env bash
# Runs the ostrel host under Wine with the sound device going to a WAV file (an ALSA file PCM over a
# null PCM), then checks what was captured.
#   ostrel_sound.sh HOST_EXE CHECKER WORK_DIR
set -euo pipefail
host=$1 checker=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
capture="$work/capture.wav"
cat > "$work/asound.conf" <<CONF
pcm.!default {
  type file
  slave.pcm "null"
  file "$capture"
  format "wav"
}
pcm.null { type null }
ctl.!default { type hw card 0 }
CONF
export ALSA_CONFIG_PATH="$work/asound.conf"
wineserver -k 2>/dev/null || true
wine "$host" "Z:${work//\//\\}"
wineserver -w
python3 "$checker" "$capture"
