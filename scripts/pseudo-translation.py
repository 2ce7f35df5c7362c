#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a pseudo-translation of the game from one of its Qt Linguist files: every text accented, about 40%
# longer, and marked from its first character to its last with ⟦ and ⟧, so that a text reaching the player
# unmarked, or glued from pieces, shows. Placeholders (%1) and access keys (&N) stay as they are.
#
#   pseudo-translation.py TEMPLATE.ts OUT.ts
import sys
import xml.etree.ElementTree as tree

PLAIN, ACCENTED = "aeiouncyAEIOUNCY", "àéîöüñçÿÀÉÎÖÜÑÇŸ"


def pseudo(text):
    out = [c if i and text[i - 1] in "%&" or c not in PLAIN else ACCENTED[PLAIN.index(c)]
           for i, c in enumerate(text)]
    return "⟦" + "".join(out) + "~" * ((len(text) * 2 + 4) // 5) + "⟧"


document = tree.parse(sys.argv[1])
document.getroot().set("language", "en_XA")
for message in document.getroot().iter("message"):
    source = message.findtext("source")
    translation = message.find("translation")
    translation.attrib.clear()
    translation.text = "LTR" if source == "QT_LAYOUT_DIRECTION" else pseudo(source)
document.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
