// The DVD job input text: what the title start writes, register.dat reads back.

#include "dvd/dvd_job_input.h"

#include <gtest/gtest.h>

namespace {

DvdJobInput fullInput()
{
    DvdJobInput in;
    in.root = "/media/my disc/50% & more/ü";
    in.titleSet = 12;
    in.cells = {{0, 1502}, {1503, 2247}, {9000, 9999}};
    in.audioStream = 0xc1;
    in.subtitleStream = 0x21;
    in.palette = std::array<std::uint32_t, 16>{0, 0x0f0f0f, 0xffff00};
    in.begin = 5;
    in.end = 20;
    return in;
}

TEST(DvdJobInput, ReadsBackWhatIsWritten)
{
    DvdJobInput bare;
    bare.root = "/d";
    bare.titleSet = 1;
    bare.cells = {{0, 0}};
    for (const DvdJobInput &in : {fullInput(), bare}) {
        const std::string text = formatDvdJobInput(in);
        EXPECT_EQ(text.find(' '), std::string::npos) << text;
        EXPECT_EQ(parseDvdJobInput(text), in) << text;
    }
}

TEST(DvdJobInput, RefusesIncompleteOrWrongTexts)
{
    const std::string good = formatDvdJobInput(fullInput());
    auto replaced = [&good](const std::string &from, const std::string &to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    const std::string bad[] = {"/media/disc/VIDEO_TS/VTS_01_1.VOB",
                               "veltrix-dvd:",
                               replaced("vts=12", "vts=0"),
                               replaced("vts=12", "vts=100"),
                               replaced("cells=0-1502", "cells=1502-0"),
                               replaced("cells=0-1502", "cells=0+1502"),
                               replaced("audio=0xc1", "audio=0x20"),
                               replaced("subtitle=0x21", "subtitle=21"),
                               replaced("palette=000000,", "palette="),
                               replaced("&end=20", "&end=5"),
                               replaced("&begin=5", "&begin=-1"),
                               replaced("root=", "rot="),
                               replaced("root=", "root=%G1"),
                               good + "&extra=1"};
    for (const std::string &text : bad)
        EXPECT_FALSE(parseDvdJobInput(text)) << text;
    EXPECT_TRUE(isDvdJobInput(bad[1]));
    EXPECT_FALSE(isDvdJobInput(bad[0]));
}

} // namespace
