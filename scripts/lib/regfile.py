"""Writes registry files for `reg import`: "Windows Registry Editor Version 5.00", UTF-16LE
with a byte-order mark and CRLF line ends (without the mark, reg reads the file as ANSI).

A REG_SZ holding a line feed (the playout program's event tables) can only be written
as hex(1) bytes; other texts are written quoted.
"""


def _quoted(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def _hex_lines(prefix, data):
    """hex(..) data split into lines of at most about 80 characters, as regedit writes."""
    pairs = ["%02x" % b for b in data]
    lines = []
    line = prefix
    for i, pair in enumerate(pairs):
        piece = pair + ("," if i + 1 < len(pairs) else "")
        if len(line) + len(piece) > 76:
            lines.append(line + "\\")
            line = "  "
        line += piece
    lines.append(line)
    return "\r\n".join(lines)


class RegFile:
    def __init__(self):
        self._lines = ["Windows Registry Editor Version 5.00", ""]

    def delete_key(self, path):
        self._lines += ["[-%s]" % path, ""]

    def key(self, path, values=()):
        """values: (name, data) pairs; a str is REG_SZ, an int REG_DWORD."""
        self._lines.append("[%s]" % path)
        for name, data in values:
            self._lines.append(self._value(name, data))
        self._lines.append("")

    @staticmethod
    def _value(name, data):
        head = _quoted(name) + "="
        if isinstance(data, int):
            return head + "dword:%08x" % (data & 0xFFFFFFFF)
        if any(ord(c) < 0x20 for c in data):
            raw = (data + "\0").encode("utf-16-le")
            return _hex_lines(head + "hex(1):", raw)
        return head + _quoted(data)

    def save(self, path):
        text = "\r\n".join(self._lines) + "\r\n"
        with open(path, "wb") as f:
            f.write(b"\xff\xfe" + text.encode("utf-16-le"))
