#include "profiles/picker_placement.h"

namespace {

constexpr int kFirstButtonHeight = 53;
constexpr int kButtonHeight = 48;
constexpr int kFirstButtonTop = -1;
constexpr int kSecondButtonTop = 52;

} // namespace

int firstPageLeft(const PickerEdition &edition)
{
    return edition.zuvok ? 88 : 94;
}

std::optional<int> firstPageLeftAfterReturn(const PickerEdition &edition)
{
    if (!edition.audioNamed)
        return std::nullopt;
    return edition.zuvok ? 88 : 53;
}

bool offersGroup(const PickerEdition &edition, QStringView panel)
{
    return !edition.audioNamed || panel == u"pl_audio1" || panel == u"pl_audio2" || panel == u"pl_today_audio";
}

int profileButtonTop(int index)
{
    return index == 0 ? kFirstButtonTop : kSecondButtonTop + (index - 1) * kButtonHeight;
}

int profileButtonHeight(int index)
{
    return index == 0 ? kFirstButtonHeight : kButtonHeight;
}

int blankAreaHeight(int index)
{
    return kPickerPageHeight - kPickerStripHeight - profileButtonTop(index);
}

int categoryRowTop(int row)
{
    return kCategoryTitleHeight + row * kCategoryRowHeight;
}
