#include "app/language_texts.h"

#include <algorithm>

#include "app/main_commands.h"

namespace {

constexpr LanguageControlText kControlTexts[] = {
    {1069, "English", "中文简体"},
    {1108, "通讯端口选择", "Port Select"},
    {1109, "打印机选择", "Printer Type"},
    {1110, "并口设置", "LPT Set"},
    {1111, "串口设置", "COM Set"},
    {1112, "网口设置", "NET Set"},
    {1000, "并口", "LPT"},
    {1001, "串口", "COM"},
    {1003, "网口", "NET"},
    {1113, "本机IP:", "Local IP:"},
    {1114, "打印机IP:", "Printer IP:"},
    {1115, "新的IP地址:", "New IP:"},
    {1116, "新的ID:", "New ID:"},
    {1014, "刷新", "Refresh"},
    {1015, "连接测试", "Connect"},
    {1016, "设置IP", "Set New IP"},
    {1017, "设置ID", "New ID"},
    {1067, "网络监控", "NetMonitor"},
    {1213, "(设置ID后四位)", "(Set last four ID)"},
    {1117, "打印内容:", "Content:"},
    {1118, "次数:", "Rep:"},
    {1025, "清空", "Clear"},
    {1081, "自动发送", "AutoSend"},
    {1119, "周期", "Cyc"},
    {1084, "切纸", "CutPaper"},
    {1031, "打印", "Print"},
    {1027, "切纸", "Cut Paper"},
    {1026, "开钱箱", "Open cash drawer"},
    {1028, "繁体测试", "Traditional"},
    {1083, "驱动打印", "Driver Print"},
    {1030, "高级", "Advanced"},
    {1148, "POSTarnwick V3.0C", "POS TARNWICK V3.0C"},
    {1149, "官方网站: " TARNWICK_WEBSITE, "website: " TARNWICK_WEBSITE},
};

constexpr MenuItemSpec kFileZh[] = {
    {ID_FILE_NEW, "新建(&N)\tCtrl+N"},
    {ID_FILE_OPEN, "打开(&O)...\tCtrl+O"},
    {ID_FILE_SAVE, "保存(&S)\tCtrl+S"},
    {ID_FILE_SAVE_AS, "另存为(&A)..."},
    {ID_FILE_CLOSE, "关闭"},
    {ID_FILE_PRINT, "打印(&P)...\tCtrl+P"},
    {ID_APP_EXIT, "退出"},
};
constexpr MenuItemSpec kFileEn[] = {
    {ID_FILE_NEW, "New(&N)\tCtrl+N"},
    {ID_FILE_OPEN, "Open(&O)...\tCtrl+O"},
    {ID_FILE_SAVE, "Save(&S)\tCtrl+S"},
    {ID_FILE_SAVE_AS, "Save As(&A)..."},
    {ID_FILE_CLOSE, "Close"},
    {ID_FILE_PRINT, "Print(&P)...\tCtrl+P"},
    {ID_APP_EXIT, "Exit"},
};
constexpr MenuItemSpec kAdvancedZh[] = {
    {ID_COM_SETTING, "端口设置"},
    {ID_BLACK_MARK, "黑标设置"},
    {ID_NET_SETTING_ZH, "网络设置"},
};
constexpr MenuItemSpec kAdvancedEn[] = {
    {ID_COM_SETTING, "Com Setting"},
    {ID_BLACK_MARK, "BlackMark"},
    {ID_NET_SETTING_EN, "Net Setting"},
};
constexpr MenuItemSpec kLogoZh[] = {{ID_LOGO_DOWN, "Logo下载 \tCtrl+L"}};
constexpr MenuItemSpec kLogoEn[] = {{ID_LOGO_DOWN, "Logo Down \tCtrl+L"}};
constexpr MenuItemSpec kLanguage[] = {{ID_LANG_ENGLISH, "English"}, {ID_LANG_CHINESE, "中文"}};
constexpr MenuItemSpec kHelpZh[] = {{ID_HELP_TOPICS, "Velmoria 帮助"},
                                    {ID_APP_ABOUT, "关于 Velmoria"}};
constexpr MenuItemSpec kHelpEn[] = {{ID_HELP_TOPICS, "Velmoria Help"},
                                    {ID_APP_ABOUT, "About Velmoria"}};

// The language popup carries the other language's title in each bar.
constexpr MenuPopupSpec kMenuZh[] = {
    {"文件", kFileZh},       {"高级设置", kAdvancedZh}, {"Logo", kLogoZh},
    {"Language", kLanguage}, {"帮助", kHelpZh},
};
constexpr MenuPopupSpec kMenuEn[] = {
    {"File", kFileEn},   {"Advanced", kAdvancedEn}, {"Logo", kLogoEn},
    {"语言", kLanguage}, {"Help", kHelpEn},
};

}  // namespace

const Message kGreeting = {
    "欢迎使用专业POS票据打印机公司生产的针打，热敏系列打印机!\r\n",
    "Welcome to use the impact and thermal printer manufactured by professional POS receipt "
    "printer company!\r\n",
};

const Message kStatusGreeting = {
    "状态栏:  实时显示打印状态！",
    "Status Bar: Real-time display of print status!",
};

std::span<const LanguageControlText> LanguageControlTexts() {
    return kControlTexts;
}

QString LanguageTextFor(int id, bool chinese) {
    const auto* it = std::find_if(std::begin(kControlTexts), std::end(kControlTexts),
                                  [id](const LanguageControlText& t) { return t.id == id; });
    if (it == std::end(kControlTexts)) {
        return QString();
    }
    const char* text = chinese ? it->zh : it->en;
    return text ? QString::fromUtf8(text) : QString();
}

std::span<const MenuPopupSpec> MenuBarSpec(bool chinese) {
    if (chinese) {
        return kMenuZh;
    }
    return kMenuEn;
}
