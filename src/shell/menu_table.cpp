#include "shell/menu_table.h"

#include <array>

namespace orvantis {
namespace {

const MenuCommand kFile[] = {
    {"chartsAction", "&Charts...", Qt::CTRL | Qt::Key_O},
    {"saveChartAction", "&Save chart...", Qt::CTRL | Qt::Key_S},
    {"chartsSeparator", "-"},
    {"mnuFileExit", "E&xit", Qt::Key_F12},
};
const MenuCommand kHouse[] = {
    {"mnuHousePlacidus", "&Placidus", Qt::CTRL | Qt::Key_F2},
    {"mnuHouseRegiomontanus", "&Regiomontanus", Qt::CTRL | Qt::Key_F3},
    {"mnuHouseKoch", "&Koch", Qt::CTRL | Qt::Key_F4},
    {"mnuHouseCampanus", "&Campanus", Qt::CTRL | Qt::Key_F5},
    {"mnuHousePorphyry", "P&orphyry", Qt::CTRL | Qt::Key_F6},
    {"mnuHouseEqual", "&Equal", Qt::CTRL | Qt::Key_F7},
    {"mnuHouseMeridian", "&Meridian", Qt::CTRL | Qt::Key_F8},
    {"mnuHouseMorinus", "Mor&inus", Qt::CTRL | Qt::Key_F9},
};
const MenuCommand kEvents[] = {
    {"mnuEventsShow", "&Coming events", Qt::Key_F10},
    {"mnuEventsStatusBar", "Next event in &status bar"},
};
const MenuCommand kElect[] = {
    {"mnuElectionsRunning", "&Running", Qt::Key_F11},
    {"mnuSplit0", "-"},
    {"mnuElectionsData", "&Data", Qt::Key_F2},
};
const MenuCommand kUpdate[] = {
    {"mnuUpdateAddDay", "&Add a Day", Qt::Key_F3},
    {"mnuUpdateSubDay", "&Go back a day", Qt::Key_F4},
    {"mnuUpdateAddHour", "Add an &hour", Qt::Key_F5},
    {"mnuUpdateSubHour", "Go &back an hour", Qt::Key_F6},
    {"mnuUpdateAddMinute", "Add a &minute", Qt::Key_F9},
    {"mnuUpdateSubMinute", "Go bac&k a minute", Qt::SHIFT | Qt::Key_F9},
};
const MenuCommand kOrbs[] = {
    {"mnuOrbsChange", "&Select new orb file", Qt::CTRL | Qt::Key_F11},
    {"mnuOrbsEdit", "&Edit orb file", Qt::CTRL | Qt::Key_F12},
};
const MenuCommand kOptions[] = {
    {"mnuCTAmerican", "&American", Qt::Key_F7},
    {"mnuCTEuropean", "&European", Qt::Key_F8},
    {"mnuOptionsOptions", "Optio&ns", Qt::SHIFT | Qt::Key_F2},
    {"homePlaceAction", "&Home place..."},
};
const MenuCommand kChart[] = {
    {"transitsToAction", "&Transits to...", Qt::CTRL | Qt::Key_T},
    {"transitsOffAction", "Transits &off"},
    {"radixAspectsAction", "&Aspects within the radix"},
};
const MenuCommand kView[] = {{"mnuViewTimeBar", "&Time bar"}};
const MenuCommand kHelp[] = {
    {"mnuHelpOrvantis", "&Orvantis Window", Qt::Key_F1},
    {"mnuSplit1", "-"},
    {"mnuHelpOptions", "&Options Window"},
    {"mnuHelpSelect", "&Select A File Window"},
    {"mnuHelpEvents", "&Events Window"},
    {"chartsHelpAction", "&Charts Window"},
    {"mnuHelpAboutWindow", "A&bout Window"},
    {"mnuSplit2", "-"},
    {"mnuHelpHints", "&Hints"},
    {"mnuShortcutKeys", "Shortcut &keys"},
    {"mnuHelpLicense", "&License Agreement"},
    {"mnuSplit3", "-"},
    {"mnuHelpRevisions", "Re&vision history"},
    {"mnuSplit4", "-"},
    {"mnuHelpAbout", "Abo&ut"},
};

const std::array<MenuBarEntry, 12> kMenuBar = {{
    {"mnuFile", "&File", kFile},
    {"mnuHouseSystem", "&House", kHouse},
    {"mnuAspects", "&Aspects", {}},
    {"mnuEvents", "E&vents", kEvents},
    {"chartMenu", "&Chart", kChart},
    {"mnuElections", "&Elect", kElect},
    {"mnuUpdate", "&Update", kUpdate},
    {"mnuOrbs", "&Orbs", kOrbs},
    {"mnuPrintChartwheel", "&Print", {}},
    {"mnuOptions", "Optio&ns", kOptions},
    {"mnuView", "Vie&w", kView},
    {"mnuHelp", "He&lp", kHelp},
}};

}  // namespace

std::span<const MenuBarEntry> MenuBarTable() {
    return kMenuBar;
}

}  // namespace orvantis
