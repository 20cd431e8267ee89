#include "Strings.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <string_view>

namespace {

struct Entry {
    int id;
    std::string_view english;
    std::string_view chinese;
};

// Sorted by id.
constexpr Entry kTable[] = {
    {1000, "&File", "文件(&F)"},
    {1001, "&New", "新建(&N)"},
    {1002, "&Open", "打开(&O)"},
    {1003, "&Save", "保存(&S)"},
    {1004, "Save &As", "另存为(&A)"},
    {1005, "&Print", "打印(&P)"},
    {1006, "E&xit", "退出(&X)"},
    {1010, "&Optional Features", "可选功能(&O)"},
    {1015, "&Program", "编程(&P)"},
    {1016, "&Read from Radio", "读频(&R)"},
    {1017, "&Write to Radio", "写频(&W)"},
    {1021, "&Setup", "设置(&S)"},
    {1022, "&Communication Port", "通信端口(&C)"},
    {1023, "&Language Setup", "语言设置(&L)"},
    {1024, "&Help", "帮助(&H)"},
    {1025, "&Help Topics", "帮助主题(&H)"},
    {1026, "&About", "关于(&A)"},
    {1027, "New", "新建"},
    {1028, "Open", "打开"},
    {1029, "Save", "保存"},
    {1030, "Print", "打印"},
    {1031, "Read", "读频"},
    {1032, "Write", "写频"},
    {1035, "ZQ-915 series radio programming software", "ZQ-915系列对讲机写频软件"},
    {1100, "On", "开"},
    {1101, "Off", "关"},
    {1102, "&OK", "确定(&O)"},
    {1103, "&Cancel", "取消(&C)"},
    {1104, "None", "无"},
    {1106, "File Name", "文件名"},
    {1107, "All data will be cleared.", "所有数据将被清空。"},
    {1108, "Warning", "警告"},
    {1109, "FPU Data Files (*.dat)|*.dat", "FPU 数据文件 (*.dat)|*.dat"},
    {1110, "File has been modified, save it now?", "当前文件已被修改，是否现在保存？"},
    {1111, "File hasn't been saved, save it now?", "文件尚未保存，是否现在保存？"},
    {1112, "Incorrect File Type.", "文件类型不正确。"},
    {1113, "Error", "错误"},
    {1114, "Disable", "关闭"},
    {1115, "Enable", "开启"},
    {1200, "RX Freq", "接收频率"},
    {1202, "TX Freq", "发射频率"},
    {1205, "Channel", "信道"},
    {1206, "Frequency", "频率"},
    {1207, "Receive", "接收"},
    {1209, "Transmit", "发射"},
    {1211, "Decode", "接收信令"},
    {1212, "Encode", "发射信令"},
    {1213, "TX Power", "发射功率"},
    {1214, "Low", "低"},
    {1215, "High", "高"},
    {1216, "W/N", "宽/窄"},
    {1217, "Wide", "宽"},
    {1218, "Narrow", "窄"},
    {1219, "Scan", "扫描添加"},
    {1220, "Del", "删除"},
    {1221, "Add", "添加"},
    {1223, "Signalling", "信令"},
    {1225, "QT/DQT", "QT/DQT"},
    {1226, "Carrier", "载波"},
    {1227, "BCL", "繁忙锁定"},
    {1229, "Frequency is out of range.", "频率超出范围。"},
    {1230, "to", "到"},
    {1235, "Channel Copy", "信道复制"},
    {1236, "Frequency Copy", "频率复制"},
    {1237, "QT/DQT Copy", "QT/DQT复制"},
    {1238, "Channel is out of range.", "信道超出范围。"},
    {1239, "CH", "信道"},
    {1246, "Step", "步进"},
    {1247, "Opt Signal", "可选信令"},
    {1250, "General", "整机设置"},
    {1251, "Model", "机型"},
    {1252, "Frequency", "频段"},
    {1253, "Power Level", "发射功率等级"},
    {1254, "Manual", "手动设置"},
    {1300, "Print Out List", "打印输出列表"},
    {1301, "Memory Channel", "记忆信道"},
    {1303, "Select &All", "全选(&A)"},
    {1304, "C&lear all", "全清(&L)"},
    {1305, "The ZQ-915 programming software authors.", "ZQ-915 编程软件作者。"},
    {1306, "Please select printing items.", "请选择打印项目。"},
    {1307, "ZQ-915 Radio Programming Information", "ZQ-915 对讲机编程信息"},
    {1308, "Model Type", "机型类型"},
    {1309, "Print Pre&view", "打印预览(&V)"},
    {1310, "Printing failed.", "打印失败。"},
    {1317, "Communication Port", "通信端口"},
    {1318, "COM", "通信口"},
    {1319, "Language Setup", "语言设置"},
    {1320, "Language Mode", "语言模式"},
    {1321, "English", "英语"},
    {1322, "Chinese", "中文"},
    {1323, "Radio Programming Software", "对讲机编程软件"},
    {1324, "For", "用于"},
    {1325, "Version", "版本"},
    {1326, "Release", "发布"},
    {1327, "Copyright (C)", "版权所有 (C)"},
    {1328, "All rights reserved.", "保留所有权利。"},
    {1334, "About", "关于"},
    {1335, "From", "从"},
    {1336, "To", "到"},
    {1400, "Optional Features", "可选功能"},
    {1404, "Time Out Timer [s]", "发射定时(秒)"},
    {1408, "Squelch Level", "静噪等级(SQ)"},
    {1410, "VOX Gain Level", "VOX增益电平"},
    {1414, "Beep Tone", "报警音提示"},
    {1415, "Battery Save", "电池省电"},
    {1428, "Scrambler", "扰频器激活"},
    {1450, "Chord Language", "语言选择"},
    {1451, "VOX Delay Time[s]", "VOX延迟时间(秒)"},
    {1452, "ANI", "ANI"},
    {1453, "Name", "本机命名"},
    {1454, "BOT", "开始发射"},
    {1455, "EOT", "结束发射"},
    {1456, "General Function", "整机功能设置"},
    {1457, "VOX", "VOX(声控发射)"},
    {1458, "PTT ID", "PTT ID"},
    {1500, "DTMF", "DTMF"},
    {1600, "Cannot Open Communication Port.", "无法打开通信端口。"},
    {1601, "Read data from radio.", "从对讲机读取数据。"},
    {1602, "Do you wish to continue?", "是否继续？"},
    {1603, "Write data to radio.", "向对讲机写入数据。"},
    {1604, "Completion percentage", "完成进度"},
    {1607, "Check Connection. Retry or Cancel?", "检测连接。重试或取消？"},
    {1608, "Reading completed!", "成功读完！"},
    {1609, "Writing completed!", "成功写完！"},
    {1610, "Model type is wrong. Overwrite?", "机型类型错误。是否覆盖？"},
    {1631, "Tuning", "调谐"},
    {1633, "Read data from radio", "从对讲机读取数据"},
    {1634, "Write data to radio", "向对讲机写入数据"},
    {1638, "Model type is wrong.", "机型类型错误。"},
    {1639, "Tunning Freq", "调试频率"},
    {1640, "HIGH Freq", "高端频率"},
    {1641, "MID Freq", "中端频率"},
    {1642, "LOW Freq", "低端频率"},
    {1643, "Tunning Project", "调试项目"},
    {1644, "TX Freq", "发射频率"},
    {1645, "Voltage Warnning", "低压报警"},
    {1646, "Squelch Lever", "静噪电平"},
    {1647, "Tx Power", "发射功率"},
    {1648, "Exit", "退出"},
    {1649, "Please set \"Tunning Freq\" first.", "请先设定调试频率."},
    {1650, "Tunning Value", "调试参数"},
    {1651, "Kind", "类别"},
    {1652, "Simulate", "模拟"},
    {1653, "Min", "最小"},
    {1654, "Max", "最大"},
    {1655, "Current Value", "当前值"},
    {1700, "Other port:", "其他端口："},
    {1701, "Demo radio", "演示电台"},
    {1710, "Cannot save %1.", "无法保存 %1。"},
    {1711, "Cannot open %1.", "无法打开 %1。"},
    {1712, "It is not an ordinary file (a folder, device or pipe).",
     "它不是普通文件（文件夹、设备或管道）。"},
    {1713, "The file was not written completely.", "文件未完整写入。"},
    {1714, "%1 has been changed by another program since it was opened or saved here. Overwrite it?",
     "%1 在此打开或保存之后已被其他程序修改。是否覆盖？"},
    {1715, "%1 already exists. Do you want to replace it?", "%1 已存在。是否替换？"},
    {1730, "in use by another program", "正被其他程序使用"},
    {1731, "port disappeared (cable unplugged?)", "端口已消失（数据线被拔出？）"},
    {1732, "no such serial port", "没有这个串口"},
    {1733, "Add your user to the group \"%1\" that owns the device, then log in again.",
     "请把您的用户加入拥有该设备的组“%1”，然后重新登录。"},
    {1760, "ZQ-915 Help", "ZQ-915 帮助"},
    {1761, "Getting started", "入门"},
    {1762, "The channel grid", "信道表格"},
    {1763, "Channel shortcut keys", "信道快捷键"},
    {1764, "The General panel", "整机设置面板"},
    {1765, "Optional features", "可选功能"},
    {1766, "Printing", "打印"},
    {1767, "The command-line tool", "命令行工具"},
    {1768, "Troubleshooting", "故障排除"},
    {1790, "Demo radio (simulated)", "演示电台（模拟）"},
    {1791, "Demo radio (simulated): no real radio is involved.", "演示电台（模拟）：不涉及真实电台。"},
    {1820, "&Export Channels...", "导出信道(&E)..."},
    {1821, "&Import Channels...", "导入信道(&I)..."},
    {1822, "CSV Files (*.csv)|*.csv", "CSV 文件 (*.csv)|*.csv"},
    {1823, "%1 channels imported.", "已导入 %1 个信道。"},
    {1824, "Skipped rows:", "跳过的行："},
    {1825, "Line %1: %2", "第 %1 行：%2"},
    {1826, "... and %1 more.", "……另有 %1 行。"},
    {1827, "channel number \"%1\" is not 1 to %2", "信道号“%1”不在 1 到 %2 之间"},
    {1828, "channel %1 was already filled by line %2", "信道 %1 已由第 %2 行填入"},
    {1829, "\"%1\" is not a frequency", "“%1”不是频率"},
    {1830, "frequency %1 is outside the band", "频率 %1 超出频段"},
    {1831, "unknown QT/DQT \"%1\"", "未知的 QT/DQT“%1”"},
    {1832, "unknown %1 \"%2\"", "未知的%1“%2”"},
    {1833, "unsupported tone mode \"%1\"", "不支持的亚音模式“%1”"},
    {1834, "unsupported mode \"%1\"", "不支持的模式“%1”"},
    {1835, "unsupported duplex \"%1\"", "不支持的双工方式“%1”"},
    {1836, "an Encode needs a TX Freq", "没有发射频率不能设置发射信令"},
    {1837, "The file is not a CSV file.", "该文件不是 CSV 文件。"},
    {1838, "The file has no recognised header line (separators tried: comma, semicolon, tab).",
     "该文件没有可识别的标题行（已尝试的分隔符：逗号、分号、制表符）。"},
    {1839, "The file is larger than 1 MiB.", "该文件大于 1 MiB。"},
    {1840, "The backup of this read could not be written: %1", "本次读取的备份未能写入：%1"},
    {1841, "there is no home folder to keep it in (HOME is not set)",
     "没有可存放备份的主文件夹（未设置 HOME）"},
    {1850, "(empty)", "（空）"},
    {1851, "Address", "地址"},
    {1852, "Column", "列"},
    {1853, "&Verify after Write", "写频后校验(&V)"},
    {1854, "Writing", "正在写入"},
    {1855, "Verifying", "正在校验"},
    {1856, "Writing completed and verified: the radio holds what was written.",
     "写频完成并已校验：对讲机中的数据与写入的一致。"},
    {1857, "Verification failed at %1, address %2: written %3, read %4.",
     "校验失败：%1，地址 %2：写入 %3，读回 %4。"},
    {1858, "The radio was written completely, but the verification could not be completed: %1",
     "对讲机已完整写入，但校验未能完成：%1"},
    {1859, "Check Connection.", "检测连接。"},
    {1860, "cancelled", "已取消"},
    {1861, "interrupted", "已中断"},
    {1862, "interrupted, radio not changed", "已中断，对讲机未被改动"},
    {1863, "interrupted, radio partly written", "已中断，对讲机只写入了一部分"},
    {1870, "&Edit", "编辑(&E)"},
    {1871, "&Undo", "撤销(&U)"},
    {1872, "&Redo", "重做(&R)"},
    {1873, "&Undo %1", "撤销 %1(&U)"},
    {1874, "&Redo %1", "重做 %1(&R)"},
    {1875, "Channel %1 %2", "信道 %1 %2"},
    {1876, "Import", "导入"},
    {1877, "Insert Channel", "插入信道"},
    {1878, "Delete Channel", "删除信道"},
    {1879, "Memory Map", "存储器映射"},
    {1880,
     "The file is not UTF-8 text. Open it in the spreadsheet, save it again with the file type \"CSV UTF-8\" "
     "and import that file.",
     "该文件不是 UTF-8 文本。请在电子表格中打开它，以“CSV UTF-8”文件类型另存，再导入另存的文件。"},
    {1881, "The file is not UTF-8 and was read as %1.", "该文件不是 UTF-8 编码，已按 %1 读取。"},
    {1882, "%1 channel imported.", "已导入 %1 个信道。"},
    {1883, "No channel could be imported: every row was skipped (band %1).",
     "未能导入任何信道：所有行都被跳过（频段 %1）。"},
    {1884, "No channel could be imported: the file has no channel rows.",
     "未能导入任何信道：文件中没有信道行。"},
    {1885, "Import %1 channel and replace the %2 now in the document?",
     "导入 %1 个信道并替换文档中现有的 %2 个信道吗？"},
    {1886, "Import %1 channels and replace the %2 now in the document?",
     "导入 %1 个信道并替换文档中现有的 %2 个信道吗？"},
    {1887, "%1 row will be skipped.", "将跳过 %1 行。"},
    {1888, "%1 rows will be skipped.", "将跳过 %1 行。"},
    {1889, "Duplex split needs the TX frequency in Offset", "双工方式 split 需要在 Offset 中填写发射频率"},
    {1890, "Duplex %1 needs the offset in Offset", "双工方式 %1 需要在 Offset 中填写频差"},
    {1891, "Tone mode %1 needs a value in %2", "亚音模式 %1 需要在 %2 中填写数值"},
    {1892, "TX frequency below 0", "发射频率低于 0"},
    {1893, "Locations counted from 0 (0 is channel 1)", "Location 从 0 开始计数（0 为信道 1）"},
    {1894, "Location \"%1\" is not %2 to %3", "Location“%1”不在 %2 到 %3 之间"},
    {1895, "%1 %2", "%1%2"},
    {1920, "Unsaved changes to %1 from %2 were recovered.", "已恢复 %1 在 %2 的未保存修改。"},
    {1921, "&Restore", "恢复(&R)"},
    {1922, "&Discard", "丢弃(&D)"},
    {1923, "&Later", "稍后(&L)"},
    {1924, "The recovery copy %1 cannot be read. It has been kept as %2.",
     "无法读取恢复副本 %1。已将其保留为 %2。"},
    {1925, "Unsaved changes cannot be kept for recovery: %1", "无法保留未保存的修改以备恢复：%1"},
    {1926, "Recent &Files", "最近的文件(&F)"},
    {1927, "&Clear Recent Files", "清除最近的文件(&C)"},
    {1928, "Export Channels", "导出信道"},
    {1929, "Import Channels", "导入信道"},
    {1930, "Files", "文件"},
    {1950, "Choose a serial port…", "选择串口…"},
    {1951, "This browser cannot reach serial ports. Use Chrome or Edge, or the desktop program.",
     "此浏览器无法访问串口。请使用 Chrome 或 Edge，或使用桌面程序。"},
    {1952, "USB serial port %1", "USB 串口 %1"},
    {1953, "Serial port %1", "串口 %1"},
    {1954, "%1 (unplugged)", "%1（已拔出）"},
    {1955, "No port chosen", "未选择端口"},
    {1956, "The transfer stopped: %1.", "传输已停止：%1。"},
    {1957, "&Backups...", "备份(&B)..."},
    {1958, "Backups of radio reads", "电台读取备份"},
    {1959, "Date and time", "日期和时间"},
    {1960, "Band", "频段"},
    {1961, "Channels", "信道数"},
    {1962, "&Open", "打开(&O)"},
    {1963, "&Download", "下载(&D)"},
    {1964, "No read from a radio has been kept yet.", "尚未保存任何电台读取。"},
    {1965, "C&lose", "关闭(&L)"},
    {1966, "&Retry", "重试(&R)"},
    {1980, "&Yes", "是(&Y)"},
    {1981, "&No", "否(&N)"},
    {1982, "The page was closed with unsaved changes to \"%1\". Restore them?",
     "页面关闭时“%1”有未保存的修改。要恢复吗？"},
    {1983,
     "In the browser, Ctrl+N opens a browser window: use File > New. The channel keys Ctrl+E, Ctrl+F, "
     "Ctrl+Q, Ctrl+I and Ctrl+D work while the channel grid has the focus, as do Shift+F3, F4, F5, F9 and "
     "F10.",
     "在浏览器中，Ctrl+N 会打开浏览器窗口：请使用“文件 > 新建”。信道快捷键 Ctrl+E、Ctrl+F、Ctrl+Q、Ctrl+I 和 "
     "Ctrl+D 以及 Shift+F3、F4、F5、F9、F10 在信道表格获得焦点时可用。"},
};

// Atomic: worker threads word their failures (a recovery copy's write) while
// the user may switch the language.
std::atomic<std::uint8_t> g_languageIndex{0};

const Entry* Find(int id)
{
    const auto it = std::lower_bound(std::begin(kTable), std::end(kTable), id,
                                     [](const Entry& e, int key) { return e.id < key; });
    return it != std::end(kTable) && it->id == id ? it : nullptr;
}

}  // namespace

std::uint8_t LanguageIndex() { return g_languageIndex; }

void SetLanguageIndex(std::uint8_t index) { g_languageIndex = index; }

std::string TextByNumber(int number)
{
    const Entry* e = Find(number < 2000 ? number : number - 1000);
    if (!e) return {};
    if (number < 2000) return std::string(e->english);
    return number < 3000 ? std::string(e->chinese) : std::string();
}

std::string TextWith(int id, std::initializer_list<std::string_view> args)
{
    std::string text = Text(id);
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && n < args.size()) {
            result += *(args.begin() + n);
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string TextIn(int id, std::uint8_t language)
{
    const auto number = static_cast<std::int16_t>(id + 1000 * language);
    return TextByNumber(number);
}

std::string Text(int id) { return TextIn(id, g_languageIndex); }

const std::vector<int>& TextIds()
{
    static const std::vector<int> ids = [] {
        std::vector<int> v;
        for (const Entry& e : kTable) v.push_back(e.id);
        return v;
    }();
    return ids;
}
