// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/CaptionTables.h"

#include "language/Language.h"

#include <algorithm>

namespace tlv {

namespace {

// Builds the rows of one window in order.
class WindowRows {
  public:
    WindowRows(std::vector<CaptionRow>& rows, std::string window)
        : rows_(rows), window_(std::move(window)) {}

    void title(std::string zh, std::string en) {
        add("", CaptionItem::WindowTitle, 0, std::move(zh), std::move(en));
    }
    void caption(const std::string& control, std::string zh, std::string en) {
        add(control, CaptionItem::Caption, 0, std::move(zh), std::move(en));
    }
    void entry(const std::string& control, int index, std::string zh, std::string en) {
        add(control, CaptionItem::ListEntry, index, std::move(zh), std::move(en));
    }
    // Entries 0, 1, ... of a list.
    void entries(const std::string& control, std::initializer_list<LocalText> texts) {
        int index = 0;
        for (const LocalText& text : texts)
            entry(control, index++, text.zh, text.en);
    }
    void header(const std::string& control, int column, std::string zh, std::string en) {
        add(control, CaptionItem::GridHeader, column, std::move(zh), std::move(en));
    }
    void button(const std::string& control, int number, std::string zh, std::string en) {
        add(control, CaptionItem::ToolbarButton, number, std::move(zh), std::move(en));
    }

