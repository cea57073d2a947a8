#include "profiles/catalogue.h"

#include <array>

namespace {

// Index = id - 1; an empty name is a blank position.
constexpr std::array<QStringView, kLastProfileId> kNames = {
    // pl_video1, 1-7
    u"ASF-Advanced Streaming Format(*.asf)",
    u"AVI-DivX Movie(*.avi)",
    u"AVI-XviD Movie(*.avi)",
    u"MP4-MPEG-4 Video(*.mp4)",
    u"MP4-MPEG-4 AVC Video(*.mp4)",
    u"RM-Real Video(*.rm)",
    u"WMV-Windows Media Video(*.wmv)",
    // pl_video2, 8-14
    u"3GPP-3rd Generation Partnership Project(*.3gp)",
    u"3GPP2-3rd Generation Partnership Project2(*.3g2)",
    u"MOV-Quick Time(*.mov)",
    u"FLV - Flash Video Format(*.flv)",
    u"SWF - SWF Format(*.swf)",
    u"RM-Real Video(*.rm)",
    u"WMV-Windows Media Video(*.wmv)",
    // pl_audio1, 15-21
    u"AAC-Advanced Audio Coding(*.aac)",
    u"AC3-Dolby Dingtal AC-3(*.ac3)",
    u"MP3-MPEG Layer-3Audio(*.mp3)",
    u"OGG-Ogg Vorbis Audio(*.ogg)",
    u"RA-Real Auido(*.ra)",
    u"WAV-Waveform Auido(*.wav)",
    u"WMA-Windows Media Audio(*.wma)",
    // pl_audio2, 22-26
    u"AIFF-Audio Interchange File Format(*.aiff)",
    u"M4A-MPEG-4 Auido(*.m4a)",
    u"MP2-MPEG Layer-2 Audio(*.mp2)",
    u"SUN AU Format(*.au)",
    u"",
    // pl_ipod, 27-33
    u"iPod(320\u00d7240)MPEG-4 Codec(*.mp4)",
    u"iPod(320\u00d7240)MPEG-4 AVC Codec(*.mp4)",
    u"iPod(480\u00d7320)MPEG-4 Codec(*.mp4)",
    u"iPod(480\u00d7320)MPEG-4 AVC Codec(*.mp4)",
    u"iPod(640\u00d7480)MPEG-4 Codec(*.mp4)",
    u"iPod(640\u00d7480)MPEG-4 AVC Codec(*.mp4)",
    u"iPod Audio Format(*.mp3)",
    // pl_iphone, 34-40
    u"iPhone(320\u00d7240)MPEG-4 Codec(*.mp4)",
    u"iPhone(320\u00d7240)MPEG-4 AVC Codec(*.mp4)",
    u"iPhone(480\u00d7320)MPEG-4 Codec(*.mp4)",
    u"iPhone(480\u00d7320)MPEG-4 AVC Codec(*.mp4)",
    u"iPhone(640\u00d7480)MPEG-4 Codec(*.mp4)",
    u"iPhone(640\u00d7480)MPEG-4 AVC Codec(*.mp4)",
    u"iPhone Audio Format(*.mp3)",
    // pl_gphone, 41-45
    u"GPhone(320\u00d7240)MPEG-4 Codec(*.mp4)",
    u"GPhone(320\u00d7240)H.264 Codec(*.mp4)",
    u"GPhone(640\u00d7480)MPEG-4 Codec(*.mp4)",
    u"GPhone(640\u00d7480)H.264 Codec(*.mp4)",
    u"GPhone Audio Format(*.mp3)",
    // pl_appletv, 46-52
    u"Apple TV MPEG-4 480P(640\u00d7480)(*.mp4)",
    u"Apple TV MPEG-4 720P(1280\u00d7720)(*.mp4)",
    u"Apple TV MPEG-4 (320\u00d7240)(*.mp4)",
    u"Apple TV h264 480P(640\u00d7480)(*.mp4)",
    u"Apple TV h264 720P(1280\u00d7720)(*.mp4)",
    u"Apple TV h264(320\u00d7240)(*.mp4)",
    u"",
    // pl_psp, 53-59
    u"PS3 Video(1080P)MPEG-4(*.MP4)",
    u"PS3 Video(720P)MPEG-4(*.MP4)",
    u"PS3 Video(480P)MPEG-4(*.MP4)",
    u"PSP-PSP MPEG-4 Video(*.mp4)",
    u"PSP AVC Video Format(*.mp4)",
    u"PSP Video(480P)MPEG-4(*.mp4)",
    u"PSP Audio Format(*.mp4)",
    // pl_xbox, 60-67
    u"Xbox360 WMV Movie(*.wmv)",
    u"Xbox360 WMV HDTV Video(*.wmv)",
    u"Xbox360 MPEG-4 AVC Video(*.mp4)",
    u"Xbox360 HD MPEG-4 AVC Video(*.mp4)",
    u"Xbox360 MPEG4 Video(*.mp4)",
    u"Xbox360 HD MPEG-4 Video(*.mp4)",
    u"Xbox360 MCE HD MPEG2 Video(*.mpeg)",
    u"",
    // pl_phone, 68-74
    u"3GPP-3rd Generation Partnership Project(*.3gp)",
    u"3GPP2-3rd Generation Partnership Project2(*.3g2)",
    u"BlackBerry 3GP Video(*.3gp)",
    u"BlackBerry AMR Audio(*.amr)",
    u"BlackBerry AVI Audio(*.avi)",
    u"BlackBerry MPEG-4 Video(*.mp4)",
    u"",
    // pl_win, 75-82
    u"Dell Axim X51 Video(*.wmv)",
    u"General Pocket PC Video(*.wmv)",
    u"HP iPAQ hw6500 series Video(*.wmv)",
    u"HP iPAQ hx2000/rx3000/rx1900 series Video(*.wmv)",
    u"HP iPAQ hx4700 series Video(*.wmv)",
    u"WMA-Windows Media Audio(*.wma)",
    u"WMV-Windows Media Video(*.wmv)",
    u"",
    // pl_pmp, 83-90
    u"Archos AV500/GMini402 Video(*.avi)",
    u"Archos AV700 Video(*.avi)",
    u"Creative Zen Vision Video(*.avi)",
    u"Zune MPEG-4 AVC Video Format(*.mp4)",
    u"Zune MPEG-4 Video(*.mp4)",
    u"Zune WMV-Windows Media Video(*.wmv)",
    u"iRiver PMP-100 Video(*.avi)",
    u"",
    // pl_hd, 91-98
    u"HD AVI Video(*.avi)",
    u"HD MPEG-4 Video(*.mp4)",
    u"HD MPEG-4 AVC Video(*.mp4)",
    u"HD MOV Video(*.mov)",
    u"HD MPEG-2 TS Video(*.ts)",
    u"HD MPEG2 Video(*.mpg)",
    u"HD WMV Video(*.wmv)",
    u"",
    // pl_animation, 99-101
    u"FLV - Flash Video Format(*.flv)",
    u"SWF - SWF Format(*.swf)",
    u"",
    // pl_avi, 102-109
    u"AVI - H264 Movie(*.avi)",
    u"AVI - DivX Movie(*.avi)",
    u"AVI - XviD Movie(*.avi)",
    u"AVI - MPEG-4 Movie(*.avi)",
    u"AVI - MSMPEG4 Movie(*.avi)",
    u"AVI - MPEG Movie(*.avi)",
    u"AVI - WMV Movie(*.avi)",
    u"",
    // pl_mpeg, 110-117
    u"MPEG-1 Movie(*.mpg)",
    u"MPEG-2 Movie(*.mpg)",
    u"Video CD - MPEG PS Format(*.mpg)",
    u"Super Video CD - MPEG2 PS Format(*.mpg)",
    u"DVD - MPEG2 PS Format(*.vob)",
    u"HD MPEG-2 Video(*.mpeg)",
    u"HD MPEG-2 TS Video(*.ts)",
    u"",
    // pl_mp4, 118-124
    u"MP4 - MPEG4 Video Mini(*.mp4)",
    u"MP4 - MPEG4 Video Normal(*.mp4)",
    u"MP4 - MPEG4 Video Excellent(*.mp4)",
    u"MP4 - H.264 Video Mini(*.mp4)",
    u"MP4 - H.264 Video Normal(*.mp4)",
    u"MP4 - H.264 Video Excellent(*.MP4)",
    u"",
    // pl_mkv, 125-132
    u"MKV - H264 Movie(*.mkv)",
    u"MKV - DivX Movie(*.mkv)",
    u"MKV - XviD Movie(*.mkv)",
    u"MKV - MPEG-4 Movie(*.mkv)",
    u"MKV - MSMPEG4 Movie(*.mkv)",
    u"MKV - MPEG Movie(*.mkv)",
    u"MKV - WMV Movie(*.mkv)",
    u"",
    // pl_today, 133-140
    u"MP4 - H.265 HEVC Video(*.mp4)",
    u"MKV - H.265 HEVC Movie(*.mkv)",
    u"WebM - VP9 Video + Opus(*.webm)",
    u"WebM - AV1 Video + Opus(*.webm)",
    u"MKV - AV1 Movie + Opus(*.mkv)",
    u"MKV - Same streams, new container(*.mkv)",
    u"MP4 - Same streams, new container(*.mp4)",
    u"",
    // pl_today_audio, 141-144
    u"Opus Audio(*.opus)",
    u"FLAC - Free Lossless Audio Codec(*.flac)",
    u"ALAC - Apple Lossless Audio(*.m4a)",
    u"",
};

constexpr std::array<ProfileGroup, 21> kGroups = {{
    {u"pl_video1", 1, 7, u"Common video"},
    {u"pl_video2", 8, 14, u"Mobile and web video"},
    {u"pl_audio1", 15, 21, u"Audio"},
    {u"pl_audio2", 22, 26, u"Audio"},
    {u"pl_ipod", 27, 33, u"iPod"},
    {u"pl_iphone", 34, 40, u"iPhone"},
    {u"pl_gphone", 41, 45, u"GPhone"},
    {u"pl_appletv", 46, 52, u"Apple TV"},
    {u"pl_psp", 53, 59, u"PS3 and PSP"},
    {u"pl_xbox", 60, 67, u"Xbox 360"},
    {u"pl_phone", 68, 74, u"Phones"},
    {u"pl_win", 75, 82, u"Pocket PC"},
    {u"pl_pmp", 83, 90, u"Portable players"},
    {u"pl_hd", 91, 98, u"HD video"},
    {u"pl_animation", 99, 101, u"Flash animation"},
    {u"pl_avi", 102, 109, u"AVI"},
    {u"pl_mpeg", 110, 117, u"MPEG, VCD and DVD"},
    {u"pl_mp4", 118, 124, u"MP4"},
    {u"pl_mkv", 125, 132, u"MKV"},
    {u"pl_today", 133, 140, u"Modern video"},
    {u"pl_today_audio", 141, 144, u"Modern audio"},
}};

bool inCatalogue(int id)
{
    return id >= kFirstProfileId && id <= kLastProfileId;
}

} // namespace

