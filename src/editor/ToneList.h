#pragma once
// The tone list: the off text, 50 CTCSS tones, 105 DCS codes with normal polarity and
// the same 105 codes with inverted polarity, 261 entries in all.
#include "editor/EditorState.h"

#include <array>
#include <string>
#include <string_view>

namespace tlv {

inline constexpr int kToneListSize = 261;
inline constexpr int kFirstCtcssPosition = 1;
inline constexpr int kFirstDcsNormalPosition = 51;
inline constexpr int kFirstDcsInvertedPosition = 156;

// CTCSS tones in Hz with one decimal, list positions 1..50.
inline constexpr std::array<std::string_view, 50> kCtcssTones{
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.9",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

// DCS codes (three octal digits), positions 51..155 with "N" and 156..260 with "I".
inline constexpr std::array<std::string_view, 105> kDcsCodes{
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
    "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
    "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
    "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
    "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
    "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754"};

int ToneListSize();

// The entry at `position` (0..260); position 0 is the off text of `texts`. Empty text for a
// position outside the list.
std::string ToneListEntry(const CellListTexts& texts, int position);

// The position of `text` in the list, -1 when it is not an entry.
int ToneListPosition(const CellListTexts& texts, std::string_view text);

// True when `text` is an off text: the one in force in `texts` or that of any language. Tone
// values ("67.0", "D023N") are the same in every language and never count as off.
bool IsToneOffText(const CellListTexts& texts, std::string_view text);

} // namespace tlv
