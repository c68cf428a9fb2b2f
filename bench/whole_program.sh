#!/usr/bin/env bash
# Measures the whole player against the mpv program on a private Xvfb with openbox: prepares the
# clips, then runs bench_whole_program. Usage: bench/whole_program.sh [BUILD-DIR] [runs] [idle-seconds] [parts]
# parts: a comma list of play, start, seek, smooth, idle, list and 4k (all by default). FELUX=path measures another build.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build/default}" && pwd)
runs=${2:-3}
idle=${3:-10}
parts=${4:-play,start,seek,smooth,idle,list,4k}
felux=${FELUX:-$build/felux}

# The mpv program is the yardstick and ffmpeg makes the clips; both only for this bench.
missing=()
for p in mpv ffmpeg; do
  [[ $(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true) == "install ok installed" ]] || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

clips=$build/bench-clips
mkdir -p "$clips/list"
ff() { ffmpeg -hide_banner -loglevel error -y "$@"; }
# The picture carries a thick pure green frame, which the bench looks for on the screen.
green="drawbox=x=0:y=0:w=iw:h=ih:color=0x00FF00:t=48"
if [[ ! -s $clips/clip.mp4 ]]; then
  ff -f lavfi -i testsrc2=size=1280x720:rate=25:duration=10 -f lavfi -i sine=frequency=440:sample_rate=48000:duration=10 \
     -vf "$green" -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac -b:a 128k -shortest "$clips/clip.mp4"
fi
# 200 entries of two short clips, green and magenta framed by turns, each a hard link under its
# own name so that the bench sees each open and, by the colour, each entry's first frame.
if [[ ! -s $clips/list/list.m3u || ! -s $clips/short-magenta.mp4 ]]; then
  for colour in green magenta; do
    [[ $colour == green ]] && box=$green || box="drawbox=x=0:y=0:w=iw:h=ih:color=0xFF00FF:t=48"
    ff -f lavfi -i testsrc2=size=640x360:rate=25:duration=0.6 -f lavfi -i sine=frequency=330:sample_rate=48000:duration=0.6 \
       -vf "$box" -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac -shortest "$clips/short-$colour.mp4"
  done
  : > "$clips/list/list.m3u.tmp"
  for i in $(seq -w 1 200); do
    if ((10#$i % 2)); then colour=green; else colour=magenta; fi
    ln -f "$clips/short-$colour.mp4" "$clips/list/e$i.mp4"
    echo "e$i.mp4" >> "$clips/list/list.m3u.tmp"
  done
  mv "$clips/list/list.m3u.tmp" "$clips/list/list.m3u"
fi

# 4K HEVC with sound, which a 2-core machine decodes in software only just in time: made once,
# as an encoder's fastest preset makes it.
if [[ $parts == *4k* && ! -s $clips/clip-4k.mp4 ]]; then
  ff -f lavfi -i testsrc2=size=3840x2160:rate=25:duration=10 -f lavfi -i sine=frequency=440:sample_rate=48000:duration=10 \
     -c:v libx265 -preset ultrafast -x265-params log-level=error -pix_fmt yuv420p -tag:v hvc1 -c:a aac -b:a 128k \
     -shortest "$clips/clip-4k.tmp.mp4"
  mv "$clips/clip-4k.tmp.mp4" "$clips/clip-4k.mp4"
fi

# 1080p at 60 frames a second, which asks the X11 output for a frame every 16.7 ms.
if [[ $parts == *smooth* && ! -s $clips/clip-1080p60.mp4 ]]; then
  ff -f lavfi -i testsrc2=size=1920x1080:rate=60:duration=10 -f lavfi -i sine=frequency=440:sample_rate=48000:duration=10 \
     -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac -b:a 128k -shortest "$clips/clip-1080p60.tmp.mp4"
  mv "$clips/clip-1080p60.tmp.mp4" "$clips/clip-1080p60.mp4"
fi

# A private X server with openbox, the same desktop the end-to-end tests use.
FELUX_E2E_WM=openbox bash "$here/../tests/e2e/with-xvfb.bash" \
  "$build/bench/bench_whole_program" "$felux" "$clips/clip.mp4" "$clips/list" "$runs" "$idle" "$parts"
