#!/usr/bin/env python3
"""Reads two Windows file formats without Windows, one fact a line.

  winfiles.py shortcut FILE.lnk   target=, working_dir=, icon= and icon_index= of a
                                  shortcut (MS-SHLLINK)
  winfiles.py version FILE        the version resource that `wrestool -x -t16` extracted:
                                  file_version= and product_version= of its fixed part,
                                  then each string of its string table as NAME=VALUE
"""
import struct
import sys


def shortcut(data):
    flags, = struct.unpack_from('<I', data, 0x14)
    icon_index, = struct.unpack_from('<i', data, 0x38)
    pos = 0x4C
    if flags & 0x1:  # HasLinkTargetIDList
        pos += 2 + struct.unpack_from('<H', data, pos)[0]
    target = ''
    if flags & 0x2:  # HasLinkInfo: the target as LocalBasePath
        size, = struct.unpack_from('<I', data, pos)
        base = pos + struct.unpack_from('<I', data, pos + 16)[0]
        target = data[base:data.index(b'\0', base)].decode('latin-1')
        pos += size
    strings = {}
    width = 2 if flags & 0x80 else 1  # IsUnicode
    for bit, name in ((0x4, 'name'), (0x8, 'relative_path'), (0x10, 'working_dir'),
                      (0x20, 'arguments'), (0x40, 'icon')):
        if flags & bit:
            count, = struct.unpack_from('<H', data, pos)
            raw = data[pos + 2:pos + 2 + count * width]
            strings[name] = raw.decode('utf-16-le' if width == 2 else 'latin-1').rstrip('\0')
            pos += 2 + count * width
    print(f'target={target}')
    print(f"working_dir={strings.get('working_dir', '')}")
    print(f"icon={strings.get('icon', '')}")
    print(f'icon_index={icon_index}')


def version(data):
    align = lambda n: (n + 3) & ~3

    def walk(pos, end):
        while pos < end:
            length, value_length, kind = struct.unpack_from('<HHH', data, pos)
            key_end = pos + 6
            while data[key_end:key_end + 2] != b'\0\0':
                key_end += 2
            key = data[pos + 6:key_end].decode('utf-16-le')
            value = align(key_end + 2)
            if key == 'VS_VERSION_INFO':
                fixed = struct.unpack_from('<6I', data, value)
                if fixed[0] != 0xFEEF04BD:
                    sys.exit('no VS_FIXEDFILEINFO signature')
                for name, high, low in (('file', fixed[2], fixed[3]), ('product', fixed[4], fixed[5])):
                    print(f'{name}_version={high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}')
                walk(align(value + value_length), pos + length)
            elif value_length == 0:
                walk(value, pos + length)
            elif kind == 1:
                text = data[value:value + 2 * value_length].decode('utf-16-le').rstrip('\0')
                print(f'{key}={text}')
            pos = align(pos + length)

    walk(0, len(data))


if __name__ == '__main__':
    if len(sys.argv) != 3 or sys.argv[1] not in ('shortcut', 'version'):
        sys.exit(__doc__)
    with open(sys.argv[2], 'rb') as f:
        {'shortcut': shortcut, 'version': version}[sys.argv[1]](f.read())
