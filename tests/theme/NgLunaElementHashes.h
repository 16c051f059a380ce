#pragma once
// Expected hashes of whole elements drawn by the Luna theme (see
// NgLunaElementTests.cpp). They pin the drawing code and the committed
// artwork together: any change of either changes a hash.
//
// To update them on purpose (after changing the artwork or the drawing,
// and after looking at scripts/gallery's picture):
//   QUORVEL_PRINT_HASHES=1 scripts/wine-exec build/bin/test_theme.exe -tc='Whole*'
// prints the current table; paste it over the one below. Separators and
// track channels use system colours, and items draw text: the hashes hold
// for the prefix's standard Windows 98 colours (scripts/env) and the fonts
// scripts/setup installs.

struct TElementHash {
    const char* Name;
    const char* Hash;
};

const TElementHash ExpectedElementHashes[] = {
    {"frame 1 active", "334C7EE470C459FD"},
    {"frame 1 inactive", "D0A9D42C76F7C4A9"},
    {"frame 2 active", "9B1F12AE7FD44CB0"},
    {"frame 2 inactive", "151C62051F771A52"},
    {"caption buttons", "BE792F9D10D6B041"},
    {"button state 0", "A8500DA93E3A641C"},
    {"button state 1", "31D8EA45A2E45A11"},
    {"button state 2", "6D0F2C5064606BC8"},
    {"button state 3", "E4F46A90FDB2D353"},
    {"button state 4", "863E5D6A546757A0"},
    {"button state 5", "863E5D6A546757A0"},
    {"check boxes", "585C7659AB3184E7"},
    {"radio buttons", "D007E56EF3207227"},
    {"progress blocks", "70039B845613BF75"},
    {"progress smooth", "2868B2A0130D7BE5"},
    {"popup frame", "453F01189FF83C45"},
    {"popup item", "680DCEB04D5D54ED"},
    {"popup item selected with submenu", "C8633BDEB730D0AD"},
    {"popup item checked", "8BAD04C404197524"},
    {"popup item disabled with shortcut", "51CEEEC180FE4CE5"},
    {"popup separator", "77151D5B6B295865"},
    {"menu bar", "0D1053940715704B"},
    {"panel, header bar and group frame", "C31FDFE17C3E662C"},
    {"small buttons", "07FA366146659CD6"},
    {"scroll pieces", "AAD22A8F44F42BDD"},
    {"track pieces", "334FD74C942237D8"},
    {"tab page and tabs", "DF2B855E0BD25ECE"},
    {"frame 1 active, hue 60", "E3FE26F327CECB34"},
};
