# SPDX-License-Identifier: GPL-3.0-or-later
# The languages the game speaks besides English, each named with the country
# whose numbers its pictures and checks show (the language's code is the part
# before "_"). Every file of a language follows from this list: its .ts files,
# made and kept current by `update_translations`, its compiled translation,
# its banners, its lines in the desktop entry and the AppStream metadata, and
# its screen checks.
set(BAILCREST_LANGUAGES hi_IN ur_PK bn_IN ta_IN)

# Each language's name in English, by language code, for the shipped texts
# that say which languages the game speaks (the man page, the AppStream
# metadata's list).
set(BAILCREST_NAME_hi Hindi)
set(BAILCREST_NAME_ur Urdu)
set(BAILCREST_NAME_bn Bengali)
set(BAILCREST_NAME_ta Tamil)

# The font family that draws each script the Latin fonts do not, by language
# code; every one of them in Debian's fonts-noto-core. Urdu is in Naskh rather
# than Nastaliq: Nastaliq needs half as much height again as the design's
# fixed lines give a text (docs/translating.md).
set(BAILCREST_FONT_hi "Noto Sans Devanagari")
set(BAILCREST_FONT_ur "Noto Naskh Arabic")
set(BAILCREST_FONT_bn "Noto Sans Bengali")
set(BAILCREST_FONT_ta "Noto Sans Tamil")
