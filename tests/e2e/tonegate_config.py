#!/usr/bin/env python3
"""Tonegate's part of the end-to-end station, imported over e2e_config.py's seed: a
cue-tone store with every kind of stored signal the loader must repair or drop, and a
copy of Tonegate's event on a board its signal is not on.

Usage: tonegate_config.py OUTPUT.reg
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "scripts", "lib"))
from regfile import RegFile  # noqa: E402
import e2e_config  # noqa: E402

SIGNALS = r"HKEY_LOCAL_MACHINE\Software\Quorvane\Sigvault\DTMF"
FIELDS = ("Name", "DeviceName", "Symbols", "SymbolDuration", "GapDuration", "Deviation",
          "Delay", "AnalysisType")

# 0 as Tonegate writes it; 1 with an older device name and a channel in lower case; 2
# without its delay and 3 without the tool's prefix (both dropped at load); 4 on board 2.
STORED = [
    ("DTMF_Network break", "CX840 Input 2 B1", "1D62", "50", "40", "20", "0", "RIGHT"),
    ("DTMF_Local insert", "CX840 Output 3 B2", "#*0A", "120", "60", "15", "2500", "left"),
    ("DTMF_Broken", "CX840 Input 1 B1", "9", "50", "40", "20", None, "SUM"),
    ("Studio cue", "CX840 Input 1 B1", "5", "50", "40", "20", "0", "SUM"),
    ("DTMF_Station ID", "CX840 Input 1 B2", "7B", "80", "50", "20", "500", "SUM"),
]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    reg = RegFile()
    reg.key(SIGNALS, [("TriggersCount", str(len(STORED)))])
    for n, signal in enumerate(STORED):
        reg.key(SIGNALS + "\\%d" % n,
                [(name, text) for name, text in zip(FIELDS, signal) if text is not None])
    # Studio A (board 1) also holds the board-2 signal's event: the merge removes it.
    device, events = e2e_config.SEEDED_PLAYOUT["Studio A"]
    reg.key(r"HKEY_CURRENT_USER\%s\Studio A\Settings" % e2e_config.PLAYOUT,
            [("AudioDevice", device),
             ("GPIEvents", events + "\n101 0 500 DTMF_Station ID|Wrong board")])
    reg.save(sys.argv[1])


if __name__ == "__main__":
    main()
