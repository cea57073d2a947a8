#include "app/main_skin_objects.h"

#include "platform/skin/skin.h"

#include <utility>

namespace {

using Field = SkinObject *MainSkinObjects::*;

void read(MainSkinObjects &objects, SkinForm *form, std::initializer_list<std::pair<Field, const char *>> fields)
{
    for (const auto &[field, name] : fields)
        objects.*field = TSkin::findObject(form, QString::fromLatin1(name));
}

} // namespace

void MainSkinObjects::readMain(SkinForm *form)
{
    using M = MainSkinObjects;
    read(*this, form,
         {{&M::profilestext, "profilestext"},
          {&M::play_time, "play_time"},
          {&M::hint, "hint"},
          {&M::play_bar, "play_bar"},
          {&M::di, "di"},
          {&M::alltime, "alltime"},
          {&M::playpos, "playpos"},
          {&M::convertpos, "convertpos"}});
}

void MainSkinObjects::readCutter(SkinForm *form)
{
    using M = MainSkinObjects;
    read(*this, form,
         {{&M::cut_begin_time, "cut_begin_time"},
          {&M::cut_end_time, "cut_end_time"},
          {&M::cut_play_time, "cut_play_time"},
          {&M::cut_play_bar, "cut_play_bar"},
          {&M::cutplaypos, "cutplaypos"}});
}
