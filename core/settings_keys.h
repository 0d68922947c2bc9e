#pragma once

// Every value kept in Printer.ini: section, key, default and, for texts, the reader's capacity
// (a read gives at most capacity - 1 characters). This is the one list of them; features read
// and write through these constants (see core/settings.h).

struct IntSetting {
    const char* section;
    const char* key;
    int defaultValue;
};

struct TextSetting {
    const char* section;
    const char* key;
    const char* defaultValue;  // UTF-8
    int capacity;
};

inline constexpr const char* kSectionPrinterAddress = "Printer Address";
inline constexpr const char* kSectionPortName = "Port Name";
inline constexpr const char* kSectionPrinterSet = "Printer Set";
inline constexpr const char* kSectionLanguage = "Language Select";
inline constexpr const char* kSectionSet = "SET";
inline constexpr const char* kSectionNet = "NET";
inline constexpr const char* kSectionQr = "QR";

// Main window, read at start-up and written at exit in this order.
inline constexpr TextSetting kIniPrinterIp{kSectionPrinterAddress, "IP", "192.168.123.100", 40};
inline constexpr TextSetting kIniComName{kSectionPortName, "Com Name", "COM1", 40};
inline constexpr TextSetting kIniLptName{kSectionPortName, "Lpt Name", "LPT1", 40};
inline constexpr IntSetting kIniPortSelect{kSectionPrinterSet, "Port Select", 3};  // -1: none
inline constexpr IntSetting kIniPrinterSelect{kSectionPrinterSet, "Printer Select", 2};
inline constexpr IntSetting kIniBaudRate{kSectionPrinterSet, "BaudRate Select", 9600};
inline constexpr IntSetting kIniLanguage{kSectionLanguage, "Language", 1};  // 1 Chinese, 0 English

// Black mark dialog.
inline constexpr IntSetting kIniBlmLCut{kSectionSet, "BLMLCUT", 20};
inline constexpr IntSetting kIniBlmPrtCut{kSectionSet, "BLMPRTCUT", 20};
inline constexpr IntSetting kIniBlmMax{kSectionSet, "BLMMAX", 300};
inline constexpr IntSetting kIniBlmWitch{kSectionSet, "BLMWITCH", 10};

// Bluetooth dialog.
inline constexpr TextSetting kIniBtName{kSectionSet, "BtName", "Mosaqel572", 128};
inline constexpr TextSetting kIniBtPinKey{kSectionSet, "BtPinKey", "580297", 128};

// DIP switch dialogs: option bits.
inline constexpr IntSetting kIniP58Sw{kSectionSet, "P58SW", 0};
inline constexpr IntSetting kIniP76ESw{kSectionSet, "P76ESW", 0};
inline constexpr IntSetting kIniP80Sw{kSectionSet, "P80SW", 0};

// Network settings dialog; the three addresses are written by WriteIniIp.
inline constexpr TextSetting kIniNetIpAddr{kSectionNet, "IPADDR", "192.168.123.100", 128};
inline constexpr TextSetting kIniNetMask{kSectionNet, "MASK", "255.255.255.0", 128};
inline constexpr TextSetting kIniNetGate{kSectionNet, "GATE", "192.168.123.1", 128};
inline constexpr TextSetting kIniNetSsid{kSectionNet, "SSID", "Mosaqel572", 128};
inline constexpr TextSetting kIniNetKey{kSectionNet, "KEY", "Mosaqel572", 128};
inline constexpr IntSetting kIniNetKeyType{kSectionNet, "KEYT", 6};  // index in the key-type list

// QR test: values handed to the QR encoder.
inline constexpr TextSetting kIniQrEccLevel{kSectionQr, "ECCLevel", "25%", 5};
inline constexpr TextSetting kIniQrScale{kSectionQr, "Scale", "2", 16};
