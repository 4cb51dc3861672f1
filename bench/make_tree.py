#!/usr/bin/env python3
"""Makes a device tree for the scan benchmark: <root>/iPod_Control with the given number of
folders (iPod_Control, Music, then two levels below Music) and files spread evenly over them.
Most names match a media pattern; one in ten is Japanese (Shift-JIS under Wine).
Prints the number of media files made, the count a scan of the tree must report.
Usage: make_tree.py <drive folder> <files> <folders>"""
import os
import shutil
import sys

EXTENSIONS = ["mp3"] * 6 + ["m4a"] * 3 + ["aac", "wav", "aif", "m4v", "mp4", "mov", "mpg",
                                          "itdb", "plist", "jpg"]
OTHER_KINDS = {"itdb", "plist", "jpg"}  # matched by no media pattern


def main():
    drive, files, folders = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    device = os.path.join(drive, "iPod_Control")
    shutil.rmtree(device, ignore_errors=True)
    paths = [device, os.path.join(device, "Music")]
    top = 40
    below = folders - len(paths) - top
    for t in range(top):
        paths.append(os.path.join(device, "Music", "F%02d" % t))
    for b in range(below):
        paths.append(os.path.join(paths[2 + b % top], "D%04d" % b))
    for path in paths:
        os.makedirs(path, exist_ok=True)
    for i in range(files):
        ext = EXTENSIONS[i % len(EXTENSIONS)]
        name = ("曲%05d.%s" if i % 10 == 3 else "Track %05d.%s") % (i, ext)
        with open(os.path.join(paths[i % len(paths)], name), "wb"):
            pass
    print(sum(1 for i in range(files) if EXTENSIONS[i % len(EXTENSIONS)] not in OTHER_KINDS))


if __name__ == "__main__":
    main()
