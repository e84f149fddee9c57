"""What both Han tables are made from: Rime's word counts (Debian's
rime-essay, /usr/share/rime-data/essay.txt) and OpenCC's traditional to
simplified characters (TSCharacters, dumped as text)."""


def is_han(ch):
    return '\u4e00' <= ch <= '\u9fff'


def read_to_simplified(ts_characters):
    """Each traditional character to its first simplified form."""
    to_simplified = {}
    with open(ts_characters, encoding='utf-8') as f:
        for line in f:
            parts = line.rstrip('\n').split('\t')
            if len(parts) == 2:
                to_simplified[parts[0]] = parts[1].split(' ')[0]
    return to_simplified


def read_essay(essay):
    """Each word with its count, as the essay lists them."""
    with open(essay, encoding='utf-8') as f:
        for line in f:
            parts = line.rstrip('\n').split('\t')
            if len(parts) >= 2 and parts[1].isdigit():
                yield parts[0], int(parts[1])
