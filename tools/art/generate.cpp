// Paints, reduces and writes the pictures, then synthesises and writes the sounds.
#include "tools/art/generate.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "tools/art/files.h"
#include "tools/art/palette.h"
#include "tools/art/pictures.h"
#include "tools/art/sounds.h"

// Writes folder/Graph/*.tga and folder/Sound/*.wav, making the folders as needed; 1 when
// every file was written, 0 (with a message) at the first that was not.
int write_art(const std::string &folder) {
    std::error_code err;
    std::filesystem::create_directories(folder + "/Graph", err);
    std::filesystem::create_directories(folder + "/Sound", err);
    for (const PictureFile &p : PICTURE_FILES) {
        std::string path = folder + "/Graph/" + p.name;
        if (!write_file(path, tga_bytes(quantise(p.paint())))) {
            std::fprintf(stderr, "vorlen-art: cannot write %s\n", path.c_str());
            return 0;
        }
    }
    for (const SoundFile &s : SOUND_FILES) {
        std::string path = folder + "/Sound/" + s.name;
        if (!write_file(path, wav_bytes(s.make()))) {
            std::fprintf(stderr, "vorlen-art: cannot write %s\n", path.c_str());
            return 0;
        }
    }
    return 1;
}
