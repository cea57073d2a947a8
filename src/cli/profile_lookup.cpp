#include "cli/profile_lookup.h"

#include "profiles/catalogue.h"
#include "profiles/choice_list.h"

#include <QStringList>

namespace {

QString profileLine(int id)
{
    return QStringLiteral("  %1  %2").arg(id, 3).arg(*displayName(id));
}

} // namespace

Found findProfile(const QString &text, bool soundOnly)
{
    const auto offered = [soundOnly](int id) { return !soundOnly || isAudioOnly(id); };
    bool number = false;
    const int id = text.toInt(&number);
    if (number) {
        if (displayName(id) && offered(id))
            return {id, {}};
        return {std::nullopt,
                QStringLiteral("No profile has the id %1 (see veltrix-convert --list-profiles).").arg(text)};
    }
    std::vector<int> holding;
    for (const int candidate : catalogueIds()) {
        const QString name = *displayName(candidate);
        if (!offered(candidate))
            continue;
        if (name.compare(text, Qt::CaseInsensitive) == 0)
            return {candidate, {}};
        if (name.contains(text, Qt::CaseInsensitive))
            holding.push_back(candidate);
    }
    if (holding.size() == 1)
        return {holding.front(), {}};
    if (holding.empty())
        return {std::nullopt,
                QStringLiteral("No profile is named \"%1\" (see veltrix-convert --list-profiles).").arg(text)};
    QStringList lines;
    for (const int match : holding)
        lines << profileLine(match);
    return {std::nullopt, QStringLiteral("\"%1\" names %2 profiles; give one's id or whole name:\n%3")
                              .arg(text)
                              .arg(holding.size())
                              .arg(lines.join(u'\n'))};
}

Found findEntry(const QString &text, const ChoiceList &list, const QString &listName)
{
    bool number = false;
    const int position = text.toInt(&number);
    if (number && position >= 1 && position <= list.entries.size())
        return {position - 1, {}};
    for (int at = 0; at < list.entries.size(); ++at)
        if (list.entries.at(at).compare(text, Qt::CaseInsensitive) == 0)
            return {at, {}};
    if (!list.enabled || list.entries.isEmpty())
        return {std::nullopt, QStringLiteral("This profile offers no choice of %1.").arg(listName)};
    QStringList entries;
    for (int at = 0; at < list.entries.size(); ++at)
        entries << QStringLiteral("  %1  %2").arg(at + 1, 2).arg(list.entries.at(at));
    return {std::nullopt, QStringLiteral("The profile's %1 has no entry \"%2\"; its entries:\n%3")
                              .arg(listName, text, entries.join(u'\n'))};
}
