#!/usr/bin/env python3
"""The registry the end-to-end tests start Cuebell on, and what the registry must hold
after the operator deleted "WAV_Sport opener" and pressed OK, in the form e2e_driver's
regdump prints (keys and values sorted by name, byte counts with the terminator).

Usage: e2e_config.py seed OUTPUT.reg
       e2e_config.py seed-empty OUTPUT.reg   (no detection store; one playout instance)
       e2e_config.py seed-legacy OUTPUT.reg   (only the older "\\Wave" layout)
       e2e_config.py expected-after-ok   (prints the expected dump)
       e2e_config.py expected-after-conversion   (the dump after converting seed-legacy)
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "scripts", "lib"))
from regfile import RegFile  # noqa: E402

HKLM = "HKEY_LOCAL_MACHINE"
HKCU = "HKEY_CURRENT_USER"
PLUGINS = r"Software\Quorvane\Sigvault"
STORE = PLUGINS + r"\Wave_2.0"
PLAYOUT = r"Software\Brenmark\Halvex\Skyvant"

# Numbers partly in shorter forms than the tool writes ("0.5", "2", "1, 0"); the Studio A
# table holds other owners' events before and between Cuebell's, and one repeated event.
SEEDED_STORE = {
    STORE: [("GPILength", "0.5"), ("CutoffFrequency", "80"), ("LowPassFilterSize", "63"),
            ("PowerRecalcRate", "100"), ("Threshold", "30"), ("GPIsCount", "3"),
            ("SamplesCount", "2"), ("DevicesCount", "2")],
    STORE + r"\Sample0": [("AudioFile", r"C:\Jingles\news.wav"), ("Threshold", "0"),
                          ("Offset", "0.5"), ("Delay", "2")],
    STORE + r"\Sample1": [("AudioFile", r"C:\Jingles\sport.wav"), ("Threshold", "45"),
                          ("Offset", "1.25"), ("Delay", "10.250000")],
    STORE + r"\Device0": [("Name", "CX840 Input 1 B1"), ("SampleRate", "48000"),
                          ("AnalysisDigit", "14")],
    STORE + r"\Device1": [("Name", "CX840 Input 2 B2"), ("SampleRate", "44100"),
                          ("AnalysisDigit", "15")],
    STORE + r"\GPI0": [("Name", "WAV_News jingle"), ("DeviceIndex", "0"),
                       ("SampleIndices", "0 1")],
    STORE + r"\GPI1": [("Name", "WAV_Sport opener"), ("DeviceIndex", "1"),
                       ("SampleIndices", "1")],
    STORE + r"\GPI2": [("Name", "WAV_Weather bed"), ("DeviceIndex", "0"),
                       ("SampleIndices", "1, 0")],
}

SEEDED_PLAYOUT = {
    "Studio A": ("CX840 Play 1",
                 "7 3 250 DTMF_Network break|Affiliate cue\n"
                 "101 0 500 WAV_News jingle|Top of the hour\n"
                 "12 0 0 Studio door|Red light on\n"
                 "101 0 500 WAV_Weather bed|Weather\n"
                 "101 0 500 WAV_Weather bed|Repeated"),
    "Studio B": ("CX840 Play 2",
                 "101 0 500 WAV_Sport opener|Saturday sport\n"
                 "7 3 250 DTMF_Local insert|Local ads"),
}

# After deleting "WAV_Sport opener" and OK: every number in the tool's form ("%d", "%f"),
# the entries from position 0 in list order with the counts of what is left, the key past
# the count as it was; in each table Cuebell's events first, in list order, each once,
# then the other owners' events in their order.
EXPECTED_STORE = {
    STORE: [("GPILength", "0.500000"), ("CutoffFrequency", "80"), ("LowPassFilterSize", "63"),
            ("PowerRecalcRate", "100"), ("Threshold", "30"), ("GPIsCount", "2"),
            ("SamplesCount", "2"), ("DevicesCount", "2")],
    STORE + r"\Sample0": [("AudioFile", r"C:\Jingles\news.wav"), ("Threshold", "0"),
                          ("Offset", "0.500000"), ("Delay", "2.000000")],
    STORE + r"\Sample1": [("AudioFile", r"C:\Jingles\sport.wav"), ("Threshold", "45"),
                          ("Offset", "1.250000"), ("Delay", "10.250000")],
    STORE + r"\Device0": [("Name", "CX840 Input 1 B1"), ("SampleRate", "48000"),
                          ("AnalysisDigit", "14")],
    STORE + r"\Device1": [("Name", "CX840 Input 2 B2"), ("SampleRate", "44100"),
                          ("AnalysisDigit", "15")],
    STORE + r"\GPI0": [("Name", "WAV_News jingle"), ("DeviceIndex", "0"),
                       ("SampleIndices", "0 1")],
    STORE + r"\GPI1": [("Name", "WAV_Weather bed"), ("DeviceIndex", "0"),
                       ("SampleIndices", "1 0")],
    STORE + r"\GPI2": [("Name", "WAV_Weather bed"), ("DeviceIndex", "0"),
                       ("SampleIndices", "1, 0")],
}

EXPECTED_PLAYOUT = {
    "Studio A": ("CX840 Play 1",
                 "101 0 500 WAV_News jingle|Top of the hour\n"
                 "101 0 500 WAV_Weather bed|Weather\n"
                 "7 3 250 DTMF_Network break|Affiliate cue\n"
                 "12 0 0 Studio door|Red light on"),
    "Studio B": ("CX840 Play 2", "7 3 250 DTMF_Local insert|Local ads"),
}


# The older layout of an earlier Cuebell: numbers out of today's bounds, a device and
# sample paths named by several entries in other letter cases, a device on a board that
# is not installed. Studio A holds an old entry's event with an action the schedule no
# longer offers beside another tool's event of the same name in lower case; Studio B
# holds nothing to change, and a record that does not parse.
LEGACY = PLUGINS + r"\Wave"
SEEDED_LEGACY = {
    LEGACY: [("LowFrequency", "90"), ("LowPassFilterSize", "-1"), ("PowerRecalcRate", "120"),
             ("Threshold", "10"), ("TriggersCount", "4"), ("SampleRate", "1000"),
             ("AnalysisDigit", "12")],
    LEGACY + r"\0": [("Name", "WAV_News jingle"), ("DeviceName", "CX840 Input 1 B1"),
                     ("SamplesCount", "2"), ("Sample0", r"C:\Jingles\news.wav"),
                     ("Sample1", r"C:\Jingles\sport.wav")],
    LEGACY + r"\1": [("Name", "WAV_Sport opener"), ("DeviceName", "CX840 Input 2 B2"),
                     ("SamplesCount", "1"), ("Sample0", r"c:\jingles\NEWS.WAV")],
    LEGACY + r"\2": [("Name", "WAV_Late show"), ("DeviceName", "CX840 Input 1 B3"),
                     ("SamplesCount", "1"), ("Sample0", r"C:\Jingles\late.wav")],
    LEGACY + r"\3": [("Name", "WAV_Weather bed"), ("DeviceName", "cx840 INPUT 1 B1"),
                     ("SamplesCount", "2"), ("Sample0", r"C:\JINGLES\SPORT.WAV"),
                     ("Sample1", r"C:\Jingles\news.wav")],
}

SEEDED_LEGACY_PLAYOUT = {
    "Studio A": ("CX840 Play 1",
                 "7 3 250 DTMF_Network break|Affiliate cue\n"
                 "5 0 0 wav_news jingle|Other tool\n"
                 "12 0 500 WAV_News jingle|Old action"),
    "Studio B": ("CX840 Play 2",
                 "101 0 500 WAV_Sport opener|Saturday sport\n"
                 "broken record\n"
                 "7 3 250 DTMF_Local insert|Local ads"),
}

# The old layout with "\\Wave_2.0" beside it: the clamped general values, each device and
# sample once in first-seen order, the rates of each device's board (44100 where there is
# none), the sample thresholds from the old general one. Only Studio A's table changes.
EXPECTED_CONVERTED_STORE = dict(SEEDED_LEGACY)
EXPECTED_CONVERTED_STORE.update({
    STORE: [("GPILength", "0.400000"), ("CutoffFrequency", "90"),
            ("LowPassFilterSize", "50000"), ("PowerRecalcRate", "120"), ("Threshold", "30"),
            ("GPIsCount", "4"), ("SamplesCount", "3"), ("DevicesCount", "3")],
    STORE + r"\Device0": [("Name", "CX840 Input 1 B1"), ("SampleRate", "48000"),
                          ("AnalysisDigit", "14")],
    STORE + r"\Device1": [("Name", "CX840 Input 2 B2"), ("SampleRate", "44100"),
                          ("AnalysisDigit", "14")],
    STORE + r"\Device2": [("Name", "CX840 Input 1 B3"), ("SampleRate", "44100"),
                          ("AnalysisDigit", "14")],
    STORE + r"\GPI0": [("Name", "WAV_News jingle"), ("DeviceIndex", "0"),
                       ("SampleIndices", "0 1")],
    STORE + r"\GPI1": [("Name", "WAV_Sport opener"), ("DeviceIndex", "1"),
                       ("SampleIndices", "0")],
    STORE + r"\GPI2": [("Name", "WAV_Late show"), ("DeviceIndex", "2"),
                       ("SampleIndices", "2")],
    STORE + r"\GPI3": [("Name", "WAV_Weather bed"), ("DeviceIndex", "0"),
                       ("SampleIndices", "1 0")],
})
for _n, _path in enumerate([r"C:\Jingles\news.wav", r"C:\Jingles\sport.wav",
                            r"C:\Jingles\late.wav"]):
    EXPECTED_CONVERTED_STORE[STORE + r"\Sample%d" % _n] = [
        ("AudioFile", _path), ("Threshold", "30"), ("Offset", "0.000000"),
        ("Delay", "0.000000")]

EXPECTED_CONVERTED_PLAYOUT = dict(SEEDED_LEGACY_PLAYOUT)
EXPECTED_CONVERTED_PLAYOUT["Studio A"] = ("CX840 Play 1",
                                          "7 3 250 DTMF_Network break|Affiliate cue\n"
                                          "5 0 0 wav_news jingle|Other tool\n"
                                          "101 0 500 WAV_News jingle|")


def _seed_station(path, store, playout):
    reg = RegFile()
    for key in (HKLM + "\\" + PLUGINS, HKCU + "\\" + PLAYOUT, HKCU + r"\Software\Quorvane\Cuebell",
                HKLM + r"\Software\CX840 Simulator"):
        reg.delete_key(key)
    reg.key(HKLM + r"\Software\CX840 Simulator", [("Boards", "48000,44100")])
    for key, values in store.items():
        reg.key(HKLM + "\\" + key, values)
    reg.key(HKCU + "\\" + PLAYOUT)
    for name, (device, events) in playout.items():
        reg.key(HKCU + "\\" + PLAYOUT + "\\" + name)
        reg.key(HKCU + "\\" + PLAYOUT + "\\" + name + r"\Settings",
                [("AudioDevice", device), ("GPIEvents", events)])
    reg.save(path)


def seed(path):
    _seed_station(path, SEEDED_STORE, SEEDED_PLAYOUT)


def seed_empty(path):
    """No detection store and no tool settings: a station where Cuebell has never run. One
    playout instance on board 1 holds another owner's event."""
    _seed_station(path, {}, {"Studio A": ("CX840 Play 1", "12 0 0 Studio door|Red light on")})


