#include "profiles/choice_list.h"

QStringList qualityEntries()
{
    return {QStringLiteral("Higher Quality"), QStringLiteral("High Quality"), QStringLiteral("Normal"),
            QStringLiteral("Low Quality"), QStringLiteral("Lower Quality")};
}

QStringList channelEntries()
{
    return {QStringLiteral("Mono"), QStringLiteral("Stereo")};
}

QString ChoiceList::selectedText() const
{
    return selected >= 0 && selected < entries.size() ? entries.at(selected) : QString();
}

QString ChoiceList::lastEntry() const
{
    return entries.isEmpty() ? QString() : entries.last();
}

void ChoiceList::select(int position)
{
    selected = position >= 0 && position < entries.size() ? position : -1;
}

void ChoiceList::removeLast()
{
    if (entries.isEmpty())
        return;
    entries.removeLast();
    if (selected >= entries.size())
        selected = -1;
}

void ChoiceList::removeSelected()
{
    if (selected >= 0 && selected < entries.size())
        entries.removeAt(selected);
    selected = -1;
}

QualityLists initialQualityLists()
{
    QualityLists lists;
    lists.videoQuality.entries = qualityEntries();
    lists.audioQuality.entries = qualityEntries();
    lists.channel.entries = channelEntries();
    lists.channel.selected = 1;
    return lists;
}

ChoiceList &qualityList(QualityLists &lists, QualityListId id)
{
    switch (id) {
    case QualityListId::VideoQuality:
        return lists.videoQuality;
    case QualityListId::AudioQuality:
        return lists.audioQuality;
    case QualityListId::Channel:
        return lists.channel;
    case QualityListId::Size:
        break;
    }
    return lists.size;
}

const ChoiceList &qualityList(const QualityLists &lists, QualityListId id)
{
    return qualityList(const_cast<QualityLists &>(lists), id);
}
