#include "profiles/list_reading.h"

namespace {

// The size entry a conversion takes: the selected one, else the first.
QString sizeEntryTaken(const ChoiceList &size)
{
    return size.selected >= 0 ? size.selectedText() : size.entries.value(0);
}

} // namespace

QualityChoice readQualityChoice(const ChoiceList &quality)
{
    const QString chosen = quality.selectedText();
    if (chosen == kOriginalVideoQuality || chosen == kOriginalAudioQuality)
        return {true, kNormalPosition};
    const int position = qualityEntries().indexOf(chosen);
    return {false, position >= 0 ? position : kNormalPosition};
}

SizeChoice readSizeChoice(const ChoiceList &size, bool discTarget)
{
    const QString chosen = sizeEntryTaken(size);
    SizeChoice choice{.stated = size.enabled};
    if (discTarget) {
        choice.kind = SizeChoice::Kind::Standard;
        choice.standard = chosen.toLower();
    } else if (chosen == kOriginalSize) {
        choice.kind = SizeChoice::Kind::Source;
    } else if (const std::optional<FrameSize> frame = readFrame(chosen)) {
        choice.kind = SizeChoice::Kind::Frame;
        choice.frame = *frame;
    }
    return choice;
}

int readChannelCount(const ChoiceList &channel)
{
    return channel.selectedText() == channelEntries().at(0) ? 1 : 2;
}

QString entryTaken(const ChoiceList &list, QualityListId id)
{
    if (const QString chosen = list.selectedText(); !chosen.isEmpty())
        return chosen;
    switch (id) {
    case QualityListId::Size:
        return sizeEntryTaken(list);
    case QualityListId::Channel:
        return channelEntries().at(readChannelCount(list) - 1);
    case QualityListId::VideoQuality:
    case QualityListId::AudioQuality:
        break;
    }
    return qualityEntries().at(readQualityChoice(list).position);
}

QString nothingSelectedNote(const ChoiceList &list, QualityListId id)
{
    return QStringLiteral("Nothing is chosen in this list for this profile: a conversion takes \"%1\". Choose an "
                          "entry to change it.")
        .arg(entryTaken(list, id));
}