def seed_legacy(path):
    _seed_station(path, SEEDED_LEGACY, SEEDED_LEGACY_PLAYOUT)


def _escaped(text):
    out = ""
    for c in text + "\0":
        out += {"\n": "\\n", "\r": "\\r", "\\": "\\\\", '"': '\\"', "\0": "\\0"}.get(c, c)
    return out


def _dump(root, tree):
    """tree: key path -> [(name, text)]; every key below the root must be listed."""
    lines = []
    for key in sorted(tree, key=lambda k: k.lower().split("\\")):
        lines.append("[%s\\%s]" % (root, key))
        for name, text in sorted(tree[key], key=lambda v: v[0].lower()):
            lines.append('"%s" REG_SZ %d bytes: "%s"' % (name, 2 * (len(text) + 1),
                                                          _escaped(text)))
    return lines


def _expected_dump(store, playout_tables):
    store = dict(store)
    store[PLUGINS] = []
    playout = {PLAYOUT: []}
    for name, (device, events) in playout_tables.items():
        playout[PLAYOUT + "\\" + name] = []
        playout[PLAYOUT + "\\" + name + r"\Settings"] = [("AudioDevice", device),
                                                         ("GPIEvents", events)]
    return "\n".join(_dump("HKLM", store) + _dump("HKCU", playout))


def expected_after_ok():
    return _expected_dump(EXPECTED_STORE, EXPECTED_PLAYOUT)


def expected_after_conversion():
    return _expected_dump(EXPECTED_CONVERTED_STORE, EXPECTED_CONVERTED_PLAYOUT)


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "seed":
        seed(sys.argv[2])
    elif len(sys.argv) == 3 and sys.argv[1] == "seed-empty":
        seed_empty(sys.argv[2])
    elif len(sys.argv) == 3 and sys.argv[1] == "seed-legacy":
        seed_legacy(sys.argv[2])
    elif len(sys.argv) == 2 and sys.argv[1] == "expected-after-ok":
        print(expected_after_ok())
    elif len(sys.argv) == 2 and sys.argv[1] == "expected-after-conversion":
        print(expected_after_conversion())
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
