#!/bin/sh
# Regenerates the small test clips of this folder with ffmpeg (CI uses the committed files).
set -eu
cd "$(dirname "$0")"
ff() { ffmpeg -hide_banner -loglevel error -y "$@"; }
exact="-fflags +bitexact -flags:v +bitexact -flags:a +bitexact -map_metadata -1"

# 2 s of MPEG-1 video at 25 fps with MP2 sound, in an MPEG program stream.
ff -f lavfi -i testsrc=size=64x48:rate=25:duration=2 -f lavfi -i sine=frequency=440:sample_rate=32000:duration=2 \
   $exact -c:v mpeg1video -q:v 20 -g 25 -c:a mp2 -b:a 32k -ac 1 -f mpeg clip.mpg
# Its companion sound: same name, a lower tone so the two can be told apart.
ff -f lavfi -i sine=frequency=220:sample_rate=8000:duration=2 $exact -c:a pcm_u8 -ac 1 clip.wav
# 1 s of another picture size, for a list whose files differ in shape.
ff -f lavfi -i testsrc=size=96x32:rate=25:duration=1 -f lavfi -i sine=frequency=550:sample_rate=32000:duration=1 \
   $exact -c:v mpeg1video -q:v 20 -g 25 -c:a mp2 -b:a 32k -ac 1 -f mpeg wide.mpg
# 1 s stored 96x32 with a quarter turn, as phones record upright pictures: shown 32x96.
ff -f lavfi -i testsrc=size=96x32:rate=10:duration=1 $exact -c:v libx264 -preset ultrafast -pix_fmt yuv420p rotated-src.mp4
ff -i rotated-src.mp4 $exact -c copy -metadata:s:v:0 rotate=90 rotated.mp4
rm -f rotated-src.mp4
# 1 s of 64x48 with pixels twice as wide as high: shown 128x48.
ff -f lavfi -i testsrc=size=64x48:rate=10:duration=1 $exact -vf setsar=2 -c:v libx264 -preset ultrafast -pix_fmt yuv420p widepixels.mp4
# 2 s of MP3 without any picture.
ff -f lavfi -i sine=frequency=330:sample_rate=8000:duration=2 $exact -c:a libmp3lame -b:a 8k -ac 1 -write_xing 0 tone.mp3
# The same sound with a tiny JPEG embedded as cover art.
ff -f lavfi -i testsrc=size=16x16:rate=1:duration=1 -frames:v 1 $exact -c:v mjpeg cover.jpg
ff -i tone.mp3 -i cover.jpg -map 0:a -map 1:v $exact -c copy -id3v2_version 3 \
   -metadata:s:v title="Album cover" -metadata:s:v comment="Cover (front)" -disposition:v attached_pic cover.mp3
rm -f cover.jpg
# An MP3 cut off in the middle of a frame.
head -c 1000 tone.mp3 > truncated.mp3
# Text that only pretends to be a video, and an empty file.
printf 'This is not a video, only text with a video name.\n' > text.mpg
: > empty.mpg
