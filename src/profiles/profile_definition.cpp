#include "profiles/profile_definition.h"

#include "profiles/catalogue.h"

#include <algorithm>

namespace {

const QString kMp4 = QStringLiteral(".mp4");

// Offers the source-quality entry at the end of a quality list. An entry
// already in the list (before a "No Video" that is about to go) is not added
// a second time.
void offerSourceEntry(ChoiceList &quality, const QString &entry)
{
    if (!quality.entries.contains(entry))
        quality.append(entry);
}

void withdrawSourceEntry(ChoiceList &quality, const QString &entry)
{
    if (quality.lastEntry() == entry)
        quality.removeLast();
}

} // namespace

void applySizeLine(ChoiceList &size, int id, const QString &extension, const QString &line)
{
    size.entries = tokenizeLine(line);
    size.selected = -1;
    if (isDiscTarget(id))
        size.entries = {kPal, kNtsc};
    if (qualityMode(id) == QualityMode::StreamCopy)
        size.entries = {kOriginalSize};
    // The classic ".mp4" profiles never offer the source's frame; the formats
    // of today always do.
    const bool classicMp4 = qualityMode(id) == QualityMode::Rate && extension == kMp4;
    if (mayOfferOriginalSize(id) && size.entries.size() > 1 && !classicMp4)
        size.append(kOriginalSize);
    if (size.entries.isEmpty()) {
        size.append(kNoVideo);
        size.selected = 0;
    }
}

void applyRateLine(QualityLists &lists, std::array<QString, 5> &rateTexts, int id, const QString &extension,
                   bool dvdMode, const QString &line)
{
    if (isDiscTarget(id)) {
        lists.videoQuality.enabled = lists.audioQuality.enabled = lists.channel.enabled = false;
        lists.size.enabled = true; // "PAL" or "NTSC" stays the user's choice
        return;
    }
    lists.videoQuality.enabled = lists.audioQuality.enabled = lists.channel.enabled = true;
    if (qualityMode(id) == QualityMode::StreamCopy) {
        // Every stream is copied as it is: no list applies, and the quality
        // lists say so with their source entries.
        offerSourceEntry(lists.videoQuality, kOriginalVideoQuality);
        offerSourceEntry(lists.audioQuality, kOriginalAudioQuality);
        lists.size.enabled = lists.videoQuality.enabled = lists.audioQuality.enabled = lists.channel.enabled = false;
        rateTexts.fill(QString());
        return;
    }

    if (qualityMode(id) == QualityMode::Lossless) {
        offerSourceEntry(lists.audioQuality, kOriginalAudioQuality);
        lists.audioQuality.enabled = false;
    } else if (isGeneralFormat(id)) {
        if (extension == kMp4) {
            withdrawSourceEntry(lists.videoQuality, kOriginalVideoQuality);
            withdrawSourceEntry(lists.audioQuality, kOriginalAudioQuality);
        } else if (!dvdMode) {
            offerSourceEntry(lists.videoQuality, kOriginalVideoQuality);
            offerSourceEntry(lists.audioQuality, kOriginalAudioQuality);
        }
    }

    if (line == QStringLiteral("*") && lists.size.entries.size() == 1) {
        rateTexts[0] = QStringLiteral("*");
        if (lists.videoQuality.lastEntry() != kNoVideo)
            lists.videoQuality.append(kNoVideo);
        lists.videoQuality.select(int(lists.videoQuality.entries.size()) - 1);
        lists.size.enabled = lists.videoQuality.enabled = false;
        return;
    }

    lists.size.enabled = lists.videoQuality.enabled = true;
    if (lists.videoQuality.selectedText() == kNoVideo)
        lists.videoQuality.removeSelected();
    const QStringList tokens = tokenizeLine(line);
    for (qsizetype k = 1; k <= std::min<qsizetype>(tokens.size(), 5); ++k)
        rateTexts[5 - k] = tokens.at(k - 1);
}

void applyProfileBlock(const ProfileBlock &block, int id, bool dvdMode, QualityLists &lists, TActiveProfile &active)
{
    const QString extension = active.outputExtension();
    if (block.sizeLine)
        applySizeLine(lists.size, id, extension, *block.sizeLine);
    if (block.rateLine)
        applyRateLine(lists, active.rateTexts, id, extension, dvdMode, *block.rateLine);
    if (block.argumentTemplate)
        active.argumentTemplate = *block.argumentTemplate;
}
