# SPDX-License-Identifier: GPL-3.0-or-later
# Turns a translation file into one of a pseudo-language in which every text is its English
# with marked vowels between brackets ("Calls:" becomes "[Çàlls:]"), so that a text the game
# shows untranslated stands out. The XML entities are kept whole.
/<source>/ {
  h
  s/^ *<source>\(.*\)<\/source>$/\1/
  s/&amp;/\x01/g; s/&lt;/\x02/g; s/&gt;/\x03/g; s/&apos;/\x04/g; s/&quot;/\x05/g
  s/a/à/g; s/e/é/g; s/i/ï/g; s/o/ö/g; s/u/ü/g; s/C/Ç/g; s/A/Å/g; s/E/È/g
  s/\x01/\&amp;/g; s/\x02/\&lt;/g; s/\x03/\&gt;/g; s/\x04/\&apos;/g; s/\x05/\&quot;/g
  s/.*/        <translation>[&]<\/translation>/
  x
}
/<translation/ g
