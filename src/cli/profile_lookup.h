#pragma once
// What the command line names among the profiles and their quality lists.
// Plain functions over the catalogue and a list; each error says what was
// not found and what there is to choose from.

#include <QString>
#include <optional>

struct ChoiceList;

struct Found {
    std::optional<int> value; // the id, or the list position from 0
    QString error;
};

// A profile by its id, or by its name with letter case aside: the one whose
// whole name it is, else the one whose name holds it. `soundOnly` keeps to
// the profiles without picture (the Audio Converter's).
Found findProfile(const QString &text, bool soundOnly);

// An entry of `list` by its text (letter case aside) or its position from 1.
Found findEntry(const QString &text, const ChoiceList &list, const QString &listName);
