#pragma once
// A DVD folder authored by the test with ffmpeg and dvdauthor: one title set
// holding one 4 s PAL title with video, AC-3 audio (DVD stream 0x80, 440 Hz)
// and MPEG audio (stream 0xC0, 880 Hz).

#include <string>

struct AuthoredDvd {
    std::string folder;  // holds VIDEO_TS
    std::string vobPath; // VIDEO_TS/VTS_01_1.VOB, the title set's only title VOB
    int vobSectors = 0;
};

// Authors the DVD below `parent`; throws std::runtime_error with the tools'
// messages when it fails.
AuthoredDvd authorDvd(const std::string &parent);
