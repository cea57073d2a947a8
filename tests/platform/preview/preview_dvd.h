#pragma once
// The preview tests' view of the shared test DVD (tests/support): the disc
// folder and title set 1's title VOB, which holds an AC-3 track (stream 0x80,
// 440 Hz) and an MPEG audio track (stream 0xC0, 880 Hz).

#include <string>

struct AuthoredDvd {
    std::string folder;  // holds VIDEO_TS
    std::string vobPath; // VIDEO_TS/VTS_01_1.VOB, title set 1's only title VOB
    int vobSectors = 0;
};

// The shared test DVD, authored on first use; throws std::runtime_error with
// the tools' messages when that fails.
AuthoredDvd authoredDvd();