std::optional<QString> displayName(int id)
{
    if (!inCatalogue(id) || kNames[id - 1].isEmpty())
        return std::nullopt;
    return kNames[id - 1].toString();
}

std::vector<int> catalogueIds()
{
    std::vector<int> ids;
    for (int id = kFirstProfileId; id <= kLastProfileId; ++id)
        if (displayName(id))
            ids.push_back(id);
    return ids;
}

std::span<const ProfileGroup> profileGroups()
{
    return kGroups;
}

std::optional<ProfileGroup> groupOf(int id)
{
    for (const ProfileGroup &group : kGroups)
        if (id >= group.firstId && id <= group.lastId)
            return group;
    return std::nullopt;
}

bool isGeneralFormat(int id)
{
    return id < 15 || id > 101;
}

bool usesRateTexts(int id)
{
    return id >= 15 && id <= 101;
}

bool mayOfferOriginalSize(int id)
{
    return (isGeneralFormat(id) && id <= 111) || id >= kFirstModernId;
}

bool isDiscTarget(int id)
{
    return id >= 112 && id <= 114;
}

bool isAudioOnly(int id)
{
    return (id >= 15 && id <= 25) || id == 33 || id == 40 || id == 45 || id == 59 || id == 71 || id == 80
           || (id >= 141 && id <= 143);
}

QualityMode qualityMode(int id)
{
    if (id == 138 || id == 139)
        return QualityMode::StreamCopy;
    if (id == 142 || id == 143)
        return QualityMode::Lossless;
    return id >= kFirstModernId ? QualityMode::ConstantQuality : QualityMode::Rate;
}

ProfileKind profileKind(int id)
{
    if (isAudioOnly(id))
        return ProfileKind::Sound;
    return id >= 27 && id <= 90 ? ProfileKind::Device : ProfileKind::Film;
}

QString outputExtension(const QString &displayName)
{
    const qsizetype star = displayName.indexOf(u'*');
    if (star < 0)
        return {};
    return displayName.mid(star + 1, displayName.size() - star - 2);
}
