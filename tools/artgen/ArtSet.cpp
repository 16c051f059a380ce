#include "tools/artgen/ArtSet.h"

#include "tools/artgen/Atlases.h"
#include "tools/artgen/Gauges.h"
#include "tools/artgen/IcoFile.h"
#include "tools/artgen/KsbtnBitmaps.h"
#include "tools/artgen/KseBitmaps.h"
#include "tools/artgen/ProgramIcon.h"

std::vector<ArtFile> BuildArtSet()
{
    std::vector<ArtFile> files;
    files.push_back({"XP_MAIN.bmp", EncodeBmp24(PaintActiveAtlas())});
    files.push_back({"XP_MAIN1.bmp", EncodeBmp24(PaintInactiveAtlas())});

    const struct {
        const char* name;
        KseGlyph glyph;
    } kse[] = {{"KSE_CLOSE", KseGlyph::Close},       {"KSE_MINIMIZE", KseGlyph::Minimize},
               {"KSE_MAXIMIZE", KseGlyph::Maximize}, {"KSE_RESTORE", KseGlyph::Restore},
               {"KSE_ROLLUP", KseGlyph::Rollup},     {"KSE_TRAY", KseGlyph::Tray}};
    for (const auto& k : kse)
        files.push_back({std::string(k.name) + ".bmp", EncodeBmp4(PaintKseGlyph(k.glyph), kVgaPalette)});

    const struct {
        const char* name;
        ButtonKind kind;
    } kinds[] = {{"KSBTN_OK", ButtonKind::Ok},         {"KSBTN_CANCEL", ButtonKind::Cancel},
                 {"KSBTN_HELP", ButtonKind::Help},     {"KSBTN_YES", ButtonKind::Yes},
                 {"KSBTN_NO", ButtonKind::No},         {"KSBTN_CLOSE", ButtonKind::Close},
                 {"KSBTN_ABORT", ButtonKind::Abort},   {"KSBTN_RETRY", ButtonKind::Retry},
                 {"KSBTN_IGNORE", ButtonKind::Ignore}, {"KSBTN_ALL", ButtonKind::All}};
    for (const auto& k : kinds)
        files.push_back({std::string(k.name) + ".bmp", EncodeBmp4(PaintKindGlyphStrip(k.kind), kVgaPalette)});

    files.push_back({"gauges.bmp", EncodeBmp4(PaintGaugeStrip(), kVgaPalette)});
    files.push_back({"gauge_empty.ico", EncodeIco4({PaintGauge(0)}, kVgaPalette)});
    files.push_back({"Quorvel.ico", EncodeIco4({PaintProgramIcon(32), PaintProgramIcon(16)}, kVgaPalette)});
    return files;
}
