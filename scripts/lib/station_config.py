#!/usr/bin/env python3
"""Station configurations as registry files for `reg import ... /reg:32`: Cuebell's
detection store and Tonegate's cue-tone store (HKEY_LOCAL_MACHINE, 32-bit view), the
playout program's instances with their event tables (HKEY_CURRENT_USER) and the board
simulator's boards.

Usage: station_config.py demo|large|large4|empty OUTPUT.reg [--wav-folder 'C:\\Jingles']

  demo   three jingles, four devices on two boards, four entries, three cue-tone signals,
         a playout instance per board whose event tables hold both tools' events and
         other owners' ones
  large  1,000 samples, 100 devices, 1,000 entries, 1,000 cue-tone signals and two playout
         instances with 1,000 events each, on two boards (start-up benchmark)
  large4 the large configuration four times over: 4,000 samples, 400 devices, 4,000
         entries, 4,000 signals, two instances of 4,000 events (does a cost grow with the
         size?)
  empty  no configuration at all, two boards
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from regfile import RegFile  # noqa: E402

STORE = r"HKEY_LOCAL_MACHINE\Software\Quorvane\Sigvault\Wave_2.0"
SIGNALS = r"HKEY_LOCAL_MACHINE\Software\Quorvane\Sigvault\DTMF"
PLUGINS = r"HKEY_LOCAL_MACHINE\Software\Quorvane\Sigvault"
PLAYOUT = r"HKEY_CURRENT_USER\Software\Brenmark\Halvex\Skyvant"
SETTINGS = r"HKEY_CURRENT_USER\Software\Quorvane\Cuebell"
TONEGATE_SETTINGS = r"HKEY_CURRENT_USER\Software\Quorvane\Tonegate"
SIMULATOR = r"HKEY_LOCAL_MACHINE\Software\CX840 Simulator"


def fresh(reg, boards):
    """Starts from nothing: no store, no playout instances, no tool settings."""
    for key in (PLUGINS, PLAYOUT, SETTINGS, TONEGATE_SETTINGS, SIMULATOR):
        reg.delete_key(key)
    reg.key(SIMULATOR, [("Boards", boards)])


def store(reg, samples, devices, entries, general=None):
    """samples: (file, threshold, offset, delay); devices: (name, rate, digit);
    entries: (name, device index, sample indices text). Numbers as the tool writes them."""
    values = general or [("GPILength", "0.400000"), ("CutoffFrequency", "75"),
                         ("LowPassFilterSize", "63"), ("PowerRecalcRate", "100"),
                         ("Threshold", "30")]
    reg.key(STORE, values + [("GPIsCount", str(len(entries))),
                             ("SamplesCount", str(len(samples))),
                             ("DevicesCount", str(len(devices)))])
    for n, (path, threshold, offset, delay) in enumerate(samples):
        reg.key(STORE + r"\Sample%d" % n, [("AudioFile", path), ("Threshold", "%d" % threshold),
                                           ("Offset", "%f" % offset), ("Delay", "%f" % delay)])
    for n, (name, rate, digit) in enumerate(devices):
        reg.key(STORE + r"\Device%d" % n, [("Name", name), ("SampleRate", "%d" % rate),
                                           ("AnalysisDigit", "%d" % digit)])
    for n, (name, device, indices) in enumerate(entries):
        reg.key(STORE + r"\GPI%d" % n, [("Name", name), ("DeviceIndex", "%d" % device),
                                        ("SampleIndices", indices)])


def signals(reg, stored):
    """stored: (name, device, symbols, symbol duration, gap, deviation, delay, channel)."""
    reg.key(SIGNALS, [("TriggersCount", str(len(stored)))])
    fields = ("Name", "DeviceName", "Symbols", "SymbolDuration", "GapDuration", "Deviation",
              "Delay", "AnalysisType")
    for n, signal in enumerate(stored):
        reg.key(SIGNALS + "\\%d" % n, list(zip(fields, signal)))


def playout(reg, instances):
    """instances: (name, audio device, events as (code, second, third, name, comment))."""
    reg.key(PLAYOUT)
    for name, audio_device, events in instances:
        table = "\n".join("%d %d %d %s|%s" % event for event in events)
        reg.key(PLAYOUT + "\\" + name)
        reg.key(PLAYOUT + "\\" + name + r"\Settings",
                [("AudioDevice", audio_device), ("GPIEvents", table)])


def demo(reg, wav_folder):
    fresh(reg, "48000,44100")
    # moved-away.wav is the demo's deliberate problem for Cuebell's configuration check:
    # its file is never made, so the check reports it missing for "WAV_Traffic alert".
    jingles = [wav_folder + "\\" + name
               for name in ("news.wav", "sport.wav", "weather.wav", "moved-away.wav")]
    store(reg,
          samples=[(jingles[0], 0, 0.5, 2.0), (jingles[1], 45, 1.0, 10.25),
                   (jingles[2], 35, 0.25, 3.5), (jingles[3], 0, 0.0, 1.5)],
          devices=[("CX840 Input 1 B1", 48000, 14), ("CX840 Input 2 B2", 44100, 15),
                   ("CX840 Input 3 B1", 24000, 13), ("CX840 Input 1 B2", 22050, 14)],
          entries=[("WAV_News jingle", 0, "0"), ("WAV_Sport opener", 1, "1 2"),
                   ("WAV_Weather bed", 2, "2 0"), ("WAV_Traffic alert", 3, "0 3")])
    signals(reg, [
        ("DTMF_Network break", "CX840 Input 2 B1", "1D62", "50", "40", "20", "0", "RIGHT"),
        ("DTMF_Local insert", "CX840 Input 3 B2", "#*0A", "120", "60", "15", "2500", "SUM"),
        ("DTMF_Station ID", "CX840 Input 2 B1", "7B", "80", "50", "20", "500", "LEFT"),
        # Tonegate's deliberate problem for the check: tones of 30 ms, under the 40 ms
        # that receivers must detect.
        ("DTMF_Short tone", "CX840 Input 1 B1", "9", "30", "50", "20", "0", "LEFT"),
    ])
    playout(reg, [
        ("Studio A", "CX840 Play 1", [
            (101, 0, 500, "WAV_News jingle", "Top of the hour news"),
            (101, 0, 500, "WAV_Weather bed", "Weather after the news"),
            (101, 0, 500, "DTMF_Network break", "Affiliate cue"),
            (101, 0, 500, "DTMF_Short tone", "Too short to be sure"),
            (12, 0, 0, "Studio door", "Red light on"),
        ]),
        ("Studio B", "CX840 Play 2", [
            (101, 0, 500, "WAV_Sport opener", "Saturday sport"),
            (101, 0, 500, "WAV_Traffic alert", "Rush hour traffic"),
            (101, 0, 500, "DTMF_Local insert", "Local advertising"),
            (12, 0, 0, "Studio door", "Red light on"),
        ]),
    ])


def large(reg, wav_folder, scale=1):
    fresh(reg, "48000,44100")
    count = 1000 * scale
    samples = [(wav_folder + "\\jingle%04d.wav" % n, 30 + n % 40, (n % 8) * 0.25, 2.0 + n % 10)
               for n in range(count)]
    # Three inputs per board; boards 1 (48000 Hz) and 2 (44100 Hz) are installed, the others
    # were once (their devices are kept and not checked).
    devices = []
    for n in range(100 * scale):
        board = 1 + n // 3
        rate = 48000 if board % 2 else 44100
        devices.append(("CX840 Input %d B%d" % (1 + n % 3, board), rate, 14 + n % 2))
    entries = [("WAV_Entry %04d" % n, n % len(devices), "%d %d" % (n, (n + 1) % count))
               for n in range(count)]
    store(reg, samples, devices, entries)
    # Tonegate's signals, alternately on boards 1 and 2; each has its event on its board.
    cues = [("DTMF_Cue %04d" % n, "CX840 Input %d B%d" % (1 + n % 3, 1 + n % 2), "1D62", "50",
             "40", "20", "0", "RIGHT") for n in range(count)]
    signals(reg, cues)
    instances = []
    for board in (1, 2):
        own = [(101, 0, 500, name, "Comment of " + name)
               for name, device, _ in entries if 1 + device // 3 == board]
        tones = [(101, 0, 500, cue[0], "Cue event %d" % n)
                 for n, cue in enumerate(cues) if 1 + n % 2 == board]
        # Every table holds as many events as the configuration has entries.
        others = [(7, 3, 250, "Door %04d" % n, "Foreign event %d" % n)
                  for n in range(count - len(own) - len(tones))]
        instances.append(("Studio %d" % board, "CX840 Play %d" % board, own + tones + others))
    playout(reg, instances)


def empty(reg, _):
    fresh(reg, "48000,44100")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("config", choices=("demo", "large", "large4", "empty"))
    parser.add_argument("output")
    parser.add_argument("--wav-folder", default="C:\\Jingles")
    args = parser.parse_args()
    reg = RegFile()
    configs = {"demo": demo, "large": large, "large4": lambda r, w: large(r, w, 4), "empty": empty}
    configs[args.config](reg, args.wav_folder)
    reg.save(args.output)


if __name__ == "__main__":
    main()