  private:
    void add(const std::string& control, CaptionItem item, int index, std::string zh,
             std::string en) {
        rows_.push_back({window_, control, item, index, std::move(zh), std::move(en)});
    }
    std::vector<CaptionRow>& rows_;
    std::string window_;
};

// Rights line of the main window and developer line of the about box.
constexpr LocalText kRightsLine{"版权所有 TLV6200 编程软件开发组",
                                "Copyright TLV6200 software team"};
constexpr LocalText kDeveloperLine{"开发：TLV6200 编程软件开发组",
                                   "Developed by the TLV6200 software team"};

void addMainWindowRows(std::vector<CaptionRow>& table) {
    WindowRows w(table, "Form1");
    w.title("TLV6200 对讲机编程软件 V1.00", "TLV6200 Radio Software V1.00");
    w.caption("mnuFile", "文件(&F)", "File(&F)");
    w.caption("mnuNew", "新建(&N)", "New(&N)");
    w.caption("mnuOpen", "打开(&O)", "Open(&O)");
    w.caption("mnuAssave", "保存(&S)", "Save(&S)");
    w.caption("mnuQuit", "退出(&Q)", "Quit(&Q)");
    w.caption("mnupro", "编程(&P)", "Programming(&P)");
    w.caption("mnureadFre", "读频(&R)", "Read Frequency(&R)");
    w.caption("mnuwriteFre", "写频(&W)", "Write Frequency(&W)");
    w.caption("mnudtmf", "可选功能", "Optional function ");
    w.caption("Key_enactment", "键设定", "Keys set ");
    w.caption("mnusetin", "嵌入信息", "Embedded information");
    w.caption("mnudebug", "调试(&D)", "Debug(&D)");
    w.caption("mnutestfre", "测试频率", "Debug frequency");
    w.caption("mnuset", "设置(&S)", "Settings(&S)");
    w.caption("mnulock", "锁定(&L)", "Lock(&L)");
    w.caption("mnucom", "通信端口(&V)", "Communication port(&V)");
    w.caption("mnuLanguage", "语言选择(&L)", "Languages(&L)");
    w.caption("mnuChineseJ", "简体中文", "Chinese(Simplified)");
    w.caption("mnuChineseF", "繁体中文", "Chinese(Traditional)");
    w.caption("mnuEnglish", "英文", "Englist");
    w.caption("mnuhelp", "帮助(&H)", "Help(&H)");
    w.caption("mnumainhelp", "帮助主题  F1", "The help topic  F1 \"");
    w.caption("mnuBackupFolder", "打开备份文件夹", "Open backup folder");
    w.caption("mnumanual", "用户手册", "User manual");
    w.caption("mnuabout", "关于", "About");
    // The editing comforts of this program: import and export, printing the channel card, and
    // the Edit menu.
    w.caption("mnuImport", "导入 CSV/JSON(&I)...", "Import CSV/JSON(&I)...");
    w.caption("mnuExport", "导出 CSV/JSON(&E)...", "Export CSV/JSON(&E)...");
    w.caption("mnuPrint", "打印(&P)...", "Print(&P)...");
    w.caption("mnuPdf", "导出 PDF(&D)...", "Export PDF(&D)...");
    w.caption("mnuEdit", "编辑(&E)", "Edit(&E)");
    w.caption("mnuUndo", "撤销(&U)", "Undo(&U)");
    w.caption("mnuRedo", "重做(&R)", "Redo(&R)");
    w.caption("mnuCut", "剪切(&T)", "Cut(&T)");
    w.caption("mnuCopy", "复制(&C)", "Copy(&C)");
    w.caption("mnuPaste", "粘贴(&P)", "Paste(&P)");
    w.caption("mnuSelectAll", "选择全部信道(&A)", "Select all channels(&A)");
    w.caption("mnuDelete", "删除信道(&D)", "Delete channels(&D)");
    w.caption("mnuInsert", "插入空行(&I)", "Insert empty row(&I)");
    w.caption("mnuMoveUp", "信道上移", "Move up");
    w.caption("mnuMoveDown", "信道下移", "Move down");

    // The texts the editor also keeps in the channel table and its lists come from the
    // cell-text tables.
    for (int c = 0; c < static_cast<int>(kChannelTableHeaders.size()); ++c)
        w.header("Grid1", c, kChannelTableHeaders[c].zh, kChannelTableHeaders[c].en);
    w.button("Toolbar1", 1, "新建", "New");
    w.button("Toolbar1", 2, "打开", "Open");
    w.button("Toolbar1", 3, "保存", "Save");
    w.button("Toolbar1", 5, "读频", "Read frequency");
    w.button("Toolbar1", 6, "写频", "Write frequency");
    w.caption("Frame1", "机型选择", "Model");
    w.caption("Frame2", "功能设置", "Function Set");
    w.caption("Label2", kRightsLine.zh, kRightsLine.en);
    w.caption("Label3", "频段", "Channel");
    w.caption("Label4", "语言通知", "Language:");
    w.caption("Label5", "发射超时", "Time-out:");
    w.caption("Label1", "发射超时预警", "Time-out Warn:");
    w.caption("Label6", "静噪等级", "Squelch Grade:");
    w.caption("Label7", "省电", "Battery Save:");
    w.caption("Label8", "提示音", "Beep:");
    w.entry("Combo8", 0, kToneOffText.zh, kToneOffText.en);
    for (int column = 5; column <= 8; ++column) {
        const std::string list = "Combo5_" + std::to_string(column);
        for (int position = 0; position < 2; ++position) {
            const LocalText& text = kOptionTexts[column - 5][position];
            w.entry(list, position, text.zh, text.en);
        }
    }
    w.entries("Combo2", {{"关", "Off"}, {"中文", "Chinese"}, {"英文", "Englist"}});
    for (int i = 0; i < 40; ++i) {
        const std::string seconds = std::to_string(15 * (i + 1));
        w.entry("Combo3", i, seconds + " 秒", seconds + " S");
    }
    w.entry("Combo4", 0, "关闭", "Off");
    for (int i = 1; i <= 10; ++i)
        w.entry("Combo4", i, std::to_string(i) + " 秒", std::to_string(i) + " S");
    for (int i = 0; i <= 9; ++i)
        w.entry("Combo9", i, std::to_string(i) + " 级", std::to_string(i) + " Group");
    w.entries("Combo6", {{"禁止", "Off"}, {"使能", "On"}});
    w.entries("Combo7", {{"禁止", "Off"}, {"使能", "On"}});
}

void addPowerLevelRows(std::vector<CaptionRow>& table) {
    WindowRows w(table, "Form2");
    w.caption("Frame1", "发射高功率", "TX-Hight Power");
    w.caption("Frame2", "发射低功率", "TX-Low Power");
    w.caption("Label3", "最小", "Low");
    w.caption("Label6", "最小", "Low");
    w.caption("Label7", "最大", "Hight");
    w.caption("Label8", "最大", "Hight");
    w.caption("Command1", "确定", "OK");
}

void addPasswordRows(std::vector<CaptionRow>& table) {
    WindowRows w(table, "Form3");
    w.caption("Label1", "请输入密码", "Password:");
    w.caption("Command1", "确定", "OK");
}

void addTestFrequencyRows(std::vector<CaptionRow>& table) {
    WindowRows w(table, "Form4");
    w.header("mfgrid1", 0, "频道", "Channel");
    w.header("mfgrid1", 1, "接收频率", "RX Frequency");
    w.header("mfgrid1", 2, "发射频率", "TX Frequency");
    w.caption("Command1", "确定", "OK");
    w.caption("Command2", "取消", "Cancel");
}

void addOptionalFunctionsRows(std::vector<CaptionRow>& table) {
    WindowRows w(table, "Form5");
    w.title("可选功能", "Optional Function");
    w.caption("Frame2", "扫描", "Scan");
    w.caption("Check3", "取消操作", "Cancel operation");
    w.caption("Check4", "接收时禁止VOX", "Received banned VOX");
    w.caption("Label8", "VOX功能", "VOX Function");
    w.caption("Label10", "VOX增益电平", "VOX GBIN");
    w.caption("Label9", "VOX延迟时间", "VOX Delay time");
    w.caption("Label7", "VOX可进行音调", "VOX volume control");
    w.caption("Label14", "优先", "Priority");
    w.caption("Label15", "优先信道", "Preferred channel");
    w.caption("Label17", "回扫时间A", "Retrace Time A");
    w.caption("Label16", "回扫时间B", "Retrace Time B");
    w.caption("Label18", "返回信道", "Return channel");
    w.caption("Label19", "扫描接收恢复延时时间(秒)", "Scan receive delay time(S)");
    w.caption("Label20", "扫描发射恢复延时时间(秒)", "Scan launch delay time(S)");
    w.caption("Label4", "PTT ID", "PTT ID");
    w.caption("Label11", "复制", "Duplicate");
    w.caption("Command1", "确定", "OK");
    w.caption("Command2", "取消", "Cancel");
    w.entries("Combo6", {{"禁止", "Off"}, {"使能", "On"}});
    w.entry("Combo7", 0, "关闭", "Off");
    w.entries("Combo9", {{"禁止", "Off"}, {"使能", "On"}});
    w.entries("Combo11", {{"无", "No"}, {"固定", "Fixed"}, {"选定", "Selected"}});
    w.entry("Combo13", 0, "空", "Empty");
    w.entry("Combo14", 0, "空", "Empty");
    w.entries("Combo15", {{"选定", "Selected"},
                          {"选定+当前", "Selected+Current"},
                          {"优先", "priority"},
                          {"优先+当前", "priority+Current"}});
    w.entries("Combo4",
              {{"发射开始", "Launch Start"}, {"发射结束", "Launch End"}, {"两者", "Both"}});
    w.entries("Combo10", {{"禁止", "Off"}, {"使能", "On"}});
}

void addKeysRows(std::vector<CaptionRow>& table) {
    WindowRows w(table, "Form6");
    w.title("键设定", "Keys Set");
    w.caption("Label1", "PF1", "PF1");
    w.caption("Label2", "PF2", "PF2");
    w.caption("Command1", "确定", "OK");
    w.caption("Command2", "取消", "Cancel");
    static constexpr LocalText kKeyFunctions[] = {
        {"自动拨号", "Automatic dial-up"},
        {"OFF", "OFF"},
        {"按键锁定", "Keys lock"},
        {"按键锁定及备份", "Key lock & backup"},
        {"监听", "Surveillance"},
        {"监听瞬时", "Surveillance instant"},
        {"扫描", "Scan"},
        {"扫描+暂时删除", "Scan & Delete temporary"},
        {"照明灯开关", "Floodlight switch"},
        {"取消静噪", "Cancel static noise"},
        {"瞬时取消静噪", "Instant cancel static noise"},
        {"暂时删除", "Delete temporary"},
    };
    for (const char* list : {"Combo1", "Combo2"}) {
        int index = 0;
        for (const LocalText& text : kKeyFunctions)
            w.entry(list, index++, text.zh, text.en);
    }
}

void addEmbeddedTextsRows(std::vector<CaptionRow>& table) {
    WindowRows w(table, "Form7");
    w.title("嵌入信息", "Embedded Information");
    w.caption("Command1", "确定", "OK");
    w.caption("Command2", "取消", "Cancel");
}

void addAboutRows(std::vector<CaptionRow>& table) {
    WindowRows w(table, "frmAbout");
    w.caption("lblTitle", caption::AboutTitle, "TLV6200 Radio Software ");
    w.caption("lblVersion", "简体中文版 V1.00", "English version V1.00");
    w.caption("Label2", "发布：2012.10", "Issue：2012.10");
    w.caption("lblDescription", kDeveloperLine.zh, kDeveloperLine.en);
    w.caption("cmdOK", "确定", "OK");
}

std::vector<CaptionRow> buildTable() {
    std::vector<CaptionRow> table;
    table.reserve(400);
    addMainWindowRows(table);
    addPowerLevelRows(table);
    addPasswordRows(table);
    addTestFrequencyRows(table);
    addOptionalFunctionsRows(table);
    addKeysRows(table);
    addEmbeddedTextsRows(table);
    addAboutRows(table);
    return table;
}

} // namespace

const std::vector<CaptionRow>& CaptionTable() {
    static const std::vector<CaptionRow> table = buildTable();
    return table;
}

std::span<const CaptionRow> CaptionRowsOf(std::string_view window) {
    const std::vector<CaptionRow>& table = CaptionTable();
    auto first = std::find_if(table.begin(), table.end(),
                              [&](const CaptionRow& row) { return row.window == window; });
    auto last = std::find_if(first, table.end(),
                             [&](const CaptionRow& row) { return row.window != window; });
    // From pointer and count: older standard libraries have no span from two iterators.
    return {table.data() + (first - table.begin()), static_cast<std::size_t>(last - first)};
}

const CaptionRow* FindCaption(std::string_view window, std::string_view control, CaptionItem item,
                              int index) {
    for (const CaptionRow& row : CaptionRowsOf(window))
        if (row.control == control && row.item == item && row.index == index) return &row;
    return nullptr;
}

std::string CaptionText(Language language, std::string_view window, std::string_view control,
                        CaptionItem item, int index) {
    const CaptionRow* row = FindCaption(window, control, item, index);
    return row ? Localise(language, {row->zh.c_str(), row->en.c_str()}) : std::string();
}

void WriteCaptionRow(CaptionTarget& target, const CaptionRow& row, Language language) {
    const std::string& text = row.text(language);
    switch (row.item) {
    case CaptionItem::WindowTitle:
        target.setWindowTitle(row.window, text);
        break;
    case CaptionItem::Caption:
        target.setCaption(row.window, row.control, text);
        break;
    case CaptionItem::ListEntry:
        target.setListEntry(row.window, row.control, row.index, text);
        break;
    case CaptionItem::GridHeader:
        target.setGridHeader(row.window, row.control, row.index, text);
        break;
    case CaptionItem::ToolbarButton:
        target.setToolbarButton(row.window, row.control, row.index, text);
        break;
    }
}

void ApplyLanguageCaptions(CaptionTarget& target, Language language) {
    if (language == Language::Traditional) return;
    for (const CaptionRow& row : CaptionTable())
        WriteCaptionRow(target, row, language);
}

} // namespace tlv
