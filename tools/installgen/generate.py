#!/usr/bin/env python3
"""Generates the shipped installation ("install/") from the model descriptions.

    generate.py [folder]          write the installation into folder (default: install/)
    generate.py --check [folder]  compare folder with what would be generated; exit 1 and list
                                  the differences when they are not byte for byte the same

Only generated files are written or compared; install/README.md is written by hand.
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the source tree clean of caches

from controller_model import controller_tree
from documents import document_tree
from models import CONTROLLERS, REGISTERS
from register_model import register_tree
from system_files import never_pairs, system_tree

HAND_WRITTEN = {"README.md"}


def installation():
    """Every generated file of the installation: relative path -> bytes."""
    tree = system_tree()
    registers, controllers = [], []
    for shape in REGISTERS:
        if shape.pairs == never_pairs(shape.info.number):
            raise ValueError(f"{shape.info.indent}: DEFAULTVEK must ship exactly when some mode "
                             "lets the model pair with a controller")
        files_tree, files, menus = register_tree(shape)
        tree.update({"register/" + path: data for path, data in files_tree.items()})
        registers.append((shape, files, menus))
    for shape in CONTROLLERS:
        files_tree, files, menus = controller_tree(shape)
        tree.update({"vek/" + path: data for path, data in files_tree.items()})
        controllers.append((shape, files, menus))
    tree.update(document_tree(registers, controllers))
    return tree


def existing(folder):
    found = {}
    for root, dirs, names in os.walk(folder):
        for name in names:
            path = os.path.relpath(os.path.join(root, name), folder).replace(os.sep, "/")
            if path not in HAND_WRITTEN:
                with open(os.path.join(root, name), "rb") as f:
                    found[path] = f.read()
    return found


def write(folder, tree):
    for path, data in sorted(tree.items()):
        target = os.path.join(folder, path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as f:
            f.write(data)
    for path in sorted(set(existing(folder)) - set(tree)):
        os.remove(os.path.join(folder, path))


def differences(folder, tree):
    found = existing(folder)
    problems = ["missing: " + p for p in sorted(set(tree) - set(found))]
    problems += ["not generated: " + p for p in sorted(set(found) - set(tree))]
    problems += ["differs: " + p for p in sorted(set(tree) & set(found)) if tree[p] != found[p]]
    return problems


def main(argv):
    check = "--check" in argv
    args = [a for a in argv if a != "--check"]
    default = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "install")
    folder = args[0] if args else default
    tree = installation()
    if check:
        problems = differences(folder, tree)
        for problem in problems:
            print(problem)
        if problems:
            print("%d files differ from the generated installation; run %s %s" % (
                len(problems), os.path.basename(__file__), folder))
            return 1
        print("%s: %d files, identical to the generated installation" % (folder, len(tree)))
        return 0
    write(folder, tree)
    print("%s: wrote %d files" % (folder, len(tree)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
