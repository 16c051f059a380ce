// artgen: paints the program's artwork and writes it, or checks that the
// files in a folder are exactly what it would write.
//
//   artgen <folder>           write every file into the folder
//   artgen --check <folder>   compare; exit 1 when any file differs
#include "tools/artgen/ArtSet.h"

#include <cstdio>
#include <cstring>

namespace {

bool ReadFile(const std::string& path, Bytes& out)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    unsigned char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        out.insert(out.end(), buffer, buffer + n);
    std::fclose(f);
    return true;
}

bool WriteFile(const std::string& path, const Bytes& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

int Check(const std::string& folder)
{
    int differing = 0;
    const std::vector<ArtFile> files = BuildArtSet();
    for (const ArtFile& file : files) {
        Bytes existing;
        if (!ReadFile(folder + "/" + file.name, existing)) {
            std::printf("missing: %s\n", file.name.c_str());
            ++differing;
        } else if (existing != file.bytes) {
            std::printf("differs: %s\n", file.name.c_str());
            ++differing;
        }
    }
    std::printf("%d passed, %d failed\n", int(files.size()) - differing, differing);
    return differing == 0 ? 0 : 1;
}

int Write(const std::string& folder)
{
    for (const ArtFile& file : BuildArtSet()) {
        if (!WriteFile(folder + "/" + file.name, file.bytes)) {
            std::fprintf(stderr, "artgen: cannot write %s/%s\n", folder.c_str(), file.name.c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--check") == 0)
        return Check(argv[2]);
    if (argc == 2 && argv[1][0] != '-')
        return Write(argv[1]);
    std::fprintf(stderr, "usage: artgen <folder> | artgen --check <folder>\n");
    return 2;
}
