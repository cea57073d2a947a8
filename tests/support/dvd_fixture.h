#pragma once
// The DVD folders the DVD tests read, authored once by author_test_dvd.sh and
// kept under the build tree, keyed by a hash of the script and its arguments;
// every test process of every test binary shares the same copy.

#include <string>

namespace veltrix::test {

// What the authored discs hold, in the terms the tests check.
struct TestDvdFacts {
    int width = 720;
    int height = 576;
    int firstTone = 440;  // Hz, the AC-3 track (0x80) of both title sets
    int secondTone = 880; // Hz, the MPEG audio track (0xc0) of title set 1
    // The subtitle (0x20) of title set 1: a filled box, shown from 1 s to 8 s.
    int subtitleX = 368;
    int subtitleY = 500;
    int subtitleWidth = 72;
    int subtitleHeight = 40;
    unsigned subtitleRgb = 0xffff00;
    int subtitleBegin = 1;
    int subtitleEnd = 8;
    // Title set 1: one title of cells 10 s, 5 s (fewer than 1000 sectors), 20 s.
    int cellSeconds[3] = {10, 5, 20};
    // Title set 2: one title.
    int secondTitleSeconds = 8;
};

struct TestDvd {
    TestDvdFacts facts;
    std::string discRoot;  // holds VIDEO_TS/ with upper-case names
    std::string videoTs;   // discRoot + "/VIDEO_TS"
    std::string lowerRoot; // the same disc, names in lower case (video_ts/vts_01_0.ifo)
    std::string noVobs;    // a folder holding VTS_01_0.IFO alone
    std::string garbage;   // a disc root whose VIDEO_TS/VTS_01_0.IFO is not an IFO file

    std::string ifo(int titleSet) const; // videoTs + "/VTS_0n_0.IFO"
};

// The authored discs; authors them on first use. Throws std::runtime_error
// with the script's output when authoring fails.
const TestDvd &testDvd();

} // namespace veltrix::test
