"""The resource ids, read from resources/ResourceIds.h, the one list of them:
ids.kFixedBack == 255, ids.kWindowFace == "Picture1", and so on."""
import os
import re

with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "ResourceIds.h"), encoding="utf-8") as _f:
    _HEADER = _f.read()

globals().update({name: int(value) for name, value in re.findall(r"constexpr int16_t (\w+) = (\d+);", _HEADER)})
globals().update(re.findall(r'constexpr char (\w+)\[\] = "(\w+)";', _HEADER))
