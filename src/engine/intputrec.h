#pragma once
// The invocation record: everything one encoder run needs. Text fields other
// than the four paths hold a complete argument piece with its leading blank
// (" -ab 128000") or are empty, which leaves the option out.

#include <QString>

// Where register.dat lies: the same for every run and every probe.
struct EncoderLocation {
    QString encoderfile; // executable folder + "register.dat"
    QString workdir;     // executable folder, with its trailing "/"
};

struct intputrec {
    QString inputfile;    // source file
    QString outputfile;   // file to write
    QString encoderfile;  // executable folder + "register.dat"
    QString workdir;      // executable folder, with its trailing "/"
    QString videobitrate; // " -r 25 -b " + bit/s, or " -crf " + level
    QString audiobitrate; // " -ab " + bit/s
    qint32 seconds = 0;   // length of the converted stretch: the progress denominator
    QString extra;        // the profile's argument template, or the " -target " piece
    QString size;         // " -s " + WxH
    QString samplerate;   // " -ar " + rate
    QString channels;     // " -ac " + count
    QString aspect;       // " -aspect " + ratio
    QString picture;      // " -vf " + the filters fitting the picture into the frame
    QString start;        // " -ss " + time code
    QString length;       // " -t " + time code
    bool operator==(const intputrec &) const = default;
};
