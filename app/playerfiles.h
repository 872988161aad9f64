// What the stand-alone player takes from the file it plays: the greeting's project (from a
// bundle, or a project file itself) copied into a private folder, and, when the bundle carries
// the player's data, the SoundFont unpacked beside it and the fonts kept for registering.
#pragma once

#include "app/playerdata.h"

#include <string>

// A private folder of the temporary directory ("vimble-play-XXXXXX", mode 0700), removed with
// everything in it when the object goes.
class CPlayerFolder {
public:
    CPlayerFolder() = default;
    ~CPlayerFolder();
    CPlayerFolder(const CPlayerFolder&) = delete;
    CPlayerFolder& operator=(const CPlayerFolder&) = delete;

    bool Create();
    void Remove();
    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
};

struct CGreeting {
    std::string m_strProject; // the private copy of the project file
    std::string m_strTitle; // the window's title, UTF-8
    bool m_bFromBundle = false;
    bool m_bWithData = false; // the bundle carried "play.dat"
    std::string m_strSoundFont; // the unpacked SoundFont (with the player's data)
    CPlayerData m_data; // the player's data as read (fonts and all)
};

enum class GreetingResult {
    found, // greeting filled in
    noGreeting, // the file is neither a bundle nor a project file
    damaged, // a bundle that cannot be taken apart, or a file that cannot be read
};

// Takes the greeting out of file into folder: a bundle by its trailer (the project is the
// second piece of a plain bundle and the third of one with the player's data, which is read
// and whose SoundFont is written into folder), or a project file, known by its tag or its
// ".kel" extension, copied whole. The project is always copied, under projectName (a plain
// file name), so that opening it leaves the file played untouched. error says why for anything
// but found, naming the file.
GreetingResult TakeGreeting(const std::string& file, const std::string& folder,
    const std::string& projectName, CGreeting& greeting, std::string& error);
