#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/profiles.pop: four lines for each profile position 1..144.

Line 1 names the block: the catalogue's display name of the position, which
the program compares at start to find a missing or extra line. Line 2 lists
the picture sizes, line 3 the five video rates in kbit/s from "Lower Quality"
to "Higher Quality" ("*" for no video; for the formats of today from 133 on,
five constant-quality levels, CRF, lowest quality first), line 4 the encoder argument template,
which follows the size, rate and audio pieces on the command line and so may
override them. Run it from anywhere; it writes next to this script's
data folder.
"""
from pathlib import Path

# Picture sizes.
QCIF_SET = "128x96(SQCIF) 176x144(QCIF) 352x288(CIF)"
GENERAL4 = "320x240(QVGA) 640x480(VGA) 720x480(NTSC) 720x576(PAL)"
GENERAL5 = GENERAL4 + " 1280x720(720P)"
GENERAL6 = "176x144(QCIF) " + GENERAL5
HD3 = "720x480(480P) 1280x720(720P) 1920x1080(1080P)"
BLACKBERRY = "320x240(Curve) 480x320(Bold) 480x360(Storm)"

# Video rates, kbit/s, lowest quality first.
R_QCIF = "64 96 128 192 256"
R_QVGA = "200 300 400 600 768"
R_HVGA = "300 450 600 800 1000"
R_VGA = "500 800 1200 1500 2000"
R_720 = "1500 2500 3500 4500 6000"
R_1080 = "3000 5000 8000 10000 12000"
R_GENERAL = "400 600 800 1000 1200"

# Codec pieces.
MPEG4 = "-vcodec mpeg4"
DIVX = "-vcodec mpeg4 -vtag DIVX"
XVID = "-vcodec libxvid -vtag XVID"
H264 = "-vcodec libx264 -pix_fmt yuv420p"
H264_BASE = H264 + " -profile:v baseline -level 3.0"
H264_MAIN30 = H264 + " -profile:v main -level 3.0"
H264_MAIN31 = H264 + " -profile:v main -level 3.1"
H264_HIGH41 = H264 + " -profile:v high -level 4.1"
WMV = "-vcodec wmv2"
MP3 = "-acodec libmp3lame"
AAC = "-acodec aac"
WMA = "-acodec wmav2"
AC3 = "-acodec ac3 -ar 48000"          # AC-3 has no 22.05 kHz
FLASH = "-vcodec flv -acodec libmp3lame -ar 44100"  # Flash takes 44.1/22.05/11.025 kHz MP3 only
REAL = "-vcodec rv20 " + AC3            # RealVideo G2 with AC-3 ("dnet") audio
MPEG2_PS = "-vcodec mpeg2video " + AC3 + " -f vob"
MPEG2_TS = "-vcodec mpeg2video " + AC3 + " -f mpegts"

# Formats of today: sizes up to 4K (the source's own frame is offered after
# them), constant-quality levels, encoders that use several cores.
TODAY_SIZES = "3840x2160(4K) 2560x1440(QHD) 1920x1080(1080P) 1280x720(720P) 854x480(480P) 640x360(360P)"
L_X265 = "32 29 26 23 20"
L_VP9 = "42 38 34 30 26"
L_AV1 = "44 40 35 30 26"
X265 = "-vcodec libx265 -preset fast -x265-params log-level=warning"
VP9 = "-vcodec libvpx-vp9 -deadline good -cpu-used 4 -row-mt 1"
AV1 = "-vcodec libsvtav1 -preset 8"
OPUS = "-acodec libopus"
SAME_STREAMS = "-map 0 -c copy"


def video(label, sizes, rates, template):
    return (label, sizes, rates, " " + template)


def audio(label, template):
    return (label, "*", "*", " -vn " + template)


BLANK = ("(blank position)", "*", "*", "")

PROFILES = {
    1: video("ASF-Advanced Streaming Format(*.asf)", "320x240(QVGA) 640x480(VGA) 720x480(NTSC) 720x576(PAL)", R_GENERAL, "-vcodec msmpeg4 " + WMA),
    2: video("AVI-DivX Movie(*.avi)", GENERAL4, R_GENERAL, DIVX + " " + MP3),
    3: video("AVI-XviD Movie(*.avi)", GENERAL4, R_GENERAL, XVID + " " + MP3),
    4: video("MP4-MPEG-4 Video(*.mp4)", GENERAL6, R_GENERAL, MPEG4 + " " + AAC),
    5: video("MP4-MPEG-4 AVC Video(*.mp4)", GENERAL5, R_GENERAL, H264 + " " + AAC),
    6: video("RM-Real Video(*.rm)", GENERAL4, R_GENERAL, REAL),
    7: video("WMV-Windows Media Video(*.wmv)", GENERAL4, R_GENERAL, WMV + " " + WMA),
    8: video("3GPP-3rd Generation Partnership Project(*.3gp)", "176x144(QCIF) 320x240(QVGA) 352x288(CIF)", R_QCIF, MPEG4 + " " + AAC),
    9: video("3GPP2-3rd Generation Partnership Project2(*.3g2)", "176x144(QCIF) 320x240(QVGA) 352x288(CIF)", R_QCIF, MPEG4 + " " + AAC),
    10: video("MOV-Quick Time(*.mov)", GENERAL4, R_GENERAL, H264 + " " + AAC),
    11: video("FLV - Flash Video Format(*.flv)", GENERAL4, R_GENERAL, FLASH),
    12: video("SWF - SWF Format(*.swf)", GENERAL4, R_GENERAL, FLASH),
    13: video("RM-Real Video(*.rm)", GENERAL4, R_GENERAL, REAL),
    14: video("WMV-Windows Media Video(*.wmv)", GENERAL4, R_GENERAL, WMV + " " + WMA),
    15: audio("AAC-Advanced Audio Coding(*.aac)", AAC),
    16: audio("AC3-Dolby Dingtal AC-3(*.ac3)", AC3),
    17: audio("MP3-MPEG Layer-3Audio(*.mp3)", MP3),
    18: audio("OGG-Ogg Vorbis Audio(*.ogg)", "-acodec libvorbis"),
    19: audio("RA-Real Auido(*.ra)", AC3),
    20: audio("WAV-Waveform Auido(*.wav)", "-acodec pcm_s16le"),
    21: audio("WMA-Windows Media Audio(*.wma)", WMA),
    22: audio("AIFF-Audio Interchange File Format(*.aiff)", "-acodec pcm_s16be"),
    23: audio("M4A-MPEG-4 Auido(*.m4a)", AAC),
    24: audio("MP2-MPEG Layer-2 Audio(*.mp2)", "-acodec mp2"),
    25: audio("SUN AU Format(*.au)", "-acodec pcm_s16be"),
    27: video("iPod(320×240)MPEG-4 Codec(*.mp4)", "320x240(iPod)", R_QVGA, MPEG4 + " " + AAC),
    28: video("iPod(320×240)MPEG-4 AVC Codec(*.mp4)", "320x240(iPod)", R_QVGA, H264_BASE + " " + AAC),
    29: video("iPod(480×320)MPEG-4 Codec(*.mp4)", "480x320(iPod-touch)", R_HVGA, MPEG4 + " " + AAC),
    30: video("iPod(480×320)MPEG-4 AVC Codec(*.mp4)", "480x320(iPod-touch)", R_HVGA, H264_BASE + " " + AAC),
    31: video("iPod(640×480)MPEG-4 Codec(*.mp4)", "640x480(iPod-TV-out)", R_VGA, MPEG4 + " " + AAC),
    32: video("iPod(640×480)MPEG-4 AVC Codec(*.mp4)", "640x480(iPod-TV-out)", R_VGA, H264_BASE + " " + AAC),
    33: audio("iPod Audio Format(*.mp3)", MP3),
    34: video("iPhone(320×240)MPEG-4 Codec(*.mp4)", "320x240(QVGA)", R_QVGA, MPEG4 + " " + AAC),
    35: video("iPhone(320×240)MPEG-4 AVC Codec(*.mp4)", "320x240(QVGA)", R_QVGA, H264_BASE + " " + AAC),
    36: video("iPhone(480×320)MPEG-4 Codec(*.mp4)", "480x320(iPhone)", R_HVGA, MPEG4 + " " + AAC),
    37: video("iPhone(480×320)MPEG-4 AVC Codec(*.mp4)", "480x320(iPhone)", R_HVGA, H264_BASE + " " + AAC),
    38: video("iPhone(640×480)MPEG-4 Codec(*.mp4)", "640x480(iPhone-TV-out)", R_VGA, MPEG4 + " " + AAC),
    39: video("iPhone(640×480)MPEG-4 AVC Codec(*.mp4)", "640x480(iPhone-TV-out)", R_VGA, H264_BASE + " " + AAC),
    40: audio("iPhone Audio Format(*.mp3)", MP3),
    41: video("GPhone(320×240)MPEG-4 Codec(*.mp4)", "320x240(QVGA)", R_QVGA, MPEG4 + " " + AAC),
    42: video("GPhone(320×240)H.264 Codec(*.mp4)", "320x240(QVGA)", R_QVGA, H264_BASE + " " + AAC),
    43: video("GPhone(640×480)MPEG-4 Codec(*.mp4)", "640x480(VGA)", R_VGA, MPEG4 + " " + AAC),
    44: video("GPhone(640×480)H.264 Codec(*.mp4)", "640x480(VGA)", R_VGA, H264_BASE + " " + AAC),
    45: audio("GPhone Audio Format(*.mp3)", MP3),
    46: video("Apple TV MPEG-4 480P(640×480)(*.mp4)", "640x480(480P)", R_VGA, MPEG4 + " " + AAC),
    47: video("Apple TV MPEG-4 720P(1280×720)(*.mp4)", "1280x720(720P)", R_720, MPEG4 + " " + AAC),
    48: video("Apple TV MPEG-4 (320×240)(*.mp4)", "320x240(QVGA)", R_QVGA, MPEG4 + " " + AAC),
    49: video("Apple TV h264 480P(640×480)(*.mp4)", "640x480(480P)", R_VGA, H264_MAIN31 + " " + AAC),
    50: video("Apple TV h264 720P(1280×720)(*.mp4)", "1280x720(720P)", R_720, H264_MAIN31 + " " + AAC),
    51: video("Apple TV h264(320×240)(*.mp4)", "320x240(QVGA)", R_QVGA, H264_MAIN31 + " " + AAC),
    53: video("PS3 Video(1080P)MPEG-4(*.MP4)", "1920x1080(1080P) 1280x720(720P)", R_1080, MPEG4 + " " + AAC + " -f mp4"),
    54: video("PS3 Video(720P)MPEG-4(*.MP4)", "1280x720(720P) 720x480(480P)", R_720, MPEG4 + " " + AAC + " -f mp4"),
    55: video("PS3 Video(480P)MPEG-4(*.MP4)", "320x240(QVGA) 640x480(VGA) 720x480(480P)", R_VGA, MPEG4 + " " + AAC + " -f mp4"),
    56: video("PSP-PSP MPEG-4 Video(*.mp4)", "480x272(PSP) 320x240(QVGA) 368x208", R_HVGA, MPEG4 + " " + AAC),
    57: video("PSP AVC Video Format(*.mp4)", "480x272(PSP) 320x240(QVGA) 368x208", R_HVGA, H264_MAIN30 + " " + AAC),
    58: video("PSP Video(480P)MPEG-4(*.mp4)", "480x272(PSP) 640x480(VGA) 720x480(480P)", R_VGA, MPEG4 + " " + AAC),
    59: audio("PSP Audio Format(*.mp4)", AAC),
    60: video("Xbox360 WMV Movie(*.wmv)", "640x480(VGA) 720x480(480P) 1280x720(720P)", R_VGA, WMV + " " + WMA),
    61: video("Xbox360 WMV HDTV Video(*.wmv)", HD3, R_1080, WMV + " " + WMA),
    62: video("Xbox360 MPEG-4 AVC Video(*.mp4)", "320x240(QVGA) 480x360 640x480(VGA)", R_VGA, H264_MAIN31 + " " + AAC),
    63: video("Xbox360 HD MPEG-4 AVC Video(*.mp4)", HD3, R_1080, H264_HIGH41 + " " + AAC),
    64: video("Xbox360 MPEG4 Video(*.mp4)", "320x240(QVGA) 480x360 640x480(VGA)", R_VGA, MPEG4 + " " + AAC),
    65: video("Xbox360 HD MPEG-4 Video(*.mp4)", HD3, R_1080, MPEG4 + " " + AAC),
    66: video("Xbox360 MCE HD MPEG2 Video(*.mpeg)", HD3, R_1080, MPEG2_PS),
    68: video("3GPP-3rd Generation Partnership Project(*.3gp)", QCIF_SET, R_QCIF, "-vcodec h263 " + AAC),
    69: video("3GPP2-3rd Generation Partnership Project2(*.3g2)", QCIF_SET, R_QCIF, "-vcodec h263 " + AAC),
    70: video("BlackBerry 3GP Video(*.3gp)", BLACKBERRY, R_QVGA, MPEG4 + " " + AAC),
    71: audio("BlackBerry AMR Audio(*.amr)", ""),
    72: video("BlackBerry AVI Audio(*.avi)", BLACKBERRY, R_QVGA, MPEG4 + " " + MP3),
    73: video("BlackBerry MPEG-4 Video(*.mp4)", BLACKBERRY, R_QVGA, MPEG4 + " " + AAC),
    75: video("Dell Axim X51 Video(*.wmv)", "320x240(X51) 640x480(X51v)", R_QVGA, WMV + " " + WMA),
    76: video("General Pocket PC Video(*.wmv)", "320x240(QVGA) 640x480(VGA)", R_QVGA, WMV + " " + WMA),
    77: video("HP iPAQ hw6500 series Video(*.wmv)", "176x144(QCIF) 240x240(hw6500)", R_QVGA, WMV + " " + WMA),
    78: video("HP iPAQ hx2000/rx3000/rx1900 series Video(*.wmv)", "320x240(QVGA) 240x180", R_QVGA, WMV + " " + WMA),
    79: video("HP iPAQ hx4700 series Video(*.wmv)", "640x480(hx4700) 320x240(QVGA)", R_VGA, WMV + " " + WMA),
    80: audio("WMA-Windows Media Audio(*.wma)", WMA),
    81: video("WMV-Windows Media Video(*.wmv)", "320x240(QVGA) 640x480(VGA)", R_QVGA, WMV + " " + WMA),
    83: video("Archos AV500/GMini402 Video(*.avi)", "320x240(GMini402) 480x272(AV500)", R_HVGA, DIVX + " " + MP3),
    84: video("Archos AV700 Video(*.avi)", "640x480(VGA) 720x480(AV700)", R_VGA, DIVX + " " + MP3),
    85: video("Creative Zen Vision Video(*.avi)", "320x240(QVGA) 640x480(Zen-Vision)", R_VGA, XVID + " " + MP3),
    86: video("Zune MPEG-4 AVC Video Format(*.mp4)", "320x240(Zune) 640x480(VGA)", R_QVGA, H264_BASE + " " + AAC),
    87: video("Zune MPEG-4 Video(*.mp4)", "320x240(Zune) 640x480(VGA)", R_QVGA, MPEG4 + " " + AAC),
    88: video("Zune WMV-Windows Media Video(*.wmv)", "320x240(Zune) 640x480(VGA)", R_QVGA, WMV + " " + WMA),
    89: video("iRiver PMP-100 Video(*.avi)", "220x176 320x240(PMP-100)", R_QVGA, XVID + " " + MP3),
    91: video("HD AVI Video(*.avi)", HD3, R_1080, XVID + " " + AC3),
    92: video("HD MPEG-4 Video(*.mp4)", HD3, R_1080, MPEG4 + " " + AAC),
    93: video("HD MPEG-4 AVC Video(*.mp4)", HD3, R_1080, H264_HIGH41 + " " + AAC),
    94: video("HD MOV Video(*.mov)", HD3, R_1080, H264 + " " + AAC),
    95: video("HD MPEG-2 TS Video(*.ts)", HD3, R_1080, MPEG2_TS),
    96: video("HD MPEG2 Video(*.mpg)", HD3, R_1080, MPEG2_PS),
    97: video("HD WMV Video(*.wmv)", HD3, R_1080, WMV + " " + WMA),
    99: video("FLV - Flash Video Format(*.flv)", "160x120 320x240(QVGA) 400x300 480x360 640x480(VGA)", R_QVGA, FLASH),
    100: video("SWF - SWF Format(*.swf)", "160x120 320x240(QVGA) 400x300 480x360 640x480(VGA)", R_QVGA, FLASH),
    102: video("AVI - H264 Movie(*.avi)", GENERAL4, R_GENERAL, H264 + " " + MP3),
    103: video("AVI - DivX Movie(*.avi)", GENERAL4, R_GENERAL, DIVX + " " + MP3),
    104: video("AVI - XviD Movie(*.avi)", GENERAL4, R_GENERAL, XVID + " " + MP3),
    105: video("AVI - MPEG-4 Movie(*.avi)", GENERAL4, R_GENERAL, MPEG4 + " " + MP3),
    106: video("AVI - MSMPEG4 Movie(*.avi)", GENERAL4, R_GENERAL, "-vcodec msmpeg4 " + MP3),
    107: video("AVI - MPEG Movie(*.avi)", GENERAL4, R_GENERAL, "-vcodec mpeg1video -acodec mp2"),
    108: video("AVI - WMV Movie(*.avi)", GENERAL4, R_GENERAL, WMV + " " + MP3),
    110: video("MPEG-1 Movie(*.mpg)", "160x120 320x240(QVGA) 352x240(SIF-NTSC) 352x288(SIF-PAL) 640x480(VGA)", R_GENERAL,
               "-vcodec mpeg1video -acodec mp2 -f mpeg"),
    111: video("MPEG-2 Movie(*.mpg)", GENERAL4, R_GENERAL, "-vcodec mpeg2video -acodec mp2 -f vob"),
    112: video("Video CD - MPEG PS Format(*.mpg)", "PAL NTSC", "*", "-target pal-vcd"),
    113: video("Super Video CD - MPEG2 PS Format(*.mpg)", "PAL NTSC", "*", "-target pal-svcd"),
    114: video("DVD - MPEG2 PS Format(*.vob)", "PAL NTSC", "*", "-target pal-dvd"),
    115: video("HD MPEG-2 Video(*.mpeg)", "1920x1080(1080P) 1280x720(720P)", R_1080, MPEG2_PS),
    116: video("HD MPEG-2 TS Video(*.ts)", "1920x1080(1080P) 1280x720(720P)", R_1080, MPEG2_TS),
    118: video("MP4 - MPEG4 Video Mini(*.mp4)", "128x96(SQCIF) 176x144(QCIF) 320x240(QVGA) 352x288(CIF) 480x320 640x480(VGA)",
               R_QVGA, MPEG4 + " " + AAC),
    119: video("MP4 - MPEG4 Video Normal(*.mp4)", "320x240(QVGA) 352x288(CIF) 480x320 640x480(VGA) 720x480(NTSC) 720x576(PAL)",
               R_VGA, MPEG4 + " " + AAC),
    120: video("MP4 - MPEG4 Video Excellent(*.mp4)", "640x480(VGA) 720x480(NTSC) 720x576(PAL) 1024x768(XGA) 1280x720(720P) "
               "1920x1080(1080P)", R_720, MPEG4 + " " + AAC),
    121: video("MP4 - H.264 Video Mini(*.mp4)", "128x96(SQCIF) 176x144(QCIF) 320x240(QVGA) 352x288(CIF) 480x320 640x480(VGA)",
               R_QVGA, H264_BASE + " " + AAC),
    122: video("MP4 - H.264 Video Normal(*.mp4)", "320x240(QVGA) 352x288(CIF) 480x320 640x480(VGA) 720x480(NTSC) 720x576(PAL)",
               R_VGA, H264 + " " + AAC),
    123: video("MP4 - H.264 Video Excellent(*.MP4)", "640x480(VGA) 720x480(NTSC) 720x576(PAL) 1024x768(XGA) 1280x720(720P) "
               "1920x1080(1080P)", R_720, H264 + " " + AAC + " -f mp4"),
    125: video("MKV - H264 Movie(*.mkv)", GENERAL5, R_GENERAL, H264 + " " + AAC),
    126: video("MKV - DivX Movie(*.mkv)", GENERAL5, R_GENERAL, DIVX + " " + MP3),
    127: video("MKV - XviD Movie(*.mkv)", GENERAL5, R_GENERAL, XVID + " " + MP3),
    128: video("MKV - MPEG-4 Movie(*.mkv)", GENERAL5, R_GENERAL, MPEG4 + " " + AAC),
    129: video("MKV - MSMPEG4 Movie(*.mkv)", GENERAL5, R_GENERAL, "-vcodec msmpeg4 " + MP3),
    130: video("MKV - MPEG Movie(*.mkv)", GENERAL5, R_GENERAL, "-vcodec mpeg2video -acodec mp2"),
    131: video("MKV - WMV Movie(*.mkv)", GENERAL5, R_GENERAL, WMV + " " + WMA),
    133: video("MP4 - H.265 HEVC Video(*.mp4)", TODAY_SIZES, L_X265,
               X265 + " -tag:v hvc1 " + AAC + " -movflags +faststart"),
    134: video("MKV - H.265 HEVC Movie(*.mkv)", TODAY_SIZES, L_X265, X265 + " " + AAC),
    135: video("WebM - VP9 Video + Opus(*.webm)", TODAY_SIZES, L_VP9, VP9 + " " + OPUS),
    136: video("WebM - AV1 Video + Opus(*.webm)", TODAY_SIZES, L_AV1, AV1 + " " + OPUS),
    137: video("MKV - AV1 Movie + Opus(*.mkv)", TODAY_SIZES, L_AV1, AV1 + " " + OPUS),
    138: video("MKV - Same streams, new container(*.mkv)", "*", "*", SAME_STREAMS),
    139: video("MP4 - Same streams, new container(*.mp4)", "*", "*", SAME_STREAMS),
    141: audio("Opus Audio(*.opus)", OPUS),
    142: audio("FLAC - Free Lossless Audio Codec(*.flac)", "-acodec flac"),
    143: audio("ALAC - Apple Lossless Audio(*.m4a)", "-acodec alac"),
}


def main():
    lines = []
    for pid in range(1, 145):
        label, sizes, rates, template = PROFILES.get(pid, BLANK)
        lines += [label, sizes, rates, template.rstrip()]
    target = Path(__file__).resolve().parent.parent / "data" / "profiles.pop"
    target.write_text("\n".join(lines) + "\n", encoding="utf-8")
    print(f"{target}: {len(lines)} lines")


if __name__ == "__main__":
    main()
