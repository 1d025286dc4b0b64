#!/usr/bin/env python3
# Writes the seed corpus of fuzz_reply (seeds/): well-formed replies for each list kind and
# index type, from which the fuzzer mutates. The input layout is the one fuzz_reply.cpp reads.
import os, struct

TAGS = [0x02, 0x04, 0x05, 0x06, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x80, 0x81, 0x82]
INDEX_SYNTAXES = ['integer', 'octetstr', 'displaystr', 'objectid', 'ipaddress', 'macaddress', 'ipv6address',
                  'inetaddress', 'counter64', 'double', 'datetime', 'bcdatetime', 'timeticks', 'boolean',
                  'uinteger', 'bitstr', 'opaque', 'bitlist', 'nsapaddr', 'null', 'counter', 'guage']
DT = bytes([0x07, 0xE6, 12, 10, 13, 5, 30, 0, ord('+'), 1, 0])
D15 = struct.pack('<d', 1.5)
# (tag, content) of a good value for each value column, in the target's column order.
VALUES = [(0x02, b'\xfb'), (0x04, b'abc'), (0x04, b'\x0a\x0b'), (0x06, b'\x2b\x06\x01'), (0x40, b'\x0a\x00\x00\x01'),
          (0x41, b'\x05'), (0x43, b'\x01\x00'), (0x46, b'\x07'), (0x04, bytes.fromhex('00E0FC0A0B0C')), (0x04, DT),
          (0x04, b'\x0a\x00\x00\x02'), (0x04, D15), (0x47, b'\x03'), (0x04, b'\x80'), (0x04, bytes(15) + b'\x01'),
          (0x02, b'\x01'), (0x42, b'\x04'), (0x44, b'\x01'), (0x40, b'\x0a\x00\x00\x03'), (0x04, D15), (0x04, b'\xc0')]

def subids(ids):
    out = b''
    for i in ids:
        out += bytes([i]) if i < 0xF0 else b'\xf0' + struct.pack('>I', i)
    return out

def binding(how, extra, tag, content):
    return bytes([how, len(extra)]) + subids(extra) + bytes([TAGS.index(tag), len(content)]) + content

def structured(bindings, err=0, idx=0):
    return bytes([0, err, idx, len(bindings)]) + b''.join(bindings)

def raw(ber, err=0, idx=0):
    return bytes([1, err, idx, len(ber) >> 8, len(ber) & 0xFF]) + ber

def head(kind, v1=False, set_=False, take=False, index=(), first=0, columns=1):
    choice = kind | (4 if v1 else 0) | (8 if set_ else 0) | (16 if take else 0)
    out = bytes([choice])
    if kind >= 2:
        out += bytes([len(index) - 1])
        for syntax, implied in index:
            out += bytes([INDEX_SYNTAXES.index(syntax), 1 if implied else 0])
    return out + bytes([first, columns - 1])

def values(first, columns, how=0, extra=()):
    return [binding(how, list(extra), *VALUES[(first + k) % len(VALUES)]) for k in range(columns)]

seeds = {}
seeds['scalars-all'] = head(0, columns=21) + structured(values(0, 21))
seeds['scalars-v1'] = head(0, v1=True, first=3, columns=4) + structured(values(3, 4))
seeds['scalars-exceptions'] = head(0, first=0, columns=3) + structured(
    [binding(0, [], 0x80, b''), binding(0, [], 0x81, b''), binding(0, [], 0x82, b'')])
seeds['row'] = head(1, first=5, columns=6) + structured(values(5, 6))
seeds['row-error'] = head(1, first=0, columns=2) + structured(values(0, 2), err=5, idx=2)
seeds['set-take'] = head(1, set_=True, take=True, first=0, columns=3) + structured(values(0, 3))
seeds['set-scalars'] = head(0, set_=True, take=True, first=10, columns=2) + structured(values(10, 2))

# Walks: one row under the columns, then the next column (the walk ends).
walks = {
    'integer': ([('integer', False)], [7]),
    'octetstr': ([('octetstr', False)], [3, 1, 2, 3]),
    'octetstr-implied': ([('octetstr', True)], [1, 2, 3]),
    'displaystr-implied': ([('integer', False), ('displaystr', True)], [2, 97, 98]),
    'displaystr': ([('displaystr', False), ('integer', False)], [2, 97, 98, 5]),
    'objectid': ([('objectid', False)], [3, 1, 3, 6]),
    'ipaddress-integer': ([('ipaddress', False), ('integer', False)], [10, 0, 0, 1, 4]),
    'macaddress': ([('macaddress', False)], [0, 0xE0, 0xFC, 10, 11, 12]),
    'ipv6address': ([('ipv6address', False)], list(range(16))),
    'inetaddress': ([('integer', False), ('inetaddress', False)], [1, 1, 4, 10, 0, 0, 1]),
    'inetaddress-v6': ([('inetaddress', False)], [2, 16] + list(range(16))),
    'counter64': ([('counter64', False)], [0, 9]),
    'double': ([('double', False)], [0, 0x3FF80000]),
    'datetime': ([('datetime', False)], list(DT)),
    'timeticks-boolean': ([('timeticks', False), ('boolean', False)], [100, 1]),
    'uinteger-nsap': ([('uinteger', False), ('nsapaddr', False)], [4000000000, 10, 0, 0, 9]),
    'three-columns': ([('integer', False), ('octetstr', False), ('ipaddress', False)], [1, 2, 0xAA, 0xBB, 1, 2, 3, 4]),
}
for name, (index, suffix) in walks.items():
    first, columns = 0, 3
    row = structured(values(first, columns, how=1, extra=suffix))
    # The next reply lies under the following column for every binding: each column ends.
    end = structured([binding(2, [first + k + 2] + suffix, 0x02, b'\x01') for k in range(columns)])
    seeds['walk-' + name] = head(2, index=index, first=first, columns=columns) + row + end

seeds['walk-unlocked-endofmib'] = head(3, index=[('integer', False)], first=4, columns=2) + structured(
    values(4, 2, how=1, extra=[1])) + structured([binding(0, [], 0x82, b''), binding(0, [], 0x82, b'')])
seeds['walk-v1-nosuchname'] = head(2, v1=True, index=[('integer', False)], first=0, columns=2) + structured(
    values(0, 2, how=1, extra=[1])) + structured(values(0, 2), err=2, idx=1)
seeds['walk-repeated-oid'] = head(2, index=[('integer', False)], first=0, columns=1) + structured(
    values(0, 1, how=1, extra=[5])) + structured(values(0, 1, how=0))
# Raw: a binding list as bytes (1.3.6.1.4.1.32473.77.1.1.0 = INTEGER 5).
oid = bytes([0x2b, 6, 1, 4, 1, 0x81, 0xfd, 0x59, 0x4d, 1, 1, 0])
vb = b'\x30' + bytes([len(oid) + 5]) + b'\x06' + bytes([len(oid)]) + oid + b'\x02\x01\x05'
seeds['raw-scalar'] = head(0, columns=1) + raw(vb)
seeds['raw-garbage'] = head(2, index=[('integer', False)], columns=1) + raw(b'\x30\x84\xff\xff\xff\xff\x06')

os.makedirs(os.path.join(os.path.dirname(__file__), 'seeds'), exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(os.path.dirname(__file__), 'seeds', name), 'wb') as f:
        f.write(data)
