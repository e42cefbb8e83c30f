#!/usr/bin/env python3
"""The registry the end-to-end tests start Cuebell on, and what the registry must hold
after the operator deleted "WAV_Sport opener" and pressed OK, in the form e2e_driver's
regdump prints (keys and values sorted by name, byte counts with the terminator).

Usage: e2e_config.py seed OUTPUT.reg
       e2e_config.py seed-empty OUTPUT.reg   (no detection store; one playout instance)
       e2e_config.py expected-after-ok   (prints the expected dump)
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


def seed(path):
    reg = RegFile()
    for key in (HKLM + "\\" + PLUGINS, HKCU + "\\" + PLAYOUT, HKCU + r"\Software\Quorvane\Cuebell",
                HKLM + r"\Software\CX840 Simulator"):
        reg.delete_key(key)
    reg.key(HKLM + r"\Software\CX840 Simulator", [("Boards", "48000,44100")])
    for key, values in SEEDED_STORE.items():
        reg.key(HKLM + "\\" + key, values)
    reg.key(HKCU + "\\" + PLAYOUT)
    for name, (device, events) in SEEDED_PLAYOUT.items():
        reg.key(HKCU + "\\" + PLAYOUT + "\\" + name)
        reg.key(HKCU + "\\" + PLAYOUT + "\\" + name + r"\Settings",
                [("AudioDevice", device), ("GPIEvents", events)])
    reg.save(path)


def seed_empty(path):
    """No detection store and no tool settings: a station where Cuebell has never run. One
    playout instance on board 1 holds another owner's event."""
    reg = RegFile()
    for key in (HKLM + "\\" + PLUGINS, HKCU + "\\" + PLAYOUT, HKCU + r"\Software\Quorvane\Cuebell",
                HKLM + r"\Software\CX840 Simulator"):
        reg.delete_key(key)
    reg.key(HKLM + r"\Software\CX840 Simulator", [("Boards", "48000,44100")])
    reg.key(HKCU + "\\" + PLAYOUT)
    reg.key(HKCU + "\\" + PLAYOUT + r"\Studio A")
    reg.key(HKCU + "\\" + PLAYOUT + r"\Studio A\Settings",
            [("AudioDevice", "CX840 Play 1"), ("GPIEvents", "12 0 0 Studio door|Red light on")])
    reg.save(path)


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


def expected_after_ok():
    store = dict(EXPECTED_STORE)
    store[PLUGINS] = []
    playout = {PLAYOUT: []}
    for name, (device, events) in EXPECTED_PLAYOUT.items():
        playout[PLAYOUT + "\\" + name] = []
        playout[PLAYOUT + "\\" + name + r"\Settings"] = [("AudioDevice", device),
                                                         ("GPIEvents", events)]
    return "\n".join(_dump("HKLM", store) + _dump("HKCU", playout))


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "seed":
        seed(sys.argv[2])
    elif len(sys.argv) == 3 and sys.argv[1] == "seed-empty":
        seed_empty(sys.argv[2])
    elif len(sys.argv) == 2 and sys.argv[1] == "expected-after-ok":
        print(expected_after_ok())
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
