# SPDX-License-Identifier: GPL-3.0-or-later
"""KorvexControl's texts of the planthost windows and their translations, read
through control_words.py: the same rules as there (row order ru, esp, pt,
en, kr, ita, turkish, cn, arabic; placeholders, HTML and units kept)."""

from control_words import row, same  # noqa: F401

PLANTHOST_CONTEXTS = set()

PLANTHOST_WORDS = {
}
