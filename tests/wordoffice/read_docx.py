# Reads a .docx with python3-docx, as a word processor would, and writes its
# paragraphs (one a line), its hyperlink targets and its picture count.
import os
import sys

import docx

document = docx.Document(sys.argv[1])
lines = [p.text for p in document.paragraphs]
links = sorted(r.target_ref for r in document.part.rels.values() if r.is_external)
pictures = len(document.inline_shapes)
# Written aside and renamed, so that a reader never sees half of it.
with open(sys.argv[2] + ".part", "w", encoding="utf-8") as out:
    out.write("\n".join(lines) + "\n")
    out.write("links: " + " ".join(links) + "\n")
    out.write("pictures: %d\n" % pictures)
os.replace(sys.argv[2] + ".part", sys.argv[2])
