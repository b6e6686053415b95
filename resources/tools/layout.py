"""The places of window/Layout.h, the one list of them, as tuples of layout
units: layout.kBoard == (28, 76, 233, 231) (x, y, width, height),
layout.kFace == (302, 390), layout.kCardColumns == (3, 60, 117, 174), and so
on; with kMissesToLose from game/mdlPicfunc.h, one miss marker each."""
import os
import re

_ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def _read(path):
    with open(os.path.join(_ROOT, path), encoding="utf-8") as f:
        return f.read()


def _numbers(text):
    return tuple(int(v) for v in text.split(","))


_HEADER = _read("window/Layout.h")
globals().update({name: _numbers(values) for name, values in
                  re.findall(r"constexpr Q(?:Rect|Size|Point) (\w+)\{([-\d, ]+)\};", _HEADER)})
globals().update({name: _numbers(values) for name, values in
                  re.findall(r"constexpr int (\w+)\[\] = \{([-\d, ]+)\};", _HEADER)})
globals().update({name: int(value) for name, value in re.findall(r"constexpr int (\w+) = (-?\d+);", _HEADER)})
kMissesToLose = int(re.search(r"constexpr int kMissesToLose = (\d+);", _read("game/mdlPicfunc.h"))[1])
