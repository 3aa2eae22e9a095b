"""What the build-time generators share: writing their output into the build tree."""
import os


def write(path, text):
    """Writes through a temporary file, so that an interrupted run leaves no half file."""
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="ascii", newline="\n") as f:
        f.write(text)
    os.replace(tmp, path)
