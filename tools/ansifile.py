"""Writing the program's text data files: Windows-1252, CR LF line ends.

Every generator under tools/ writes through write_lines(), so a character that
has no Windows-1252 code, a stray LF or a line too long for the program's
255-character reads fails the generator instead of reaching data/.
"""

import os

MAX_LINE = 255


def encode_lines(lines, path="<text>", max_line=MAX_LINE):
    out = bytearray()
    for number, line in enumerate(lines, 1):
        if "\r" in line or "\n" in line:
            raise ValueError(f"{path}:{number}: line holds a line break")
        data = line.encode("cp1252")  # raises on a character outside 1252
        if len(data) > max_line:
            raise ValueError(f"{path}:{number}: line of {len(data)} characters (at most {max_line})")
        out += data + b"\r\n"
    return bytes(out)


def write_lines(path, lines, max_line=MAX_LINE):
    """Writes lines to path (creating folders); returns the path."""
    data = encode_lines(lines, path, max_line)
    folder = os.path.dirname(path)
    if folder:
        os.makedirs(folder, exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    return path


def repo_root():
    return os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def data_dir():
    return os.path.join(repo_root(), "data")
