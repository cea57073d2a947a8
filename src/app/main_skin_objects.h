#pragma once
// The skin objects the main window and its cutter write to, read once
// their skin form is applied; an object the skin lacks stays nullptr.

class SkinForm;
class SkinObject;

struct MainSkinObjects {
    SkinObject *profilestext = nullptr, *play_time = nullptr, *hint = nullptr, *play_bar = nullptr, *di = nullptr,
               *alltime = nullptr, *playpos = nullptr, *convertpos = nullptr;
    SkinObject *cut_begin_time = nullptr, *cut_end_time = nullptr, *cut_play_time = nullptr, *cut_play_bar = nullptr,
               *cutplaypos = nullptr;

    void readMain(SkinForm *form);
    void readCutter(SkinForm *form);
};
