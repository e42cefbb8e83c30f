#!/bin/sh
# Makes the WAV files the board simulator's tests read: sound files made by sox at
# several rates, channel counts, sample formats and lengths, and hand-made broken or
# unusual files. Usage: make_test_wavs.sh OUTDIR
set -eu

if [ $# -ne 1 ]; then
    echo "usage: $0 OUTDIR" >&2
    exit 2
fi
out=$1
mkdir -p "$out"
command -v sox >/dev/null || { echo "$0: sox is needed" >&2; exit 1; }

# name rate channels encoding bits seconds
while read -r name rate channels encoding bits seconds; do
    if [ "$bits" = "-" ]; then
        sox -V1 -n -r "$rate" -c "$channels" -e "$encoding" "$out/$name" synth "$seconds" sine 440
    else
        sox -V1 -n -r "$rate" -c "$channels" -e "$encoding" -b "$bits" "$out/$name" \
            synth "$seconds" sine 440
    fi
done <<'EOF'
pcm16_44100_stereo_10s.wav 44100 2 signed-integer 16 10
pcm16_48000_mono_0.8s.wav 48000 1 signed-integer 16 0.8
pcm16_11025_mono_3s.wav 11025 1 signed-integer 16 3
pcm8_8000_mono_0.8s.wav 8000 1 unsigned-integer 8 0.8
pcm24_44100_stereo_0.8s.wav 44100 2 signed-integer 24 0.8
pcm32_96000_stereo_2s.wav 96000 2 signed-integer 32 2
float32_48000_stereo_0.8s.wav 48000 2 floating-point 32 0.8
float32_22050_mono_10s.wav 22050 1 floating-point 32 10
alaw_8000_mono_1.5s.wav 8000 1 a-law 8 1.5
imaadpcm_8000_mono_0.8s.wav 8000 1 ima-adpcm - 0.8
gsm_8000_mono_0.8s.wav 8000 1 gsm-full-rate - 0.8
EOF

# Little-endian binary numbers through octal escapes (POSIX printf has no \x).
byte() { printf "\\$(printf '%03o' "$(($1 & 255))")"; }
le16() { byte "$1"; byte "$(($1 >> 8))"; }
le32() { le16 "$(($1 & 65535))"; le16 "$(($1 >> 16))"; }
zeros() { head -c "$1" /dev/zero; }
# fmt chunk of 16 bytes: tag channels rate byterate blockalign bits
fmt16() { printf 'fmt '; le32 16; le16 "$1"; le16 "$2"; le32 "$3"; le32 "$4"; le16 "$5"; le16 "$6"; }

# Extensible float, 2 channels at 16000 Hz, 0.5 s: the sub-format says IEEE float.
{
    printf 'RIFF'; le32 $((4 + 48 + 8 + 64000)); printf 'WAVE'
    printf 'fmt '; le32 40; le16 65534; le16 2; le32 16000; le32 128000; le16 8; le16 32
    le16 22; le16 32; le32 3
    le16 3; le16 0; le16 0; le16 16; byte 128; byte 0; byte 0; byte 170; byte 0; byte 56
    byte 155; byte 113
    printf 'data'; le32 64000; zeros 64000
} >"$out/extensible_float_16000_stereo_0.5s.wav"

# Odd-sized chunk first, data before format: 8000 Hz mono 16-bit, 8000 bytes = 0.5 s.
{
    printf 'RIFF'; le32 $((4 + 12 + 8 + 8000 + 24)); printf 'WAVE'
    printf 'LIST'; le32 3; printf 'abc'; byte 0
    printf 'data'; le32 8000; zeros 8000
    fmt16 1 1 8000 16000 2 16
} >"$out/odd_chunk_data_first_0.5s.wav"

# A data chunk claiming far more than the file holds: 16000 bytes there = 1 s.
{
    printf 'RIFF'; le32 $((4 + 24 + 8 + 16000)); printf 'WAVE'
    fmt16 1 1 8000 16000 2 16
    printf 'data'; le32 2147483647; zeros 16000
} >"$out/oversized_data_1s.wav"

# Broken files.
printf 'This is not a WAV file.\n' >"$out/not_riff.wav"
head -c 30 "$out/pcm16_48000_mono_0.8s.wav" >"$out/truncated_header.wav"
{
    printf 'RIFF'; le32 36; printf 'WAVE'
    fmt16 1 1 8000 16000 2 16
    printf 'data'; le32 0
} >"$out/zero_length_data.wav"
{
    printf 'RIFF'; le32 $((4 + 24 + 8 + 100)); printf 'WAVE'
    fmt16 1 1 0 0 2 16
    printf 'data'; le32 100; zeros 100
} >"$out/zero_rates.wav"
