// The table of the five sound files: each file name with the sound made for it.
#include "sounds.h"

namespace narabe::soundgen {

std::vector<SoundFile> allSounds() {
    std::vector<SoundFile> files;
    files.push_back({"石打音.wav", toPcm(stoneClick())});
    files.push_back({"禁止.wav", toPcm(refusal())});
    files.push_back({"その他.wav", toPcm(chime())});
    files.push_back({"終局.wav", toPcm(fanfare())});
    files.push_back({"BGM.wav", toPcm(music())});
    return files;
}

} // namespace narabe::soundgen
