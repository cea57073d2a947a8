#include "app/main_look.h"

const QString kMainWindowStyle = QStringLiteral(R"(
QTreeWidget#lv { background: #141a24; color: #dde3ee; border: none; font-size: 12px;
    selection-background-color: #2f5fc4; selection-color: #ffffff; outline: none; }
QTreeWidget#lv::item { border-right: 1px solid #1f2735; border-bottom: 1px solid #1f2735; padding: 3px 2px; }
QTreeWidget#lv::item:selected { background: #2f5fc4; color: #ffffff; }
QTreeWidget#lv QHeaderView::section { background: #1b2230; color: #9aa5b8; border: none;
    border-right: 1px solid #283244; border-bottom: 1px solid #283244; padding: 5px 6px; font-size: 11px; }
QTreeWidget#lv QScrollBar:vertical, QTreeWidget#lv QScrollBar:horizontal { background: #141a24; border: none;
    width: 10px; height: 10px; }
QTreeWidget#lv QScrollBar::handle { background: #2b3548; border-radius: 4px; min-height: 24px; min-width: 24px; }
QTreeWidget#lv QScrollBar::add-line, QTreeWidget#lv QScrollBar::sub-line { width: 0; height: 0; }
QLineEdit#ed_output, QLineEdit#edt_tit { background: #1a2130; color: #e6ebf3; border: 1px solid #2b3548;
    border-radius: 5px; padding: 0 6px; selection-background-color: #2f5fc4; }
QLineEdit#ed_output:focus { border-color: #4f8cff; }
QComboBox#cb_audio, QComboBox#cb_subtitle { background: #1a2130; color: #e6ebf3; border: 1px solid #2b3548;
    border-radius: 4px; padding: 1px 6px; }
QComboBox#cb_audio QAbstractItemView, QComboBox#cb_subtitle QAbstractItemView { background: #1d2432;
    color: #e6ebf3; border: 1px solid #2b3548; selection-background-color: #2f5fc4; selection-color: #ffffff; }
QFrame#Panel1 { background: #1a2130; border: none; }
QFrame#pl_play { background: #000000; }
QMenu { background: #1d2432; color: #e6ebf3; border: 1px solid #2b3548; padding: 4px 0; }
QMenu::item { padding: 5px 26px 5px 18px; }
QMenu::item:selected { background: #2f5fc4; color: #ffffff; }
QMenu::item:disabled { color: #5b6578; }
QMenu::separator { height: 1px; background: #2b3548; margin: 4px 10px; }
)");
