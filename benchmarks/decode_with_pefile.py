"""Decodes every resource of a module with the pefile package, the reference
the inspector's decoding time is compared with: python3 decode_with_pefile.py FILE ROUNDS"""
import sys
import time

import pefile

path, rounds = sys.argv[1], int(sys.argv[2])
start = time.perf_counter()
for _ in range(rounds):
    pe = pefile.PE(path)
    count = 0
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for name in kind.directory.entries:
            for lang in name.directory.entries:
                data = pe.get_data(lang.data.struct.OffsetToData, lang.data.struct.Size)
                count += len(data)
    if hasattr(pe, "DIRECTORY_ENTRY_EXPORT"):
        count += len(pe.DIRECTORY_ENTRY_EXPORT.symbols)
    pe.close()
print(f"{(time.perf_counter() - start) / rounds * 1000:.2f}")
